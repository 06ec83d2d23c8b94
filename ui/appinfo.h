// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Tells the running application who it is (core/about.h).
#pragma once

namespace mensaro {

// Sets name, version and desktop identity on the running application.
void SetApplicationIdentity();

}  // namespace mensaro
