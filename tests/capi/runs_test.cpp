// Runs through the C interface: the request API's runs, in bytes of the caller's UTF-8.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gradient/request_options.h"
#include "gradient/utf8.h"
#include "tests/capi/capi_support.h"

namespace lumivane {
namespace {

using test::NewRequest;

struct ByteRun {
    std::size_t begin;
    std::size_t end;
    std::uint32_t rgb;
    bool operator==(const ByteRun& other) const {
        return begin == other.begin && end == other.end && rgb == other.rgb;
    }
};

void PrintTo(const ByteRun& run, std::ostream* out) {
    *out << '[' << run.begin << ',' << run.end << ") " << std::hex << run.rgb << std::dec;
}

std::vector<ByteRun> CapiRuns(lumivane_request* request, const std::string& text,
                              lumivane_status& status) {
    lumivane_run* runs = nullptr;
    std::size_t count = 99;
    status = lumivane_make_runs(request, text.data(), text.size(), &runs, &count);
    std::vector<ByteRun> out;
    for (std::size_t i = 0; i < count; ++i)
        out.push_back({runs[i].begin, runs[i].end, runs[i].rgb});
    EXPECT_EQ(runs == nullptr, count == 0);
    lumivane_free(runs);
    return out;
}

// The request API's runs with each UTF-16 offset measured in UTF-8 bytes; a cut between
// the halves of a pair moves past the pair, and a run left empty goes.
std::vector<ByteRun> ExpectedRuns(const std::vector<std::pair<const char*, const char*>>& options,
                                  const std::string& text) {
    LineRequest request;
    std::string error;
    for (const auto& option : options)
        SetRequestOption(request, option.first, option.second, error);
    LinePlan plan;
    EXPECT_EQ(PlanLine(request, plan), RequestError::None);
    const std::u16string wide = *Utf8ToUtf16(text);
    std::vector<ColorRun> runs;
    EXPECT_EQ(LineRuns(plan, wide, runs).error, RequestError::None);
    const auto bytes = [&](std::size_t unit) {
        if (SplitsPair(wide, unit)) ++unit;
        return Utf16ToUtf8(wide.substr(0, unit)).size();
    };
    std::vector<ByteRun> out;
    for (const ColorRun& run : runs) {
        const ByteRun byteRun{bytes(run.begin), bytes(run.end),
                              std::uint32_t{run.color.red} << 16 |
                                  std::uint32_t{run.color.green} << 8 | run.color.blue};
        if (byteRun.begin < byteRun.end) out.push_back(byteRun);
    }
    return out;
}

TEST(CapiRuns, AreTheRequestApisRunsInUtf8Bytes) {
    const std::vector<std::vector<std::pair<const char*, const char*>>> requests = {
        {},
        {{"blend", "rgb"}},
        {{"format", "html"}, {"blend", "oklab"}, {"colors", "#ff0000,#00ff00,#0000ff"}},
        {{"format", "minimessage"}, {"max-length", "60"}},
        {{"max-length", "90"}, {"colors", "255,16711680"}},
    };
    const std::string texts[] = {
        "Hi!",
        "na\xC3\xAFve cafe\xCC\x81",
        "\xF0\x9F\x98\x80\xF0\x9F\x98\x81 emoji",
        "\xE2\x82\xAC\xF0\x9F\x87\xAB\xF0\x9F\x87\xB7 flags and a longer line to fit",
    };
    for (const auto& options : requests) {
        const auto request = NewRequest();
        for (const auto& option : options)
            ASSERT_EQ(lumivane_request_set(request.get(), option.first, option.second),
                      LUMIVANE_OK);
        for (const std::string& text : texts) {
            SCOPED_TRACE(text);
            lumivane_status status;
            const std::vector<ByteRun> runs = CapiRuns(request.get(), text, status);
            ASSERT_EQ(status, LUMIVANE_OK) << lumivane_request_error(request.get());
            EXPECT_EQ(runs, ExpectedRuns(options, text));
            // They cover the text in order, each a whole number of characters.
            std::size_t at = 0;
            for (const ByteRun& run : runs) {
                EXPECT_EQ(run.begin, at);
                EXPECT_LT(run.begin, run.end);
                at = run.end;
                EXPECT_TRUE(Utf8ToUtf16(text.substr(run.begin, run.end - run.begin)).has_value());
            }
            EXPECT_EQ(at, text.size());
        }
    }
}

// The legacy blend colours each half of a pair: the character goes whole to its first
// half's run, in the first half's colour.
TEST(CapiRuns, ASplitPairGoesWholeToItsFirstHalfsRun) {
    const auto request = NewRequest();
    ASSERT_EQ(lumivane_request_set(request.get(), "colors", "#ff0000,#0000ff"), LUMIVANE_OK);
    const std::string text = "\xF0\x9F\x98\x80\xF0\x9F\x98\x81";  // four code units
    lumivane_status status;
    const std::vector<ByteRun> runs = CapiRuns(request.get(), text, status);
    ASSERT_EQ(status, LUMIVANE_OK);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].begin, 0u);
    EXPECT_EQ(runs[0].end, 4u);
    EXPECT_EQ(runs[1].begin, 4u);
    EXPECT_EQ(runs[1].end, 8u);
    EXPECT_EQ(runs, ExpectedRuns({{"colors", "#ff0000,#0000ff"}}, text));
}

TEST(CapiRuns, RefusalsAndTheEmptyText) {
    const auto request = NewRequest();
    lumivane_status status;
    EXPECT_TRUE(CapiRuns(request.get(), "", status).empty());
    EXPECT_EQ(status, LUMIVANE_OK);
    EXPECT_TRUE(CapiRuns(request.get(), "bad \xF8 byte", status).empty());
    EXPECT_EQ(status, LUMIVANE_ERROR_BAD_TEXT);
    ASSERT_EQ(lumivane_request_set(request.get(), "max-length", "5"), LUMIVANE_OK);
    EXPECT_TRUE(CapiRuns(request.get(), "too long for five", status).empty());
    EXPECT_EQ(status, LUMIVANE_ERROR_DOES_NOT_FIT);
    EXPECT_GT(lumivane_request_shortest_limit(request.get()), 5u);
}

}  // namespace
}  // namespace lumivane
