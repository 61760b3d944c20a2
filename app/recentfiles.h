#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;

// The last files opened or saved, as numbered entries of the file menu; a chosen entry asks
// for its file to be opened.
class RecentFiles : public QObject
{
    Q_OBJECT
public:
    // The entries go at the end of menu, hidden until there are files to show.
    explicit RecentFiles(QMenu *menu);

    // The file goes to the top of the list, which the settings keep.
    void remember(const QString &path);
    void refresh();

signals:
    void openRequested(const QString &path);

private:
    QList<QAction *> m_actions;
};
