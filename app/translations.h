#pragma once

#include "model/translatabletext.h"
#include "platform/languagechoice.h"

#include <QStringList>

// The translators of the language the program speaks: its own texts (translations/analyze_en.qm)
// and the buttons of Qt's dialogs (qtbase_ru). Installing them sends every window a
// LanguageChange, on which it shows its texts again.
class Translations
{
public:
    // Replaces the translators installed before. A translation that cannot be loaded is reported
    // through the standard error display, and the program goes on in Russian.
    static void apply(Language language);
    // The language the person asked for: the one remembered in the settings, else the
    // environment's. A settings file that cannot be read is reported through the standard error
    // display, in the environment's language, which the program then keeps.
    static void applyChosen();
    static Language current();

    // The text in every language the program speaks, the Russian source first: tells a text the
    // program wrote before the language changed from one the person typed.
    static QStringList inEveryLanguage(const TranslatableText &text);
};
