// Nothing cut off and typing that flows: the largest decision with long names keeps every text
// of every grid whole at the starting and the smallest window size, the sentence of a ten-way
// tie is shown whole, names go in with "name, Enter", each page takes the focus where typing
// goes on, and the smallest window keeps every control whole. On screens of 1366 x 768 and
// 1920 x 1080 and at a scale factor of 2, in both languages, the maximised window, the
// sensitivity window and the help stay on the screen with every text whole.

#include "app_helpers.h"

#include "analysis/namelegend.h"
#include "analysis/rankingbars.h"
#include "analysis/sensitivitywindow.h"
#include "app/translations.h"
#include "platform/helpviewer.h"
#include "platform/stringgrid.h"

#include <QProcess>
#include <QScreen>
#include <QScrollArea>

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStackedWidget>

using namespace WindowTest;

namespace {
const QStringList LongCriteria = QStringLiteral(
    "Энергоэффективность,Стоимость владения,Надёжность поставщика,Ремонтопригодность,"
    "Производительность,Экологичность,Безопасность работы,Срок службы,Гарантийные условия,"
    "Удобство управления,Масса и габариты,Уровень шума,Совместимость,Сроки поставки,"
    "Квалификация персонала").split(QLatin1Char(','));
const QStringList LongAlternatives = QStringLiteral(
    "Теплонасосная установка,Газовый котёл,Электрокотёл,Пеллетный котёл,Солнечные коллекторы,"
    "Центральное отопление,Инфракрасные панели,Дизельный котёл,Геотермальный контур,"
    "Когенерационная установка").split(QLatin1Char(','));

QStringList entries(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// Types each name and Enter into the editor that has the focus.
bool typeNames(const QStringList &names)
{
    for (const QString &name : names) {
        if (!type(name) || !pressKey(Qt::Key_Return))
            return false;
    }
    return true;
}

// From the title page over the names page, where every name goes in by "name, Enter", on to
// the result page of a decision whose matrices all hold ones: a tie of every alternative.
bool walkLargestDecision(TMainForm *form)
{
    auto *next = find<QPushButton>(form, "NextBtn");
    return clickCountsTo(form, 15, 10) && click(next) && typeNames(LongCriteria)
           && replaceText(find<QLineEdit>(form, "ChoiceAlt"), LongAlternatives.first())
           && pressKey(Qt::Key_Return) && typeNames(LongAlternatives.mid(1)) && click(next)
           && enterMatrix(find<StringGrid>(form, "ChoiceTab"), uniformUpper(15, QStringLiteral("1")))
           && click(next) && enterRemainingAltMatrices(form, QStringLiteral("1")) && click(next);
}

void verifyTextsWhole(const StringGrid *grid)
{
    for (int col = 0; col < grid->colCount(); ++col) {
        for (int row = 0; row < grid->rowCount(); ++row) {
            const QString text = grid->cell(col, row);
            const QWidget *drawnBy = row == 0 ? static_cast<const QWidget *>(grid->horizontalHeader())
                                   : col == 0 ? static_cast<const QWidget *>(grid->verticalHeader())
                                              : grid;
            const int width = drawnBy->fontMetrics().horizontalAdvance(text);
            QVERIFY2(grid->colWidth(col) >= width,
                     qPrintable(QStringLiteral("%1 (%2, %3) \"%4\": column %5 px, text %6 px")
                                    .arg(grid->objectName()).arg(col).arg(row).arg(text)
                                    .arg(grid->colWidth(col)).arg(width)));
        }
    }
    // The last column can be scrolled into view, beside the header column that stays.
    const QModelIndex last = grid->model()->index(grid->rowCount() - 1, grid->colCount() - 1);
    const_cast<StringGrid *>(grid)->scrollTo(last);
    QVERIFY2(grid->viewport()->rect().contains(grid->visualRect(last)), qPrintable(grid->objectName()));
    QVERIFY(grid->verticalHeader()->isVisibleTo(grid));
    QVERIFY(grid->horizontalHeader()->isVisibleTo(grid));
}

// The size the window opens with: the design's, grown where the screen allows so that the
// largest criteria grid and the panel under it stay whole.
QSize startingSize()
{
    static const QSize size = [] {
        auto form = openWindow();
        return form->size();
    }();
    return size;
}

bool resizeTo(TMainForm *form, const QString &size)
{
    const QSize target = size == QLatin1String("smallest") ? form->minimumSize() : startingSize();
    form->resize(target);
    return QTest::qWaitFor([&] { return form->size() == target; });
}
}

class TstWholeTexts : public QObject
{
    Q_OBJECT
private slots:
    void largestDecisionKeepsEveryTextWhole_data();
    void largestDecisionKeepsEveryTextWhole();
    void focusWhenPagesAreShown();
    void countFieldsDoNotSelectOnEntry();
    void smallestWindowKeepsControlsWhole();
    void wholeOnEveryScreen_data();
    void wholeOnEveryScreen();
    void wholeOnThisScreen();
};

void TstWholeTexts::largestDecisionKeepsEveryTextWhole_data()
{
    QTest::addColumn<QString>("size");
    QTest::newRow("starting size") << "starting";
    QTest::newRow("smallest size") << "smallest";
}

void TstWholeTexts::largestDecisionKeepsEveryTextWhole()
{
    QFETCH(QString, size);
    auto form = openWindow();
    QVERIFY(walkLargestDecision(form.get()));
    QCOMPARE(page(form.get()), 4);
    // Every name went in by "name, Enter".
    QCOMPARE(entries(find<QListWidget>(form.get(), "Choices")), LongCriteria);
    QCOMPARE(entries(find<QListWidget>(form.get(), "AltList")), LongAlternatives);
    QVERIFY(resizeTo(form.get(), size));
    // Each grid is looked at on its own page, as a person sees it.
    auto *notebook = find<QStackedWidget>(form.get(), "Notebook");
    for (const char *name : {"ChoiceTab", "CompTab", "GlobTab", "Globales"}) {
        auto *grid = find<StringGrid>(form.get(), name);
        for (QWidget *w = grid; w; w = w->parentWidget()) {
            if (notebook->indexOf(w) >= 0)
                notebook->setCurrentWidget(w);
        }
        QVERIFY(grid->isVisible());
        screenshot(form.get(), QStringLiteral("%1-%2").arg(size, QLatin1String(name)));
        verifyTextsWhole(grid);
        if (QTest::currentTestFailed())
            return;
    }

    auto *decision = find<QLabel>(form.get(), "Decision");
    QVERIFY(decision->text().contains(LongAlternatives.last()));
    QCOMPARE(decision->text().count(QStringLiteral(" или ")), 9);
    // Shown whole: the label is as high as its wrapped lines and lies inside the page.
    QVERIFY(decision->height() >= decision->heightForWidth(decision->width()));
    auto *resultPage = find<QWidget>(form.get(), "ResultPage");
    const QRect onPage(decision->mapTo(resultPage, QPoint(0, 0)), decision->size());
    QVERIFY(resultPage->rect().contains(onPage));
    screenshot(form.get(), QStringLiteral("result-%1").arg(size));
}

void TstWholeTexts::focusWhenPagesAreShown()
{
    auto form = openWindow();
    QVERIFY(clickCountsTo(form.get(), 3, 3));
    auto *next = find<QPushButton>(form.get(), "NextBtn");
    QVERIFY(click(next));
    auto *choiceName = find<QLineEdit>(form.get(), "ChoiceName");
    QCOMPARE(QApplication::focusWidget(), choiceName);
    QCOMPARE(choiceName->selectedText(), choiceName->text());

    QVERIFY(click(next));
    auto *choiceTab = find<StringGrid>(form.get(), "ChoiceTab");
    QCOMPARE(QApplication::focusWidget(), choiceTab);
    QCOMPARE(choiceTab->col(), 2);
    QCOMPARE(choiceTab->row(), 1);

    QVERIFY(enterMatrix(choiceTab, uniformUpper(3, QStringLiteral("1"))));
    next->setFocus(Qt::TabFocusReason);
    QVERIFY(pressKey(Qt::Key_Space));
    QCOMPARE(page(form.get()), 3);
    auto *compTab = find<StringGrid>(form.get(), "CompTab");
    QCOMPARE(QApplication::focusWidget(), compTab);
    QCOMPARE(compTab->col(), 2);
    QCOMPARE(compTab->row(), 1);

    QVERIFY(enterRemainingAltMatrices(form.get(), QStringLiteral("1")));
    next->setFocus(Qt::TabFocusReason);
    QVERIFY(pressKey(Qt::Key_Space));
    QCOMPARE(page(form.get()), 4);
    // The forward button is gone; a stray key must not reach the close button.
    QVERIFY(QApplication::focusWidget() != find<QPushButton>(form.get(), "BitBtn4"));
    QVERIFY(pressKey(Qt::Key_Space));
    QVERIFY(pressKey(Qt::Key_Return));
    QVERIFY(form->isVisible());
}

void TstWholeTexts::countFieldsDoNotSelectOnEntry()
{
    auto form = openWindow();
    auto *kriters = find<QLineEdit>(form.get(), "Kriters");
    auto *alters = find<QLineEdit>(form.get(), "Alters");
    find<QLineEdit>(form.get(), "DataStamp")->setFocus(Qt::OtherFocusReason);
    QVERIFY(pressKey(Qt::Key_Tab));
    QCOMPARE(QApplication::focusWidget(), kriters);
    QVERIFY(!kriters->hasSelectedText());
    QVERIFY(pressKey(Qt::Key_Tab));
    QCOMPARE(QApplication::focusWidget(), alters);
    QVERIFY(!alters->hasSelectedText());
    QVERIFY(pressKey(Qt::Key_Backtab));
    QCOMPARE(QApplication::focusWidget(), kriters);
    QVERIFY(!kriters->hasSelectedText());
}

void TstWholeTexts::smallestWindowKeepsControlsWhole()
{
    auto form = openWindow();
    // The starting size is already a size the window can take.
    QVERIFY(form->minimumWidth() <= startingSize().width());
    QVERIFY(form->minimumHeight() <= startingSize().height());
    QVERIFY(resizeTo(form.get(), QStringLiteral("smallest")));

    auto *notebook = find<QStackedWidget>(form.get(), "Notebook");
    QList<QWidget *> areas;
    for (int i = 0; i < notebook->count(); ++i)
        areas << notebook->widget(i);
    areas << find<QWidget>(form.get(), "Panel1");
    for (QWidget *area : areas) {
        notebook->setCurrentIndex(qMax(0, notebook->indexOf(area)));
        form->FormResize();
        screenshot(form.get(), QStringLiteral("smallest-%1").arg(area->objectName()));
        const QList<QWidget *> controls = area->findChildren<QWidget *>();
        for (const QWidget *control : controls) {
            // What a scroll area holds may be larger than its viewport: it scrolls.
            const auto *holder = qobject_cast<const QScrollArea *>(
                    control->parentWidget() ? control->parentWidget()->parentWidget() : nullptr);
            if (control->isWindow() || !control->parentWidget() || control->inherits("QScrollBar")
                || control->parentWidget()->inherits("QAbstractScrollArea")
                || (holder && holder->widget() == control))
                continue;
            const QString name = control->objectName();
            if (name.isEmpty())
                continue;
            QVERIFY2(control->parentWidget()->rect().contains(control->geometry()),
                     qPrintable(name + QStringLiteral(" sticks out of ") + control->parentWidget()->objectName()));
            if (auto *label = qobject_cast<const QLabel *>(control); label && !label->wordWrap())
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(name + QStringLiteral(" cuts its text")));
            if (auto *button = qobject_cast<const QAbstractButton *>(control)) {
                const int text = button->fontMetrics().horizontalAdvance(QString(button->text()).remove(QLatin1Char('&')));
                const int icon = button->icon().isNull() ? 0 : button->iconSize().width();
                QVERIFY2(button->width() >= text + icon, qPrintable(name + QStringLiteral(" cuts its caption")));
            }
        }
    }
}

namespace {
// A wrapped label is as tall as its lines for its width: none of them is cut off.
void verifyWrappedWhole(const QLabel *label)
{
    QVERIFY2(label->height() >= label->heightForWidth(label->width()),
             qPrintable(label->objectName() + QStringLiteral(": ") + label->text()));
}

void verifyOnScreen(const QWidget *window)
{
    const QRect available = window->screen()->availableGeometry();
    QVERIFY2(available.contains(window->frameGeometry()),
             qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 on %6x%7").arg(window->objectName())
                            .arg(window->frameGeometry().x()).arg(window->frameGeometry().y())
                            .arg(window->frameGeometry().width()).arg(window->frameGeometry().height())
                            .arg(available.width()).arg(available.height())));
}
}

// Each screen in a program of its own: the offscreen platform takes its screens at start-up.
void TstWholeTexts::wholeOnEveryScreen_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("language");
    for (const char *language : {"ru", "en"}) {
        QTest::addRow("1366x768 %s", language) << 1366 << 768 << 1 << language;
        QTest::addRow("1920x1080 %s", language) << 1920 << 1080 << 1 << language;
        QTest::addRow("2732x1536 at scale 2 %s", language) << 2732 << 1536 << 2 << language;
    }
}

void TstWholeTexts::wholeOnEveryScreen()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, scale);
    QFETCH(QString, language);
    if (qEnvironmentVariableIsSet("ANALYZE_SCREEN_CHILD"))
        QSKIP("run by the parent test");
    QTemporaryDir folder;
    QFile config(folder.filePath("screens.json"));
    QVERIFY(config.open(QIODevice::WriteOnly));
    QVERIFY(config.write(QStringLiteral("{\"screens\": [{\"name\": \"screen\", \"x\": 0, \"y\": 0, \"width\": %1, "
                                        "\"height\": %2, \"logicalDpi\": 96, \"dpr\": 1}]}")
                             .arg(width).arg(height).toUtf8()) > 0);
    config.close();
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName());
    environment.insert("QT_SCALE_FACTOR", QString::number(scale));
    environment.insert("ANALYZE_SCREEN_CHILD", language);
    const QString shots = environment.value("ANALYZE_SCREENSHOTS");
    if (!shots.isEmpty())
        environment.insert("ANALYZE_SCREENSHOTS", shots + QStringLiteral("/%1x%2x%3-%4").arg(width).arg(height).arg(scale).arg(language));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("wholeOnThisScreen")});
    QVERIFY(child.waitForFinished(240000));
    const QByteArray output = child.readAll();
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, output.constData());
}

// The largest decision, maximised, then the sensitivity window and the help, on the screen the
// parent test gave.
void TstWholeTexts::wholeOnThisScreen()
{
    const QString language = qEnvironmentVariable("ANALYZE_SCREEN_CHILD");
    if (language.isEmpty())
        QSKIP("run by wholeOnEveryScreen on a screen of its own");
    if (language == QLatin1String("en"))
        Translations::apply(Language::English);
    auto form = openWindow();
    verifyOnScreen(form.get());
    QVERIFY(walkLargestDecision(form.get()));
    QCOMPARE(page(form.get()), 4);
    form->showMaximized();
    QTRY_VERIFY(form->isMaximized());
    QTRY_COMPARE(form->frameGeometry().size(), form->screen()->availableGeometry().size());
    const int available = form->screen()->availableGeometry().width();

    auto *notebook = find<QStackedWidget>(form.get(), "Notebook");
    for (int p = 0; p < notebook->count(); ++p) {
        notebook->setCurrentIndex(p);
        form->FormResize();
        QCoreApplication::processEvents();
        screenshot(form.get(), QStringLiteral("maximised-page%1").arg(p));
    }
    // The names page gives its room to the lists and their editors.
    auto *choices = find<QListWidget>(form.get(), "Choices");
    auto *altList = find<QListWidget>(form.get(), "AltList");
    QVERIFY2(choices->width() + altList->width() > available / 2, qPrintable(QString::number(choices->width())));
    QVERIFY(choices->height() > find<QWidget>(form.get(), "NamesPage")->height() / 2);
    QCOMPARE(find<QLineEdit>(form.get(), "ChoiceName")->width(), choices->width());
    for (const char *name : {"ChoiceTab", "CompTab", "GlobTab", "Globales"}) {
        auto *grid = find<StringGrid>(form.get(), name);
        for (QWidget *w = grid; w; w = w->parentWidget())
            if (notebook->indexOf(w) >= 0)
                notebook->setCurrentWidget(w);
        form->FormResize();
        verifyTextsWhole(grid);
        if (QTest::currentTestFailed())
            return;
    }
    notebook->setCurrentIndex(4);
    form->FormResize();
    QCoreApplication::processEvents();
    verifyWrappedWhole(find<NameLegend>(form.get(), "ResultLegend"));
    auto *ranking = find<RankingBars>(form.get(), "RankingBars");
    QVERIFY(ranking->height() >= ranking->minimumSizeHint().height());

    QVERIFY(click(find<QPushButton>(form.get(), "SensitivityBtn")));
    auto *sensitivity = form->findChild<SensitivityWindow *>();
    QVERIFY(sensitivity);
    QVERIFY(QTest::qWaitForWindowExposed(sensitivity));
    QCoreApplication::processEvents();
    screenshot(sensitivity, QStringLiteral("sensitivity"));
    verifyOnScreen(sensitivity);
    for (const char *name : {"printSheet", "closeSensitivity"}) {
        auto *button = find<QPushButton>(sensitivity, name);
        QVERIFY2(sensitivity->rect().contains(QRect(button->mapTo(sensitivity, QPoint()), button->size())), name);
    }
    // Whatever does not fit scrolls; the labels inside keep every line.
    auto *content = find<QWidget>(sensitivity, "sensitivityContent");
    QVERIFY(content->height() >= content->minimumHeight());
    for (QLabel *label : content->findChildren<QLabel *>()) {
        if (label->wordWrap())
            verifyWrappedWhole(label);
    }
    sensitivity->close();

    QVERIFY(click(find<QPushButton>(form.get(), "HelpBtn")));
    QWidget *help = &HelpViewer::instance();
    QVERIFY(QTest::qWaitForWindowExposed(help));
    verifyOnScreen(help);
    closeHelp(form.get());
}

ANALYZE_WINDOW_TEST_MAIN(TstWholeTexts)
#include "tst_wholetexts.moc"
