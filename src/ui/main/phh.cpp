#include "phh.h"

#include "classicscrollbar.h"
#include "controlindex.h"
#include "phhdesign.h"
#include "picturebutton.h"

#include "ui/common/desktop.h"
#include "ui/common/form.h"
#include "ui/common/scaleform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QUrl>

#include <algorithm>

namespace velmora::ui {

namespace {

/** The bars count tenths of a pKa unit: 1.0 to 13.0, arrow steps 0.1, trough steps 1.0. */
constexpr int kBarMin = 10;
constexpr int kBarMax = 130;
constexpr int kBarSingleStep = 1;
constexpr int kBarPageStep = 10;
/** Designed Values of the bars, ten times the start pKa of Form_Load. */
constexpr std::array<int, 4> kStartValues{21, 54, 97, 123};

QString theoryFileName() {
    return QString::fromLatin1(kTheoryDocument);
}

} // namespace

QString pKaText(double pKa) {
    QString text = QString::number(pKa, 'f', 1);
    // "##.0": no digit before the point below 1.
    if (text.startsWith(QLatin1String("0."))) {
        text.remove(0, 1);
    }
    return text;
}

pHH::pHH(ScreenDensity density) : QWidget(nullptr) {
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
            button->setIcon(QIcon(control.picture));
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
    m_Pict_pole = f.widgetAs<PlotBox>(u"Pict_pole");
    m_Pict_pole->setPlot(&m_plot);
    m_Pict_pole->setAccessibleName(QStringLiteral("Distribution diagram"));
    m_Pict_pole->setReadoutSource([this](double pH) { return readoutAt(pH); });
    m_plot.setDevicePixelRatio(m_Pict_pole->devicePixelRatioF());
    connect(m_Pict_pole, &PlotBox::devicePixelRatioChanged, this, &pHH::grafik);

    const auto command = [&](const char16_t* name, const QString& accessible,
                             void (pHH::*handler)()) {
        auto* button = f.widgetAs<QAbstractButton>(name);
        button->setAccessibleName(accessible);
        connect(button, &QAbstractButton::clicked, this, handler);
    };
    command(u"Comm_theory", QStringLiteral("Theory"), &pHH::Comm_theory_Click);
    command(u"Comm_about", QStringLiteral("About"), &pHH::Comm_about_Click);
    command(u"Comm_exit", QStringLiteral("Exit"), &pHH::Comm_exit_Click);

    f.widget(u"Frame1")->setAccessibleName(QStringLiteral("Type of acid"));
    // An empty frame that only sets the commands apart from the acid types.
    f.widget(u"Frame2")->setAccessibleName(QStringLiteral("Separator"));

    static const std::array<QString, 4> acidNames{
        QStringLiteral("Monoprotic acid HA"), QStringLiteral("Diprotic acid H2A"),
        QStringLiteral("Triprotic acid H3A"), QStringLiteral("Tetraprotic acid H4A")};
    m_acidTypes = new QButtonGroup(this);
    m_acidTypes->setExclusive(true);
    for (int index = 1; index <= 4; ++index) {
        QAbstractButton* button = f.widgetAs<QAbstractButton>(u"Option1", index);
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
        bar->setValue(kStartValues[slot(index - 1)]);
        bar->setAccessibleName(QStringLiteral("pKa %1").arg(index));
        m_VScroll1[slot(index)] = bar;

        QLabel* label = f.widgetAs<QLabel>(u"Lab_pKa", index);
        label->setAccessibleName(QStringLiteral("Value of pKa %1").arg(index));
        m_Lab_pKa[slot(index)] = label;

        f.widget(u"Label1", index - 1)->setAccessibleName(QStringLiteral("Bar %1").arg(index));
    }
    // Connected only now: the designed Values above are no changes of Value. The connections
    // are direct, so a write of a new Value runs the handler nested inside the write.
    for (int index = 1; index <= 4; ++index) {
        QScrollBar* bar = m_VScroll1[slot(index)];
        connect(bar, &QScrollBar::valueChanged, this, [this, index] { VScroll1_Change(index); });
        connect(bar, &QScrollBar::sliderMoved, this, [this, index] { VScroll1_Scroll(index); });
    }
    setUpPlotMenu();
}

void pHH::Form_Load() {
    scaleform(*m_form, kMainOuterWidthPx, kMainOuterHeightPx);
    m_acid.pKa1 = 2.1;
    m_acid.pKa2 = 5.4;
    m_acid.pKa3 = 9.7;
    m_acid.pKa4 = 12.3;
    m_acid.computeConstants();
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

void pHH::setExponent(int index, int tenths) {
    // The bars' quotient is single precision; pKa4 alone keeps it in double.
    const double single = static_cast<double>(static_cast<float>(tenths) / 10.0f);
    switch (index) {
    case 1:
        m_acid.pKa1 = single;
        break;
    case 2:
        m_acid.pKa2 = single;
        break;
    case 3:
        m_acid.pKa3 = single;
        break;
    case 4:
        m_acid.pKa4 = static_cast<double>(tenths) / 10.0;
        break;
    default:
        break;
    }
}

void pHH::clearExponent(int index) {
    switch (index) {
    case 2:
        m_acid.pKa2 = 0.0;
        break;
    case 3:
        m_acid.pKa3 = 0.0;
        break;
    case 4:
        m_acid.pKa4 = 0.0;
        break;
    default:
        break;
    }
}

double pHH::exponent(int index) const {
    return m_acid.exponents()[slot(index - 1)];
}

void pHH::VScroll1_Change(int Index) {
    if (validIndex(Index)) {
        // 1, 2: the bar's own pKa and label.
        setExponent(Index, value(Index));
        m_Lab_pKa[slot(Index)]->setText(pKaText(exponent(Index)));
        // 3: lower neighbours down, nearest first, enabled or not. Every test reads the Values
        // afresh: the writes run nested handlings that may have moved other bars meanwhile.
        for (int k = Index - 1; k >= 1; --k) {
            if (value(k) > value(k + 1)) {
                m_VScroll1[slot(k)]->setValue(value(k + 1));
            }
        }
        // 4: higher enabled neighbours up, nearest first.
        for (int k = Index + 1; k <= 4; ++k) {
            if (value(k) < value(k - 1) && m_VScroll1[slot(k)]->isEnabledTo(this)) {
                m_VScroll1[slot(k)]->setValue(value(k - 1));
            }
        }
    }
    // 5, 6
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
        // 1: the constants the acid does not have.
        for (int k = n + 1; k <= 4; ++k) {
            clearExponent(k);
        }
        // 2, 3: bars and labels of the type on, the others off. Bar 1 and its label stay on.
        if (n == 1) {
            for (int k = 2; k <= 4; ++k) {
                m_VScroll1[slot(k)]->setEnabled(false);
                m_Lab_pKa[slot(k)]->setEnabled(false);
            }
        } else {
            for (int k = 2; k <= 4; ++k) {
                m_VScroll1[slot(k)]->setEnabled(k <= n);
            }
            for (int k = 2; k <= 4; ++k) {
                m_Lab_pKa[slot(k)]->setEnabled(k <= n);
            }
        }
        // 4: raise the bars of the type into order; each raise runs its own handling first.
        for (int k = 2; k <= n; ++k) {
            if (value(k) < value(k - 1)) {
                m_VScroll1[slot(k)]->setValue(value(k - 1));
            }
        }
        // 5: the constants come back from the bars, which kept their Values.
        for (int k = 2; k <= n; ++k) {
            setExponent(k, value(k));
        }
    }
    // 6
    grafik();
}

void pHH::grafik() {
    markShownExample();
    m_plot.setDevicePixelRatio(m_Pict_pole->devicePixelRatioF());
    const diagram::LabelTexts labels = labelTexts();
    // Without an example acid the drawing is the original one, generic names and all.
    m_lastDrawing = m_plot.redraw(m_acid, m_example != nullptr ? &labels : nullptr);
    ++m_redrawCount;
    describeDiagram();
    m_Pict_pole->update();
}

QStringList pHH::theoryFolders() const {
    if (m_theoryFolders) {
        return m_theoryFolders();
    }
    QStringList folders{QDir::currentPath(), QCoreApplication::applicationDirPath(),
                        QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                        QStringLiteral("/" VELMORA_DOCDIR_FROM_BIN)),
                        QStringLiteral(VELMORA_DOCDIR)};
    folders.removeDuplicates();
    return folders;
}

void pHH::setTheoryFolders(std::function<QStringList()> folders) {
    m_theoryFolders = std::move(folders);
}

void pHH::Comm_theory_Click() {
    const QStringList folders = theoryFolders();
    for (const QString& folder : folders) {
        const QFileInfo document(QDir(folder).filePath(theoryFileName()));
        if (document.isFile()) {
            openWithDesktop(QUrl::fromLocalFile(document.absoluteFilePath()), this,
                            QStringLiteral("the theory document"));
            return;
        }
    }
    QStringList places;
    for (const QString& folder : folders) {
        places << QDir::toNativeSeparators(folder);
    }
    showProblem(this, QStringLiteral("Velmora"),
                QStringLiteral("The theory document %1 was not found.\n\nLooked in:\n%2")
                    .arg(theoryFileName(), places.join(u'\n')));
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
