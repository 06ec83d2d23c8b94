// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A session that ends, or Ctrl+C in a terminal, asks the program to stop
// with SIGTERM or SIGINT: answer by ending the event loop, so the program
// closes as cleanly as by its Exit button and reports success.
#pragma once

namespace mensaro {

// Call once, after the application object exists.
void QuitOnTerminationSignals();

}  // namespace mensaro
