#include "app/translations.h"
#include "model/judgementwords.h"
#include "platform/errordisplay.h"
#include "platform/helpviewer.h"
#include "platform/programidentity.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QRegularExpression>
#include <QtTest>

namespace {

const QString DefaultHelpFile = QStringLiteral(":/help/Analyze.hlp");

// Opens a topic given either as a keyword or, when the keyword is empty, as a context number.
void openTopic(const QString &keyword, int context)
{
    if (keyword.isEmpty())
        HelpViewer::instance().showContext(context);
    else
        HelpViewer::instance().showKeyword(keyword);
}

QTextBrowser *browser()
{
    return HelpViewer::instance().findChild<QTextBrowser *>(QStringLiteral("HelpBrowser"));
}

QTextBlock blockWithAnchor(const QTextDocument *document, const QString &name)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(name))
                return block;
        }
    }
    return QTextBlock();
}

}

class TstHelpViewer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void topicOpensWithItsTextInView_data();
    void topicOpensWithItsTextInView();

    void unknownTopicOpensStart_data();
    void unknownTopicOpensStart();

    void contentsLinksLeadToTopics_data();
    void contentsLinksLeadToTopics();
    void scaleTableSaysReadOutWords_data();
    void scaleTableSaysReadOutWords();

    void missingHelpFileIsReported();

private:
    QStringList m_shown;
};

void TstHelpViewer::initTestCase()
{
    ProgramIdentity::setTitle(QStringLiteral("Анализ иерархий"));
    QCOMPARE(HelpViewer::helpFile(), DefaultHelpFile);
    QVERIFY(browser());
}

void TstHelpViewer::init()
{
    m_shown.clear();
    ErrorDisplay::setSink([this](const QString &message) { m_shown << message; });
}

void TstHelpViewer::cleanup()
{
    ErrorDisplay::setSink({});
    HelpViewer::setHelpFile(DefaultHelpFile);
}

void TstHelpViewer::topicOpensWithItsTextInView_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("heading");

    QTest::newRow("title page") << QStringLiteral("IDH_Main") << 0 << QStringLiteral("IDH_Main")
                                << QStringLiteral("Титульная страница");
    QTest::newRow("names page") << QString() << 1 << QStringLiteral("1")
                                << QStringLiteral("Названия критериев и альтернатив");
    QTest::newRow("criteria comparison page") << QString() << 2 << QStringLiteral("2")
                                              << QStringLiteral("Сравнение критериев");
    QTest::newRow("alternatives comparison page") << QString() << 3 << QStringLiteral("3")
                                                  << QStringLiteral("Сравнение альтернатив");
    QTest::newRow("result page") << QString() << 4 << QStringLiteral("4")
                                 << QStringLiteral("Результат");
}

void TstHelpViewer::topicOpensWithItsTextInView()
{
    QFETCH(QString, keyword);
    QFETCH(int, context);
    QFETCH(QString, topic);
    QFETCH(QString, heading);

    HelpViewer &viewer = HelpViewer::instance();
    // Start from the other end of the document, so that the topic is out of view at first.
    viewer.showContext(topic == QLatin1String("4") ? 0 : 4);
    viewer.close();

    openTopic(keyword, context);
    QVERIFY(viewer.isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    QVERIFY(viewer.windowTitle().contains(QStringLiteral("Справка")));
    QVERIFY(viewer.windowTitle().contains(QStringLiteral("Анализ иерархий")));
    QCOMPARE(viewer.currentTopic(), topic);
    QVERIFY(m_shown.isEmpty());

    const QTextBlock block = blockWithAnchor(browser()->document(), topic);
    QVERIFY2(block.isValid(), "the help document lacks the topic");
    QCOMPARE(block.text().trimmed(), heading);
    const QRectF inDocument = browser()->document()->documentLayout()->blockBoundingRect(block);
    const int top = qRound(inDocument.top()) - browser()->verticalScrollBar()->value();
    QVERIFY2(top >= 0 && top + inDocument.height() <= browser()->viewport()->height(),
             qPrintable(QStringLiteral("heading drawn at %1").arg(top)));
}

void TstHelpViewer::unknownTopicOpensStart_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<int>("context");

    QTest::newRow("context 0") << QString() << 0;
    QTest::newRow("context past the last page") << QString() << 5;
    QTest::newRow("negative context") << QString() << -1;
    QTest::newRow("unknown keyword") << QStringLiteral("IDH_Names") << 0;
}

void TstHelpViewer::unknownTopicOpensStart()
{
    QFETCH(QString, keyword);
    QFETCH(int, context);

    HelpViewer &viewer = HelpViewer::instance();
    viewer.showContext(4);
    QVERIFY(browser()->verticalScrollBar()->value() > 0);
    viewer.close();

    openTopic(keyword, context);
    QVERIFY(viewer.isVisible());
    QCOMPARE(viewer.currentTopic(), QString());
    QCOMPARE(browser()->verticalScrollBar()->value(), 0);
    QVERIFY(m_shown.isEmpty());
}

void TstHelpViewer::contentsLinksLeadToTopics_data()
{
    QTest::addColumn<QString>("helpFile");
    QTest::newRow("Russian") << DefaultHelpFile;
    QTest::newRow("English") << QStringLiteral(":/help/Analyze.en.hlp");
}

// Every page of the wizard and every feature has its topic, and the contents lead to each.
void TstHelpViewer::contentsLinksLeadToTopics()
{
    QFETCH(QString, helpFile);
    HelpViewer::setHelpFile(helpFile);
    HelpViewer::instance().showKeyword(QStringLiteral("contents"));
    QCOMPARE(HelpViewer::instance().currentTopic(), QStringLiteral("contents"));
    const QTextDocument *document = browser()->document();
    QSet<QString> linked;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isAnchor() || format.anchorHref().isEmpty())
                continue;
            const QString href = format.anchorHref();
            QVERIFY2(href.startsWith(u'#'), qPrintable(href));
            QVERIFY2(blockWithAnchor(document, href.mid(1)).isValid(), qPrintable(href));
            linked.insert(href.mid(1));
        }
    }
    for (const char *topic : {"IDH_Main", "1", "2", "3", "4", "scale", "revision", "files", "recovery", "undo",
                              "sensitivity", "merge", "printing", "language"})
        QVERIFY2(linked.contains(QLatin1String(topic)), topic);
}

void TstHelpViewer::scaleTableSaysReadOutWords_data()
{
    QTest::addColumn<QString>("helpFile");
    QTest::addColumn<bool>("english");
    QTest::newRow("Russian") << DefaultHelpFile << false;
    QTest::newRow("English") << QStringLiteral(":/help/Analyze.en.hlp") << true;
}

// The help's scale table and the read-out under the grids say the same words for every value.
void TstHelpViewer::scaleTableSaysReadOutWords()
{
    QFETCH(QString, helpFile);
    QFETCH(bool, english);
    QFile file(helpFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    static const QRegularExpression row(QStringLiteral("<tr><td[^>]*>(\\d)</td><td>([^<]*)</td></tr>"));
    Translations::apply(english ? Language::English : Language::Russian);
    QMap<int, QString> meanings;
    for (auto it = row.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        meanings.insert(match.captured(1).toInt(), match.captured(2));
    }
    QStringList wrong;
    for (int value = 1; value <= 9; ++value) {
        // "от умеренно до существенно" must not pass as "существенно".
        const QString words = scaleWords(value);
        const QString meaning = meanings.value(value) + QLatin1Char(' ');
        const qsizetype at = meaning.indexOf(QLatin1Char(' ') + words + QLatin1Char(' '));
        const bool between = at >= 0 && meaning.left(at).endsWith(QStringLiteral(" to"));
        if (words.isEmpty() || at < 0 || between || (value % 2 == 1 && meaning.contains(QStringLiteral(" до "))))
            wrong << QStringLiteral("%1: %2 / %3").arg(value).arg(meaning, words);
    }
    Translations::apply(Language::Russian);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
}

void TstHelpViewer::missingHelpFileIsReported()
{
    HelpViewer &viewer = HelpViewer::instance();
    viewer.close();
    HelpViewer::setHelpFile(QStringLiteral("/nonexistent/Analyze.hlp"));

    viewer.showContext(1);

    QCOMPARE(m_shown.size(), 1);
    QVERIFY2(m_shown.first().contains(QStringLiteral("/nonexistent/Analyze.hlp")),
             qPrintable(m_shown.first()));
    QVERIFY(!viewer.isVisible());
}

QTEST_MAIN(TstHelpViewer)

#include "tst_helpviewer.moc"
