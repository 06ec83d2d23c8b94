// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window lives in a module of its own, which the program loads only when
// a window is wanted: a conversion on the command line never pays for
// loading and relocating the toolkit's libraries.
#pragma once

// The name the program looks the entry up by.
#define MENSARO_WINDOW_ENTRY "MensaroWindowMain"

// Opens the window and runs it until it closes; returns the exit status. The
// arguments reach the toolkit, which takes its own options from them.
extern "C" int MensaroWindowMain(int argc, char* argv[]);
