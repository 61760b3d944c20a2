#pragma once

#include "document/decisiondocument.h"

#include <QString>
#include <QStringList>

#include <memory>

class QLockFile;

// The copy of a session that outlives a crash: one decision file per window under the user's
// data folder, beside a lock that the window holds while it lives. A file whose lock nobody
// holds was left behind by a window that never closed normally.
class RecoveryFile
{
public:
    RecoveryFile();
    ~RecoveryFile();
    RecoveryFile(const RecoveryFile &) = delete;
    RecoveryFile &operator=(const RecoveryFile &) = delete;

    QString path() const { return m_path; }
    // Atomic; false with *error set when the file could not be written. sessionFile is the
    // decision file the session was opened from or saved to, empty for an unnamed one.
    bool write(const DecisionDocument &document, const QString &sessionFile, QString *error);
    void remove();

    static QString folder();
    // Files of windows that are gone, newest first.
    static QStringList orphans();
    // Takes an orphan for this program: while the returned lock lives, no other program offers
    // it. None when another running program holds it, or it is gone.
    static std::unique_ptr<QLockFile> claim(const QString &path);
    // The decision file of the session an orphan keeps; empty for an unnamed session.
    static QString sessionFileOf(const QString &path);
    // Deletes an orphan and its lock (the claim's, when it is given).
    static void discard(const QString &path, std::unique_ptr<QLockFile> claim = nullptr);

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
