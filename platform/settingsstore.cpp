#include "settingsstore.h"

#include "platformerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>

namespace {

const QString OrganizationName = QStringLiteral("Orvasta");
const QString ApplicationName = QStringLiteral("Analyse");
const QString SignatureValue = QStringLiteral("Signature");
const QString LanguageValue = QStringLiteral("Language");

const char NoAccessMessage[] =
    QT_TRANSLATE_NOOP("SettingsStore", "Не удалось сохранить имя пользователя: файл настроек «%1» недоступен для записи.");
const char DamagedFileMessage[] =
    QT_TRANSLATE_NOOP("SettingsStore", "Не удалось сохранить имя пользователя: файл настроек «%1» повреждён.");
const char LanguageNoAccessMessage[] =
    QT_TRANSLATE_NOOP("SettingsStore", "Не удалось сохранить выбранный язык: файл настроек «%1» недоступен для записи.");
const char LanguageDamagedFileMessage[] =
    QT_TRANSLATE_NOOP("SettingsStore", "Не удалось сохранить выбранный язык: файл настроек «%1» повреждён.");

void openKeyPath(QSettings &settings)
{
    for (const char *step : {"Software", "Orvasta", "Analyse"})
        settings.beginGroup(QLatin1String(step));
}

QByteArray fileContents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeValue(const QString &valueName, const QVariant &value, const char *noAccessMessage,
                const char *damagedFileMessage)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, OrganizationName,
                       ApplicationName);
    const QString fileName = settings.fileName();
    const QByteArray before = fileContents(fileName);
    openKeyPath(settings);
    const QVariant previous = settings.value(valueName);
    settings.setValue(valueName, value);
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
        settings.setValue(valueName, previous);
    else
        settings.remove(valueName);

    const QString shownName = QDir::toNativeSeparators(fileName);
    throw PlatformError(QCoreApplication::translate("SettingsStore", status == QSettings::FormatError ? damagedFileMessage : noAccessMessage)
                            .arg(shownName));
}

}

QString SettingsStore::readSignature()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, OrganizationName,
                       ApplicationName);
    openKeyPath(settings);
    const QVariant value = settings.value(SignatureValue);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

void SettingsStore::writeSignature(const QString &name)
{
    writeValue(SignatureValue, name, NoAccessMessage, DamagedFileMessage);
}

std::optional<Language> SettingsStore::readLanguage()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, OrganizationName,
                       ApplicationName);
    openKeyPath(settings);
    const QVariant value = settings.value(LanguageValue);
    return value.typeId() == QMetaType::QString ? languageFromCode(value.toString()) : std::nullopt;
}

void SettingsStore::writeLanguage(Language language)
{
    writeValue(LanguageValue, languageCode(language), LanguageNoAccessMessage, LanguageDamagedFileMessage);
}
