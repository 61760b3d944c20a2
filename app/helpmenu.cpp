#include "app/helpmenu.h"

#include "platform/errordisplay.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

namespace {
// Every letter of "Справка" is taken by the pages' own controls; А is shared only with the label
// of the read-only field that names the criterion on the alternatives page.
const char MenuTitle[] = QT_TRANSLATE_NOOP("HelpMenu", "Справк&а");
const char ContentsText[] = QT_TRANSLATE_NOOP("HelpMenu", "&Содержание");
const char AboutText[] = QT_TRANSLATE_NOOP("HelpMenu", "&О программе");

QString translated(const char *text)
{
    return QCoreApplication::translate("HelpMenu", text);
}
}

HelpMenu::HelpMenu(QMainWindow *window, std::function<void()> showHelp)
    : QObject(window)
    , m_window(window)
    , m_menu(window->menuBar()->addMenu(QString()))
    , m_contents(m_menu->addAction(QString()))
    , m_about(m_menu->addAction(QString()))
{
    m_menu->setObjectName(QStringLiteral("HelpMenu"));
    m_contents->setObjectName(QStringLiteral("HelpAction"));
    m_about->setObjectName(QStringLiteral("AboutAction"));
    m_contents->setShortcut(QKeySequence(Qt::Key_F1));
    connect(m_contents, &QAction::triggered, this, [showHelp] { ErrorDisplay::guarded(showHelp); });
    connect(m_about, &QAction::triggered, this, &HelpMenu::showAbout);
    window->installEventFilter(this);
    showTexts();
}

bool HelpMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        showTexts();
    return QObject::eventFilter(watched, event);
}

void HelpMenu::showTexts()
{
    m_menu->setTitle(translated(MenuTitle));
    m_contents->setText(translated(ContentsText));
    m_about->setText(translated(AboutText));
}

void HelpMenu::showAbout()
{
    QString version = QCoreApplication::applicationVersion();
    if (version.isEmpty())
        version = QStringLiteral("1.0");
    QMessageBox::about(m_window, translated(QT_TRANSLATE_NOOP("HelpMenu", "О программе")),
                       QCoreApplication::translate("HelpMenu",
                                                   "<p><b>%1</b>, версия %2</p><p>Выбор лучшей из альтернатив по нескольким "
                                                   "критериям методом анализа иерархий.</p>")
                               .arg(QCoreApplication::translate("HelpMenu", "Анализ иерархий").toHtmlEscaped(),
                                    version.toHtmlEscaped()));
}
