#include "settings/setting_value.h"

namespace lumivane {
namespace {

// What the profile services may take off the ends of a value: blanks (systems
// differ on which count, so every one does) and quotes.
bool IsTrimmed(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f' || c == u'\u00a0' || c == u'"' ||
           c == u'\'';
}

std::u16string_view Trimmed(std::u16string_view text) {
    while (!text.empty() && IsTrimmed(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsTrimmed(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::u16string OneLineValue(std::u16string_view value) {
    std::u16string line(value);
    for (char16_t& c : line) {
        if (c == u'\r' || c == u'\n') c = u' ';
    }
    return line;
}

bool ReadBackHolds(std::u16string_view stored, std::u16string_view readBack) {
    const std::u16string_view expected = Trimmed(stored);
    const std::u16string_view got = Trimmed(readBack);
    // A full read is the front of a longer value: it holds as much as fits.
    if (readBack.size() >= kLongestValue) {
        return !got.empty() && expected.substr(0, got.size()) == got;
    }
    return got == expected;
}

}  // namespace lumivane
