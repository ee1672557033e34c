#include "gradient/text_lines.h"

namespace lumivane {

std::string_view WithoutCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::vector<std::string_view> SplitTextLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    do {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(WithoutCarriageReturn(text.substr(start, end - start)));
        start = end + 1;
    } while (start < text.size());
    return lines;
}

std::vector<std::string_view> SplitInputLines(std::string_view input) {
    if (input.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
        input.remove_prefix(kUtf8ByteOrderMark.size());
    if (input.empty()) return {};
    return SplitTextLines(input);
}

}  // namespace lumivane
