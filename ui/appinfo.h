// Who the program says it is, to the desktop and to the user.
#pragma once

namespace mensaro {

inline constexpr char kApplicationName[] = "Mensaro";
inline constexpr char kInternalName[] = "Tavrix";
inline constexpr char kApplicationVersion[] = "1.00";
inline constexpr char kApplicationDescription[] = "Convertions between various units";
// One reverse-domain name for the desktop entry, metainfo and icon.
inline constexpr char kApplicationId[] = "org.mensaro.Mensaro";

// Sets name, version and description on the running application.
void SetApplicationIdentity();

}  // namespace mensaro
