#pragma once
// A small course with tests, a signed-in learner and the real main window, for
// the tests of the test, review and progress windows.
#include "app/Globals.h"
#include "content/Catalogue.h"
#include "content/LinkedList.h"
#include "support/CourseBuilder.h"
#include "support/TestDoubles.h"
#include "users/ProgressRecords.h"
#include "users/UserPaths.h"
#include "platform/TextControl.h"
#include "viewer/Form1.h"
#include "viewer/Navigation.h"

#include <QDir>
#include <QFile>
#include <QTimer>
#include <functional>

namespace testcourse {

struct Question {
    QString text;
    QString answers; // "A>>B>>C"
    QString flags;   // "1>>0>>0"
    QString explanation;
    QString caption;
    QString link;
};

inline QByteArray quoted(const QStringList& items)
{
    QStringList q;
    for (const QString& i : items) q << '"' + i + '"';
    return q.join(',').toUtf8() + "\r\n";
}

inline void writeTest(qmtest::CourseBuilder& b, const QString& code, const QString& page, const QString& header,
                      const QList<Question>& questions)
{
    QByteArray text = quoted({header});
    for (const Question& q : questions) text += quoted({q.text, q.answers, q.flags, q.explanation, q.caption, q.link});
    b.writeFile(code + '/' + code + '_' + page.left(page.size() - 4) + "TST", text);
}

// n questions with three answers each, the first one correct.
inline QList<Question> simpleQuestions(int n, const QString& linkModule = QString())
{
    QList<Question> list;
    for (int i = 1; i <= n; ++i) {
        Question q{QStringLiteral("Question %1?").arg(i), "Right>>Wrong>>Also wrong", "1>>0>>0",
                   i % 2 ? QStringLiteral("Because %1.").arg(i) : QString(), QString(), QString()};
        if (!linkModule.isEmpty()) {
            q.caption = QStringLiteral("Review %1").arg(i);
            q.link = linkModule + QStringLiteral("_0001.txm");
        }
        list << q;
    }
    return list;
}

// Three modules: TST001 with a five-question test in the middle (0004),
// TST002 ending with an eight-question test, TST003 ending the course with a
// two-question test without summary (header "2").
inline void buildCourse(qmtest::CourseBuilder& b)
{
    b.module("TST001", "Safety basics",
             {{"0001.txm", "Topic", "Hazards"}, {"0002.txm", "Page", ""}, {"0003.txm", "Topic", "Spills"},
              {"0004.txm", "Test", ""}, {"0005.txm", "Topic", "After the test"}});
    b.module("TST002", "Numbers", {{"0001.txm", "Topic", "Counting"}, {"0002.txm", "Test", ""}});
    b.module("TST003", "Wrap up", {{"0001.txm", "Topic", "Summary"}, {"0002.txm", "Test", ""}});
    b.course("Course A", {"TST001", "TST002", "TST003"});
    b.writeRegistry();
    writeTest(b, "TST001", "0004.txm", "1", simpleQuestions(5));
    writeTest(b, "TST002", "0002.txm", "1", simpleQuestions(8));
    writeTest(b, "TST003", "0002.txm", "2", simpleQuestions(2));
}

inline void signIn(const QString& first = "Ada", const QString& last = "Lovell")
{
    QDir().mkpath(qm::UserFolderPath(qm::UserFolderName(first, last)));
    qm::UserFirstName = first;
    qm::UserLastName = last;
}

// Opens the course in the main window with a signed-in learner.
inline qm::Form1& openCourse()
{
    qm::GetInstalledCourses();
    qm::CurCourse = 0;
    signIn();
    qm::Form1& f = qm::Form1::instance();
    f.showModeless();
    return f;
}

// The test course open in the main window, a learner signed in.
struct OpenTestCourse {
    qmtest::CourseBuilder b;
    qmtest::TestEnvironment env{(buildCourse(b), b.path())};
    qm::Form1& f = openCourse();
};

// Puts the main window on the page before a module's test page, so that Next
// moves onto the test.
inline void standBefore(int module, const QString& page)
{
    qm::OpenModule(module);
    qm::PageList().SetPageAsCurrent(page);
}

inline QString here() { return qm::CurrentModule().Code + ' ' + qm::PageList().GetCurrentPageName(); }

inline QString shown(qm::Form1& f) { return f.TXTextControl1->text().trimmed(); }

// Runs steps inside the next modal loop (a window shown modal waits there).
inline void whileModal(std::function<void()> steps) { QTimer::singleShot(0, std::move(steps)); }

// Items 3 to 10 of a module's record as the user store reads them back from
// the learner's course file; empty when the module has no record.
inline QStringList storedResults(const QString& code)
{
    qm::ProgressArrays p;
    qm::ReadProgressRecords(p);
    for (int j = p.count() - 1; j >= 0; --j) {
        if (p.ProgModuleCodes[j] != code) continue;
        return {p.ProgAttempts[j], p.ProgFirstScores[j], p.ProgFirstAnswers[j], p.ProgFirstDates[j],
                p.ProgBestScores[j], p.ProgBestAnswers[j], p.ProgBestDates[j], p.ProgLastScores[j]};
    }
    return {};
}

inline QString courseFileText()
{
    QFile f(qm::CourseFilePath(qm::CurrentUserFolderName(), qm::CurCourse));
    if (!f.open(QIODevice::ReadOnly)) return QStringLiteral("<missing>");
    return QString::fromUtf8(f.readAll());
}

} // namespace testcourse
