// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaleform.h"

#include "form.h"

#include <array>
#include <utility>

namespace velmora::ui {

void scaleform(Form& form, int outerWidthPx, int outerHeightPx) {
    const ScreenDensity density = form.density();
    const float kx = density.twipsPerPixelX / kDesignTwipsPerPixel;
    const float ky = density.twipsPerPixelY / kDesignTwipsPerPixel;

    form.outerWidth = static_cast<float>(outerWidthPx) * density.twipsPerPixelX;
    form.outerHeight = static_cast<float>(outerHeightPx) * density.twipsPerPixelY;

    const std::array<std::pair<Property, float>, 5> steps{{
        {Property::Left, kx},
        {Property::Width, kx},
        {Property::Top, ky},
        {Property::Height, ky},
        {Property::FontSize, kx},
    }};
    for (Control& control : form.controls()) {
        for (const auto& [property, factor] : steps) {
            float value = 0.0f;
            if (readProperty(control, property, value)) {
                writeProperty(control, property, value * factor);
            }
        }
    }
    form.apply();
}

} // namespace velmora::ui
