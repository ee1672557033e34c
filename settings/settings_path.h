// Where the settings file lies: beside the program, as "Saved Info.dll".
#pragma once

#include <string>
#include <string_view>

namespace lumivane {

// The settings file in the running program's folder. Composed anew at every
// call; Windows only.
std::u16string SettingsFilePath();

// The folder of a program path, as the system names it: everything before the
// last backslash, except that a drive's root keeps its backslash ("C:\").
// A path without a backslash has the empty folder.
std::u16string ProgramFolderOf(std::u16string_view programPath);

// The settings file in `folder`: the folder text unchanged, then
// "\Saved Info.dll". A folder ending in a backslash gives two in a row.
std::u16string SettingsFileIn(std::u16string_view folder);

}  // namespace lumivane
