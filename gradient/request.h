// The engine's front door: one plain description of a line, one call that resolves its
// defaults and refusals, and calls that make or write the line. Every front end (the
// fade tool, the window's chat line, the C interface, the benchmark) goes through it.
#pragma once

#include <cstddef>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "color/color_value.h"
#include "gradient/blend.h"
#include "gradient/gradient.h"
#include "gradient/markup.h"

namespace lumivane {

// The colours of a line without --colors: red, green and blue, as the settings file
// stores them.
inline const std::vector<ColorValue>& DefaultLineColors() {
    static const std::vector<ColorValue> colors(std::begin(kDefaultColors),
                                                std::end(kDefaultColors));
    return colors;
}

// The face of an aol line's face tag when none is given.
constexpr std::u16string_view kDefaultFace = u"Arial";

// Everything that decides how a text becomes a line, the text aside. New fields get a
// default that keeps every earlier request's line as it was.
struct LineRequest {
    std::optional<std::vector<ColorValue>> colors;  // none: the preset's, else the default
    std::optional<Blend> blend;                     // none: the preset's, else the markup's default
    std::optional<HuePath> hue;                     // none: the preset's, else the shorter way
    std::optional<std::string> preset;              // a named set of colours (Presets())
    bool reverse = false;                           // the colours in reverse order
    Markup markup = Markup::Aol;
    std::optional<std::u16string> face;    // aol: the face tag's face; none: kDefaultFace
    bool fadeOnly = false;                 // aol: the faded text alone, no face tag
    StyleSet styles = 0;                   // styles of the whole line
    std::optional<std::size_t> maxLength;  // in the markup's unit; none: no limit
};

enum class RequestError {
    None,
    TooFewColors,   // fewer than kMinGradientColors
    TooManyColors,  // more than kMaxGradientColors
    UnknownPreset,
    HueNotTaken,    // a hue path for a blend that does not go round the hue wheel
    StyleNotShown,  // a style the markup cannot show
    FaceNotTaken,   // a face for a markup without a face tag
    FadeOnlyNotTaken,
    LimitNotTaken,  // a limit for a markup whose codes vary in length
    ZeroLimit,      // a limit no line meets
    DoesNotFit,     // the line cannot fit the limit, even with one colour
    TooLong,        // a line longer than can be counted or held
    OutOfMemory,
};

// A request with its defaults resolved and its refusals checked, for any number of lines.
struct LinePlan {
    std::vector<ColorValue> colors;
    GradientBlend blend;
    LineStyle style;                       // the markup, and the face tag's face if any
    std::optional<std::size_t> maxLength;  // in the markup's unit
};

// Resolves `request` into `plan`: the preset's colours, blend and hue path where the
// request gives none, the colours reversed if asked, the markup's default blend.
// Returns the first refusal found, in the order of the enum, or RequestError::None.
RequestError PlanLine(const LineRequest& request, LinePlan& plan);

// A refusal of PlanLine in the product's terms, naming what was given ("--face 'X'
// belongs to --format aol").
std::string RequestErrorMessage(RequestError error, const LineRequest& request);

struct LineOutcome {
    RequestError error = RequestError::None;
    std::size_t shortestLimit = 0;  // DoesNotFit: the shortest limit the line would fit
};

// What went wrong with one line, to follow the line's name: "cannot fit --max-length
// 40: it needs at least 79", "is too long: out of memory".
std::string LineErrorMessage(const LineOutcome& outcome, const LinePlan& plan);

// Makes the line for `text` (one line; a line break is coloured as any character) in
// `line`, in UTF-16, without a line ending. A surrogate half that a colour tag cuts off
// its partner stays as it is. On an error `line` is left empty. Throws nothing but
// what `line` itself may throw when it grows.
LineOutcome MakeLine(const LinePlan& plan, std::u16string_view text, std::u16string& line);

// The same, for one request: resolves it first.
LineOutcome MakeLine(const LineRequest& request, std::u16string_view text, std::u16string& line);

// Hands the same line to `sink`. Without a limit it is written as it is made, a few
// thousand code units at a time, so a line of any length is never held whole; with
// one it is made first. Nothing reaches the sink when an error is returned, except
// for TooLong and OutOfMemory, which may come after some pieces of a streamed line.
LineOutcome WriteLine(const LinePlan& plan, std::u16string_view text, LineSink& sink);

// The coloured runs of the line MakeLine makes, fitted to the limit as it is: what a
// preview shows.
LineOutcome LineRuns(const LinePlan& plan, std::u16string_view text, std::vector<ColorRun>& runs);

}  // namespace lumivane
