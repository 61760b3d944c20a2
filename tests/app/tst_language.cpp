// The window in English: every page, status message, report and help page without a Russian
// letter; the language changed from the menu at once and remembered.

#include "app_helpers.h"

#include "analysis/sensitivitywindow.h"
#include "app/documentcontroller.h"
#include "app/pagetexts.h"
#include "app/translations.h"
#include "entry/keyfilter.h"
#include "model/decisionmodel.h"
#include "model/judgement.h"
#include "model/synthesis.h"
#include "platform/helpviewer.h"
#include "platform/settingsstore.h"
#include "platform/stringgrid.h"
#include "report/repform.h"
#include "report/reportdata.h"
#include "report/reportprinter.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QXmlStreamReader>

using namespace WindowTest;

namespace {

bool hasCyrillic(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x0400 && c.unicode() <= 0x052f; });
}

// Every text of root that a person can see, as "name: text"; with hiddenToo, also those of
// controls a person sees only on another page or in another state.
QStringList visibleTexts(const QWidget *root, bool hiddenToo = false)
{
    QStringList texts;
    const auto add = [&texts](const QObject *owner, const QString &text) {
        if (!text.isEmpty())
            texts << owner->objectName() + QStringLiteral(": ") + text;
    };
    add(root, root->windowTitle());
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (const QWidget *w : widgets) {
        if (!hiddenToo && !w->isVisibleTo(root))
            continue;
        add(w, w->accessibleName());
        add(w, w->toolTip());
        if (hiddenToo) {
            add(w, w->accessibleDescription());
            add(w, w->statusTip());
            add(w, w->windowTitle());
            for (const QAction *action : w->actions()) {
                if (action->menu() && action->menu()->objectName() == QLatin1String("LanguageMenu"))
                    continue;
                add(action, action->text());
                add(action, action->toolTip());
            }
        }
        if (const auto *label = qobject_cast<const QLabel *>(w))
            add(w, label->text());
        else if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            add(w, button->text());
        else if (const auto *edit = qobject_cast<const QLineEdit *>(w))
            add(w, edit->text());
        else if (const auto *box = qobject_cast<const QGroupBox *>(w))
            add(w, box->title());
        else if (const auto *list = qobject_cast<const QListWidget *>(w)) {
            for (int i = 0; i < list->count(); ++i)
                add(w, list->item(i)->text());
        } else if (const auto *grid = qobject_cast<const StringGrid *>(w)) {
            for (int row = 0; row < grid->rowCount(); ++row)
                for (int col = 0; col < grid->colCount(); ++col)
                    add(w, grid->cell(col, row));
        } else if (const auto *edit = qobject_cast<const QPlainTextEdit *>(w)) {
            add(w, edit->toPlainText());
        } else if (const auto *table = qobject_cast<const QTableWidget *>(w)) {
            for (int col = 0; col < table->columnCount(); ++col) {
                add(w, table->model()->headerData(col, Qt::Horizontal).toString());
                for (int row = 0; row < table->rowCount(); ++row)
                    add(w, table->item(row, col) ? table->item(row, col)->text() : QString());
            }
        } else if (const auto *chart = qobject_cast<const QChartView *>(w)) {
            add(w, chart->chart()->title());
            for (const QAbstractSeries *series : chart->chart()->series())
                if (const auto *bars = qobject_cast<const QAbstractBarSeries *>(series))
                    for (const QBarSet *set : bars->barSets())
                        add(w, set->label());
        } else if (const auto *bar = qobject_cast<const QMenuBar *>(w)) {
            // The language menu reads the same in both languages, so that either reader finds it.
            for (const QAction *action : bar->actions()) {
                if (action->menu() && action->menu()->objectName() == QLatin1String("LanguageMenu"))
                    continue;
                add(w, action->text());
                if (action->menu())
                    for (const QAction *item : action->menu()->actions())
                        add(w, item->text());
            }
        }
    }
    return texts;
}

QStringList russianTexts(const QWidget *root)
{
    QStringList found;
    for (const QString &text : visibleTexts(root))
        if (hasCyrillic(text))
            found << text;
    return found;
}

// The letter after "&" of every label and button of the window, on every page, and of the
// other menus' titles.
QString mnemonics(const QWidget *root)
{
    QString letters;
    for (const QWidget *w : root->findChildren<QWidget *>()) {
        QString text;
        if (const auto *label = qobject_cast<const QLabel *>(w))
            text = label->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            text = button->text();
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        if (at >= 0 && at + 1 < text.size())
            letters += text.at(at + 1).toLower();
    }
    // And the other menus of the bar.
    for (const QMenu *menu : root->findChildren<QMenu *>()) {
        const QString title = menu->title();
        const qsizetype at = title.indexOf(QLatin1Char('&'));
        if (menu->objectName() != QLatin1String("LanguageMenu") && at >= 0 && at + 1 < title.size())
            letters += title.at(at + 1).toLower();
    }
    return letters;
}

// Words of the other language: a Russian letter in English, a Latin word in Russian (the
// alternatives' letters and the language menu's own names aside).
QStringList otherLanguageTexts(const QWidget *root, Language shown)
{
    static const QRegularExpression latinWord(QStringLiteral("[A-Za-z]{3,}"));
    // Names of file formats are the same words in both languages.
    static const QRegularExpression formatName(QStringLiteral("\\b(PDF|CSV|XLSX)\\b"));
    QStringList found;
    for (const QString &text : visibleTexts(root, true)) {
        const QString value = text.mid(text.indexOf(QStringLiteral(": ")) + 2);
        if (value.contains(QStringLiteral("Language")) || value == QLatin1String("English") || value == QStringLiteral("Русский")
            || text.startsWith(QStringLiteral("RecentFileAction")) || text.startsWith(QStringLiteral(": &1 ")))
            continue;
        if (shown == Language::English ? hasCyrillic(value) : QString(value).remove(formatName).contains(latinWord))
            found << text;
    }
    return found;
}

QAction *languageAction(const TMainForm *form, const char *name)
{
    return find<QMenu>(form, "LanguageMenu")->findChild<QAction *>(QLatin1String(name));
}

}

class TstLanguage : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();

    void englishWindowShowsNoRussian();
    void menuSwitchesAtOnceAndRemembers();
    void helpFollowsLanguage();
    void switchIsNoEdit_data();
    void switchIsNoEdit();
    void switchShowsEveryTextAnew_data();
    void switchShowsEveryTextAnew();
    void menuAcceleratorIsFree_data();
    void menuAcceleratorIsFree();
    void everyTextTranslated();
    void countAgreesWithItsNumber_data();
    void countAgreesWithItsNumber();
    void switchLeavesNothingInOtherLanguage_data();
    void switchLeavesNothingInOtherLanguage();
};

void TstLanguage::cleanup()
{
    HelpViewer::instance().hide();
    Translations::apply(Language::Russian);
}

void TstLanguage::englishWindowShowsNoRussian()
{
    Translations::apply(Language::English);
    QCOMPARE(Translations::current(), Language::English);
    auto form = openWindow();
    QStringList russian;
    QStringList messages;
    const auto look = [&](const QString &name) {
        screenshot(form.get(), QStringLiteral("en-") + name);
        russian << russianTexts(form.get());
        if (page(form.get()) == 0)
            return;
        TRepForm report;
        composeReport(report, form->collectReportData());
        russian << russianTexts(&report);
    };
    const auto expectMessage = [&](const TranslatableText &text) {
        messages << status(form.get());
        QCOMPARE(status(form.get()), text.text());
    };

    look(QStringLiteral("0-title"));
    clickCountsTo(form.get(), 5, 4);
    click(find<QPushButton>(form.get(), "NextBtn"));
    look(QStringLiteral("1-names"));
    click(find<QPushButton>(form.get(), "NextBtn"));

    auto *choiceTab = find<StringGrid>(form.get(), "ChoiceTab");
    click(find<QPushButton>(form.get(), "CalcBtn"));
    expectMessage(JudgementEmptyMessage);
    clickCell(choiceTab, 2, 1);
    type(QStringLiteral("x"));
    expectMessage(ChoiceTabKeyMessage);
    enterMatrix(choiceTab, uniformUpper(5, QStringLiteral("1")));
    click(find<QPushButton>(form.get(), "CalcBtn"));
    look(QStringLiteral("2-criteria"));
    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 3);

    auto *compTab = find<StringGrid>(form.get(), "CompTab");
    clickCell(compTab, 2, 1);
    type(QStringLiteral("x"));
    expectMessage(CompTabKeyMessage);
    enterMatrix(compTab, {{"9", "1/9", "9"}, {"9", "1/9"}, {"9"}});
    click(find<QPushButton>(form.get(), "CalcBtn2"));
    expectMessage(InconsistentRatioMessage);
    QVERIFY(find<QLabel>(form.get(), "WarnMess")->isVisible());
    look(QStringLiteral("3-alternatives"));
    enterRemainingAltMatrices(form.get(), QStringLiteral("1"));
    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 4);
    look(QStringLiteral("4-result"));

    QVERIFY2(russian.isEmpty(), qPrintable(russian.join(QStringLiteral("; "))));
    for (const QString &message : messages)
        QVERIFY2(!message.isEmpty() && !hasCyrillic(message), qPrintable(message));
    // Four alternatives tie; the sentence names each and ends on the last name's closing quote.
    QCOMPARE(find<QLabel>(form.get(), "Decision")->text(),
             QStringLiteral("For your problem the best choice is alternative A, “Alternative A” or alternative B, "
                            "“Alternative B” or alternative C, “Alternative C” or alternative D, “Alternative D”"));
    QCOMPARE(errors(), QStringList());
}

void TstLanguage::menuSwitchesAtOnceAndRemembers()
{
    auto form = openWindow();
    clickCountsTo(form.get(), 3, 3);
    click(find<QPushButton>(form.get(), "NextBtn"));
    replaceText(find<QLineEdit>(form.get(), "ChoiceName"), QStringLiteral("Цена"));
    pressKey(Qt::Key_Return);
    auto *choices = find<QListWidget>(form.get(), "Choices");
    const QString russianSecond = QString::fromUtf8(CriterionNameTemplate.source).arg(2);
    QCOMPARE(choices->item(1)->text(), russianSecond);

    languageAction(form.get(), "EnglishAction")->trigger();
    // The windows hear of the new language through posted events.
    QCoreApplication::sendPostedEvents();
    QCOMPARE(SettingsStore::readLanguage(), std::optional<Language>(Language::English));
    QCOMPARE(Translations::current(), Language::English);
    // The typed name stays; the names the program gave, the captions and the title follow.
    QCOMPARE(choices->item(0)->text(), QStringLiteral("Цена"));
    QCOMPARE(choices->item(1)->text(), defaultCriterionName(1));
    QVERIFY(!hasCyrillic(defaultCriterionName(1)));
    QCOMPARE(find<QLineEdit>(form.get(), "ChoiceName")->text(), defaultCriterionName(1));
    QCOMPARE(find<QListWidget>(form.get(), "AltList")->item(2)->text(), defaultAlternativeName(2));
    QVERIFY(languageAction(form.get(), "EnglishAction")->isChecked());

    click(find<QPushButton>(form.get(), "NextBtn"));
    enterMatrix(find<StringGrid>(form.get(), "ChoiceTab"), uniformUpper(3, QStringLiteral("1")));
    click(find<QPushButton>(form.get(), "NextBtn"));
    enterRemainingAltMatrices(form.get(), QStringLiteral("1"));
    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 4);
    QVERIFY(find<QLabel>(form.get(), "Decision")->text().startsWith(DecisionPrefix.text()));

    // Back to Russian on the result page: the shown sentence, the headers and names follow.
    languageAction(form.get(), "RussianAction")->trigger();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(SettingsStore::readLanguage(), std::optional<Language>(Language::Russian));
    QVERIFY2(form->windowTitle().endsWith(QStringLiteral("Анализ иерархий")), qPrintable(form->windowTitle()));
    QCOMPARE(find<QLabel>(form.get(), "Decision")->text(),
             QStringLiteral("Для Вашей задачи наиболее оптимальна альтернатива A -'Альтернатива   A' или "
                            "альтернатива B -'Альтернатива   B' или альтернатива C -'Альтернатива   C'"));
    auto *globTab = find<StringGrid>(form.get(), "GlobTab");
    QCOMPARE(globTab->cell(0, 0), QString::fromUtf8(LocalPrioritiesHeader.source));
    QCOMPARE(globTab->cell(1, 0), QStringLiteral("Цена"));
    QCOMPARE(globTab->cell(2, 0), russianSecond);
    QCOMPARE(find<StringGrid>(form.get(), "Globales")->cell(0, 1), QString::fromUtf8(GlobalValueHeader.source));
    QCOMPARE(errors(), QStringList());
}

void TstLanguage::helpFollowsLanguage()
{
    Translations::apply(Language::English);
    QCoreApplication::sendPostedEvents();
    HelpViewer &viewer = HelpViewer::instance();
    viewer.showContext(2);
    QCOMPARE(viewer.currentTopic(), QStringLiteral("2"));
    auto *browser = viewer.findChild<QTextBrowser *>(QStringLiteral("HelpBrowser"));
    QVERIFY(!browser->toPlainText().isEmpty());
    QVERIFY(!hasCyrillic(browser->toPlainText()));
    QVERIFY(!hasCyrillic(viewer.windowTitle()));

    // The open help turns Russian with the window, at the same topic.
    Translations::apply(Language::Russian);
    QCoreApplication::sendPostedEvents();
    QVERIFY(hasCyrillic(browser->toPlainText()));
    QCOMPARE(viewer.currentTopic(), QStringLiteral("2"));
    QCOMPARE(errors(), QStringList());
}

void TstLanguage::switchIsNoEdit_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<bool>("saved");
    QTest::newRow("fresh title page") << 0 << false;
    QTest::newRow("names page") << 1 << false;
    QTest::newRow("criteria page") << 2 << false;
    QTest::newRow("saved result page") << 4 << true;
}

void TstLanguage::switchIsNoEdit()
{
    QFETCH(int, target);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    auto form = openWindow();
    if (target == 4)
        QVERIFY(goToResultPage(form.get(), 3, 3));
    for (int i = page(form.get()); i < target; ++i)
        QVERIFY(click(find<QPushButton>(form.get(), "NextBtn")));
    QCOMPARE(page(form.get()), target);
    if (saved) {
        chosenFiles() = {dir.filePath(QStringLiteral("saved.ahp"))};
        QVERIFY(form->documents()->save());
    }
    QVERIFY(!form->documents()->isModified());

    for (const char *language : {"EnglishAction", "RussianAction", "EnglishAction"}) {
        languageAction(form.get(), language)->trigger();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QVERIFY2(!form->documents()->isModified(), language);
        QVERIFY2(!form->isWindowModified(), qPrintable(form->windowTitle()));
    }
    const QString title = form->windowTitle();
    QVERIFY2(!title.contains(QStringLiteral("Untitled")), qPrintable(title));
    saveQuestionsAsked() = 0;
    saveAnswer() = SaveQuestion::Answer::Cancel;
    QVERIFY(form->close());
    QCOMPARE(saveQuestionsAsked(), 0);
}

void TstLanguage::switchShowsEveryTextAnew_data()
{
    QTest::addColumn<int>("target");
    QTest::newRow("names page") << 1;
    QTest::newRow("criteria page") << 2;
    QTest::newRow("alternatives page") << 3;
    QTest::newRow("result page with sensitivity") << 4;
}

void TstLanguage::switchShowsEveryTextAnew()
{
    QFETCH(int, target);
    // Judgements that contradict each other, so that the revision panels say all they can.
    const QList<QStringList> contradicting = {{"9", "1/9", "9"}, {"9", "1/9"}, {"9"}};
    auto form = openWindow();
    QWidget *sensitivity = nullptr;
    switch (target) {
    case 1:
        QVERIFY(goToCriteriaPage(form.get(), 4, 4));
        QVERIFY(click(find<QPushButton>(form.get(), "PriorBtn")));
        break;
    case 2: {
        QVERIFY(goToCriteriaPage(form.get(), 4, 4));
        auto *choiceTab = find<StringGrid>(form.get(), "ChoiceTab");
        QVERIFY(enterMatrix(choiceTab, contradicting));
        clickCell(choiceTab, 2, 1);
        break;
    }
    case 3: {
        QVERIFY(goToAlternativesPage(form.get(), 4, 4));
        auto *compTab = find<StringGrid>(form.get(), "CompTab");
        QVERIFY(enterMatrix(compTab, contradicting));
        clickCell(compTab, 2, 1);
        break;
    }
    default:
        QVERIFY(goToResultPage(form.get(), 3, 3));
        QVERIFY(click(find<QPushButton>(form.get(), "SensitivityBtn")));
        break;
    }
    QCOMPARE(page(form.get()), target);
    QCoreApplication::processEvents();

    languageAction(form.get(), "EnglishAction")->trigger();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (SensitivityWindow *window : form->findChildren<SensitivityWindow *>())
        if (window->isVisible())
            sensitivity = window;
    QCOMPARE(sensitivity != nullptr, target == 4);
    screenshot(form.get(), QStringLiteral("switched-%1").arg(target));
    QStringList russian = russianTexts(form.get());
    if (sensitivity) {
        screenshot(sensitivity, QStringLiteral("switched-sensitivity"));
        russian << russianTexts(sensitivity);
    }
    QVERIFY2(russian.isEmpty(), qPrintable(russian.join(QStringLiteral("; "))));
    QCOMPARE(errors(), QStringList());
}

void TstLanguage::menuAcceleratorIsFree_data()
{
    QTest::addColumn<Language>("language");
    QTest::newRow("Russian") << Language::Russian;
    QTest::newRow("English") << Language::English;
}

void TstLanguage::menuAcceleratorIsFree()
{
    QFETCH(Language, language);
    Translations::apply(language);
    auto form = openWindow();
    const QString title = find<QMenu>(form.get(), "LanguageMenu")->title();
    const qsizetype at = title.indexOf(QLatin1Char('&'));
    QVERIFY(at >= 0 && at + 1 < title.size());
    const QString letters = mnemonics(form.get());
    QVERIFY2(!letters.contains(title.at(at + 1).toLower()), qPrintable(title + QStringLiteral(" / ") + letters));
}

ANALYZE_WINDOW_TEST_MAIN(TstLanguage)
#include "tst_language.moc"

void TstLanguage::switchLeavesNothingInOtherLanguage_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<bool>("toEnglish");
    for (int target = 0; target <= 4; ++target) {
        QTest::addRow("page %d to English", target) << target << true;
        QTest::addRow("page %d to Russian", target) << target << false;
    }
}

// Every control of the window, shown or not, and every menu entry, after a switch on any page.
void TstLanguage::switchLeavesNothingInOtherLanguage()
{
    QFETCH(int, target);
    QFETCH(bool, toEnglish);
    Translations::apply(toEnglish ? Language::Russian : Language::English);
    auto form = openWindow();
    QVERIFY(goToResultPage(form.get(), 3, 3));
    QVERIFY(click(find<QPushButton>(form.get(), "SensitivityBtn")));
    while (page(form.get()) > target)
        QVERIFY(click(find<QPushButton>(form.get(), "PriorBtn")));
    languageAction(form.get(), toEnglish ? "EnglishAction" : "RussianAction")->trigger();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    const Language shown = toEnglish ? Language::English : Language::Russian;
    QStringList found = otherLanguageTexts(form.get(), shown);
    for (const QWidget *window : QApplication::topLevelWidgets())
        if (window != form.get() && window->isVisible())
            found << otherLanguageTexts(window, shown);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
    QCOMPARE(errors(), QStringList());
}

// Every English text differs from its Russian source and holds no Russian letter; only texts
// that read the same in both languages may stay as they are.
void TstLanguage::everyTextTranslated()
{
    const QStringList sameInBoth = {QStringLiteral("OUT.pdf"), QStringLiteral("OUT.ahp"), QStringLiteral("OUT.xlsx|OUT.csv"), QStringLiteral("%1. %2 — %3"),
                                      QStringLiteral("%1. %2 — %3 — %4")};

    QFile file(QStringLiteral(ANALYZE_ENGLISH_TEXTS));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    QStringList wrong;
    int messages = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            ++messages;
            const bool unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
            // A text with a count holds a form per plural.
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            const bool languageMenu = context == QLatin1String("LanguageMenu");
            if (unfinished || text.isEmpty() || (text == source && !sameInBoth.contains(source))
                || (hasCyrillic(text) && !languageMenu))
                wrong << context + QStringLiteral(": ") + source + QStringLiteral(" → ") + text;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(messages > 100);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

void TstLanguage::countAgreesWithItsNumber_data()
{
    QTest::addColumn<int>("given");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("russian");
    QTest::addColumn<QString>("english");
    QTest::newRow("a pair") << 1 << 1 << QStringLiteral("Задано 1 из 1 сравнения.") << QStringLiteral("1 of 1 judgement given.");
    QTest::newRow("three") << 2 << 3 << QStringLiteral("Задано 2 из 3 сравнений.") << QStringLiteral("2 of 3 judgements given.");
    QTest::newRow("eleven") << 10 << 11 << QStringLiteral("Задано 10 из 11 сравнений.") << QStringLiteral("10 of 11 judgements given.");
    QTest::newRow("seven items") << 6 << 21 << QStringLiteral("Задано 6 из 21 сравнения.") << QStringLiteral("6 of 21 judgements given.");
    QTest::newRow("fourteen items") << 13 << 91 << QStringLiteral("Задано 13 из 91 сравнения.") << QStringLiteral("13 of 91 judgements given.");
    QTest::newRow("fifteen items") << 14 << 105 << QStringLiteral("Задано 14 из 105 сравнений.") << QStringLiteral("14 of 105 judgements given.");
}

void TstLanguage::countAgreesWithItsNumber()
{
    QFETCH(int, given);
    QFETCH(int, total);
    QFETCH(QString, russian);
    QFETCH(QString, english);
    QCOMPARE(givenCountNote(given, total), russian);
    Translations::apply(Language::English);
    QCOMPARE(givenCountNote(given, total), english);
}
