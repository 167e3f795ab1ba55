// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for the window start-up measurement: a bare Qt widget window of the main window's
// size (757 x 362) with four scroll bars and four buttons and nothing else. The main window's time
// to come on screen is compared against it (bench/window-startup.sh).

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("floor"));
    window.setFixedSize(757, 362);
    for (int i = 0; i < 4; ++i) {
        auto* bar = new QScrollBar(Qt::Vertical, &window);
        bar->setGeometry(510 + 28 * i, 30, 20, 300);
        bar->setRange(10, 130);
        auto* button = new QPushButton(QStringLiteral("Button %1").arg(i + 1), &window);
        button->setGeometry(632, 20 + 45 * i, 121, 33);
    }
    window.show();
    return QApplication::exec();
}
