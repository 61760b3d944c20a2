#pragma once

#include <QLabel>
#include <QStringList>

// The alternatives' letters with their names, "A — Шкода Октавия · B — Лада Веста · …", for the
// pages and windows whose tables and charts name the alternatives by letter only. It wraps
// between entries and keeps every name whole.
class NameLegend : public QLabel
{
    Q_OBJECT
public:
    explicit NameLegend(QWidget *parent = nullptr);

    void setNames(const QStringList &names);
    QStringList names() const { return m_names; }

    static QString legendText(const QStringList &names);

private:
    QStringList m_names;
};
