// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Legibility of text on a background, as the WCAG contrast ratio: from 1
// (none) to 21 (black on white); 4.5 is the least for body text.
#pragma once

#include <QColor>

namespace mensaro {

double ContrastRatio(const QColor& a, const QColor& b);

// `preferred` where it reads well enough on `background`, else black or white,
// whichever reads better.
QColor ReadableOn(const QColor& background, const QColor& preferred, double minimumRatio = 4.5);

}  // namespace mensaro
