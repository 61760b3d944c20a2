#pragma once

#include "platform/filestamp.h"

#include <QObject>

class TMainForm;
class QAction;
class QMenu;
class RecentFiles;
class RecoveryCopy;

// The file commands over the window's decision: the File menu, opening, saving and merging
// decision files, the question before unsaved work goes away, the title with the file's name
// and the modified mark (the decision's unsaved state), and offering back the recovery copy of
// a window that never closed normally.
class DocumentController : public QObject
{
    Q_OBJECT
public:
    explicit DocumentController(TMainForm *form);
    ~DocumentController() override;

    QString filePath() const { return m_path; }
    bool isModified() const;
    QString recoveryPath() const;

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

    // Writes the recovery copy now, or removes it when nothing is unsaved.
    void writeRecovery();
    // After the language changed: the menus and the window title in the new one.
    void showTranslatedTexts();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMenus();
    bool load(const QString &path);
    bool saveTo(const QString &path);
    // Before a save over path: asks whether to write over another program's change.
    bool mayOverwrite(const QString &path);
    // The decision on the screen is the one in this file (none: a new one).
    void adopt(const QString &path);
    void updateTitle();

    TMainForm *m_form;
    QString m_baseTitle;
    QString m_path;
    // The file as this window last read or wrote it; another program's save changes it.
    FileStamp m_pathStamp;
    RecoveryCopy *m_recovery = nullptr;
    RecentFiles *m_recent = nullptr;
    QAction *m_printAction = nullptr;
    QMenu *m_fileMenu = nullptr;
};
