#pragma once

// The main window: a five-page wizard that walks one person through one decision.
//
//   title page -> names page -> criteria matrix -> one alternatives matrix per criterion -> result
//
// What the person typed lives in the Decision document below the window; DecisionView shows it
// on the widgets and hands it every edit as an undoable step (a committed cell with its mirror, a
// name, a count, the user name), and WindowLayout keeps the pages whole at every size. The handlers stay thin: they run the data-entry rules (entry/) on the widgets,
// hand what changed to the document, and show what the document and the computations (model/)
// give back. The DecisionModel keeps what the computations found: weights, measures, the
// computed and inconsistent flags, and the alternatives matrices as their stores, of which
// CompTab shows one at a time. Messages go through ShowHint to the status line, which clears
// itself after 2000 ms.

#include "document/decision.h"
#include "model/decisionmodel.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

// The wizard's pages, in their order on the notebook.
namespace Wizard {
enum Page : int { TitlePage = 0, NamesPage = 1, CriteriaPage = 2, AlternativesPage = 3, ResultPage = 4 };
}

namespace Ui {
class TMainForm;
}
class DecisionView;
class DocumentController;
class WindowLayout;
class CriteriaMatrixBar;
class QAction;
class QLineEdit;
class QTimer;
class StringGrid;
class JudgementWordsLine;
class NameDisplays;
class RevisionPanel;
class MissingPairsView;
class SensitivityView;
struct ValidationFailure;
struct ReportData;
struct PriorityResult;
struct DecisionResults;
class QLabel;
class QScrollArea;
class QStackedWidget;

class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    enum class PageBuilding {
        // Every page at once, before the window is shown.
        AllPages,
        // The title page alone, the window taking the size that the whole wizard had at an
        // earlier start on this screen, font and language (remembered in the settings): the four
        // later pages are built when first needed. Where nothing is remembered, every page is
        // built at once and the size is remembered for the next start.
        LaterPagesWhenNeeded,
    };
    explicit TMainForm(QWidget *parent = nullptr, PageBuilding building = PageBuilding::AllPages);
    ~TMainForm() override;

    // Builds the four later pages, once; everything that needs them calls this first: a move
    // forward, a file opened, a menu opened, a shortcut taken.
    void buildPages();
    bool pagesBuilt() const { return m_pageHolder != nullptr; }

    DecisionModel &model() { return m_model; }
    const DecisionModel &model() const { return m_model; }
    // The decision on the screen.
    Decision *decision() const { return m_decision; }
    // Opening, saving and recovering the session, and the menus that do it.
    DocumentController *documents() const { return m_documents; }
    // As "Открыть…" with the file already chosen (the command line, a dropped file).
    bool openDecisionFile(const QString &path);
    // After the document was loaded: the furthest page its judgements allow, computed on the way
    // as the forward moves compute.
    void showFurthestPage();
    void showTitlePage();
    // The document of a file (saved) or of a recovered session (not saved), on its furthest page.
    void openDocument(const DecisionDocument &document, bool saved);
    // Создать: a fresh decision of the design's counts, with the remembered user name.
    void startNewSession();
    int criteriaCount() const;
    int alternativesCount() const;

    // Handlers, named after their control and event. Public so that programmatic clicks read
    // as what they are.
    void FormCreate();
    void FormResize();
    void FormKeyDown(int &key, Qt::KeyboardModifiers shift);

    void NextBtnClick();
    void PriorBtnClick();
    // The checks and computations of a forward move from the page shown, then the move; false
    // when a check refuses.
    bool advance();
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
    void PriorCriteriaMatrixBtnClick();
    void NextCriteriaMatrixBtnClick();
    // The criteria page shows this matrix: CriteriaMatrix or subcriteriaMatrix(k).
    void showCriteriaMatrix(int matrix);
    void updateConsistencyWarning();

    void CalcBtn2Click();
    void RefreshCompTab();
    void PriorMatrixBtnClick();
    void NextMatrixBtnClick();
    // The alternatives page shows the matrix of this criterion, the one shown before kept.
    void showAlternativesMatrix(int criterion);

    void SubcriteriaBtnClick();
    // The names page with this criterion selected and in its editor.
    void showCriterionEntry(int row);
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
    void setUpPageControls();
    void setUpAnalysis();
    void connectHandlers();
    void connectPageHandlers();
    // What names this start's screen, font, style, language and version for the remembered size.
    QString startSizeKey() const;
    void reportBadCell(StringGrid *grid, const ValidationFailure &failure);
    // The check and computation that both comparison pages share: the judgements of the grid's
    // n x n cells are checked (the first bad one is reported and nothing is computed), each
    // value goes to keep(i, j, value) as it is read, and the priorities are shown in the
    // grid's last column.
    std::optional<PriorityResult> computeShownMatrix(StringGrid *grid, int n,
                                                     const std::function<void(int, int, double)> &keep);
    // The same in a decision that allows missing judgements: from the pairs given.
    std::optional<PriorityResult> computeIncompleteShownMatrix(StringGrid *grid, int n,
                                                               const std::function<void(int, int, double)> &keep);
    void storeShownAltTexts();
    void keepShownAltMatrix();
    void fillResultPage();
    void computeSubcriteriaMatrix(int matrix);
    void showLeafWeights(const DecisionResults &results);
    void markCriteriaMatrixEdited();
    bool criteriaMatrixComputed(int matrix) const;
    void showCriteriaBar();
    QStringList shownCriteriaNames() const;
    void selectStartCell(StringGrid *grid);
    void setRatioColour(QLineEdit *edit, bool inconsistent);
    bool previewKey(QObject *watched, QEvent *event);
    void showTranslatedTexts();
    void createMenus();

    Ui::TMainForm *ui;
    QTimer *Timer;
    DecisionModel m_model;
    Decision *m_decision = nullptr;
    DecisionView *m_view = nullptr;
    std::unique_ptr<WindowLayout> m_layout;
    const QEvent *m_previewedKey = nullptr;
    DocumentController *m_documents = nullptr;
    JudgementWordsLine *m_choiceWords = nullptr;
    JudgementWordsLine *m_compWords = nullptr;
    RevisionPanel *m_choiceRevisions = nullptr;
    RevisionPanel *m_compRevisions = nullptr;
    MissingPairsView *m_choiceMissing = nullptr;
    MissingPairsView *m_compMissing = nullptr;
    std::unique_ptr<NameDisplays> m_names;
    CriteriaMatrixBar *m_criteriaBar = nullptr;
    QLabel *m_leafWeights = nullptr;
    QScrollArea *m_leafWeightsArea = nullptr;
    QPointer<SensitivityView> m_sensitivity;
    // The window has its starting size: grown for the largest criteria grid when first shown, or
    // taken from an earlier start.
    bool m_startSizeSettled = false;
    bool m_rememberStartSize = false;
    // The later pages' own form, which hands its pages to the notebook; null until they are built.
    std::unique_ptr<QStackedWidget> m_pageHolder;
};
