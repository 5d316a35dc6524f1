#pragma once

#include <QString>
#include <optional>

namespace quiz {

struct Question {
    QString caption; // "7x8"
    QString answer;  // "56"
};

// Index text "0".."99" (exactly, no spaces or leading zeros): the tens digit
// picks the first factor, the units digit the second. Any other text is no
// question.
std::optional<Question> questionFor(const QString &indexText);

// Points for a correct answer while the countdown shows this text:
// "05" 50 ... "01" 10; none for "", "00" or anything else.
std::optional<int> pointsFor(const QString &countdown);

// The countdown value each stage timer writes, in the order they run.
inline constexpr const char *kCountdownValues[] = {"05", "04", "03", "02", "01", "00"};

} // namespace quiz
