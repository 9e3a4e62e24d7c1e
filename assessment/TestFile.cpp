#include "assessment/TestFile.h"
#include "platform/ContentName.h"
#include "platform/ContentPath.h"
#include "platform/QuotedItems.h"
#include "platform/TextFile.h"

#include <limits>

namespace qm {
namespace {

const QString kAnswerSeparator = QStringLiteral(">>");
constexpr QChar kAuthorQuote(0x00AB); // « in Windows-1252 (byte 171)

QString restoreQuotes(QString item)
{
    item.replace(kAuthorQuote, QChar('"'));
    return item;
}

// Walks one ">>"-separated item from the front without copying what is left,
// so splitting n answers costs time in proportion to the item's length.
class AnswerParts {
public:
    explicit AnswerParts(const QString& text) : text_(text) {}
    bool atEnd() const { return pos_ >= text_.size(); }
    // The part before the next ">>", or all that is left; "" once at the end.
    QString take()
    {
        if (atEnd()) return QString();
        const qsizetype at = text_.indexOf(kAnswerSeparator, pos_);
        const qsizetype end = at >= 0 ? at : text_.size();
        QString part = text_.mid(pos_, end - pos_);
        pos_ = at >= 0 ? at + kAnswerSeparator.size() : text_.size();
        return part;
    }
    // Steps over the next part without copying it.
    void skip()
    {
        const qsizetype at = text_.indexOf(kAnswerSeparator, pos_);
        pos_ = at >= 0 ? at + kAnswerSeparator.size() : text_.size();
    }

private:
    const QString& text_;
    qsizetype pos_ = 0;
};

// The number of answers ParseAnswers would make of texts, counting no
// further than limit + 1, so that a huge item is refused before it is split.
int countAnswers(const QString& texts, int limit)
{
    AnswerParts parts(texts);
    int n = 0;
    while (!parts.atEnd() && n <= limit) {
        parts.skip();
        ++n;
    }
    return n;
}

// True when a text of the question that the window lays out (its text, an
// answer, the explanation or the review caption) is longer than it can show.
bool hasOverlongText(const QuestionRecord& q)
{
    const auto tooLong = [](const QString& t) { return t.size() > kMaxTestTextChars; };
    if (tooLong(q.Text) || tooLong(q.Explanation) || tooLong(q.ReviewCaption)) return true;
    for (const AnswerRecord& a : q.Answers)
        if (tooLong(a.Text)) return true;
    return false;
}

void setReason(QString* reason, const QString& text)
{
    if (reason) *reason = text;
}

const QString kNotAQuestion = QStringLiteral("Question %1 of the test file, from line %2, does not read as a question: ");

// Where a record begins: the line (from 1) of its first item, and whether
// that item is the first on its line.
struct RecordStart {
    int line = 1;
    bool beginsLine = true;
};

// The lines of the test file's records, counted as the reading goes on.
class RecordLines {
public:
    explicit RecordLines(const QString& text) : text_(text) {}

    // The start of the record whose reading begins at from (after the
    // separator of the item before it).
    RecordStart startAt(qsizetype from, int number)
    {
        qsizetype p = from;
        while (p < text_.size() && text_[p].isSpace()) ++p;
        qsizetype back = p;
        while (back > 0 && text_[back - 1].isSpace() && !isLineEnd(text_[back - 1])) --back;
        RecordStart start;
        start.beginsLine = back == 0 || isLineEnd(text_[back - 1]);
        for (; counted_ < p; ++counted_) {
            const QChar c = text_[counted_];
            if (c == QLatin1Char('\n') || (c == QLatin1Char('\r') && (counted_ + 1 >= text_.size()
                                                                     || text_[counted_ + 1] != QLatin1Char('\n'))))
                ++line_;
        }
        start.line = line_;
        if (lines_.size() < number) lines_.resize(number);
        lines_[number - 1] = line_;
        return start;
    }
    int lineOf(int number) const { return lines_.value(number - 1, 1); }

private:
    static bool isLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }
    const QString& text_;
    qsizetype counted_ = 0;
    int line_ = 1;
    QVector<int> lines_;
};

} // namespace

QString TestFileName(const QString& moduleCode, const QString& pageName)
{
    if (pageName.size() < 4) return QString();
    return moduleCode + QLatin1Char('_') + pageName.left(pageName.size() - 4) + QStringLiteral("TST");
}

QString TestFilePath(const QString& moduleCode, const QString& pageName)
{
    const QString name = TestFileName(moduleCode, pageName);
    const QString folder = ContentPathInside(AppPath, moduleCode);
    if (name.isEmpty() || folder.isEmpty()) return QString();
    const QString path = ContentPathInside(folder, name);
    return path.isEmpty() ? QString() : ResolveContentPath(path);
}

void ParseAnswers(const QString& texts, const QString& flags, QVector<AnswerRecord>& answers,
                  int& correctCount)
{
    answers.clear();
    AnswerParts t(texts);
    AnswerParts f(flags);
    while (!t.atEnd()) {
        AnswerRecord a;
        a.Text = t.take();
        a.Flag = f.take();
        if (a.Flag == QLatin1String("1")) ++correctCount;
        answers.append(a);
    }
}

bool ParseTestText(const QString& text, QString& header, QVector<QuestionRecord>& questions,
                   QString* reason)
{
    QuotedItemReader reader(text);
    QString head;
    if (!reader.next(head)) {
        setReason(reason, QStringLiteral("The test file ends before its header."));
        return false;
    }
    RecordLines lines(text);
    QVector<QuestionRecord> read;
    RecordStart previous;
    int firstShifted = 0; // the first question on its own line whose items end mid-line
    bool severalOnALine = false; // a layout with records sharing lines shows nothing by lines
    // A record that cannot be a question; where the records of a file each
    // begin a line, the first whose items did not end at a line's end is the
    // one with an item missing or one too many, whichever later question the
    // count of items then trips over.
    const auto notAQuestion = [&](int number, const RecordStart& start, const QString& why) {
        if (firstShifted > 0 && firstShifted < number && !severalOnALine) {
            setReason(reason, kNotAQuestion.arg(firstShifted).arg(lines.lineOf(firstShifted))
                                  + QStringLiteral("its six items do not end at the end of a line, so one of "
                                                   "them is missing or there is one too many."));
        } else {
            setReason(reason, kNotAQuestion.arg(number).arg(start.line) + why);
        }
        return false;
    };
    while (!reader.atEnd()) {
        const int number = int(read.size()) + 1;
        const RecordStart start = lines.startAt(reader.position(), number);
        if (number > 1 && previous.beginsLine && !start.beginsLine && firstShifted == 0) firstShifted = number - 1;
        else if (start.beginsLine && firstShifted > 0) severalOnALine = true;
        previous = start;
        QStringList items;
        if (!reader.read(6, items))
            return notAQuestion(number, start, QStringLiteral("the file ends before its six items do (text, answers, "
                                                              "flags, explanation, review caption, review link)."));
        QuestionRecord q;
        q.Text = restoreQuotes(items[0]);
        q.Explanation = restoreQuotes(items[3]);
        q.ReviewCaption = restoreQuotes(items[4]);
        q.ReviewLink = restoreQuotes(items[5]);
        if (countAnswers(items[1], kMaxAnswersPerQuestion) > kMaxAnswersPerQuestion) {
            setReason(reason, QStringLiteral("Question %1 of the test file, from line %2, has more than %3 answers, "
                                             "more than a test window can show.")
                                  .arg(number)
                                  .arg(start.line)
                                  .arg(kMaxAnswersPerQuestion));
            return false;
        }
        int correct = 0;
        ParseAnswers(restoreQuotes(items[1]), items[2], q.Answers, correct);
        q.CorrectCount = qint16(qMin(correct, int(std::numeric_limits<qint16>::max())));
        // A question nobody can answer correctly would be shown and then always
        // graded wrong; refuse the file so the author hears of it.
        if (q.Answers.isEmpty()) return notAQuestion(number, start, QStringLiteral("it has no answers."));
        if (hasOverlongText(q)) {
            setReason(reason, QStringLiteral("Question %1 of the test file, from line %2, has a text of more than %3 "
                                             "characters, more than a test window can show.")
                                  .arg(number)
                                  .arg(start.line)
                                  .arg(kMaxTestTextChars));
            return false;
        }
        if (q.CorrectCount == 0) return notAQuestion(number, start, QStringLiteral("no answer is marked correct."));
        read.append(q);
    }
    if (read.isEmpty()) {
        setReason(reason, QStringLiteral("The test file holds no questions."));
        return false;
    }
    header = head;
    questions = read;
    return true;
}

bool ReadTestFile(const QString& pageName, QString* reason)
{
    if (!HasCurrentModule()) {
        setReason(reason, QStringLiteral("No module is open."));
        return false;
    }
    const QString path = TestFilePath(CurrentModule().Code, pageName);
    if (path.isEmpty()) {
        const QString why = TestFileName(CurrentModule().Code, pageName).isEmpty()
                                ? QStringLiteral("The page name \"%1\" is too short to name a test file.")
                                : QStringLiteral("The page name \"%1\" cannot name a test file in its module's folder.");
        setReason(reason, why.arg(pageName));
        return false;
    }
    QString text;
    QString error;
    if (!ReadContentText(path, text, kMaxTestFileBytes, &error)) {
        setReason(reason, error);
        return false;
    }
    QString why;
    if (!ParseTestText(text, TestHeader, Questions, &why)) {
        setReason(reason, QStringLiteral("%1 (%2)").arg(why, path));
        return false;
    }
    return true;
}

} // namespace qm
