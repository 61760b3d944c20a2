#pragma once

#include "app/recoveryfile.h"
#include "document/decisiondocument.h"
#include "platform/filestamp.h"

#include <QObject>
#include <QTimer>

#include <optional>

class TMainForm;
class QAction;
class QMenu;

// The window's session as a document: the File and Help menus over the wizard, opening, saving
// and merging decision files, the recent files, the question before unsaved work goes away, the
// modified mark of the title and the recovery copy that outlives a crash.
//
// "Modified" means that the session on the screen differs from the one last opened, saved or
// started; a restored recovery copy stays modified until it is saved.
class DocumentController : public QObject
{
    Q_OBJECT
public:
    explicit DocumentController(TMainForm *form);
    ~DocumentController() override;

    QString filePath() const { return m_path; }
    bool isModified() const;
    QString recoveryPath() const { return m_recovery.path(); }

    // Asks about unsaved work first; a refused file is reported and leaves the session as it was.
    bool openFile(const QString &path);
    void open();
    void newSession();
    bool save();
    bool saveAs();
    void mergeGroup();
    // At start-up: offers the session of a window that never closed normally.
    void offerRecovery();
    // True when the session may go: nothing unsaved, or the person saved it or let it go.
    bool maySwitchSession();

    // Writes the recovery copy now if the session changed since the last one.
    void writeRecovery();
    // After the language changed: the menus and the window title in the new one.
    void showTranslatedTexts();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMenus();
    void watchChanges();
    void scheduleCheck();
    void checkSession();
    // The session on the screen, in the form that the modified mark compares.
    DecisionDocument snapshot() const;
    bool load(const QString &path);
    bool saveTo(const QString &path);
    // Before a save over path: asks whether to write over another program's change.
    bool mayOverwrite(const QString &path);
    void adopt(const QString &path, const DecisionDocument &clean);
    void rememberRecent(const QString &path);
    void refreshRecentMenu();
    void updateTitle(bool modified);
    void showAbout();

    TMainForm *m_form;
    QString m_baseTitle;
    QString m_path;
    // The file as this window last read or wrote it; another program's save changes it.
    FileStamp m_pathStamp;
    // The session as last opened, saved or started (as snapshot() gives it); none while a
    // restored copy is unsaved.
    std::optional<DecisionDocument> m_clean;
    // What the recovery copy holds, or the clean session once the copy was removed.
    std::optional<DecisionDocument> m_written;
    RecoveryFile m_recovery;
    bool m_recoveryFailed = false;
    QTimer m_checkTimer;
    QTimer m_recoveryTimer;

    QAction *m_printAction = nullptr;
    QMenu *m_fileMenu = nullptr;
    QList<QAction *> m_recentActions;
};
