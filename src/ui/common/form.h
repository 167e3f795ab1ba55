// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design.h"
#include "screendensity.h"

#include <QHash>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

namespace velmora::ui {

/** The properties the scaling step reads and writes on a control by name. */
enum class Property { Left, Width, Top, Height, FontSize };

/**
 * One live control: its design, its widget and its current geometry in twips and font size in
 * points. Scroll bars have no font, so their FontSize cannot be read or written.
 */
struct Control {
    const ControlDesign* design = nullptr;
    QPointer<QWidget> widget;
    float left = 0.0f;
    float top = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
    std::optional<float> fontSize;
};

/** Reads a property of a control by name; false when the control has no such property. */
bool readProperty(const Control& control, Property property, float& value);
/** Writes a property of a control by name; false when the control has no such property. */
bool writeProperty(Control& control, Property property, float value);

/**
 * A window built from its design. The form creates every control of the design table as a Qt
 * widget (or takes the one a factory supplies), and places it in pixels as its twips divided by
 * the screen's twips per pixel, controls in a frame relative to the frame. Windows wire the
 * widgets to their handlers and hold no layout code of their own.
 */
class Form {
public:
    /** Makes a window's own widget for a control; returns nullptr to get the standard one. */
    using Factory = std::function<QWidget*(const ControlDesign&, QWidget* parent)>;

    Form(QWidget& window, const WindowDesign& design, ScreenDensity density,
         const Factory& factory = {});
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    [[nodiscard]] const WindowDesign& design() const { return m_design; }
    [[nodiscard]] ScreenDensity density() const { return m_density; }
    [[nodiscard]] QWidget& window() const { return *m_window; }

    /** The window's Controls collection, in design order. */
    [[nodiscard]] std::vector<Control>& controls() { return m_controls; }
    [[nodiscard]] const std::vector<Control>& controls() const { return m_controls; }

    /** The control called `name` (with `index` in a control array), or nullptr. */
    [[nodiscard]] const Control* find(QStringView name, int index = -1) const;
    [[nodiscard]] QWidget* widget(QStringView name, int index = -1) const;

    /**
     * The widget of a control the window wires: a name the design does not have, or a widget of
     * another type, is a fault in the program and throws std::logic_error naming the control, so
     * that it shows at start-up rather than as a null pointer later.
     */
    template <class T> [[nodiscard]] T* widgetAs(QStringView name, int index = -1) const {
        auto* typed = qobject_cast<T*>(required(name, index));
        if (typed == nullptr) {
            throwWrongType(name, index, T::staticMetaObject.className());
        }
        return typed;
    }

    /** The window's outer size in twips, as the scaling step last set it. */
    float outerWidth = 0.0f;
    float outerHeight = 0.0f;

    /** Places and sizes every control and sets its font from its current twip values. */
    void apply();

    /**
     * Centres the window on `screen` (the primary screen when null) by the outer size its load
     * gave it, so that the frame is centred before the window manager reports it. On a screen
     * smaller than the window the title bar stays within reach.
     */
    void centreOnScreen(const QScreen* screen = nullptr) const;

    /** Gives the keyboard focus to the first control in tab order that can take it. */
    void focusFirst();

private:
    [[nodiscard]] QWidget* required(QStringView name, int index) const;
    [[noreturn]] void throwWrongType(QStringView name, int index, const char* type) const;
    QWidget* create(const ControlDesign& control, QWidget* parent) const;
    void setUpWindow();
    void setUpTabOrder();
    [[nodiscard]] QFont fontOf(const ControlDesign& control) const;
    /**
     * Whether a font face is installed. The font database answers through fontconfig's
     * substitution rules, slowly: it is asked once per face, not once per control.
     */
    [[nodiscard]] bool hasFace(const QString& face) const;

    QWidget* m_window;
    WindowDesign m_design;
    ScreenDensity m_density;
    std::vector<Control> m_controls;
    mutable QHash<QString, bool> m_faces;
};

} // namespace velmora::ui
