// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutdesign.h"

#include "abouttexts.h"
#include "pictures.h"

namespace velmora::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

const QColor kBackColour{224, 224, 224};
const QColor kBlack{0, 0, 0};
constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignTop;

FontDesign sansSerif(double points) {
    return {u"MS Sans Serif"_s, points, false};
}

WindowDesign makeDesign() {
    using enum ControlKind;
    WindowDesign w{
        .name = u"About"_s,
        .caption = abouttexts::caption(),
        .clientWidth = 8400,
        .clientHeight = 4920,
        .outerWidthPx = kAboutOuterWidthPx,
        .outerHeightPx = kAboutOuterHeightPx,
        .background = kBackColour,
        .font = sansSerif(9.75),
        .icon = QString::fromLatin1(resources::aboutIcon),
        .minimizeButton = false,
    };
    // Labels have black text unless a row says otherwise. They paint no background of their own:
    // in the window they show its back colour, and in a frame the frame's face, which the style
    // may shade, so a label never stands out as a patch. Label3 is a fixed box that its paragraph
    // wraps within; the other labels follow their texts.
    // clang-format off
    w.controls = {
        {.name = u"Frame1"_s, .kind = Frame, .left = 120, .top = 120, .width = 8175, .height = 2175, .tabIndex = 0, .font = sansSerif(8.25)},
        {.name = u"Picture2"_s, .kind = PictureBox, .frame = u"Frame1"_s, .left = 360, .top = 360, .width = 1710, .height = 1725, .tabIndex = 9, .toolTip = abouttexts::portraitToolTip(), .picture = QString::fromLatin1(resources::portrait), .pictureSize = QSize(110, 111)},
        {.name = u"Label1"_s, .kind = Label, .frame = u"Frame1"_s, .left = 2640, .top = 180, .width = 4845, .height = 870, .tabIndex = 1, .caption = abouttexts::title(), .foreground = kAboutBlue, .font = sansSerif(18.0), .alignment = kCentred, .wordWrap = true, .autoSize = true},
        {.name = u"Label2"_s, .index = 0, .kind = Label, .frame = u"Frame1"_s, .left = 4500, .top = 1260, .width = 1005, .height = 240, .tabIndex = 2, .caption = abouttexts::version(), .foreground = kBlack, .alignment = kCentred, .autoSize = true},
        {.name = u"Label2"_s, .index = 1, .kind = Label, .frame = u"Frame1"_s, .left = 2820, .top = 1680, .width = 4455, .height = 240, .tabIndex = 3, .caption = abouttexts::copyright(), .foreground = kBlack, .alignment = kCentred, .autoSize = true},
        {.name = u"Label2"_s, .index = 2, .kind = Label, .left = 720, .top = 2400, .width = 7110, .height = 480, .tabIndex = 4, .caption = abouttexts::description(), .foreground = kBlack, .alignment = kCentred, .wordWrap = true, .autoSize = true},
        {.name = u"Frame2"_s, .kind = Frame, .left = 120, .top = 2880, .width = 8175, .height = 1335, .tabIndex = 6, .caption = abouttexts::acknowledgementCaption(), .foreground = kAboutBlue},
        {.name = u"Label3"_s, .kind = Label, .frame = u"Frame2"_s, .left = 240, .top = 360, .width = 7695, .height = 735, .tabIndex = 7, .caption = abouttexts::acknowledgement(), .foreground = kBlack, .alignment = kCentred, .wordWrap = true},
        {.name = u"Label4"_s, .kind = Label, .frame = u"Frame2"_s, .left = 6000, .top = 1080, .width = 1950, .height = 195, .tabIndex = 8, .caption = abouttexts::authorLine(), .foreground = kAboutBlue, .font = sansSerif(8.25), .autoSize = true},
        {.name = u"Clear"_s, .kind = CommandButton, .left = 6600, .top = 4320, .width = 1695, .height = 495, .tabIndex = 5, .picture = QString::fromLatin1(resources::cancelButton), .pictureSize = QSize(65, 28)},
        {.name = u"Label5"_s, .index = 1, .kind = Label, .left = 1560, .top = 4320, .width = 3165, .height = 240, .tabIndex = 10, .caption = abouttexts::moreProgrammes(), .foreground = kBlack, .autoSize = true},
        {.name = u"Label5"_s, .index = 2, .kind = Label, .left = 1020, .top = 4560, .width = 4200, .height = 240, .tabIndex = 11, .caption = abouttexts::webPage(), .foreground = kAboutBlue, .autoSize = true},
    };
    // clang-format on
    return w;
}

} // namespace

const WindowDesign& aboutDesign() {
    static const WindowDesign design = makeDesign();
    return design;
}

} // namespace velmora::ui
