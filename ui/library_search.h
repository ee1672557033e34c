// Where the system looks for a library that the program, or a system library on
// its behalf (the colour dialog loads several), loads by name.
#pragma once

namespace lumivane {

// Restricts the search to the system folder, so that no library is ever taken
// from the program's folder or the current folder (a downloaded program often
// sits among other downloads). Where this Windows cannot (before Windows 8
// without its security update), the search stays as it was. Whether the
// restriction is in force.
bool RestrictLibrarySearch();

}  // namespace lumivane
