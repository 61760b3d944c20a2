#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The README's two commands, run on a copy of the scripts with cmake, ctest and dpkg-query
// standing in: what each builds, and that the program is started.
namespace {

bool writeScript(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("#!/bin/sh\n" + text) > 0 && file.flush()
           && file.setPermissions(file.permissions() | QFile::ExeOwner);
}

}

class TstScripts : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void runBuildsOnlyTheProgram();

private:
    QString run(const QString &script, const QStringList &arguments);
    QTemporaryDir m_tree;
    QString m_log;
};

void TstScripts::initTestCase()
{
    QVERIFY(m_tree.isValid());
    QDir tree(m_tree.path());
    QVERIFY(tree.mkpath("scripts") && tree.mkpath("build") && tree.mkpath("stubs"));
    for (const char *script : {"setup.sh", "run.sh", "test.sh"})
        QVERIFY(QFile::copy(QStringLiteral(ANALYZE_SOURCE_DIR "/scripts/") + script, tree.filePath(QStringLiteral("scripts/") + script)));
    QFile cache(tree.filePath("build/CMakeCache.txt"));
    QVERIFY(cache.open(QIODevice::WriteOnly));
    m_log = tree.filePath("log");
    const QByteArray log = QFile::encodeName(m_log);
    QVERIFY(writeScript(tree.filePath("stubs/cmake"), "echo \"cmake $*\" >> " + log + "\n"));
    QVERIFY(writeScript(tree.filePath("stubs/ctest"), "echo \"ctest $*\" >> " + log + "\n"));
    QVERIFY(writeScript(tree.filePath("stubs/dpkg-query"), "echo 'install ok installed'\n"));
    QVERIFY(writeScript(tree.filePath("build/analyze"), "echo \"analyze $*\" >> " + log + "\n"));
}

QString TstScripts::run(const QString &script, const QStringList &arguments)
{
    QFile::remove(m_log);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PATH", m_tree.filePath("stubs") + ':' + environment.value("PATH"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start("bash", QStringList{m_tree.filePath("scripts/" + script)} + arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("failed");
    QFile log(m_log);
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

// A newcomer sees the window after the program alone is built; the tests are built by test.sh,
// also on the build that run.sh left.
void TstScripts::runBuildsOnlyTheProgram()
{
    const QString build = m_tree.filePath("build");
    const QString runLog = run("run.sh", {"decision.ahp"});
    QVERIFY2(QRegularExpression("^cmake --build " + QRegularExpression::escape(build) + " --parallel \\d+ --target analyze\\n"
                                "analyze decision.ahp\\n$").match(runLog).hasMatch(), qPrintable(runLog));

    const QString testLog = run("test.sh", {"-R", "model"});
    QVERIFY2(QRegularExpression("^cmake --build " + QRegularExpression::escape(build) + " --parallel \\d+\\n"
                                "ctest --output-on-failure --parallel \\d+ -R model\\n$").match(testLog).hasMatch(), qPrintable(testLog));
}

QTEST_GUILESS_MAIN(TstScripts)

#include "tst_scripts.moc"
