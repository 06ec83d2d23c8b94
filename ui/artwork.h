// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Mensaro's own pictures, drawn in code so they are crisp at any scale.
#pragma once

#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace mensaro {

// The banner under the value box: 220 x 47 logical pixels, drawn for the
// given device pixel ratio.
QPixmap DrawBanner(qreal devicePixelRatio);

// The banner's tagline in the user's language, its font, and the width it
// has beside the name (logical pixels).
struct BannerLine {
    QString text;
    QFont font;
    qreal room;
};
BannerLine BannerTagline();

// The window icon, at the usual sizes.
QIcon DrawAppIcon();

}  // namespace mensaro
