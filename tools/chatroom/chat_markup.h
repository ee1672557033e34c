// The stand-in chat room's reading of chat markup: which characters a line shows
// and in which font face and colour, the way the chat client displays them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumivane {

// A stretch of shown text in one style. The colour is 0x00BBGGRR, as the
// window system takes it; no face or colour means the transcript's default.
struct StyledRun {
    std::u16string text;
    std::u16string face;
    std::optional<std::uint32_t> color;
};

// Splits a received line into styled runs. "<font ...>" tags (any letter case)
// are taken as markup and not shown: a face="..." attribute sets the face and a
// color=#RRGGBB attribute the colour of what follows; other attributes and a
// colour that is not six hexadecimal digits are ignored; "</font>" goes back to
// the defaults. Anything else, a tag that is cut off or whose quotes do not close
// included, is shown as typed. Adjacent characters of one style share a run.
std::vector<StyledRun> ParseChatMarkup(std::u16string_view line);

}  // namespace lumivane
