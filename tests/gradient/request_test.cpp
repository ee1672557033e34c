// The engine's front door: what a request resolves to, what it refuses and the line it
// makes, as every front end sees it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gradient/presets.h"
#include "gradient/request.h"
#include "gradient/request_options.h"
#include "gradient/utf8.h"
#include "tests/gradient/support.h"

namespace lumivane {
namespace {

// A request from command-line style options, failing the test on a bad one.
LineRequest Request(
    const std::vector<std::pair<std::string, std::optional<std::string>>>& options) {
    LineRequest request;
    for (const auto& [name, value] : options) {
        std::string error;
        EXPECT_EQ(SetRequestOption(request, name, value, error), OptionResult::Set) << error;
    }
    return request;
}

TEST(Request, ResolvesPresetsDefaultsAndReverse) {
    const std::vector<ColorValue> pride = FindPreset("pride")->colors;
    struct Row {
        const char* named;
        LineRequest request;
        std::vector<ColorValue> colors;
        Blend blend;
        HuePath hue;
    };
    const Row rows[] = {
        {"nothing: the classic colours and blend",
         Request({}),
         {255, 65280, 16711680},
         Blend::Legacy,
         HuePath::Shorter},
        {"a chat's default blend",
         Request({{"format", "html"}}),
         {255, 65280, 16711680},
         Blend::Rgb,
         HuePath::Shorter},
        {"a preset's colours", Request({{"preset", "pride"}, {"format", "bbcode"}}), pride,
         Blend::Rgb, HuePath::Shorter},
        {"a preset's blend", Request({{"preset", "pastel"}}), FindPreset("pastel")->colors,
         Blend::Oklab, HuePath::Shorter},
        {"--colors wins over the preset, before or after it",
         Request({{"colors", "1,2"}, {"preset", "pride"}}),
         {1, 2},
         Blend::Legacy,
         HuePath::Shorter},
        {"--blend wins over the preset's", Request({{"preset", "pastel"}, {"blend", "rgb"}}),
         FindPreset("pastel")->colors, Blend::Rgb, HuePath::Shorter},
        {"reversed",
         Request({{"colors", "1,2,3"}, {"reverse", std::nullopt}}),
         {3, 2, 1},
         Blend::Legacy,
         HuePath::Shorter},
        {"a reversed preset",
         Request({{"preset", "bi"}, {"reverse", ""}}),
         {FindPreset("bi")->colors[2], FindPreset("bi")->colors[1], FindPreset("bi")->colors[0]},
         Blend::Legacy,
         HuePath::Shorter},
    };
    for (const Row& row : rows) {
        LinePlan plan;
        ASSERT_EQ(PlanLine(row.request, plan), RequestError::None) << row.named;
        EXPECT_EQ(plan.colors, row.colors) << row.named;
        EXPECT_EQ(plan.blend.blend, row.blend) << row.named;
        EXPECT_EQ(plan.blend.hue, row.hue) << row.named;
    }
}

// What does not go together is refused with a message in the tool's terms.
TEST(Request, RefusesWhatDoesNotGoTogether) {
    struct Row {
        LineRequest request;
        RequestError error;
        std::string message;
    };
    LineRequest tooFew;
    tooFew.colors = std::vector<ColorValue>{1};
    LineRequest tooMany;
    tooMany.colors = std::vector<ColorValue>(65, 1);
    LineRequest zero;
    zero.maxLength = 0;
    LineRequest badPreset;
    badPreset.preset = "sepia";
    const Row rows[] = {
        {tooFew, RequestError::TooFewColors, "too few colours: at least 2"},
        {tooMany, RequestError::TooManyColors, "too many colours: at most 64"},
        {badPreset, RequestError::UnknownPreset, "unknown --preset 'sepia': rainbow,"},
        {Request({{"format", "html"}, {"face", "Tahoma"}}), RequestError::FaceNotTaken,
         "--face 'Tahoma' belongs to --format aol"},
        {Request({{"format", "json"}, {"fade-only", std::nullopt}}), RequestError::FadeOnlyNotTaken,
         "--fade-only belongs to --format aol"},
        {Request({{"format", "ansi256"}, {"max-length", "9"}}), RequestError::LimitNotTaken,
         "--max-length 9 does not go with --format ansi256: a terminal has no line limit"},
        {zero, RequestError::ZeroLimit, "bad --max-length '0'"},
        {Request({{"hue", "longer"}}), RequestError::HueNotTaken,
         "--hue does not go with --blend legacy"},
        {Request({{"format", "discord"}, {"italic", std::nullopt}}), RequestError::StyleNotShown,
         "--italic does not go with --format discord: Discord cannot show italic"},
        {Request({{"format", "html"}, {"obfuscated", std::nullopt}}), RequestError::StyleNotShown,
         "Web page (HTML) cannot show obfuscated"},
        {Request({{"strikethrough", std::nullopt}}), RequestError::StyleNotShown,
         "cannot show strikethrough"},
    };
    for (const Row& row : rows) {
        LinePlan plan;
        EXPECT_EQ(PlanLine(row.request, plan), row.error) << row.message;
        EXPECT_NE(RequestErrorMessage(row.error, row.request).find(row.message), std::string::npos)
            << RequestErrorMessage(row.error, row.request);
    }
}

// Bad option values are refused as the tool refuses them, naming the value.
TEST(Request, OptionValuesAreCheckedByName) {
    struct Row {
        std::string name;
        std::optional<std::string> value;
        OptionResult result;
        std::string message;
    };
    const Row rows[] = {
        {"hue", "sideways", OptionResult::Bad,
         "unknown --hue 'sideways': shorter, longer, increasing or decreasing"},
        {"preset", "Pride", OptionResult::Bad, "unknown --preset 'Pride'"},
        {"bold", "yes", OptionResult::Bad, "option --bold takes no value, not 'yes'"},
        {"reverse", "1", OptionResult::Bad, "option --reverse takes no value"},
        {"colors", std::nullopt, OptionResult::Bad, "option --colors needs a value"},
        {"colour", "1,2", OptionResult::Unknown, "unknown option '--colour'"},
        {"format", "irc99", OptionResult::Bad,
         "bbcode, json, irc, irc16, irchex, discord or ansi256"},
    };
    for (const Row& row : rows) {
        LineRequest request;
        std::string error;
        EXPECT_EQ(SetRequestOption(request, row.name, row.value, error), row.result) << row.name;
        EXPECT_NE(error.find(row.message), std::string::npos) << error;
    }
}

// The lists that a front end shows come from the tables: a new markup, blend, style or
// preset appears in the help and the messages without being named there.
TEST(Request, HelpAndMessagesNameEveryTableEntry) {
    const std::string help = RequestOptionsHelp();
    std::string error;
    LineRequest request;
    SetRequestOption(request, "format", std::string("?"), error);
    for (const MarkupInfo& markup : Markups()) {
        EXPECT_NE(help.find(std::string(markup.name)), std::string::npos) << markup.name;
        EXPECT_NE(error.find(std::string(markup.name)), std::string::npos) << markup.name;
    }
    for (const BlendInfo& blend : Blends())
        EXPECT_NE(help.find(std::string(blend.name) + ":"), std::string::npos) << blend.name;
    for (const StyleInfo& style : Styles())
        EXPECT_NE(help.find("--" + std::string(style.name)), std::string::npos) << style.name;
    for (const Preset& preset : Presets())
        EXPECT_NE(help.find(std::string(preset.name)), std::string::npos) << preset.name;
    for (const std::string_view line : {std::string_view(help)})
        for (std::size_t at = 0, next; at < line.size(); at = next + 1) {
            next = line.find('\n', at);
            EXPECT_LE(next - at, 80u) << line.substr(at, next - at);
        }
}

TEST(Presets, AreNamedOnceWithTwoToSixtyFourColours) {
    for (const char* required :
         {"rainbow", "pastel", "pride", "trans", "bi", "pan", "lesbian", "nonbinary"})
        EXPECT_TRUE(FindPreset(required)) << required;
    EXPECT_GE(Presets().size(), 12u);
    for (const Preset& preset : Presets()) {
        EXPECT_EQ(FindPreset(preset.name), &preset) << preset.name;
        EXPECT_GE(preset.colors.size(), kMinGradientColors);
        EXPECT_LE(preset.colors.size(), kMaxGradientColors);
    }
    // As --list-presets prints them: the flag's published colours, red first.
    EXPECT_EQ(PresetLine(*FindPreset("trans")),
              "trans #5BCEFA,#F5A9B8,#FFFFFF,#F5A9B8,#5BCEFA - -");
}

// One call makes the line the writers make; streamed, it is the same line; a line that
// cannot fit says the shortest limit it needs.
TEST(Request, MakesStreamsAndFitsTheSameLine) {
    const std::u16string text = u"Hello, 12 w\u00f6rld \U0001F468\u200D\U0001F469\u200D\U0001F467!";
    for (const MarkupInfo& markup : Markups()) {
        LineRequest request;
        request.markup = markup.markup;
        std::u16string line;
        ASSERT_EQ(MakeLine(request, text, line).error, RequestError::None);
        LinePlan plan;
        ASSERT_EQ(PlanLine(request, plan), RequestError::None);
        std::u16string direct;
        AppendGradientLine(direct, plan.style, text, plan.colors, plan.blend);
        EXPECT_EQ(line, direct) << markup.name;
        struct Sink final : LineSink {
            void Put(std::u16string_view piece) override { got.append(piece); }
            std::u16string got;
        } sink;
        EXPECT_EQ(WriteLine(plan, text, sink).error, RequestError::None);
        EXPECT_EQ(sink.got, line) << markup.name;
        if (!markup.limitRefusal.empty()) continue;
        plan.maxLength = 12;
        const LineOutcome outcome = MakeLine(plan, text, line);
        EXPECT_EQ(outcome.error, RequestError::DoesNotFit) << markup.name;
        EXPECT_TRUE(line.empty());
        EXPECT_GT(outcome.shortestLimit, 12u);
        plan.maxLength = outcome.shortestLimit;
        EXPECT_EQ(MakeLine(plan, text, line).error, RequestError::None) << markup.name;
        std::vector<ColorRun> runs;
        EXPECT_EQ(LineRuns(plan, text, runs).error, RequestError::None);
        EXPECT_EQ(runs.size(), 1u) << markup.name;
    }
}

}  // namespace
}  // namespace lumivane
