#include "shell/numbertext.h"

#include <QLocale>
#include <cmath>

std::optional<double> readNumber(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString numberText(double value)
{
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(qint64(value));
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString addToNumberText(const QString &text, double delta)
{
    return numberText(readNumber(text).value_or(0.0) + delta);
}
