#pragma once
#include "app/Globals.h"

#include <QString>
#include <QVector>

namespace qm {

// A test page's file lies beside the module's pages: the module code, "_", the
// page name less its last four characters (its ".txm") and "TST", with no dot,
// so module ABC123 with page 0003.txm gives "ABC123_0003TST". Empty when the
// page name is shorter than four characters.
QString TestFileName(const QString& moduleCode, const QString& pageName);

// The test file's path in the module's folder under AppPath, resolved without
// regard to case. Empty when the page name is too short, or when the code or
// the file name is not a plain name (ContentPathInside).
QString TestFilePath(const QString& moduleCode, const QString& pageName);

// The most answers one question may have. The window lays out a control for
// each answer; far more than any real question has would freeze it, so a
// test with a question over this is refused.
inline constexpr int kMaxAnswersPerQuestion = 100;
// The longest text (question, answer, explanation, review caption) a test may
// show: each is wrapped anew whenever it is drawn, and a text of megabytes
// would make every repaint take a second.
inline constexpr int kMaxTestTextChars = 20000;

// Splits the answer-texts item and the answer-flags item (answers separated by
// ">>", in the same order in both) into answers. The texts drive the split:
// flags beyond the last text are ignored and a text without a flag gets "".
// The answers are replaced; the number of flags that are exactly "1" is added
// to correctCount.
void ParseAnswers(const QString& texts, const QString& flags, QVector<AnswerRecord>& answers,
                  int& correctCount);

// Parses a test file's text: the header item, then six items per question
// (text, answer texts, answer flags, explanation, review caption, review link),
// counted by items whatever the line breaks. Authors write « where a double
// quote is meant; it becomes one in every item but the flags.
// False, with the reason, when the text ends before the header or inside a
// question, holds no question, or holds a question that cannot be graded
// (no answers, or no answer flagged "1"). header and questions are only
// changed on success.
bool ParseTestText(const QString& text, QString& header, QVector<QuestionRecord>& questions,
                   QString* reason = nullptr);

// Reads the test file of the given page of the current module into TestHeader
// and Questions. False, with the reason naming the file as it is (or would be)
// on disk, when there is no current module, the file is missing, unreadable or
// over its cap, or ParseTestText refuses it; TestHeader and Questions then
// keep what they held. Nothing is shown here: the caller tells the learner.
bool ReadTestFile(const QString& pageName, QString* reason = nullptr);

} // namespace qm
