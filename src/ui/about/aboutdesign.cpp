#include "aboutdesign.h"

#include "abouttexts.h"

#include <pictures.h>

#include <utility>

namespace velmora::ui {

namespace {

const QColor kBackColour{224, 224, 224};
const QColor kBlack{0, 0, 0};
constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignTop;

FontDesign sansSerif(double points) {
    FontDesign font;
    font.face = QStringLiteral("MS Sans Serif");
    font.points = points;
    return font;
}

ControlDesign control(QString name, int index, ControlKind kind, QString frame, int left, int top,
                      int width, int height, int tabIndex) {
    ControlDesign c;
    c.name = std::move(name);
    c.index = index;
    c.kind = kind;
    c.frame = std::move(frame);
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.tabIndex = tabIndex;
    return c;
}

/**
 * Labels have black text unless the design says otherwise. They paint no background of their
 * own: in the window they show its back colour, and in a frame the frame's face, which the
 * style may shade, so a label never stands out as a patch.
 */
ControlDesign label(QString name, int index, QString frame, int left, int top, int width,
                    int height, int tabIndex, QString caption) {
    ControlDesign c = control(std::move(name), index, ControlKind::Label, std::move(frame), left,
                              top, width, height, tabIndex);
    c.caption = std::move(caption);
    c.foreground = kBlack;
    return c;
}

WindowDesign makeDesign() {
    WindowDesign w;
    w.name = QStringLiteral("About");
    w.caption = QString::fromUtf16(abouttexts::caption);
    w.clientWidth = 8400;
    w.clientHeight = 4920;
    w.outerWidthPx = kAboutOuterWidthPx;
    w.outerHeightPx = kAboutOuterHeightPx;
    w.background = kBackColour;
    w.font = sansSerif(9.75);
    w.icon = QString::fromLatin1(resources::aboutIcon);
    w.minimizeButton = false;

    const QString inWindow;
    const QString frame1 = QStringLiteral("Frame1");
    const QString frame2 = QStringLiteral("Frame2");
    auto& controls = w.controls;

    ControlDesign c = control(frame1, -1, ControlKind::Frame, inWindow, 120, 120, 8175, 2175, 0);
    c.font = sansSerif(8.25);
    controls.push_back(c);

    c = control(QStringLiteral("Picture2"), -1, ControlKind::PictureBox, frame1, 360, 360, 1710,
                1725, 9);
    c.picture = QString::fromLatin1(resources::portrait);
    c.pictureSize = QSize(110, 111);
    c.toolTip = QString::fromUtf16(abouttexts::portraitToolTip);
    controls.push_back(c);

    c = label(QStringLiteral("Label1"), -1, frame1, 2640, 180, 4845, 870, 1,
              QString::fromUtf16(abouttexts::title));
    c.foreground = kAboutBlue;
    c.font = sansSerif(18.0);
    c.alignment = kCentred;
    c.wordWrap = true;
    c.autoSize = true;
    controls.push_back(c);

    c = label(QStringLiteral("Label2"), 0, frame1, 4500, 1260, 1005, 240, 2,
              QString::fromUtf16(abouttexts::version));
    c.alignment = kCentred;
    c.autoSize = true;
    controls.push_back(c);

    c = label(QStringLiteral("Label2"), 1, frame1, 2820, 1680, 4455, 240, 3,
              abouttexts::copyright());
    c.alignment = kCentred;
    c.autoSize = true;
    controls.push_back(c);

    c = label(QStringLiteral("Label2"), 2, inWindow, 720, 2400, 7110, 480, 4,
              QString::fromUtf16(abouttexts::description));
    c.alignment = kCentred;
    c.wordWrap = true;
    c.autoSize = true;
    controls.push_back(c);

    c = control(frame2, -1, ControlKind::Frame, inWindow, 120, 2880, 8175, 1335, 6);
    c.caption = QString::fromUtf16(abouttexts::acknowledgementCaption);
    c.foreground = kAboutBlue;
    controls.push_back(c);

    // A fixed box: the paragraph wraps within it.
    c = label(QStringLiteral("Label3"), -1, frame2, 240, 360, 7695, 735, 7,
              QString::fromUtf16(abouttexts::acknowledgement));
    c.alignment = kCentred;
    c.wordWrap = true;
    controls.push_back(c);

    c = label(QStringLiteral("Label4"), -1, frame2, 6000, 1080, 1950, 195, 8,
              QString::fromUtf16(abouttexts::authorPrefix) + abouttexts::authorEmail());
    c.foreground = kAboutBlue;
    c.font = sansSerif(8.25);
    c.autoSize = true;
    controls.push_back(c);

    c = control(QStringLiteral("Clear"), -1, ControlKind::CommandButton, inWindow, 6600, 4320, 1695,
                495, 5);
    c.picture = QString::fromLatin1(resources::cancelButton);
    c.pictureSize = QSize(65, 28);
    controls.push_back(c);

    c = label(QStringLiteral("Label5"), 1, inWindow, 1560, 4320, 3165, 240, 10,
              QString::fromUtf16(abouttexts::moreProgrammes));
    c.autoSize = true;
    controls.push_back(c);

    c = label(QStringLiteral("Label5"), 2, inWindow, 1020, 4560, 4200, 240, 11,
              abouttexts::webPage());
    c.foreground = kAboutBlue;
    c.autoSize = true;
    controls.push_back(c);

    return w;
}

} // namespace

const WindowDesign& aboutDesign() {
    static const WindowDesign design = makeDesign();
    return design;
}

} // namespace velmora::ui
