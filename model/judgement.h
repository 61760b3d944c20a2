#pragma once

#include "model/translatabletext.h"

#include <QLocale>
#include <QString>

// What a comparison cell holds: a number ("5"), a fraction with one bar ("1/7"), or nothing.
using JudgementText = QString;

// The scale a judgement must lie on. The lower bound is the double nearest to one ninth, so
// the text "1/9" itself is on the scale.
constexpr double MinJudgement = 1.0 / 9.0;
constexpr double MaxJudgement = 9.0;
// Only this much of the text after the bar is read as the divisor.
constexpr int MaxDivisorLength = 100;

inline constexpr TranslatableText JudgementEmptyMessage{"Judgement", QT_TRANSLATE_NOOP("Judgement", "Ячейка должна быть заполнена")};
inline constexpr TranslatableText JudgementInvalidMessage{"Judgement", QT_TRANSLATE_NOOP("Judgement", "Ячейка содержит неверное значение")};
inline constexpr TranslatableText JudgementZeroMessage{"Judgement", QT_TRANSLATE_NOOP("Judgement", "Значение ячейки должно быть больше 0.0")};
inline constexpr TranslatableText JudgementTooSmallMessage{"Judgement", QT_TRANSLATE_NOOP("Judgement", "Значение ячейки не должно быть меньше 1/9")};
inline constexpr TranslatableText JudgementTooLargeMessage{"Judgement", QT_TRANSLATE_NOOP("Judgement", "Значение ячейки не должно быть больше 9")};

struct ParsedJudgement
{
    double value;
    bool invalid;
};

// Numbers are read as the locale writes them: its decimal separator, no group separators, no
// blanks around them. Anything that does not read as a finite number is invalid; nothing throws.
ParsedJudgement parseJudgement(const QString &text);
ParsedJudgement parseJudgement(const QString &text, const QLocale &locale);

struct JudgementCheck
{
    bool valid;
    double value;
    QString message; // empty when valid
};

JudgementCheck validateJudgement(const QString &text);
JudgementCheck validateJudgement(const QString &text, const QLocale &locale);

// A cell text as the grid shows it (with the locale's decimal separator) to the file's form, and back.
// The locale's separator and "." trade places, so that a text the locale rejects ("1.5" typed
// under a "," locale) stays rejected in the file and after reopening under any locale, and the
// pair is exact: fromFileText(toFileText(t, p), p) == t for every text.
QString toFileText(const QString &cellText, QChar decimalPoint);
QString fromFileText(const QString &fileText, QChar decimalPoint);
// The same with the separator of a locale (its first character).
QChar decimalPointOf(const QLocale &locale);
