#include "model/judgement.h"

#include <cmath>

namespace {

// QLocale forgives blanks around a number and group separators inside it; a cell must not,
// or a pasted "1 000" or " 5" would pass for a judgement.
bool convertNumber(const QString &text, const QLocale &locale, double *value)
{
    if (text.isEmpty() || text.front().isSpace() || text.back().isSpace())
        return false;
    QLocale strict(locale);
    strict.setNumberOptions(strict.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double converted = strict.toDouble(text, &ok);
    if (!ok || !std::isfinite(converted))
        return false;
    *value = converted;
    return true;
}

} // namespace

ParsedJudgement parseJudgement(const QString &text)
{
    return parseJudgement(text, QLocale());
}

ParsedJudgement parseJudgement(const QString &text, const QLocale &locale)
{
    const ParsedJudgement invalid{0.0, true};
    const QChar bar = QLatin1Char('/');

    QString numeratorText = text;
    double divisor = 1.0;
    const qsizetype barAt = text.indexOf(bar);
    if (barAt >= 0) {
        const QString divisorText = text.mid(barAt + 1, MaxDivisorLength);
        if (divisorText.isEmpty() || divisorText.contains(bar))
            return invalid;
        if (!convertNumber(divisorText, locale, &divisor) || divisor == 0.0)
            return invalid;
        numeratorText = text.left(barAt);
        if (numeratorText.isEmpty())
            return invalid;
    }

    double numerator = 0.0;
    if (!convertNumber(numeratorText, locale, &numerator))
        return invalid;
    const double value = numerator / divisor;
    if (!std::isfinite(value))
        return invalid;
    return {value, false};
}

JudgementCheck validateJudgement(const QString &text)
{
    return validateJudgement(text, QLocale());
}

JudgementCheck validateJudgement(const QString &text, const QLocale &locale)
{
    if (text.isEmpty())
        return {false, 0.0, JudgementEmptyMessage.text()};
    const ParsedJudgement parsed = parseJudgement(text, locale);
    if (parsed.invalid)
        return {false, 0.0, JudgementInvalidMessage.text()};
    if (parsed.value == 0.0)
        return {false, parsed.value, JudgementZeroMessage.text()};
    if (parsed.value < MinJudgement)
        return {false, parsed.value, JudgementTooSmallMessage.text()};
    if (parsed.value > MaxJudgement)
        return {false, parsed.value, JudgementTooLargeMessage.text()};
    return {true, parsed.value, QString()};
}

namespace {

QString swapped(const QString &text, QChar a, QChar b)
{
    if (a == b)
        return text;
    QString result = text;
    for (QChar &c : result) {
        if (c == a)
            c = b;
        else if (c == b)
            c = a;
    }
    return result;
}

} // namespace

QString toFileText(const QString &cellText, QChar decimalPoint)
{
    return swapped(cellText, decimalPoint, QLatin1Char('.'));
}

QString fromFileText(const QString &fileText, QChar decimalPoint)
{
    return swapped(fileText, QLatin1Char('.'), decimalPoint);
}

QChar decimalPointOf(const QLocale &locale)
{
    const QString point = locale.decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}
