// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "aciddrawing.h"
#include "classicscrollbar.h"
#include "exampleacids.h"
#include "mainwindowdesign.h"
#include "picturebutton.h"
#include "plotbox.h"

#include "model/presets.h"
#include "ui/about/about.h"
#include "ui/common/diagramcommands.h"
#include "ui/common/form.h"
#include "ui/common/scaleform.h"
#include "ui/common/svgicon.h"
#include "ui/common/theorydocument.h"
#include "ui/solution/followedacid.h"
#include "ui/solution/solutioncompanion.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace velmora::ui {

namespace {

/** The bars count tenths of a pKa unit: 1.0 to 13.0, arrow steps 0.1, trough steps 1.0. */
constexpr int kBarMin = 10;
constexpr int kBarMax = 130;
constexpr int kBarSingleStep = 1;
constexpr int kBarPageStep = 10;

/** The number of bars, value labels and acid-type buttons, one per constant. */
constexpr int kBars = model::kMaxProtons;

/** Whether `i` counts one of the bars, value labels or acid-type buttons (0..3). */
bool isBar(int i) {
    return i >= 0 && i < kBars;
}

/**
 * Element `i` of one of the window's rows of four. An index outside 0..3 is a fault in the
 * program: it throws std::out_of_range rather than reading past the row.
 */
template <class Row> auto& ofRow(Row& row, int i) {
    return row.at(static_cast<std::size_t>(i));
}

/** The designed Value of bar `i`: the start acid's exponent in tenths. */
int startValue(int i) {
    return static_cast<int>(
        std::lround(model::kStartExponents[static_cast<std::size_t>(i)] * 10.0));
}

/**
 * The exponent that bar i's Value stands for, Value / 10. The bars of pKa1 to pKa3 divide in
 * single precision and the bar of pKa4 in double: pKa1..pKa3 hold the float nearest to their
 * tenth (a Value of 22 gives 2.2000000476837158), pKa4 the double nearest.
 */
double barExponent(int i, int tenths) {
    if (i < kBars - 1) {
        return static_cast<double>(static_cast<float>(tenths) / 10.0f);
    }
    return static_cast<double>(tenths) / 10.0;
}

/**
 * The width a value label's centred text has: the label's own, less what the labels drawn over it
 * cover of it (the labels overlap a little, and a later one is drawn over an earlier one), the
 * same on both sides of its centre.
 */
qreal valueRoom(const QLabel& label, const std::array<QLabel*, model::kMaxProtons>& labels) {
    const QRect own = label.geometry();
    const qreal centre = own.x() + own.width() / 2.0;
    qreal left = own.x() + label.contentsMargins().left();
    qreal right = own.x() + own.width() - label.contentsMargins().right();
    const QObjectList& stack = label.parentWidget()->children();
    for (const QLabel* other : labels) {
        const bool over = other != &label && other != nullptr &&
                          other->parentWidget() == label.parentWidget() &&
                          stack.indexOf(other) > stack.indexOf(&label);
        const QRect beside = over ? other->geometry() : QRect();
        if (!over || !beside.intersects(own)) {
            continue;
        }
        if (beside.x() + beside.width() / 2.0 < centre) {
            left = std::max(left, static_cast<qreal>(beside.x() + beside.width()));
        } else {
            right = std::min(right, static_cast<qreal>(beside.x()));
        }
    }
    return std::max(0.0, 2.0 * std::min(centre - left, right - centre));
}

/**
 * Shows `text` in a value label, in the label's designed font. The labels are made for tenths; a
 * literature value with two decimals can be a character longer ("10.37" under the narrow bar 4,
 * "12.35" beside bar 4's own value), and such a text is set just small enough that it fits the
 * room it has (valueRoom()), measured by its advance and by its ink, on the same baseline.
 */
void showValue(QLabel& label, const QFont& designed, const QString& text, qreal room) {
    QFont font = designed;
    const auto width = [&label, &text](const QFont& f) {
        const QFontMetricsF metrics(f, &label);
        return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).width());
    };
    while (width(font) > room && font.pointSizeF() > 1.0) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    const qreal drop =
        QFontMetricsF(designed, &label).ascent() - QFontMetricsF(font, &label).ascent();
    label.setContentsMargins(0, qRound(drop), 0, 0);
    label.setFont(font);
    label.setText(text);
}

} // namespace

MainWindow::MainWindow(ScreenDensity density) : QWidget(nullptr), m_plot(devicePixelRatioF()) {
    setObjectName(mainWindowDesign().name);
    auto* barStyle = new ClassicScrollBarStyle();
    barStyle->setParent(this);
    const Form::Factory factory = [barStyle](const ControlDesign& control,
                                             QWidget* parent) -> QWidget* {
        switch (control.kind) {
        case ControlKind::PictureBox:
            return new PlotBox(parent);
        case ControlKind::ScrollBar: {
            // Scroll bars take the keyboard focus, so they belong in the tab order.
            auto* bar = new QScrollBar(Qt::Vertical, parent);
            bar->setFocusPolicy(Qt::StrongFocus);
            bar->setStyle(barStyle);
            return bar;
        }
        case ControlKind::OptionButton:
        case ControlKind::CommandButton: {
            auto* button = new PictureButton(parent);
            button->setIcon(svgIcon(control.picture));
            button->setCheckable(control.kind == ControlKind::OptionButton);
            return button;
        }
        case ControlKind::Frame:
        case ControlKind::Label:
            break;
        }
        return nullptr;
    };
    m_form = std::make_unique<Form>(*this, mainWindowDesign(), density, factory);
    wireControls();
    load();
    m_form->centreOnScreen();
    m_form->focusFirst();
}

MainWindow::~MainWindow() {
    // An About window still open (or closed and not yet deleted) goes with the main window.
    delete m_about.data();
}

void MainWindow::wireControls() {
    Form& f = *m_form;
    const auto command = [&](const char16_t* name, const QString& accessible,
                             void (MainWindow::*handler)()) {
        auto* button = f.widgetAs<QAbstractButton>(name);
        button->setAccessibleName(accessible);
        connect(button, &QAbstractButton::clicked, this, handler);
        return button;
    };
    m_theoryButton = command(u"Comm_theory", tr("Theory"), &MainWindow::openTheory);
    m_aboutButton = command(u"Comm_about", tr("About"), &MainWindow::showAbout);
    m_exitButton = command(u"Comm_exit", tr("Exit"), &MainWindow::exitProgram);

    m_acidTypeFrame = f.widgetAs<QWidget>(u"Frame1");
    m_acidTypeFrame->setAccessibleName(tr("Type of acid"));
    // An empty frame that only sets the commands apart from the acid types.
    m_separatorFrame = f.widgetAs<QWidget>(u"Frame2");
    m_separatorFrame->setAccessibleName(tr("Separator"));

    const std::array<QString, kBars> acidNames{tr("Monoprotic acid HA"), tr("Diprotic acid H2A"),
                                               tr("Triprotic acid H3A"),
                                               tr("Tetraprotic acid H4A")};
    m_acidTypes = new QButtonGroup(this);
    m_acidTypes->setExclusive(true);
    for (int i = 0; i < kBars; ++i) {
        auto* button = f.widgetAs<QAbstractButton>(u"Option1", i + 1);
        button->setAccessibleName(ofRow(acidNames, i));
        // The id is the acid's number of protons, as ExampleAcids reads it.
        m_acidTypes->addButton(button, i + 1);
        ofRow(m_acidTypeButtons, i) = button;
    }
    acidTypeButton(kBars - 1)->setChecked(true);
    connect(m_acidTypes, &QButtonGroup::idClicked, this,
            [this](int protons) { acidTypeChosen(protons - 1); });

    for (int i = 0; i < kBars; ++i) {
        auto* bar = f.widgetAs<QScrollBar>(u"VScroll1", i + 1);
        bar->setRange(kBarMin, kBarMax);
        bar->setSingleStep(kBarSingleStep);
        bar->setPageStep(kBarPageStep);
        bar->setTracking(true);
        bar->setValue(startValue(i));
        bar->setAccessibleName(tr("pKa %1").arg(i + 1));
        ofRow(m_pKaBars, i) = bar;

        auto* label = f.widgetAs<QLabel>(u"Lab_pKa", i + 1);
        label->setAccessibleName(tr("Value of pKa %1").arg(i + 1));
        ofRow(m_pKaLabels, i) = label;

        auto* number = f.widgetAs<QLabel>(u"Label1", i);
        number->setAccessibleName(tr("Bar %1").arg(i + 1));
        ofRow(m_pKaBarNumbers, i) = number;
    }
    // Connected only now: the designed Values above are no changes of Value. The connections
    // are direct, so a write of a new Value runs the handler nested inside the write.
    for (int i = 0; i < kBars; ++i) {
        QScrollBar* bar = pKaBar(i);
        connect(bar, &QScrollBar::valueChanged, this, [this, i] { pKaBarChanged(i); });
        connect(bar, &QScrollBar::sliderMoved, this, [this, i] { pKaBarScrolled(i); });
    }

    m_examples = new ExampleAcids(*m_acidTypes, m_pKaBars, *this);
    connect(m_examples, &ExampleAcids::labelsChanged, this, &MainWindow::redrawDiagram);
    m_drawing = std::make_unique<AcidDrawing>(m_acid, *m_examples);
    m_commands = new DiagramCommands(*this, *m_drawing);
    m_solution = new SolutionCompanion(
        *this, [this] { return followedAcid(m_acid, m_examples->labels()); },
        [this] { return controlsArea(); });
    connect(this, &MainWindow::diagramDrawn, m_solution, &SolutionCompanion::windowChanged);

    m_plotBox = f.widgetAs<PlotBox>(u"Pict_pole");
    m_plotBox->setAccessibleName(tr("Distribution diagram"));
    m_plotBox->setPlot(&m_plot);
    m_plotBox->setReadoutSource([this](double pH) { return m_drawing->readoutAt(pH); });
    connect(m_plotBox, &PlotBox::devicePixelRatioChanged, this, &MainWindow::redrawDiagram);
    setUpPlotMenu();
}

QRect MainWindow::controlsArea() const {
    QRect area;
    for (const Control& control : m_form->controls()) {
        if (control.widget != m_plotBox && control.widget->parentWidget() == this) {
            area |= control.widget->geometry();
        }
    }
    return area;
}

void MainWindow::setUpPlotMenu() {
    m_plotMenu = new QMenu(this);
    m_plotMenu->setObjectName(QStringLiteral("plotMenu"));
    m_plotMenu->addMenu(m_examples->menu());
    m_plotMenu->addAction(m_solution->openAction());
    m_plotMenu->addSeparator();
    m_commands->addTo(*m_plotMenu);
    m_plotBox->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_plotBox, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        // The menu covers the plot; a readout left standing under it would only be in the way.
        m_plotBox->hideReadout();
        m_plotMenu->popup(m_plotBox->mapToGlobal(at));
    });
}

void MainWindow::load() {
    scaleform(*m_form, kMainOuterWidthPx, kMainOuterHeightPx);
    for (int i = 0; i < kBars; ++i) {
        ofRow(m_valueFonts, i) = pKaLabel(i)->font();
    }
    m_acid = model::Acid::startAcid();
    redrawDiagram();
}

QScrollBar* MainWindow::pKaBar(int i) const {
    return ofRow(m_pKaBars, i);
}

QLabel* MainWindow::pKaLabel(int i) const {
    return ofRow(m_pKaLabels, i);
}

QLabel* MainWindow::pKaBarNumber(int i) const {
    return ofRow(m_pKaBarNumbers, i);
}

QAbstractButton* MainWindow::acidTypeButton(int i) const {
    return ofRow(m_acidTypeButtons, i);
}

int MainWindow::value(int i) const {
    return pKaBar(i)->value();
}

void MainWindow::setExponent(int i) {
    m_acid.setPKa(i + 1, barExponent(i, value(i)));
}

void MainWindow::pKaBarChanged(int i) {
    if (isBar(i)) {
        // The bar's own exponent and its label follow its Value.
        setExponent(i);
        showValue(*pKaLabel(i), ofRow(m_valueFonts, i), pKaText(m_acid.pKa(i + 1)),
                  valueRoom(*pKaLabel(i), m_pKaLabels));
        // Lower neighbours come down, nearest first, enabled or not. Every test reads the Values
        // afresh: the writes run nested handlings that may have moved other bars meanwhile.
        for (int k = i - 1; k >= 0; --k) {
            if (value(k) > value(k + 1)) {
                pKaBar(k)->setValue(value(k + 1));
            }
        }
        // Higher enabled neighbours go up, nearest first.
        for (int k = i + 1; k < kBars; ++k) {
            if (value(k) < value(k - 1) && pKaBar(k)->isEnabledTo(this)) {
                pKaBar(k)->setValue(value(k - 1));
            }
        }
    }
    // Waiting events run first, so the bars and labels show their new Values; then the diagram
    // is drawn anew.
    QCoreApplication::processEvents();
    redrawDiagram();
}

void MainWindow::pKaBarScrolled(int i) {
    if (!isBar(i)) {
        return;
    }
    // The thumb's position becomes the Value, so label and diagram follow the drag.
    QScrollBar* bar = pKaBar(i);
    bar->setValue(bar->sliderPosition());
}

void MainWindow::acidTypeChosen(int i) {
    if (isBar(i)) {
        const int protons = i + 1;
        // The constants past the acid's type are absent.
        for (int k = protons + 1; k <= model::kMaxProtons; ++k) {
            m_acid.setPKa(k, 0.0);
        }
        // The bars and labels of the type are on, the others off; the first bar and its label
        // stay on.
        for (int k = 1; k < kBars; ++k) {
            pKaBar(k)->setEnabled(k <= i);
            pKaLabel(k)->setEnabled(k <= i);
        }
        // The bars of the type are raised into order; each raise runs its own handling first.
        for (int k = 1; k <= i; ++k) {
            if (value(k) < value(k - 1)) {
                pKaBar(k)->setValue(value(k - 1));
            }
        }
        // The constants of the type come back from the bars, which kept their Values.
        for (int k = 1; k <= i; ++k) {
            setExponent(k);
        }
    }
    redrawDiagram();
}

void MainWindow::followExample() {
    m_examples->follow();
    const model::Preset* shown = m_examples->shown();
    if (m_exact != nullptr && m_exact != shown) {
        // The window has left the example: an exponent that still holds a literature value
        // (the handlers have not written it from its bar, nor cleared it) comes from its bar
        // again, and every label the example wrote shows its bar's tenth.
        for (int k = 0; k < m_exact->protons(); ++k) {
            if (m_acid.pKa(k + 1) == m_exact->pKa[static_cast<std::size_t>(k)]) {
                setExponent(k);
            }
            showValue(*pKaLabel(k), ofRow(m_valueFonts, k), pKaText(barExponent(k, value(k))),
                      valueRoom(*pKaLabel(k), m_pKaLabels));
        }
        m_exact = nullptr;
    }
    if (shown != nullptr) {
        // The bars stand at the nearest tenth; the model and the labels hold the literature
        // values. Written on every redraw, as a click on the example's own acid type reads the
        // exponents back from the bars.
        const QStringList texts = exampleValueTexts(*shown);
        for (int k = 0; k < shown->protons(); ++k) {
            m_acid.setPKa(k + 1, shown->pKa[static_cast<std::size_t>(k)]);
            showValue(*pKaLabel(k), ofRow(m_valueFonts, k), texts.at(k),
                      valueRoom(*pKaLabel(k), m_pKaLabels));
        }
        m_exact = shown;
    }
}

void MainWindow::redrawDiagram() {
    followExample();
    m_plot.setDevicePixelRatio(m_plotBox->devicePixelRatioF());
    const diagram::DrawnDiagram drawn = m_plot.redraw(m_acid, m_examples->labels());
    m_plotBox->setAccessibleDescription(m_drawing->summary(drawn));
    m_plotBox->update();
    emit diagramDrawn(drawn);
}

void MainWindow::openTheory() {
    openTheoryDocument(theoryFolders(), this);
}

void MainWindow::showAbout() {
    if (m_about.isNull()) {
        // Its construction is its load: built from its design and scaled.
        m_about = new About(m_form->density());
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Any way of closing the window ends the program.
    exitProgram();
    event->accept();
}

void MainWindow::exitProgram() {
    if (m_ending) {
        return;
    }
    m_ending = true;
    // Every window goes, the About window too, and the event loop ends.
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

} // namespace velmora::ui
