// The settings file keeps its form whatever the program's folder is called and
// whatever the face holds: one section, four keys, 8-bit text with CR LF line
// ends, values as the system code page spells them.
#include <gtest/gtest.h>

#include <string>

#include "codepage/code_page_text.h"
#include "settings/color_setting.h"
#include "settings/ini_store.h"
#include "settings/setting_names.h"
#include "wine_temp_folder.h"

namespace lumivane {
namespace {

std::string Narrow(std::u16string_view text) { return ToCodePage(text); }

// The close of the window: four writes in the order the window makes them.
void Save(const ColorValue (&colors)[3], std::u16string_view face, std::u16string_view file) {
    for (int i = 0; i < 3; ++i)
        WriteIniValue(kSettingsSection, kColorKeys[i], ColorToSetting(colors[i]), file);
    WriteIniValue(kSettingsSection, kFaceKey, face, file);
}

// The file exactly as the system writes it on the first save into a folder.
std::string UsualFile(const std::string& colors1, const std::string& colors2,
                      const std::string& colors3, const std::string& face) {
    return "[lumivane]\r\nCOLORS1=" + colors1 + "\r\nCOLORS2=" + colors2 +
           "\r\nCOLORS3=" + colors3 + "\r\nFONT FACE=" + face + "\r\n";
}

// Program folders whose names the 8-bit code page cannot spell, and some it can.
constexpr std::wstring_view kFolderNames[] = {
    L"\u041f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u0430 \u2713 \u8272\u5f69",  // Cyrillic,
                                                                                    // check mark,
                                                                                    // Chinese
    L"\u0418\u0432\u0430\u043d\u043e\u0432",  // a Cyrillic user name
    L"\u7530\u4e2d",                          // a Chinese user name
    L"\u03b1\u03b2\u03b3 \U0001F3A8",         // Greek and a character beyond 16 bits
    L"Caf\u00e9",                             // in the code page
    L"plain",
};

TEST(SettingsFileFolder, FolderNamedInAnyScriptGetsTheFileInItsUsualForm) {
    TempFolder temp;
    for (const std::wstring_view name : kFolderNames) {
        const std::wstring folder = temp.Path() + L"\\" + std::wstring(name);
        SCOPED_TRACE(Narrow(Utf16(folder)));
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        const std::u16string file = Utf16(folder + L"\\Saved Info.dll");

        Save({255, 65280, 16711680}, u"Arial", file);
        EXPECT_EQ(ReadBytes(file), UsualFile("255", "65280", "16711680", "Arial"));

        WriteBytes(file, UsualFile("1193046", "-5", "0", "Verdana"));
        for (int i = 0; i < 3; ++i) {
            const std::u16string expected[] = {u"1193046", u"-5", u"0"};
            EXPECT_EQ(ReadIniValue(kSettingsSection, kColorKeys[i], file), expected[i]);
        }
        EXPECT_EQ(ReadIniValue(kSettingsSection, kFaceKey, file), u"Verdana");
    }
}

// Faces and the bytes the 8-bit profile interface stored for them: the code
// page's own characters as they are, others as the system converts them.
constexpr std::u16string_view kFaces[] = {
    u"Arial",
    u"Caf\u00e9 \u2013 \u20ac",  // in the Western code page
    u"\u65e5\u672c Gothic",      // not in it: the default character
    u"\u0100rial",               // not in it: its nearest letter
    u"",
};

TEST(SettingsFileValues, FaceIsStoredAsTheEightBitInterfaceStoredIt) {
    TempFolder temp;
    const std::u16string file = temp.File(L"Saved Info.dll");
    for (const std::u16string_view face : kFaces) {
        SCOPED_TRACE(Narrow(face));
        Save({1, 2, 3}, face, file);
        EXPECT_EQ(ReadBytes(file), UsualFile("1", "2", "3", ToCodePage(face)));
    }
}

TEST(SettingsFileValues, FileWrittenInTheCodePageReadsAsItsCharacters) {
    TempFolder temp;
    const std::u16string file = temp.File(L"Saved Info.dll");
    for (const std::u16string_view face : kFaces) {
        SCOPED_TRACE(Narrow(face));
        ASSERT_TRUE(WriteBytes(file, UsualFile("1", "2", "3", ToCodePage(face))));
        std::u16string expected = FromCodePage(ToCodePage(face));
        expected.erase(0, expected.find_first_not_of(u' '));
        expected.erase(expected.find_last_not_of(u' ') + 1);
        EXPECT_EQ(ReadIniValue(kSettingsSection, kFaceKey, file), expected);
    }
}

struct BrokenFaceRow {
    std::u16string_view face;
    std::string stored;
    std::u16string_view readBack;
};

// Whatever line breaks a face holds, the file keeps one section and four keys.
const BrokenFaceRow kBrokenFaces[] = {
    {u"Ari\r\nal", "Ari  al", u"Ari  al"},
    {u"Ari\nal", "Ari al", u"Ari al"},
    {u"Ari\ral", "Ari al", u"Ari al"},
    {u"Arial\r\n", "Arial  ", u"Arial"},
    {u"x\r\n[lumivane]\r\nCOLORS1=0", "x  [lumivane]  COLORS1=0", u"x  [lumivane]  COLORS1=0"},
    {u"x\n[other]\nFONT FACE=y", "x [other] FONT FACE=y", u"x [other] FONT FACE=y"},
};

TEST(SettingsFileValues, LineBreaksInTheFaceStayOnItsLine) {
    TempFolder temp;
    const std::u16string file = temp.File(L"Saved Info.dll");
    for (const BrokenFaceRow& row : kBrokenFaces) {
        SCOPED_TRACE(Narrow(row.face));
        Save({255, 65280, 16711680}, row.face, file);
        EXPECT_EQ(ReadBytes(file), UsualFile("255", "65280", "16711680", row.stored));
        EXPECT_EQ(ReadIniValue(kSettingsSection, kFaceKey, file), row.readBack);
        EXPECT_EQ(ReadIniValue(kSettingsSection, kColorKeys[0], file), u"255");
    }
}

// A file kept as UTF-16 (saved so by an editor) stays UTF-16; its values still
// hold only what the code page can, as they did through the 8-bit interface.
TEST(SettingsFileValues, UnicodeFileStaysUnicode) {
    TempFolder temp;
    const std::u16string file = temp.File(L"Saved Info.dll");
    const std::u16string former = u"\xFEFF[lumivane]\r\nCOLORS1=7\r\n";
    ASSERT_TRUE(WriteBytes(
        file, std::string(reinterpret_cast<const char*>(former.data()), former.size() * 2)));
    Save({255, 65280, 16711680}, u"\u65e5 Caf\u00e9", file);

    const std::string bytes = ReadBytes(file);
    ASSERT_EQ(bytes.size() % 2, 0u);
    const std::u16string text(reinterpret_cast<const char16_t*>(bytes.data()), bytes.size() / 2);
    const std::u16string expected =
        u"\xFEFF[lumivane]\r\nCOLORS1=255\r\nCOLORS2=65280\r\nCOLORS3=16711680\r\nFONT FACE=" +
        ThroughCodePage(u"\u65e5") + u" Caf\u00e9\r\n";
    EXPECT_EQ(text, expected);
    EXPECT_EQ(ReadIniValue(kSettingsSection, kFaceKey, file), ThroughCodePage(u"\u65e5 Caf\u00e9"));
}

}  // namespace
}  // namespace lumivane
