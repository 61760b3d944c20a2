#include "model/numberformat.h"

#include <cmath>
#include <cstdlib>

namespace {

const QChar Point = QLatin1Char('.');
const QChar Minus = QLatin1Char('-');
const QChar Zero = QLatin1Char('0');

// Largest decimal exponent still written out in full (15 integer digits) and smallest one
// (0.00001) of the general numeric text.
constexpr int GeneralDigits = 15;
constexpr int GeneralLowestFixedExponent = -5;

QString nonFiniteText(double v)
{
    if (std::isnan(v))
        return QStringLiteral("NAN");
    return v < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

QString withoutNegativeZero(const QString &text)
{
    if (!text.startsWith(Minus))
        return text;
    for (const QChar c : text) {
        if (c.isDigit() && c != Zero)
            return text;
    }
    return text.mid(1);
}

QString localized(QString text, const QLocale &locale)
{
    return text.replace(Point, locale.decimalPoint());
}

} // namespace

QString formatPriority(double v, const QLocale &locale)
{
    if (!std::isfinite(v))
        return nonFiniteText(v);
    return localized(withoutNegativeZero(QString::number(v, 'f', 8)), locale);
}

QString formatWeight(double v, const QLocale &locale)
{
    if (!std::isfinite(v))
        return nonFiniteText(v);
    return localized(withoutNegativeZero(QString::number(v, 'f', 2)), locale);
}

QString formatMeasure(double v, const QLocale &locale)
{
    if (!std::isfinite(v))
        return nonFiniteText(v);
    QString text = QString::number(v, 'f', 8);
    while (text.endsWith(Zero))
        text.chop(1);
    if (text.endsWith(Point))
        text.chop(1);
    return localized(withoutNegativeZero(text), locale);
}

QString formatGeneral(double v, const QLocale &locale)
{
    if (!std::isfinite(v))
        return nonFiniteText(v);
    if (v == 0.0)
        return QStringLiteral("0");

    // "-d.dddddddddddddde+xx": the value correctly rounded to 15 significant digits. The
    // notation is chosen from this rounded value, so 9.9999999999999999e-6 counts as 0.00001.
    const QString rounded = QString::number(std::fabs(v), 'e', GeneralDigits - 1);
    const qsizetype expAt = rounded.indexOf(QLatin1Char('e'));
    const int exponent = rounded.mid(expAt + 1).toInt();
    QString digits = rounded.left(expAt);
    digits.remove(Point);
    while (digits.size() > 1 && digits.endsWith(Zero))
        digits.chop(1);

    const QString separator = locale.decimalPoint();
    QString text = v < 0 ? QString(Minus) : QString();
    if (exponent < GeneralLowestFixedExponent || exponent >= GeneralDigits) {
        text += digits.left(1);
        if (digits.size() > 1)
            text += separator + digits.mid(1);
        text += QLatin1Char('E');
        if (exponent < 0)
            text += Minus;
        text += QString::number(std::abs(exponent));
    } else if (exponent >= 0) {
        const qsizetype integerDigits = exponent + 1;
        text += digits.left(integerDigits).leftJustified(integerDigits, Zero);
        if (digits.size() > integerDigits)
            text += separator + digits.mid(integerDigits);
    } else {
        text += Zero + separator + QString(-exponent - 1, Zero) + digits;
    }
    return text;
}

QString formatReadable(double v, const QLocale &locale)
{
    if (!std::isfinite(v))
        return nonFiniteText(v);
    constexpr double Noise = 1e-6;
    constexpr int Significant = 3;
    const double magnitude = std::fabs(v);
    if (magnitude < Noise)
        return QStringLiteral("0");
    // The decimals that leave three significant digits, taken from the value once rounded to
    // them, so that 0.09996 reads "0.1" and not "0.100".
    const QString rounded = QString::number(magnitude, 'e', Significant - 1);
    const int exponent = rounded.mid(rounded.indexOf(QLatin1Char('e')) + 1).toInt();
    const int decimals = qBound(0, Significant - 1 - exponent, 8);
    QString text = QString::number(v, 'f', decimals);
    if (text.contains(Point)) {
        while (text.endsWith(Zero))
            text.chop(1);
        if (text.endsWith(Point))
            text.chop(1);
    }
    return localized(withoutNegativeZero(text), locale);
}

QString formatPercent(double percent, const QLocale &locale)
{
    if (!std::isfinite(percent))
        return nonFiniteText(percent);
    return localized(withoutNegativeZero(QString::number(percent, 'f', 1)), locale);
}
