#include "analysis/namelegend.h"

#include "model/decisionmodel.h"

#include <QCoreApplication>

NameLegend::NameLegend(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setContentsMargins(4, 2, 4, 2);
    // As tall as its lines for the width it is given, however narrow.
    QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Minimum);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QString NameLegend::legendText(const QStringList &names)
{
    // A letter never stays at the end of a line without its name.
    const QString dash = QStringLiteral("\u00a0— ");
    QStringList entries;
    for (int k = 0; k < names.size(); ++k)
        entries << alternativeLetter(k) + dash + names.at(k).simplified();
    return entries.join(QStringLiteral(" · "));
}

void NameLegend::setNames(const QStringList &names)
{
    m_names = names;
    setText(legendText(names));
    setAccessibleName(QCoreApplication::translate("NameLegend", "Обозначения альтернатив"));
}
