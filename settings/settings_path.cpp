#include "settings/settings_path.h"

#include <windows.h>

#include <vector>

namespace lumivane {
namespace {

// The full path of the running program. The buffer grows until the path fits,
// so a program deep in a long path is never given a cut folder.
std::u16string ProgramPath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
        if (length == 0) return {};
        if (length < size)
            return std::u16string(reinterpret_cast<const char16_t*>(buffer.data()), length);
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

std::u16string SettingsFilePath() { return SettingsFileIn(ProgramFolderOf(ProgramPath())); }

}  // namespace lumivane
