#pragma once

#include <QObject>

#include <functional>

class QAction;
class QMainWindow;
class QMenu;

// The help menu, last in the menu bar: the help's contents (F1, as the help button) and the
// About box.
class HelpMenu : public QObject
{
    Q_OBJECT
public:
    HelpMenu(QMainWindow *window, std::function<void()> showHelp);

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showTexts();
    void showAbout();

    QMainWindow *m_window;
    QMenu *m_menu;
    QAction *m_contents;
    QAction *m_about;
};
