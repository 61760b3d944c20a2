#pragma once

#include <QChar>
#include <QString>

// Shown when a refused character is typed into the criteria grid or the alternatives grid.
inline const QString ChoiceTabKeyMessage = QStringLiteral("Допускается ввод только цифр и знака дроби '/'");
inline const QString CompTabKeyMessage = QStringLiteral("Допускается ввод только цифр и занака дроби '/'");

// Whether a character typed into a comparison grid may reach the cell: ASCII digits, the
// fraction bar, Enter and Backspace. Everything else, other scripts' digits included, is refused.
bool isAcceptedGridCharacter(QChar c);
