# Puts the sample program folder and the painted skins next to the executable.
# Authors install their own courses there too, so a file changed there since
# the build put it there is kept (see CopyKeepingChanges.cmake).
set(SAMPLE_SOURCE_DIR ${CMAKE_SOURCE_DIR}/samples/program)
set(PROGRAM_DIR ${CMAKE_BINARY_DIR}/bin)
set(PAINTED_DIR ${CMAKE_BINARY_DIR}/painted)
set(SAMPLES_STAMP ${CMAKE_BINARY_DIR}/samples.stamp)
file(GLOB_RECURSE SAMPLE_FILES CONFIGURE_DEPENDS ${SAMPLE_SOURCE_DIR}/*)

add_custom_command(
  OUTPUT ${SAMPLES_STAMP}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:skinpaint> ${PAINTED_DIR}/GUIimages
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:animpaint> ${PAINTED_DIR}/GUIimages
  COMMAND ${CMAKE_COMMAND} -DSOURCES=${SAMPLE_SOURCE_DIR}$<SEMICOLON>${PAINTED_DIR} -DDEST=${PROGRAM_DIR}
          -DRECORD=${CMAKE_BINARY_DIR}/staged-files.txt -DSTAMP=${SAMPLES_STAMP}
          -P ${CMAKE_SOURCE_DIR}/cmake/CopyKeepingChanges.cmake
  COMMAND ${CMAKE_COMMAND} -E touch ${SAMPLES_STAMP}
  DEPENDS ${SAMPLE_FILES} skinpaint animpaint ${CMAKE_SOURCE_DIR}/cmake/CopyKeepingChanges.cmake
  COMMENT "Staging the sample courses beside the player"
  VERBATIM)
add_custom_target(stage_samples ALL DEPENDS ${SAMPLES_STAMP})
add_dependencies(quillmark stage_samples)

# The tests read a copy of their own, which no author installs into.
set(TEST_PROGRAM_DIR ${CMAKE_BINARY_DIR}/tests/program)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/test-program.stamp
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${SAMPLE_SOURCE_DIR} ${TEST_PROGRAM_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PAINTED_DIR} ${TEST_PROGRAM_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/test-program.stamp
  DEPENDS ${SAMPLE_FILES} ${SAMPLES_STAMP}
  COMMENT "Staging the sample courses for the tests"
  VERBATIM)
add_custom_target(stage_test_program DEPENDS ${CMAKE_BINARY_DIR}/test-program.stamp)
