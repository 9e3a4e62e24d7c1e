// Splitting one question's answers (quadratic splitting took half a minute
// here), and a test file that once froze the test window for minutes.
#include "Bench.h"
#include "app/Globals.h"
#include "assessment/Grading.h"
#include "assessment/TestFile.h"

#include <QDir>
#include <QFile>
#include <memory>

namespace {
qmbench::Register answers("one question of 200,000 answers: ParseAnswers", 100.0, [] {
    const int n = 200000;
    auto texts = std::make_shared<QString>(QString("a>>").repeated(n));
    auto flags = std::make_shared<QString>("1" + QString(">>0").repeated(n - 1));
    return [texts, flags] {
        QVector<qm::AnswerRecord> out;
        int correct = 0;
        qm::ParseAnswers(*texts, *flags, out, correct);
    };
});

// Opening reads the file up to the refusal of its question; grading a
// question that size is timed on its own, as nothing in a test file may make
// it slower than linear.
qmbench::Register hugeQuestion("test file of one question with 690,000 answers: open and grade", 1000.0, 300.0, [] {
    const int n = 690000;
    const QString root = qmbench::ScratchFolder() + "/testfile";
    QDir().mkpath(root + "/BEN002");
    QFile f(root + "/BEN002/BEN002_0001TST");
    if (f.open(QIODevice::WriteOnly))
        f.write("\"1\",\"Which?\",\"" + QByteArray("a>>").repeated(n) + "\",\"1\",\"\",\"\",\"\"\r\n");
    f.close();
    qm::AppPath = root;
    qm::CourseRecord course;
    course.Modules = {qm::ModuleRecord{}};
    course.Modules[0].Code = QStringLiteral("BEN002");
    qm::Courses = {course};
    qm::CurCourse = 0;
    qm::CurModule = 0;
    auto question = std::make_shared<qm::QuestionRecord>();
    int correct = 0;
    qm::ParseAnswers(QString("a>>").repeated(n), "1", question->Answers, correct);
    question->CorrectCount = qint16(correct);
    auto ticked = std::make_shared<QVector<bool>>(n, true);
    return [question, ticked] {
        QString why;
        qm::ReadTestFile(QStringLiteral("0001.txm"), &why); // refused for its question
        qm::GradeQuestion(*question, *ticked);
    };
});
} // namespace
