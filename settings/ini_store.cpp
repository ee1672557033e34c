#include "settings/ini_store.h"

#include <windows.h>

#include <climits>
#include <iterator>

#include "codepage/code_page_text.h"
#include "settings/profile_file.h"
#include "settings/setting_value.h"

namespace lumivane {
namespace {

// The read buffer, terminating NUL included: values are cut at 749 characters.
constexpr DWORD kValueBufferSize = kLongestValue + 1;

// Key names are mapped without regard to the user's language, so a key never
// changes with the locale (no dotless i under a Turkish locale).
std::u16string CaseMapped(std::u16string_view text, DWORD mapping) {
    if (text.empty() || text.size() > INT_MAX) return {};
    const auto* source = reinterpret_cast<const wchar_t*>(text.data());
    const int sourceLength = static_cast<int>(text.size());
    const int length = LCMapStringW(LOCALE_INVARIANT, mapping, source, sourceLength, nullptr, 0);
    if (length <= 0) return std::u16string(text);
    std::u16string mapped(static_cast<std::size_t>(length), u'\0');
    LCMapStringW(LOCALE_INVARIANT, mapping, source, sourceLength,
                 reinterpret_cast<wchar_t*>(mapped.data()), length);
    return mapped;
}

std::u16string LowerCase(std::u16string_view text) { return CaseMapped(text, LCMAP_LOWERCASE); }

std::u16string UpperCase(std::u16string_view text) { return CaseMapped(text, LCMAP_UPPERCASE); }

// The text NUL-terminated, as the wide profile functions take it.
std::wstring Terminated(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

}  // namespace

// The file is reached through the wide profile functions, so a program folder
// named in any script is found. The file keeps its 8-bit form: the system writes
// a file it creates, or one without a UTF-16 byte-order mark, as 8-bit text in
// the system code page, and a value holds only what that code page can hold,
// whatever the file's form.
std::u16string ReadIniValue(std::u16string_view section, std::u16string_view key,
                            std::u16string_view file) {
    wchar_t buffer[kValueBufferSize] = {};
    const DWORD copied = CurrentProfileFile().GetString(
        Terminated(section).c_str(), Terminated(LowerCase(key)).c_str(), L"", buffer,
        static_cast<DWORD>(std::size(buffer)), Terminated(file).c_str());
    const DWORD length = copied < kValueBufferSize ? copied : kValueBufferSize - 1;
    return ThroughCodePage(std::u16string_view(reinterpret_cast<const char16_t*>(buffer), length));
}

IniWrite WriteIniValue(std::u16string_view section, std::u16string_view key,
                       std::u16string_view value, std::u16string_view file) {
    const std::wstring sectionText = Terminated(section);
    const std::wstring keyText = Terminated(UpperCase(key));
    const std::u16string stored = ThroughCodePage(OneLineValue(value));
    const std::wstring valueText = Terminated(stored);
    const std::wstring fileText = Terminated(file);
    // The system's reason is taken at once, before anything else can change it.
    ProfileFile& profile = CurrentProfileFile();
    if (profile.WriteString(sectionText.c_str(), keyText.c_str(), valueText.c_str(),
                            fileText.c_str())) {
        return {true, 0, stored};
    }
    const DWORD error = GetLastError();
    return {false, error, stored};
}

}  // namespace lumivane
