// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/picture.h"

Picture::Picture(QPixmap (*draw)(qreal), QWidget* parent) : QLabel(parent), draw_(draw) {}

void Picture::paintEvent(QPaintEvent* event) {
    const qreal ratio = devicePixelRatioF();
    if (pixmap().isNull() || pixmap().devicePixelRatio() != ratio) setPixmap(draw_(ratio));
    QLabel::paintEvent(event);
}
