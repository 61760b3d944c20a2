#include "app/missingpairsview.h"

#include "document/decision.h"
#include "model/numberformat.h"
#include "model/translatabletext.h"
#include "platform/stringgrid.h"
#include "platform/stringgridmodel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>

MissingPairsView::MissingPairsView(Decision *decision, StringGrid *grid, std::function<int()> matrix, QWidget *parent)
    : QFrame(parent)
    , m_decision(decision)
    , m_grid(grid)
    , m_matrix(std::move(matrix))
    , m_given(new QLabel(this))
{
    const QString page = grid->objectName();
    setObjectName(page + QStringLiteral("MissingPairs"));
    m_given->setObjectName(page + QStringLiteral("GivenPairs"));
    auto *layout = new QHBoxLayout(this);
    // The margins of the page's other bands.
    layout->setContentsMargins(8, 2, 8, 2);
    layout->addWidget(m_given, 1);
    m_timer.setSingleShot(true);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &MissingPairsView::refresh);
    connect(decision, &Decision::changed, this, &MissingPairsView::scheduleRefresh);
    connect(decision, &Decision::allowMissingChanged, this, &MissingPairsView::scheduleRefresh);
    // Another matrix put on the grid, or the grid resized.
    connect(grid->gridModel(), &QAbstractItemModel::dataChanged, this, &MissingPairsView::scheduleRefresh);
    connect(grid->gridModel(), &QAbstractItemModel::modelReset, this, &MissingPairsView::scheduleRefresh);
    setVisible(false);
}

void MissingPairsView::scheduleRefresh()
{
    if (!m_showing)
        m_timer.start();
}

void MissingPairsView::refresh()
{
    m_timer.stop();
    m_showing = true;
    StringGridModel *model = m_grid->gridModel();
    const int matrix = m_matrix();
    const int n = m_decision->matrixOrder(matrix);
    m_result = IncompleteMatrixResult();
    if (m_decision->allowMissing() && n > 0 && m_grid->colCount() > n && m_grid->rowCount() > n)
        m_result = computeIncompleteMatrix(m_decision->judgements(matrix), n, true, QLocale());
    model->clearEstimates();
    model->setMarkedCell(-1, -1);
    for (const EstimatedJudgement &e : m_result.estimated) {
        model->setEstimate(e.col + 1, e.row + 1, formatReadable(e.value));
        model->setEstimate(e.row + 1, e.col + 1, formatReadable(1.0 / e.value));
    }
    if (m_result.askNext)
        model->setMarkedCell(m_result.askNext->col + 1, m_result.askNext->row + 1);
    const bool on = m_decision->allowMissing() && n > 0;
    if (on) {
        const int pairs = n * (n - 1) / 2;
        // A cell that stops the computation leaves nothing counted.
        const QString given = russianGenitiveSingular(pairs) ? tr("задано %1 из %n сравнения", nullptr, pairs)
                                                             : tr("задано %1 из %n сравнений", nullptr, pairs);
        m_given->setText(m_result.problem ? QString() : given.arg(pairs - m_result.missing));
    }
    setVisible(on);
    m_showing = false;
}

void MissingPairsView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        scheduleRefresh();
    QFrame::changeEvent(event);
}
