#include "settings/ini_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/color_setting.h"
#include "settings/setting_names.h"
#include "tests/support/narrow.h"
#include "wine_temp_folder.h"

namespace lumivane {
namespace {

// The file's lines without their line ends, blank lines left out.
std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (const char c : bytes) {
        if (c == '\r' || c == '\n') {
            if (!line.empty()) lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

struct Settings {
    ColorValue colors[3];
    std::u16string face;
};

// The close of the window: four writes in the order the window makes them.
void Save(const Settings& settings, std::u16string_view file) {
    for (int i = 0; i < 3; ++i)
        WriteIniValue(kSettingsSection, kColorKeys[i], ColorToSetting(settings.colors[i]), file);
    WriteIniValue(kSettingsSection, kFaceKey, settings.face, file);
}

// The start of the window: four reads, colours falling back to the defaults.
Settings Load(std::u16string_view file) {
    Settings settings{};
    for (int i = 0; i < 3; ++i)
        settings.colors[i] = ColorFromSetting(ReadIniValue(kSettingsSection, kColorKeys[i], file),
                                              kDefaultColors[i]);
    settings.face = ReadIniValue(kSettingsSection, kFaceKey, file);
    return settings;
}

TEST(IniStoreRoundTrip, FirstSaveWritesSectionAndUpperCaseKeysInOrder) {
    TempFolder folder;
    const std::u16string file = folder.File(L"Saved Info.dll");
    Save({{255, 65280, 16711680}, u"Arial"}, file);

    const std::vector<std::string> expected = {"[lumivane]", "COLORS1=255", "COLORS2=65280",
                                               "COLORS3=16711680", "FONT FACE=Arial"};
    EXPECT_EQ(Lines(ReadBytes(file)), expected);

    const Settings loaded = Load(file);
    EXPECT_EQ(loaded.colors[0], 255);
    EXPECT_EQ(loaded.colors[1], 65280);
    EXPECT_EQ(loaded.colors[2], 16711680);
    EXPECT_EQ(loaded.face, u"Arial");
}

TEST(IniStoreRoundTrip, LaterSavesReplaceTheValues) {
    TempFolder folder;
    const std::u16string file = folder.File(L"Saved Info.dll");
    Save({{1, 2, 3}, u"Courier New"}, file);
    Save({{-1, 0, 2147483647}, u"Times New Roman"}, file);

    const std::vector<std::string> expected = {"[lumivane]", "COLORS1=-1", "COLORS2=0",
                                               "COLORS3=2147483647", "FONT FACE=Times New Roman"};
    EXPECT_EQ(Lines(ReadBytes(file)), expected);
    const Settings loaded = Load(file);
    EXPECT_EQ(loaded.colors[0], -1);
    EXPECT_EQ(loaded.colors[1], 0);
    EXPECT_EQ(loaded.colors[2], 2147483647);
    EXPECT_EQ(loaded.face, u"Times New Roman");
}

TEST(IniStoreRoundTrip, NegativeColoursKeepTheirSign) {
    TempFolder folder;
    const std::u16string file = folder.File(L"Saved Info.dll");
    const ColorValue colors[] = {-1, -2147483647 - 1, -2147483633};
    for (const ColorValue color : colors) {
        WriteIniValue(kSettingsSection, kColorKeys[0], ColorToSetting(color), file);
        EXPECT_EQ(ReadIniValue(kSettingsSection, kColorKeys[0], file), ColorToSetting(color));
        EXPECT_EQ(ColorFromSetting(ReadIniValue(kSettingsSection, kColorKeys[0], file), 0), color);
    }
}

TEST(IniStoreRoundTrip, EmptyFaceReadsBackEmpty) {
    TempFolder folder;
    const std::u16string file = folder.File(L"Saved Info.dll");
    WriteIniValue(kSettingsSection, kFaceKey, u"Arial", file);
    WriteIniValue(kSettingsSection, kFaceKey, u"", file);
    EXPECT_EQ(ReadIniValue(kSettingsSection, kFaceKey, file), u"");
    // The key stays in the file with an empty value rather than being removed.
    const std::vector<std::string> lines = Lines(ReadBytes(file));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "FONT FACE=");
}

TEST(IniStoreRoundTrip, FacesWithBlanksAndPunctuationSurvive) {
    TempFolder folder;
    const std::u16string file = folder.File(L"Saved Info.dll");
    const std::u16string_view faces[] = {u"Comic Sans MS", u"MS Sans Serif", u"a=b",
                                         u"x;y",           u"[z]",           u"Caf\u00e9"};
    for (const std::u16string_view face : faces) {
        WriteIniValue(kSettingsSection, kFaceKey, face, file);
        EXPECT_EQ(ReadIniValue(kSettingsSection, kFaceKey, file), face) << Narrow(face);
    }
}

TEST(IniStoreRoundTrip, CharactersOutsideTheCodePageDoNotSurvive) {
    TempFolder folder;
    const std::u16string file = folder.File(L"Saved Info.dll");
    const std::u16string face = u"\u65e5\u672c Gothic";
    WriteIniValue(kSettingsSection, kFaceKey, face, file);
    const std::u16string read = ReadIniValue(kSettingsSection, kFaceKey, file);
    EXPECT_NE(read, face);
    EXPECT_EQ(read.size(), face.size());  // each stands in as one default character
    EXPECT_EQ(read.substr(2), u" Gothic");
}

TEST(IniStoreRead, MissingFileSectionOrKeyReadsEmpty) {
    TempFolder folder;
    const std::u16string file = folder.File(L"Saved Info.dll");
    EXPECT_EQ(ReadIniValue(kSettingsSection, kColorKeys[0], file), u"");
    EXPECT_FALSE(Exists(file));  // a read never creates the file

    ASSERT_TRUE(WriteBytes(file, "[other]\r\nCOLORS1=5\r\n[lumivane]\r\nCOLORS2=6\r\n"));
    EXPECT_EQ(ReadIniValue(kSettingsSection, kColorKeys[0], file), u"");
    EXPECT_EQ(ReadIniValue(kSettingsSection, kColorKeys[1], file), u"6");
    EXPECT_EQ(ReadIniValue(kSettingsSection, kFaceKey, file), u"");
    EXPECT_EQ(ReadIniValue(u"other", kColorKeys[0], file), u"5");

    // A missing colour falls back to its default.
    const Settings loaded = Load(file);
    EXPECT_EQ(loaded.colors[0], kDefaultColors[0]);
    EXPECT_EQ(loaded.colors[1], 6);
    EXPECT_EQ(loaded.colors[2], kDefaultColors[2]);
}

struct HandWritten {
    const char* name;
    const char* bytes;
};

const HandWritten kHandWrittenFiles[] = {
    {"upper", "[LUMIVANE]\r\nCOLORS1=11\r\nCOLORS2=22\r\nCOLORS3=33\r\nFONT FACE=Verdana\r\n"},
    {"lower", "[lumivane]\r\ncolors1=11\r\ncolors2=22\r\ncolors3=33\r\nfont face=Verdana\r\n"},
    {"mixed", "[LumiVane]\r\nColors1=11\r\ncOLORS2=22\r\nColorS3=33\r\nFont Face=Verdana\r\n"},
    {"unix line ends", "[Lumivane]\nColors1=11\nColors2=22\nColors3=33\nFont Face=Verdana\n"},
    {"blanks around",
     "  [lumivane]  \r\n  colors1 = 11 \r\n\tCOLORS2\t=\t22\t\r\nColors3=33\r\nFONT FACE =  Verdana  "},
    {"reordered",
     "; hand edited\r\n[LUMIVANE]\r\nFont Face=Verdana\r\nColors3=33\r\ncolors2=22\r\nCOLORS1=11\r\n"},
};

TEST(IniStoreRead, HandWrittenFilesReadTheSameInAnyLetterCase) {
    TempFolder folder;
    int index = 0;
    for (const HandWritten& row : kHandWrittenFiles) {
        SCOPED_TRACE(row.name);
        const std::u16string file = folder.File(L"hand" + std::to_wstring(++index) + L".ini");
        ASSERT_TRUE(WriteBytes(file, row.bytes));
        const Settings loaded = Load(file);
        EXPECT_EQ(loaded.colors[0], 11);
        EXPECT_EQ(loaded.colors[1], 22);
        EXPECT_EQ(loaded.colors[2], 33);
        EXPECT_EQ(loaded.face, u"Verdana");
    }
}

TEST(IniStoreRead, ValuesLongerThan749CharactersAreCut) {
    TempFolder folder;
    const std::u16string file = folder.File(L"Saved Info.dll");
    const std::size_t lengths[] = {748, 749, 750, 751, 1000, 5000};
    for (const std::size_t length : lengths) {
        std::u16string value;
        for (std::size_t i = 0; i < length; ++i) value += static_cast<char16_t>(u'a' + i % 26);
        WriteIniValue(kSettingsSection, kFaceKey, value, file);
        EXPECT_EQ(ReadIniValue(kSettingsSection, kFaceKey, file), value.substr(0, 749)) << length;
    }
}

TEST(IniStoreRead, DamagedColoursFallBackToTheDefaults) {
    TempFolder folder;
    const std::u16string file = folder.File(L"Saved Info.dll");
    ASSERT_TRUE(WriteBytes(
        file,
        "[lumivane]\r\nCOLORS1=red\r\nCOLORS2=12.5\r\nCOLORS3=99999999999\r\nFONT FACE=Arial\r\n"));
    const Settings loaded = Load(file);
    EXPECT_EQ(loaded.colors[0], kDefaultColors[0]);
    EXPECT_EQ(loaded.colors[1], kDefaultColors[1]);
    EXPECT_EQ(loaded.colors[2], kDefaultColors[2]);
    EXPECT_EQ(loaded.face, u"Arial");
}

TEST(IniStoreRead, GarbageBinaryAndHugeFilesDoNotBreakARead) {
    TempFolder folder;

    const std::u16string garbage = folder.File(L"garbage.ini");
    ASSERT_TRUE(WriteBytes(garbage,
                           "=\r\n[\r\n]]]\r\n[lumivane\r\n==COLORS1==\r\nno equals here\r\n[]\r\n"
                           "[lumivane]\r\n=5\r\nCOLORS1\r\nCOLORS2=7\r\n[lumivane]]\r\n"));
    EXPECT_EQ(ReadIniValue(kSettingsSection, kColorKeys[1], garbage), u"7");
    (void)Load(garbage);

    std::string binary;
    unsigned seed = 12345;
    for (int i = 0; i < 256 * 1024; ++i) {
        seed = seed * 1103515245u + 12345u;
        binary += static_cast<char>(seed >> 16);
    }
    const std::u16string noise = folder.File(L"binary.ini");
    ASSERT_TRUE(WriteBytes(noise, binary));
    for (int i = 0; i < 3; ++i) {
        const std::u16string read = ReadIniValue(kSettingsSection, kColorKeys[i], noise);
        EXPECT_LE(read.size(), 749u);
    }
    EXPECT_LE(ReadIniValue(kSettingsSection, kFaceKey, noise).size(), 749u);

    // Some megabytes of other sections and keys before the settings.
    std::string huge;
    for (int i = 0; huge.size() < 4 * 1024 * 1024; ++i)
        huge += "[s" + std::to_string(i / 100) + "]\r\nkey" + std::to_string(i) + "=" +
                std::string(200, 'v') + "\r\n";
    huge += "[lumivane]\r\nCOLORS3=42\r\n";
    const std::u16string big = folder.File(L"huge.ini");
    ASSERT_TRUE(WriteBytes(big, huge));
    EXPECT_EQ(ReadIniValue(kSettingsSection, kColorKeys[2], big), u"42");
}

TEST(IniStoreWrite, UnwritableFolderLosesTheSaveWithoutNotice) {
    TempFolder folder;
    const std::u16string file = Utf16(folder.Path() + L"\\no such folder\\Saved Info.dll");
    Save({{255, 65280, 16711680}, u"Arial"}, file);
    EXPECT_FALSE(Exists(file));
    EXPECT_EQ(ReadIniValue(kSettingsSection, kFaceKey, file), u"");
    // The program then starts with the default colours.
    const Settings loaded = Load(file);
    EXPECT_EQ(loaded.colors[0], kDefaultColors[0]);
}

TEST(IniStoreWrite, PathThroughAFileOrOntoAFolderLosesTheSave) {
    TempFolder folder;
    const std::u16string plainFile = folder.File(L"plain file");
    ASSERT_TRUE(WriteBytes(plainFile, "not a folder"));
    const std::u16string throughFile = plainFile + u"\\Saved Info.dll";
    Save({{255, 65280, 16711680}, u"Arial"}, throughFile);
    EXPECT_EQ(ReadBytes(plainFile), "not a folder");
    EXPECT_EQ(ReadIniValue(kSettingsSection, kFaceKey, throughFile), u"");

    const std::u16string ontoFolder = folder.File(L"Saved Info.dll");
    ASSERT_TRUE(CreateDirectoryW(Wide(ontoFolder).c_str(), nullptr));
    Save({{255, 65280, 16711680}, u"Arial"}, ontoFolder);
    EXPECT_TRUE(GetFileAttributesW(Wide(ontoFolder).c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(ReadIniValue(kSettingsSection, kFaceKey, ontoFolder), u"");
}

TEST(IniStoreWrite, ReadOnlyFileKeepsItsFormerContent) {
    TempFolder folder;
    const std::u16string file = folder.File(L"Saved Info.dll");
    const std::string former = "[lumivane]\r\nCOLORS1=1\r\n";
    ASSERT_TRUE(WriteBytes(file, former));
    ASSERT_TRUE(SetFileAttributesW(Wide(file).c_str(), FILE_ATTRIBUTE_READONLY));
    // An administrator (root, under Wine) may write read-only files anyway;
    // then there is nothing this test can see.
    const HANDLE probe =
        CreateFileW(Wide(file).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        GTEST_SKIP() << "this user may write read-only files";
    }
    Save({{255, 65280, 16711680}, u"Arial"}, file);
    EXPECT_EQ(ReadBytes(file), former);
    EXPECT_EQ(ReadIniValue(kSettingsSection, kColorKeys[0], file), u"1");
}

}  // namespace
}  // namespace lumivane
