// Nothing cut off and typing that flows: the largest decision with long names keeps every text
// of every grid whole at the starting and the smallest window size, the sentence of a ten-way
// tie is shown whole, names go in with "name, Enter", each page takes the focus where typing
// goes on, and the smallest window keeps every control whole.

#include "app_helpers.h"

#include "platform/stringgrid.h"

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
            if (control->isWindow() || !control->parentWidget() || control->inherits("QScrollBar")
                || control->parentWidget()->inherits("QAbstractScrollArea"))
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

ANALYZE_WINDOW_TEST_MAIN(TstWholeTexts)
#include "tst_wholetexts.moc"
