#include "settings/ini_store.h"

#include <windows.h>

#include <climits>
#include <iterator>

#include "settings/code_page_text.h"

namespace lumivane {
namespace {

// The read buffer, terminating NUL included: values are cut at 749 characters.
constexpr DWORD kValueBufferSize = 750;

// Key names are mapped without regard to the user's language, so a key never
// changes with the locale (no dotless i under a Turkish locale).
std::u16string CaseMapped(std::u16string_view text, DWORD mapping) {
    if (text.empty() || text.size() > INT_MAX) return {};
    const auto* source = reinterpret_cast<const wchar_t*>(text.data());
    const int sourceLength = static_cast<int>(text.size());
    const int length = LCMapStringW(LOCALE_INVARIANT, mapping, source, sourceLength, nullptr, 0);
    if (length <= 0) return std::u16string(text);
    std::u16string mapped(static_cast<std::size_t>(length), u'\0');
    LCMapStringW(LOCALE_INVARIANT, mapping, source, sourceLength, reinterpret_cast<wchar_t*>(mapped.data()), length);
    return mapped;
}

std::u16string LowerCase(std::u16string_view text) { return CaseMapped(text, LCMAP_LOWERCASE); }

std::u16string UpperCase(std::u16string_view text) { return CaseMapped(text, LCMAP_UPPERCASE); }

}  // namespace

std::u16string ReadIniValue(std::u16string_view section, std::u16string_view key, std::u16string_view file) {
    char buffer[kValueBufferSize] = {};
    const DWORD copied = GetPrivateProfileStringA(ToCodePage(section).c_str(), ToCodePage(LowerCase(key)).c_str(),
                                                  "", buffer, static_cast<DWORD>(std::size(buffer)),
                                                  ToCodePage(file).c_str());
    // The count is of bytes; only those are converted, never past the buffer.
    const DWORD length = copied < kValueBufferSize ? copied : kValueBufferSize - 1;
    return FromCodePage(std::string_view(buffer, length));
}

void WriteIniValue(std::u16string_view section, std::u16string_view key, std::u16string_view value,
                   std::u16string_view file) {
    // A folder that cannot be written loses the save; the program goes on as if
    // it had succeeded, so the result is deliberately ignored.
    WritePrivateProfileStringA(ToCodePage(section).c_str(), ToCodePage(UpperCase(key)).c_str(),
                               ToCodePage(value).c_str(), ToCodePage(file).c_str());
}

}  // namespace lumivane
