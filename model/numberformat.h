#pragma once

#include <QLocale>
#include <QString>

// Number texts of the results. The decimal separator is the locale's; there is never a group
// separator, the minus sign is "-", and a value that rounds to zero carries no minus.
// Values that are not finite (they never come out of a valid matrix) print as "NAN", "INF"
// and "-INF".

// Fixed, exactly 8 decimals: 0.63698557.
QString formatPriority(double v, const QLocale &locale = QLocale());

// Fixed, 2 decimals: a weight in a line of text, 0.21.
QString formatWeight(double v, const QLocale &locale = QLocale());

// At most 8 decimals, trailing zeros and a bare separator dropped: 0.01925555, 6.1302682, 0.
QString formatMeasure(double v, const QLocale &locale = QLocale());

// Rounded to 15 significant digits, trailing zeros dropped, fixed notation (0.58, 3.55555555555556)
// unless the rounded magnitude is below 0.00001 or has 16 or more integer digits. Then it is
// scientific: the mantissa with one integer digit and no trailing zeros, "E", a "-" only for a
// negative exponent, and the exponent without leading zeros: 1.5E-6, 1E16.
QString formatGeneral(double v, const QLocale &locale = QLocale());

// Numbers a person reads beside the wizard's own fields (suggestions, rankings, charts, the
// analysis sheet): three significant digits, trailing zeros dropped, never scientific. A value
// below 0.000001 is the computation's noise and reads "0"; from 100 on it is a whole number.
QString formatReadable(double v, const QLocale &locale = QLocale());

// A percentage with exactly one decimal, without the sign, which the sentence around it carries.
QString formatPercent(double percent, const QLocale &locale = QLocale());
