#include "settings/settings_path.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/narrow.h"

namespace lumivane {
namespace {

struct FolderRow {
    std::u16string_view programPath;
    std::u16string_view folder;
};

constexpr FolderRow kFolders[] = {
    {u"C:\\Program Files\\Lumivane\\lumivane.exe", u"C:\\Program Files\\Lumivane"},
    {u"C:\\lumivane.exe", u"C:\\"},
    {u"Z:\\work\\a\\b\\tests.exe", u"Z:\\work\\a\\b"},
    {u"\\\\server\\share\\lumivane.exe", u"\\\\server\\share"},
    {u"\\\\?\\C:\\lumivane.exe", u"\\\\?\\C:\\"},
    {u"\\\\?\\C:\\deep\\lumivane.exe", u"\\\\?\\C:\\deep"},
    {u"C:\\dir.with.dots\\x", u"C:\\dir.with.dots"},
    {u"lumivane.exe", u""},
    {u"", u""},
};

TEST(ProgramFolderOf, CutsTheFileNameAndKeepsADriveRoot) {
    for (const FolderRow& row : kFolders)
        EXPECT_EQ(ProgramFolderOf(row.programPath), row.folder) << Narrow(row.programPath);
}

struct PathRow {
    std::u16string_view folder;
    std::u16string_view path;
};

// The folder text is used unchanged: nothing added, removed or tested for.
constexpr PathRow kPaths[] = {
    {u"C:\\Program Files\\Lumivane", u"C:\\Program Files\\Lumivane\\Saved Info.dll"},
    {u"C:\\", u"C:\\\\Saved Info.dll"},
    {u"D:\\tools\\", u"D:\\tools\\\\Saved Info.dll"},
    {u"C:/mixed/", u"C:/mixed/\\Saved Info.dll"},
    {u"", u"\\Saved Info.dll"},
    {u" C:\\space ", u" C:\\space \\Saved Info.dll"},
};

TEST(SettingsFileIn, AppendsTheFileNameToTheFolderUnchanged) {
    for (const PathRow& row : kPaths)
        EXPECT_EQ(SettingsFileIn(row.folder), row.path) << Narrow(row.folder);
}

TEST(SettingsFileIn, ARootFolderGivesTwoBackslashesInARow) {
    EXPECT_EQ(SettingsFileIn(ProgramFolderOf(u"C:\\lumivane.exe")), u"C:\\\\Saved Info.dll");
    EXPECT_EQ(SettingsFileIn(ProgramFolderOf(u"C:\\Apps\\lumivane.exe")),
              u"C:\\Apps\\Saved Info.dll");
}

}  // namespace
}  // namespace lumivane
