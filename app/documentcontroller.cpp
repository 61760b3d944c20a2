#include "app/documentcontroller.h"

#include "app/mainform.h"
#include "app/recentfiles.h"
#include "app/recoverycopy.h"
#include "app/recoveryfile.h"
#include "document/decision.h"
#include "document/decisionfile.h"
#include "document/groupmerge.h"
#include "platform/errordisplay.h"
#include "platform/filechooser.h"
#include "platform/platformerror.h"
#include "platform/questionbox.h"
#include "platform/savequestion.h"
#include "platform/settingsstore.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

#include <memory>

namespace {
template <typename T>
T *control(const TMainForm *form, const char *name)
{
    return form->findChild<T *>(QLatin1String(name));
}

QString shownName(const QString &path)
{
    return QFileInfo(path).fileName();
}

// The decision file among what was dragged over the window, if any.
QString droppedFile(const QMimeData *mime)
{
    if (!mime || !mime->hasUrls())
        return QString();
    for (const QUrl &url : mime->urls()) {
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).suffix().compare(DecisionFileSuffix, Qt::CaseInsensitive) == 0)
            return url.toLocalFile();
    }
    return QString();
}
}

DocumentController::DocumentController(TMainForm *form)
    : QObject(form)
    , m_form(form)
    , m_baseTitle(form->windowTitle())
    , m_recovery(new RecoveryCopy(form->decision(), this))
{
    createMenus();
    connect(m_form->decision()->undoStack(), &QUndoStack::cleanChanged, this, &DocumentController::updateTitle);
    m_form->setAcceptDrops(true);
    m_form->installEventFilter(this);
    updateTitle();
}

DocumentController::~DocumentController() = default;

// ---- menus ------------------------------------------------------------------------------

void DocumentController::createMenus()
{
    QMenuBar *bar = m_form->menuBar();
    // Menu titles take letters that no control of any page uses: Ф and Р.
    m_fileMenu = bar->addMenu(tr("&Файл"));
    m_fileMenu->setObjectName(QStringLiteral("FileMenu"));

    auto addAction = [this](QMenu *menu, const QString &text, const QKeySequence &keys, const char *name, auto handler) {
        QAction *action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        if (!keys.isEmpty())
            action->setShortcut(keys);
        connect(action, &QAction::triggered, this, [this, handler] { ErrorDisplay::guarded([this, handler] { handler(this); }); });
        return action;
    };
    addAction(m_fileMenu, tr("&Создать"), QKeySequence(Qt::CTRL | Qt::Key_N), "NewAction",
              [](DocumentController *c) { c->newSession(); });
    addAction(m_fileMenu, tr("&Открыть…"), QKeySequence(Qt::CTRL | Qt::Key_O), "OpenAction",
              [](DocumentController *c) { c->open(); });
    addAction(m_fileMenu, tr("Со&хранить"), QKeySequence(Qt::CTRL | Qt::Key_S), "SaveAction",
              [](DocumentController *c) { c->save(); });
    addAction(m_fileMenu, tr("Сохранить &как…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), "SaveAsAction",
              [](DocumentController *c) { c->saveAs(); });
    m_fileMenu->addSeparator();
    m_recent = new RecentFiles(m_fileMenu);
    connect(m_recent, &RecentFiles::openRequested, this,
            [this](const QString &path) { ErrorDisplay::guarded([this, path] { openFile(path); }); });
    m_fileMenu->addSeparator();
    addAction(m_fileMenu, tr("Объ&единить решения группы…"), QKeySequence(), "MergeAction",
              [](DocumentController *c) { c->mergeGroup(); });
    m_fileMenu->addSeparator();
    m_printAction = addAction(m_fileMenu, tr("&Печать…"), QKeySequence(Qt::CTRL | Qt::Key_P), "PrintAction",
                              [](DocumentController *c) { control<QPushButton>(c->m_form, "PrintBtn")->click(); });
    m_fileMenu->addSeparator();
    addAction(m_fileMenu, tr("&Выход"), QKeySequence(Qt::CTRL | Qt::Key_Q), "QuitAction",
              [](DocumentController *c) { c->m_form->close(); });

    // The menu prints exactly where the button does.
    QPushButton *printBtn = control<QPushButton>(m_form, "PrintBtn");
    m_printAction->setEnabled(printBtn->isEnabled());
    printBtn->installEventFilter(this);
}

// ---- what changed -----------------------------------------------------------------------

bool DocumentController::isModified() const
{
    return m_form->decision()->isModified();
}

QString DocumentController::recoveryPath() const
{
    return m_recovery->path();
}

void DocumentController::writeRecovery()
{
    m_recovery->writeNow();
}

void DocumentController::showTranslatedTexts()
{
    // The menus were made in the language of their time.
    static const struct
    {
        const char *name;
        const char *text;
    } texts[] = {
        {"FileMenu", QT_TR_NOOP("&Файл")},
        {"NewAction", QT_TR_NOOP("&Создать")},
        {"OpenAction", QT_TR_NOOP("&Открыть…")},
        {"SaveAction", QT_TR_NOOP("Со&хранить")},
        {"SaveAsAction", QT_TR_NOOP("Сохранить &как…")},
        {"MergeAction", QT_TR_NOOP("Объ&единить решения группы…")},
        {"PrintAction", QT_TR_NOOP("&Печать…")},
        {"QuitAction", QT_TR_NOOP("&Выход")},
    };
    for (const auto &entry : texts) {
        if (auto *menu = m_form->findChild<QMenu *>(QLatin1String(entry.name)))
            menu->setTitle(tr(entry.text));
        else if (auto *action = m_form->findChild<QAction *>(QLatin1String(entry.name)))
            action->setText(tr(entry.text));
    }
    // The form has just written its own title, the program's name, in the new language.
    m_baseTitle = m_form->windowTitle();
    updateTitle();
}

void DocumentController::updateTitle()
{
    const bool modified = isModified();
    // The program's name closes the title, so that window managers do not add it again.
    QString title = m_baseTitle;
    if (!m_path.isEmpty())
        title = shownName(m_path) + QStringLiteral("[*] — ") + m_baseTitle;
    else if (modified)
        title = tr("Без имени") + QStringLiteral("[*] — ") + m_baseTitle;
    if (m_form->windowTitle() != title)
        m_form->setWindowTitle(title);
    m_form->setWindowModified(modified);
}

// ---- documents --------------------------------------------------------------------------

bool DocumentController::maySwitchSession()
{
    if (!isModified())
        return true;
    const QString name = m_path.isEmpty() ? tr("Без имени") : shownName(m_path);
    switch (SaveQuestion::ask(tr("Сохранить изменения в «%1»?").arg(name))) {
    case SaveQuestion::Answer::Save:
        return save();
    case SaveQuestion::Answer::Discard:
        return true;
    case SaveQuestion::Answer::Cancel:
        break;
    }
    return false;
}

void DocumentController::adopt(const QString &path)
{
    m_path = path;
    m_pathStamp = path.isEmpty() ? FileStamp() : FileStamp::of(path);
    m_recovery->setSessionFile(path);
    m_form->decision()->setSaved();
    m_recovery->remove();
    updateTitle();
}

bool DocumentController::openFile(const QString &path)
{
    return maySwitchSession() && load(path);
}

void DocumentController::open()
{
    if (!maySwitchSession())
        return;
    const QString path = FileChooser::openFile(m_form, tr("Открыть решение"));
    if (!path.isEmpty())
        load(path);
}

bool DocumentController::load(const QString &path)
{
    // Taken before the read: a change made while it reads is then seen at the next save.
    const FileStamp stamp = FileStamp::of(path);
    // The whole file is read and checked before anything on the screen changes.
    const DecisionReadResult result = readDecisionFile(path);
    if (!result.document) {
        ErrorDisplay::show(notOpenedText(QDir::toNativeSeparators(path), result.error));
        return false;
    }
    m_form->openDocument(*result.document, true);
    adopt(QFileInfo(path).absoluteFilePath());
    m_pathStamp = stamp;
    m_recent->remember(path);
    return true;
}

void DocumentController::newSession()
{
    if (!maySwitchSession())
        return;
    m_form->startNewSession();
    adopt(QString());
}

bool DocumentController::save()
{
    return m_path.isEmpty() ? saveAs() : saveTo(m_path);
}

bool DocumentController::saveAs()
{
    const QString suggested = m_path.isEmpty() ? QDir::homePath() : m_path;
    const QString path = FileChooser::saveFile(m_form, tr("Сохранить решение"), suggested);
    return !path.isEmpty() && saveTo(path);
}

bool DocumentController::mayOverwrite(const QString &path)
{
    if (m_path.isEmpty() || QFileInfo(path).absoluteFilePath() != m_path)
        return true;
    const FileStamp now = FileStamp::of(path);
    // A file gone meanwhile is simply written again.
    if (!now.exists || now == m_pathStamp)
        return true;
    return QuestionBox::ask(tr("Файл изменён другой программой. Перезаписать?"), tr("Сохранение"));
}

bool DocumentController::saveTo(const QString &path)
{
    if (!mayOverwrite(path))
        return false;
    QString error;
    if (!saveDecisionFile(path, m_form->decision()->document(), &error)) {
        ErrorDisplay::show(error);
        return false;
    }
    adopt(QFileInfo(path).absoluteFilePath());
    m_recent->remember(path);
    m_form->ShowHint(tr("Решение сохранено в файл «%1»").arg(shownName(path)));
    return true;
}

void DocumentController::mergeGroup()
{
    const QStringList files = FileChooser::openFiles(
            m_form, tr("Объединить решения группы: выберите файлы решений участников, не меньше двух"));
    if (files.isEmpty())
        return;
    if (files.size() < 2) {
        ErrorDisplay::show(tr("Для объединения выберите не меньше двух файлов решений."));
        return;
    }
    QList<MergeInput> inputs;
    for (const QString &path : files) {
        const DecisionReadResult result = readDecisionFile(path);
        if (!result.document) {
            ErrorDisplay::show(notOpenedText(QDir::toNativeSeparators(path), result.error));
            return;
        }
        inputs.append(MergeInput{shownName(path), *result.document});
    }
    const MergeResult merged = mergeDecisions(inputs);
    if (!merged.document) {
        ErrorDisplay::show(merged.error);
        return;
    }
    const QString target = FileChooser::saveFile(m_form, tr("Сохранить решение группы"), QFileInfo(files.first()).absolutePath());
    if (target.isEmpty())
        return;
    QString error;
    if (!saveDecisionFile(target, *merged.document, &error)) {
        ErrorDisplay::show(error);
        return;
    }
    // The group's decision is shown, as one step that Undo takes back.
    {
        // One step however the pages on the way change the texts, and ended whatever happens.
        Decision *decision = m_form->decision();
        decision->beginStep();
        const std::unique_ptr<Decision, void (*)(Decision *)> step(decision, [](Decision *d) { d->endStep(); });
        decision->replace(*merged.document);
        m_form->showFurthestPage();
    }
    adopt(QFileInfo(target).absoluteFilePath());
    m_recent->remember(target);
    m_form->ShowHint(tr("Решение группы сохранено в файл «%1»").arg(shownName(target)));
}

void DocumentController::offerRecovery()
{
    // One copy at a time, newest first, each held through its question so that a program started
    // meanwhile offers it no second time. After a "Да" the rest wait for the next start.
    for (const QString &path : RecoveryFile::orphans()) {
        std::unique_ptr<QLockFile> claim = RecoveryFile::claim(path);
        if (!claim)
            continue;
        const DecisionReadResult result = readDecisionFile(path);
        if (!result.document) {
            RecoveryFile::discard(path, std::move(claim));
            continue;
        }
        const QString sessionFile = RecoveryFile::sessionFileOf(path);
        const QString name = sessionFile.isEmpty() ? tr("Без имени") : shownName(sessionFile);
        const QString changed = QLocale().toString(QFileInfo(path).lastModified(), QLocale::ShortFormat);
        if (!QuestionBox::ask(tr("Сеанс «%1» закончился, не сохранив изменения; последнее изменение %2. Восстановить его?")
                                  .arg(name, changed),
                              tr("Восстановление"))) {
            RecoveryFile::discard(path, std::move(claim));
            continue;
        }
        m_form->openDocument(*result.document, false);
        // The session goes on under its own file's name; Сохранить writes there again.
        m_path = sessionFile.isEmpty() ? QString() : QFileInfo(sessionFile).absoluteFilePath();
        m_pathStamp = m_path.isEmpty() ? FileStamp() : FileStamp::of(m_path);
        m_recovery->setSessionFile(m_path);
        RecoveryFile::discard(path, std::move(claim));
        // The copy is gone: the window's own one takes its place at once.
        ErrorDisplay::guarded([this] { writeRecovery(); });
        updateTitle();
        return;
    }
}

// ---- window events ----------------------------------------------------------------------

bool DocumentController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_form) {
        switch (event->type()) {
        case QEvent::Close: {
            bool mayClose = false;
            ErrorDisplay::guarded([this, &mayClose] { mayClose = maySwitchSession(); });
            if (!mayClose) {
                event->ignore();
                return true;
            }
            m_recovery->remove();
            break;
        }
        case QEvent::DragEnter: {
            auto *drag = static_cast<QDragEnterEvent *>(event);
            if (!droppedFile(drag->mimeData()).isEmpty())
                drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto *drop = static_cast<QDropEvent *>(event);
            const QString path = droppedFile(drop->mimeData());
            if (path.isEmpty())
                return true;
            drop->acceptProposedAction();
            // Not inside the drag: the question and the restore need an event loop of their own.
            QTimer::singleShot(0, this, [this, path] { ErrorDisplay::guarded([this, path] { openFile(path); }); });
            return true;
        }
        default:
            break;
        }
    } else if (event->type() == QEvent::EnabledChange) {
        m_printAction->setEnabled(static_cast<QWidget *>(watched)->isEnabled());
    }
    return QObject::eventFilter(watched, event);
}
