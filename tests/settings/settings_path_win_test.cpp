#include "settings/settings_path.h"

#include <gtest/gtest.h>

#include "settings/ini_store.h"
#include "settings/setting_names.h"
#include "wine_temp_folder.h"

namespace lumivane {
namespace {

// The test program's own folder, asked of the system another way than the
// settings store asks it.
std::wstring ExeFolder() {
    wchar_t path[32768] = {};
    DWORD size = static_cast<DWORD>(std::size(path));
    if (!QueryFullProcessImageNameW(GetCurrentProcess(), 0, path, &size)) return {};
    std::wstring folder(path, size);
    folder.erase(folder.rfind(L'\\'));
    return folder;
}

TEST(SettingsFilePath, IsSavedInfoInTheProgramFolder) {
    const std::wstring folder = ExeFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(SettingsFilePath(), Utf16(folder + L"\\Saved Info.dll"));
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(SettingsFilePath, IsComposedAnewAndStable) {
    const std::u16string first = SettingsFilePath();
    const std::u16string_view suffix = u"\\Saved Info.dll";
    ASSERT_GT(first.size(), suffix.size());
    EXPECT_EQ(std::u16string_view(first).substr(first.size() - suffix.size()), suffix);
    EXPECT_NE(first[first.size() - suffix.size() - 1], u'\\');
    EXPECT_EQ(SettingsFilePath(), first);
}

}  // namespace
}  // namespace lumivane
