// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowdesign.h"

#include "pictures.h"
#include "version.h"

#include "model/acid.h"

#include <QCoreApplication>

#include <cstddef>

namespace velmora::ui {

using namespace Qt::Literals::StringLiterals;

QString pKaText(double pKa) {
    QString text = QString::number(pKa, 'f', 1);
    // "##.0": no digit before the point below 1.
    if (text.startsWith(QLatin1String("0."))) {
        text.remove(0, 1);
    }
    return text;
}

namespace {

const QColor kWindowGrey{224, 224, 224};
const QColor kPaleYellow{255, 255, 192};
const QColor kDigitGrey{192, 192, 192};
const QColor kBlack{0, 0, 0};
constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignTop;

const QSize kCommandPicture{90, 36};
const QSize kAcidPicture{110, 30};

QString picture(const char* path) {
    return QString::fromLatin1(path);
}

/** The tooltip of value label `index`, in the user's language. */
QString valueToolTip(int index) {
    //: The tooltips of the main window begin and end with a blank, as drawn.
    return QCoreApplication::translate("velmora::ui::MainWindow", " Value of pKa(%1) ").arg(index);
}

/** The caption a value label starts with: the start acid's exponent of its bar. */
QString startCaption(int index) {
    return pKaText(model::kStartExponents[static_cast<std::size_t>(index - 1)]);
}

WindowDesign makeDesign() {
    using enum ControlKind;
    WindowDesign w{
        .name = u"pHH"_s,
        .caption =
            QStringLiteral("%1  %2").arg(QString::fromLatin1(kName), QString::fromLatin1(kVersion)),
        .clientWidth = 11355,
        .clientHeight = 5430,
        .outerWidthPx = kMainOuterWidthPx,
        .outerHeightPx = kMainOuterHeightPx,
        .background = kWindowGrey,
        .font = {u"System"_s, 9.75, true},
        .icon = picture(resources::mainIcon),
        .minimizeButton = true,
    };
    // The bars stand 480 twips apart right of the plot box, each with its digit above it and its
    // value label below it; the outer two value labels are narrower than the inner two.
    // clang-format off
    w.controls = {
        {.name = u"Pict_pole"_s, .kind = PictureBox, .left = 60, .top = 60, .width = 7425, .height = 5250, .tabIndex = 2, .font = FontDesign{u"Arial"_s, 9.75, true}},
        {.name = u"Comm_theory"_s, .kind = CommandButton, .left = 9480, .top = 120, .width = 1815, .height = 495, .tabIndex = 3, .toolTip = QCoreApplication::translate("velmora::ui::MainWindow", " Theory of polyprotic acids from Wikipedia "), .background = kWindowGrey, .picture = picture(resources::theoryButton), .pictureSize = kCommandPicture},
        {.name = u"Comm_about"_s, .kind = CommandButton, .left = 9480, .top = 720, .width = 1815, .height = 495, .tabIndex = 1, .toolTip = QCoreApplication::translate("velmora::ui::MainWindow", " About this program "), .background = kWindowGrey, .picture = picture(resources::aboutButton), .pictureSize = kCommandPicture},
        {.name = u"Comm_exit"_s, .kind = CommandButton, .left = 9480, .top = 1320, .width = 1815, .height = 495, .tabIndex = 0, .toolTip = QCoreApplication::translate("velmora::ui::MainWindow", " Do you really want to exit? "), .background = kWindowGrey, .picture = picture(resources::exitButton), .pictureSize = kCommandPicture},
        {.name = u"Frame2"_s, .kind = Frame, .left = 9480, .top = 1800, .width = 1815, .height = 735, .tabIndex = 21, .background = kWindowGrey},
        {.name = u"Frame1"_s, .kind = Frame, .left = 9480, .top = 2640, .width = 1815, .height = 2715, .tabIndex = 16, .caption = QCoreApplication::translate("velmora::ui::MainWindow", "Type of acid"), .background = kPaleYellow},
        {.name = u"Option1"_s, .index = 1, .kind = OptionButton, .frame = u"Frame1"_s, .left = 120, .top = 300, .width = 1575, .height = 495, .tabIndex = 17, .background = kWindowGrey, .picture = picture(resources::acidHA), .pictureSize = kAcidPicture},
        {.name = u"Option1"_s, .index = 2, .kind = OptionButton, .frame = u"Frame1"_s, .left = 120, .top = 900, .width = 1575, .height = 495, .tabIndex = 18, .background = kWindowGrey, .picture = picture(resources::acidH2A), .pictureSize = kAcidPicture},
        {.name = u"Option1"_s, .index = 3, .kind = OptionButton, .frame = u"Frame1"_s, .left = 120, .top = 1500, .width = 1575, .height = 495, .tabIndex = 19, .background = kWindowGrey, .picture = picture(resources::acidH3A), .pictureSize = kAcidPicture},
        {.name = u"Option1"_s, .index = 4, .kind = OptionButton, .frame = u"Frame1"_s, .left = 120, .top = 2100, .width = 1575, .height = 495, .tabIndex = 20, .background = kWindowGrey, .picture = picture(resources::acidH4A), .pictureSize = kAcidPicture},
        {.name = u"VScroll1"_s, .index = 1, .kind = ScrollBar, .left = 7560, .top = 360, .width = 375, .height = 4575, .tabIndex = 4},
        {.name = u"VScroll1"_s, .index = 2, .kind = ScrollBar, .left = 8040, .top = 360, .width = 375, .height = 4575, .tabIndex = 5},
        {.name = u"VScroll1"_s, .index = 3, .kind = ScrollBar, .left = 8520, .top = 360, .width = 375, .height = 4575, .tabIndex = 6},
        {.name = u"VScroll1"_s, .index = 4, .kind = ScrollBar, .left = 9000, .top = 360, .width = 375, .height = 4575, .tabIndex = 7},
        {.name = u"Label1"_s, .index = 0, .kind = Label, .left = 7560, .top = 60, .width = 375, .height = 255, .tabIndex = 8, .caption = u"1"_s, .background = kDigitGrey, .foreground = kBlack, .alignment = kCentred},
        {.name = u"Label1"_s, .index = 1, .kind = Label, .left = 8040, .top = 60, .width = 375, .height = 255, .tabIndex = 9, .caption = u"2"_s, .background = kDigitGrey, .foreground = kBlack, .alignment = kCentred},
        {.name = u"Label1"_s, .index = 2, .kind = Label, .left = 8520, .top = 60, .width = 375, .height = 255, .tabIndex = 10, .caption = u"3"_s, .background = kDigitGrey, .foreground = kBlack, .alignment = kCentred},
        {.name = u"Label1"_s, .index = 3, .kind = Label, .left = 9000, .top = 60, .width = 375, .height = 255, .tabIndex = 11, .caption = u"4"_s, .background = kDigitGrey, .foreground = kBlack, .alignment = kCentred},
        {.name = u"Lab_pKa"_s, .index = 1, .kind = Label, .left = 7560, .top = 5040, .width = 435, .height = 255, .tabIndex = 12, .caption = startCaption(1), .toolTip = valueToolTip(1), .background = kPaleYellow, .foreground = kBlack, .alignment = kCentred},
        {.name = u"Lab_pKa"_s, .index = 2, .kind = Label, .left = 7980, .top = 5040, .width = 495, .height = 255, .tabIndex = 13, .caption = startCaption(2), .toolTip = valueToolTip(2), .background = kPaleYellow, .foreground = kBlack, .alignment = kCentred},
        {.name = u"Lab_pKa"_s, .index = 3, .kind = Label, .left = 8460, .top = 5040, .width = 495, .height = 255, .tabIndex = 14, .caption = startCaption(3), .toolTip = valueToolTip(3), .background = kPaleYellow, .foreground = kBlack, .alignment = kCentred},
        {.name = u"Lab_pKa"_s, .index = 4, .kind = Label, .left = 8940, .top = 5040, .width = 435, .height = 255, .tabIndex = 15, .caption = startCaption(4), .toolTip = valueToolTip(4), .background = kPaleYellow, .foreground = kBlack, .alignment = kCentred},
    };
    // clang-format on
    return w;
}

} // namespace

const WindowDesign& mainWindowDesign() {
    static const WindowDesign design = makeDesign();
    return design;
}

} // namespace velmora::ui
