#pragma once

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

extern const QString JudgementEmptyMessage;
extern const QString JudgementInvalidMessage;
extern const QString JudgementZeroMessage;
extern const QString JudgementTooSmallMessage;
extern const QString JudgementTooLargeMessage;

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
