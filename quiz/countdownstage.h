#pragma once

#include <QString>
#include <iterator>
#include <optional>

namespace quiz {

// The countdown, one row a stage in the order the stage timers run: what
// the stage shows, and the points a correct answer earns while it shows.
// The last stage is time up and earns nothing.
struct CountdownStage {
    const char *shows;
    int points;
};
inline constexpr CountdownStage kCountdown[] = {
    {"05", 50}, {"04", 40}, {"03", 30}, {"02", 20}, {"01", 10}, {"00", 0},
};
inline constexpr size_t kCountdownStages = std::size(kCountdown);

// Points for a correct answer while the countdown shows this text:
// "05" 50 ... "01" 10; none for "", "00" or anything else.
std::optional<int> pointsFor(const QString &countdown);

} // namespace quiz
