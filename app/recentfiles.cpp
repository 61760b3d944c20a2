#include "app/recentfiles.h"

#include "platform/errordisplay.h"
#include "platform/settingsstore.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

RecentFiles::RecentFiles(QMenu *menu)
    : QObject(menu)
{
    for (int i = 0; i < SettingsStore::RecentFilesLimit; ++i) {
        QAction *action = menu->addAction(QString());
        action->setObjectName(QStringLiteral("RecentFileAction%1").arg(i + 1));
        action->setVisible(false);
        connect(action, &QAction::triggered, this, [this, action] { emit openRequested(action->data().toString()); });
        m_actions << action;
    }
    connect(menu, &QMenu::aboutToShow, this, &RecentFiles::refresh);
    refresh();
}

void RecentFiles::refresh()
{
    const QStringList files = SettingsStore::readRecentFiles();
    for (int i = 0; i < m_actions.size(); ++i) {
        QAction *action = m_actions.at(i);
        const QString path = files.value(i);
        action->setVisible(!path.isEmpty());
        action->setData(path);
        action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"))));
        action->setStatusTip(QDir::toNativeSeparators(path));
    }
}

void RecentFiles::remember(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = SettingsStore::readRecentFiles();
    files.removeAll(absolute);
    files.prepend(absolute);
    // The file itself is safe; a settings store that cannot keep the list is still reported.
    ErrorDisplay::guarded([&files] { SettingsStore::writeRecentFiles(files.mid(0, SettingsStore::RecentFilesLimit)); });
    refresh();
}
