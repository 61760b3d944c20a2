#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

// A ranking a person reads at a glance: one line per item, best first, with its name, its value
// and a horizontal bar as long as the value; the first one may be marked as the best. The same
// text is its accessible description.
class RankingBars : public QWidget
{
    Q_OBJECT
public:
    explicit RankingBars(QWidget *parent = nullptr);

    void setTitle(const QString &title);
    void setMarkBest(bool mark);
    // values[i] belongs to names[i]; items without a value are left out.
    void setEntries(const QStringList &names, const std::vector<double> &values);

    // Item indices, best first; equal values keep their order.
    const std::vector<int> &order() const { return m_order; }
    QString title() const { return m_title; }
    QString rankingText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return false; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    int lineHeight() const;
    QString valueText(int item) const;
    QString bestMark() const;
    bool isBest(size_t k) const;
    void describe();

    QString m_title;
    bool m_markBest = false;
    QStringList m_names;
    std::vector<double> m_values;
    std::vector<int> m_order;
};
