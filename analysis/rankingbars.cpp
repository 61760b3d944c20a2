#include "analysis/rankingbars.h"

#include "model/numberformat.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {
constexpr int Padding = 4;
constexpr int Gap = 6;
// A name column narrower than this would cut every name; a wider one is left to the bars.
constexpr int LeastNameWidth = 60;
constexpr int LeastBarWidth = 40;
}

RankingBars::RankingBars(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    // Read by assistive technology as a picture with its text.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover, false);
}

void RankingBars::setTitle(const QString &title)
{
    m_title = title;
    describe();
    update();
}

void RankingBars::setMarkBest(bool mark)
{
    m_markBest = mark;
    describe();
    update();
}

void RankingBars::setEntries(const QStringList &names, const std::vector<double> &values)
{
    m_names = names;
    m_values = values;
    const int count = int(std::min<size_t>(size_t(names.size()), values.size()));
    m_order.resize(size_t(count));
    std::iota(m_order.begin(), m_order.end(), 0);
    std::stable_sort(m_order.begin(), m_order.end(), [this](int a, int b) { return m_values[size_t(a)] > m_values[size_t(b)]; });
    describe();
    updateGeometry();
    update();
}

QString RankingBars::bestMark() const
{
    return tr("лучшая");
}

QString RankingBars::valueText(int item) const
{
    return formatReadable(m_values[size_t(item)], locale());
}

QString RankingBars::rankingText() const
{
    QStringList lines;
    for (size_t k = 0; k < m_order.size(); ++k) {
        const int item = m_order[k];
        QString line = tr("%1. %2 — %3").arg(k + 1).arg(m_names.at(item).simplified(), valueText(item));
        if (isBest(k))
            line += QStringLiteral(" (%1)").arg(bestMark());
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

bool RankingBars::isBest(size_t k) const
{
    // Items level with the first share its mark: a tie has no single best.
    if (!m_markBest || k >= m_order.size())
        return false;
    const double top = m_values[size_t(m_order.front())];
    return std::abs(m_values[size_t(m_order[k])] - top) <= 1e-9 * std::max(1.0, std::abs(top));
}

void RankingBars::describe()
{
    setAccessibleName(m_title);
    setAccessibleDescription(rankingText());
}

int RankingBars::lineHeight() const
{
    return fontMetrics().height() + 4;
}

QSize RankingBars::sizeHint() const
{
    int nameWidth = LeastNameWidth;
    for (const QString &name : m_names)
        nameWidth = std::max(nameWidth, fontMetrics().horizontalAdvance(name.simplified()));
    const int width = std::min(nameWidth, 220) + 3 * Gap + LeastBarWidth * 3 + fontMetrics().horizontalAdvance(QStringLiteral("0,000"));
    return QSize(width, lineHeight() * (int(m_order.size()) + 1) + 2 * Padding);
}

QSize RankingBars::minimumSizeHint() const
{
    return QSize(LeastNameWidth + LeastBarWidth + 3 * Gap + fontMetrics().horizontalAdvance(QStringLiteral("0,000")),
                 sizeHint().height());
}

bool RankingBars::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        // A name cut to its column reads whole in the tooltip of its line.
        const auto *help = static_cast<QHelpEvent *>(event);
        const int line = (help->pos().y() - Padding) / lineHeight() - 1;
        if (line >= 0 && line < int(m_order.size())) {
            QToolTip::showText(help->globalPos(), rankingText().split(QLatin1Char('\n')).value(line), this);
            return true;
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LocaleChange)
        updateGeometry();
    return QWidget::event(event);
}

void RankingBars::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = rect().adjusted(Padding, Padding, -Padding, -Padding);
    const int line = lineHeight();
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(area.left(), area.top(), area.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(m_title, Qt::ElideRight, area.width()));

    double highest = 0.0;
    int nameWidth = LeastNameWidth;
    int valueWidth = 0;
    const QFontMetrics boldMetrics(bold);
    for (int item : m_order) {
        highest = std::max(highest, m_values[size_t(item)]);
        nameWidth = std::max(nameWidth, boldMetrics.horizontalAdvance(m_names.at(item).simplified()));
        valueWidth = std::max(valueWidth, boldMetrics.horizontalAdvance(valueText(item)));
    }
    // The names get what the bars can spare, up to half the width.
    nameWidth = std::min(nameWidth, std::max(LeastNameWidth, area.width() / 2));
    const int barLeft = area.left() + nameWidth + Gap;
    const int barRoom = std::max(1, area.right() - barLeft - valueWidth - Gap);
    const QColor barColour = palette().color(QPalette::Highlight);
    for (size_t k = 0; k < m_order.size(); ++k) {
        const int item = m_order[k];
        const bool best = isBest(k);
        const QFont &f = best ? bold : font();
        painter.setFont(f);
        const int top = area.top() + line * int(k + 1);
        const QFontMetrics metrics(f);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(area.left(), top, nameWidth, line), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(m_names.at(item).simplified(), Qt::ElideRight, nameWidth));
        const double value = m_values[size_t(item)];
        const int barWidth = highest > 0 && std::isfinite(value) ? int(std::lround(barRoom * std::max(0.0, value) / highest)) : 0;
        const QRect bar(barLeft, top + 3, std::max(1, barWidth), line - 6);
        // The best one is drawn solid, the others lighter, so that it stands out in grey print too.
        painter.fillRect(bar, best || !m_markBest ? barColour : barColour.lighter(150));
        if (best)
            painter.drawRect(bar.adjusted(0, 0, -1, -1));
        painter.drawText(QRect(bar.right() + Gap, top, valueWidth + Gap, line), Qt::AlignLeft | Qt::AlignVCenter,
                         valueText(item));
    }
}
