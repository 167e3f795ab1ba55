// SPDX-License-Identifier: GPL-3.0-or-later
// Typesets arbitrary names of any length on a real surface.
#include "diagram/surface.h"
#include "diagram/typesetformula.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QGuiApplication& application() {
    static int argc = 1;
    static char name[] = "fuzz_typesetformula";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QGuiApplication app(argc, argv);
    return app;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    application();
    static QImage image(495, 350, QImage::Format_RGB32);
    const QString name =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QPainter painter(&image);
    velmora::diagram::Surface surface;
    surface.begin(painter);
    surface.setCurrentX(20.0f);
    surface.setCurrentY(100.0f);
    velmora::diagram::typesetFormula(surface, name);
    surface.end();
    // The pen never moves left, and its row stays within one script offset of the base row.
    if (surface.currentX() < 20.0f || surface.currentY() < 95.0f || surface.currentY() > 105.0f) {
        __builtin_trap();
    }
    return 0;
}
