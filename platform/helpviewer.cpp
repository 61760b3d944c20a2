#include "helpviewer.h"

#include "errordisplay.h"
#include "programidentity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const QString HelpTitle = QStringLiteral("Справка");
const QString MissingHelpFileMessage = QStringLiteral("Не удалось открыть файл справки «%1».");

QString &helpFilePath()
{
    static QString path = QStringLiteral(":/help/Analyze.hlp");
    return path;
}

HelpViewer *theViewer = nullptr;

// A top-level widget must go before the application object does.
void deleteViewer()
{
    delete theViewer;
    theViewer = nullptr;
}

QSet<QString> anchorNames(const QTextDocument *document)
{
    QSet<QString> names;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            for (const QString &name : it.fragment().charFormat().anchorNames())
                names.insert(name);
        }
    }
    return names;
}

}

HelpViewer &HelpViewer::instance()
{
    if (!theViewer) {
        theViewer = new HelpViewer;
        qAddPostRoutine(deleteViewer);
    }
    return *theViewer;
}

void HelpViewer::setHelpFile(const QString &path)
{
    helpFilePath() = path;
}

QString HelpViewer::helpFile()
{
    return helpFilePath();
}

HelpViewer::HelpViewer() : QWidget(nullptr, Qt::Window), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    // An open help window must not keep the program alive after the main window is closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(560, 480);
}

void HelpViewer::showContext(int context)
{
    openTopic(QString::number(context));
}

void HelpViewer::showKeyword(const QString &keyword)
{
    openTopic(keyword);
}

QString HelpViewer::currentTopic() const
{
    return m_currentTopic;
}

void HelpViewer::openTopic(const QString &topic)
{
    if (!loadHelpFile())
        return;

    const QString appName = ProgramIdentity::title();
    setWindowTitle(appName.isEmpty() ? HelpTitle : HelpTitle + QStringLiteral(" — ") + appName);
    show();
    raise();
    activateWindow();

    if (m_topics.contains(topic)) {
        m_currentTopic = topic;
        m_browser->scrollToAnchor(topic);
    } else {
        m_currentTopic.clear();
        m_browser->verticalScrollBar()->setValue(0);
    }
}

bool HelpViewer::loadHelpFile()
{
    const QString path = helpFile();
    if (path == m_loadedFile)
        return true;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ErrorDisplay::show(MissingHelpFileMessage.arg(QDir::toNativeSeparators(path)));
        return false;
    }
    m_browser->setHtml(QString::fromUtf8(file.readAll()));
    m_topics = anchorNames(m_browser->document());
    m_loadedFile = path;
    m_currentTopic.clear();
    return true;
}
