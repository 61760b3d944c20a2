#pragma once

#include <QSet>
#include <QString>
#include <QWidget>

class QTextBrowser;

// The help window: shows the application's help file (an HTML document) at a topic. Topics are
// anchors of the document: keywords such as "IDH_Main", and the context numbers "1", "2", ...
class HelpViewer : public QWidget
{
    Q_OBJECT
public:
    static HelpViewer &instance();

    static void setHelpFile(const QString &path);
    // The installed copy of a help file (dataDirectory("help")) when there is one, else the copy
    // built into the program.
    static QString locateHelpFile(const QString &fileName);
    static QString helpFile();

    // An unknown context number or keyword opens the start of the document.
    void showContext(int context);
    void showKeyword(const QString &keyword);

    // The topic last opened; empty when the start of the document was opened.
    QString currentTopic() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    HelpViewer();

    void openTopic(const QString &topic);
    bool loadHelpFile();

    QTextBrowser *m_browser;
    QString m_loadedFile;
    QSet<QString> m_topics;
    QString m_currentTopic;
};
