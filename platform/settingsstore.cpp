#include "settingsstore.h"

#include "platformerror.h"
#include "programidentity.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace {

const QString SignatureValue = QStringLiteral("Signature");

const QString NoAccessMessage =
    QStringLiteral("Не удалось сохранить имя пользователя: файл настроек «%1» недоступен для записи.");
const QString DamagedFileMessage =
    QStringLiteral("Не удалось сохранить имя пользователя: файл настроек «%1» повреждён.");

void openKeyPath(QSettings &settings)
{
    for (const QString &step : {QStringLiteral("Software"), ProgramIdentity::OrganizationName, ProgramIdentity::ApplicationName})
        settings.beginGroup(step);
}

QByteArray fileContents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}

QString SettingsStore::readSignature()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, ProgramIdentity::OrganizationName,
                       ProgramIdentity::ApplicationName);
    openKeyPath(settings);
    const QVariant value = settings.value(SignatureValue);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

void SettingsStore::writeSignature(const QString &name)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, ProgramIdentity::OrganizationName,
                       ProgramIdentity::ApplicationName);
    const QString fileName = settings.fileName();
    const QByteArray before = fileContents(fileName);
    openKeyPath(settings);
    const QVariant previous = settings.value(SignatureValue);
    settings.setValue(SignatureValue, name);
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
        settings.setValue(SignatureValue, previous);
    else
        settings.remove(SignatureValue);

    const QString shownName = QDir::toNativeSeparators(fileName);
    throw PlatformError((status == QSettings::FormatError ? DamagedFileMessage : NoAccessMessage)
                            .arg(shownName));
}
