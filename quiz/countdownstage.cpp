#include "quiz/countdownstage.h"

namespace quiz {

std::optional<int> pointsFor(const QString &countdown)
{
    for (const CountdownStage &stage : kCountdown)
        if (stage.points > 0 && countdown == QLatin1String(stage.shows))
            return stage.points;
    return std::nullopt;
}

} // namespace quiz
