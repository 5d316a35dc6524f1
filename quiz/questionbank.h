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

} // namespace quiz
