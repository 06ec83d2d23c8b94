// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The value box: a single-line edit with a flat one-pixel border that reports
// clicks, focus-ins and key-downs to the window, and limits what is typed or
// pasted, but never what the program writes.
#pragma once

#include <QLineEdit>

class ValueBox : public QLineEdit {
    Q_OBJECT
public:
    explicit ValueBox(int maxTypedLength, QWidget* parent = nullptr);

    // Text written by the program: shown whole, whatever its length.
    void writeText(const QString& text);
    // Where the caret is drawn, for screen readers and magnifiers.
    QRect caretRect() const { return cursorRect(); }

Q_SIGNALS:
    // Before the box handles the key itself: the key is never swallowed.
    void keyDown(int key);
    // After the box has placed the caret, so the receiver has the last word.
    void clicked();
    // The user entered the box; not a popup handing the focus back.
    void gotFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    class TypedLengthLimit* limit_ = nullptr;
};
