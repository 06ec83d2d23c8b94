// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Tells the running application who it is (app/about.h).
#pragma once

namespace mensaro {

// Sets name, version and desktop identity on the running application.
void SetApplicationIdentity();

// The toolkit's own texts (a text box's context menu: Undo, Copy, Paste) in
// the user's language, where the system has Qt's translations installed.
void LoadToolkitTranslations();

}  // namespace mensaro
