#include "document/wholefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <iterator>

namespace {

struct Cause
{
    int code;
    const char *text;
};

// Where the system's own text is English, or as generic as "Unknown error", the person reads these.
const Cause Causes[] = {
    {ENOSPC, QT_TRANSLATE_NOOP("SystemError", "на диске нет места")},
    {EDQUOT, QT_TRANSLATE_NOOP("SystemError", "исчерпана дисковая квота")},
    {EFBIG, QT_TRANSLATE_NOOP("SystemError", "файл слишком велик для этого диска")},
    {EROFS, QT_TRANSLATE_NOOP("SystemError", "диск доступен только для чтения")},
    {EACCES, QT_TRANSLATE_NOOP("SystemError", "нет прав доступа")},
    {EPERM, QT_TRANSLATE_NOOP("SystemError", "операция не разрешена")},
    {ENOENT, QT_TRANSLATE_NOOP("SystemError", "нет такого файла или папки")},
    {ENOTDIR, QT_TRANSLATE_NOOP("SystemError", "часть пути не является папкой")},
    {EISDIR, QT_TRANSLATE_NOOP("SystemError", "это папка")},
    {ELOOP, QT_TRANSLATE_NOOP("SystemError", "петля символических ссылок")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("SystemError", "слишком длинное имя")},
    {EIO, QT_TRANSLATE_NOOP("SystemError", "ошибка ввода-вывода")},
};

const char *const ReadOnlyText = QT_TRANSLATE_NOOP("SystemError", "файл защищён от записи");
const char *const UnknownText = QT_TRANSLATE_NOOP("SystemError", "причина неизвестна");

QString translated(const char *text)
{
    return QCoreApplication::translate("SystemError", text);
}

bool markedReadOnly(const QFileInfo &target)
{
    constexpr QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return target.exists() && (!target.isWritable() || !(target.permissions() & anyWrite));
}

}

namespace WholeFile {

QString reason(int errorCode)
{
    for (const Cause &cause : Causes) {
        if (cause.code == errorCode)
            return translated(cause.text);
    }
    return qt_error_string(errorCode);
}

QString reason(const QFileDevice &file)
{
    const QString text = file.errorString();
    for (const Cause &cause : Causes) {
        if (text == qt_error_string(cause.code))
            return translated(cause.text);
    }
    // A device that never failed says "Unknown error"; so does Qt after a short write.
    if (text.isEmpty() || text == QFile().errorString())
        return translated(UnknownText);
    return text;
}

bool write(const QString &path, const QByteArray &bytes, QString *reason)
{
    if (markedReadOnly(QFileInfo(path))) {
        *reason = translated(ReadOnlyText);
        return false;
    }
    QSaveFile file(path);
    // Unbuffered: a buffered write fails only inside commit(), which then renames the cut file
    // over the old one all the same.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *reason = WholeFile::reason(file);
        return false;
    }
    // A short write is no error of its own; the next one tells why the disk took no more.
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const qint64 written = file.write(data, left);
        if (written <= 0) {
            *reason = WholeFile::reason(file);
            file.cancelWriting();
            return false;
        }
        data += written;
        left -= written;
    }
    if (!file.commit()) {
        *reason = WholeFile::reason(file);
        return false;
    }
    return true;
}

}
