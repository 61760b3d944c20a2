#pragma once

// The decision on the main window's widgets, and what the person changes on them back to the
// decision. The window's handlers run the data-entry rules on the widgets; this class hands the
// result to the Decision as edits (a committed cell with its mirror, a name, the user name), and
// when the Decision changes (an edit, an undo, a redo, a file opened) it writes what changed into
// the widgets and the window's stores, and after an undo or a redo shows the page and the cell of
// the step.

#include "document/decision.h"

#include <QObject>

class Decision;
class RevisionPanel;
class StringGrid;
class TMainForm;
struct DecisionModel;
namespace Ui {
class TMainForm;
}

class DecisionView : public QObject
{
    Q_OBJECT
public:
    DecisionView(TMainForm *form, Ui::TMainForm *ui, DecisionModel &model, Decision *decision);

    // The later pages' grids, once built: what is typed into them goes to the document.
    void watchPages();
    // Suggestions taken from these panels are edits of their grids' matrices.
    void watchRevisions(RevisionPanel *criteria, RevisionPanel *alternatives);

    // While the window itself writes into the widgets, their change signals are not edits.
    void beginShowing() { ++m_showing; }
    void endShowing() { --m_showing; }
    bool isShowing() const { return m_showing > 0; }

    // The matrix the criteria page shows: CriteriaMatrix or subcriteriaMatrix(k).
    int criteriaMatrix() const { return m_criteriaMatrix; }
    void setCriteriaMatrix(int matrix) { m_criteriaMatrix = matrix; }

    // Everything built again for a document that replaced the last one.
    void showDocument();
    void showCriteriaHeaders();
    void showJudgements(int matrix);
    void showName(NameList list, int index);
    void showUser();
    // The paths in the two pages' name boxes, after a name on them changed.
    void showPathNames();
    void showEditPlace(const EditPlace &place);

signals:
    void pathNamesChanged();

public:

    // The names of a list as the widgets hold them go to the document.
    void takeNameEdits(NameList list);
    // The grid's cells go to the document; a committed cell ends its step.
    void commitGrid(StringGrid *grid);
    // The matrix of the document a grid shows now.
    int shownMatrix(const StringGrid *grid) const;

private:
    void takeGridEdits(StringGrid *grid, bool typing);
    void leavePairOut(StringGrid *grid, int col, int row);
    void noteTypedCell(int matrix, int col, int row);

    TMainForm *m_form;
    Ui::TMainForm *ui;
    DecisionModel &m_model;
    Decision *m_decision;
    int m_showing = 0;
    int m_criteriaMatrix = CriteriaMatrix;
    // The cell typed into since the last committed step: the step's own cell.
    int m_typedMatrix = CriteriaMatrix;
    int m_typedRow = -1;
    int m_typedCol = -1;
};
