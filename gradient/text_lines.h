// A text cut into lines as the fade tool reads them: LF or CR LF ends a line, and a last
// line without a line break counts. Used by the tool and the C interface, so both cut a
// text the same way.
#pragma once

#include <string_view>
#include <vector>

namespace lumivane {

// A UTF-8 byte-order mark, skipped at the very start of an input.
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// `line` without the CR of a CR LF line break; only that one CR goes.
std::string_view WithoutCarriageReturn(std::string_view line);

// The lines of a TEXT argument: an empty text is one empty line.
std::vector<std::string_view> SplitTextLines(std::string_view text);

// The lines of a whole input, as standard input gives them: a byte-order mark at the
// very start is skipped, and an empty input has no line at all.
std::vector<std::string_view> SplitInputLines(std::string_view input);

}  // namespace lumivane
