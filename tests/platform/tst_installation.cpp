#include "analysis/sensitivitymodule.h"
#include "platform/datapaths.h"
#include "platform/decisionfiletype.h"
#include "platform/programmodule.h"

#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// Installs this build into a temporary prefix, as the package does under /usr, and checks what
// a desktop and the installed program find there.
namespace {
const QString Entry = QStringLiteral("share/applications/ru.orvasta.Analyze.desktop");
const QString Metainfo = QStringLiteral("share/metainfo/ru.orvasta.Analyze.metainfo.xml");
const QString MimeType = QLatin1String(DecisionFileType::MimeType);

QString run(const QString &program, const QStringList &arguments, int *exitCode)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    // Packaging rebuilds nothing, yet on a busy machine it takes minutes.
    *exitCode = process.waitForFinished(240000) ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAll());
}
}

class TstInstallation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_prefix.isValid());
        int exitCode = 0;
        const QString log = run(QStringLiteral(ANALYZE_CMAKE), {QStringLiteral("--install"), QStringLiteral(ANALYZE_BUILD_DIR),
                                QStringLiteral("--prefix"), m_prefix.path()}, &exitCode);
        QVERIFY2(exitCode == 0, qPrintable(log));
    }

    // Every help file the program carries, and every translation the build made.
    void helpAndTranslations_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString &help : QDir(QStringLiteral(":/help")).entryList(QDir::Files))
            QTest::newRow(qPrintable(help)) << QStringLiteral("share/analyze/help/") + help;
        for (const QString &qm : QDir(QStringLiteral(ANALYZE_BUILD_DIR "/translations")).entryList({QStringLiteral("*.qm")}))
            QTest::newRow(qPrintable(qm)) << QStringLiteral("share/analyze/translations/") + qm;
    }

    void helpAndTranslations()
    {
        QFETCH(QString, path);
        QVERIFY(QFileInfo(m_prefix.filePath(path)).size() > 0);
    }

    void validatorsAccept_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("desktop entry") << QStringLiteral("desktop-file-validate") << QStringList{m_prefix.filePath(Entry)};
        QTest::newRow("metainfo") << QStringLiteral("appstreamcli")
                                  << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net"), m_prefix.filePath(Metainfo)};
    }

    void validatorsAccept()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        const QString program = QStandardPaths::findExecutable(tool);
        if (program.isEmpty())
            QSKIP(qPrintable(tool + QStringLiteral(" is not installed")));
        int exitCode = 0;
        const QString report = run(program, arguments, &exitCode);
        // desktop-file-validate reports some faults with exit code 0.
        QVERIFY2(exitCode == 0 && !report.contains(QLatin1String("error")) && !report.contains(QLatin1String("warning")),
                 qPrintable(report));
    }

    // The entry starts the installed program on a file, with the installed icon; the AppStream
    // record names the same entry, program and file type.
    void entryNamesInstalledFiles()
    {
        QFile entryFile(m_prefix.filePath(Entry));
        QVERIFY(entryFile.open(QIODevice::ReadOnly));
        const QString entry = QString::fromUtf8(entryFile.readAll());
        const auto value = [&entry](const QString &key) {
            return QRegularExpression(QLatin1Char('^') + key + QStringLiteral("=(.*)$"), QRegularExpression::MultilineOption)
                .match(entry).captured(1);
        };
        QCOMPARE(value(QStringLiteral("Name")), QStringLiteral("Анализ иерархий"));
        const QStringList exec = value(QStringLiteral("Exec")).split(QLatin1Char(' '));
        QCOMPARE(exec.value(1), QStringLiteral("%f"));
        QVERIFY(QFileInfo(m_prefix.filePath(QStringLiteral("bin/") + exec.value(0))).isExecutable());
        QVERIFY(QFileInfo::exists(m_prefix.filePath(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(value(QStringLiteral("Icon"))))));
        QVERIFY(value(QStringLiteral("MimeType")).split(QLatin1Char(';')).contains(MimeType));

        QFile metainfo(m_prefix.filePath(Metainfo));
        QVERIFY(metainfo.open(QIODevice::ReadOnly));
        const QString info = QString::fromUtf8(metainfo.readAll());
        for (const QString &element : {QStringLiteral("<launchable type=\"desktop-id\">%1</launchable>").arg(QFileInfo(Entry).fileName()),
                                       QStringLiteral("<binary>%1</binary>").arg(exec.value(0)),
                                       QStringLiteral("<mediatype>%1</mediatype>").arg(MimeType),
                                       QStringLiteral("<release version=\"1.0\"")})
            QVERIFY2(info.contains(element), qPrintable(element));
    }

    // Qt's file dialogs read the same shared-mime-info packages as the desktop; nothing here has
    // asked the database anything before, so it reads the prefix.
    void decisionFilesKnownByTheirSuffix()
    {
        qputenv("XDG_DATA_DIRS", QFile::encodeName(m_prefix.filePath(QStringLiteral("share"))));
        const QMimeType type = QMimeDatabase().mimeTypeForFile(QStringLiteral("decision.ahp"), QMimeDatabase::MatchExtension);
        QCOMPARE(type.name(), MimeType);
        QCOMPARE(type.preferredSuffix(), QLatin1String(DecisionFileType::Suffix));
    }

    void programFindsItsData()
    {
        const QString bin = m_prefix.filePath(QStringLiteral("bin"));
        QCOMPARE(dataDirectoryOf(bin, QStringLiteral("help")), m_prefix.filePath(QStringLiteral("share/analyze/help")));
        const QString translations = m_prefix.filePath(QStringLiteral("share/analyze/translations"));
        if (!QFileInfo(translations).isDir())
            QSKIP("the build made no translations");
        QCOMPARE(dataDirectoryOf(bin, QStringLiteral("translations")), translations);
    }

    // The modules opened at first use, in a folder of the program's own, ahead of the build's.
    void programFindsItsModules_data()
    {
        QTest::addColumn<QString>("module");
        QTest::newRow("sensitivity window") << QStringLiteral("libanalyze_sensitivity.so");
        QTest::newRow("spreadsheets") << QStringLiteral("libanalyze_xlsx.so");
    }

    void programFindsItsModules()
    {
        QFETCH(QString, module);
        const QStringList modules = QDir(m_prefix.path()).entryList({QStringLiteral("lib*")}, QDir::Dirs);
        QCOMPARE(modules.size(), 1);
        QDirIterator found(m_prefix.filePath(modules.first()), {module}, QDir::Files, QDirIterator::Subdirectories);
        QVERIFY2(found.hasNext(), qPrintable(module));
        const QString installed = found.next();
        QVERIFY2(installed.endsWith(QStringLiteral("/analyze/") + module), qPrintable(installed));
        const QString bin = m_prefix.filePath(QStringLiteral("bin"));
        QCOMPARE(ProgramModule::locateFrom(bin, module), installed);
        if (module == QLatin1String("libanalyze_sensitivity.so"))
            QCOMPARE(SensitivityModule::locateFrom(bin), installed);
    }

    // The Debian package of this build, made as scripts/package.sh makes it, carries Debian's
    // documentation files and passes lintian without an error. The suite runs on a finished
    // build, so CPack's build before packaging only finds everything up to date.
    void packagePassesLintian()
    {
#ifdef ANALYZE_SANITIZED_BUILD
        QSKIP("a sanitized build is never packaged; the normal build's suite checks the package");
#endif
        const QString lintian = QStandardPaths::findExecutable(QStringLiteral("lintian"));
        QVERIFY2(!lintian.isEmpty(), "lintian is not installed (scripts/setup.sh installs it)");
        QTemporaryDir packages;
        int exitCode = 0;
        const QString log = run(QStringLiteral(ANALYZE_CPACK), {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), packages.path(),
                                QStringLiteral("--config"), QStringLiteral(ANALYZE_BUILD_DIR "/CPackConfig.cmake")}, &exitCode);
        QVERIFY2(exitCode == 0, qPrintable(log));
        const QStringList debs = QDir(packages.path()).entryList({QStringLiteral("analyze_*.deb")});
        QCOMPARE(debs.size(), 1);
        const QString deb = packages.filePath(debs.first());

        const QString contents = run(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), deb}, &exitCode);
        QCOMPARE(exitCode, 0);
        for (const QString &file : {QStringLiteral("./usr/share/doc/analyze/copyright"), QStringLiteral("./usr/share/doc/analyze/changelog.Debian.gz"),
                                    QStringLiteral("./usr/bin/analyze")})
            QVERIFY2(contents.contains(QLatin1Char(' ') + file + QLatin1Char('\n')), qPrintable(file));
        for (const char *module : {"sensitivity", "xlsx"}) {
            const QRegularExpression file(QStringLiteral(" \\./usr/lib/(\\S+/)?analyze/libanalyze_%1\\.so\n").arg(QLatin1String(module)));
            QVERIFY2(contents.contains(file), qPrintable(contents));
        }

        // The spreadsheet module links the spreadsheet library; dpkg-shlibdeps names its package.
        const QString depends = run(QStringLiteral("dpkg-deb"), {QStringLiteral("--field"), deb, QStringLiteral("Depends")}, &exitCode);
        QVERIFY2(exitCode == 0 && depends.contains(QRegularExpression(QStringLiteral("\\blibxlsxwriter\\d"))), qPrintable(depends));

        const QString report = run(lintian, {QStringLiteral("--tag-display-limit"), QStringLiteral("0"), deb}, &exitCode);
        const QStringList errors = report.split(QLatin1Char('\n')).filter(QRegularExpression(QStringLiteral("^E: ")));
        QVERIFY2(exitCode == 0 && errors.isEmpty(), qPrintable(report));
    }

private:
    QTemporaryDir m_prefix;
};

QTEST_GUILESS_MAIN(TstInstallation)

#include "tst_installation.moc"
