#include "settingsstore.h"

#include "platformerror.h"
#include "programidentity.h"

#include "document/wholefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>

#include <cerrno>

namespace {

const QString SignatureValue = QStringLiteral("Signature");
const QString RecentFilesValue = QStringLiteral("RecentFiles");
const QString LanguageValue = QStringLiteral("Language");
const QString WindowSizeValue = QStringLiteral("WindowSize");

const char *const NoAccessMessage =
    QT_TRANSLATE_NOOP("SettingsStore", "Не удалось сохранить имя пользователя: файл настроек «%1» недоступен для записи.");
const char *const DamagedFileMessage =
    QT_TRANSLATE_NOOP("SettingsStore", "Не удалось сохранить имя пользователя: файл настроек «%1» повреждён.");
const char *const LanguageNoAccessMessage =
    QT_TRANSLATE_NOOP("SettingsStore", "Не удалось сохранить выбранный язык: файл настроек «%1» недоступен для записи.");
const char *const LanguageDamagedFileMessage =
    QT_TRANSLATE_NOOP("SettingsStore", "Не удалось сохранить выбранный язык: файл настроек «%1» повреждён.");
const char *const RecentNoAccessMessage =
    QT_TRANSLATE_NOOP("SettingsStore", "Не удалось сохранить список последних файлов: файл настроек «%1» недоступен для записи.");
const char *const CauseMessage = QT_TRANSLATE_NOOP("SettingsStore", "Причина: %1.");
const char *const RecentDamagedFileMessage =
    QT_TRANSLATE_NOOP("SettingsStore", "Не удалось сохранить список последних файлов: файл настроек «%1» повреждён.");

const char *const WindowSizeNoAccessMessage =
    QT_TRANSLATE_NOOP("SettingsStore", "Не удалось запомнить размер окна: файл настроек «%1» недоступен для записи.");
const char *const WindowSizeDamagedFileMessage =
    QT_TRANSLATE_NOOP("SettingsStore", "Не удалось запомнить размер окна: файл настроек «%1» повреждён.");
// Larger than any file this program writes by far; more is not a settings file of ours.
constexpr qint64 MaxFileSize = 1024 * 1024;

const char *const UnusableFileMessage =
    QT_TRANSLATE_NOOP("SettingsStore", "Файл настроек «%1» не прочитан: это не обычный файл или он больше 1 МБ. "
                                       "Имя пользователя не будет запомнено.");

// The file QSettings would use for the user's own settings of this program. It is named here
// rather than asked of QSettings, which reads the file as soon as it is opened.
QString storeFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/')
           + ProgramIdentity::OrganizationName + QLatin1Char('/') + ProgramIdentity::ApplicationName
           + QStringLiteral(".conf");
}

// A device, a FIFO or a huge file would block the program or fill its memory when read. Such a
// file is reported the first time it is met and left alone from then on.
bool usableStoreFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    // A folder in the file's place blocks nothing: the write reports it as any failed write.
    if (!info.exists() || info.isDir() || (info.isFile() && info.size() <= MaxFileSize))
        return true;
    static QString reported;
    const QString what = info.canonicalFilePath() + QLatin1Char(' ') + QString::number(info.size());
    if (reported == what)
        return false;
    reported = what;
    throw PlatformError(QCoreApplication::translate("SettingsStore", UnusableFileMessage)
                            .arg(QDir::toNativeSeparators(fileName)));
}

void openKeyPath(QSettings &settings)
{
    for (const QString &step : {QStringLiteral("Software"), ProgramIdentity::OrganizationName, ProgramIdentity::ApplicationName})
        settings.beginGroup(step);
}

// One value of the store; nothing where there is no usable store.
QVariant storedValue(const QString &key)
{
    const QString fileName = storeFileName();
    if (!usableStoreFile(fileName))
        return QVariant();
    QSettings settings(fileName, QSettings::IniFormat);
    openKeyPath(settings);
    return settings.value(key);
}

QByteArray fileContents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}

QString SettingsStore::readSignature()
{
    const QVariant value = storedValue(SignatureValue);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

namespace {

// Writes one value and throws the matching message when the store did not take it.
void writeValue(const QString &key, const QVariant &value, const QString &noAccessMessage,
                const QString &damagedFileMessage)
{
    const QString fileName = storeFileName();
    if (!usableStoreFile(fileName))
        return;
    QSettings settings(fileName, QSettings::IniFormat);
    const QByteArray before = fileContents(fileName);
    openKeyPath(settings);
    const QVariant previous = settings.value(key);
    settings.setValue(key, value);
    settings.sync();

    const QSettings::Status status = settings.status();
    // The status keeps the first error, so a damaged file that was read in hides whether its
    // replacement was written; only a changed file tells.
    if (status == QSettings::NoError
        || (status == QSettings::FormatError && fileContents(fileName) != before))
        return;

    // QSettings keeps an unwritten change in its process-wide cache, hands it to the next handle
    // as if stored, and writes it whenever it next can: take it back.
    if (previous.isValid())
        settings.setValue(key, previous);
    else
        settings.remove(key);

    const QString shownName = QDir::toNativeSeparators(fileName);
    QString message = (status == QSettings::FormatError ? damagedFileMessage : noAccessMessage).arg(shownName);
    // QSettings tells only that the write failed; a full disk is the usual reason and can be seen.
    const QStorageInfo disk(QFileInfo(fileName).absolutePath());
    if (status == QSettings::AccessError && disk.isValid() && disk.bytesAvailable() == 0)
        message += QLatin1Char(' ') + QCoreApplication::translate("SettingsStore", CauseMessage).arg(WholeFile::reason(ENOSPC));
    throw PlatformError(message);
}

}

void SettingsStore::writeSignature(const QString &name)
{
    writeValue(SignatureValue, name, QCoreApplication::translate("SettingsStore", NoAccessMessage),
               QCoreApplication::translate("SettingsStore", DamagedFileMessage));
}

QStringList SettingsStore::readRecentFiles()
{
    const QVariant value = storedValue(RecentFilesValue);
    // The store writes a list of one as a plain text; a hand-edited store may hold anything.
    const QVariantList entries = value.typeId() == QMetaType::QString ? QVariantList{value} : value.toList();
    QStringList files;
    for (const QVariant &entry : entries) {
        if (entry.typeId() == QMetaType::QString && !entry.toString().isEmpty() && files.size() < RecentFilesLimit)
            files << entry.toString();
    }
    return files;
}

void SettingsStore::writeRecentFiles(const QStringList &files)
{
    writeValue(RecentFilesValue, QVariant(files.mid(0, RecentFilesLimit)),
               QCoreApplication::translate("SettingsStore", RecentNoAccessMessage),
               QCoreApplication::translate("SettingsStore", RecentDamagedFileMessage));
}

std::optional<Language> SettingsStore::readLanguage()
{
    const QVariant value = storedValue(LanguageValue);
    return value.typeId() == QMetaType::QString ? languageFromCode(value.toString()) : std::nullopt;
}

void SettingsStore::writeLanguage(Language language)
{
    writeValue(LanguageValue, languageCode(language),
               QCoreApplication::translate("SettingsStore", LanguageNoAccessMessage),
               QCoreApplication::translate("SettingsStore", LanguageDamagedFileMessage));
}

std::optional<QSize> SettingsStore::readWindowSize(const QString &key)
{
    const QVariant value = storedValue(WindowSizeValue);
    // "<width> <height> <key>"; a hand-edited store may hold anything.
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    const QString text = value.toString();
    const QStringList fields = text.split(QLatin1Char(' '));
    if (fields.size() < 3)
        return std::nullopt;
    bool wide = false;
    bool high = false;
    const int width = fields.at(0).toInt(&wide);
    const int height = fields.at(1).toInt(&high);
    const QString stored = text.section(QLatin1Char(' '), 2);
    constexpr int Largest = 16384;
    if (!wide || !high || stored != key || width < 1 || height < 1 || width > Largest || height > Largest)
        return std::nullopt;
    return QSize(width, height);
}

void SettingsStore::writeWindowSize(const QString &key, const QSize &size)
{
    const QString text = QStringLiteral("%1 %2 %3").arg(size.width()).arg(size.height()).arg(key);
    writeValue(WindowSizeValue, text, QCoreApplication::translate("SettingsStore", WindowSizeNoAccessMessage),
               QCoreApplication::translate("SettingsStore", WindowSizeDamagedFileMessage));
}
