// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for start-up: the least a Qt Widgets window of this shape costs.
// One fixed-size QWidget, one QLabel, three short QListWidgets; nothing else.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(374, 295);
    auto* label = new QLabel(QStringLiteral("Select Type"), &window);
    label->setGeometry(5, 4, 73, 16);
    for (int i = 0; i < 3; ++i) {
        auto* list = new QListWidget(&window);
        list->setGeometry(5 + 124 * i, 24, 117, 146);
        list->addItems({QStringLiteral("Inch"), QStringLiteral("Feet"), QStringLiteral("Yard")});
    }
    window.show();
    return app.exec();
}
