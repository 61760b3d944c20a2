#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The standard file dialogs: for decision files (*.ahp), and for the files the program exports. An empty answer means the person
// cancelled.
namespace FileChooser {

QString openFile(QWidget *parent, const QString &caption);
QStringList openFiles(QWidget *parent, const QString &caption);
// A name without a suffix gets ".ahp".
QString saveFile(QWidget *parent, const QString &caption, const QString &suggested);

// A file to write of another type; filters as QFileDialog takes them ("PDF (*.pdf)"), the first
// one chosen at first. A name without a suffix gets the chosen filter's.
QString saveFileOfType(QWidget *parent, const QString &caption, const QString &suggested, const QStringList &filters);

// Tests choose instead of a person: the responder gets the caption and whether a file to write is
// asked for, and returns the chosen paths. An empty responder brings the dialogs back.
using Responder = std::function<QStringList(const QString &caption, bool forSaving)>;
Responder setResponder(Responder responder);

}
