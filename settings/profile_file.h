// The system's profile-file services that the settings store goes through, behind
// an interface so that a test can stand in a file that refuses a write or loses it.
#pragma once

#include <windows.h>

namespace lumivane {

class ProfileFile {
public:
    virtual ~ProfileFile() = default;

    // As GetPrivateProfileStringW: the value of `key`, or `fallback`, copied into
    // `buffer` of `size` characters and cut to fit; the count of characters copied.
    virtual DWORD GetString(LPCWSTR section, LPCWSTR key, LPCWSTR fallback, LPWSTR buffer,
                            DWORD size, LPCWSTR file) = 0;

    // As WritePrivateProfileStringW: whether the value was stored; when not, the
    // thread's last error says why (or is 0).
    virtual BOOL WriteString(LPCWSTR section, LPCWSTR key, LPCWSTR value, LPCWSTR file) = 0;
};

// The profile-file services the store uses now: the system's, unless a test
// stood in its own.
ProfileFile& CurrentProfileFile();

// Makes the store go through `profile` in place of the system's services; null
// goes back to them. `profile` must outlive its use.
void UseProfileFile(ProfileFile* profile);

}  // namespace lumivane
