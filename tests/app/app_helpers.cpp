#include "app_helpers.h"

#include "app/application.h"
#include "platform/errordisplay.h"
#include "platform/questionbox.h"
#include "platform/stringgrid.h"

#include <QDir>
#include <QLineEdit>
#include <QStatusBar>
#include <QStackedWidget>

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

void click(QPushButton *button)
{
    QVERIFY2(button->isEnabled(), qPrintable(button->objectName() + QStringLiteral(" is disabled")));
    QTest::mouseClick(button, Qt::LeftButton);
}

void clickCell(StringGrid *grid, int col, int row)
{
    const QModelIndex index = grid->model()->index(row, col);
    grid->scrollTo(index);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->visualRect(index).center());
}

void type(const QString &text)
{
    for (const QChar ch : text) {
        QWidget *target = QApplication::focusWidget();
        QVERIFY(target);
        Qt::Key key = Qt::Key_unknown;
        if (ch.unicode() >= 0x20 && ch.unicode() < 0x7f)
            key = Qt::Key(QChar(ch).toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, target, key, QString(ch), Qt::NoModifier);
    }
}

void replaceText(QLineEdit *edit, const QString &text)
{
    edit->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    type(text);
}

void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget *target = QApplication::focusWidget();
    QVERIFY(target);
    QTest::keyClick(target, key, modifiers);
}

void enterJudgement(StringGrid *grid, int col, int row, const QString &text)
{
    clickCell(grid, col, row);
    QCOMPARE(grid->col(), col);
    QCOMPARE(grid->row(), row);
    type(text);
    pressKey(Qt::Key_Return);
}

void enterMatrix(StringGrid *grid, const QList<QStringList> &upperRows)
{
    for (int i = 0; i < upperRows.size(); ++i) {
        for (int k = 0; k < upperRows.at(i).size(); ++k) {
            const int row = i + 1;
            const int col = row + 1 + k;
            enterJudgement(grid, col, row, upperRows.at(i).at(k));
        }
    }
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
