#pragma once

#include "platform/languagechoice.h"

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;

// The "Язык / Language" menu of a window's menu bar: Russian or English, at once and remembered
// for the next start. Its title and items read the same in both languages, so that a person
// who cannot read the one shown still finds the other.
class LanguageMenu : public QObject
{
    Q_OBJECT
public:
    explicit LanguageMenu(QMainWindow *window);

    QMenu *menu() const { return m_menu; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void choose(Language language);
    void showTexts();

    QMenu *m_menu;
    QAction *m_russian;
    QAction *m_english;
};
