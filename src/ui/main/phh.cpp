// SPDX-License-Identifier: GPL-3.0-or-later
#include "phh.h"

#include "aciddrawing.h"
#include "classicscrollbar.h"
#include "controlindex.h"
#include "exampleacids.h"
#include "phhdesign.h"
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

#include <cmath>
#include <cstddef>

namespace velmora::ui {

namespace {

/** The bars count tenths of a pKa unit: 1.0 to 13.0, arrow steps 0.1, trough steps 1.0. */
constexpr int kBarMin = 10;
constexpr int kBarMax = 130;
constexpr int kBarSingleStep = 1;
constexpr int kBarPageStep = 10;

/** The designed Value of bar `index`: the start acid's exponent in tenths. */
int startValue(int index) {
    return static_cast<int>(std::lround(model::kStartExponents[slot(index - 1)] * 10.0));
}

/**
 * The exponent that a bar's Value stands for, Value / 10. Bars 1 to 3 divide in single precision
 * and bar 4 in double: pKa1..pKa3 hold the float nearest to their tenth (a Value of 22 gives
 * 2.2000000476837158), pKa4 the double nearest.
 */
double barExponent(int index, int tenths) {
    if (index < model::kMaxProtons) {
        return static_cast<double>(static_cast<float>(tenths) / 10.0f);
    }
    return static_cast<double>(tenths) / 10.0;
}

/**
 * Shows `text` in a value label, in the label's designed font. The labels are made for tenths; a
 * literature value with two decimals can be a character longer ("10.27" under the narrow bar 4),
 * and such a text is set just small enough that no digit is cut off, on the same baseline.
 */
void showValue(QLabel& label, const QFont& designed, const QString& text) {
    QFont font = designed;
    const qreal room = label.contentsRect().width();
    while (QFontMetricsF(font, &label).boundingRect(text).width() > room &&
           font.pointSizeF() > 1.0) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    const qreal drop =
        QFontMetricsF(designed, &label).ascent() - QFontMetricsF(font, &label).ascent();
    label.setContentsMargins(0, qRound(drop), 0, 0);
    label.setFont(font);
    label.setText(text);
}

} // namespace

pHH::pHH(ScreenDensity density) : QWidget(nullptr), m_plot(devicePixelRatioF()) {
    setObjectName(QStringLiteral("pHH"));
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
    m_form = std::make_unique<Form>(*this, pHHDesign(), density, factory);
    wireControls();
    Form_Load();
    m_form->centreOnScreen();
    m_form->focusFirst();
}

pHH::~pHH() {
    // An About window still open (or closed and not yet deleted) goes with the main window.
    delete m_about.data();
}

void pHH::wireControls() {
    Form& f = *m_form;
    const auto command = [&](const char16_t* name, const QString& accessible,
                             void (pHH::*handler)()) {
        auto* button = f.widgetAs<QAbstractButton>(name);
        button->setAccessibleName(accessible);
        connect(button, &QAbstractButton::clicked, this, handler);
    };
    command(u"Comm_theory", tr("Theory"), &pHH::Comm_theory_Click);
    command(u"Comm_about", tr("About"), &pHH::Comm_about_Click);
    command(u"Comm_exit", tr("Exit"), &pHH::Comm_exit_Click);

    f.widgetAs<QWidget>(u"Frame1")->setAccessibleName(tr("Type of acid"));
    // An empty frame that only sets the commands apart from the acid types.
    f.widgetAs<QWidget>(u"Frame2")->setAccessibleName(tr("Separator"));

    const std::array<QString, 4> acidNames{tr("Monoprotic acid HA"), tr("Diprotic acid H2A"),
                                           tr("Triprotic acid H3A"), tr("Tetraprotic acid H4A")};
    m_acidTypes = new QButtonGroup(this);
    m_acidTypes->setExclusive(true);
    for (int index = 1; index <= 4; ++index) {
        auto* button = f.widgetAs<QAbstractButton>(u"Option1", index);
        button->setAccessibleName(acidNames[slot(index - 1)]);
        m_acidTypes->addButton(button, index);
        m_Option1[slot(index)] = button;
    }
    m_Option1[4]->setChecked(true);
    connect(m_acidTypes, &QButtonGroup::idClicked, this, &pHH::Option1_Click);

    for (int index = 1; index <= 4; ++index) {
        auto* bar = f.widgetAs<QScrollBar>(u"VScroll1", index);
        bar->setRange(kBarMin, kBarMax);
        bar->setSingleStep(kBarSingleStep);
        bar->setPageStep(kBarPageStep);
        bar->setTracking(true);
        bar->setValue(startValue(index));
        bar->setAccessibleName(tr("pKa %1").arg(index));
        m_VScroll1[slot(index)] = bar;

        auto* label = f.widgetAs<QLabel>(u"Lab_pKa", index);
        label->setAccessibleName(tr("Value of pKa %1").arg(index));
        m_Lab_pKa[slot(index)] = label;

        f.widgetAs<QLabel>(u"Label1", index - 1)->setAccessibleName(tr("Bar %1").arg(index));
    }
    // Connected only now: the designed Values above are no changes of Value. The connections
    // are direct, so a write of a new Value runs the handler nested inside the write.
    for (int index = 1; index <= 4; ++index) {
        QScrollBar* bar = m_VScroll1[slot(index)];
        connect(bar, &QScrollBar::valueChanged, this, [this, index] { VScroll1_Change(index); });
        connect(bar, &QScrollBar::sliderMoved, this, [this, index] { VScroll1_Scroll(index); });
    }

    m_examples = new ExampleAcids(
        *m_acidTypes, {m_VScroll1[1], m_VScroll1[2], m_VScroll1[3], m_VScroll1[4]}, *this);
    connect(m_examples, &ExampleAcids::labelsChanged, this, &pHH::grafik);
    m_drawing = std::make_unique<AcidDrawing>(m_acid, *m_examples);
    m_commands = new DiagramCommands(*this, *m_drawing);
    m_solution =
        new SolutionCompanion(*this, [this] { return followedAcid(m_acid, m_examples->labels()); });
    connect(this, &pHH::diagramDrawn, m_solution, &SolutionCompanion::windowChanged);

    m_Pict_pole = f.widgetAs<PlotBox>(u"Pict_pole");
    m_Pict_pole->setAccessibleName(tr("Distribution diagram"));
    m_Pict_pole->setPlot(&m_plot);
    m_Pict_pole->setReadoutSource([this](double pH) { return m_drawing->readoutAt(pH); });
    connect(m_Pict_pole, &PlotBox::devicePixelRatioChanged, this, &pHH::grafik);
    setUpPlotMenu();
}

void pHH::setUpPlotMenu() {
    m_plotMenu = new QMenu(this);
    m_plotMenu->setObjectName(QStringLiteral("plotMenu"));
    m_plotMenu->addMenu(m_examples->menu());
    m_plotMenu->addAction(m_solution->openAction());
    m_plotMenu->addSeparator();
    m_commands->addTo(*m_plotMenu);
    m_Pict_pole->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_Pict_pole, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        // The menu covers the plot; a readout left standing under it would only be in the way.
        m_Pict_pole->hideReadout();
        m_plotMenu->popup(m_Pict_pole->mapToGlobal(at));
    });
}

void pHH::Form_Load() {
    scaleform(*m_form, kMainOuterWidthPx, kMainOuterHeightPx);
    for (int index = 1; index <= 4; ++index) {
        m_valueFonts[slot(index)] = m_Lab_pKa[slot(index)]->font();
    }
    m_acid = model::Acid::startAcid();
    grafik();
}

QScrollBar* pHH::VScroll1(int Index) const {
    return validIndex(Index) ? m_VScroll1[slot(Index)] : nullptr;
}

QLabel* pHH::Lab_pKa(int Index) const {
    return validIndex(Index) ? m_Lab_pKa[slot(Index)] : nullptr;
}

QAbstractButton* pHH::Option1(int Index) const {
    return validIndex(Index) ? m_Option1[slot(Index)] : nullptr;
}

int pHH::value(int index) const {
    return m_VScroll1[slot(index)]->value();
}

void pHH::setExponent(int index) {
    m_acid.setPKa(index, barExponent(index, value(index)));
}

void pHH::VScroll1_Change(int Index) {
    if (validIndex(Index)) {
        // The bar's own exponent and its label follow its Value.
        setExponent(Index);
        m_Lab_pKa[slot(Index)]->setText(pKaText(m_acid.pKa(Index)));
        // Lower neighbours come down, nearest first, enabled or not. Every test reads the Values
        // afresh: the writes run nested handlings that may have moved other bars meanwhile.
        for (int k = Index - 1; k >= 1; --k) {
            if (value(k) > value(k + 1)) {
                m_VScroll1[slot(k)]->setValue(value(k + 1));
            }
        }
        // Higher enabled neighbours go up, nearest first.
        for (int k = Index + 1; k <= 4; ++k) {
            if (value(k) < value(k - 1) && m_VScroll1[slot(k)]->isEnabledTo(this)) {
                m_VScroll1[slot(k)]->setValue(value(k - 1));
            }
        }
    }
    // Waiting events run first, so the bars and labels show their new Values; then the diagram
    // is drawn anew.
    QCoreApplication::processEvents();
    grafik();
}

void pHH::VScroll1_Scroll(int Index) {
    if (!validIndex(Index)) {
        return;
    }
    // The thumb's position becomes the Value, so label and diagram follow the drag.
    QScrollBar* bar = m_VScroll1[slot(Index)];
    bar->setValue(bar->sliderPosition());
}

void pHH::Option1_Click(int Index) {
    if (validIndex(Index)) {
        const int n = Index;
        // The constants past the acid's type are absent.
        for (int k = n + 1; k <= 4; ++k) {
            m_acid.setPKa(k, 0.0);
        }
        // The bars and labels of the type are on, the others off; bar 1 and its label stay on.
        for (int k = 2; k <= 4; ++k) {
            m_VScroll1[slot(k)]->setEnabled(k <= n);
            m_Lab_pKa[slot(k)]->setEnabled(k <= n);
        }
        // The bars of the type are raised into order; each raise runs its own handling first.
        for (int k = 2; k <= n; ++k) {
            if (value(k) < value(k - 1)) {
                m_VScroll1[slot(k)]->setValue(value(k - 1));
            }
        }
        // The constants of the type come back from the bars, which kept their Values.
        for (int k = 2; k <= n; ++k) {
            setExponent(k);
        }
    }
    grafik();
}

void pHH::followExample() {
    m_examples->follow();
    const model::Preset* shown = m_examples->shown();
    if (m_exact != nullptr && m_exact != shown) {
        // The window has left the example: an exponent that still holds a literature value
        // (the handlers have not written it from its bar, nor cleared it) comes from its bar
        // again, and every label the example wrote shows its bar's tenth.
        for (int k = 1; k <= m_exact->protons(); ++k) {
            if (m_acid.pKa(k) == m_exact->pKa[static_cast<std::size_t>(k - 1)]) {
                setExponent(k);
            }
            showValue(*m_Lab_pKa[slot(k)], m_valueFonts[slot(k)],
                      pKaText(barExponent(k, value(k))));
        }
        m_exact = nullptr;
    }
    if (shown != nullptr) {
        // The bars stand at the nearest tenth; the model and the labels hold the literature
        // values. Written on every redraw, as a click on the example's own acid type reads the
        // exponents back from the bars.
        const QStringList texts = exampleValueTexts(*shown);
        for (int k = 1; k <= shown->protons(); ++k) {
            m_acid.setPKa(k, shown->pKa[static_cast<std::size_t>(k - 1)]);
            showValue(*m_Lab_pKa[slot(k)], m_valueFonts[slot(k)], texts.at(k - 1));
        }
        m_exact = shown;
    }
}

void pHH::grafik() {
    followExample();
    m_plot.setDevicePixelRatio(m_Pict_pole->devicePixelRatioF());
    const diagram::DrawnDiagram drawn = m_plot.redraw(m_acid, m_examples->labels());
    m_Pict_pole->setAccessibleDescription(m_drawing->summary(drawn));
    m_Pict_pole->update();
    emit diagramDrawn(drawn);
}

void pHH::Comm_theory_Click() {
    openTheoryDocument(theoryFolders(), this);
}

void pHH::Comm_about_Click() {
    if (m_about.isNull()) {
        // Its construction is its load: built from its design and scaled.
        m_about = new About(m_form->density());
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void pHH::Comm_exit_Click() {
    endProgram();
}

void pHH::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void pHH::Form_Unload() {
    endProgram();
}

void pHH::endProgram() {
    if (m_ending) {
        return;
    }
    m_ending = true;
    // Every window goes, the About window too, and the event loop ends.
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

} // namespace velmora::ui
