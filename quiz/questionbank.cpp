#include "quiz/questionbank.h"

namespace quiz {

std::optional<Question> questionFor(const QString &indexText)
{
    // Only the hundred canonical texts match: "7", "26", "99"; never "07" or " 7".
    const int size = int(indexText.size());
    if (size < 1 || size > 2)
        return std::nullopt;
    for (QChar ch : indexText)
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return std::nullopt;
    if (size == 2 && indexText.at(0) == QLatin1Char('0'))
        return std::nullopt;
    const int index = indexText.toInt();
    const int first = index / 10 + 1;
    const int second = index % 10 + 1;
    return Question{QStringLiteral("%1x%2").arg(first).arg(second), QString::number(first * second)};
}

} // namespace quiz
