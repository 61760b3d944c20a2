#include "app/decisionview.h"
#include "app/mainformui.h"

#include "analysis/revisionpanel.h"
#include "app/mainform.h"
#include "app/pagetexts.h"
#include "app/widgetadapters.h"
#include "entry/namelisting.h"
#include "model/decisionmodel.h"
#include "platform/errordisplay.h"
#include "platform/stringgrid.h"

#include <QLocale>

using namespace Wizard;

namespace {
QChar decimalPoint()
{
    return decimalPointOf(QLocale());
}
}

DecisionView::DecisionView(TMainForm *form, Ui::TMainForm *ui, DecisionModel &model, Decision *decision)
    : QObject(form)
    , m_form(form)
    , ui(ui)
    , m_model(model)
    , m_decision(decision)
{
    connect(ui->StudentName, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!isShowing())
            m_decision->setUser(text);
    });

    // Whatever shows on the later pages builds them first, should they not be built yet.
    connect(decision, &Decision::documentReset, this, [this] { ErrorDisplay::guarded([this] { showDocument(); }); });
    connect(decision, &Decision::judgementsChanged, this,
            [this](int matrix) { ErrorDisplay::guarded([this, matrix] { m_form->buildPages(); showJudgements(matrix); }); });
    connect(decision, &Decision::nameChanged, this,
            [this](NameList list, int index) { ErrorDisplay::guarded([this, list, index] { m_form->buildPages(); showName(list, index); }); });
    connect(decision, &Decision::subcriterionNameChanged, this, [this] {
        ErrorDisplay::guarded([this] {
            m_form->buildPages();
            if (m_model.SessionPrepared && m_criteriaMatrix != CriteriaMatrix)
                showCriteriaHeaders();
            showPathNames();
        });
    });
    connect(decision, &Decision::userChanged, this, [this] { ErrorDisplay::guarded([this] { showUser(); }); });
    connect(decision, &Decision::editShown, this,
            [this](const EditPlace &place) { ErrorDisplay::guarded([this, place] { m_form->buildPages(); showEditPlace(place); }); });
}

void DecisionView::watchPages()
{
    // Typing into a cell is part of one step until the cell is committed.
    for (StringGrid *grid : {ui->ChoiceTab, ui->CompTab}) {
        connect(grid, &StringGrid::cellEdited, this, [this, grid](int col, int row) {
            noteTypedCell(shownMatrix(grid), col, row);
            leavePairOut(grid, col, row);
            takeGridEdits(grid, true);
        });
    }
}

void DecisionView::watchRevisions(RevisionPanel *criteria, RevisionPanel *alternatives)
{
    const struct
    {
        RevisionPanel *panel;
        StringGrid *grid;
    } panels[] = {{criteria, ui->ChoiceTab}, {alternatives, ui->CompTab}};
    for (const auto &p : panels) {
        StringGrid *grid = p.grid;
        connect(p.panel, &RevisionPanel::judgementApplied, this, [this, grid](int col, int row) {
            noteTypedCell(shownMatrix(grid), col, row);
            takeGridEdits(grid, false);
            commitGrid(grid);
        });
    }
}

// Where pairs may be left out, a judgement emptied takes its mirror along: the pair is left out,
// not half given, and a click elsewhere does not write the mirror's reciprocal back.
void DecisionView::leavePairOut(StringGrid *grid, int col, int row)
{
    const int order = m_decision->matrixOrder(shownMatrix(grid));
    if (!m_decision->allowMissing() || isShowing() || col == row || col < 1 || row < 1 || col > order || row > order)
        return;
    if (grid->cell(col, row).isEmpty())
        grid->setCell(row, col, QString());
}

void DecisionView::noteTypedCell(int matrix, int col, int row)
{
    m_typedMatrix = matrix;
    m_typedRow = row - 1;
    m_typedCol = col - 1;
}

void DecisionView::showDocument()
{
    showUser();
    const int page = ui->Notebook->currentIndex();
    beginShowing();
    ui->UpDownKrit->setPosition(m_decision->criteriaCount());
    ui->UpDownAlt->setPosition(m_decision->alternativesCount());
    ui->Kriters->setText(QString::number(m_decision->criteriaCount()));
    ui->Alters->setText(QString::number(m_decision->alternativesCount()));
    endShowing();
    // On the title page the session is prepared by the next move forward, as after a press of
    // the spin arrows; elsewhere the pages show the new document at once.
    if (page == TitlePage) {
        m_model.SessionPrepared = false;
        return;
    }
    // Another tree may number its sub-criteria matrices otherwise: the top one is shown.
    m_criteriaMatrix = CriteriaMatrix;
    m_form->resetSession();
    if (page >= CriteriaPage) {
        showCriteriaHeaders();
        showJudgements(CriteriaMatrix);
    }
    if (page == AlternativesPage)
        m_form->RefreshCompTab();
}

void DecisionView::showCriteriaHeaders()
{
    beginShowing();
    // A matrix gone with an undone sub-criteria step leaves the top one on the page.
    if (m_decision->matrixOrder(m_criteriaMatrix) == 0)
        m_criteriaMatrix = CriteriaMatrix;
    const int n = m_decision->matrixOrder(m_criteriaMatrix);
    QStringList names;
    if (m_criteriaMatrix == CriteriaMatrix) {
        names = m_decision->names(NameList::Criteria);
    } else {
        const Hierarchy tree = m_decision->hierarchy();
        const CriterionPath path = tree.subcriteriaPlaces().value(subcriteriaIndexOf(m_criteriaMatrix)).path;
        if (const CriterionNode *node = tree.node(path)) {
            for (const CriterionNode &sub : node->subcriteria)
                names << sub.name;
        }
    }
    StringGrid *grid = ui->ChoiceTab;
    grid->setColCount(n + 2);
    grid->setRowCount(n + 1);
    for (int i = 0; i < n; ++i) {
        const QString name = names.value(i);
        grid->setCell(i + 1, 0, name);
        grid->setCell(0, i + 1, name);
        grid->setCell(i + 1, i + 1, QStringLiteral("1"));
    }
    grid->setCell(0, 0, CriteriaCornerHeader.text());
    grid->setCell(n + 1, 0, CriteriaPriorityHeader.text());
    endShowing();
}

void DecisionView::showJudgements(int matrix)
{
    if (!m_model.SessionPrepared)
        return;
    beginShowing();
    const QChar point = decimalPoint();
    bool changed = false;
    if (matrix == CriteriaMatrix && matrix != m_criteriaMatrix) {
        // Not on the grid: only its results are out of date.
        m_model.CriteriaComputed = false;
    } else if (isSubcriteriaMatrix(matrix) && matrix != m_criteriaMatrix) {
        const int k = subcriteriaIndexOf(matrix);
        if (k < m_model.SubcriteriaComputed.size())
            m_model.SubcriteriaComputed[k] = false;
    } else if (matrix == m_criteriaMatrix) {
        const int n = m_decision->matrixOrder(matrix);
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) {
                const QString text = i == j ? QStringLiteral("1") : fromFileText(m_decision->judgement(matrix, i, j), point);
                if (ui->ChoiceTab->cell(j + 1, i + 1) != text) {
                    ui->ChoiceTab->setCell(j + 1, i + 1, text);
                    changed = true;
                }
            }
        }
        if (changed && matrix == CriteriaMatrix)
            m_model.CriteriaComputed = false;
        else if (changed && subcriteriaIndexOf(matrix) < m_model.SubcriteriaComputed.size())
            m_model.SubcriteriaComputed[subcriteriaIndexOf(matrix)] = false;
    } else if (matrix >= 0 && matrix < m_decision->leafCount()) {
        const int m = m_decision->alternativesCount();
        const bool shown = matrix == m_model.CurrentCriterion;
        for (int i = 0; i < m; ++i) {
            for (int j = 0; j < m; ++j) {
                if (i == j)
                    continue;
                const QString text = fromFileText(m_decision->judgement(matrix, i, j), point);
                if (m_model.AltMatrixText.value(matrix, j, i) != text) {
                    m_model.AltMatrixText.set(matrix, j, i, text);
                    changed = true;
                }
                if (shown && ui->CompTab->cell(j + 1, i + 1) != text) {
                    ui->CompTab->setCell(j + 1, i + 1, text);
                    changed = true;
                }
            }
        }
        if (changed)
            m_model.AltMatrixComputed.set(matrix, false);
    }
    endShowing();
}

void DecisionView::showName(NameList list, int index)
{
    beginShowing();
    QListWidget *names = list == NameList::Criteria ? ui->Choices : ui->AltList;
    QLineEdit *editor = list == NameList::Criteria ? ui->ChoiceName : ui->ChoiceAlt;
    const QString name = m_decision->name(list, index);
    QListWidgetItem *item = names->item(index);
    const QString shown = item ? item->text() : QString();
    if (item && shown != name)
        item->setText(name);
    // A name being typed over the entry stays the person's.
    if (names->currentRow() == index && editor->text() != name && (!editor->isModified() || editor->text() == shown))
        LineEditName(*editor).setText(name);
    if (list == NameList::Criteria) {
        if (m_criteriaMatrix == CriteriaMatrix && ui->ChoiceTab->colCount() > index + 1) {
            ui->ChoiceTab->setCell(index + 1, 0, name);
            ui->ChoiceTab->setCell(0, index + 1, name);
        }
        showPathNames();
    }
    endShowing();
}

void DecisionView::showPathNames()
{
    beginShowing();
    const Hierarchy tree = m_decision->hierarchy();
    const QString path = tree.pathText(tree.leaves().value(m_model.CurrentCriterion).path);
    ui->ChoiceName2->setText(path);
    // A long path shows its beginning, and the whole of it on hovering.
    ui->ChoiceName2->setCursorPosition(0);
    ui->ChoiceName2->setToolTip(tree.isFlat() ? QString() : path);
    endShowing();
    emit pathNamesChanged();
}

void DecisionView::showUser()
{
    if (ui->StudentName->text() == m_decision->user())
        return;
    beginShowing();
    ui->StudentName->setText(m_decision->user());
    endShowing();
}

int DecisionView::shownMatrix(const StringGrid *grid) const
{
    return grid == ui->ChoiceTab ? m_criteriaMatrix : m_model.CurrentCriterion;
}

void DecisionView::takeGridEdits(StringGrid *grid, bool typing)
{
    if (isShowing() || !m_model.SessionPrepared)
        return;
    const int matrix = shownMatrix(grid);
    const int order = m_decision->matrixOrder(matrix);
    if (order == 0)
        return;
    if (grid->colCount() < order + 1 || grid->rowCount() < order + 1)
        return;
    const QChar point = decimalPoint();
    QList<CellEdit> edits;
    // The cell the person worked on leads the step: it names it and is shown again on Undo.
    const bool typed = m_typedMatrix == matrix && m_typedRow >= 0 && m_typedCol >= 0;
    const int leadRow = typed ? m_typedRow : grid->row() - 1;
    const int leadCol = typed ? m_typedCol : grid->col() - 1;
    for (int i = 0; i < order; ++i) {
        for (int j = 0; j < order; ++j) {
            if (i == j)
                continue;
            const QString text = toFileText(grid->cell(j + 1, i + 1), point);
            const bool lead = i == leadRow && j == leadCol;
            if (lead)
                edits.prepend({i, j, text});
            else if (text != m_decision->judgement(matrix, i, j))
                edits.append({i, j, text});
        }
    }
    m_decision->setJudgements(matrix, edits, typing);
}

void DecisionView::commitGrid(StringGrid *grid)
{
    takeGridEdits(grid, true);
    m_decision->finishTyping();
    m_typedRow = m_typedCol = -1;
}

void DecisionView::takeNameEdits(NameList list)
{
    if (isShowing() || !m_model.SessionPrepared)
        return;
    const QListWidget *names = list == NameList::Criteria ? ui->Choices : ui->AltList;
    for (int i = 0; i < names->count() && i < m_decision->names(list).size(); ++i)
        m_decision->setName(list, i, names->item(i)->text());
}

void DecisionView::showEditPlace(const EditPlace &place)
{
    if (place.kind == EditPlace::Kind::Setting)
        return;
    int target = TitlePage;
    if (place.kind == EditPlace::Kind::Names || place.kind == EditPlace::Kind::Subcriteria)
        target = NamesPage;
    else if (place.kind == EditPlace::Kind::Matrix)
        target = place.matrix == CriteriaMatrix || isSubcriteriaMatrix(place.matrix) ? CriteriaPage : AlternativesPage;
    if (target > TitlePage && !m_model.SessionPrepared)
        m_form->resetSession();
    // Back as the person would go; forward past the pages' checks, which may stop earlier.
    while (ui->Notebook->currentIndex() > target)
        m_form->PriorBtnClick();
    while (ui->Notebook->currentIndex() < target) {
        if (!m_form->advance())
            return;
    }
    if (place.kind == EditPlace::Kind::Names) {
        QListWidget *names = place.list == NameList::Criteria ? ui->Choices : ui->AltList;
        if (place.index >= 0 && place.index < names->count()) {
            names->setCurrentRow(place.index);
            LineEditName editor(place.list == NameList::Criteria ? *ui->ChoiceName : *ui->ChoiceAlt);
            showEntry(ListWidgetNames(*names), editor);
        }
    } else if (place.kind == EditPlace::Kind::Subcriteria) {
        // The top criterion the sub-criteria hang under.
        if (!place.path.isEmpty())
            m_form->showCriterionEntry(place.path.first());
    } else if (place.kind == EditPlace::Kind::Matrix) {
        StringGrid *grid = ui->ChoiceTab;
        if (place.matrix == CriteriaMatrix || isSubcriteriaMatrix(place.matrix)) {
            m_form->showCriteriaMatrix(place.matrix);
        } else {
            grid = ui->CompTab;
            m_form->showAlternativesMatrix(place.matrix);
        }
        grid->setFocus(Qt::OtherFocusReason);
        if (place.row >= 0 && place.col >= 0)
            grid->setCurrentCell(place.col + 1, place.row + 1);
    }
}
