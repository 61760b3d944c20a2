#pragma once

#include "platform/languagechoice.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

// The program's persistent settings, kept in the user's own settings under the key path
// Software / Orvasta / Analyse: the remembered user name (string value "Signature") and the
// decision files last opened or saved (list value "RecentFiles", newest first) and the chosen
// language (string value "Language").
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

    static constexpr int RecentFilesLimit = 5;
    // At most RecentFilesLimit paths; whatever is not a non-empty text is left out.
    static QStringList readRecentFiles();
    // Throws PlatformError when the list could not be written.
    static void writeRecentFiles(const QStringList &files);

    // The language the person picked in the menu; nothing when none was picked or the value is
    // not one the program knows.
    static std::optional<Language> readLanguage();
    // Throws PlatformError when the choice could not be written.
    static void writeLanguage(Language language);

    // The main window's size at an earlier start (value "WindowSize"), kept with a text that
    // names what the size depends on; nothing when the text is another or the value is unusable.
    static std::optional<QSize> readWindowSize(const QString &key);
    // Throws PlatformError when the size could not be written.
    static void writeWindowSize(const QString &key, const QSize &size);
};
