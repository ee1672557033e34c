#include "settings/setting_value.h"

namespace lumivane {

std::u16string OneLineValue(std::u16string_view value) {
    std::u16string line(value);
    for (char16_t& c : line) {
        if (c == u'\r' || c == u'\n') c = u' ';
    }
    return line;
}

}  // namespace lumivane
