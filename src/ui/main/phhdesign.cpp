#include "phhdesign.h"

#include "pictures.h"

#include <array>

namespace velmora::ui {

namespace {

const QColor kWindowGrey{224, 224, 224};
const QColor kPaleYellow{255, 255, 192};
const QColor kDigitGrey{192, 192, 192};
const QColor kBlack{0, 0, 0};

const QSize kCommandPicture{90, 36};
const QSize kAcidPicture{110, 30};

ControlDesign commandButton(const QString& name, int top, int tabIndex, const QString& toolTip,
                            const char* picture) {
    ControlDesign c;
    c.name = name;
    c.kind = ControlKind::CommandButton;
    c.left = 9480;
    c.top = top;
    c.width = 1815;
    c.height = 495;
    c.tabIndex = tabIndex;
    c.toolTip = toolTip;
    c.background = kWindowGrey;
    c.picture = QString::fromLatin1(picture);
    c.pictureSize = kCommandPicture;
    return c;
}

ControlDesign frame(const QString& name, int top, int height, int tabIndex, const QString& caption,
                    const QColor& background) {
    ControlDesign c;
    c.name = name;
    c.kind = ControlKind::Frame;
    c.left = 9480;
    c.top = top;
    c.width = 1815;
    c.height = height;
    c.tabIndex = tabIndex;
    c.caption = caption;
    c.background = background;
    return c;
}

/** The acid-type button for `protons` dissociable protons (1 = HA at the top .. 4 = H4A). */
ControlDesign acidTypeButton(int protons) {
    static constexpr std::array pictures{resources::acidHA, resources::acidH2A, resources::acidH3A,
                                         resources::acidH4A};
    ControlDesign c;
    c.name = QStringLiteral("Option1");
    c.index = protons;
    c.kind = ControlKind::OptionButton;
    c.frame = QStringLiteral("Frame1");
    c.left = 120;
    c.top = 300 + 600 * (protons - 1);
    c.width = 1575;
    c.height = 495;
    c.tabIndex = 16 + protons;
    c.background = kWindowGrey;
    c.picture = QString::fromLatin1(pictures[static_cast<std::size_t>(protons - 1)]);
    c.pictureSize = kAcidPicture;
    return c;
}

/** Bars stand 480 twips apart, right of the plot box. */
int barLeft(int index) {
    return 7560 + 480 * (index - 1);
}

ControlDesign scrollBar(int index) {
    ControlDesign c;
    c.name = QStringLiteral("VScroll1");
    c.index = index;
    c.kind = ControlKind::ScrollBar;
    c.left = barLeft(index);
    c.top = 360;
    c.width = 375;
    c.height = 4575;
    c.tabIndex = 3 + index;
    return c;
}

/** The digit above bar `index + 1`. */
ControlDesign digitLabel(int index) {
    ControlDesign c;
    c.name = QStringLiteral("Label1");
    c.index = index;
    c.kind = ControlKind::Label;
    c.left = barLeft(index + 1);
    c.top = 60;
    c.width = 375;
    c.height = 255;
    c.tabIndex = 8 + index;
    c.caption = QString::number(index + 1);
    c.background = kDigitGrey;
    c.foreground = kBlack;
    c.alignment = Qt::AlignHCenter | Qt::AlignTop;
    return c;
}

/** The value label under bar `index`; the outer two are narrower than the inner two. */
ControlDesign valueLabel(int index, int left, int width, const QString& caption) {
    ControlDesign c;
    c.name = QStringLiteral("Lab_pKa");
    c.index = index;
    c.kind = ControlKind::Label;
    c.left = left;
    c.top = 5040;
    c.width = width;
    c.height = 255;
    c.tabIndex = 11 + index;
    c.caption = caption;
    c.toolTip = QStringLiteral(" Value of pKa(%1) ").arg(index);
    c.background = kPaleYellow;
    c.foreground = kBlack;
    c.alignment = Qt::AlignHCenter | Qt::AlignTop;
    return c;
}

WindowDesign makeDesign() {
    WindowDesign w;
    w.name = QStringLiteral("pHH");
    w.caption = QStringLiteral("Velmora  1.0");
    w.clientWidth = 11355;
    w.clientHeight = 5430;
    w.outerWidthPx = kMainOuterWidthPx;
    w.outerHeightPx = kMainOuterHeightPx;
    w.background = kWindowGrey;
    w.font = FontDesign{QStringLiteral("System"), 9.75, true};
    w.icon = QString::fromLatin1(resources::mainIcon);
    w.minimizeButton = true;

    ControlDesign plot;
    plot.name = QStringLiteral("Pict_pole");
    plot.kind = ControlKind::PictureBox;
    plot.left = 60;
    plot.top = 60;
    plot.width = 7425;
    plot.height = 5250;
    plot.tabIndex = 2;
    plot.font = FontDesign{QStringLiteral("Arial"), 9.75, true};
    w.controls.push_back(plot);

    w.controls.push_back(commandButton(
        QStringLiteral("Comm_theory"), 120, 3,
        QStringLiteral(" Theory of polyprotic acids from Wikipedia "), resources::theoryButton));
    w.controls.push_back(commandButton(QStringLiteral("Comm_about"), 720, 1,
                                       QStringLiteral(" About this program "),
                                       resources::aboutButton));
    w.controls.push_back(commandButton(QStringLiteral("Comm_exit"), 1320, 0,
                                       QStringLiteral(" Do you really want to exit? "),
                                       resources::exitButton));
    w.controls.push_back(frame(QStringLiteral("Frame2"), 1800, 735, 21, QString(), kWindowGrey));
    w.controls.push_back(frame(QStringLiteral("Frame1"), 2640, 2715, 16,
                               QStringLiteral("Type of acid"), kPaleYellow));
    for (int protons = 1; protons <= 4; ++protons) {
        w.controls.push_back(acidTypeButton(protons));
    }
    for (int index = 1; index <= 4; ++index) {
        w.controls.push_back(scrollBar(index));
    }
    for (int index = 0; index <= 3; ++index) {
        w.controls.push_back(digitLabel(index));
    }
    w.controls.push_back(valueLabel(1, 7560, 435, QStringLiteral("2.1")));
    w.controls.push_back(valueLabel(2, 7980, 495, QStringLiteral("5.4")));
    w.controls.push_back(valueLabel(3, 8460, 495, QStringLiteral("9.7")));
    w.controls.push_back(valueLabel(4, 8940, 435, QStringLiteral("12.3")));
    return w;
}

} // namespace

const WindowDesign& pHHDesign() {
    static const WindowDesign design = makeDesign();
    return design;
}

} // namespace velmora::ui
