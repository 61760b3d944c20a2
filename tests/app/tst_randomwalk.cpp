// A careless person at the window: random clicks on whatever button is there and enabled,
// random cells, random keys and texts (refused characters, blanks, huge numbers, pasted
// texts), random window sizes. After every step the window must still be in a state the
// program can be in, and no judgement the person settled may have changed behind their back.
//
// ANALYZE_WALK_STEPS sets the number of steps, ANALYZE_WALK_SEED the seed; the seed is printed
// so that a failing walk can be run again step for step.

#include "app_helpers.h"

#include "analysis/revisionpanel.h"
#include "entry/reciprocal.h"
#include "platform/helpviewer.h"
#include "platform/stringgrid.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QRandomGenerator>
#include <QStackedWidget>

using namespace WindowTest;

namespace {

constexpr int DefaultSteps = 3000;
constexpr quint32 DefaultSeed = 20240611;
constexpr int TracedSteps = 25;

enum Page { TitlePage = 0, NamesPage = 1, CriteriaPage = 2, AlternativesPage = 3, ResultPage = 4 };

int pairKey(int criterion, int i, int j)
{
    return (criterion * 16 + i) * 16 + j;
}

int envNumber(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// A pair of judgement cells whose texts are each other's reciprocal text both ways: every
// mirroring rewrites such a pair with the texts it already holds.
bool settled(const QString &upper, const QString &lower)
{
    return !upper.isEmpty() && !lower.isEmpty() && reciprocalText(upper) == lower && reciprocalText(lower) == upper;
}

const QStringList CarelessTexts = {
    QStringLiteral("99999999999999999999"), QStringLiteral("1/0"), QStringLiteral(" "), QStringLiteral("1e308"),
    QStringLiteral("0"), QStringLiteral("1/"), QStringLiteral("/5"), QStringLiteral("1//2"), QStringLiteral("2/3"),
    QStringLiteral("1/12345678901234"), QStringLiteral("09"), QStringLiteral("-3"), QStringLiteral("3,5"),
    QStringLiteral("1/9"), QStringLiteral("9"), QStringLiteral("10"), QStringLiteral("abc"), QStringLiteral("Ж"),
    QStringLiteral("٣"), QStringLiteral("'"), QStringLiteral("1 000"), QStringLiteral(""),
};
const QStringList Judgements = {
    QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("7"),
    QStringLiteral("9"), QStringLiteral("1/2"), QStringLiteral("1/3"), QStringLiteral("1/7"), QStringLiteral("1/9"),
};
const QList<QKeyCombination> SpecialKeys = {
    Qt::Key_Return, Qt::Key_Enter, Qt::Key_Backspace, Qt::Key_Escape, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
    Qt::Key_Down, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Delete, Qt::Key_F2, Qt::Key_Home, Qt::Key_End,
    Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_F1, Qt::SHIFT | Qt::Key_Insert, Qt::CTRL | Qt::Key_V,
    Qt::CTRL | Qt::Key_X, Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::SHIFT | Qt::Key_Z,
    // Undo and Redo again: a person who undoes, undoes more than once.
    Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::SHIFT | Qt::Key_Z,
};
const QString TypedCharacters = QStringLiteral("0123456789//////  .,-eEaZжЯ'");

QtMessageHandler previousHandler = nullptr;

// The offscreen platform says for every window shown that it cannot raise it; thousands of
// steps would bury the walk's own lines under that.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    previousHandler(type, context, message);
}

} // namespace

class TstRandomWalk : public QObject
{
    Q_OBJECT
private slots:
    void walk();

private:
    // One step: a random thing a person might do. Returns what it did, for the trace.
    QString step();
    QString clickButton();
    QString clickSpin();
    QString clickCell(bool twice);
    QString pressKey();
    QString typeText(const QString &text);
    QString paste();
    QString editName();
    QString fillShownMatrix();
    void fillMatrix(StringGrid *grid);
    QString resizeWindow();

    void sendCharacter(QChar ch);
    void sendKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    QWidget *focusInWindow() const;
    // Controls by name, looked up once: a search of the whole window per look would cost more
    // than the step it serves.
    template <typename T>
    T *widget(const char *name)
    {
        QWidget *&w = m_widgets[QByteArray(name)];
        if (!w)
            w = find<T>(m_form.get(), name);
        return static_cast<T *>(w);
    }
    int shownPage() { return widget<QStackedWidget>("Notebook")->currentIndex(); }
    StringGrid *shownGrid();
    StringGrid *focusedGrid();
    void markCurrentPair(StringGrid *grid);
    QString checkDocument();
    // Hides the help window, which any F1 or help click may open, and gives the main window
    // its activation back.
    void closeHelp();
    // A suggestion of the alternatives' revision panel, put in by its button (clicked, or
    // pressed with the space bar once the arrow keys brought focus to it), is the person's own
    // edit of that pair.
    void watchRevisions();

    QString checkInvariants();
    QString checkJudgements();

    std::unique_ptr<TMainForm> m_form;
    QHash<QByteArray, QWidget *> m_widgets;
    QRandomGenerator m_random;
    int m_n = 0;
    int m_m = 0;
    bool m_prepared = false;
    // Settled pairs of the alternatives matrices, by pairKey(criterion, i, j) with i < j: the
    // texts of grid cells (j, i) and (i, j).
    QMap<int, QPair<QString, QString>> m_settled;
    QSet<int> m_touched;
    QMap<QString, int> m_actions;
    QMap<QString, qint64> m_actionNanoseconds;
    int m_pageVisits[5] = {};
    int m_resets = 0;
    int m_restarts = 0;
    qint64 m_pairChecks = 0;
};

void TstRandomWalk::walk()
{
    const int steps = envNumber("ANALYZE_WALK_STEPS", DefaultSteps);
    const quint32 seed = quint32(envNumber("ANALYZE_WALK_SEED", int(DefaultSeed)));
    previousHandler = qInstallMessageHandler(quietHandler);
    qInfo("random walk: seed %u, %d steps", seed, steps);
    m_random.seed(seed);
    printAnswer() = false;
    errors().clear();
    m_form = openWindow();
    watchRevisions();

    QStringList trace;
    qint64 eventNanoseconds = 0;
    qint64 checkNanoseconds = 0;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < steps; ++i) {
        m_touched.clear();
        const QString done = step();
        QElapsedTimer eventClock;
        eventClock.start();
        QApplication::processEvents();
        // A test function runs outside any event loop, where processEvents() never delivers a
        // deferred deletion: without this, every closed cell editor and context menu would
        // stay in memory until the end of the walk, as they never do in the running program.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        closeHelp();
        eventNanoseconds += eventClock.nsecsElapsed();
        if (!m_form->isVisible()) {
            // The close button, reached with Tab and pressed with the space bar: the person
            // starts the program again.
            QVERIFY2(errors().isEmpty(), qPrintable(errors().join(QLatin1Char('\n'))));
            m_widgets.clear();
            m_form.reset();
            m_form = openWindow();
            watchRevisions();
            m_prepared = false;
            m_settled.clear();
            ++m_restarts;
        }
        if (!m_prepared && m_form->model().SessionPrepared) {
            ++m_resets;
            m_prepared = true;
            m_n = m_form->decision()->criteriaCount();
            m_m = m_form->decision()->alternativesCount();
            m_settled.clear();
        }
        trace << QStringLiteral("%1: %2").arg(i).arg(done);
        if (trace.size() > TracedSteps)
            trace.removeFirst();
        ++m_pageVisits[qBound(0, shownPage(), 4)];

        QElapsedTimer checkClock;
        checkClock.start();
        const QString problem = checkInvariants();
        checkNanoseconds += checkClock.nsecsElapsed();
        if (!problem.isEmpty()) {
            qWarning("seed %u, last steps:\n%s", seed, qPrintable(trace.join(QLatin1Char('\n'))));
            QFAIL(qPrintable(QStringLiteral("step %1: %2").arg(i).arg(problem)));
        }
    }

    QStringList counts;
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it)
        counts << QStringLiteral("%1 %2 (%3 ms)").arg(it.key()).arg(it.value()).arg(m_actionNanoseconds.value(it.key()) / 1000000);
    qInfo("%d steps in %lld ms; restarts %d, resets %d; steps ending on pages 0-4: %d %d %d %d %d; settled pairs checked %lld",
          steps, clock.elapsed(), m_restarts, m_resets, m_pageVisits[0], m_pageVisits[1], m_pageVisits[2], m_pageVisits[3],
          m_pageVisits[4], m_pairChecks);
    qInfo("actions: %s; events between steps %lld ms; checks %lld ms", qPrintable(counts.join(QStringLiteral(", "))),
          eventNanoseconds / 1000000, checkNanoseconds / 1000000);

    // The person closes the window with its own button.
    closeHelp();
    QTest::mouseClick(widget<QPushButton>("BitBtn4"), Qt::LeftButton);
    QVERIFY(!m_form->isVisible());
    QVERIFY2(errors().isEmpty(), qPrintable(errors().join(QLatin1Char('\n'))));
    m_widgets.clear();
    m_form.reset();
}

QString TstRandomWalk::step()
{
    const int roll = int(m_random.bounded(100));
    QElapsedTimer clock;
    clock.start();
    QString done;
    if (roll < 14)
        done = clickButton();
    else if (roll < 20)
        done = clickSpin();
    else if (roll < 36)
        done = clickCell(false);
    else if (roll < 39)
        done = clickCell(true);
    else if (roll < 68)
        done = pressKey();
    else if (roll < 78)
        done = typeText(m_random.bounded(2) ? CarelessTexts.at(int(m_random.bounded(CarelessTexts.size())))
                                            : Judgements.at(int(m_random.bounded(Judgements.size()))));
    else if (roll < 82)
        done = paste();
    else if (roll < 91)
        done = editName();
    else if (roll < 95)
        done = fillShownMatrix();
    else
        done = resizeWindow();
    const QString kind = done.startsWith(QLatin1String("button")) ? done : done.section(QLatin1Char(' '), 0, 0);
    m_actions[kind]++;
    m_actionNanoseconds[kind] += clock.nsecsElapsed();
    return done;
}

QString TstRandomWalk::clickButton()
{
    static const char *const names[] = {"NextBtn", "PriorBtn", "PrintBtn", "HelpBtn", "CalcBtn",
                                        "CalcBtn2", "PriorMatrixBtn", "NextMatrixBtn"};
    QList<QPushButton *> usable;
    for (const char *name : names) {
        auto *button = widget<QPushButton>(name);
        if (button->isVisible() && button->isEnabled())
            usable << button;
    }
    // The wizard's own buttons are what a person clicks most.
    auto *next = widget<QPushButton>("NextBtn");
    if (next->isEnabled())
        usable << next << next;
    auto *prior = widget<QPushButton>("PriorBtn");
    if (prior->isEnabled())
        usable << prior << prior;
    if (usable.isEmpty())
        return QStringLiteral("button none");
    QPushButton *button = usable.at(int(m_random.bounded(usable.size())));
    QTest::mouseClick(button, Qt::LeftButton);
    return QStringLiteral("button ") + button->objectName();
}

QString TstRandomWalk::clickSpin()
{
    auto *spin = widget<UpDown>(m_random.bounded(2) ? "UpDownKrit" : "UpDownAlt");
    if (!spin->isVisible())
        return pressKey();
    const bool up = m_random.bounded(2);
    const int y = up ? spin->height() / 4 : spin->height() * 3 / 4;
    QTest::mouseClick(spin, Qt::LeftButton, Qt::NoModifier, QPoint(spin->width() / 2, y));
    return QStringLiteral("spin %1 %2").arg(spin->objectName(), up ? QStringLiteral("up") : QStringLiteral("down"));
}

QString TstRandomWalk::clickCell(bool twice)
{
    StringGrid *grid = shownGrid();
    if (!grid)
        return pressKey();
    const int col = int(m_random.bounded(grid->colCount()));
    const int row = int(m_random.bounded(grid->rowCount()));
    const QModelIndex index = grid->model()->index(row, col);
    grid->scrollTo(index);
    const QRect rect = grid->visualRect(index);
    if (rect.isEmpty())
        return QStringLiteral("cell hidden %1,%2").arg(col).arg(row);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    if (twice) {
        // QTest's double click on a widget is the second press alone; a hand gives the first
        // click too.
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }
    return QStringLiteral("cell%1 %2 %3,%4").arg(twice ? QStringLiteral(" double") : QString(), grid->objectName()).arg(col).arg(row);
}

QString TstRandomWalk::pressKey()
{
    if (m_random.bounded(3) == 0) {
        const QKeyCombination key = SpecialKeys.at(int(m_random.bounded(SpecialKeys.size())));
        sendKey(key.key(), key.keyboardModifiers());
        return QStringLiteral("key %1").arg(QKeySequence(key).toString());
    }
    const QChar ch = TypedCharacters.at(int(m_random.bounded(TypedCharacters.size())));
    sendCharacter(ch);
    return QStringLiteral("key '%1'").arg(ch);
}

QString TstRandomWalk::typeText(const QString &text)
{
    for (const QChar ch : text)
        sendCharacter(ch);
    if (m_random.bounded(2))
        sendKey(Qt::Key_Return);
    return QStringLiteral("type '%1'").arg(text);
}

QString TstRandomWalk::paste()
{
    // The cell editor's and the name fields' own paste, as from their context menu.
    auto *edit = qobject_cast<QLineEdit *>(focusInWindow());
    if (!edit) {
        if (focusedGrid())
            sendKey(Qt::Key_F2);
        edit = qobject_cast<QLineEdit *>(focusInWindow());
    }
    if (!edit || edit->isReadOnly())
        return QStringLiteral("paste nowhere");
    const QString text = CarelessTexts.at(int(m_random.bounded(CarelessTexts.size())));
    QGuiApplication::clipboard()->setText(text);
    markCurrentPair(focusedGrid());
    edit->paste();
    markCurrentPair(focusedGrid());
    return QStringLiteral("paste '%1' into %2").arg(text, edit->objectName());
}

QString TstRandomWalk::editName()
{
    const int shown = shownPage();
    if (shown == TitlePage) {
        auto *name = widget<QLineEdit>("StudentName");
        QTest::mouseClick(name, Qt::LeftButton);
        return typeText(CarelessTexts.at(int(m_random.bounded(CarelessTexts.size()))));
    }
    if (shown != NamesPage)
        return pressKey();
    const bool criteria = m_random.bounded(2);
    auto *list = widget<QListWidget>(criteria ? "Choices" : "AltList");
    auto *edit = widget<QLineEdit>(criteria ? "ChoiceName" : "ChoiceAlt");
    if (m_random.bounded(2) && list->count() > 0) {
        QListWidgetItem *item = list->item(int(m_random.bounded(list->count())));
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(item).center());
        return QStringLiteral("name pick %1 %2").arg(list->objectName()).arg(list->row(item));
    }
    QTest::mouseClick(edit, Qt::LeftButton);
    if (m_random.bounded(2))
        sendKey(Qt::Key_A, Qt::ControlModifier);
    static const QStringList names = {QStringLiteral("Цена"), QStringLiteral("O'Brien"), QStringLiteral(" "),
                                      QStringLiteral("Очень длинное название критерия, которое не помещается"),
                                      QStringLiteral("1/3"), QString()};
    typeText(names.at(int(m_random.bounded(names.size()))));
    return QStringLiteral("name type %1").arg(edit->objectName());
}

QString TstRandomWalk::fillShownMatrix()
{
    // A diligent moment: every judgement above the diagonal typed and confirmed with Enter; on
    // the alternatives page often one matrix after the other, and often on to the next page.
    StringGrid *grid = shownGrid();
    if (!grid || !grid->cellsEditable())
        return pressKey();
    int matrices = 0;
    auto *nextMatrix = widget<QPushButton>("NextMatrixBtn");
    const bool all = m_random.bounded(2);
    do {
        fillMatrix(grid);
        ++matrices;
        if (!all || !nextMatrix->isVisible() || !nextMatrix->isEnabled())
            break;
        QTest::mouseClick(nextMatrix, Qt::LeftButton);
    } while (matrices < MaxCriteria);
    if (m_random.bounded(2))
        QTest::mouseClick(widget<QPushButton>("NextBtn"), Qt::LeftButton);
    return QStringLiteral("fill %1 %2").arg(grid->objectName()).arg(matrices);
}

void TstRandomWalk::fillMatrix(StringGrid *grid)
{
    const int items = grid->colCount() - 2;
    for (int row = 1; row <= items; ++row) {
        for (int col = row + 1; col <= items; ++col) {
            const QModelIndex index = grid->model()->index(row, col);
            grid->scrollTo(index);
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->visualRect(index).center());
            if (grid->col() != col || grid->row() != row)
                continue;
            markCurrentPair(grid);
            sendKey(Qt::Key_A, Qt::ControlModifier);
            for (const QChar ch : Judgements.at(int(m_random.bounded(Judgements.size()))))
                sendCharacter(ch);
            sendKey(Qt::Key_Return);
        }
    }
}

QString TstRandomWalk::resizeWindow()
{
    static const QSize fixedSizes[] = {{50, 50}, {120, 90}, {640, 480}, {2400, 1600}};
    QSize size;
    if (m_random.bounded(2))
        size = fixedSizes[m_random.bounded(4)];
    else
        size = QSize(200 + int(m_random.bounded(1200)), 150 + int(m_random.bounded(900)));
    m_form->resize(size);
    return QStringLiteral("resize %1x%2").arg(size.width()).arg(size.height());
}

void TstRandomWalk::sendCharacter(QChar ch)
{
    QWidget *target = focusInWindow();
    if (!target)
        return;
    StringGrid *grid = focusedGrid();
    markCurrentPair(grid);
    Qt::Key key = Qt::Key_unknown;
    if (ch.unicode() >= 0x20 && ch.unicode() < 0x7f)
        key = Qt::Key(ch.toUpper().unicode());
    QTest::sendKeyEvent(QTest::Click, target, key, QString(ch), Qt::NoModifier);
    markCurrentPair(grid);
}

void TstRandomWalk::sendKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget *target = focusInWindow();
    if (!target)
        return;
    StringGrid *grid = focusedGrid();
    markCurrentPair(grid);
    QTest::keyClick(target, key, modifiers);
    markCurrentPair(grid);
}

QWidget *TstRandomWalk::focusInWindow() const
{
    QWidget *focus = QApplication::focusWidget();
    return focus && focus->window() == m_form.get() ? focus : nullptr;
}

StringGrid *TstRandomWalk::shownGrid()
{
    switch (shownPage()) {
    case CriteriaPage:
        return widget<StringGrid>("ChoiceTab");
    case AlternativesPage:
        return widget<StringGrid>("CompTab");
    case ResultPage:
        return widget<StringGrid>(m_random.bounded(2) ? "GlobTab" : "Globales");
    default:
        return nullptr;
    }
}

StringGrid *TstRandomWalk::focusedGrid()
{
    for (QWidget *w = focusInWindow(); w; w = w->parentWidget()) {
        if (auto *grid = qobject_cast<StringGrid *>(w))
            return grid;
    }
    return nullptr;
}

void TstRandomWalk::markCurrentPair(StringGrid *grid)
{
    // Only what reaches a cell of the alternatives grid edits a stored judgement.
    if (!grid || grid->objectName() != QLatin1String("CompTab") || shownPage() != AlternativesPage)
        return;
    const int col = grid->col();
    const int row = grid->row();
    if (col < 1 || row < 1 || col == row)
        return;
    m_touched.insert(pairKey(m_form->model().CurrentCriterion, qMin(col, row), qMax(col, row)));
}

void TstRandomWalk::watchRevisions()
{
    // A new document (a count changed, or its change undone) starts the checks over; an undone
    // or redone step is the person's own edit of whatever it held.
    const Decision *decision = m_form->decision();
    connect(decision, &Decision::documentReset, this, [this] {
        m_prepared = false;
        m_settled.clear();
    });
    connect(decision, &Decision::editShown, this, [this] { m_settled.clear(); });
    auto *panel = m_form->findChild<RevisionPanel *>(QStringLiteral("CompTabRevisions"));
    QVERIFY(panel);
    connect(panel, &RevisionPanel::judgementApplied, this, [this](int col, int row) {
        m_touched.insert(pairKey(m_form->model().CurrentCriterion, qMin(col, row), qMax(col, row)));
    });
}

void TstRandomWalk::closeHelp()
{
    HelpViewer &help = HelpViewer::instance();
    if (!help.isVisible())
        return;
    help.hide();
    m_form->activateWindow();
    QApplication::processEvents();
}

QString TstRandomWalk::checkInvariants()
{
    if (!errors().isEmpty())
        return QStringLiteral("the error display showed: ") + errors().join(QLatin1Char('\n'));

    const TMainForm *form = m_form.get();
    const DecisionModel &model = form->model();
    const int shown = shownPage();
    if (shown < TitlePage || shown > ResultPage)
        return QStringLiteral("page %1 shown").arg(shown);

    const bool prior = widget<QPushButton>("PriorBtn")->isEnabled();
    const bool print = widget<QPushButton>("PrintBtn")->isEnabled();
    const bool next = widget<QPushButton>("NextBtn")->isEnabled();
    if (prior != (shown != TitlePage) || print != (shown != TitlePage) || next != (shown != ResultPage))
        return QStringLiteral("page %1 with PriorBtn %2, PrintBtn %3, NextBtn %4").arg(shown).arg(prior).arg(print).arg(next);

    if (!m_prepared) {
        if (shown != TitlePage)
            return QStringLiteral("page %1 before any reset").arg(shown);
        return QString();
    }
    const int n = m_n;
    const int m = m_m;
    if (shown != TitlePage && (!model.SessionPrepared || form->criteriaCount() != n || form->alternativesCount() != m))
        return QStringLiteral("page %1 with counts %2, %3 after a reset for %4, %5")
                .arg(shown).arg(form->criteriaCount()).arg(form->alternativesCount()).arg(n).arg(m);
    if (widget<QListWidget>("Choices")->count() != n || widget<QListWidget>("AltList")->count() != m)
        return QStringLiteral("name lists of %1 and %2 entries for %3 criteria and %4 alternatives")
                .arg(widget<QListWidget>("Choices")->count()).arg(widget<QListWidget>("AltList")->count()).arg(n).arg(m);

    for (int c = 0; c < n; ++c) {
        for (int k = 0; k < m; ++k) {
            if (model.AltMatrixText.value(c, k, k) != QLatin1String("1") || model.AltMatrixValue.value(c, k, k) != 1.0)
                return QStringLiteral("criterion %1 stores %2 on the diagonal at %3").arg(c).arg(model.AltMatrixText.value(c, k, k)).arg(k);
        }
    }

    const StringGrid *compTab = widget<StringGrid>("CompTab");
    if (compTab->rowCount() != m + 1 || compTab->colCount() != m + 2)
        return QStringLiteral("CompTab of %1 x %2 for %3 alternatives").arg(compTab->colCount()).arg(compTab->rowCount()).arg(m);
    const StringGrid *globTab = widget<StringGrid>("GlobTab");
    const StringGrid *globales = widget<StringGrid>("Globales");
    if (globTab->rowCount() != m + 1 || globales->colCount() != m + 1 || globales->rowCount() != 2)
        return QStringLiteral("result grids of the wrong shape for %1 alternatives").arg(m);

    if (shown >= CriteriaPage) {
        const StringGrid *choiceTab = widget<StringGrid>("ChoiceTab");
        if (choiceTab->colCount() != n + 2 || choiceTab->rowCount() != n + 1)
            return QStringLiteral("ChoiceTab of %1 x %2 for %3 criteria").arg(choiceTab->colCount()).arg(choiceTab->rowCount()).arg(n);
        for (int k = 1; k <= n; ++k) {
            if (choiceTab->cell(k, k) != QLatin1String("1"))
                return QStringLiteral("ChoiceTab shows %1 on the diagonal at %2").arg(choiceTab->cell(k, k)).arg(k);
        }
    }
    if (shown >= AlternativesPage) {
        const int c = model.CurrentCriterion;
        if (c < 0 || c >= n)
            return QStringLiteral("CurrentCriterion %1 with %2 criteria").arg(c).arg(n);
        for (int k = 1; k <= m; ++k) {
            if (compTab->cell(k, k) != QLatin1String("1"))
                return QStringLiteral("CompTab shows %1 on the diagonal at %2").arg(compTab->cell(k, k)).arg(k);
        }
    }
    if (shown == AlternativesPage) {
        const int c = model.CurrentCriterion;
        if (widget<QPushButton>("PriorMatrixBtn")->isEnabled() != (c != 0)
                || widget<QPushButton>("NextMatrixBtn")->isEnabled() != (c != n - 1))
            return QStringLiteral("matrix arrows in the wrong state on criterion %1 of %2").arg(c).arg(n);
        if (widget<QLineEdit>("ChoiceName2")->text() != widget<QListWidget>("Choices")->item(c)->text())
            return QStringLiteral("ChoiceName2 does not name criterion %1").arg(c);
    }
    if (const QString problem = checkDocument(); !problem.isEmpty())
        return problem;
    return checkJudgements();
}

QString TstRandomWalk::checkDocument()
{
    // The document holds what the screen shows: every name of the lists, every cell of the
    // criteria grid, every alternatives matrix in its store or, for the one shown, its grid.
    const Decision *decision = m_form->decision();
    const DecisionModel &model = m_form->model();
    const QChar point = decimalPointOf(QLocale());
    if (decision->criteriaCount() != m_n || decision->alternativesCount() != m_m)
        return QStringLiteral("the document holds %1 x %2, the screen %3 x %4")
                .arg(decision->criteriaCount()).arg(decision->alternativesCount()).arg(m_n).arg(m_m);
    const char *lists[] = {"Choices", "AltList"};
    for (NameList list : {NameList::Criteria, NameList::Alternatives}) {
        const auto *names = widget<QListWidget>(lists[int(list)]);
        for (int i = 0; i < names->count(); ++i) {
            if (names->item(i)->text() != decision->name(list, i))
                return QStringLiteral("%1 shows «%2» at %3, the document «%4»")
                        .arg(QLatin1String(lists[int(list)]), names->item(i)->text()).arg(i).arg(decision->name(list, i));
        }
    }
    const auto *choiceTab = widget<StringGrid>("ChoiceTab");
    const auto *compTab = widget<StringGrid>("CompTab");
    const bool altShown = shownPage() == AlternativesPage;
    for (int matrix = CriteriaMatrix; matrix < m_n; ++matrix) {
        const int order = matrix == CriteriaMatrix ? m_n : m_m;
        const bool inGrid = matrix == CriteriaMatrix || (altShown && matrix == model.CurrentCriterion);
        const StringGrid *grid = matrix == CriteriaMatrix ? choiceTab : compTab;
        for (int i = 0; i < order; ++i) {
            for (int j = 0; j < order; ++j) {
                if (i == j)
                    continue;
                const QString shown = inGrid ? grid->cell(j + 1, i + 1) : model.AltMatrixText.value(matrix, j, i);
                if (toFileText(shown, point) != decision->judgement(matrix, i, j))
                    return QStringLiteral("matrix %1, cell (%2, %3): «%4» shown, «%5» in the document")
                            .arg(matrix).arg(i).arg(j).arg(shown, decision->judgement(matrix, i, j));
            }
        }
    }
    return QString();
}

QString TstRandomWalk::checkJudgements()
{
    const DecisionModel &model = m_form->model();
    const StringGrid *compTab = widget<StringGrid>("CompTab");
    const bool shownNow = shownPage() == AlternativesPage;
    const int current = model.CurrentCriterion;
    const int m = m_m;

    // The pairs the person edited in this step start over from what they now hold.
    for (const int key : std::as_const(m_touched))
        m_settled.remove(key);

    for (int c = 0; c < m_n; ++c) {
        const bool inGrid = shownNow && c == current;
        for (int i = 1; i <= m; ++i) {
            for (int j = i + 1; j <= m; ++j) {
                const QString upper = inGrid ? compTab->cell(j, i) : model.AltMatrixText.value(c, j - 1, i - 1);
                const QString lower = inGrid ? compTab->cell(i, j) : model.AltMatrixText.value(c, i - 1, j - 1);
                const int key = pairKey(c, i, j);
                const auto it = m_settled.constFind(key);
                if (it == m_settled.cend()) {
                    // Wherever a pair is first seen settled (the store too: leaving the grid
                    // mirrors it on the way out), from then on it stays as it is.
                    if (settled(upper, lower))
                        m_settled.insert(key, {upper, lower});
                    continue;
                }
                ++m_pairChecks;
                if (upper != it->first || lower != it->second)
                    return QStringLiteral("criterion %1, pair (%2, %3): %4 and %5 %6, where %7 and %8 were settled")
                            .arg(c).arg(i).arg(j).arg(upper, lower, inGrid ? QStringLiteral("shown") : QStringLiteral("stored"),
                                                     it->first, it->second);
            }
        }
    }
    return QString();
}

ANALYZE_WINDOW_TEST_MAIN(TstRandomWalk)
#include "tst_randomwalk.moc"
