#include "app/recoveryfile.h"

#include "document/decisionfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>

namespace {
const QString FilePattern = QStringLiteral("session-*.ahp");
const QString LockSuffix = QStringLiteral(".lock");
const QString SessionFileMember = QStringLiteral("sessionFile");
}

RecoveryFile::RecoveryFile()
    : m_path(folder() + QStringLiteral("/session-%1.ahp").arg(QUuid::createUuid().toString(QUuid::WithoutBraces)))
{
}

RecoveryFile::~RecoveryFile() = default;

QString RecoveryFile::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
}

bool RecoveryFile::write(const DecisionDocument &document, const QString &sessionFile, QString *error)
{
    if (!QDir().mkpath(folder())) {
        *error = QCoreApplication::translate("RecoveryFile", "Не удалось создать папку «%1» для копии сеанса.")
                     .arg(QDir::toNativeSeparators(folder()));
        return false;
    }
    // The lock comes first, so that no other window takes the file for an orphan.
    if (!m_lock) {
        m_lock = std::make_unique<QLockFile>(m_path + LockSuffix);
        m_lock->setStaleLockTime(0);
        if (!m_lock->tryLock(0)) {
            m_lock.reset();
            *error = QCoreApplication::translate("RecoveryFile", "Не удалось записать копию сеанса «%1».")
                         .arg(QDir::toNativeSeparators(m_path));
            return false;
        }
    }
    return saveDecisionFile(m_path, document, error, {{SessionFileMember, sessionFile}});
}

void RecoveryFile::remove()
{
    QFile::remove(m_path);
    m_lock.reset();
}

QStringList RecoveryFile::orphans()
{
    QDir dir(folder());
    const QFileInfoList files = dir.entryInfoList({FilePattern}, QDir::Files, QDir::Time);
    QStringList result;
    for (const QFileInfo &file : files) {
        // A lock of a process that is gone counts as stale and is taken over.
        QLockFile lock(file.absoluteFilePath() + LockSuffix);
        lock.setStaleLockTime(0);
        if (lock.tryLock(0))
            result << file.absoluteFilePath();
    }
    return result;
}

std::unique_ptr<QLockFile> RecoveryFile::claim(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path + LockSuffix);
    lock->setStaleLockTime(0);
    // A program that offered it and is gone again leaves a stale lock, taken over here; one that
    // took it meanwhile has removed the file.
    if (!lock->tryLock(0) || !QFileInfo::exists(path))
        return nullptr;
    return lock;
}

QString RecoveryFile::sessionFileOf(const QString &path)
{
    QFile file(path);
    if (file.size() > MaxDecisionFileSize || !file.open(QIODevice::ReadOnly))
        return QString();
    return QJsonDocument::fromJson(file.readAll()).object().value(SessionFileMember).toString();
}

void RecoveryFile::discard(const QString &path, std::unique_ptr<QLockFile> claim)
{
    // The copy goes before its lock, so that no other program finds it unclaimed.
    QFile::remove(path);
    if (claim)
        claim->unlock();
    else
        QFile::remove(path + LockSuffix);
}
