// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"

#include "etchedframe.h"
#include "svgicon.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace velmora::ui {

namespace {

/**
 * The box of an auto-sized label. A wrapped label keeps its width and its height follows the
 * text. A one-line label is fitted to its text and keeps its designed left edge (the centre of a
 * centred label, the right edge of a right-aligned one), moved back inside its container when a
 * text longer than the designed one would run past the container's edge.
 */
QRect fittedToText(const QLabel& label, const QRect& box, bool wordWrap) {
    if (wordWrap) {
        return {box.topLeft(), QSize(box.width(), label.heightForWidth(box.width()))};
    }
    const QSize text = label.sizeHint();
    int left = box.left();
    if (label.alignment() & Qt::AlignHCenter) {
        left += (box.width() - text.width()) / 2;
    } else if (label.alignment() & Qt::AlignRight) {
        left += box.width() - text.width();
    }
    if (const QWidget* container = label.parentWidget(); container != nullptr) {
        left = std::max(0, std::min(left, container->contentsRect().right() + 1 - text.width()));
    }
    return {QPoint(left, box.top()), text};
}

/** The field of a control that holds `property`, or nullptr when it has no such property. */
template <class C> auto* propertyField(C& control, Property property) {
    decltype(&control.left) none = nullptr;
    switch (property) {
    case Property::Left:
        return &control.left;
    case Property::Width:
        return &control.width;
    case Property::Top:
        return &control.top;
    case Property::Height:
        return &control.height;
    case Property::FontSize:
        return control.fontSize ? &*control.fontSize : none;
    }
    return none;
}

} // namespace

bool readProperty(const Control& control, Property property, float& value) {
    const float* field = propertyField(control, property);
    if (field == nullptr) {
        return false;
    }
    value = *field;
    return true;
}

bool writeProperty(Control& control, Property property, float value) {
    float* field = propertyField(control, property);
    if (field == nullptr) {
        return false;
    }
    *field = value;
    return true;
}

/** The window icons' designed size (the pictures' table gives 32 x 32 for both windows). */
constexpr QSize kWindowIconSize{32, 32};

namespace {

/**
 * The font of a design, with a sans face of the same size and weight where the face is not
 * installed.
 */
QFont designFont(const FontDesign& design, bool faceInstalled) {
    QFont font;
    if (faceInstalled) {
        font.setFamily(design.face);
    } else {
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                          QStringLiteral("Sans Serif")});
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    return font;
}

} // namespace

Form::Form(QWidget& window, const WindowDesign& design, ScreenDensity density,
           const Factory& factory)
    : m_window(&window), m_design(design), m_density(density) {
    setUpWindow();
    m_controls.reserve(m_design.controls.size());
    for (const ControlDesign& control : m_design.controls) {
        QWidget* parent = m_window;
        if (!control.frame.isEmpty()) {
            if (QWidget* frame = widget(control.frame)) {
                parent = frame;
            }
        }
        QWidget* w = factory ? factory(control, parent) : nullptr;
        if (w == nullptr) {
            w = create(control, parent);
        }
        w->setObjectName(control.index >= 0
                             ? QStringLiteral("%1(%2)").arg(control.name).arg(control.index)
                             : control.name);
        if (!control.toolTip.isEmpty()) {
            w->setToolTip(control.toolTip);
        }
        if (control.background || control.foreground) {
            QPalette palette = w->palette();
            if (control.background) {
                palette.setColor(QPalette::Window, *control.background);
                palette.setColor(QPalette::Button, *control.background);
                w->setAutoFillBackground(true);
            }
            if (control.foreground) {
                palette.setColor(QPalette::Active, QPalette::WindowText, *control.foreground);
                palette.setColor(QPalette::Inactive, QPalette::WindowText, *control.foreground);
                palette.setColor(QPalette::Active, QPalette::ButtonText, *control.foreground);
                palette.setColor(QPalette::Inactive, QPalette::ButtonText, *control.foreground);
            }
            w->setPalette(palette);
        }
        Control live;
        live.design = &control;
        live.widget = w;
        live.left = static_cast<float>(control.left);
        live.top = static_cast<float>(control.top);
        live.width = static_cast<float>(control.width);
        live.height = static_cast<float>(control.height);
        if (control.kind != ControlKind::ScrollBar) {
            live.fontSize =
                static_cast<float>(control.font ? control.font->points : m_design.font.points);
        }
        m_controls.push_back(live);
    }
    outerWidth = static_cast<float>(m_design.outerWidthPx) * kDesignTwipsPerPixel;
    outerHeight = static_cast<float>(m_design.outerHeightPx) * kDesignTwipsPerPixel;
    setUpTabOrder();
    apply();
}

void Form::setUpWindow() {
    m_window->setWindowTitle(m_design.caption);
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (m_design.minimizeButton) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    m_window->setWindowFlags(flags);
    QPalette palette = m_window->palette();
    palette.setColor(QPalette::Window, m_design.background);
    palette.setColor(QPalette::Button, m_design.background);
    m_window->setPalette(palette);
    m_window->setAutoFillBackground(true);
    m_window->setFont(designFont(m_design.font, hasFace(m_design.font.face)));
    if (!m_design.icon.isEmpty()) {
        m_window->setWindowIcon(
            svgWindowIcon(m_design.icon, kWindowIconSize, m_window->devicePixelRatioF()));
    }
    // The client area keeps its designed pixel size at every density, as the outer size that the
    // scaling step sets does; the window manager adds its decorations.
    m_window->setFixedSize(
        qRound(static_cast<float>(m_design.clientWidth) / kDesignTwipsPerPixel),
        qRound(static_cast<float>(m_design.clientHeight) / kDesignTwipsPerPixel));
}

QFont Form::fontOf(const ControlDesign& control) const {
    const FontDesign& font = control.font ? *control.font : m_design.font;
    return designFont(font, hasFace(font.face));
}

bool Form::hasFace(const QString& face) const {
    const auto known = m_faces.constFind(face);
    if (known != m_faces.cend()) {
        return *known;
    }
    return *m_faces.insert(face, QFontDatabase::hasFamily(face));
}

QWidget* Form::create(const ControlDesign& control, QWidget* parent) const {
    switch (control.kind) {
    case ControlKind::PictureBox: {
        auto* label = new QLabel(parent);
        if (!control.picture.isEmpty()) {
            const QSize size = control.pictureSize.isValid() ? control.pictureSize : QSize(32, 32);
            label->setPixmap(svgIcon(control.picture).pixmap(size, label->devicePixelRatioF()));
        }
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(parent);
        if (!control.picture.isEmpty()) {
            button->setIcon(svgIcon(control.picture));
        } else {
            button->setText(control.caption);
        }
        return button;
    }
    case ControlKind::OptionButton: {
        auto* button = new QToolButton(parent);
        button->setCheckable(true);
        button->setAutoExclusive(false);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        if (!control.picture.isEmpty()) {
            button->setIcon(svgIcon(control.picture));
        }
        return button;
    }
    case ControlKind::Frame:
        return new EtchedFrame(control.caption, parent);
    case ControlKind::ScrollBar:
        return new QScrollBar(Qt::Vertical, parent);
    case ControlKind::Label: {
        auto* label = new QLabel(control.caption, parent);
        label->setAlignment(control.alignment);
        label->setWordWrap(control.wordWrap);
        return label;
    }
    }
    return new QWidget(parent);
}

void Form::setUpTabOrder() {
    std::vector<const Control*> order;
    for (const Control& c : m_controls) {
        order.push_back(&c);
    }
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->design->tabIndex < b->design->tabIndex;
    });
    QWidget* previous = nullptr;
    for (const Control* c : order) {
        if (c->widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, c->widget);
        }
        previous = c->widget;
    }
}

void Form::centreOnScreen(const QScreen* screen) const {
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    const QSize outer(qRound(outerWidth / m_density.twipsPerPixelX),
                      qRound(outerHeight / m_density.twipsPerPixelY));
    const QRect area = screen->availableGeometry();
    m_window->move(area.x() + std::max(0, (area.width() - outer.width()) / 2),
                   area.y() + std::max(0, (area.height() - outer.height()) / 2));
}

void Form::focusFirst() {
    const Control* first = nullptr;
    for (const Control& c : m_controls) {
        if (c.widget->focusPolicy() != Qt::NoFocus && c.widget->isEnabled() &&
            (first == nullptr || c.design->tabIndex < first->design->tabIndex)) {
            first = &c;
        }
    }
    if (first != nullptr) {
        first->widget->setFocus(Qt::OtherFocusReason);
    }
}

void Form::apply() {
    const float tx = m_density.twipsPerPixelX;
    const float ty = m_density.twipsPerPixelY;
    for (Control& c : m_controls) {
        // The toolkit rounds a position or size to whole pixels when it stores it.
        const QRect geometry(static_cast<int>(std::lround(c.left / tx)),
                             static_cast<int>(std::lround(c.top / ty)),
                             static_cast<int>(std::lround(c.width / tx)),
                             static_cast<int>(std::lround(c.height / ty)));
        c.widget->setGeometry(geometry);
        if (c.fontSize) {
            QFont font = fontOf(*c.design);
            font.setPointSizeF(static_cast<double>(*c.fontSize));
            c.widget->setFont(font);
        }
        if (auto* label = qobject_cast<QLabel*>(c.widget.data());
            label != nullptr && c.design->autoSize) {
            label->setGeometry(fittedToText(*label, geometry, c.design->wordWrap));
        }
        // Pictures keep their own pixel size whatever the density.
        if (auto* button = qobject_cast<QAbstractButton*>(c.widget.data());
            button != nullptr && c.design->pictureSize.isValid()) {
            button->setIconSize(c.design->pictureSize);
        }
    }
}

const Control* Form::find(QStringView name, int index) const {
    for (const Control& c : m_controls) {
        if (c.design->name == name && c.design->index == index) {
            return &c;
        }
    }
    return nullptr;
}

QWidget* Form::widget(QStringView name, int index) const {
    const Control* c = find(name, index);
    return c != nullptr ? c->widget.data() : nullptr;
}

namespace {

QString controlName(QStringView name, int index) {
    return index >= 0 ? QStringLiteral("%1(%2)").arg(name).arg(index) : name.toString();
}

} // namespace

QWidget* Form::required(QStringView name, int index) const {
    QWidget* w = widget(name, index);
    if (w == nullptr) {
        throw std::logic_error(QStringLiteral("the design of %1 has no control %2")
                                   .arg(m_design.name, controlName(name, index))
                                   .toStdString());
    }
    return w;
}

void Form::throwWrongType(QStringView name, int index, const char* type) const {
    throw std::logic_error(
        QStringLiteral("the control %1 of %2 is no %3")
            .arg(controlName(name, index), m_design.name, QString::fromLatin1(type))
            .toStdString());
}

} // namespace velmora::ui
