// UTF-16 test text as 8-bit text for failure messages: each code unit cut to its low
// byte, so ASCII reads as itself.
#pragma once

#include <string>
#include <string_view>

namespace lumivane {

inline std::string Narrow(std::u16string_view text) {
    return std::string(text.begin(), text.end());
}

}  // namespace lumivane
