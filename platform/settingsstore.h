#pragma once

#include <QString>

// The remembered user name, the program's only persistent setting, kept in the user's own
// settings under the key path Software / Orvasta / Analyse, string value "Signature".
// A settings handle exists only during one read or write. Only a regular file of up to 1 MB is
// ever opened: anything else (a device, a FIFO, a huge file) throws PlatformError the first time
// it is met, and is passed over quietly from then on.
class SettingsStore
{
public:
    // A missing or unreadable value gives the empty text; an unusable file throws once.
    static QString readSignature();
    // Stores the text exactly as given, the empty text included; throws PlatformError when the
    // value could not be written.
    static void writeSignature(const QString &name);
};
