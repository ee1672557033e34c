// A fresh folder under the system's temporary folder for one test, removed with
// everything in it when the test ends.
#pragma once

#include <windows.h>

#include <iterator>
#include <string>
#include <string_view>

#include "tests/support/remove_tree.h"

namespace lumivane {

inline std::u16string Utf16(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
}

inline std::wstring Wide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

class TempFolder {
public:
    TempFolder() {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(static_cast<DWORD>(std::size(temp)), temp);
        static unsigned counter = 0;
        for (;;) {
            path_ = std::wstring(temp) + L"lumivane-settings-" +
                    std::to_wstring(GetCurrentProcessId()) + L"-" +
                    std::to_wstring(GetTickCount()) + L"-" + std::to_wstring(++counter);
            if (CreateDirectoryW(path_.c_str(), nullptr)) break;
        }
    }
    ~TempFolder() { RemoveFolderTree(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::u16string File(std::wstring_view name) const {
        return Utf16(path_ + L"\\" + std::wstring(name));
    }

private:
    std::wstring path_;
};

inline std::string ReadBytes(std::u16string_view file) {
    std::string bytes;
    const HANDLE handle = CreateFileW(Wide(file).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return bytes;
    char chunk[65536];
    DWORD got = 0;
    while (ReadFile(handle, chunk, static_cast<DWORD>(std::size(chunk)), &got, nullptr) && got > 0)
        bytes.append(chunk, got);
    CloseHandle(handle);
    return bytes;
}

inline bool WriteBytes(std::u16string_view file, std::string_view bytes) {
    const HANDLE handle = CreateFileW(Wide(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok =
        WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    CloseHandle(handle);
    return ok;
}

inline bool Exists(std::u16string_view file) {
    return GetFileAttributesW(Wide(file).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace lumivane
