#pragma once

// The main window: a five-page wizard that walks one person through one decision.
//
//   title page -> names page -> criteria matrix -> one alternatives matrix per criterion -> result
//
// The window owns every control and the one DecisionModel. Its handlers stay thin: they read
// widgets, call the decision logic (model/) and the data-entry rules (entry/), and write
// widgets back. The counts of criteria and alternatives are the positions of the two spin
// controls and are never copied; the criteria matrix lives in the texts of ChoiceTab, the
// alternatives matrices in the model's stores, of which CompTab shows one at a time.
// Messages go through ShowHint to the status line, which clears itself after 2000 ms.

#include "model/decisionmodel.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <optional>

namespace Ui {
class TMainForm;
}
class DocumentController;
class QLineEdit;
class QTimer;
class StringGrid;
class JudgementWordsLine;
class RevisionPanel;
class SensitivityView;
struct ValidationFailure;
struct ReportData;
struct PriorityResult;

class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    DecisionModel &model() { return m_model; }
    const DecisionModel &model() const { return m_model; }
    // Opening, saving and recovering the session, and the menus that do it.
    DocumentController *documents() const { return m_documents; }
    // As "Открыть…" with the file already chosen (the command line, a dropped file).
    bool openDecisionFile(const QString &path);
    int criteriaCount() const;
    int alternativesCount() const;

    // Handlers, named after their control and event. Public so that programmatic clicks read
    // as what they are.
    void FormCreate();
    void FormResize();
    void FormKeyDown(int &key, Qt::KeyboardModifiers shift);

    void NextBtnClick();
    void PriorBtnClick();
    void NotebookPageChanged();
    void resetSession();

    void ShowHint(const QString &text);
    void TimerTimer();
    void HelpBtnClick();

    void UpDownKritClick();
    void UpDownAltClick();
    void KritersClick();
    void AltersClick();
    void StudentNameExit();

    void ChoiceTabKeyPress(QChar &key);
    void CompTabKeyPress(QChar &key);

    void CalcBtnClick();
    void updateConsistencyWarning();

    void CalcBtn2Click();
    void RefreshCompTab();
    void PriorMatrixBtnClick();
    void NextMatrixBtnClick();

    void ChoicesMouseUp();
    void ChoicesKeyUp();
    void ChoiceNameExit();
    void ChoiceNameKeyDown(int key);
    void AltListClick();
    void ChoiceAltExit();
    void ChoiceAltKeyDown(int key);

    void ChoiceTabClick();
    void ChoiceTabKeyDown(int &key, Qt::KeyboardModifiers shift);
    void ChoiceTabSelectCell(int col, int row, bool &canSelect);
    void CompTabClick();
    void CompTabKeyDown(int &key, Qt::KeyboardModifiers shift);
    void CompTabSelectCell(int col, int row, bool &canSelect);

    void PrintBtnClick();
    void SensitivityBtnClick();
    // What the print of the page on the screen shows, read from the controls.
    ReportData collectReportData() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setUpControls();
    void setUpAnalysis();
    void growForWholeGrid();
    void connectHandlers();
    void reportBadCell(StringGrid *grid, const ValidationFailure &failure);
    // The check and computation that both comparison pages share: the judgements of the grid's
    // n x n cells are checked (the first bad one is reported and nothing is computed), each
    // value goes to keep(i, j, value) as it is read, and the priorities are shown in the
    // grid's last column.
    std::optional<PriorityResult> computeShownMatrix(StringGrid *grid, int n,
                                                     const std::function<void(int, int, double)> &keep);
    void storeShownAltTexts();
    void keepShownAltMatrix();
    void fillResultPage();
    void selectStartCell(StringGrid *grid);
    void setRatioColour(QLineEdit *edit, bool inconsistent);
    void centreOnScreen();
    void keepPanel4Centred();
    // Returns whether the decision band's height changed.
    bool makeRoomForDecision();
    int sensitivityRowHeight() const;
    void keepControlsWhole();
    bool previewKey(QObject *watched, QEvent *event);
    void showTranslatedTexts();

    Ui::TMainForm *ui;
    QTimer *Timer;
    DecisionModel m_model;
    const QEvent *m_previewedKey = nullptr;
    DocumentController *m_documents = nullptr;
    JudgementWordsLine *m_choiceWords = nullptr;
    JudgementWordsLine *m_compWords = nullptr;
    RevisionPanel *m_choiceRevisions = nullptr;
    RevisionPanel *m_compRevisions = nullptr;
    QPointer<SensitivityView> m_sensitivity;
    bool m_grownForGrid = false;
};
