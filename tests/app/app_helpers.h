#pragma once

#include "app/mainform.h"
#include "platform/savequestion.h"
#include "platform/updown.h"

#include <QApplication>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class StringGrid;
class QStatusBar;
class QLineEdit;

// Everything a window test shares: the program's own set-up, settings in a temporary folder,
// the error display and the print question answered by the test instead of a person.
namespace WindowTest {

// Messages that reached the standard error display since the last clear.
QStringList &errors();
// The answer the print question gets, and how often it was asked.
bool &printAnswer();
int &questionsAsked();
// The answer the question about unsaved changes gets, and how often it was asked.
SaveQuestion::Answer &saveAnswer();
int &saveQuestionsAsked();
// What the file dialogs choose (nothing: cancelled), and how often one was shown.
QStringList &chosenFiles();
int &fileDialogsShown();
// The temporary folder that stands in for the user's configuration folder.
QString configHome();

void prepare(QApplication &app);

// A fresh main window, shown and active, as after start-up.
std::unique_ptr<TMainForm> openWindow();

template <typename T>
T *find(const QWidget *root, const char *name)
{
    T *w = root->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control named %s", name);
    return w;
}

void click(QPushButton *button);
void clickCell(StringGrid *grid, int col, int row);
// Types each character of text to the widget that has the focus, as a person at the keyboard.
void type(const QString &text);
// Selects everything in the editor and types text over it.
void replaceText(QLineEdit *edit, const QString &text);
void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Clicks the cell, types text into it and presses Enter.
void enterJudgement(StringGrid *grid, int col, int row, const QString &text);
// Fills the whole upper triangle of a comparison grid from rows of judgements (row i, column j
// for j > i), each typed and mirrored with Enter.
void enterMatrix(StringGrid *grid, const QList<QStringList> &upperRows);

QString status(const TMainForm *form);
int page(const TMainForm *form);
void setCounts(TMainForm *form, int criteria, int alternatives);
// Saves a picture of the window when ANALYZE_SCREENSHOTS names a folder.
void screenshot(QWidget *window, const QString &name);

}

#define ANALYZE_WINDOW_TEST_MAIN(TestClass)                                                        \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        QTemporaryDir home;                                                                        \
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));                                \
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + QStringLiteral("/data")));        \
        QApplication app(argc, argv);                                                              \
        WindowTest::prepare(app);                                                                  \
        TestClass tc;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }

// Walking the window to a page and reading how it draws its results.
namespace WindowTest {

// A mouse click on the upper (Next) or lower (Prior) arrow of a spin control.
void clickArrow(UpDown *spin, UpDown::Button button);
// Sets both counts on the title page with mouse clicks on the spin arrows.
void clickCountsTo(TMainForm *form, int criteria, int alternatives);
// The upper triangle of an n x n matrix whose every judgement is text, as enterMatrix takes it.
QList<QStringList> uniformUpper(int n, const QString &text);
// From the title page: the counts by the spin arrows, then forward to the criteria page.
void goToCriteriaPage(TMainForm *form, int criteria, int alternatives);
// From the title page on to the alternatives page, over a criteria matrix of ones.
void goToAlternativesPage(TMainForm *form, int criteria, int alternatives);
// The consistency ratio is drawn red when out of bounds, else in the window-text colour.
bool drawnRed(const QLineEdit *edit);
bool drawnInWindowText(const QLineEdit *edit);
// A number text written with the locale's decimal separator ("0.58" -> "0,58" in Russian).
QString localised(const QString &number);
// Hides the help window and makes the main window the active one again.
void closeHelp(QWidget *window);

}

// Whole decisions walked through the window, and the grids' rows and columns as a person sees them.
namespace WindowTest {

// On the alternatives page: every criterion's matrix from the shown one to the last, typed with
// the same judgement in every upper cell and mirrored with Enter, browsed with NextMatrixBtn.
void enterRemainingAltMatrices(TMainForm *form, const QString &text);
// From the title page on to the result page, over matrices of ones.
void goToResultPage(TMainForm *form, int criteria, int alternatives);
// Resizes the window so that the named grid gets the given outer width (height unchanged).
void resizeGridWidth(TMainForm *form, StringGrid *grid, int width);
// A mouse click on the header cell of a column (row 0) of a grid.
void clickColumnHeader(StringGrid *grid, int col);

}
