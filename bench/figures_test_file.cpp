// Splitting one question's answers (quadratic splitting took half a minute here).
#include "Bench.h"
#include "assessment/TestFile.h"

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
} // namespace
