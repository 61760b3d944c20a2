#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Hand-written JSON, so that members come out in the order people read them (QJsonObject sorts
// its keys) and writing a decision stays a single quick pass.
namespace JsonText {

// A JSON string literal, quotes included, UTF-8.
QByteArray string(const QString &text);
// ["a", "b", ...] on one line.
QByteArray stringArray(const QStringList &texts);
// A double that reads back as the same double (shortest form); null when not finite.
QByteArray number(double value);

}
