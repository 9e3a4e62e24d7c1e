#include "assessment/ResultRecord.h"
#include "assessment/ProgressFigures.h"

#include <optional>

namespace qm {
namespace {

// A stored count or score as a number; nothing when the item is empty or not
// a whole number of at least 0.
std::optional<int> storedNumber(const QString& item)
{
    bool ok = false;
    const int value = item.trimmed().toInt(&ok);
    if (!ok || value < 0) return std::nullopt;
    return value;
}

} // namespace


ResultItems BuildResultRecord(const ProgressArrays& progress, const QString& moduleCode, int score,
                              const QString& answerString, const QString& today)
{
    const QString scoreText = QString::number(score);
    ResultItems r;
    r.LastScore = scoreText;
    r.Attempts = QStringLiteral("1");
    r.FirstScore = r.BestScore = scoreText;
    r.FirstAnswers = r.BestAnswers = answerString;
    r.FirstDate = r.BestDate = today;

    const int j = ModuleRecordOf(progress, moduleCode);
    if (j < 0) return r;

    // The arrays are parallel, but value() keeps a short one from reaching past its end.
    if (const auto attempts = storedNumber(progress.ProgAttempts.value(j)))
        r.Attempts = QString::number(qint64(*attempts) + 1);

    const QString storedFirst = progress.ProgFirstScores.value(j);
    if (storedFirst.isEmpty()) return r;

    r.FirstScore = storedFirst;
    r.FirstAnswers = progress.ProgFirstAnswers.value(j);
    r.FirstDate = progress.ProgFirstDates.value(j);
    const auto storedBest = storedNumber(progress.ProgBestScores.value(j));
    if (storedBest && *storedBest > score) {
        r.BestScore = progress.ProgBestScores.value(j);
        r.BestAnswers = progress.ProgBestAnswers.value(j);
        r.BestDate = progress.ProgBestDates.value(j);
    }
    return r;
}

} // namespace qm
