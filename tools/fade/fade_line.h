// One line of text made into one output line: the chat markup, or a preview in the
// terminal's own colours.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "gradient/request.h"
#include "tools/fade/options.h"

namespace lumivane {

// What the options make of every line, worked out once.
struct FadePlan {
    LinePlan line;         // the line as the engine makes it (and fits it)
    bool preview = false;  // print the text in its colours instead
    PreviewDepth depth = PreviewDepth::TrueColor;
};

// The options' plan, the preview in `depth`. The options must be as ParseFadeOptions
// returned them.
FadePlan MakeFadePlan(const FadeOptions& options, PreviewDepth depth = PreviewDepth::TrueColor);

// Makes `line` the output line for `text` in UTF-16, without a line ending. A
// surrogate half that a colour tag cuts off its partner stays as it is here (the
// UTF-8 writer turns it into U+FFFD). On an error `line` is left empty.
LineOutcome MakeFadeLine(const FadePlan& plan, std::u16string_view text, std::u16string& line);

// The text in the colours of `runs`, as 24-bit terminal colour escapes (or xterm's
// nearest of 256, or none at all), closed with a reset. A surrogate pair that a run boundary splits
// is kept whole, in the colour of its first half, so the terminal gets valid UTF-8.
void AppendPreview(std::u16string& out, std::u16string_view text, const std::vector<ColorRun>& runs,
                   PreviewDepth depth = PreviewDepth::TrueColor);

}  // namespace lumivane
