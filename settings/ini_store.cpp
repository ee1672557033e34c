#include "settings/ini_store.h"

#include <windows.h>

#include <iterator>

#include "settings/code_page_text.h"

namespace lumivane {
namespace {

// The read buffer, terminating NUL included: values are cut at 749 characters.
constexpr DWORD kValueBufferSize = 750;

std::u16string LowerCase(std::u16string_view text) {
    std::u16string lower(text);
    if (!lower.empty()) CharLowerBuffW(reinterpret_cast<wchar_t*>(lower.data()), static_cast<DWORD>(lower.size()));
    return lower;
}

std::u16string UpperCase(std::u16string_view text) {
    std::u16string upper(text);
    if (!upper.empty()) CharUpperBuffW(reinterpret_cast<wchar_t*>(upper.data()), static_cast<DWORD>(upper.size()));
    return upper;
}

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
