#include "document/jsontext.h"

#include <QLocale>

#include <cmath>

namespace JsonText {

QByteArray string(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    QByteArray out;
    out.reserve(utf8.size() + 2);
    out.append('"');
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out.append("\\\""); break;
        case '\\': out.append("\\\\"); break;
        case '\n': out.append("\\n"); break;
        case '\r': out.append("\\r"); break;
        case '\t': out.append("\\t"); break;
        default:
            if (u < 0x20) {
                static const char hex[] = "0123456789abcdef";
                out.append("\\u00");
                out.append(hex[u >> 4]);
                out.append(hex[u & 0xf]);
            } else {
                out.append(c);
            }
        }
    }
    out.append('"');
    return out;
}

QByteArray stringArray(const QStringList &texts)
{
    QByteArray out("[");
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (i > 0)
            out.append(", ");
        out.append(string(texts.at(i)));
    }
    out.append(']');
    return out;
}

QByteArray number(double value)
{
    if (!std::isfinite(value))
        return QByteArrayLiteral("null");
    return QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
}

}
