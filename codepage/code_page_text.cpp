#include "codepage/code_page_text.h"

#include <climits>

namespace lumivane {

std::string ToCodePage(std::u16string_view text, UINT codePage) {
    if (text.empty() || text.size() > INT_MAX) return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int wideLength = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(codePage, 0, wide, wideLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return {};
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, wide, wideLength, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

std::u16string FromCodePage(std::string_view bytes, UINT codePage) {
    // Walk the characters from the front: only there is it known which byte is
    // a lead byte and which a trail byte.
    std::size_t whole = 0;
    while (whole < bytes.size()) {
        const std::size_t width =
            IsDBCSLeadByteEx(codePage, static_cast<BYTE>(bytes[whole])) ? 2 : 1;
        if (whole + width > bytes.size()) break;
        whole += width;
    }
    if (whole == 0 || whole > INT_MAX) return {};
    const int byteLength = static_cast<int>(whole);
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), byteLength, nullptr, 0);
    if (length <= 0) return {};
    std::u16string text(static_cast<std::size_t>(length), u'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), byteLength,
                        reinterpret_cast<wchar_t*>(text.data()), length);
    return text;
}

std::u16string ThroughCodePage(std::u16string_view text, UINT codePage) {
    return FromCodePage(ToCodePage(text, codePage), codePage);
}

}  // namespace lumivane
