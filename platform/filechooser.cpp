#include "platform/filechooser.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

#include <utility>

namespace FileChooser {

namespace {
Responder &currentResponder()
{
    static Responder responder;
    return responder;
}

QString filter()
{
    return QCoreApplication::translate("FileChooser", "Решения (*.ahp)");
}

QString withSuffix(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QStringLiteral(".ahp");
}
}

QString openFile(QWidget *parent, const QString &caption)
{
    if (const Responder &responder = currentResponder())
        return responder(caption, false).value(0);
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter());
}

QStringList openFiles(QWidget *parent, const QString &caption)
{
    if (const Responder &responder = currentResponder())
        return responder(caption, false);
    return QFileDialog::getOpenFileNames(parent, caption, QString(), filter());
}

QString saveFile(QWidget *parent, const QString &caption, const QString &suggested)
{
    if (const Responder &responder = currentResponder())
        return withSuffix(responder(caption, true).value(0));
    return withSuffix(QFileDialog::getSaveFileName(parent, caption, suggested, filter()));
}

QString saveFileOfType(QWidget *parent, const QString &caption, const QString &suggested, const QStringList &filters)
{
    QString chosenFilter = filters.value(0);
    QString path;
    if (const Responder &responder = currentResponder())
        path = responder(caption, true).value(0);
    else
        path = QFileDialog::getSaveFileName(parent, caption, suggested, filters.join(QStringLiteral(";;")), &chosenFilter);
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    // A name typed without a suffix gets the one of the type chosen in the dialog.
    const QRegularExpressionMatch suffix = QRegularExpression(QStringLiteral("\\*(\\.\\w+)")).match(chosenFilter);
    return suffix.hasMatch() ? path + suffix.captured(1) : path;
}

Responder setResponder(Responder responder)
{
    return std::exchange(currentResponder(), std::move(responder));
}

}
