#include "gradient/request.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <utility>

#include "gradient/detail/name_lists.h"
#include "gradient/fit.h"
#include "gradient/presets.h"
#include "gradient/shown_value.h"
#include "gradient/utf8.h"

namespace lumivane {
namespace {

std::string Quoted(std::string_view value) { return "'" + ShownValue(value) + "'"; }

template <typename Takes>
std::string MarkupsThat(const Takes& takes) {
    return detail::NamesThat(Markups(), takes);
}

template <typename Takes>
std::string BlendsThat(const Takes& takes) {
    return detail::NamesThat(Blends(), takes);
}

// Runs `make`, turning what a line too long to hold throws into its error.
template <typename Make>
RequestError Guarded(const Make& make) {
    try {
        make();
        return RequestError::None;
    } catch (const std::bad_alloc&) {
        return RequestError::OutOfMemory;
    } catch (const std::length_error&) {
        return RequestError::TooLong;
    }
}

// The fitted runs when the plan has a limit, else one run per unit.
LineOutcome PlannedRuns(const LinePlan& plan, std::u16string_view text,
                        std::vector<ColorRun>& runs) {
    LineOutcome outcome;
    bool fits = true;
    runs.clear();
    outcome.error = Guarded([&] {
        if (!plan.maxLength) {
            runs = MarkupRuns(text, plan.colors, plan.blend, plan.style.markup);
            return;
        }
        FitResult fit = FitGradientLine(text, plan.colors, plan.blend, plan.style, *plan.maxLength);
        fits = fit.fits;
        if (fits) runs = std::move(fit.runs);
        else outcome.shortestLimit = fit.shortestLimit;
    });
    if (outcome.error == RequestError::None && !fits) outcome.error = RequestError::DoesNotFit;
    return outcome;
}

}  // namespace

RequestError PlanLine(const LineRequest& request, LinePlan& plan) {
    const Preset* preset = nullptr;
    if (request.preset) {
        preset = FindPreset(*request.preset);
        if (!preset) return RequestError::UnknownPreset;
    }
    std::vector<ColorValue> colors = request.colors ? *request.colors
                                     : preset       ? preset->colors
                                                    : DefaultLineColors();
    if (colors.size() < kMinGradientColors) return RequestError::TooFewColors;
    if (colors.size() > kMaxGradientColors) return RequestError::TooManyColors;
    const MarkupInfo& markup = InfoOf(request.markup);
    if (request.face && !markup.takesFace) return RequestError::FaceNotTaken;
    if (request.fadeOnly && !markup.takesFace) return RequestError::FadeOnlyNotTaken;
    if (request.maxLength && !markup.limitRefusal.empty()) return RequestError::LimitNotTaken;
    if (request.maxLength && *request.maxLength == 0) return RequestError::ZeroLimit;
    const std::optional<Blend> presetBlend = preset ? preset->blend : std::nullopt;
    const Blend blend = request.blend ? *request.blend : presetBlend.value_or(markup.defaultBlend);
    // A preset's hue path goes with its own blend; one the request names must fit it.
    if (request.hue && !InfoOf(blend).takesHue) return RequestError::HueNotTaken;
    if (request.styles & ~markup.styles) return RequestError::StyleNotShown;

    if (request.reverse) std::reverse(colors.begin(), colors.end());
    plan.colors = std::move(colors);
    HuePath hue = HuePath::Shorter;
    if (request.hue) hue = *request.hue;
    else if (preset && preset->hue && InfoOf(blend).takesHue) hue = *preset->hue;
    plan.blend = GradientBlend(blend, hue);
    plan.style = LineStyle{};
    plan.style.markup = request.markup;
    plan.style.styles = request.styles;
    if (markup.takesFace && !request.fadeOnly)
        plan.style.face = request.face.value_or(std::u16string(kDefaultFace));
    plan.maxLength = request.maxLength;
    return RequestError::None;
}

std::string RequestErrorMessage(RequestError error, const LineRequest& request) {
    const std::string markups = MarkupsThat([](const MarkupInfo& info) { return info.takesFace; });
    const auto limit = [&] { return std::to_string(request.maxLength.value_or(0)); };
    switch (error) {
    case RequestError::None: return "";
    case RequestError::UnknownPreset:
        return "unknown --preset " + Quoted(request.preset.value_or("")) + ": " + PresetNames();
    case RequestError::HueNotTaken: {
        const std::string hueBlends =
            BlendsThat([](const BlendInfo& info) { return info.takesHue; });
        return "--hue does not go with --blend " +
               std::string(BlendName(request.blend.value_or(InfoOf(request.markup).defaultBlend))) +
               ": only " + hueBlends + " go round the hue wheel";
    }
    case RequestError::StyleNotShown: {
        for (const StyleInfo& style : Styles()) {
            if ((request.styles & StyleBit(style.style)) &&
                !(InfoOf(request.markup).styles & StyleBit(style.style)))
                return "--" + std::string(style.name) + " does not go with --format " +
                       std::string(MarkupName(request.markup)) + ": " +
                       std::string(InfoOf(request.markup).title) + " cannot show " +
                       std::string(style.name);
        }
        return "a style the markup cannot show";
    }
    case RequestError::TooFewColors:
        return "too few colours: at least " + std::to_string(kMinGradientColors);
    case RequestError::TooManyColors:
        return "too many colours: at most " + std::to_string(kMaxGradientColors);
    case RequestError::FaceNotTaken:
        return "--face " + Quoted(Utf16ToUtf8(request.face.value_or(u""))) +
               " belongs to --format " + markups;
    case RequestError::FadeOnlyNotTaken: return "--fade-only belongs to --format " + markups;
    case RequestError::LimitNotTaken:
        return "--max-length " + limit() + " does not go with --format " +
               std::string(MarkupName(request.markup)) + ": " +
               std::string(InfoOf(request.markup).limitRefusal);
    case RequestError::ZeroLimit: return "bad --max-length '0': a positive whole number";
    case RequestError::DoesNotFit:
    case RequestError::TooLong:
    case RequestError::OutOfMemory: {
        LinePlan plan;
        plan.maxLength = request.maxLength;
        return LineErrorMessage({error, 0}, plan);
    }
    }
    return "";
}

std::string LineErrorMessage(const LineOutcome& outcome, const LinePlan& plan) {
    switch (outcome.error) {
    case RequestError::DoesNotFit:
        return "cannot fit --max-length " + std::to_string(plan.maxLength.value_or(0)) +
               ": it needs at least " + std::to_string(outcome.shortestLimit);
    case RequestError::TooLong: return "is too long: its output line cannot be held";
    case RequestError::OutOfMemory: return "is too long: out of memory";
    default: return "cannot be made";
    }
}

LineOutcome MakeLine(const LinePlan& plan, std::u16string_view text, std::u16string& line) {
    line.clear();
    LineOutcome outcome;
    if (!plan.maxLength) {
        // The common case, written without making the runs first.
        outcome.error =
            Guarded([&] { AppendGradientLine(line, plan.style, text, plan.colors, plan.blend); });
    } else {
        std::vector<ColorRun> runs;
        outcome = PlannedRuns(plan, text, runs);
        if (outcome.error == RequestError::None)
            outcome.error = Guarded([&] { AppendMarkupLine(line, plan.style, text, runs); });
    }
    if (outcome.error != RequestError::None) line.clear();
    return outcome;
}

LineOutcome MakeLine(const LineRequest& request, std::u16string_view text, std::u16string& line) {
    line.clear();
    LinePlan plan;
    const RequestError error = PlanLine(request, plan);
    if (error != RequestError::None) return {error, 0};
    return MakeLine(plan, text, line);
}

LineOutcome WriteLine(const LinePlan& plan, std::u16string_view text, LineSink& sink) {
    if (!plan.maxLength) {
        LineOutcome outcome;
        outcome.error =
            Guarded([&] { WriteGradientLine(sink, plan.style, text, plan.colors, plan.blend); });
        return outcome;
    }
    std::u16string line;
    const LineOutcome outcome = MakeLine(plan, text, line);
    if (outcome.error == RequestError::None) sink.Put(line);
    return outcome;
}

LineOutcome LineRuns(const LinePlan& plan, std::u16string_view text, std::vector<ColorRun>& runs) {
    return PlannedRuns(plan, text, runs);
}

}  // namespace lumivane
