// Start-up without Qt Charts: the main window comes up, offscreen, with none of Qt Charts and
// its OpenGL modules mapped; the sensitivity window's module, opened at its first use, brings
// them. This test is linked as the program is (not with the module), so it opens the module
// exactly as the program does.

#include "analysis/sensitivitymodule.h"
#include "app/application.h"
#include "app/mainform.h"
#include "platform/questionbox.h"
#include "platform/startuptrace.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsView>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {
bool loaded(const QString &library)
{
    const QRegularExpression name(QStringLiteral("/%1\\.so").arg(QRegularExpression::escape(library)));
    return !StartupTrace::loadedLibraries().filter(name).isEmpty();
}
}

class TstSensitivityModule : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void startUpLeavesOut_data();
    void startUpLeavesOut();
    void firstUseOpensTheModule();
    void cleanupTestCase();

private:
    QTemporaryDir m_home;
    std::unique_ptr<TMainForm> m_form;
};

void TstSensitivityModule::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("data"))));
    QuestionBox::setResponder([](const QString &, const QString &) { return false; });
    m_form = startWindow(*qApp, QString());
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QCoreApplication::processEvents();
}

// The libraries of the window itself are there, so that an unreadable map cannot pass.
void TstSensitivityModule::startUpLeavesOut_data()
{
    QTest::addColumn<QString>("library");
    QTest::addColumn<bool>("atStart");
    QTest::newRow("Qt Widgets") << QStringLiteral("libQt6Widgets") << true;
    QTest::newRow("Qt Charts") << QStringLiteral("libQt6Charts") << false;
    QTest::newRow("Qt OpenGL") << QStringLiteral("libQt6OpenGL") << false;
    QTest::newRow("Qt OpenGL Widgets") << QStringLiteral("libQt6OpenGLWidgets") << false;
    QTest::newRow("the module") << QStringLiteral("libanalyze_sensitivity") << false;
}

void TstSensitivityModule::startUpLeavesOut()
{
    QFETCH(QString, library);
    QFETCH(bool, atStart);
    QVERIFY(m_form->isVisible());
    QCOMPARE(loaded(library), atStart);
}

void TstSensitivityModule::firstUseOpensTheModule()
{
    QVERIFY(!SensitivityModule::locate().isEmpty());
    SensitivityData data;
    data.criteria = {QStringLiteral("Цена"), QStringLiteral("Качество"), QStringLiteral("Сервис")};
    data.alternatives = {QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")};
    data.weights = {0.5, 0.3, 0.2};
    data.localPriorities = {{0.6, 0.3, 0.1}, {0.2, 0.5, 0.3}, {0.1, 0.3, 0.6}};

    QElapsedTimer clock;
    clock.start();
    SensitivityView *window = SensitivityModule::create(data, m_form.get());
    QVERIFY(window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    qInfo("first sensitivity window shown after %lld ms", static_cast<long long>(clock.elapsed()));

    QCOMPARE(window->metaObject()->className(), "SensitivityWindow");
    QCOMPARE(window->parentWidget(), m_form.get());
    QCOMPARE(window->findChildren<QGraphicsView *>().size(), 1);
    QCOMPARE(window->weights(), data.weights);
    window->setWeights({0.2, 0.4, 0.4});
    QCOMPARE(window->weights(), (std::vector<double>{0.2, 0.4, 0.4}));
    QVERIFY(loaded(QStringLiteral("libQt6Charts")));
    QVERIFY(loaded(QStringLiteral("libanalyze_sensitivity")));

    // A second window comes from the module already open.
    SensitivityView *second = SensitivityModule::create(data, nullptr);
    QVERIFY(second);
    delete second;
    window->close();
    delete window;
}

void TstSensitivityModule::cleanupTestCase()
{
    m_form.reset();
    QuestionBox::setResponder({});
}

QTEST_MAIN(TstSensitivityModule)

#include "tst_sensitivitymodule.moc"
