// SPDX-FileCopyrightText: 2026 The Mensaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Who the program says it is, to the desktop and to the user.
#pragma once

namespace mensaro {

inline constexpr char kApplicationName[] = "Mensaro";
inline constexpr char kInternalName[] = "Tavrix";
inline constexpr char kApplicationVersion[] = "1.00";
// One reverse-domain name for the desktop entry, metainfo and icon.
inline constexpr char kApplicationId[] = "org.mensaro.Mensaro";

// Sets name, version and desktop identity on the running application.
void SetApplicationIdentity();

}  // namespace mensaro
