#pragma once

#include "platform/languagechoice.h"

#include <QString>

#include <optional>

// The program's persistent settings: the remembered user name (string value "Signature") and the
// chosen language, kept in the user's own settings under the key path Software / Orvasta / Analyse.
// A settings handle exists only during one read or write.
class SettingsStore
{
public:
    // A missing or unreadable value gives the empty text.
    static QString readSignature();
    // Stores the text exactly as given, the empty text included; throws PlatformError when the
    // value could not be written.
    static void writeSignature(const QString &name);

    // The language the person picked in the menu, string value "Language"; nothing when none
    // was picked or the value is not one the program knows.
    static std::optional<Language> readLanguage();
    // Throws PlatformError when the choice could not be written.
    static void writeLanguage(Language language);
};
