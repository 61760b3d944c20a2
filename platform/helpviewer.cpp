#include "helpviewer.h"

#include "datapaths.h"
#include "errordisplay.h"
#include "programidentity.h"
#include "screenfit.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScrollBar>
#include <QTextBlock>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const char HelpTitle[] = QT_TRANSLATE_NOOP("HelpViewer", "Справка");
const char MissingHelpFileMessage[] = QT_TRANSLATE_NOOP("HelpViewer", "Не удалось открыть файл справки «%1».");

// The language of the help: its translation names the help file of the language shown,
// "Analyze.en.hlp" beside "Analyze.hlp" for "en".
const char HelpFileLanguage[] = QT_TRANSLATE_NOOP("HelpViewer", "ru");

QString localizedHelpFile(const QString &path)
{
    const QString language = QCoreApplication::translate("HelpViewer", HelpFileLanguage);
    if (language == QLatin1String(HelpFileLanguage))
        return path;
    const QFileInfo info(path);
    const QString localized = info.path() + QLatin1Char('/') + info.completeBaseName() + QLatin1Char('.')
            + language + QLatin1Char('.') + info.suffix();
    return QFileInfo::exists(localized) ? localized : path;
}

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

QString HelpViewer::locateHelpFile(const QString &fileName)
{
    const QString directory = dataDirectory(QStringLiteral("help"));
    const QString installed = directory + QLatin1Char('/') + fileName;
    if (!directory.isEmpty() && QFileInfo(installed).isFile())
        return installed;
    return QStringLiteral(":/help/") + fileName;
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
    // Closed from the keyboard as a dialog is.
    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
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
    const QString title = QCoreApplication::translate("HelpViewer", HelpTitle);
    setWindowTitle(appName.isEmpty() ? title : title + QStringLiteral(" — ") + appName);
    // Opened beside the window that asked, wholly on its screen.
    if (!isVisible())
        ScreenFit::fitOnScreen(this, QApplication::activeWindow());
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

void HelpViewer::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // An open help window turns to the help of the new language, at the same topic.
    if (event->type() == QEvent::LanguageChange && isVisible()) {
        const QString topic = m_currentTopic; // loading the other help clears it
        ErrorDisplay::guarded([this, topic] { openTopic(topic); });
    }
}

bool HelpViewer::loadHelpFile()
{
    const QString path = localizedHelpFile(helpFile());
    if (path == m_loadedFile)
        return true;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ErrorDisplay::show(QCoreApplication::translate("HelpViewer", MissingHelpFileMessage).arg(QDir::toNativeSeparators(path)));
        return false;
    }
    m_browser->setHtml(QString::fromUtf8(file.readAll()));
    m_topics = anchorNames(m_browser->document());
    m_loadedFile = path;
    m_currentTopic.clear();
    return true;
}
