#include "entry/reciprocal.h"

namespace {
const QChar FractionBar = QLatin1Char('/');
const QString One = QStringLiteral("1");
// Longest divisor carried over from "1/x"; longer tails are cut when mirrored.
constexpr int MaxMirroredDivisor = 10;
}

QString reciprocalText(const QString &text)
{
    if (text.isEmpty())
        return QString();
    if (text == One)
        return One;

    const int bar = text.indexOf(FractionBar);
    if (bar < 0)
        return One + FractionBar + text;

    const QString numerator = text.left(bar);
    const QString divisor = text.mid(bar + 1);
    if (numerator.isEmpty() || divisor.isEmpty() || divisor.contains(FractionBar))
        return QString();

    if (numerator == One)
        return divisor.left(MaxMirroredDivisor);
    return divisor + FractionBar + numerator;
}
