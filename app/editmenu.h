#pragma once

#include <QObject>

#include <functional>

class Decision;
class QAction;
class QMainWindow;
class QMenu;

// The edit menu: Undo and Redo of the decision's steps, named after the step they take back or
// do again, with the standard keys, and disabled while there is nothing to take back or do again;
// and the decision's setting that allows missing judgements, a step of its own.
class EditMenu : public QObject
{
    Q_OBJECT
public:
    // beforeStep runs first on each Undo or Redo: the window commits what is being typed.
    EditMenu(QMainWindow *window, Decision *decision, std::function<void()> beforeStep);

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showTexts();
    void step(bool undo);

    Decision *m_decision;
    std::function<void()> m_beforeStep;
    QMenu *m_menu;
    QAction *m_undo;
    QAction *m_redo;
    QAction *m_allowMissing;
};
