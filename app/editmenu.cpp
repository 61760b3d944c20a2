#include "app/editmenu.h"

#include "document/decision.h"
#include "platform/errordisplay.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {
// Every letter of "Правка" but Р is taken by the pages' own controls, and Р by nothing else. In
// English the menu's T is shared only with the label of a read-only field.
const char MenuTitle[] = QT_TRANSLATE_NOOP("EditMenu", "П&равка");
const char UndoText[] = QT_TRANSLATE_NOOP("EditMenu", "&Отменить");
const char UndoStepText[] = QT_TRANSLATE_NOOP("EditMenu", "&Отменить: %1");
const char RedoText[] = QT_TRANSLATE_NOOP("EditMenu", "&Повторить");
const char RedoStepText[] = QT_TRANSLATE_NOOP("EditMenu", "&Повторить: %1");
const char AllowMissingText[] = QT_TRANSLATE_NOOP("EditMenu", "&Разрешить пропуски сравнений");

QString translated(const char *text)
{
    return QCoreApplication::translate("EditMenu", text);
}
}

EditMenu::EditMenu(QMainWindow *window, Decision *decision, std::function<void()> beforeStep)
    : QObject(window)
    , m_decision(decision)
    , m_beforeStep(std::move(beforeStep))
    , m_menu(window->menuBar()->addMenu(QString()))
    , m_undo(m_menu->addAction(QString()))
    , m_redo(m_menu->addAction(QString()))
    , m_allowMissing(new QAction(m_menu))
{
    m_menu->addSeparator();
    m_menu->addAction(m_allowMissing);
    m_allowMissing->setObjectName(QStringLiteral("AllowMissingAction"));
    m_allowMissing->setCheckable(true);
    // triggered, not toggled: showing the document's setting is not an edit.
    connect(m_allowMissing, &QAction::triggered, this, [this](bool on) {
        ErrorDisplay::guarded([this, on] {
            if (m_beforeStep)
                m_beforeStep();
            m_decision->setAllowMissing(on);
        });
    });
    connect(decision, &Decision::allowMissingChanged, this, &EditMenu::showTexts);
    connect(decision, &Decision::documentReset, this, &EditMenu::showTexts);
    m_menu->setObjectName(QStringLiteral("EditMenu"));
    m_undo->setObjectName(QStringLiteral("UndoAction"));
    m_redo->setObjectName(QStringLiteral("RedoAction"));
    m_undo->setShortcuts(QKeySequence::Undo);
    m_redo->setShortcuts(QKeySequence::Redo);
    connect(m_undo, &QAction::triggered, this, [this] { ErrorDisplay::guarded([this] { step(true); }); });
    connect(m_redo, &QAction::triggered, this, [this] { ErrorDisplay::guarded([this] { step(false); }); });
    connect(decision->undoStack(), &QUndoStack::indexChanged, this, &EditMenu::showTexts);
    window->installEventFilter(this);
    showTexts();
}

bool EditMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        showTexts();
    return QObject::eventFilter(watched, event);
}

void EditMenu::showTexts()
{
    m_menu->setTitle(translated(MenuTitle));
    const QString undo = m_decision->undoText();
    const QString redo = m_decision->redoText();
    m_undo->setText(undo.isEmpty() ? translated(UndoText) : translated(UndoStepText).arg(undo));
    m_redo->setText(redo.isEmpty() ? translated(RedoText) : translated(RedoStepText).arg(redo));
    m_allowMissing->setText(translated(AllowMissingText));
    m_allowMissing->setChecked(m_decision->allowMissing());
    m_undo->setEnabled(!undo.isEmpty());
    m_redo->setEnabled(!redo.isEmpty());
}

void EditMenu::step(bool undo)
{
    if (m_beforeStep)
        m_beforeStep();
    if (undo)
        m_decision->undo();
    else
        m_decision->redo();
}
