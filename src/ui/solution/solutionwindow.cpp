// SPDX-License-Identifier: GPL-3.0-or-later
#include "solutionwindow.h"

#include "chartdrawing.h"
#include "charttexts.h"
#include "chartview.h"
#include "inputslayout.h"
#include "measuredcommands.h"
#include "measureddata.h"
#include "measuredpanel.h"
#include "mixturetext.h"
#include "notcurrentbanner.h"
#include "recipecommands.h"
#include "solutionpanel.h"
#include "speciestext.h"
#include "substancelist.h"
#include "windowplacement.h"

#include "io/atomicfile.h"
#include "io/shownname.h"

#include "ui/common/diagramcommands.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

namespace velmora::ui {

namespace {

/** The views in tab order, with their tab texts and accessible names (translated where shown). */
struct ViewDesign {
    charts::ChartKind kind;
    const char* tab;
    const char* accessible;
    const char* menuEntry;
};
constexpr std::array<ViewDesign, kViewCount> kViews{{
    {charts::ChartKind::Fractions, QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "Fractions"),
     QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "Fractions chart"),
     //: The View menu's entry of the fractions chart, with its mnemonic.
     QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "&Fractions")},
    //: The tab of the chart of log c, as its axis names it.
    {charts::ChartKind::LogC, QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "Log c"),
     QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "Log-concentration chart"),
     //: The View menu's entry of the log c chart, with its mnemonic.
     QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "L&og c")},
    {charts::ChartKind::Titration, QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "Titration"),
     QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "Titration chart"),
     //: The View menu's entry of the titration chart, with its mnemonic.
     QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "&Titration")},
    //: The tab of the buffer-capacity chart.
    {charts::ChartKind::Buffer, QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "Buffer"),
     QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "Buffer-capacity chart"),
     //: The View menu's entry of the buffer-capacity chart, with its mnemonic.
     QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "&Buffer capacity")},
    //: The tab of the chart of the titration curve's slope, dpH/dV.
    {charts::ChartKind::Derivative, QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "Derivative"),
     QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "Derivative chart"),
     //: The View menu's entry of the derivative chart, with its mnemonic.
     QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "&Derivative")},
    //: The tab of Gran's plot of a measured titration.
    {charts::ChartKind::Gran, QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "Gran"),
     QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "Gran plot"),
     //: The View menu's entry of Gran's plot, with its mnemonic.
     QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "&Gran plot")},
}};

/** How long after a change the window waits before it remembers it. */
constexpr int kSaveDelayMs = 500;

/** The window's first size: the charts' default size with the panel beside them. */
constexpr QSize kStartSize{1100, 680};
/** The smallest size the window opens at: laid out for it, it works down to this size. */
constexpr QSize kSmallestPlacedSize{480, 360};

int viewIndex(charts::ChartKind kind) {
    for (std::size_t i = 0; i < kViews.size(); ++i) {
        if (kViews[i].kind == kind) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

} // namespace

SolutionWindow::SolutionWindow(AcidSource mainAcid, QWidget* parent)
    : QMainWindow(parent), m_mainAcid(std::move(mainAcid)), m_chartTexts(userChartTexts()) {
    setObjectName(QStringLiteral("solutionWindow"));
    setWindowTitle(tr("Velmora – Solution"));

    auto* central = new QWidget(this);
    auto* layout = new InputsLayout(central);
    m_panel = new SolutionPanel;
    // Under the solution's inputs, the measured data with their fit.
    buildMeasured(*m_panel);
    m_panel->addSection(m_measuredPanel);
    m_inputs = new QScrollArea(central);
    m_inputs->setObjectName(QStringLiteral("inputs"));
    m_inputs->setWidget(m_panel);
    m_inputs->setWidgetResizable(true);
    m_inputs->setFrameShape(QFrame::NoFrame);
    // Its fields are the stops of the focus chain, not the area around them.
    m_inputs->setFocusPolicy(Qt::NoFocus);
    // Beside the drawing at a fixed width: the views keep their size whatever the panel shows
    // (a problem, other names).
    layout->setInputsWidth(m_panel->sizeHint().width() +
                           m_inputs->verticalScrollBar()->sizeHint().width());
    layout->addWidget(m_inputs);

    auto* drawing = new QWidget(central);
    auto* right = new QVBoxLayout(drawing);
    right->setContentsMargins(QMargins());
    m_tabs = new QTabWidget(drawing);
    m_tabs->setDocumentMode(true);
    for (std::size_t i = 0; i < kViews.size(); ++i) {
        auto* view = new ChartView(kViews[i].kind);
        view->setAccessibleName(tr(kViews[i].accessible));
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        m_views[i] = view;
        m_tabs->addTab(view, tr(kViews[i].tab));
    }
    // Over the drawings while a field is not fine: they show the values from before its edit.
    auto* notCurrent = new NotCurrentBanner(*m_tabs);
    right->addWidget(m_tabs, 1);
    m_line = new QLabel(drawing);
    m_line->setAccessibleName(tr("Solution"));
    m_line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_line->setWordWrap(true);
    // Room for two lines from the start, so that the views keep their height while the line
    // grows and shrinks with the acid.
    m_line->setMinimumHeight(2 * m_line->fontMetrics().lineSpacing());
    m_line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    right->addWidget(m_line);
    layout->addWidget(drawing);
    // The tabs and the line: the least they take, or more, as a long line wraps, last they took.
    layout->setDrawingOverhead([this, drawing] {
        const int least =
            drawing->minimumSizeHint().height() - shownView()->minimumSizeHint().height();
        return std::max(least, drawing->height() - shownView()->height());
    });
    setCentralWidget(central);

    m_drawing = std::make_unique<ChartDrawing>([this] { return shownView()->request(); });
    m_commands = new DiagramCommands(*this, *m_drawing);
    m_recipes = new RecipeCommands(
        *this, [this] { return m_panel->inputs(); },
        [this](const SolutionInputs& inputs) { showRecipe(inputs); });
    buildMenus();
    for (ChartView* view : m_views) {
        m_measuredCommands->pasteOn(*view);
    }
    setAcceptDrops(true);

    const SolutionWindowState remembered = m_settings.load();
    if (!m_settings.problem().isEmpty()) {
        std::fprintf(
            stderr, "velmora: %s\n",
            qUtf8Printable(tr("the solution window's settings in %1 are not used (%2); "
                              "it starts with its defaults and remembers nothing")
                               .arg(io::shownName(solutionSettingsFile()), m_settings.problem())));
    }
    SolutionInputs inputs = remembered.inputs;
    const bool follow = remembered.follow && m_mainAcid;
    if (follow) {
        inputs.acid = m_mainAcid();
    }
    m_panel->setInputs(inputs);
    m_panel->followBox()->setChecked(follow);
    m_panel->followBox()->setEnabled(static_cast<bool>(m_mainAcid));
    m_tabs->setCurrentIndex(viewIndex(remembered.view));
    m_showInputs->setChecked(remembered.inputsShown);
    m_textStep = charts::clampedTextStep(remembered.textStep);
    m_recipes->setLastRecipe(remembered.lastRecipe);
    m_measuredCommands->setLastFile(remembered.lastMeasured);
    m_measured->setInputs(m_panel->inputs());
    resize(remembered.size.value_or(kStartSize));
    m_rememberedPosition = remembered.position;
    if (remembered.maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }

    connect(m_panel, &SolutionPanel::inputsChanged, this,
            [this] { m_measured->setInputs(m_panel->inputs()); });
    connect(m_panel, &SolutionPanel::inputsChanged, this, &SolutionWindow::redraw);
    const auto showNotCurrent = [this, notCurrent] { notCurrent->say(m_panel->notCurrentText()); };
    connect(m_panel, &SolutionPanel::notCurrentChanged, this, showNotCurrent);
    showNotCurrent();
    connect(m_panel, &SolutionPanel::acidEdited, this, [this] {
        // An acid of the window's own: the main window stays as it is.
        const QSignalBlocker blocker(m_panel->followBox());
        m_panel->followBox()->setChecked(false);
    });
    connect(m_panel->followBox(), &QCheckBox::toggled, this, &SolutionWindow::followToggled);
    // A field that takes the focus is scrolled into view, a new row's as one reached with Tab; a
    // new row has its place only once the panel has grown (eventFilter()).
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr && m_panel->isAncestorOf(now)) {
            m_inputs->ensureWidgetVisible(now);
        }
    });
    m_panel->installEventFilter(this);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] {
        for (ChartView* view : m_views) {
            view->hideReadout();
        }
        updateLine();
    });
    setTextStep(m_textStep); // draws the inputs
    // What the window shows now is what it has in the file: only what changes from here on is
    // written, so that another instance's changes survive.
    m_settings.settle(state());
    // Remembered a moment after each change, in one write for a run of changes.
    m_saveTimer = new QTimer(this);
    m_saveTimer->setSingleShot(true);
    m_saveTimer->setInterval(kSaveDelayMs);
    // The window's size and place are written when it closes, not at every move.
    connect(m_saveTimer, &QTimer::timeout, this,
            [this] { report(m_settings.save(state(), SolutionSettings::Scope::WithoutGeometry)); });
    const auto remember = [this] { m_saveTimer->start(); };
    connect(m_panel, &SolutionPanel::inputsChanged, this, remember);
    connect(m_panel->followBox(), &QCheckBox::toggled, this, remember);
    connect(m_tabs, &QTabWidget::currentChanged, this, remember);
    connect(m_showInputs, &QAction::toggled, this, remember);
    connect(m_recipes, &RecipeCommands::lastRecipeChanged, this, remember);
    connect(m_measuredCommands, &MeasuredCommands::lastFileChanged, this, remember);
    for (QAction* action : {m_largerText, m_smallerText, m_normalText}) {
        connect(action, &QAction::triggered, this, remember);
    }
}

SolutionWindow::~SolutionWindow() {
    // A window that goes with the main window gets no close event: what changed is kept anyway.
    saveSettings();
    // The widgets are taken down after this window's own part: a field that finishes its edit
    // as it loses the focus then must reach no handler of a window that is no more.
    m_panel->disconnect(this);
    m_panel->followBox()->disconnect(this);
    qApp->disconnect(this);
    m_tabs->disconnect(this);
}

void SolutionWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    m_recipes->addTo(*file);
    file->addSeparator();
    m_measuredCommands->addTo(*file);

    QMenu* chart = menuBar()->addMenu(tr("&Chart"));
    m_commands->addTo(*chart);
    chart->addSeparator();
    QAction* close = chart->addAction(tr("C&lose"), this, &QWidget::close);
    close->setShortcut(QKeySequence::Close);

    QMenu* viewMenu = menuBar()->addMenu(tr("&View"));
    auto* group = new QActionGroup(this);
    std::array<QAction*, kViewCount> actions{};
    for (std::size_t i = 0; i < kViews.size(); ++i) {
        QAction* action = viewMenu->addAction(tr(kViews[i].menuEntry));
        action->setCheckable(true);
        action->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + i)));
        action->setShortcutContext(Qt::WindowShortcut);
        group->addAction(action);
        actions[i] = action;
        connect(action, &QAction::triggered, this,
                [this, i] { m_tabs->setCurrentIndex(static_cast<int>(i)); });
    }
    const auto tick = [actions](int index) {
        if (index >= 0 && index < static_cast<int>(actions.size())) {
            actions[static_cast<std::size_t>(index)]->setChecked(true);
        }
    };
    tick(m_tabs->currentIndex());
    connect(m_tabs, &QTabWidget::currentChanged, this, tick);
    addInputsAction(*viewMenu);

    addTextSizeActions(*viewMenu);

    auto* context = new QMenu(this);
    m_commands->addTo(*context);
    for (ChartView* view : m_views) {
        connect(view, &QWidget::customContextMenuRequested, this,
                [view, context](const QPoint& at) {
                    view->hideReadout();
                    context->popup(view->mapToGlobal(at));
                });
    }
}

void SolutionWindow::addInputsAction(QMenu& menu) {
    // In a small window the inputs take room from the drawing: they can be put away.
    menu.addSeparator();
    m_showInputs = menu.addAction(tr("Show &inputs"));
    m_showInputs->setCheckable(true);
    m_showInputs->setChecked(true);
    connect(m_showInputs, &QAction::toggled, m_inputs, &QWidget::setVisible);
}

ChartView* SolutionWindow::view(charts::ChartKind kind) const {
    return m_views[static_cast<std::size_t>(viewIndex(kind))];
}

ChartView* SolutionWindow::shownView() const {
    const int index = m_tabs->currentIndex();
    return m_views[static_cast<std::size_t>(index < 0 ? 0 : index)];
}

bool SolutionWindow::following() const {
    return m_panel->followBox()->isChecked();
}

charts::ChartRequest SolutionWindow::request() const {
    const SolutionInputs& inputs = m_panel->inputs();
    charts::ChartRequest request;
    request.acid = inputs.acid;
    request.solution = inputs.solution;
    request.showSolution = true;
    request.titration = inputs.titration;
    // One acid as before draws exactly as it always has; anything more is drawn as a mixture.
    request.mixture = drawnMixture(inputs);
    if (request.mixture) {
        request.mixtureTitration = mixtureTitrationOf(inputs);
    }
    request.texts = m_chartTexts;
    request.textStep = m_textStep;
    request.measured = m_measured->points();
    request.pHOffset = m_measured->pHOffset();
    return request;
}

void SolutionWindow::mainWindowChanged() {
    if (following() && m_mainAcid) {
        // The panel's inputsChanged() redraws when the acid is another.
        m_panel->setAcid(m_mainAcid());
    }
}

void SolutionWindow::showRecipe(const SolutionInputs& inputs) {
    // The recipe's acid is the window's own now: the main window stays as it is.
    {
        const QSignalBlocker blocker(m_panel->followBox());
        m_panel->followBox()->setChecked(false);
    }
    m_panel->setInputs(inputs);
    m_measured->setInputs(inputs);
    redraw();
    m_saveTimer->start();
}

void SolutionWindow::buildMeasured(QWidget& inputs) {
    m_measured = new MeasuredData(this);
    m_measuredPanel = new MeasuredPanel(*m_measured, &inputs);
    m_measuredCommands = new MeasuredCommands(*this, *m_measured);
    connect(m_measuredPanel->useButton(), &QPushButton::clicked, this,
            &SolutionWindow::useFittedValues);
    connect(m_measuredPanel->copyButton(), &QPushButton::clicked, m_measuredCommands,
            &MeasuredCommands::copyFitResults);
    connect(m_measured, &MeasuredData::changed, this, [this] {
        redraw();
        // What was read, or why not, is in sight beside the data.
        if (m_measured->hasData() || !m_measured->problem().isEmpty()) {
            m_inputs->ensureWidgetVisible(m_measuredPanel->sourceLabel());
        }
    });
}

void SolutionWindow::useFittedValues() {
    SolutionInputs fitted;
    if (!m_measured->useFittedValues(fitted).isEmpty()) {
        return;
    }
    if (fitted.acid == m_panel->inputs().acid) {
        // The acid's constants were not fitted: a window following the main window goes on.
        m_panel->setInputs(fitted);
        m_measured->setInputs(fitted);
        redraw();
        m_saveTimer->start();
    } else {
        showRecipe(fitted);
    }
}

void SolutionWindow::followToggled(bool checked) {
    if (checked && m_mainAcid) {
        m_panel->setAcid(m_mainAcid());
    }
}

void SolutionWindow::redraw() {
    const charts::ChartRequest drawn = request();
    // Only the shown view draws now; the others keep the request until they are shown.
    for (ChartView* view : m_views) {
        view->setRequest(drawn);
    }
    updateLine();
}

void SolutionWindow::updateLine() {
    const charts::ChartRequest drawn = request();
    if (drawn.mixture) {
        const SolutionInputs& inputs = m_panel->inputs();
        m_line->setText(charts::hasVolumeAxis(shownView()->kind())
                            ? mixtureTitrationLine(inputs)
                            : mixtureLine(inputs, model::solveMixture(*drawn.mixture)));
        return;
    }
    if (charts::hasVolumeAxis(shownView()->kind())) {
        m_line->setText(ui::titrationLine(drawn.acid, drawn.solution, drawn.titration));
        return;
    }
    const model::SolutionState state = model::solveSolution(drawn.acid, drawn.solution);
    m_line->setText(ui::solutionLine(drawn.acid, drawn.solution, state));
}

Placement SolutionWindow::place(const MainWindowArea& main, const QMargins& assumed,
                                const QMargins& known) {
    const QList<QRect> screens = availableScreenAreas();
    std::optional<QPoint> rememberedFrame;
    if (m_rememberedPosition) {
        rememberedFrame = *m_rememberedPosition - QPoint(known.left(), known.top());
    }
    // Not yet shown, the window has the size it opens at, maximised or not.
    const Placement placement = placeSolutionWindow(
        {screens, main, assumed, minimumSizeHint().expandedTo(kSmallestPlacedSize), size(),
         rememberedFrame});
    // Maximised on the main window's screen, the window would hide it: it opens beside it.
    // Elsewhere it is maximised once it is shown where it is placed, on that screen.
    QRect mainFrame = main.frame;
    mainFrame.moveTopLeft(placement.mainPosition.value_or(main.frame.topLeft()));
    if (isMaximized()) {
        setWindowState(windowState() & ~Qt::WindowMaximized);
        if (placement.screen >= 0 && !screens[placement.screen].intersects(mainFrame)) {
            QTimer::singleShot(0, this,
                               [this] { setWindowState(windowState() | Qt::WindowMaximized); });
        }
    }
    // The inner area is placed, the window manager's frame drawn around it: a frame position
    // would depend on a frame not yet known (and be taken twice by some window managers).
    if (placement.remembered) {
        setGeometry(QRect(*m_rememberedPosition, placement.size));
    } else {
        setGeometry(placement.frame.marginsRemoved(assumed));
    }
    m_placed = true;
    return placement;
}

// The charts' text size: larger for the back row of a classroom, smaller for a small screen.
void SolutionWindow::addTextSizeActions(QMenu& menu) {
    menu.addSeparator();
    m_largerText =
        menu.addAction(tr("&Larger text"), this, [this] { setTextStep(m_textStep + 1); });
    // Ctrl++ is typed with Shift on most keyboards; Ctrl+= is the same key without it.
    m_largerText->setShortcuts(
        {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    m_smallerText =
        menu.addAction(tr("&Smaller text"), this, [this] { setTextStep(m_textStep - 1); });
    m_smallerText->setShortcut(QKeySequence(QKeySequence::ZoomOut));
    m_normalText = menu.addAction(tr("&Normal text size"), this, [this] { setTextStep(0); });
    m_normalText->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    for (QAction* action : {m_largerText, m_smallerText, m_normalText}) {
        action->setShortcutContext(Qt::WindowShortcut);
    }
}

void SolutionWindow::setTextStep(int step) {
    m_textStep = charts::clampedTextStep(step);
    m_largerText->setEnabled(m_textStep < charts::kLargestTextStep);
    m_smallerText->setEnabled(m_textStep > charts::kSmallestTextStep);
    m_normalText->setEnabled(m_textStep != 0);
    redraw();
}

SolutionWindowState SolutionWindow::state() const {
    SolutionWindowState state;
    state.inputs = m_panel->inputs();
    state.follow = following();
    state.view = shownView()->kind();
    state.inputsShown = m_showInputs->isChecked();
    state.maximized = isMaximized();
    state.textStep = m_textStep;
    state.lastRecipe = m_recipes->lastRecipe();
    state.lastMeasured = m_measuredCommands->lastFile();
    // A maximised window keeps the size and place it returns to.
    const QRect normal = isMaximized() ? normalGeometry() : geometry();
    state.size = normal.size();
    if (m_placed || isVisible()) {
        state.position = normal.topLeft();
    } else {
        state.position = m_rememberedPosition;
    }
    return state;
}

void SolutionWindow::saveSettings() {
    m_saveTimer->stop();
    report(m_settings.save(state()));
}

void SolutionWindow::report(const QString& problem) {
    // Said once: a disk that stays full would otherwise repeat it after every change.
    if (!problem.isEmpty() && !m_saveFailureReported) {
        m_saveFailureReported = true;
        std::fprintf(stderr, "velmora: %s\n",
                     qUtf8Printable(tr("the solution window's settings could not be written to "
                                       "%1: %2")
                                        .arg(io::shownName(solutionSettingsFile()), problem)));
    }
}

bool SolutionWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_panel && event->type() == QEvent::Resize) {
        QWidget* focused = QApplication::focusWidget();
        if (focused != nullptr && m_panel->isAncestorOf(focused)) {
            m_inputs->ensureWidgetVisible(focused);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void SolutionWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData() != nullptr && MeasuredCommands::accepts(*event->mimeData())) {
        event->acceptProposedAction();
    }
}

void SolutionWindow::dropEvent(QDropEvent* event) {
    if (event->mimeData() != nullptr && MeasuredCommands::accepts(*event->mimeData())) {
        event->acceptProposedAction();
        m_measuredCommands->drop(*event->mimeData());
    }
}

void SolutionWindow::closeEvent(QCloseEvent* event) {
    saveSettings();
    event->accept();
}

} // namespace velmora::ui
