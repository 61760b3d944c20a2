#pragma once

#include <QString>

// The remembered user name, the program's only persistent setting, kept in the user's own
// settings under the key path Software / Orvasta / Analyse, string value "Signature".
// A settings handle exists only during one read or write.
class SettingsStore
{
public:
    // A missing or unreadable value gives the empty text.
    static QString readSignature();
    // Stores the text exactly as given, the empty text included; throws PlatformError when the
    // value could not be written.
    static void writeSignature(const QString &name);
};
