// Start-up without Qt Charts or the spreadsheet writer: the main window comes up, offscreen,
// with none of Qt Charts, its OpenGL modules, libxlsxwriter and the libraries it needs mapped;
// the sensitivity window's module and the spreadsheet module, each opened at its first use,
// bring them. This test is linked as the program is (not with the modules), so it opens them
// exactly as the program does.

#include "analysis/sensitivitymodule.h"
#include "app/application.h"
#include "app/mainform.h"
#include "app/resultsexport.h"
#include "document/decisionresults.h"
#include "platform/questionbox.h"
#include "platform/startuptrace.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsView>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
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
    void menuBarKeepsItsArrow();
    void firstUseOpensTheModule();
    void firstWorkbookOpensTheSpreadsheetModule();
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
    // The second start, as every start after the first: the title page alone.
    startWindow(*qApp, QString()).reset();
    m_form = startWindow(*qApp, QString());
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QCoreApplication::processEvents();
    QVERIFY(!m_form->pagesBuilt());
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
    QTest::newRow("libxlsxwriter") << QStringLiteral("libxlsxwriter") << false;
    QTest::newRow("its zip writer") << QStringLiteral("libminizip") << false;
    QTest::newRow("its crypto library") << QStringLiteral("libcrypto") << false;
    QTest::newRow("the spreadsheet module") << QStringLiteral("libanalyze_xlsx") << false;
    // The button pictures and the menu bar's arrow come drawn beforehand: no SVG is drawn
    // before the first picture. (Qt's PNG arrow would have every image-format plugin asked.)
    QTest::newRow("SVG icons") << QStringLiteral("libqsvgicon") << false;
    QTest::newRow("Qt SVG") << QStringLiteral("libQt6Svg") << false;
    QTest::newRow("JPEG plugin") << QStringLiteral("libqjpeg") << false;
    QTest::newRow("libjpeg") << QStringLiteral("libjpeg") << false;
    QTest::newRow("GIF plugin") << QStringLiteral("libqgif") << false;
    QTest::newRow("ICO plugin") << QStringLiteral("libqico") << false;
}

void TstSensitivityModule::startUpLeavesOut()
{
    QFETCH(QString, library);
    QFETCH(bool, atStart);
    QVERIFY(m_form->isVisible());
    QCOMPARE(loaded(library), atStart);
}

void TstSensitivityModule::menuBarKeepsItsArrow()
{
    auto *arrow = m_form->menuBar()->findChild<QToolButton *>(QStringLiteral("qt_menubar_ext_button"));
    QVERIFY(arrow);
    QVERIFY(!arrow->icon().pixmap(16, 16).isNull());
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

void TstSensitivityModule::firstWorkbookOpensTheSpreadsheetModule()
{
    DecisionDocument document;
    document.criteria = {QStringLiteral("Цена"), QStringLiteral("Качество"), QStringLiteral("Сервис")};
    document.alternatives = {QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")};
    const QList<QStringList> equal(3, QStringList(3, QStringLiteral("1")));
    document.criteriaJudgements = equal;
    document.alternativesJudgements = QList<QList<QStringList>>(3, equal);
    const DecisionComputation computed = computeDecision(document);
    QVERIFY(computed.results);

    QByteArray bytes;
    QString reason;
    QVERIFY2(ResultsExport::workbook(document, *computed.results, &bytes, &reason), qPrintable(reason));
    QVERIFY(bytes.startsWith("PK"));
    QVERIFY(loaded(QStringLiteral("libanalyze_xlsx")));
    QVERIFY(loaded(QStringLiteral("libxlsxwriter")));
}

void TstSensitivityModule::cleanupTestCase()
{
    m_form.reset();
    QuestionBox::setResponder({});
}

QTEST_MAIN(TstSensitivityModule)

#include "tst_sensitivitymodule.moc"
