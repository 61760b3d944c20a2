#pragma once

#include <QString>

// What a comparison cell says, in words on the scale: "«Цена» существенно важнее, чем «Качество» (5)".
// A value below 1 reads the other way round, the column's item first, and the number in the
// parentheses is then the judgement the mirror cell holds: "1/5" shows "(5)"; a value below 1 typed
// as a decimal shows its reciprocal with at most two decimals. 1 reads as equal importance; a value
// that is not an odd whole number reads as lying between the words of the odd values around it
// (2 and 1,5 between 1 and 3; 4 and 3,2 between 3 and 5).
// An empty cell text, or a value that is not finite or lies off the scale 1/9 … 9, gives an empty
// text: a rejected cell says nothing. The texts are translated in the context "JudgementWords".

// The scale's words for a whole value from 1 to 9 in the language shown ("существенно" for 5,
// "равная важность" for 1); empty for any other value. The read-out's sentences and the help's
// scale table say these words.
QString scaleWords(int value);

// The criteria matrix: rowName over columnName.
QString criteriaJudgementWords(const QString &rowName, const QString &columnName, double value,
                               const QString &cellText);

// The sub-criteria of the criterion at groupPath: rowName over columnName, naming the group.
QString subcriteriaJudgementWords(const QString &rowName, const QString &columnName, const QString &groupPath,
                                  double value, const QString &cellText);

// An alternatives matrix under criterionName: rowName over columnName.
QString alternativesJudgementWords(const QString &rowName, const QString &columnName,
                                   const QString &criterionName, double value, const QString &cellText);
