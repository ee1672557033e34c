#include "settings/settings_path.h"

namespace lumivane {

std::u16string ProgramFolderOf(std::u16string_view programPath) {
    const std::size_t slash = programPath.rfind(u'\\');
    if (slash == std::u16string_view::npos) return {};
    // "C:\lumivane.exe" lies in "C:\", not in "C:", which would name the drive's
    // current folder instead of its root.
    if (slash > 0 && programPath[slash - 1] == u':')
        return std::u16string(programPath.substr(0, slash + 1));
    return std::u16string(programPath.substr(0, slash));
}

std::u16string SettingsFileIn(std::u16string_view folder) {
    std::u16string path(folder);
    path += u"\\Saved Info.dll";
    return path;
}

}  // namespace lumivane
