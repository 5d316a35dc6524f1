#pragma once

#include <QString>
#include <optional>

// Counters, the score and the page number are held as caption text. Sums
// read the text as a double, add a whole constant and write back the
// shortest decimal text: "0", "-10", "150".
std::optional<double> readNumber(const QString &text);
QString numberText(double value);
// readNumber + delta + numberText; a text that is no number counts as 0.
QString addToNumberText(const QString &text, double delta);
