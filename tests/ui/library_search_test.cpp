// Libraries loaded by name: before the program restricts the search they can
// come from the program's folder or the current folder; after it, they cannot,
// while system libraries still load.
#include <gtest/gtest.h>

#include <windows.h>

#include <iterator>
#include <string>

#include "tests/support/remove_tree.h"
#include "ui/library_search.h"

namespace lumivane::test {
namespace {

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\'));
}

struct Planted {
    const char* where;
    const wchar_t* name;  // as the program would ask for it
};

// The probe library lies beside the test program; a copy of it under another
// name is put into a fresh current folder.
TEST(LibrarySearch, AfterTheRestrictionNoLibraryComesFromTheProgramOrCurrentFolder) {
    const Planted planted[] = {
        {"program folder", L"lumivane-probe.dll"},
        {"current folder", L"lumivane-probe-here.dll"},
    };
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(static_cast<DWORD>(std::size(temp)), temp);
    const std::wstring current =
        std::wstring(temp) + L"lumivane-dll-" + std::to_wstring(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryW(current.c_str(), nullptr));
    ASSERT_TRUE(CopyFileW((ProgramFolder() + L"\\lumivane-probe.dll").c_str(),
                          (current + L"\\lumivane-probe-here.dll").c_str(), FALSE));
    ASSERT_TRUE(SetCurrentDirectoryW(current.c_str()));

    for (const Planted& p : planted) {
        SCOPED_TRACE(p.where);
        HMODULE before = LoadLibraryW(p.name);
        ASSERT_NE(before, nullptr) << "the probe must load before the restriction";
        FreeLibrary(before);
    }
    ASSERT_TRUE(RestrictLibrarySearch()) << "this system provides SetDefaultDllDirectories";
    for (const Planted& p : planted) {
        SCOPED_TRACE(p.where);
        HMODULE after = LoadLibraryW(p.name);
        EXPECT_EQ(after, nullptr);
        if (after) FreeLibrary(after);
    }
    // What the colour dialog needs still loads by name from the system folder.
    const Planted system[] = {{"colour dialog", L"comdlg32.dll"},
                              {"common controls", L"comctl32.dll"},
                              {"accessibility", L"oleacc.dll"}};
    for (const Planted& p : system) {
        SCOPED_TRACE(p.where);
        HMODULE library = LoadLibraryW(p.name);
        EXPECT_NE(library, nullptr);
        if (library) FreeLibrary(library);
    }
    SetCurrentDirectoryW(ProgramFolder().c_str());
    RemoveFolderTree(current);
}

}  // namespace
}  // namespace lumivane::test
