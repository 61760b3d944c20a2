#include "platform/platformerror.h"
#include "platform/settingsstore.h"
#include "document/smalldisk.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Set up in main() before anything reads a setting: QSettings fixes its folder on first use.
QTemporaryDir *configHome = nullptr;

QString storeFolder()
{
    return configHome->filePath(QStringLiteral("Orvasta"));
}

QString storeFile()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orvasta"),
                     QStringLiteral("Analyse"))
        .fileName();
}

// Reads a copy of the stored file under a fresh name, so that the value comes from the disk as
// the next start of the program would see it, not from QSettings' in-process cache.
QVariant signatureOnDisk()
{
    static int copies = 0;
    const QString copy = configHome->filePath(QStringLiteral("copy%1.conf").arg(++copies));
    if (!QFile::copy(storeFile(), copy))
        return QVariant();
    return QSettings(copy, QSettings::IniFormat)
        .value(QStringLiteral("Software/Orvasta/Analyse/Signature"));
}

void writeStoreFile(const QByteArray &contents)
{
    QVERIFY(QDir().mkpath(storeFolder()));
    QFile file(storeFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
}

}

class TstSettingsStore : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void storesNameExactly_data();
    void storesNameExactly();
    void emptyNameReplacesStoredOne();

    void readsWhatIsThere_data();
    void readsWhatIsThere();

    void damagedFileIsReplacedByWrite();

    void unusableFileReportedOnce_data();
    void unusableFileReportedOnce();

    void failingWriteThrowsAndKeepsOldValue_data();
    void failingWriteThrowsAndKeepsOldValue();
    void fullDiskNamedAndOldValueKept();
};

void TstSettingsStore::init()
{
    QVERIFY(configHome->isValid());
    QFile::remove(storeFolder());
    QVERIFY(QDir(storeFolder()).removeRecursively());
    QVERIFY(storeFile().startsWith(configHome->path()));
}

void TstSettingsStore::storesNameExactly_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("cyrillic with blank") << QStringLiteral("Иванов Пётр");
    QTest::newRow("apostrophe") << QStringLiteral("Д'Артаньян O'Brien");
    QTest::newRow("leading and trailing blanks") << QStringLiteral("  Мария  ");
    QTest::newRow("blanks only") << QStringLiteral("   ");
    QTest::newRow("comma would split a list") << QStringLiteral("Иванов, Пётр");
    QTest::newRow("ini comment marks") << QStringLiteral("гр. 5; #2");
    QTest::newRow("quotes and backslashes") << QStringLiteral("\"Мастер\" C:\\temp\\");
    QTest::newRow("leading at sign") << QStringLiteral("@Invalid()");
    QTest::newRow("tab and astral character") << QStringLiteral("Åsa\t\U0001F600");
}

void TstSettingsStore::storesNameExactly()
{
    QFETCH(QString, name);
    SettingsStore::writeSignature(QStringLiteral("прежнее"));
    SettingsStore::writeSignature(name);
    QCOMPARE(SettingsStore::readSignature(), name);
    QCOMPARE(signatureOnDisk(), QVariant(name));
}

void TstSettingsStore::emptyNameReplacesStoredOne()
{
    SettingsStore::writeSignature(QStringLiteral("Иванов"));
    SettingsStore::writeSignature(QString());
    QCOMPARE(SettingsStore::readSignature(), QString());
    QCOMPARE(signatureOnDisk(), QVariant(QString()));
}

void TstSettingsStore::readsWhatIsThere_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("expected");

    QTest::newRow("first start, no file") << false << QByteArray() << QString();
    QTest::newRow("empty file") << true << QByteArray() << QString();
    QTest::newRow("key path without the value")
        << true << QByteArray("[Software]\nOrvasta\\Analyse\\Other=x\n") << QString();
    QTest::newRow("value outside the key path")
        << true << QByteArray("[General]\nSignature=x\n[Software]\nOrvasta\\Signature=y\n")
        << QString();
    QTest::newRow("written by an earlier run")
        << true << QByteArray("[Software]\nOrvasta\\Analyse\\Signature=Пётр\n")
        << QStringLiteral("Пётр");
    QTest::newRow("readable line in a damaged file")
        << true << QByteArray("[Software\n\x01garbage\n[Software]\nOrvasta\\Analyse\\Signature=Пётр\n")
        << QStringLiteral("Пётр");
    QByteArray full("[Software]\nOrvasta\\Analyse\\Signature=Пётр\n");
    full.append(1024 * 1024 - full.size() - 1, ';').append('\n');
    QTest::newRow("file of exactly 1 MB") << true << full << QStringLiteral("Пётр");
}

void TstSettingsStore::readsWhatIsThere()
{
    QFETCH(bool, fileExists);
    QFETCH(QByteArray, contents);
    QFETCH(QString, expected);
    if (fileExists)
        writeStoreFile(contents);
    QCOMPARE(SettingsStore::readSignature(), expected);
}

void TstSettingsStore::damagedFileIsReplacedByWrite()
{
    writeStoreFile(QByteArray("[Software\n\x01\x02 no section end"));
    SettingsStore::writeSignature(QStringLiteral("Иванов"));
    QCOMPARE(SettingsStore::readSignature(), QStringLiteral("Иванов"));
    QCOMPARE(signatureOnDisk(), QVariant(QStringLiteral("Иванов")));
}

void TstSettingsStore::unusableFileReportedOnce_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("link to /dev/zero") << QStringLiteral("zero");
    QTest::newRow("FIFO") << QStringLiteral("fifo");
    QTest::newRow("file of 1 MB and a byte") << QStringLiteral("huge");
}

// A file that would block the program or fill its memory is never opened: the first read says
// so, later reads and writes pass it over, and the file stays as it was.
void TstSettingsStore::unusableFileReportedOnce()
{
    QFETCH(QString, kind);
    QVERIFY(QDir().mkpath(storeFolder()));
    const QString file = storeFile();
    if (kind == QLatin1String("zero"))
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), file));
    else if (kind == QLatin1String("fifo"))
        QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {file}), 0);
    else
        writeStoreFile(QByteArray(1024 * 1024 + 1, '\n'));
    const qint64 size = QFileInfo(file).size();

    QElapsedTimer clock;
    clock.start();
    QString message;
    try {
        SettingsStore::readSignature();
    } catch (const PlatformError &error) {
        message = error.message();
    }
    QVERIFY2(message.contains(QDir::toNativeSeparators(file)), qPrintable(message));
    QCOMPARE(SettingsStore::readSignature(), QString());
    SettingsStore::writeSignature(QStringLiteral("Иванов"));
    QCOMPARE(SettingsStore::readSignature(), QString());
    QVERIFY(clock.elapsed() < 5000);

    const QFileInfo after(file);
    QCOMPARE(after.isSymLink(), kind == QLatin1String("zero"));
    QCOMPARE(after.isFile(), kind == QLatin1String("huge"));
    QCOMPARE(after.size(), size);
    QVERIFY(QDir(storeFolder()).removeRecursively());
}

void TstSettingsStore::failingWriteThrowsAndKeepsOldValue_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<bool>("obstacleIsFolder");
    QTest::newRow("plain file where the folder must be") << QStringLiteral("Orvasta") << false;
    QTest::newRow("folder where the file must be")
        << QStringLiteral("Orvasta/Analyse.conf") << true;
}

void TstSettingsStore::failingWriteThrowsAndKeepsOldValue()
{
    QFETCH(QString, obstacle);
    QFETCH(bool, obstacleIsFolder);

    SettingsStore::writeSignature(QStringLiteral("Старое имя"));
    const QString savedFolder = configHome->filePath(QStringLiteral("saved"));
    QDir(savedFolder).removeRecursively();
    QVERIFY(QDir().rename(storeFolder(), savedFolder));

    const QString obstaclePath = configHome->filePath(obstacle);
    if (obstacleIsFolder) {
        QVERIFY(QDir().mkpath(obstaclePath));
    } else {
        QFile file(obstaclePath);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    QString message;
    try {
        SettingsStore::writeSignature(QStringLiteral("Новое имя"));
    } catch (const PlatformError &error) {
        message = error.message();
    }
    QVERIFY2(message.contains(QStringLiteral("Не удалось сохранить имя пользователя")),
             qPrintable(message));
    QVERIFY(message.contains(QDir::toNativeSeparators(storeFile())));
    // The refused name must not linger in QSettings' shared cache: a later handle would read it
    // back as stored, and write it once the way is clear.
    QCOMPARE(SettingsStore::readSignature(), QString());
    QFile::remove(storeFolder());
    QVERIFY(QDir(storeFolder()).removeRecursively());
    QVERIFY(QDir().rename(savedFolder, storeFolder()));
    SettingsStore::readSignature();
    QCOMPARE(signatureOnDisk(), QVariant(QStringLiteral("Старое имя")));
}

void TstSettingsStore::fullDiskNamedAndOldValueKept()
{
    SmallDisk disk;
    if (!disk.isUsable())
        QSKIP("neither a small file system nor a file size limit can be had here");
    QVERIFY(QFile::link(disk.path(), storeFolder()));
    SettingsStore::writeSignature(QStringLiteral("Старое имя"));
    QFile file(storeFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray old = file.readAll();
    file.close();

    disk.fill();
    QString message;
    try {
        SettingsStore::writeSignature(QStringLiteral("Новое имя, длиннее старого"));
    } catch (const PlatformError &error) {
        message = error.message();
    }
    disk.release();
    QVERIFY2(message.contains(QStringLiteral("Не удалось сохранить имя пользователя")), qPrintable(message));
    if (disk.error() == ENOSPC)
        QVERIFY2(message.contains(QStringLiteral("на диске нет места")), qPrintable(message));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
    QVERIFY(QFile::remove(storeFolder()));
}

int main(int argc, char *argv[])
{
    // QSettings reads XDG_CONFIG_HOME (test mode would use ~/.qttest instead), and only once.
    QTemporaryDir home;
    configHome = &home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    QCoreApplication app(argc, argv);
    TstSettingsStore test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingsstore.moc"
