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
    // Atomic; false with *error set when the file could not be written.
    bool write(const DecisionDocument &document, QString *error);
    void remove();

    static QString folder();
    // Files of windows that are gone, newest first.
    static QStringList orphans();
    // Deletes an orphan and its lock.
    static void discard(const QString &path);

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
