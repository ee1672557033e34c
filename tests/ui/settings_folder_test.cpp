// The settings file beside the program wherever the program lies, and whatever
// the font box holds: the real program against the stand-in chat room.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <windows.h>

#include "ui/form_layout.h"
#include "ui_driver.h"

namespace lumivane::test {
namespace {

// A folder name the Western code page cannot spell: Cyrillic, a check mark, Chinese.
const std::wstring kForeignName =
    L"\u041f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u0430 \u2713 \u8272\u5f69";

std::string SettingsFile(const std::string& colors1, const std::string& colors2,
                         const std::string& colors3, const std::string& face) {
    return "[lumivane]\r\nCOLORS1=" + colors1 + "\r\nCOLORS2=" + colors2 +
           "\r\nCOLORS3=" + colors3 + "\r\nFONT FACE=" + face + "\r\n";
}

struct FolderCase {
    const char* what;
    std::wstring folderName;
    std::string stored;  // empty: no settings file yet
    ColorValue first, second, third;
    std::u16string face;
    std::string saved;  // the file after the close label, with the face set to Impact
};

// Started in the folder, the program announces with what is stored there, and
// the close label writes the file back there in its usual form.
TEST(SettingsFolder, ProgramInAFolderNamedInAnyScriptStartsWithItsSettingsAndSavesThem) {
    const FolderCase cases[] = {
        {"stored settings", kForeignName, SettingsFile("1193046", "-5", "8421504", "Verdana"),
         1193046, -5, 8421504, u"Verdana", SettingsFile("1193046", "-5", "8421504", "Impact")},
        {"a fresh folder", kForeignName, "", kRed, kGreen, kBlue, u"",
         SettingsFile("255", "65280", "16711680", "Impact")},
        {"a folder the code page can spell", L"Caf\u00e9", SettingsFile("1", "2", "3", "Georgia"),
         1, 2, 3, u"Georgia", SettingsFile("1", "2", "3", "Impact")},
    };
    for (const FolderCase& c : cases) {
        SCOPED_TRACE(c.what);
        RunFolder folder(c.folderName);
        ChatRoom room(folder.File(L"room.log"));
        ASSERT_TRUE(room.Ready());
        const std::wstring settings = folder.File(L"Saved Info.dll");
        if (!c.stored.empty()) WriteFileBytes(settings, c.stored);
        {
            Lumivane program(folder);
            ASSERT_NE(program.Form(), nullptr);
            const std::vector<std::string> lines = room.WaitForLines(2, Seconds(5));
            ASSERT_EQ(lines.size(), 2u);
            EXPECT_EQ(lines[0], ExpectedLine(c.first, c.second, c.third, c.face, u"Lumivane"));
            EXPECT_EQ(lines[1],
                      ExpectedLine(c.first, c.second, c.third, c.face, u"Coded By: Brask"));
            SendMessageW(program.Control(kCombo1), WM_SETTEXT, 0,
                         reinterpret_cast<LPARAM>(L"Impact"));
            program.Click(kLabel2);
            ASSERT_TRUE(program.Program().WaitForEnd(Seconds(4)));
        }
        EXPECT_EQ(ReadFileBytes(settings), c.saved);
        Lumivane again(folder);
        const std::vector<std::string> lines = room.WaitForLines(5, Seconds(5));
        ASSERT_EQ(lines.size(), 5u);
        EXPECT_EQ(lines[4], ExpectedLine(c.first, c.second, c.third, u"Impact", u"Lumivane"));
    }
}

struct FaceCase {
    const char* what;
    std::wstring face;
    std::string stored;
};

// A face with line breaks (pasted into the font box) is saved on one line, each
// break a space; the closing lines carry it as typed.
TEST(SettingsFolder, FaceWithLineBreaksLeavesOneSectionAndFourKeys) {
    const FaceCase cases[] = {
        {"CR LF", L"Ari\r\nal", "Ari  al"},
        {"a section and a key pasted in", L"x\r\n[lumivane]\r\nCOLORS1=0",
         "x  [lumivane]  COLORS1=0"},
        {"LF at the end", L"Arial\n", "Arial "},
    };
    for (const FaceCase& c : cases) {
        SCOPED_TRACE(c.what);
        RunFolder folder;
        ChatRoom room(folder.File(L"room.log"));
        ASSERT_TRUE(room.Ready());
        Lumivane program(folder);
        ASSERT_EQ(room.WaitForLines(2, Seconds(5)).size(), 2u);
        SendMessageW(program.Control(kCombo1), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(c.face.c_str()));
        ASSERT_EQ(TextOf(program.Control(kCombo1)), c.face);
        program.Click(kLabel2);
        ASSERT_TRUE(program.Program().WaitForEnd(Seconds(4)));
        EXPECT_EQ(ReadFileBytes(folder.File(L"Saved Info.dll")),
                  SettingsFile("255", "65280", "16711680", c.stored));
        const std::u16string typed(c.face.begin(), c.face.end());
        const std::string log = ReadFileBytes(folder.File(L"room.log"));
        EXPECT_NE(log.find(ExpectedLine(kRed, kGreen, kBlue, typed, u"Closed...")),
                  std::string::npos)
            << log;
    }
}

// Whether `folder` holds nothing.
bool IsEmptyFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    bool empty = true;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") empty = false;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return empty;
}

// With a folder standing where the settings file would be, no write can succeed:
// the close label says goodbye, then tells in one box owned by the window what
// was lost and where, and the program ends once the box is answered. Closing any
// other way saves nothing, so it tells nothing.
TEST(SettingsFolder, CloseWhereNothingCanBeSavedTellsWhereAndEndsWhenAnswered) {
    for (const bool closeLabel : {true, false}) {
        SCOPED_TRACE(closeLabel ? "the close label" : "another close");
        RunFolder folder;
        ChatRoom room(folder.File(L"room.log"));
        ASSERT_TRUE(room.Ready());
        const std::wstring inTheWay = folder.File(L"Saved Info.dll");
        ASSERT_TRUE(CreateDirectoryW(inTheWay.c_str(), nullptr));
        Lumivane program(folder);
        ASSERT_NE(program.Form(), nullptr);
        ASSERT_EQ(room.WaitForLines(2, Seconds(5)).size(), 2u);
        if (!closeLabel) {
            PostMessageW(program.Form(), WM_CLOSE, 0, 0);
            EXPECT_TRUE(program.Program().WaitForEnd(Seconds(3)));
            EXPECT_EQ(room.Lines().size(), 2u);
            EXPECT_TRUE(IsEmptyFolder(inTheWay));
            continue;
        }
        program.Click(kLabel2);
        const HWND box = program.WaitForMessageBox(Seconds(5));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(GetWindow(box, GW_OWNER), program.Form());
        const std::wstring text = TextOf(GetDlgItem(box, 0xFFFF));  // a message box's text
        EXPECT_NE(text.find(L"could not save your colours and font face"), std::wstring::npos)
            << text;
        EXPECT_NE(text.find(folder.Path() + L"\\Saved Info.dll"), std::wstring::npos) << text;
        EXPECT_NE(text.find(L"Documents"), std::wstring::npos) << text;
        // The goodbye is said before the box, and the box holds the end.
        const std::vector<std::string> lines = room.WaitForLines(4, Seconds(5));
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[2], ExpectedLine(kRed, kGreen, kBlue, u"", u"Lumivane"));
        EXPECT_EQ(lines[3], ExpectedLine(kRed, kGreen, kBlue, u"", u"Closed..."));
        EXPECT_FALSE(program.Program().WaitForEnd(Seconds(0.3)));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(program.Program().WaitForEnd(Seconds(3)));
        EXPECT_EQ(room.Lines().size(), 4u);
        EXPECT_TRUE(GetFileAttributesW(inTheWay.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
        EXPECT_TRUE(IsEmptyFolder(inTheWay));
    }
}

}  // namespace
}  // namespace lumivane::test
