// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for key to pixels: the least a Qt Widgets program does to show
// something new for a key. A value box and a label; every key the benchmark
// presses puts a new text in the label, as Mensaro's result changes.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

class Echo : public QWidget {
public:
    Echo() {
        setWindowTitle(QStringLiteral("Echo"));
        setFixedSize(374, 295);
        box_->setGeometry(4, 196, 145, 21);
        label_->setGeometry(164, 196, 205, 21);
        box_->installEventFilter(this);
        connect(box_, &QLineEdit::textChanged, label_, &QLabel::setText);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Escape)
                label_->setText(QString::number(++presses_));
        }
        return false;
    }

private:
    QLineEdit* box_ = new QLineEdit(this);
    QLabel* label_ = new QLabel(this);
    int presses_ = 0;
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Echo window;
    window.show();
    window.activateWindow();
    return app.exec();
}
