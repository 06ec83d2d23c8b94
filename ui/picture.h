// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture under the value box. It is drawn when first painted, not when
// the window is built, so it costs the window nothing before it appears, and
// drawn again whenever the screen's device pixel ratio changes, so it stays
// crisp when the window moves to a screen of another scale.
#pragma once

#include <QLabel>

class Picture : public QLabel {
    Q_OBJECT
public:
    explicit Picture(QPixmap (*draw)(qreal devicePixelRatio), QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap (*draw_)(qreal);
};
