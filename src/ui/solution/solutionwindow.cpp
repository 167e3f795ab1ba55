// SPDX-License-Identifier: GPL-3.0-or-later
#include "solutionwindow.h"

#include "chartdrawing.h"
#include "chartview.h"
#include "solutionpanel.h"
#include "speciestext.h"
#include "windowplacement.h"

#include "io/atomicfile.h"
#include "io/shownname.h"

#include "ui/common/diagramcommands.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>

namespace velmora::ui {

namespace {

/** The views in tab order, with their tab texts and accessible names (translated where shown). */
struct ViewDesign {
    charts::ChartKind kind;
    const char* tab;
    const char* accessible;
};
constexpr std::array<ViewDesign, 3> kViews{{
    {charts::ChartKind::Fractions, QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "Fractions"),
     QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "Fractions chart")},
    //: The tab of the chart of log c, as its axis names it.
    {charts::ChartKind::LogC, QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "Log c"),
     QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "Log-concentration chart")},
    {charts::ChartKind::Titration, QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "Titration"),
     QT_TRANSLATE_NOOP("velmora::ui::SolutionWindow", "Titration chart")},
}};

/** How long after a change the window waits before it remembers it. */
constexpr int kSaveDelayMs = 500;

/** The window's first size: the charts' default size with the panel beside them. */
constexpr QSize kStartSize{1100, 680};

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
    : QMainWindow(parent), m_mainAcid(std::move(mainAcid)) {
    setObjectName(QStringLiteral("solutionWindow"));
    setWindowTitle(tr("Velmora – Solution"));

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    m_panel = new SolutionPanel;
    auto* scroll = new QScrollArea(central);
    scroll->setWidget(m_panel);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A fixed width: the views keep their size whatever the panel shows (a problem, other names).
    scroll->setFixedWidth(m_panel->sizeHint().width() +
                          scroll->verticalScrollBar()->sizeHint().width());
    layout->addWidget(scroll);

    auto* right = new QVBoxLayout;
    m_tabs = new QTabWidget(central);
    m_tabs->setDocumentMode(true);
    for (std::size_t i = 0; i < kViews.size(); ++i) {
        auto* view = new ChartView(kViews[i].kind);
        view->setAccessibleName(tr(kViews[i].accessible));
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        m_views[i] = view;
        m_tabs->addTab(view, tr(kViews[i].tab));
    }
    right->addWidget(m_tabs, 1);
    m_line = new QLabel(central);
    m_line->setAccessibleName(tr("Solution"));
    m_line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_line->setWordWrap(true);
    // Room for two lines from the start, so that the views keep their height while the line
    // grows and shrinks with the acid.
    m_line->setMinimumHeight(2 * m_line->fontMetrics().lineSpacing());
    m_line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    right->addWidget(m_line);
    layout->addLayout(right, 1);
    setCentralWidget(central);

    m_drawing = std::make_unique<ChartDrawing>([this] { return shownView()->request(); });
    m_commands = new DiagramCommands(*this, *m_drawing);
    buildMenus();

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
    resize(remembered.size.value_or(kStartSize));
    m_rememberedPosition = remembered.position;
    if (remembered.maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }

    connect(m_panel, &SolutionPanel::inputsChanged, this, &SolutionWindow::redraw);
    connect(m_panel, &SolutionPanel::acidEdited, this, [this] {
        // An acid of the window's own: the main window stays as it is.
        const QSignalBlocker blocker(m_panel->followBox());
        m_panel->followBox()->setChecked(false);
    });
    connect(m_panel->followBox(), &QCheckBox::toggled, this, &SolutionWindow::followToggled);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] {
        for (ChartView* view : m_views) {
            view->hideReadout();
        }
        updateLine();
    });
    redraw();
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
}

SolutionWindow::~SolutionWindow() {
    // A window that goes with the main window gets no close event: what changed is kept anyway.
    saveSettings();
}

void SolutionWindow::buildMenus() {
    QMenu* chart = menuBar()->addMenu(tr("&Chart"));
    m_commands->addTo(*chart);
    chart->addSeparator();
    QAction* close = chart->addAction(tr("Close"), this, &QWidget::close);
    close->setShortcut(QKeySequence::Close);

    QMenu* viewMenu = menuBar()->addMenu(tr("&View"));
    auto* group = new QActionGroup(this);
    std::array<QAction*, 3> actions{};
    for (std::size_t i = 0; i < kViews.size(); ++i) {
        QAction* action = viewMenu->addAction(tr(kViews[i].tab));
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
    return request;
}

void SolutionWindow::mainWindowChanged() {
    if (following() && m_mainAcid) {
        // The panel's inputsChanged() redraws when the acid is another.
        m_panel->setAcid(m_mainAcid());
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
    if (shownView()->kind() == charts::ChartKind::Titration) {
        m_line->setText(ui::titrationLine(drawn.acid, drawn.solution, drawn.titration));
        return;
    }
    const model::SolutionState state = model::solveSolution(drawn.acid, drawn.solution);
    m_line->setText(ui::solutionLine(drawn.acid, drawn.solution, state));
}

void SolutionWindow::place(const QRect& anchor) {
    const QList<QRect> screens = availableScreenAreas();
    QRect available = screen() != nullptr ? screen()->availableGeometry() : QRect();
    if (const QScreen* at = QGuiApplication::screenAt(anchor.center())) {
        available = at->availableGeometry();
    }
    if (!available.isEmpty()) {
        resize(size().boundedTo(available.size()));
    }
    if (m_rememberedPosition && liesOnAScreen(*m_rememberedPosition, size(), screens)) {
        move(*m_rememberedPosition);
    } else if (!available.isEmpty()) {
        move(besidePosition(anchor, size(), available));
    }
    m_placed = true;
}

SolutionWindowState SolutionWindow::state() const {
    SolutionWindowState state;
    state.inputs = m_panel->inputs();
    state.follow = following();
    state.view = shownView()->kind();
    state.maximized = isMaximized();
    // A maximised window keeps the size and place it returns to.
    const QRect normal = isMaximized() ? normalGeometry() : geometry();
    state.size = normal.size();
    if (m_placed || isVisible()) {
        state.position = isMaximized() ? normal.topLeft() : pos();
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

void SolutionWindow::closeEvent(QCloseEvent* event) {
    saveSettings();
    event->accept();
}

} // namespace velmora::ui
