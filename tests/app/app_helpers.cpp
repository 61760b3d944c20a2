#include "app_helpers.h"

#include "app/application.h"
#include "platform/errordisplay.h"
#include "platform/filechooser.h"
#include "platform/helpviewer.h"
#include "platform/questionbox.h"
#include "platform/stringgrid.h"

#include <QDir>
#include <QLocale>
#include <QLineEdit>
#include <QStatusBar>
#include <QStackedWidget>

#include <algorithm>

// QVERIFY and QCOMPARE leave only the function they are in; a helper's failed step must end
// its caller too, so the helpers answer whether every step held (callers write QVERIFY(step())),
// and after a failure they take no further step.
#define STEP_VERIFY(statement, description)                                                        \
    do {                                                                                           \
        if (!QTest::qVerify(static_cast<bool>(statement), #statement, description, __FILE__, __LINE__)) \
            return false;                                                                          \
    } while (false)
#define STEP_COMPARE(actual, expected)                                                             \
    do {                                                                                           \
        if (!QTest::qCompare(actual, expected, #actual, #expected, __FILE__, __LINE__))            \
            return false;                                                                          \
    } while (false)
#define STEPS_STILL_HOLD()                                                                         \
    do {                                                                                           \
        if (QTest::currentTestFailed())                                                            \
            return false;                                                                          \
    } while (false)

namespace WindowTest {

QStringList &errors()
{
    static QStringList list;
    return list;
}

bool &printAnswer()
{
    static bool answer = false;
    return answer;
}

int &questionsAsked()
{
    static int count = 0;
    return count;
}

SaveQuestion::Answer &saveAnswer()
{
    static SaveQuestion::Answer answer = SaveQuestion::Answer::Discard;
    return answer;
}

int &saveQuestionsAsked()
{
    static int count = 0;
    return count;
}

QStringList &chosenFiles()
{
    static QStringList files;
    return files;
}

int &fileDialogsShown()
{
    static int count = 0;
    return count;
}

QString configHome()
{
    return QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
}

void prepare(QApplication &app)
{
    prepareApplication(app);
    ErrorDisplay::setSink([](const QString &message) { errors() << message; });
    QuestionBox::setResponder([](const QString &, const QString &) {
        ++questionsAsked();
        return printAnswer();
    });
    SaveQuestion::setResponder([](const QString &) {
        ++saveQuestionsAsked();
        return saveAnswer();
    });
    FileChooser::setResponder([](const QString &, bool) {
        ++fileDialogsShown();
        return chosenFiles();
    });
}

std::unique_ptr<TMainForm> openWindow()
{
    auto form = std::make_unique<TMainForm>();
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get()))
        qWarning("the main window did not become active");
    return form;
}

bool click(QPushButton *button)
{
    STEPS_STILL_HOLD();
    STEP_VERIFY(button->isEnabled(), qPrintable(button->objectName() + QStringLiteral(" is disabled")));
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

void clickCell(StringGrid *grid, int col, int row)
{
    const QModelIndex index = grid->model()->index(row, col);
    grid->scrollTo(index);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->visualRect(index).center());
}

bool type(const QString &text)
{
    STEPS_STILL_HOLD();
    for (const QChar ch : text) {
        QWidget *target = QApplication::focusWidget();
        STEP_VERIFY(target, "no control has the focus");
        Qt::Key key = Qt::Key_unknown;
        if (ch.unicode() >= 0x20 && ch.unicode() < 0x7f)
            key = Qt::Key(QChar(ch).toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, target, key, QString(ch), Qt::NoModifier);
    }
    return true;
}

bool replaceText(QLineEdit *edit, const QString &text)
{
    STEPS_STILL_HOLD();
    edit->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    return type(text);
}

bool pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    STEPS_STILL_HOLD();
    QWidget *target = QApplication::focusWidget();
    STEP_VERIFY(target, "no control has the focus");
    QTest::keyClick(target, key, modifiers);
    return true;
}

bool enterJudgement(StringGrid *grid, int col, int row, const QString &text)
{
    STEPS_STILL_HOLD();
    clickCell(grid, col, row);
    STEP_COMPARE(grid->col(), col);
    STEP_COMPARE(grid->row(), row);
    return type(text) && pressKey(Qt::Key_Return);
}

bool enterMatrix(StringGrid *grid, const QList<QStringList> &upperRows)
{
    for (int i = 0; i < upperRows.size(); ++i) {
        for (int k = 0; k < upperRows.at(i).size(); ++k) {
            const int row = i + 1;
            const int col = row + 1 + k;
            if (!enterJudgement(grid, col, row, upperRows.at(i).at(k)))
                return false;
        }
    }
    return true;
}

QString status(const TMainForm *form)
{
    return find<QStatusBar>(form, "StatusLine")->currentMessage();
}

int page(const TMainForm *form)
{
    return find<QStackedWidget>(form, "Notebook")->currentIndex();
}

void setCounts(TMainForm *form, int criteria, int alternatives)
{
    auto *kriters = find<UpDown>(form, "UpDownKrit");
    auto *alters = find<UpDown>(form, "UpDownAlt");
    while (kriters->position() != criteria)
        kriters->press(kriters->position() < criteria ? UpDown::Next : UpDown::Prior);
    while (alters->position() != alternatives)
        alters->press(alters->position() < alternatives ? UpDown::Next : UpDown::Prior);
}

void screenshot(QWidget *window, const QString &name)
{
    const QString folder = QString::fromLocal8Bit(qgetenv("ANALYZE_SCREENSHOTS"));
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

}

namespace WindowTest {

void clickArrow(UpDown *spin, UpDown::Button button)
{
    const int y = button == UpDown::Next ? spin->height() / 4 : spin->height() * 3 / 4;
    QTest::mouseClick(spin, Qt::LeftButton, Qt::NoModifier, QPoint(spin->width() / 2, y));
}

bool clickCountsTo(TMainForm *form, int criteria, int alternatives)
{
    STEPS_STILL_HOLD();
    auto *kriters = find<UpDown>(form, "UpDownKrit");
    auto *alters = find<UpDown>(form, "UpDownAlt");
    for (int guard = 0; kriters->position() != criteria && guard < 20; ++guard)
        clickArrow(kriters, kriters->position() < criteria ? UpDown::Next : UpDown::Prior);
    for (int guard = 0; alters->position() != alternatives && guard < 20; ++guard)
        clickArrow(alters, alters->position() < alternatives ? UpDown::Next : UpDown::Prior);
    STEP_COMPARE(kriters->position(), criteria);
    STEP_COMPARE(alters->position(), alternatives);
    return true;
}

QList<QStringList> uniformUpper(int n, const QString &text)
{
    QList<QStringList> rows;
    for (int i = 0; i < n - 1; ++i) {
        QStringList row;
        for (int j = i + 1; j < n; ++j)
            row << text;
        rows << row;
    }
    return rows;
}

bool goToCriteriaPage(TMainForm *form, int criteria, int alternatives)
{
    STEPS_STILL_HOLD();
    STEP_COMPARE(page(form), 0);
    auto *next = find<QPushButton>(form, "NextBtn");
    if (!clickCountsTo(form, criteria, alternatives) || !click(next) || !click(next))
        return false;
    STEP_COMPARE(page(form), 2);
    return true;
}

bool goToAlternativesPage(TMainForm *form, int criteria, int alternatives)
{
    if (!goToCriteriaPage(form, criteria, alternatives)
        || !enterMatrix(find<StringGrid>(form, "ChoiceTab"), uniformUpper(criteria, QStringLiteral("1")))
        || !click(find<QPushButton>(form, "NextBtn")))
        return false;
    STEP_COMPARE(page(form), 3);
    return true;
}

bool drawnRed(const QLineEdit *edit)
{
    const QColor text = edit->palette().color(QPalette::Text);
    return text.red() > 2 * std::max(text.green(), text.blue()) && text != QApplication::palette(edit).color(QPalette::Text);
}

bool drawnInWindowText(const QLineEdit *edit)
{
    return edit->palette().color(QPalette::Text) == QApplication::palette(edit).color(QPalette::Text);
}

QString localised(const QString &number)
{
    QString text = number;
    return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

void closeHelp(QWidget *window)
{
    HelpViewer::instance().hide();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qWarning("the main window did not become active again");
}

}

#include <QHeaderView>

namespace WindowTest {

bool enterRemainingAltMatrices(TMainForm *form, const QString &text)
{
    auto *compTab = find<StringGrid>(form, "CompTab");
    auto *nextMatrix = find<QPushButton>(form, "NextMatrixBtn");
    const int m = form->alternativesCount();
    for (;;) {
        if (!enterMatrix(compTab, uniformUpper(m, text)))
            return false;
        if (!nextMatrix->isEnabled())
            return true;
        if (!click(nextMatrix))
            return false;
    }
}

bool goToResultPage(TMainForm *form, int criteria, int alternatives)
{
    if (!goToAlternativesPage(form, criteria, alternatives) || !enterRemainingAltMatrices(form, QStringLiteral("1"))
        || !click(find<QPushButton>(form, "NextBtn")))
        return false;
    STEP_COMPARE(page(form), 4);
    return true;
}

bool resizeGridWidth(TMainForm *form, StringGrid *grid, int width)
{
    STEPS_STILL_HOLD();
    form->resize(form->width() + width - grid->width(), form->height());
    // The comparison below says whether the width came in time.
    (void)QTest::qWaitFor([&] { return grid->width() == width; });
    STEP_COMPARE(grid->width(), width);
    return true;
}

void clickColumnHeader(StringGrid *grid, int col)
{
    const QModelIndex index = grid->model()->index(1, col);
    grid->scrollTo(index);
    QHeaderView *header = grid->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(col) + header->sectionSize(col) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

}
