#pragma once

#include "model/translatabletext.h"

#include <QChar>
#include <QString>

// Shown when a refused character is typed into the criteria grid or the alternatives grid.
inline constexpr TranslatableText ChoiceTabKeyMessage{"KeyFilter", QT_TRANSLATE_NOOP("KeyFilter", "Допускается ввод только цифр и знака дроби '/'")};
inline constexpr TranslatableText CompTabKeyMessage{"KeyFilter", QT_TRANSLATE_NOOP("KeyFilter", "Допускается ввод только цифр и занака дроби '/'")};

// Whether a character typed into a comparison grid may reach the cell: ASCII digits, the
// fraction bar, Enter and Backspace. Everything else, other scripts' digits included, is refused.
bool isAcceptedGridCharacter(QChar c);
