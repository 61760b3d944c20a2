#pragma once

#include "app/recoveryfile.h"

#include <QObject>
#include <QTimer>

class Decision;

// Keeps a copy of unsaved work that outlives a crash: within a second of every change to the
// decision, its recovery file holds it; once nothing is unsaved, the file goes.
class RecoveryCopy : public QObject
{
    Q_OBJECT
public:
    explicit RecoveryCopy(Decision *decision, QObject *parent = nullptr);

    QString path() const { return m_file.path(); }
    // The decision file the session was opened from or saved to (empty: none), named in the copy.
    void setSessionFile(const QString &path) { m_sessionFile = path; }
    // Writes the copy now, or removes it when nothing is unsaved. A failed write is reported
    // once (through the exception the error display shows); the next change tries again.
    void writeNow();
    // The session went away normally, or it is safe in a file.
    void remove();

private:
    Decision *m_decision;
    RecoveryFile m_file;
    QTimer m_timer;
    QString m_sessionFile;
    bool m_failed = false;
};
