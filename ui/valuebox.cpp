// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/valuebox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QValidator>

// Refuses an edit that would leave the text longer than the limit and longer
// than it was. So a tenth typed character is refused, a paste that would not
// fit is refused whole (never cut), and a longer text the program wrote can
// still be shortened by the user. QLineEdit::setMaxLength cannot do this: it
// also cuts the program's own setText.
class TypedLengthLimit : public QValidator {
public:
    TypedLengthLimit(int limit, QLineEdit* box) : QValidator(box), limit_(limit) {
        connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { allowed_ = text.size(); });
    }

    // The program is about to write a text of this length.
    void allow(qsizetype length) { allowed_ = length; }

    State validate(QString& input, int&) const override {
        return input.size() > limit_ && input.size() > allowed_ ? Invalid : Acceptable;
    }

private:
    int limit_;
    qsizetype allowed_ = 0;
};

ValueBox::ValueBox(int maxTypedLength, QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setTextMargins(3, 1, 3, 1);
    limit_ = new TypedLengthLimit(maxTypedLength, this);
    setValidator(limit_);
    connect(this, &QLineEdit::inputRejected, this, [] { QApplication::beep(); });
}

void ValueBox::writeText(const QString& text) {
    // Validation runs inside setText; a text the limit refused there would
    // leave the box flagged invalid, and its next edit unchecked.
    limit_->allow(text.size());
    setText(text);
}

void ValueBox::keyPressEvent(QKeyEvent* event) {
    Q_EMIT keyDown(event->key());
    QLineEdit::keyPressEvent(event);
}

void ValueBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Q_EMIT clicked();
}

void ValueBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // A closing context menu hands the focus back before its action runs:
    // the user never left, and a Paste must land at the caret.
    if (event->reason() != Qt::PopupFocusReason) Q_EMIT gotFocus();
}

void ValueBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
