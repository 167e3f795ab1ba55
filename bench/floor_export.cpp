// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for the start-up benchmark: the smallest Qt program that starts on the offscreen
// platform and saves a blank 495 x 350 PNG. `velmora --export` is compared against it.

#include <QGuiApplication>
#include <QImage>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QGuiApplication app(argc, argv);
    QImage image(495, 350, QImage::Format_RGB32);
    image.fill(Qt::white);
    return argc > 1 && image.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
