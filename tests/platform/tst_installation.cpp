#include "platform/datapaths.h"
#include "platform/decisionfiletype.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// Installs this build into a temporary prefix, as a package or `cmake --install` would, and
// checks what a desktop and the installed program find there.
namespace {

const QString AppId = QStringLiteral("ru.orvasta.Analyze");

QString desktopEntry() { return QStringLiteral("share/applications/") + AppId + QStringLiteral(".desktop"); }
QString metainfo() { return QStringLiteral("share/metainfo/") + AppId + QStringLiteral(".metainfo.xml"); }

// The keys of the [Desktop Entry] group, localized keys under their full name ("Name[en]").
QHash<QString, QString> readDesktopEntry(const QString &path)
{
    QHash<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && !line.startsWith(QLatin1Char('#')))
            keys.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return keys;
}

QString textOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList filesIn(const QString &directory, const QStringList &patterns = {})
{
    return QDir(directory).entryList(patterns, QDir::Files, QDir::Name);
}

}

class TstInstallation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void installedFiles_data();
    void installedFiles();

    void validatorsAccept_data();
    void validatorsAccept();

    void desktopEntryNamesInstalledFiles();
    void decisionFilesKnownByTheirSuffix();

    void programFindsItsData_data();
    void programFindsItsData();

private:
    QString installed(const QString &relative) const { return m_prefix.filePath(relative); }

    QTemporaryDir m_prefix;
};

void TstInstallation::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(ANALYZE_CMAKE),
                  {QStringLiteral("--install"), QStringLiteral(ANALYZE_BUILD_DIR),
                   QStringLiteral("--prefix"), m_prefix.path()});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
             install.readAll().constData());
}

void TstInstallation::installedFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");

    QTest::newRow("program") << QStringLiteral("bin/analyze") << true;
    QTest::newRow("desktop entry") << desktopEntry() << false;
    QTest::newRow("metainfo") << metainfo() << false;
    QTest::newRow("icon") << QStringLiteral("share/icons/hicolor/scalable/apps/") + AppId + QStringLiteral(".svg") << false;
    QTest::newRow("file type") << QStringLiteral("share/mime/packages/") + AppId + QStringLiteral(".xml") << false;
    // Every help file the program carries is installed beside it too.
    for (const QString &help : filesIn(QStringLiteral(":/help")))
        QTest::newRow(qPrintable(help)) << QStringLiteral("share/analyze/help/") + help << false;
    // Every translation the build made.
    const QString built = QStringLiteral(ANALYZE_BUILD_DIR "/translations");
    for (const QString &translation : filesIn(built, {QStringLiteral("*.qm")}))
        QTest::newRow(qPrintable(translation)) << QStringLiteral("share/analyze/translations/") + translation << false;
}

void TstInstallation::installedFiles()
{
    QFETCH(QString, path);
    QFETCH(bool, executable);

    const QFileInfo file(installed(path));
    QVERIFY2(file.isFile(), qPrintable(path));
    QVERIFY(file.size() > 0);
    QCOMPARE(file.isExecutable(), executable);
}

void TstInstallation::validatorsAccept_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("desktop entry") << QStringLiteral("desktop-file-validate") << QStringList{installed(desktopEntry())};
    QTest::newRow("metainfo") << QStringLiteral("appstreamcli")
                              << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net"), installed(metainfo())};
}

void TstInstallation::validatorsAccept()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, arguments);

    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        QSKIP(qPrintable(tool + QStringLiteral(" is not installed")));
    QProcess validator;
    validator.setProcessChannelMode(QProcess::MergedChannels);
    validator.start(program, arguments);
    QVERIFY(validator.waitForFinished(60000));
    const QByteArray report = validator.readAll();
    QVERIFY2(validator.exitCode() == 0, report.constData());
    // desktop-file-validate passes hints with exit code 0; a hint still means a broken entry.
    QVERIFY2(!report.contains("error") && !report.contains("warning"), report.constData());
}

void TstInstallation::desktopEntryNamesInstalledFiles()
{
    const QHash<QString, QString> entry = readDesktopEntry(installed(desktopEntry()));
    QCOMPARE(entry.value(QStringLiteral("Name")), QStringLiteral("Анализ иерархий"));
    QVERIFY(!entry.value(QStringLiteral("Name[en]")).isEmpty());

    // A file opened from a file manager reaches the program.
    const QStringList exec = entry.value(QStringLiteral("Exec")).split(QLatin1Char(' '));
    QCOMPARE(exec.value(1), QStringLiteral("%f"));
    QVERIFY2(QFileInfo(installed(QStringLiteral("bin/") + exec.value(0))).isExecutable(), qPrintable(exec.value(0)));

    const QString icon = entry.value(QStringLiteral("Icon"));
    QVERIFY(QFileInfo::exists(installed(QStringLiteral("share/icons/hicolor/scalable/apps/") + icon + QStringLiteral(".svg"))));
    QVERIFY(entry.value(QStringLiteral("MimeType")).split(QLatin1Char(';')).contains(QLatin1String(DecisionFileType::MimeType)));

    // The store's record points at this entry and this program.
    const QString info = textOf(installed(metainfo()));
    QVERIFY(info.contains(QStringLiteral("<launchable type=\"desktop-id\">") + QFileInfo(desktopEntry()).fileName() + QStringLiteral("</launchable>")));
    QVERIFY(info.contains(QStringLiteral("<binary>") + exec.value(0) + QStringLiteral("</binary>")));
    QVERIFY(info.contains(QStringLiteral("<mediatype>") + QLatin1String(DecisionFileType::MimeType) + QStringLiteral("</mediatype>")));
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("<release version=\"1\\.0\""))));
}

void TstInstallation::decisionFilesKnownByTheirSuffix()
{
    // Qt's file dialogs and a desktop read the same shared-mime-info packages; nothing in this
    // program has asked the database anything before, so it reads only the prefix.
    qputenv("XDG_DATA_DIRS", QFile::encodeName(installed(QStringLiteral("share"))));
    const QMimeType type = QMimeDatabase().mimeTypeForFile(
        QStringLiteral("decision.") + QLatin1String(DecisionFileType::Suffix), QMimeDatabase::MatchExtension);
    QCOMPARE(type.name(), QLatin1String(DecisionFileType::MimeType));
    QCOMPARE(type.preferredSuffix(), QLatin1String(DecisionFileType::Suffix));
}

void TstInstallation::programFindsItsData_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("example");

    QTest::newRow("help") << QStringLiteral("help") << QStringLiteral("Analyze.hlp");
    QTest::newRow("translations") << QStringLiteral("translations") << QString();
}

void TstInstallation::programFindsItsData()
{
    QFETCH(QString, kind);
    QFETCH(QString, example);

    const QString expected = installed(QStringLiteral("share/analyze/") + kind);
    if (example.isEmpty() && !QFileInfo(expected).isDir())
        QSKIP("the build made no translations");
    QCOMPARE(dataDirectoryOf(installed(QStringLiteral("bin")), kind), QDir::cleanPath(expected));
    if (!example.isEmpty())
        QVERIFY(QFileInfo::exists(expected + QLatin1Char('/') + example));
}

QTEST_GUILESS_MAIN(TstInstallation)

#include "tst_installation.moc"
