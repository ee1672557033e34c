// One line of text made into one output line: the chat markup, or a preview in the
// terminal's own colours.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fade/color_codes.h"
#include "gradient/blend.h"
#include "gradient/markup.h"
#include "tools/fade/options.h"

namespace lumivane {

// What the options make of every line, worked out once.
struct LinePlan {
    std::vector<ColorValue> colors;
    Blend blend = Blend::Legacy;
    LineStyle style;                       // the markup the line is made in (and fitted to)
    std::optional<std::size_t> maxLength;  // in UTF-16 code units of the markup line
    bool preview = false;
};

// The options' plan. The face must be valid UTF-8 (ParseFadeOptions checks it).
LinePlan MakeLinePlan(const FadeOptions& options);

struct LineOutcome {
    bool fits = true;
    std::size_t shortestLimit = 0;  // when !fits: the shortest limit the line would need
};

// Makes `line` the output line for `text` in UTF-16, without a line ending. A
// surrogate half that a colour tag cuts off its partner stays as it is here (the
// UTF-8 writer turns it into U+FFFD). A line that cannot fit the plan's maxLength
// leaves `line` empty. May throw std::bad_alloc or std::length_error for a text
// whose line cannot be held.
LineOutcome MakeFadeLine(const LinePlan& plan, std::u16string_view text, std::u16string& line);

// The text in the colours of `runs`, as 24-bit terminal colour escapes, closed with
// a reset. A surrogate pair that a run boundary splits is kept whole, in the colour
// of its first half, so the terminal gets valid UTF-8.
void AppendPreview(std::u16string& out, std::u16string_view text, const std::vector<ColorRun>& runs);

}  // namespace lumivane
