# Copies the sample program folder next to the executable and paints its skins.
set(SAMPLE_SOURCE_DIR ${CMAKE_SOURCE_DIR}/samples/program)
set(PROGRAM_DIR ${CMAKE_BINARY_DIR}/bin)
file(GLOB_RECURSE SAMPLE_FILES CONFIGURE_DEPENDS ${SAMPLE_SOURCE_DIR}/*)

add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/samples.stamp
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${SAMPLE_SOURCE_DIR} ${PROGRAM_DIR}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:skinpaint> ${PROGRAM_DIR}/GUIimages
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:animpaint> ${PROGRAM_DIR}/GUIimages
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/samples.stamp
  DEPENDS ${SAMPLE_FILES} skinpaint animpaint
  COMMENT "Staging the sample courses beside the player"
  VERBATIM)
add_custom_target(stage_samples ALL DEPENDS ${CMAKE_BINARY_DIR}/samples.stamp)
add_dependencies(quillmark stage_samples)
