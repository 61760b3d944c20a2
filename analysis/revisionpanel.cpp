#include "analysis/revisionpanel.h"

#include "entry/reciprocal.h"
#include "model/judgement.h"
#include "model/missingjudgements.h"
#include "model/numberformat.h"
#include "model/priorities.h"
#include "platform/stringgrid.h"
#include "platform/stringgridmodel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// The least width of the pair's names; they take what the numbers and the button leave.
constexpr int PairWidth = 130;

QString quoted(const QString &name)
{
    // Quotation marks differ between the languages, so they go through the translation too.
    return QCoreApplication::translate("RevisionPanel", "«%1»", "a name in quotation marks").arg(name);
}

// Why a cell cannot be read, as the end of the panel's sentence: the status line's message says
// what the cell must hold, this what its value is.
QString unreadableReason(const QString &message)
{
    static const struct
    {
        const TranslatableText *message;
        const char *reason;
    } reasons[] = {
        {&JudgementInvalidMessage, QT_TRANSLATE_NOOP("RevisionPanel", "значение не читается как число или дробь")},
        {&JudgementZeroMessage, QT_TRANSLATE_NOOP("RevisionPanel", "значение не больше нуля")},
        {&JudgementTooSmallMessage, QT_TRANSLATE_NOOP("RevisionPanel", "значение меньше 1/9, вне шкалы")},
        {&JudgementTooLargeMessage, QT_TRANSLATE_NOOP("RevisionPanel", "значение больше 9, вне шкалы")},
    };
    for (const auto &entry : reasons)
        if (message == entry.message->text())
            return QCoreApplication::translate("RevisionPanel", entry.reason);
    QString reason = message;
    if (!reason.isEmpty())
        reason[0] = reason.at(0).toLower();
    return reason;
}

// A value on the scale reads the same whichever way it was typed ("3" and "3,0").
bool sameValue(double a, double b)
{
    return std::abs(a - b) <= 1e-9 * std::max(std::abs(a), std::abs(b));
}

}

RevisionPanel::RevisionPanel(StringGrid *grid, ComparisonNamesSource names, QWidget *parent)
    : QFrame(parent)
    , m_grid(grid)
    , m_names(std::move(names))
    , m_summary(new QLabel(this))
    , m_triplesView(new QPlainTextEdit(this))
    , m_askRow(new QWidget(this))
    , m_askNextLabel(new QLabel(m_askRow))
    , m_askNextBtn(new QPushButton(m_askRow))
{
    setObjectName(grid->objectName() + QStringLiteral("Revisions"));
    setFrameShape(QFrame::StyledPanel);
    // The grid above takes whatever the window gives or takes; the panel keeps its height.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setAutoFillBackground(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(2);
    m_summary->setObjectName(QStringLiteral("revisionSummary"));
    m_summary->setTextFormat(Qt::PlainText);
    // The panel keeps one height whatever it says, so the grid above never jumps while the
    // person types: one line for the summary (cut, the whole of it in the tooltip), a button's
    // height for every row.
    m_summary->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    layout->addWidget(m_summary);

    // Shown only while the decision lets pairs be left out, and then at one height whether
    // something is missing or not.
    auto *askLayout = new QHBoxLayout(m_askRow);
    askLayout->setContentsMargins(0, 0, 0, 0);
    m_askNextLabel->setObjectName(QStringLiteral("revisionAskNext"));
    m_askNextLabel->setTextFormat(Qt::PlainText);
    m_askNextLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // The page's own name, so that the button is found as the page's like its other controls.
    m_askNextBtn->setObjectName(grid->objectName() + QStringLiteral("AskNextBtn"));
    m_askNextBtn->setAutoDefault(false);
    m_askNextBtn->setFocusPolicy(Qt::TabFocus);
    QSizePolicy keepRoom = m_askNextBtn->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    m_askNextBtn->setSizePolicy(keepRoom);
    askLayout->addWidget(m_askNextLabel, 1);
    askLayout->addWidget(m_askNextBtn);
    m_askRow->setVisible(false);
    connect(m_askNextBtn, &QPushButton::clicked, this, &RevisionPanel::goToAskNext);
    layout->addWidget(m_askRow);

    auto *rows = new QGridLayout;
    rows->setHorizontalSpacing(8);
    rows->setVerticalSpacing(1);
    for (int r = 0; r < RevisionCount; ++r) {
        Row &row = m_rows[r];
        row.pair = new QLabel(this);
        row.pair->setObjectName(QStringLiteral("revisionPair%1").arg(r + 1));
        row.pair->setMinimumWidth(PairWidth);
        row.pair->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        row.present = new QLabel(this);
        row.fitting = new QLabel(this);
        row.crAfter = new QLabel(this);
        row.crAfter->setObjectName(QStringLiteral("revisionCrAfter%1").arg(r + 1));
        row.apply = new QPushButton(this);
        row.apply->setObjectName(QStringLiteral("applyRevision%1").arg(r + 1));
        row.apply->setAutoDefault(false);
        row.apply->setFocusPolicy(Qt::TabFocus);
        QLabel *labels[] = {row.pair, row.present, row.fitting, row.crAfter};
        for (int c = 0; c < 4; ++c) {
            labels[c]->setTextFormat(Qt::PlainText);
            rows->addWidget(labels[c], r, c);
        }
        rows->addWidget(row.apply, r, 4);
        rows->setRowMinimumHeight(r, row.apply->sizeHint().height());
        connect(row.apply, &QPushButton::clicked, this, [this, r] { apply(r); });
    }
    rows->setColumnStretch(0, 1);
    layout->addLayout(rows);

    // Fifteen items may contradict each other in hundreds of triples: they scroll in three lines.
    // A text view rather than a label in a scroll area: a wrapped label would be cut, not scrolled.
    m_triplesView->setObjectName(QStringLiteral("intransitiveTriples"));
    m_triplesView->setReadOnly(true);
    m_triplesView->setFrameShape(QFrame::NoFrame);
    m_triplesView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_triplesView->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Read by mouse and wheel; the page's keyboard order stays the wizard's own.
    m_triplesView->setFocusPolicy(Qt::ClickFocus);
    m_triplesView->viewport()->setAutoFillBackground(false);
    m_triplesView->document()->setDocumentMargin(0);
    fitTriplesView();
    m_triplesView->installEventFilter(this);
    layout->addWidget(m_triplesView);

    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(0);
    connect(&m_refreshTimer, &QTimer::timeout, this, &RevisionPanel::refresh);
    connect(grid->gridModel(), &QAbstractItemModel::dataChanged, this, &RevisionPanel::scheduleRefresh);
    connect(grid->gridModel(), &QAbstractItemModel::modelReset, this, &RevisionPanel::scheduleRefresh);
    clearRows();
}

void RevisionPanel::scheduleRefresh()
{
    if (!m_refreshTimer.isActive())
        m_refreshTimer.start();
}

void RevisionPanel::invalidate()
{
    m_shown = MatrixSnapshot();
    m_shown.n = -1;
    scheduleRefresh();
}

void RevisionPanel::setMissingAllowed(std::function<bool()> allowed)
{
    m_missingAllowed = std::move(allowed);
    invalidate();
}

void RevisionPanel::refresh()
{
    m_refreshTimer.stop();
    const ComparisonNames names = m_names ? m_names() : ComparisonNames();
    m_triplesView->setAccessibleName(tr("Противоречивые тройки"));
    MatrixSnapshot snapshot = snapshotOf(*m_grid, int(names.items.size()));
    const bool missingAllowed = m_missingAllowed && m_missingAllowed();
    if (snapshot == m_shown && missingAllowed == m_shownMissingAllowed) {
        m_focusRow = -1;
        return;
    }
    m_shown = std::move(snapshot);
    m_shownMissingAllowed = missingAllowed;

    m_revisions.clear();
    m_triples.clear();
    m_missing.clear();
    m_askNext.reset();
    // Hiding the focused button would send the focus to the next control of the page; it stays
    // in the panel instead, on the row the person was at.
    const int focusedRow = focusedApplyRow();
    MatrixReading reading;
    if (missingAllowed) {
        if (!readIncomplete(names, reading)) {
            m_valid = false;
            m_cr = 0.0;
            clearRows();
            m_triplesView->clear();
            showAskNext(names);
            keepFocusInPanel(focusedRow);
            return;
        }
    } else {
        reading = readMatrix(m_shown);
    }
    m_valid = !reading.failure && m_shown.n > 0;
    if (!m_valid) {
        m_cr = 0.0;
        if (reading.failure)
            showUnreadable(names, *reading.failure);
        else
            setSummary(QString());
        clearRows();
        m_triplesView->clear();
        showAskNext(names);
        keepFocusInPanel(focusedRow);
        return;
    }
    const PriorityResult result = computeLocalPriorities(m_shown.n, reading.a);
    m_cr = result.cr;
    // Only suggestions that change a judgement are worth a row. Each one asks for a ratio
    // computed again, so more pairs are asked for only while too few of them change anything.
    const int pairs = m_shown.n * (m_shown.n - 1) / 2;
    for (int asked = RevisionCount; int(m_revisions.size()) < RevisionCount; asked *= 4) {
        m_revisions.clear();
        for (const JudgementRevision &revision : judgementRevisions(m_shown.n, reading.a, asked)) {
            if (isMissing(revision.row, revision.col))
                continue;
            if (sameValue(scaleTextValue(revision.suggestedText), reading.a[size_t(revision.row)][size_t(revision.col)]))
                continue;
            m_revisions.push_back(revision);
            if (int(m_revisions.size()) == RevisionCount)
                break;
        }
        if (asked >= pairs)
            break;
    }
    m_triples = intransitiveTriples(m_shown.n, reading.a);
    // An estimate agrees with the judgements given by construction: only those can contradict.
    m_triples.erase(std::remove_if(m_triples.begin(), m_triples.end(),
                                   [this](const IntransitiveTriple &t) {
                                       return isMissing(t.first, t.second) || isMissing(t.second, t.third)
                                           || isMissing(t.third, t.first);
                                   }),
                    m_triples.end());
    showAskNext(names);
    showRevisions(names);
    showTriples(names);
    keepFocusInPanel(focusedRow);
}

bool RevisionPanel::readIncomplete(const ComparisonNames &names, MatrixReading &reading)
{
    // Pairs left out are read as ones, so that every other cell is checked as it always is; a
    // half pair or a rejected text stops the reading just as without missing judgements.
    MatrixSnapshot filled = m_shown;
    for (int i = 0; i < m_shown.n; ++i)
        for (int j = i + 1; j < m_shown.n; ++j)
            if (m_shown.texts[i][j].isEmpty() && m_shown.texts[j][i].isEmpty()) {
                m_missing.emplace_back(i, j);
                filled.texts[i][j] = filled.texts[j][i] = QStringLiteral("1");
            }
    reading = readMatrix(filled);
    if (reading.failure || m_missing.empty())
        return true;
    for (const auto &[i, j] : m_missing)
        reading.a[size_t(i)][size_t(j)] = reading.a[size_t(j)][size_t(i)] = 0.0;
    const IncompleteMatrixResult result = computeIncompleteMatrix(m_shown.n, reading.a);
    if (result.askNext)
        m_askNext = std::make_pair(result.askNext->row, result.askNext->col);
    if (!result.computed()) {
        QStringList items;
        for (int i = 0; i < m_shown.n; ++i)
            items << names.item(i).simplified();
        setSummary(result.unlinked.empty() ? QString() : inGroup(names, unlinkedItemsText(items, result.unlinked)));
        return false;
    }
    for (const EstimatedJudgement &e : result.estimated) {
        reading.a[size_t(e.row)][size_t(e.col)] = e.value;
        reading.a[size_t(e.col)][size_t(e.row)] = 1.0 / e.value;
    }
    return true;
}

bool RevisionPanel::isMissing(int i, int j) const
{
    const std::pair<int, int> pair = i < j ? std::make_pair(i, j) : std::make_pair(j, i);
    return std::find(m_missing.begin(), m_missing.end(), pair) != m_missing.end();
}

void RevisionPanel::showAskNext(const ComparisonNames &names)
{
    m_askRow->setVisible(m_shownMissingAllowed);
    // A hidden row is never laid out: it holds no caption to be measured against its width.
    m_askNextBtn->setText(m_shownMissingAllowed ? tr("Перейти к этой паре") : QString());
    m_askNextBtn->setVisible(bool(m_askNext));
    if (!m_askNext) {
        m_askNextLabel->clear();
        m_askNextLabel->setToolTip(QString());
        return;
    }
    const QString text = inGroup(names, tr("Следующим стоит сравнить %1 и %2")
                                                .arg(quoted(names.item(m_askNext->first).simplified()),
                                                     quoted(names.item(m_askNext->second).simplified())));
    m_askNextLabel->setToolTip(text);
    m_askNextLabel->setText(text);
    m_askNextBtn->setAccessibleName(tr("Перейти к паре %1 : %2")
                                            .arg(quoted(names.item(m_askNext->first).simplified()),
                                                 quoted(names.item(m_askNext->second).simplified())));
}

QString RevisionPanel::inGroup(const ComparisonNames &names, const QString &sentence) const
{
    if (names.group.isEmpty() || sentence.isEmpty())
        return sentence;
    QString rest = sentence;
    rest[0] = rest.at(0).toLower();
    return tr("В группе %1 %2", "%1: the criterion whose sub-criteria are compared; %2: a sentence begun in lower case")
        .arg(quoted(names.group), rest);
}

QString RevisionPanel::askNextText() const
{
    return m_askNextLabel->text();
}

void RevisionPanel::goToAskNext()
{
    if (!m_askNext)
        return;
    const int col = m_askNext->second + 1;
    const int row = m_askNext->first + 1;
    if (col >= m_grid->colCount() || row >= m_grid->rowCount())
        return;
    m_grid->setFocus(Qt::OtherFocusReason);
    m_grid->setCurrentCell(col, row);
}

int RevisionPanel::focusedApplyRow() const
{
    for (int r = 0; r < RevisionCount; ++r)
        if (m_rows[r].apply->hasFocus() || m_focusRow == r)
            return r;
    return -1;
}

void RevisionPanel::keepFocusInPanel(int row)
{
    m_focusRow = -1;
    if (row < 0)
        return;
    for (int r = qMin(row, RevisionCount - 1); r >= 0; --r) {
        if (m_rows[r].apply->isVisibleTo(this)) {
            m_rows[r].apply->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    m_triplesView->setFocus(Qt::OtherFocusReason);
}

QString RevisionPanel::summaryText() const
{
    return m_summaryText;
}

void RevisionPanel::setSummary(const QString &text)
{
    m_summaryText = text;
    m_summary->setToolTip(text);
    m_summary->setText(m_summary->fontMetrics().elidedText(text, Qt::ElideRight, qMax(0, m_summary->width())));
}

void RevisionPanel::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    // The label has its new width only once the layout has run.
    QTimer::singleShot(0, this, [this] {
        setSummary(m_summaryText);
        fitPairs();
    });
}

void RevisionPanel::fitPairs()
{
    for (Row &row : m_rows) {
        const int width = qMax(PairWidth, row.pair->width());
        row.pair->setText(row.pair->fontMetrics().elidedText(row.pairText, Qt::ElideRight, width));
    }
}

void RevisionPanel::fitTriplesView()
{
    // Lines of a text view are as high as the font, without the leading between lines of a label.
    m_triplesView->setFixedHeight(int(std::ceil(3 * QFontMetricsF(m_triplesView->font()).height())));
}

bool RevisionPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_triplesView && event->type() == QEvent::FontChange)
        fitTriplesView();
    return QFrame::eventFilter(watched, event);
}

QString RevisionPanel::triplesText() const
{
    return m_triplesView->toPlainText();
}

void RevisionPanel::showUnreadable(const ComparisonNames &names, const ValidationFailure &failure)
{
    const QString rowName = quoted(names.item(failure.row - 1));
    const QString colName = quoted(names.item(failure.col - 1));
    if (m_shown.texts.value(failure.row - 1).value(failure.col - 1).isEmpty())
        setSummary(inGroup(names, tr("Пока не заполнено: %1 над %2").arg(rowName, colName)));
    else
        setSummary(inGroup(names, tr("Не читается: %1 над %2 — %3").arg(rowName, colName, unreadableReason(failure.message))));
}

void RevisionPanel::showRevisions(const ComparisonNames &names)
{
    const QString ratio = formatReadable(m_cr);
    clearRows();
    if (isInconsistent(m_cr)) {
        setSummary(inGroup(names, tr("Отношение согласованности (ОС) %1 больше допустимого. Пересмотрите в первую очередь:").arg(ratio)));
    } else if (m_cr > ImprovableRatio && !m_revisions.empty()) {
        setSummary(inGroup(names, tr("Отношение согласованности (ОС) %1: суждения согласованы, но можно улучшить:").arg(ratio)));
    } else {
        // Consistent enough: a suggestion would only trade one good judgement for another.
        m_revisions.clear();
        setSummary(inGroup(names, tr("Отношение согласованности (ОС) %1: матрица согласована, пересматривать нечего.").arg(ratio)));
        return;
    }

    for (size_t r = 0; r < m_revisions.size() && r < size_t(RevisionCount); ++r) {
        const JudgementRevision &revision = m_revisions[r];
        Row &row = m_rows[r];
        const QString pair = QStringLiteral("%1 : %2").arg(quoted(names.item(revision.row).simplified()),
                                                           quoted(names.item(revision.col).simplified()));
        row.pairText = pair;
        row.pair->setToolTip(pair);
        row.present->setText(tr("сейчас %1").arg(m_shown.texts.at(revision.row).at(revision.col)));
        row.fitting->setText(tr("подходит %1").arg(revision.suggestedText));
        row.fitting->setToolTip(tr("Согласуется с остальными: %1").arg(formatReadable(revision.consistentValue)));
        row.crAfter->setText(tr("ОС станет %1").arg(formatReadable(revision.crAfter)));
        row.apply->setText(tr("Поставить %1").arg(revision.suggestedText));
        // Three buttons that differ only by their number would not say which pair they change.
        row.apply->setAccessibleName(tr("Поставить %1 для %2").arg(revision.suggestedText, pair));
        row.apply->setToolTip(row.apply->accessibleName());
        for (QWidget *w : {static_cast<QWidget *>(row.pair), static_cast<QWidget *>(row.present),
                           static_cast<QWidget *>(row.fitting), static_cast<QWidget *>(row.crAfter),
                           static_cast<QWidget *>(row.apply)})
            w->setVisible(true);
    }
    fitPairs();
}

void RevisionPanel::showTriples(const ComparisonNames &names)
{
    if (m_triples.empty()) {
        m_triplesView->setPlainText(inGroup(names, tr("Противоречивых троек нет.")));
        return;
    }
    const QString pattern = names.isCriteria() ? tr("%1 важнее %2, %2 важнее %3, но %3 важнее %1")
                                               : tr("%1 предпочтительнее %2, %2 предпочтительнее %3, но %3 предпочтительнее %1");
    QStringList lines;
    const auto name = [&names](int i) { return quoted(names.item(i).simplified()); };
    for (const IntransitiveTriple &t : m_triples)
        lines << pattern.arg(name(t.first), name(t.second), name(t.third));
    m_triplesView->setPlainText(inGroup(names, tr("Противоречивые тройки (%1): %2.").arg(lines.size()).arg(lines.join(QStringLiteral("; ")))));
}

void RevisionPanel::clearRows()
{
    for (Row &row : m_rows) {
        // Hidden rows keep their height, so the panel does not jump while the person types.
        for (QLabel *label : {row.pair, row.present, row.fitting, row.crAfter}) {
            label->clear();
            label->setToolTip(QString());
        }
        row.pairText.clear();
        row.apply->setVisible(false);
    }
}

void RevisionPanel::apply(int index)
{
    if (index < 0 || size_t(index) >= m_revisions.size())
        return;
    const JudgementRevision revision = m_revisions[size_t(index)];
    const int col = revision.col + 1;
    const int row = revision.row + 1;
    if (col >= m_grid->colCount() || row >= m_grid->rowCount())
        return;
    // The rows are shown anew once the grid has changed; the focus is to come back to this one.
    if (m_rows[index].apply->hasFocus())
        m_focusRow = index;
    const QString mirror = reciprocalText(revision.suggestedText);
    m_grid->setCell(col, row, revision.suggestedText);
    if (!mirror.isNull())
        m_grid->setCell(row, col, mirror);
    emit judgementApplied(col, row);
}
