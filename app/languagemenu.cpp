#include "app/languagemenu.h"

#include "app/translations.h"
#include "platform/errordisplay.h"
#include "platform/settingsstore.h"

#include <QActionGroup>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>

namespace {
// The English translation moves the accelerator to a Latin letter.
const char MenuTitle[] = QT_TRANSLATE_NOOP("LanguageMenu", "&Язык / Language");

// The help menu, when there is one already, stays the last, as desktop programs keep it.
QMenu *menuBeforeHelp(QMenuBar *bar)
{
    auto *menu = new QMenu(bar);
    const QList<QAction *> menus = bar->actions();
    if (menus.isEmpty())
        bar->addMenu(menu);
    else
        bar->insertMenu(menus.last(), menu);
    return menu;
}
}

LanguageMenu::LanguageMenu(QMainWindow *window)
    : QObject(window)
    , m_menu(menuBeforeHelp(window->menuBar()))
    , m_russian(m_menu->addAction(QStringLiteral("Русский")))
    , m_english(m_menu->addAction(QStringLiteral("English")))
{
    setObjectName(QStringLiteral("LanguageMenu"));
    m_menu->setObjectName(QStringLiteral("LanguageMenu"));
    m_russian->setObjectName(QStringLiteral("RussianAction"));
    m_english->setObjectName(QStringLiteral("EnglishAction"));
    auto *group = new QActionGroup(this);
    for (QAction *action : {m_russian, m_english}) {
        action->setCheckable(true);
        group->addAction(action);
    }
    connect(m_russian, &QAction::triggered, this, [this] { choose(Language::Russian); });
    connect(m_english, &QAction::triggered, this, [this] { choose(Language::English); });
    window->installEventFilter(this);
    showTexts();
}

void LanguageMenu::choose(Language language)
{
    ErrorDisplay::guarded([language] { SettingsStore::writeLanguage(language); });
    if (language != Translations::current())
        Translations::apply(language);
    showTexts();
}

void LanguageMenu::showTexts()
{
    m_menu->setTitle(QCoreApplication::translate("LanguageMenu", MenuTitle));
    (Translations::current() == Language::English ? m_english : m_russian)->setChecked(true);
}

bool LanguageMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        showTexts();
    return QObject::eventFilter(watched, event);
}
