#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

// A file written whole or not at all, the way every file of the program is written: into a
// new file beside it (or no visible file at all where the system allows), renamed over the old
// one only when every byte is down. Permissions of the old file are kept and a symbolic link
// is followed to the file it names.
namespace WholeFile {

// False with *reason (the system's cause, in the user's language) when the file could not be
// written; the old file is then left as it was. A file marked read-only is refused even where
// the system would let it be replaced.
bool write(const QString &path, const QByteArray &bytes, QString *reason);

// The system's cause of a failed file operation in the user's language: a translated text for
// the usual ones, the system's own text otherwise.
QString reason(int errorCode);
// The same for the last error of a file; Qt keeps only the system's text, so it is matched
// back to its error code.
QString reason(const QFileDevice &file);

}
