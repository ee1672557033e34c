// A settings file in memory for the store to go through in place of the system's
// profile-file services; a write of any key can be refused, lost or changed, as
// a system can refuse a write, or report one done that stored nothing.
#pragma once

#include <windows.h>

#include <cwctype>
#include <map>
#include <string>

#include "settings/profile_file.h"

namespace lumivane {

class FakeProfileFile : public ProfileFile {
public:
    enum class Fate {
        Stored,   // the value is stored
        Refused,  // the write fails with the error given
        Lost,     // the write reports success and stores nothing
        Changed,  // the write reports success and stores another value
    };

    // How the writes of `key` (any letter case) fare from now on; by default
    // every write is stored.
    void Make(const std::wstring& key, Fate fate, DWORD error = 0) {
        fates_[Folded(key)] = {fate, error};
    }

    int Writes() const { return writes_; }

    DWORD GetString(LPCWSTR, LPCWSTR key, LPCWSTR fallback, LPWSTR buffer, DWORD size,
                    LPCWSTR) override {
        const auto found = values_.find(Folded(key));
        const std::wstring value = found != values_.end() ? found->second : fallback;
        const std::size_t length = size == 0 ? 0 : value.size() < size ? value.size() : size - 1;
        value.copy(buffer, length);
        if (size != 0) buffer[length] = L'\0';
        return static_cast<DWORD>(length);
    }

    BOOL WriteString(LPCWSTR, LPCWSTR key, LPCWSTR value, LPCWSTR) override {
        ++writes_;
        const FateOf fate = fates_[Folded(key)];
        switch (fate.fate) {
        case Fate::Refused: SetLastError(fate.error); return FALSE;
        case Fate::Lost: return TRUE;
        case Fate::Changed: values_[Folded(key)] = std::wstring(value) + L"0"; return TRUE;
        case Fate::Stored: values_[Folded(key)] = value; return TRUE;
        }
        return FALSE;
    }

private:
    struct FateOf {
        Fate fate = Fate::Stored;
        DWORD error = 0;
    };

    static std::wstring Folded(const std::wstring& key) {
        std::wstring folded = key;
        for (wchar_t& c : folded) c = static_cast<wchar_t>(std::towlower(c));
        return folded;
    }

    std::map<std::wstring, std::wstring> values_;
    std::map<std::wstring, FateOf> fates_;
    int writes_ = 0;
};

// The settings store goes through `file` for as long as this lives.
class UsingProfileFile {
public:
    explicit UsingProfileFile(ProfileFile& file) { UseProfileFile(&file); }
    ~UsingProfileFile() { UseProfileFile(nullptr); }
    UsingProfileFile(const UsingProfileFile&) = delete;
    UsingProfileFile& operator=(const UsingProfileFile&) = delete;
};

}  // namespace lumivane
