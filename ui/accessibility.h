// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader is told about the window, where Qt 6.4's own account
// falls short: the window is a frame, only the widget with the keyboard focus
// is focused (Qt marks each list's current row as focused), and the value
// box answers every text query (Qt's own word lookup never returns).
#pragma once

#include <QAccessible>
#include <QString>

namespace mensaro {

// Registers Mensaro's accessible interfaces with Qt; call once, before the
// window exists. Safe to call again.
void InstallAccessibility();

// A piece of a one-line text, as the screen reader asks for it: the piece of
// kind `boundary` around `offset` (shift 0), or the one before it (-1) or
// after it (+1). Words run to the start of the next word. Offsets outside
// 0..length, and pieces that do not exist, give an empty piece at -1.
struct TextPiece {
    QString text;
    int start = -1;
    int end = -1;
};
TextPiece PieceOfText(const QString& text, int offset, QAccessible::TextBoundaryType boundary, int shift);

}  // namespace mensaro
