// A save of the four settings is checked: a write the system refuses, or one it
// reports done that the file does not hold, makes the save a failure that names
// the file and the system's reason; a save the file holds is no failure.
#include "settings/settings_save.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <string>

#include "settings/color_setting.h"
#include "settings/setting_names.h"
#include "tests/support/fake_profile_file.h"
#include "wine_temp_folder.h"

namespace lumivane {
namespace {

using Fate = FakeProfileFile::Fate;

// The close's four writes, in its order.
std::optional<SaveFailure> SaveAndCheck(std::u16string_view face, std::u16string_view file) {
    SettingsSave save;
    for (int i = 0; i < 3; ++i) save.Write(kColorKeys[i], ColorToSetting(kDefaultColors[i]), file);
    save.Write(kFaceKey, face, file);
    return save.Check();
}

struct FateRow {
    const char* what;
    const wchar_t* key;  // null: every write is stored
    Fate fate;
    DWORD error;
    const wchar_t* alsoKey;  // a second key with its own fate, or null
    Fate alsoFate;
    bool fails;
    DWORD reported;
};

const FateRow kFates[] = {
    {"every write stored", nullptr, Fate::Stored, 0, nullptr, Fate::Stored, false, 0},
    {"the face refused, disk full", L"FONT FACE", Fate::Refused, ERROR_DISK_FULL, nullptr,
     Fate::Stored, true, ERROR_DISK_FULL},
    {"the first colour refused, access denied", L"COLORS1", Fate::Refused, ERROR_ACCESS_DENIED,
     nullptr, Fate::Stored, true, ERROR_ACCESS_DENIED},
    {"refused without a reason", L"COLORS3", Fate::Refused, 0, nullptr, Fate::Stored, true, 0},
    {"a colour reported done, nothing stored", L"COLORS2", Fate::Lost, 0, nullptr, Fate::Stored,
     true, 0},
    {"the face reported done, another stored", L"FONT FACE", Fate::Changed, 0, nullptr,
     Fate::Stored, true, 0},
    {"a refusal is told before a lost write", L"COLORS1", Fate::Lost, 0, L"FONT FACE",
     Fate::Refused, true, ERROR_WRITE_PROTECT},
};

TEST(SettingsSaveCheck, RefusedOrLostWriteMakesTheSaveFailWithTheSystemsReason) {
    const std::u16string file = u"C:\\Program Files\\Lumivane\\Saved Info.dll";
    for (const FateRow& row : kFates) {
        SCOPED_TRACE(row.what);
        FakeProfileFile profile;
        if (row.key) profile.Make(row.key, row.fate, row.error);
        if (row.alsoKey) profile.Make(row.alsoKey, row.alsoFate, ERROR_WRITE_PROTECT);
        UsingProfileFile using_(profile);
        const std::optional<SaveFailure> failure = SaveAndCheck(u"Arial", file);
        EXPECT_EQ(profile.Writes(), 4);  // a failure does not stop the other writes
        ASSERT_EQ(failure.has_value(), row.fails);
        if (!failure) continue;
        EXPECT_EQ(failure->file, file);
        EXPECT_EQ(failure->error, row.reported);
    }
}

// Faces the system gives back otherwise than written (blanks and quotes around
// them dropped, cut at 749 characters, characters outside the code page
// replaced) are saved all the same.
TEST(SettingsSaveFile, FacesTheFileKeepsAsTheSystemReadsThemAreSaved) {
    TempFolder folder;
    const std::u16string file = folder.File(L"Saved Info.dll");
    const std::u16string faces[] = {u"Arial",
                                    u"",
                                    u"  Comic Sans MS ",
                                    u"\"Impact\"",
                                    u"' Verdana '",
                                    u"Ari\r\nal\n",
                                    u"\u65e5\u672c Gothic",
                                    std::u16string(3000, u'f'),
                                    std::u16string(748, u'f') + u" x"};
    for (const std::u16string& face : faces) {
        SCOPED_TRACE(
            std::string(face.begin(), face.begin() + (face.size() < 40 ? face.size() : 40)));
        const std::optional<SaveFailure> failure = SaveAndCheck(face, file);
        EXPECT_FALSE(failure.has_value()) << (failure ? failure->error : 0);
    }
}

enum class Place { FolderInTheWay, MissingFolder, PathTooLong };

// The current folder is `folder` for as long as this lives.
class InFolder {
public:
    explicit InFolder(const std::wstring& folder) {
        GetCurrentDirectoryW(static_cast<DWORD>(std::size(former_)), former_);
        SetCurrentDirectoryW(folder.c_str());
    }
    ~InFolder() { SetCurrentDirectoryW(former_); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

private:
    wchar_t former_[MAX_PATH + 1] = {};
};

// The file's path in a folder of 275 characters, beyond MAX_PATH. Wine measured:
// a write there is refused with ERROR_PATH_NOT_FOUND or, now and then, reported
// done, which only the read-back finds out: the value then went to a file of a
// garbled name in the current folder.
std::wstring FolderWithALongPath(const std::wstring& parent) {
    const std::size_t length = 290 - std::wstring(L"\\Saved Info.dll").size();
    std::wstring folder = parent + L"\\";
    folder.append(length - folder.size(), L'd');
    return folder;
}

// Wine measured: a folder in the file's place is refused with ERROR_ACCESS_DENIED,
// a missing folder with ERROR_PATH_NOT_FOUND.
TEST(SettingsSaveFile, PlaceNoWriteCanReachFailsAndNamesTheFile) {
    const struct {
        const char* what;
        Place place;
    } rows[] = {
        {"a path too long", Place::PathTooLong},
        {"a folder in the file's place", Place::FolderInTheWay},
        {"a folder that does not exist", Place::MissingFolder},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        TempFolder temp;
        const InFolder strayFilesGoHere(temp.Path());
        std::wstring folder = temp.Path();
        if (row.place == Place::MissingFolder) folder += L"\\no such folder";
        if (row.place == Place::PathTooLong) {
            folder = FolderWithALongPath(temp.Path());
            ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        }
        const std::u16string file = Utf16(folder + L"\\Saved Info.dll");
        if (row.place == Place::FolderInTheWay) {
            ASSERT_TRUE(CreateDirectoryW(Wide(file).c_str(), nullptr));
        }
        const std::optional<SaveFailure> failure = SaveAndCheck(u"Arial", file);
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->file, file);
        if (row.place == Place::FolderInTheWay) {
            EXPECT_NE(failure->error, 0u);
            EXPECT_TRUE(GetFileAttributesW(Wide(file).c_str()) & FILE_ATTRIBUTE_DIRECTORY);
        }
    }
}

}  // namespace
}  // namespace lumivane
