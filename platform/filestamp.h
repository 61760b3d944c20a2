#pragma once

#include <QString>
#include <QtGlobal>

// What tells one version of a file on disk from the next: its size, its modification time to
// the nanosecond and the file it is (an atomic save by another program puts a new one in place).
// Taken when a file is opened or saved, compared before it is written over.
struct FileStamp
{
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    quint64 device = 0;
    quint64 inode = 0;

    static FileStamp of(const QString &path);

    bool operator==(const FileStamp &other) const;
    bool operator!=(const FileStamp &other) const { return !(*this == other); }
};
