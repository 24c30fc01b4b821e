#pragma once

// How the desktop knows Velmora. The reverse-DNS id names its desktop entry,
// its icon and its AppStream file (installed from data/); task switchers
// match the window to the entry by it.

namespace velmora {

inline constexpr char kAppId[] = "org.example.Velmora";

// Names the desktop entry and gives every window the application's icon.
void SetDesktopIdentity();

}  // namespace velmora
