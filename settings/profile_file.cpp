#include "settings/profile_file.h"

namespace lumivane {
namespace {

class SystemProfileFile : public ProfileFile {
public:
    DWORD GetString(LPCWSTR section, LPCWSTR key, LPCWSTR fallback, LPWSTR buffer, DWORD size,
                    LPCWSTR file) override {
        return GetPrivateProfileStringW(section, key, fallback, buffer, size, file);
    }

    BOOL WriteString(LPCWSTR section, LPCWSTR key, LPCWSTR value, LPCWSTR file) override {
        return WritePrivateProfileStringW(section, key, value, file);
    }
};

SystemProfileFile g_system;
ProfileFile* g_profile = &g_system;

}  // namespace

ProfileFile& CurrentProfileFile() { return *g_profile; }

void UseProfileFile(ProfileFile* profile) { g_profile = profile ? profile : &g_system; }

}  // namespace lumivane
