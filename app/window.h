// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window lives in a module of its own, which the program loads only when
// a window is wanted: a conversion on the command line never pays for
// loading and relocating the toolkit's libraries.
#pragma once

// The name the program looks the entry up by.
#define MENSARO_WINDOW_ENTRY "MensaroWindowMain"

extern "C" {

// One conversion for the window to show at start: the category (an index
// into kCategoryNames), the list positions of both units in it, and the
// value text, already checked.
struct MensaroStart {
    int category;
    int from;
    int to;
    const char* value;
};

// Opens the window and runs it until it closes; returns the exit status. The
// arguments reach the toolkit, which takes its own options from them. With
// `start`, the window comes up showing that conversion; without, as always.
// `userTime`: the X server time of the user's action that asked for the
// window, or 0.
int MensaroWindowMain(int argc, char* argv[], const MensaroStart* start, unsigned userTime);
}
