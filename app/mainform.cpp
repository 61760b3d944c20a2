#include "app/mainform.h"
#include "app/mainformui.h"

#include "analysis/judgementwordsline.h"
#include "analysis/revisionpanel.h"
#include "analysis/sensitivitydata.h"
#include "analysis/sensitivitymodule.h"
#include "app/accessiblenames.h"
#include "app/buttonicons.h"
#include "app/criteriamatrixbar.h"
#include "app/criterionlistdelegate.h"
#include "app/decisionview.h"
#include "app/documentcontroller.h"
#include "app/editmenu.h"
#include "app/exportactions.h"
#include "app/helpmenu.h"
#include "app/windowlayout.h"
#include "app/languagemenu.h"
#include "app/matrixreport.h"
#include "app/missingpairsview.h"
#include "app/namedisplays.h"
#include "app/pagetexts.h"
#include "app/resultreport.h"
#include "app/subcriteriadialog.h"
#include "app/translations.h"
#include "app/widgetadapters.h"
#include "document/decisionresults.h"
#include "entry/gridediting.h"
#include "entry/keyfilter.h"
#include "entry/namelisting.h"
#include "entry/validationpass.h"
#include "model/judgement.h"
#include "model/numberformat.h"
#include "model/priorities.h"
#include "model/synthesis.h"
#include "platform/accessiblesupport.h"
#include "platform/errordisplay.h"
#include "platform/helpviewer.h"
#include "platform/platformerror.h"
#include "platform/questionbox.h"
#include "platform/readablecolours.h"
#include "platform/settingsstore.h"
#include "platform/stringgrid.h"
#include "platform/startuptrace.h"
#include "platform/systemsound.h"
#include "report/reportdata.h"
#include "report/reportprinter.h"

#include <QApplication>
#include <QDate>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QProxyStyle>
#include <QStyle>
#include <QTimer>

#include <limits>

using namespace Wizard;

namespace {
const QString TitleHelpKeyword = QStringLiteral("IDH_Main");
const QString DateFormat = QStringLiteral("dd.MM.yyyy");
const char SensitivityCaption[] = QT_TRANSLATE_NOOP("TMainForm", "&Чувствительность…");

constexpr int StatusClearInterval = 2000;

const QColor FixedCellColour(0, 255, 255);

// Runs a handler so that nothing escaping it can pass the event loop: a platform failure
// reaches the person through the standard error display and the window stays as it was.
template <typename Handler>
auto guard(TMainForm *form, Handler handler)
{
    return [form, handler](auto &&...) { ErrorDisplay::guarded([form, handler] { (form->*handler)(); }); };
}

bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
}

TMainForm::TMainForm(QWidget *parent, PageBuilding building)
    : QMainWindow(parent)
    , ui(new Ui::TMainForm())
    , Timer(new QTimer(this))
    , m_decision(new Decision(this))
{
    ui->Ui_MainFrame::setupUi(this);
    m_layout = std::make_unique<WindowLayout>(this, ui);
    m_view = new DecisionView(this, ui, m_model, m_decision);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(StatusClearInterval);
    setUpControls();
    connectHandlers();
    FormCreate();
    m_documents = new DocumentController(this);
    new ExportActions(this);
    createMenus();
    new LanguageMenu(this);
    // The menu bar goes above the pages, which keep the height of their design.
    resize(width(), height() + menuBar()->sizeHint().height());
    std::optional<QSize> remembered;
    if (building == PageBuilding::LaterPagesWhenNeeded) {
        ErrorDisplay::guarded([&] { remembered = SettingsStore::readWindowSize(startSizeKey()); });
        m_rememberStartSize = !remembered;
    }
    if (remembered) {
        // Whatever needs the later pages goes through a menu or a shortcut, if not through the
        // window's own handlers: these build them first.
        for (QMenu *menu : menuBar()->findChildren<QMenu *>())
            connect(menu, &QMenu::aboutToShow, this, guard(this, &TMainForm::buildPages));
        m_startSizeSettled = true;
        resize(*remembered);
    } else {
        buildPages();
    }
    m_layout->centreOnScreen();
    Timer->start();
}

void TMainForm::buildPages()
{
    if (m_pageHolder)
        return;
    StartupTrace::mark("building the later pages");
    m_pageHolder = std::make_unique<QStackedWidget>();
    ui->Ui_WizardPages::setupUi(m_pageHolder.get());
    while (QWidget *page = m_pageHolder->widget(0)) {
        m_pageHolder->removeWidget(page);
        ui->Notebook->addWidget(page);
    }
    m_view->watchPages();
    setUpPageControls();
    setUpAnalysis();
    connectPageHandlers();
    Accessibility::describePages(this);
    if (isVisible())
        FormResize();
    StartupTrace::mark("later pages built");
}

QString TMainForm::startSizeKey() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    // The program's own style only changes the menu bar's arrow: the desktop's style under it counts.
    const QStyle *drawing = style();
    if (const auto *proxy = qobject_cast<const QProxyStyle *>(drawing))
        drawing = proxy->baseStyle();
    return QStringLiteral("%1|%2|%3|%4x%5|%6|%7")
        .arg(QStringLiteral(ANALYZE_VERSION), drawing->name(), QApplication::font().toString())
        .arg(area.width())
        .arg(area.height())
        .arg(screen ? screen->devicePixelRatio() : 1.0)
        .arg(int(Translations::current()));
}

TMainForm::~TMainForm()
{
    // Before the controls it watches go.
    delete m_documents;
    m_documents = nullptr;
    delete m_view;
    m_view = nullptr;
    qApp->removeEventFilter(this);
    // The controls outlive this part of the window: a grid that loses the focus while the window
    // goes away must not reach a handler that reads the controls.
    const QList<QObject *> children = findChildren<QObject *>();
    for (const QObject *child : children)
        disconnect(child, nullptr, this, nullptr);
    delete ui;
}

bool TMainForm::openDecisionFile(const QString &path)
{
    return m_documents->openFile(path);
}

int TMainForm::criteriaCount() const
{
    return ui->UpDownKrit->position();
}

int TMainForm::alternativesCount() const
{
    return ui->UpDownAlt->position();
}

void TMainForm::setUpControls()
{
    Accessibility::describe(this);
    ui->UpDownKrit->setRange(MinCriteria, MaxCriteria);
    ui->UpDownKrit->setPosition(InitialCount);
    ui->UpDownAlt->setRange(MinAlternatives, MaxAlternatives);
    ui->UpDownAlt->setPosition(InitialCount);

    ui->PrintBtn->setIcon(ButtonIcons::printer());
    ui->HelpBtn->setIcon(ButtonIcons::help());
    ui->PriorBtn->setIcon(ButtonIcons::back());
    ui->NextBtn->setIcon(ButtonIcons::forward());
    ui->BitBtn4->setIcon(ButtonIcons::close());
    ui->PrintBtn->setEnabled(false);
    ui->PriorBtn->setEnabled(false);
    ui->WarnMess->setVisible(false);
    ui->StatusLine->setSizeGripEnabled(false);
    // A name is kept whole however long: the editors' default limit would cut it unseen.
    ui->StudentName->setMaxLength(std::numeric_limits<int>::max());
    m_layout->keepControlsWhole();
}

void TMainForm::setUpPageControls()
{
    ui->CalcBtn->setIcon(ButtonIcons::calculate());
    ui->CalcBtn2->setIcon(ButtonIcons::calculate());
    ui->PriorMatrixBtn->setIcon(ButtonIcons::arrowLeft());
    ui->NextMatrixBtn->setIcon(ButtonIcons::arrowRight());
    ui->Choices->setItemDelegate(new CriterionListDelegate(m_decision, ui->Choices));
    ui->PriorMatrixBtn->setEnabled(false);
    for (QLineEdit *name : {ui->ChoiceName, ui->ChoiceAlt})
        name->setMaxLength(std::numeric_limits<int>::max());

    struct GridDesign
    {
        StringGrid *grid;
        int cols, rows, colWidth, rowHeight;
        bool editable;
    };
    const GridDesign designs[] = {
        {ui->ChoiceTab, 11, 11, 70, 20, true},
        {ui->CompTab, 12, 11, 60, 40, true},
        {ui->GlobTab, 2, 12, 73, 24, false},
        {ui->Globales, 10, 2, 64, 24, false},
    };
    for (const GridDesign &d : designs) {
        d.grid->setFixed(1, 1);
        d.grid->setFixedColor(FixedCellColour);
        d.grid->setColCount(d.cols);
        d.grid->setRowCount(d.rows);
        d.grid->setDefaultColWidth(d.colWidth);
        d.grid->setDefaultRowHeight(d.rowHeight);
        d.grid->setCellsEditable(d.editable);
        d.grid->setKeepTextsWhole(true);
    }
    m_layout->keepPagesWhole();
}

void TMainForm::setUpAnalysis()
{
    const auto criteriaNames = [this] {
        const int matrix = m_view ? m_view->criteriaMatrix() : CriteriaMatrix;
        if (matrix == CriteriaMatrix)
            return ComparisonNames{shownCriteriaNames(), QString(), true};
        const Hierarchy tree = m_decision->hierarchy();
        return ComparisonNames{shownCriteriaNames(), QString(), true,
                               tree.pathText(tree.subcriteriaPlaces().value(subcriteriaIndexOf(matrix)).path)};
    };
    const auto alternativeNames = [this] { return ComparisonNames{listTexts(ui->AltList), ui->ChoiceName2->text(), false}; };
    m_choiceWords = new JudgementWordsLine(ui->ChoiceTab, criteriaNames, ui->CriteriaPage);
    m_compWords = new JudgementWordsLine(ui->CompTab, alternativeNames, ui->AlternativesPage);
    m_choiceRevisions = new RevisionPanel(ui->ChoiceTab, criteriaNames, ui->CriteriaPage);
    m_compRevisions = new RevisionPanel(ui->CompTab, alternativeNames, ui->AlternativesPage);
    // The words go right under each grid, the revisions at the foot of the page; the window
    // grows by what they take, so the grids keep their room.
    auto *criteriaLayout = static_cast<QBoxLayout *>(ui->CriteriaPage->layout());
    m_criteriaBar = new CriteriaMatrixBar(ui->CriteriaPage);
    criteriaLayout->insertWidget(criteriaLayout->indexOf(ui->ChoiceTab), m_criteriaBar);
    criteriaLayout->insertWidget(criteriaLayout->indexOf(ui->ChoiceTab) + 1, m_choiceWords);
    m_choiceMissing = new MissingPairsView(m_decision, ui->ChoiceTab, [this] { return m_view->criteriaMatrix(); }, ui->CriteriaPage);
    criteriaLayout->addWidget(m_choiceMissing);
    criteriaLayout->addWidget(m_choiceRevisions);
    auto *alternativesLayout = static_cast<QBoxLayout *>(ui->AlternativesPage->layout());
    alternativesLayout->insertWidget(alternativesLayout->indexOf(ui->CompTab) + 1, m_compWords);
    m_compMissing = new MissingPairsView(m_decision, ui->CompTab, [this] { return m_view->shownMatrix(ui->CompTab); },
                                         ui->AlternativesPage);
    for (RevisionPanel *panel : {m_choiceRevisions, m_compRevisions}) {
        panel->setMissingAllowed([this] { return m_decision->allowMissing(); });
        connect(m_decision, &Decision::allowMissingChanged, panel, &RevisionPanel::invalidate);
    }
    alternativesLayout->addWidget(m_compMissing);
    alternativesLayout->addWidget(m_compRevisions);
    // A window that already has its size (remembered from the whole wizard) keeps it.
    if (!m_startSizeSettled)
        resize(width(), height() + m_choiceWords->sizeHint().height() + m_choiceRevisions->sizeHint().height());

    auto *sensitivityBtn = new QPushButton(tr(SensitivityCaption), ui->Panel5);
    sensitivityBtn->setObjectName(QStringLiteral("SensitivityBtn"));
    auto *sensitivityRow = new QHBoxLayout;
    sensitivityRow->setContentsMargins(0, 0, 8, 4);
    sensitivityRow->addStretch();
    sensitivityRow->addWidget(sensitivityBtn);
    static_cast<QBoxLayout *>(ui->Panel5->layout())->addLayout(sensitivityRow);
    // Fifty leaves' weights take more lines than the page has to spare: past a few lines the
    // tree scrolls instead of pushing the window off the screen.
    m_leafWeightsArea = new QScrollArea(ui->Panel5);
    m_leafWeightsArea->setObjectName(QStringLiteral("LeafWeightsArea"));
    m_leafWeightsArea->setFrameShape(QFrame::NoFrame);
    m_leafWeightsArea->setWidgetResizable(true);
    m_leafWeightsArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_leafWeightsArea->setMaximumHeight(5 * fontMetrics().lineSpacing() + 8);
    m_leafWeights = new QLabel;
    m_leafWeights->setObjectName(QStringLiteral("LeafWeights"));
    m_leafWeights->setWordWrap(true);
    m_leafWeights->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_leafWeights->setContentsMargins(4, 2, 4, 2);
    m_leafWeightsArea->setWidget(m_leafWeights);
    m_leafWeightsArea->setVisible(false);
    static_cast<QBoxLayout *>(ui->Panel5->layout())->insertWidget(0, m_leafWeightsArea);
    // The band under the decision sentence grows by the button's row; it has no upper bound, so
    // that a long sentence can take the lines it needs.
    ui->Panel5->setMinimumHeight(ui->Panel5->minimumHeight() + m_layout->sensitivityRowHeight());
    connect(sensitivityBtn, &QPushButton::clicked, this, guard(this, &TMainForm::SensitivityBtnClick));
    m_names = std::make_unique<NameDisplays>(this, ui);
}

void TMainForm::connectHandlers()
{
    // One application-wide filter gives the window its key preview and the few events of its
    // controls that have no signal (mouse-up, key-up, focus loss).
    qApp->installEventFilter(this);

    connect(Timer, &QTimer::timeout, this, guard(this, &TMainForm::TimerTimer));
    connect(ui->Notebook, &QStackedWidget::currentChanged, this, guard(this, &TMainForm::NotebookPageChanged));

    connect(ui->NextBtn, &QPushButton::clicked, this, guard(this, &TMainForm::NextBtnClick));
    connect(ui->PriorBtn, &QPushButton::clicked, this, guard(this, &TMainForm::PriorBtnClick));
    connect(ui->HelpBtn, &QPushButton::clicked, this, guard(this, &TMainForm::HelpBtnClick));
    connect(ui->PrintBtn, &QPushButton::clicked, this, guard(this, &TMainForm::PrintBtnClick));
    connect(ui->BitBtn4, &QPushButton::clicked, this, &QWidget::close);

    connect(ui->UpDownKrit, &UpDown::clicked, this, guard(this, &TMainForm::UpDownKritClick));
    connect(ui->UpDownAlt, &UpDown::clicked, this, guard(this, &TMainForm::UpDownAltClick));
    // The sensitivity window explains the result on the screen; going back to change it closes it.
    connect(ui->Notebook, &QStackedWidget::currentChanged, this, [this](int page) {
        if (page != ResultPage && m_sensitivity)
            m_sensitivity->close();
    });
}

void TMainForm::connectPageHandlers()
{
    connect(ui->CalcBtn, &QPushButton::clicked, this, guard(this, &TMainForm::CalcBtnClick));
    connect(ui->CalcBtn2, &QPushButton::clicked, this, guard(this, &TMainForm::CalcBtn2Click));
    connect(ui->PriorMatrixBtn, &QPushButton::clicked, this, guard(this, &TMainForm::PriorMatrixBtnClick));
    connect(ui->NextMatrixBtn, &QPushButton::clicked, this, guard(this, &TMainForm::NextMatrixBtnClick));
    connect(m_criteriaBar->priorButton(), &QPushButton::clicked, this, guard(this, &TMainForm::PriorCriteriaMatrixBtnClick));
    connect(m_criteriaBar->nextButton(), &QPushButton::clicked, this, guard(this, &TMainForm::NextCriteriaMatrixBtnClick));
    connect(m_view, &DecisionView::pathNamesChanged, this, [this] { ErrorDisplay::guarded([this] { showCriteriaBar(); }); });

    connect(ui->SubcriteriaBtn, &QPushButton::clicked, this, guard(this, &TMainForm::SubcriteriaBtnClick));
    connect(ui->AltList, &QListWidget::currentRowChanged, this, guard(this, &TMainForm::AltListClick));

    connect(ui->ChoiceTab, &StringGrid::selectCell, this, &TMainForm::ChoiceTabSelectCell);
    connect(ui->ChoiceTab, &StringGrid::keyDown, this, &TMainForm::ChoiceTabKeyDown);
    connect(ui->ChoiceTab, &StringGrid::keyPress, this, &TMainForm::ChoiceTabKeyPress);
    connect(ui->ChoiceTab, &StringGrid::gridClicked, this, guard(this, &TMainForm::ChoiceTabClick));
    connect(ui->ChoiceTab, &StringGrid::exited, this, guard(this, &TMainForm::ChoiceTabClick));
    // Text pasted into a cell editor never passes the key filters, yet it changes the
    // judgements all the same: the results of that matrix are out of date.
    connect(ui->ChoiceTab, &StringGrid::cellEdited, this, [this] { markCriteriaMatrixEdited(); });
    connect(ui->CompTab, &StringGrid::cellEdited, this,
            [this] { m_model.AltMatrixComputed.set(m_model.CurrentCriterion, false); });
    // Names may have changed on another page while the judgements stayed the same.
    connect(ui->Notebook, &QStackedWidget::currentChanged, m_choiceRevisions, &RevisionPanel::invalidate);
    connect(ui->Notebook, &QStackedWidget::currentChanged, m_compRevisions, &RevisionPanel::invalidate);
    connect(ui->CompTab, &StringGrid::selectCell, this, &TMainForm::CompTabSelectCell);
    connect(ui->CompTab, &StringGrid::keyDown, this, &TMainForm::CompTabKeyDown);
    connect(ui->CompTab, &StringGrid::keyPress, this, &TMainForm::CompTabKeyPress);
    connect(ui->CompTab, &StringGrid::gridClicked, this, guard(this, &TMainForm::CompTabClick));
    connect(ui->CompTab, &StringGrid::exited, this, guard(this, &TMainForm::CompTabClick));

    m_view->watchRevisions(m_choiceRevisions, m_compRevisions);
    // Once the document holds a suggestion taken from a panel, the page's ratio, its colour and
    // the warning follow it at once: the person pressed a button to fix exactly these.
    connect(m_choiceRevisions, &RevisionPanel::judgementApplied, this, guard(this, &TMainForm::CalcBtnClick));
    connect(m_compRevisions, &RevisionPanel::judgementApplied, this, guard(this, &TMainForm::CalcBtn2Click));
}

// ---- start-up ---------------------------------------------------------------------------

void TMainForm::FormCreate()
{
    ui->Notebook->setCurrentIndex(TitlePage);
    ui->DataStamp->setText(QDate::currentDate().toString(DateFormat));
    m_model.SessionPrepared = false;
    // An unreadable store simply leaves the name empty; one that cannot be read safely is
    // reported, and the window opens all the same.
    QString signature;
    ErrorDisplay::guarded([&signature] { signature = SettingsStore::readSignature(); });
    m_view->beginShowing();
    ui->StudentName->setText(signature);
    m_view->endShowing();
    // The remembered name is where a session starts, not an edit of it.
    m_decision->startNew(InitialCount, InitialCount, signature);
    m_layout->centreOnScreen();
}

// ---- menus -------------------------------------------------------------------------------

void TMainForm::createMenus()
{
    new EditMenu(this, m_decision, [this] {
        // A name being typed is committed first, so that it is a step of its own to take back,
        // and an open cell editor hands its text over.
        if (ui->Notebook->currentIndex() == NamesPage) {
            ChoiceNameExit();
            ChoiceAltExit();
        }
        for (StringGrid *grid : {ui->ChoiceTab, ui->CompTab}) {
            if (grid && grid->isEditing())
                grid->setFocus(Qt::OtherFocusReason);
        }
    });
    new HelpMenu(this, [this] { HelpBtnClick(); });
}

// ---- status line, help, keys -------------------------------------------------------------

void TMainForm::ShowHint(const QString &text)
{
    if (text.isEmpty()) {
        ui->StatusLine->clearMessage();
    } else {
        // The bar tells nothing when the same message comes again; whoever listens hears it again.
        if (ui->StatusLine->currentMessage() == text)
            AccessibleSupport::announce(ui->StatusLine, text);
        ui->StatusLine->showMessage(text);
    }
    if (text.isEmpty())
        Timer->stop();
    else if (!Timer->isActive())
        Timer->start();
}

void TMainForm::TimerTimer()
{
    ShowHint(QString());
}

void TMainForm::HelpBtnClick()
{
    const int page = ui->Notebook->currentIndex();
    if (page == TitlePage)
        HelpViewer::instance().showKeyword(TitleHelpKeyword);
    else
        HelpViewer::instance().showContext(page);
}

void TMainForm::FormKeyDown(int &key, Qt::KeyboardModifiers shift)
{
    ShowHint(QString());
    if (key == Qt::Key_F1 && !(shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))) {
        HelpBtnClick();
        key = 0;
    }
}

bool TMainForm::previewKey(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this)
        return false;
    // A key that a child ignored travels on to its parents; the window sees it only once.
    const QWidget *focus = QApplication::focusWidget();
    if (focus ? widget != focus : event == m_previewedKey)
        return false;
    m_previewedKey = event;
    auto *keyEvent = static_cast<QKeyEvent *>(event);
    int key = keyEvent->key();
    bool consumed = false;
    ErrorDisplay::guarded([&] {
        FormKeyDown(key, keyEvent->modifiers());
        consumed = key == 0;
    });
    return consumed;
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (previewKey(watched, event))
            return true;
        if (watched == ui->ChoiceName)
            ErrorDisplay::guarded([&] { ChoiceNameKeyDown(static_cast<QKeyEvent *>(event)->key()); });
        else if (watched == ui->ChoiceAlt)
            ErrorDisplay::guarded([&] { ChoiceAltKeyDown(static_cast<QKeyEvent *>(event)->key()); });
        break;
    case QEvent::Shortcut:
        // An action's shortcut may lead anywhere in the wizard: its pages are there first.
        if (qobject_cast<QAction *>(watched))
            ErrorDisplay::guarded([this] { buildPages(); });
        break;
    case QEvent::ShortcutOverride:
        // A text field with nothing of its own to take back leaves Undo and Redo to the decision.
        if (auto *edit = qobject_cast<QLineEdit *>(watched); edit && edit->window() == this && !edit->isReadOnly()) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if ((key->matches(QKeySequence::Undo) && !edit->isUndoAvailable())
                || (key->matches(QKeySequence::Redo) && !edit->isRedoAvailable()))
                return true;
        }
        break;
    case QEvent::KeyRelease:
        if (watched == ui->Choices)
            ErrorDisplay::guarded([this] { ChoicesKeyUp(); });
        break;
    case QEvent::MouseButtonRelease:
        if (ui->Choices && watched == ui->Choices->viewport())
            ErrorDisplay::guarded([this] { ChoicesMouseUp(); });
        else if (watched == ui->Kriters)
            ErrorDisplay::guarded([this] { KritersClick(); });
        else if (watched == ui->Alters)
            ErrorDisplay::guarded([this] { AltersClick(); });
        break;
    case QEvent::FocusIn:
        // The count fields show their number without selecting it, even when entered by Tab
        // (where a line edit would select all): they take the focus for a plain reason instead.
        if ((watched == ui->Kriters || watched == ui->Alters)
            && static_cast<QFocusEvent *>(event)->reason() != Qt::OtherFocusReason) {
            QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
            QCoreApplication::sendEvent(watched, &plain);
            return true;
        }
        break;
    case QEvent::FocusOut: {
        // Losing the focus to another window (a message box, the help) is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        if (watched == ui->StudentName)
            ErrorDisplay::guarded([this] { StudentNameExit(); });
        else if (watched == ui->ChoiceName)
            ErrorDisplay::guarded([this] { ChoiceNameExit(); });
        else if (watched == ui->ChoiceAlt)
            ErrorDisplay::guarded([this] { ChoiceAltExit(); });
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- title page --------------------------------------------------------------------------

void TMainForm::UpDownKritClick()
{
    ui->Kriters->setText(QString::number(ui->UpDownKrit->position()));
    m_model.SessionPrepared = false;
    m_decision->setCounts(ui->UpDownKrit->position(), ui->UpDownAlt->position());
}

void TMainForm::UpDownAltClick()
{
    ui->Alters->setText(QString::number(ui->UpDownAlt->position()));
    m_model.SessionPrepared = false;
    m_decision->setCounts(ui->UpDownKrit->position(), ui->UpDownAlt->position());
}

void TMainForm::KritersClick()
{
    ui->UpDownKrit->setFocus(Qt::MouseFocusReason);
}

void TMainForm::AltersClick()
{
    ui->UpDownAlt->setFocus(Qt::MouseFocusReason);
}

void TMainForm::StudentNameExit()
{
    m_decision->finishTyping();
    SettingsStore::writeSignature(ui->StudentName->text());
}

// ---- navigation --------------------------------------------------------------------------

void TMainForm::NextBtnClick()
{
    buildPages();
    // A keyboard accelerator moves on without taking the focus from a name editor: what it holds
    // is committed before the names are read.
    if (ui->Notebook->currentIndex() == NamesPage) {
        ChoiceNameExit();
        ChoiceAltExit();
        // The criteria are compared afresh under the names they have now; one step of the
        // history, so that the judgements come back with Undo.
        m_decision->clearCriteriaJudgements();
    }
    advance();
}

bool TMainForm::advance()
{
    buildPages();
    const int page = ui->Notebook->currentIndex();
    const int leaves = m_decision->leafCount();
    bool warnInconsistent = false;

    switch (page) {
    case TitlePage:
        if (!m_model.SessionPrepared)
            resetSession();
        break;
    case NamesPage:
        m_view->setCriteriaMatrix(CriteriaMatrix);
        m_view->showCriteriaHeaders();
        m_view->showJudgements(CriteriaMatrix);
        // The bar may still name the sub-criteria matrix shown when the person went back.
        showCriteriaBar();
        selectStartCell(ui->ChoiceTab);
        break;
    case CriteriaPage:
        if (!m_model.CriteriaComputed) {
            showCriteriaMatrix(CriteriaMatrix);
            CalcBtnClick();
            if (!m_model.CriteriaComputed)
                return false;
        }
        for (int k = 0; k < m_model.SubcriteriaComputed.size(); ++k) {
            if (m_model.SubcriteriaComputed.at(k))
                continue;
            showCriteriaMatrix(subcriteriaMatrix(k));
            CalcBtnClick();
            if (!m_model.SubcriteriaComputed.value(k))
                return false;
        }
        if (m_model.CriteriaInconsistent || m_model.SubcriteriaInconsistent.contains(true)) {
            SystemSound::playAsterisk();
            warnInconsistent = true;
        }
        RefreshCompTab();
        break;
    case AlternativesPage:
        ui->GlobTab->setColCount(leaves + 1);
        for (int i = 0; i < leaves; ++i) {
            if (m_model.AltMatrixComputed.value(i))
                continue;
            showAlternativesMatrix(i);
            CalcBtn2Click();
            if (!m_model.AltMatrixComputed.value(i))
                return false;
        }
        fillResultPage();
        break;
    default:
        return false;
    }

    ui->Notebook->setCurrentIndex(page + 1);
    if (page + 1 == ResultPage)
        ui->NextBtn->setEnabled(false);
    ui->PriorBtn->setEnabled(true);
    ui->PrintBtn->setEnabled(true);
    ShowHint(warnInconsistent ? InconsistentRatioMessage.text() : QString());
    FormResize();
    return true;
}

void TMainForm::showTitlePage()
{
    // A field being left runs its exit handler now, not halfway through.
    if (QWidget *focus = QApplication::focusWidget(); focus && focus->window() == this)
        focus->clearFocus();
    while (ui->Notebook->currentIndex() > TitlePage)
        PriorBtnClick();
}

void TMainForm::showFurthestPage()
{
    buildPages();
    showTitlePage();
    while (ui->Notebook->currentIndex() < ResultPage && advance()) {
    }
}

void TMainForm::openDocument(const DecisionDocument &document, bool saved)
{
    buildPages();
    m_decision->load(document, saved);
    showFurthestPage();
    // What the grids' mirroring made of the file's texts on the way is where the history starts.
    m_decision->clearHistory(saved);
}

void TMainForm::startNewSession()
{
    buildPages();
    showTitlePage();
    QString signature;
    ErrorDisplay::guarded([&signature] { signature = SettingsStore::readSignature(); });
    m_decision->startNew(InitialCount, InitialCount, signature);
    // The blank session has no matrix yet, so nothing of the last one may stay flagged.
    m_model.CriteriaInconsistent = false;
    m_model.AltMatrixInconsistent.fill(false);
    updateConsistencyWarning();
}

void TMainForm::PriorBtnClick()
{
    const int page = ui->Notebook->currentIndex();
    if (page <= TitlePage)
        return;
    if (page == CriteriaPage) {
        m_model.CriteriaComputed = false;
        m_model.SubcriteriaComputed.fill(false);
    } else if (page == AlternativesPage) {
        keepShownAltMatrix();
        m_model.AltMatrixComputed.fill(false);
    }
    ui->Notebook->setCurrentIndex(page - 1);
    if (page - 1 == TitlePage) {
        ui->PriorBtn->setEnabled(false);
        ui->PrintBtn->setEnabled(false);
    }
    ui->NextBtn->setEnabled(true);
    ShowHint(QString());
}

void TMainForm::NotebookPageChanged()
{
    // Each page opens where typing goes on: the first name selected so that typing replaces it,
    // a comparison grid at its cell, the result grid rather than a button that a stray Enter or
    // Space would press.
    switch (ui->Notebook->currentIndex()) {
    case NamesPage:
        ui->ChoiceName->setFocus(Qt::OtherFocusReason);
        ui->ChoiceName->selectAll();
        break;
    case CriteriaPage:
    case AlternativesPage: {
        StringGrid *grid = ui->Notebook->currentIndex() == CriteriaPage ? ui->ChoiceTab : ui->CompTab;
        if (grid->col() < 0)
            selectStartCell(grid);
        grid->setFocus(Qt::OtherFocusReason);
        break;
    }
    case ResultPage:
        ui->GlobTab->setFocus(Qt::OtherFocusReason);
        break;
    default:
        break;
    }
}

void TMainForm::resetSession()
{
    m_view->beginShowing();
    const int n = m_decision->criteriaCount();
    const int m = m_decision->alternativesCount();
    ui->UpDownKrit->setPosition(n);
    ui->UpDownAlt->setPosition(m);
    ui->Kriters->setText(QString::number(n));
    ui->Alters->setText(QString::number(m));

    m_model.clearStores();
    m_model.CriteriaComputed = false;
    m_model.AltMatrixComputed.fill(false);
    ui->ChoiceTab->setColCount(n + 1);
    ui->ChoiceTab->setRowCount(n + 1);
    ui->CompTab->setRowCount(m + 1);
    ui->CompTab->setColCount(m + 2);
    ui->GlobTab->setRowCount(m + 1);
    ui->GlobTab->setCell(0, 0, LocalPrioritiesHeader.text());
    ui->Globales->setColCount(m + 1);
    ui->Globales->setCell(0, 0, GlobalPrioritiesHeader.text());
    ui->Globales->setCell(0, 1, GlobalValueHeader.text());
    ui->ChoiceTab->setCell(0, 0, CriteriaCornerHeader.text());
    ui->CompTab->setCell(m + 1, 0, AltPriorityHeader.text());

    ui->Choices->clear();
    ui->AltList->clear();
    ui->Choices->addItems(m_decision->names(NameList::Criteria));
    ui->AltList->addItems(m_decision->names(NameList::Alternatives));

    for (int k = 0; k < m; ++k) {
        const QString letter = alternativeLetter(k);
        ui->CompTab->setCell(k + 1, 0, letter);
        ui->CompTab->setCell(0, k + 1, letter);
        ui->GlobTab->setCell(0, k + 1, letter);
        ui->Globales->setCell(k + 1, 0, letter);
    }

    ui->Choices->setCurrentRow(0);
    ui->AltList->setCurrentRow(0);
    LineEditName(*ui->ChoiceName).setText(ui->Choices->item(0)->text());
    LineEditName(*ui->ChoiceAlt).setText(ui->AltList->item(0)->text());

    m_model.writeDiagonals(m);
    m_model.SessionPrepared = true;
    m_model.CriteriaInconsistent = false;
    m_model.AltMatrixInconsistent.fill(false);
    const int subcriteriaMatrices = int(m_decision->hierarchy().subcriteriaPlaces().size());
    m_model.SubcriteriaComputed = QList<bool>(subcriteriaMatrices, false);
    m_model.SubcriteriaInconsistent = QList<bool>(subcriteriaMatrices, false);
    // Fewer leaves than before may leave the shown matrix beyond the last one.
    const int leaves = m_decision->leafCount();
    if (m_model.CurrentCriterion >= leaves || m_model.CurrentCriterion < 0)
        m_model.CurrentCriterion = 0;
    m_view->endShowing();

    // The judgements the document holds, in the grid and the stores (the criteria grid gets its
    // headers when the criteria page is reached).
    m_view->showJudgements(CriteriaMatrix);
    for (int c = 0; c < leaves; ++c)
        m_view->showJudgements(c);
    showCriteriaBar();
    updateConsistencyWarning();
}

// ---- layout ------------------------------------------------------------------------------

void TMainForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    ErrorDisplay::guarded([this] { FormResize(); });
}

void TMainForm::showEvent(QShowEvent *event)
{
    if (!m_startSizeSettled) {
        m_startSizeSettled = true;
        m_layout->growForWholeGrid();
        if (m_rememberStartSize) {
            m_rememberStartSize = false;
            // A size that cannot be remembered only makes the next start build every page.
            try {
                SettingsStore::writeWindowSize(startSizeKey(), size());
            } catch (const PlatformError &) {
            }
        }
    }
    QMainWindow::showEvent(event);
}

void TMainForm::FormResize()
{
    m_layout->fit();
}

void TMainForm::showAlternativesMatrix(int criterion)
{
    if (m_model.CurrentCriterion == criterion)
        return;
    keepShownAltMatrix();
    m_model.CurrentCriterion = criterion;
    RefreshCompTab();
}

// ---- judgements and the computations -----------------------------------------------------

void TMainForm::ChoiceTabKeyPress(QChar &key)
{
    if (isAcceptedGridCharacter(key)) {
        markCriteriaMatrixEdited();
        return;
    }
    key = QChar();
    ShowHint(ChoiceTabKeyMessage.text());
    SystemSound::playAsterisk();
}

void TMainForm::CompTabKeyPress(QChar &key)
{
    if (isAcceptedGridCharacter(key)) {
        m_model.AltMatrixComputed.set(m_model.CurrentCriterion, false);
        return;
    }
    key = QChar();
    ShowHint(CompTabKeyMessage.text());
    SystemSound::playAsterisk();
}

void TMainForm::reportBadCell(StringGrid *grid, const ValidationFailure &failure)
{
    ShowHint(failure.message);
    SystemSound::playAsterisk();
    grid->setFocus(Qt::OtherFocusReason);
    grid->setCurrentCell(failure.col, failure.row);
}

void TMainForm::setRatioColour(QLineEdit *edit, bool inconsistent)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, inconsistent ? ReadableColours::alarmOn(palette.color(QPalette::Base))
                                                  : QApplication::palette().color(QPalette::Text));
    edit->setPalette(palette);
}

std::optional<PriorityResult> TMainForm::computeShownMatrix(StringGrid *grid, int n,
                                                           const std::function<void(int, int, double)> &keep)
{
    // What is computed is what the document holds: anything the grid shows that it was not
    // handed yet goes to it first.
    m_view->commitGrid(grid);
    if (m_decision->allowMissing())
        return computeIncompleteShownMatrix(grid, n, keep);
    std::vector<std::vector<double>> a(size_t(n), std::vector<double>(size_t(n), 0.0));
    const StringGridText texts(*grid);
    const auto failure = runValidationPass(texts, n, [&](int i, int j, double value) {
        a[size_t(i)][size_t(j)] = value;
        if (keep)
            keep(i, j, value);
    });
    if (failure) {
        reportBadCell(grid, *failure);
        return std::nullopt;
    }
    PriorityResult result = computeLocalPriorities(n, a);
    for (int i = 0; i < n && size_t(i) < result.weights.size(); ++i)
        grid->setCell(n + 1, i + 1, formatPriority(result.weights[size_t(i)]));
    return result;
}

std::optional<PriorityResult> TMainForm::computeIncompleteShownMatrix(StringGrid *grid, int n,
                                                                     const std::function<void(int, int, double)> &keep)
{
    const int matrix = m_view->shownMatrix(grid);
    const IncompleteMatrixResult incomplete = computeIncompleteMatrix(m_decision->judgements(matrix), n, true, QLocale());
    if (incomplete.problem) {
        reportBadCell(grid, ValidationFailure{incomplete.problem->col + 1, incomplete.problem->row + 1, incomplete.problem->message});
        return std::nullopt;
    }
    if (!incomplete.computed()) {
        const DecisionDocument document = m_decision->document();
        ShowHint(describeMatrix(document, matrix) + QStringLiteral(": ")
                 + unlinkedItemsText(matrixItems(document, matrix), incomplete.unlinked));
        SystemSound::playAsterisk();
        return std::nullopt;
    }
    if (keep) {
        // What the model keeps is the completed matrix: the given judgements and the estimates.
        std::vector<std::vector<double>> a(size_t(n), std::vector<double>(size_t(n), 1.0));
        const QList<QStringList> cells = m_decision->judgements(matrix);
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) {
                const JudgementCheck check = validateJudgement(fromFileText(cells.value(i).value(j), decimalPointOf(QLocale())));
                if (check.valid)
                    a[size_t(i)][size_t(j)] = check.value;
            }
        }
        for (const EstimatedJudgement &e : incomplete.estimated) {
            a[size_t(e.row)][size_t(e.col)] = e.value;
            a[size_t(e.col)][size_t(e.row)] = 1.0 / e.value;
        }
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                keep(i, j, a[size_t(i)][size_t(j)]);
    }
    for (int i = 0; i < n && size_t(i) < incomplete.priorities.weights.size(); ++i)
        grid->setCell(n + 1, i + 1, formatPriority(incomplete.priorities.weights[size_t(i)]));
    m_choiceMissing->refresh();
    m_compMissing->refresh();
    return incomplete.priorities;
}

void TMainForm::CalcBtnClick()
{
    if (m_view->criteriaMatrix() != CriteriaMatrix) {
        computeSubcriteriaMatrix(m_view->criteriaMatrix());
        return;
    }
    m_model.CriteriaInconsistent = false;
    m_model.CriteriaComputed = false;
    const int n = ui->Choices->count();

    const std::optional<PriorityResult> computed = computeShownMatrix(ui->ChoiceTab, n, {});
    if (!computed)
        return;
    const PriorityResult &result = *computed;
    for (int i = 0; i < n && size_t(i) < result.weights.size(); ++i)
        m_model.CriterionWeight.set(i, result.weights[size_t(i)]);
    ui->RndCoordEdit->setText(formatGeneral(result.ri));
    ui->IdxCoordEdit->setText(formatMeasure(result.ci));
    ui->RatioCoordEdit->setText(formatMeasure(result.cr));
    setRatioColour(ui->RatioCoordEdit, result.inconsistent);
    m_model.CriteriaInconsistent = result.inconsistent;
    m_model.CriteriaComputed = true;
    updateConsistencyWarning();
}

void TMainForm::computeSubcriteriaMatrix(int matrix)
{
    const int k = subcriteriaIndexOf(matrix);
    if (k < 0 || k >= m_model.SubcriteriaComputed.size())
        return;
    m_model.SubcriteriaComputed[k] = false;
    m_model.SubcriteriaInconsistent[k] = false;
    const std::optional<PriorityResult> computed = computeShownMatrix(ui->ChoiceTab, m_decision->matrixOrder(matrix), {});
    if (!computed) {
        // The forward move may have come here from another matrix: the message says which.
        const QString where = describeMatrix(m_decision->document(), matrix);
        ShowHint(tr("%1 (%2)").arg(ui->StatusLine->currentMessage(), where));
        return;
    }
    ui->RndCoordEdit->setText(formatGeneral(computed->ri));
    ui->IdxCoordEdit->setText(formatMeasure(computed->ci));
    ui->RatioCoordEdit->setText(formatMeasure(computed->cr));
    setRatioColour(ui->RatioCoordEdit, computed->inconsistent);
    m_model.SubcriteriaInconsistent[k] = computed->inconsistent;
    m_model.SubcriteriaComputed[k] = true;
    updateConsistencyWarning();
}

void TMainForm::markCriteriaMatrixEdited()
{
    const int matrix = m_view->criteriaMatrix();
    if (matrix == CriteriaMatrix)
        m_model.CriteriaComputed = false;
    else if (subcriteriaIndexOf(matrix) < m_model.SubcriteriaComputed.size())
        m_model.SubcriteriaComputed[subcriteriaIndexOf(matrix)] = false;
}

bool TMainForm::criteriaMatrixComputed(int matrix) const
{
    return matrix == CriteriaMatrix ? m_model.CriteriaComputed : m_model.SubcriteriaComputed.value(subcriteriaIndexOf(matrix));
}

void TMainForm::showCriteriaMatrix(int matrix)
{
    if (m_view->criteriaMatrix() == matrix || m_decision->matrixOrder(matrix) == 0)
        return;
    m_view->commitGrid(ui->ChoiceTab);
    // Showing the judgements the document holds changes none of them.
    const bool computed = criteriaMatrixComputed(matrix);
    m_view->setCriteriaMatrix(matrix);
    m_view->showCriteriaHeaders();
    m_view->showJudgements(matrix);
    const int n = m_decision->matrixOrder(matrix);
    m_view->beginShowing();
    for (int i = 0; i < n; ++i)
        ui->ChoiceTab->setCell(n + 1, i + 1, QString());
    for (QLineEdit *edit : {ui->RndCoordEdit, ui->IdxCoordEdit, ui->RatioCoordEdit})
        edit->clear();
    m_view->endShowing();
    // A computed matrix shows its priorities again; they come out as they did.
    if (computed)
        CalcBtnClick();
    selectStartCell(ui->ChoiceTab);
    showCriteriaBar();
}

void TMainForm::showCriteriaBar()
{
    const int count = int(m_model.SubcriteriaComputed.size());
    m_criteriaBar->setVisible(count > 0);
    if (count == 0)
        return;
    const int matrix = m_view->criteriaMatrix();
    const Hierarchy tree = m_decision->hierarchy();
    const QString path = matrix == CriteriaMatrix
        ? QString()
        : tree.pathText(tree.subcriteriaPlaces().value(subcriteriaIndexOf(matrix)).path);
    m_criteriaBar->showMatrix(path, matrix == CriteriaMatrix, matrix == subcriteriaMatrix(count - 1));
}

void TMainForm::PriorCriteriaMatrixBtnClick()
{
    const int matrix = m_view->criteriaMatrix();
    if (matrix == CriteriaMatrix)
        return;
    showCriteriaMatrix(matrix == subcriteriaMatrix(0) ? CriteriaMatrix : matrix + 1);
}

void TMainForm::NextCriteriaMatrixBtnClick()
{
    const int matrix = m_view->criteriaMatrix();
    const int next = matrix == CriteriaMatrix ? subcriteriaMatrix(0) : matrix - 1;
    if (m_decision->matrixOrder(next) == 0)
        return;
    if (!criteriaMatrixComputed(matrix)) {
        CalcBtnClick();
        if (!criteriaMatrixComputed(matrix))
            return;
    }
    showCriteriaMatrix(next);
}

QStringList TMainForm::shownCriteriaNames() const
{
    const int matrix = m_view ? m_view->criteriaMatrix() : CriteriaMatrix;
    if (matrix == CriteriaMatrix)
        return listTexts(ui->Choices);
    QStringList names;
    const Hierarchy tree = m_decision->hierarchy();
    if (const CriterionNode *node = tree.node(tree.subcriteriaPlaces().value(subcriteriaIndexOf(matrix)).path)) {
        for (const CriterionNode &sub : node->subcriteria)
            names << sub.name;
    }
    return names;
}

void TMainForm::updateConsistencyWarning()
{
    ui->WarnMess->setVisible(m_model.anyInconsistent(m_decision->leafCount()));
}

void TMainForm::CalcBtn2Click()
{
    const int c = m_model.CurrentCriterion;
    const int m = alternativesCount();
    m_model.AltMatrixComputed.set(c, false);
    // The texts are kept before any check, so that a refused matrix loses nothing.
    storeShownAltTexts();

    const std::optional<PriorityResult> computed = computeShownMatrix(
        ui->CompTab, m, [&](int i, int j, double value) { m_model.AltMatrixValue.set(c, j, i, value); });
    if (!computed)
        return;
    const PriorityResult &result = *computed;
    for (int i = 0; i < m && size_t(i) < result.weights.size(); ++i) {
        m_model.AltMatrixValue.set(c, m, i, result.weights[size_t(i)]);
        m_model.AltMatrixText.set(c, m, i, ui->CompTab->cell(m + 1, i + 1));
    }
    const double measures[3] = {result.ri, result.ci, result.cr};
    for (int row = 0; row < 3; ++row) {
        m_model.AltMatrixValue.set(c, ResultColumn, row, measures[row]);
        m_model.AltMatrixText.set(c, ResultColumn, row, formatGeneral(measures[row]));
    }

    setRatioColour(ui->RatioCoordEdit2, result.inconsistent);
    if (result.inconsistent) {
        ShowHint(InconsistentRatioMessage.text());
        SystemSound::playAsterisk();
    }
    m_model.AltMatrixInconsistent.set(c, result.inconsistent);

    ui->RndCoordEdit2->setText(m_model.AltMatrixText.value(c, ResultColumn, 0));
    ui->IdxCoordEdit2->setText(m_model.AltMatrixText.value(c, ResultColumn, 1));
    ui->RatioCoordEdit2->setText(m_model.AltMatrixText.value(c, ResultColumn, 2));
    m_model.AltMatrixComputed.set(c, true);
    updateConsistencyWarning();
}

void TMainForm::RefreshCompTab()
{
    const int c = m_model.CurrentCriterion;
    const int m = alternativesCount();
    m_view->showPathNames();

    m_model.writeDiagonal(c, m);
    for (int i = 0; i < m; ++i) {
        for (int j = 0; j <= m; ++j)
            ui->CompTab->setCell(j + 1, i + 1, m_model.AltMatrixText.value(c, j, i));
    }
    ui->RndCoordEdit2->setText(m_model.AltMatrixText.value(c, ResultColumn, 0));
    ui->IdxCoordEdit2->setText(m_model.AltMatrixText.value(c, ResultColumn, 1));
    ui->RatioCoordEdit2->setText(m_model.AltMatrixText.value(c, ResultColumn, 2));
    setRatioColour(ui->RatioCoordEdit2, isInconsistent(m_model.AltMatrixValue.value(c, ResultColumn, 2)));
    ui->PriorMatrixBtn->setEnabled(c != 0);
    ui->NextMatrixBtn->setEnabled(c != m_decision->leafCount() - 1);
    m_names->showNames();
    selectStartCell(ui->CompTab);
}

void TMainForm::storeShownAltTexts()
{
    const int c = m_model.CurrentCriterion;
    const int m = alternativesCount();
    for (int r = 1; r <= m; ++r)
        for (int q = 1; q <= m; ++q)
            m_model.AltMatrixText.set(c, q - 1, r - 1, ui->CompTab->cell(q, r));
}

void TMainForm::keepShownAltMatrix()
{
    // A computed matrix and its store already agree.
    if (!m_model.AltMatrixComputed.value(m_model.CurrentCriterion))
        storeShownAltTexts();
}

void TMainForm::PriorMatrixBtnClick()
{
    if (m_model.CurrentCriterion <= 0)
        return;
    showAlternativesMatrix(m_model.CurrentCriterion - 1);
}

void TMainForm::NextMatrixBtnClick()
{
    const int c = m_model.CurrentCriterion;
    if (c >= m_decision->leafCount() - 1)
        return;
    if (!m_model.AltMatrixComputed.value(c)) {
        CalcBtn2Click();
        if (!m_model.AltMatrixComputed.value(c))
            return;
    }
    ++m_model.CurrentCriterion;
    RefreshCompTab();
}

void TMainForm::fillResultPage()
{
    // The pages before have checked every matrix; the numbers come from the one computation
    // that the command line uses too.
    const DecisionComputation computation = computeDecision(m_decision->document());
    if (!computation.results)
        return;
    const DecisionResults &results = *computation.results;
    const Hierarchy tree = m_decision->hierarchy();
    const QList<TreePlace> leaves = tree.leaves();
    const int m = m_decision->alternativesCount();
    ui->GlobTab->setColCount(int(leaves.size()) + 1);
    for (int i = 0; i < leaves.size() && size_t(i) < results.alternatives.size(); ++i) {
        ui->GlobTab->setCell(i + 1, 0, tree.pathText(leaves.at(i).path));
        const std::vector<double> &local = results.alternatives.at(size_t(i)).weights;
        for (int j = 0; j < m; ++j)
            ui->GlobTab->setCell(i + 1, j + 1, formatPriority(j < int(local.size()) ? local[size_t(j)] : 0.0));
    }
    for (int j = 0; j < m && j < int(results.global.size()); ++j)
        ui->Globales->setCell(j + 1, 1, formatMeasure(results.global[size_t(j)]));
    ui->Decision->setText(results.decision);
    showLeafWeights(results);
    m_names->showResults(results);
    m_layout->makeRoomForDecision();
}

void TMainForm::showLeafWeights(const DecisionResults &results)
{
    const Hierarchy tree = m_decision->hierarchy();
    m_leafWeightsArea->setVisible(!tree.isFlat());
    if (tree.isFlat()) {
        m_leafWeights->clear();
        return;
    }
    std::vector<std::vector<double>> subWeights;
    for (const SubcriteriaResult &sub : results.subcriteria)
        subWeights.push_back(sub.matrix.weights);
    const QStringList lines = compactTreeLines(tree, results.criteria.weights, subWeights,
                                               [](double w) { return formatWeight(w); });
    // A top criterion a line.
    m_leafWeights->setText(tr("Веса критериев: %1").arg(lines.join(QLatin1Char('\n'))));
}

// ---- name lists --------------------------------------------------------------------------

void TMainForm::ChoicesMouseUp()
{
    LineEditName editor(*ui->ChoiceName);
    showEntry(ListWidgetNames(*ui->Choices), editor);
}

void TMainForm::ChoicesKeyUp()
{
    ChoicesMouseUp();
}

void TMainForm::ChoiceNameExit()
{
    ListWidgetNames list(*ui->Choices);
    LineEditName editor(*ui->ChoiceName);
    commitName(list, editor);
    m_view->takeNameEdits(NameList::Criteria);
}

void TMainForm::ChoiceNameKeyDown(int key)
{
    if (!isEnterKey(key))
        return;
    ListWidgetNames list(*ui->Choices);
    LineEditName editor(*ui->ChoiceName);
    enterName(list, editor);
    m_view->takeNameEdits(NameList::Criteria);
    // The next name is selected, so that a person can name every entry in one go.
    ui->ChoiceName->selectAll();
}

void TMainForm::SubcriteriaBtnClick()
{
    // A name being typed is the criterion's before its sub-criteria are named under it.
    ChoiceNameExit();
    const int row = ui->Choices->currentRow();
    if (row < 0)
        return;
    // Not a nested event loop: the window's timers and the recovery copy go on meanwhile.
    auto *dialog = new SubcriteriaDialog(m_decision, {row}, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The lists were built again for the new tree; the criterion stays the one worked on.
    connect(dialog, &QDialog::accepted, this, [this, row] { ErrorDisplay::guarded([this, row] { showCriterionEntry(row); }); });
    dialog->open();
}

void TMainForm::showCriterionEntry(int row)
{
    if (row < 0 || row >= ui->Choices->count())
        return;
    ui->Choices->setCurrentRow(row);
    ChoicesMouseUp();
}

void TMainForm::AltListClick()
{
    LineEditName editor(*ui->ChoiceAlt);
    showEntry(ListWidgetNames(*ui->AltList), editor);
}

void TMainForm::ChoiceAltExit()
{
    ListWidgetNames list(*ui->AltList);
    LineEditName editor(*ui->ChoiceAlt);
    commitName(list, editor);
    m_view->takeNameEdits(NameList::Alternatives);
}

void TMainForm::ChoiceAltKeyDown(int key)
{
    if (!isEnterKey(key))
        return;
    ListWidgetNames list(*ui->AltList);
    LineEditName editor(*ui->ChoiceAlt);
    enterName(list, editor);
    m_view->takeNameEdits(NameList::Alternatives);
    ui->ChoiceAlt->selectAll();
}

// ---- grid editing ------------------------------------------------------------------------

void TMainForm::selectStartCell(StringGrid *grid)
{
    if (!grid->setCurrentCell(2, 1))
        grid->clearCurrentCell();
}

void TMainForm::ChoiceTabClick()
{
    StringGridText grid(*ui->ChoiceTab);
    mirrorAll(grid);
    m_view->commitGrid(ui->ChoiceTab);
}

void TMainForm::ChoiceTabKeyDown(int &key, Qt::KeyboardModifiers)
{
    if (isEnterKey(key)) {
        StringGridText grid(*ui->ChoiceTab);
        mirrorCell(grid);
        m_view->commitGrid(ui->ChoiceTab);
    }
}

void TMainForm::ChoiceTabSelectCell(int col, int row, bool &canSelect)
{
    canSelect = canSelectCell(col, row, ui->ChoiceTab->colCount());
}

void TMainForm::CompTabClick()
{
    StringGridText grid(*ui->CompTab);
    mirrorAll(grid);
    m_view->commitGrid(ui->CompTab);
}

void TMainForm::CompTabKeyDown(int &key, Qt::KeyboardModifiers)
{
    if (isEnterKey(key)) {
        StringGridText grid(*ui->CompTab);
        mirrorCell(grid);
        m_view->commitGrid(ui->CompTab);
    }
}

void TMainForm::CompTabSelectCell(int col, int row, bool &canSelect)
{
    canSelect = canSelectCell(col, row, ui->CompTab->colCount());
}

// ---- printing ----------------------------------------------------------------------------

void TMainForm::PrintBtnClick()
{
    if (!QuestionBox::ask(PrintConfirmationText.text(), PrintConfirmationCaption.text()))
        return;
    printReport(collectReportData());
}

void TMainForm::SensitivityBtnClick()
{
    if (m_sensitivity)
        m_sensitivity->close();
    SensitivityData data = collectSensitivityData(m_model, *ui->ChoiceTab, listTexts(ui->Choices), listTexts(ui->AltList));
    data.userName = ui->StudentName->text();
    data.dateText = ui->DataStamp->text();
    const DecisionDocument document = m_decision->document();
    if (!document.hierarchy().isFlat()) {
        // The tree's numbers are the result page's: from the same computation.
        const DecisionComputation computation = computeDecision(document);
        if (!computation.results)
            return;
        const DecisionResults &results = *computation.results;
        std::vector<std::vector<double>> subWeights, locals;
        for (const SubcriteriaResult &sub : results.subcriteria)
            subWeights.push_back(sub.matrix.weights);
        for (const PriorityResult &alt : results.alternatives)
            locals.push_back(alt.weights);
        setSensitivityTree(data, TreeSensitivity(document.hierarchy(), results.criteria.weights, subWeights, locals),
                           document.alternativesJudgements);
    }
    m_sensitivity = SensitivityModule::create(std::move(data), this);
    m_sensitivity->show();
}

ReportData TMainForm::collectReportData() const
{
    ReportData data;
    data.pageIndex = ui->Notebook->currentIndex();
    data.alternativesCount = alternativesCount();
    data.alternativeNames = listTexts(ui->AltList);
    data.criteriaNames = listTexts(ui->Choices);
    data.userName = ui->StudentName->text();
    data.dateText = ui->DataStamp->text();
    switch (data.pageIndex) {
    case CriteriaPage:
        data.rndCoordText = ui->RndCoordEdit->text();
        data.idxCoordText = ui->IdxCoordEdit->text();
        data.ratioCoordText = ui->RatioCoordEdit->text();
        data.table = gridTexts(*ui->ChoiceTab);
        if (const int matrix = m_view->criteriaMatrix(); isSubcriteriaMatrix(matrix)) {
            const Hierarchy tree = m_decision->hierarchy();
            data.criterionName = tree.pathText(tree.subcriteriaPlaces().value(subcriteriaIndexOf(matrix)).path);
        }
        addMatrixEstimates(data, *ui->ChoiceTab, m_decision->matrixOrder(m_view->criteriaMatrix()), m_decision->allowMissing());
        break;
    case AlternativesPage:
        data.rndCoordText = ui->RndCoordEdit2->text();
        data.idxCoordText = ui->IdxCoordEdit2->text();
        data.ratioCoordText = ui->RatioCoordEdit2->text();
        data.criterionName = ui->ChoiceName2->text();
        data.table = gridTexts(*ui->CompTab);
        addMatrixEstimates(data, *ui->CompTab, m_decision->matrixOrder(m_view->shownMatrix(ui->CompTab)), m_decision->allowMissing());
        break;
    case ResultPage:
        // A tree's sheet is the command line's: a row a leaf with its path and weight.
        if (const DecisionDocument document = m_decision->document(); document.hasSubcriteria()) {
            if (const DecisionComputation computation = computeDecision(document); computation.results) {
                ReportData tree = resultReportData(document, *computation.results, ui->DataStamp->text());
                tree.userName = ui->StudentName->text();
                return tree;
            }
        }
        data.table = gridTexts(*ui->GlobTab);
        for (int j = 1; j <= data.alternativesCount; ++j)
            data.globalPriorities << ui->Globales->cell(j, 1);
        data.decision = ui->Decision->text();
        break;
    default:
        break;
    }
    return data;
}

// ---- language ----------------------------------------------------------------------------

void TMainForm::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ErrorDisplay::guarded([this] { showTranslatedTexts(); });
}

void TMainForm::showTranslatedTexts()
{
    ui->Ui_MainFrame::retranslateUi(this);
    if (m_documents)
        m_documents->showTranslatedTexts();
    ShowHint(QString());
    // Pages still to be built take the language of the day when they are.
    if (!pagesBuilt())
        return;
    ui->Ui_WizardPages::retranslateUi(m_pageHolder.get());
    if (auto *sensitivityBtn = ui->Panel5->findChild<QPushButton *>(QStringLiteral("SensitivityBtn")))
        sensitivityBtn->setText(tr(SensitivityCaption));
    // The panels under the grids say their sentences again once the names below have followed.
    for (RevisionPanel *panel : {m_choiceRevisions, m_compRevisions}) {
        if (panel)
            panel->invalidate();
    }
    if (!m_model.SessionPrepared) {
        // A session still to be prepared has no decision to show in the new language.
        if (m_sensitivity)
            m_sensitivity->close();
        return;
    }

    // Names the program gave are shown in the new language; the document keeps them as its own
    // default names, so nothing here is an edit.
    for (NameList list : {NameList::Criteria, NameList::Alternatives}) {
        for (int i = 0; i < m_decision->names(list).size(); ++i)
            m_view->showName(list, i);
    }
    const Hierarchy tree = m_decision->hierarchy();
    const QList<TreePlace> leaves = tree.leaves();
    for (int i = 0; i < leaves.size() && i + 1 < ui->GlobTab->colCount(); ++i)
        ui->GlobTab->setCell(i + 1, 0, tree.pathText(leaves.at(i).path));

    m_view->showCriteriaHeaders();
    m_criteriaBar->showTranslatedTexts();
    ui->CompTab->setCell(ui->CompTab->colCount() - 1, 0, AltPriorityHeader.text());
    ui->GlobTab->setCell(0, 0, LocalPrioritiesHeader.text());
    ui->Globales->setCell(0, 0, GlobalPrioritiesHeader.text());
    ui->Globales->setCell(0, 1, GlobalValueHeader.text());
    if (ui->Notebook->currentIndex() == ResultPage)
        fillResultPage();
    else
        ui->Decision->clear(); // composed again, in the language of the day, on the way forward
    for (JudgementWordsLine *words : {m_choiceWords, m_compWords})
        words->refresh();
    m_names->showNames();
    if (m_sensitivity) {
        // Made again in the new language, with the names that followed it, at the same weights.
        const QRect geometry = m_sensitivity->geometry();
        const std::vector<double> weights = m_sensitivity->weights();
        const int level = m_sensitivity->level();
        SensitivityBtnClick();
        m_sensitivity->setLevel(level);
        m_sensitivity->setWeights(weights);
        m_sensitivity->setGeometry(geometry);
    }
    FormResize();
}
