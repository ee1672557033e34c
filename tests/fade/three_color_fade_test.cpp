#include "fade/three_color_fade.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/fade/reference_fade.h"
#include "tests/support/colors.h"
#include "tests/support/narrow.h"

namespace lumivane {
namespace {

// The six colour-code digits of each character of a faded text.
std::vector<std::string> Codes(const std::u16string& faded) {
    std::vector<std::string> codes;
    for (std::size_t at = 0; at + kFadedCharLength <= faded.size(); at += kFadedCharLength)
        codes.push_back(Narrow(faded.substr(at + 13, 6)));
    return codes;
}

std::string CodeOf(ColorValue color) {
    const Components c = HexToComponents(ColorToHex(color));
    return ColorToHex(c.red * 65536 + c.green * 256 + c.blue);
}

TEST(RoundHalfEven, TiesGoToTheEvenIntegerOthersToTheNearest) {
    struct Row {
        double in;
        long long out;
    };
    const Row rows[] = {{0.5, 0},
                        {1.5, 2},
                        {2.5, 2},
                        {3.5, 4},
                        {127.5, 128},
                        {254.5, 254},
                        {0.49999999999999994, 0},
                        {14.500000000000002, 15},
                        {1.4, 1},
                        {1.6, 2},
                        {-0.5, 0},
                        {-1.5, -2},
                        {-2.5, -2},
                        {-1e-14, 0},
                        {255.0, 255}};
    for (const Row& row : rows) EXPECT_EQ(RoundHalfEven(row.in), row.out) << row.in;
}

// A length that wraps around would leave the fade writing far past a short buffer.
TEST(FadedLineLength, RefusesEveryLengthThatWouldWrapAround) {
    constexpr std::size_t kMost = std::numeric_limits<std::size_t>::max();
    struct Row {
        std::size_t prefix;
        std::size_t text;
        bool holds;
    };
    const Row rows[] = {
        {0, 0, true},
        {14, 5, true},
        {0, kMost / kFadedCharLength, true},
        {0, kMost / kFadedCharLength + 1, false},
        {kMost % kFadedCharLength, kMost / kFadedCharLength, true},
        {kMost % kFadedCharLength + 1, kMost / kFadedCharLength, false},
        {kMost, 1, false},
        {kMost, 0, true},
        // The 32-bit build's first text whose 21 code units a character wrap.
        {0, 204522253, sizeof(std::size_t) > 4},
        {20, 204522252, sizeof(std::size_t) > 4},
    };
    for (const Row& row : rows) {
        if (row.holds) {
            EXPECT_EQ(FadedLineLength(row.prefix, row.text),
                      row.prefix + kFadedCharLength * row.text)
                << row.prefix << " + 21 * " << row.text;
        } else {
            EXPECT_THROW(FadedLineLength(row.prefix, row.text), std::length_error)
                << row.prefix << " + 21 * " << row.text;
        }
    }
}

TEST(ThreeColorFade, TextIsCutByHalfRoundedToEven) {
    const std::size_t fronts[] = {0, 0, 1, 2, 2, 2, 3, 4, 4, 4, 5, 6};
    for (std::size_t n = 0; n < std::size(fronts); ++n)
        EXPECT_EQ(FrontPartLength(n), fronts[n]) << "length " << n;
    // Where the cut lies shows in the output: the last front character carries
    // exactly the second colour.
    for (std::size_t n : {5u, 7u, 9u, 11u}) {
        const auto codes = Codes(ThreeColorFade(kBlack, kWhite, kBlack, std::u16string(n, u'x')));
        EXPECT_EQ(codes[fronts[n] - 1], "FFFFFF") << "length " << n;
    }
}

TEST(ThreeColorFade, WorkedExampleRedGreenBlueOverFiveCharacters) {
    EXPECT_EQ(ThreeColorFade(kRed, kGreen, kBlue, u"abcde"),
              u"<Font Color=#808000>a<Font Color=#00FF00>b<Font Color=#00AA55>c"
              u"<Font Color=#0055AA>d<Font Color=#0000FF>e");
}

TEST(ThreeColorFade, ShortTextsAndEqualColours) {
    struct Row {
        ColorValue a, b, c;
        std::u16string text;
        std::vector<std::string> codes;
    };
    const Row rows[] = {
        {kRed, kGreen, kBlue, u"", {}},
        {kRed, kGreen, kBlue, u"q", {"0000FF"}},             // front part empty
        {kRed, kGreen, kBlue, u"qr", {"00FF00", "0000FF"}},  // one character each
        {kBlack, kWhite, kBlack, u"xyz", {"808080", "FFFFFF", "000000"}},
        {1193046, 1193046, 1193046, u"same!", std::vector<std::string>(5, "563412")},
        // A system colour takes part by digit position: red 15, green 0, blue 128.
        {-2147483633, -2147483633, -2147483633, u"s", {"0F0080"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Codes(ThreeColorFade(row.a, row.b, row.c, row.text)), row.codes)
            << Narrow(row.text);
}

TEST(ThreeColorFade, ComponentTiesRoundToEven) {
    // Red from 0 over a front part of two characters: position 1 lands on the
    // half-way value 255/2, 1/2, 3/2, 5/2.
    struct Row {
        int end;
        const char* code;
    };
    const Row rows[] = {{255, "800000"}, {1, "000000"}, {3, "020000"}, {5, "020000"}};
    for (const Row& row : rows) {
        const auto codes = Codes(ThreeColorFade(0, row.end, row.end, u"abcd"));
        EXPECT_EQ(codes[0], row.code) << "end " << row.end;
    }
}

TEST(ThreeColorFade, ArithmeticIsDoublePrecisionInTheStatedOrder) {
    // 7 × (29 / 14) is 14.500000000000002 in double, so red rounds up to 15;
    // exact fractions would give 14.5 and round to 14.
    const auto codes = Codes(ThreeColorFade(0, 29, 29, std::u16string(28, u'm')));
    EXPECT_EQ(codes[6], "0F0000");
}

TEST(ThreeColorFade, CharactersAreCopiedUnescapedAfterTheirTag) {
    const std::u16string text = u"<a href=\"x\">&amp; \u00e9\xd83d\xde00";
    const std::u16string faded = ThreeColorFade(kRed, kGreen, kBlue, text);
    ASSERT_EQ(faded.size(), kFadedCharLength * text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        EXPECT_EQ(faded.substr(i * 21, 13), u"<Font Color=#");
        EXPECT_EQ(faded[i * 21 + 19], u'>');
        EXPECT_EQ(faded[i * 21 + 20], text[i]) << "character " << i;
    }
}

// Random colours (top bytes and negative values included) and texts, checked
// against the plain implementation and the invariants every line must keep.
TEST(ThreeColorFade, AgreesWithThePlainImplementationOnRandomInput) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<std::int64_t> anyColor(INT32_MIN, INT32_MAX);
    std::uniform_int_distribution<int> plainColor(0, 0xFFFFFF);
    std::uniform_int_distribution<int> length(0, 300);
    std::uniform_int_distribution<int> unit(0, 0xFFFF);
    for (int round = 0; round < 2000; ++round) {
        auto color = [&] {
            return round % 2 ? static_cast<ColorValue>(anyColor(random)) : plainColor(random);
        };
        const ColorValue a = color(), b = color(), c = color();
        std::u16string text(static_cast<std::size_t>(length(random)), u' ');
        for (char16_t& ch : text) ch = static_cast<char16_t>(unit(random));

        const std::u16string faded = ThreeColorFade(a, b, c, text);
        ASSERT_EQ(faded, reference::Fade(a, b, c, text)) << a << " " << b << " " << c;
        ASSERT_EQ(faded.size(), kFadedCharLength * text.size());
        const auto codes = Codes(faded);
        for (const std::string& code : codes)
            ASSERT_EQ(code.find_first_not_of("0123456789ABCDEF"), std::string::npos) << code;
        const std::size_t front = FrontPartLength(text.size());
        if (front > 0) {
            ASSERT_EQ(codes[front - 1], CodeOf(b));
        }
        if (!text.empty()) {
            ASSERT_EQ(codes.back(), CodeOf(c));
        }
    }
}

// Long texts between near colours change colour only every few characters: the
// engine makes each tag once per run of equal colours, and the runs' ends must
// fall exactly where the per-character rule puts them.
TEST(ThreeColorFade, LongSlowFadesAgreeWithThePlainImplementation) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> length(8, 6000);
    std::uniform_int_distribution<int> component(0, 255);
    std::uniform_int_distribution<int> spread(0, 40);
    for (int round = 0; round < 300; ++round) {
        auto near = [&](int base) {
            const int c = base + spread(random) - 20;
            return c < 0 ? 0 : c > 255 ? 255 : c;
        };
        const int r = component(random), g = component(random), b = component(random);
        auto color = [&] { return near(r) + near(g) * 256 + near(b) * 65536; };
        const ColorValue first = color(), second = color(), third = color();
        const std::u16string text(static_cast<std::size_t>(length(random)), u'k');
        ASSERT_EQ(ThreeColorFade(first, second, third, text),
                  reference::Fade(first, second, third, text))
            << first << " " << second << " " << third << " length " << text.size();
    }
}

TEST(ThreeColorFade, TextsBeyondSixteenBitLengthsAreFadedByTheSameRules) {
    for (std::size_t n : {32767u, 32768u, 65537u, 100001u}) {
        std::u16string text(n, u'w');
        const std::u16string faded = ThreeColorFade(kRed, kGreen, kBlue, text);
        ASSERT_EQ(faded.size(), kFadedCharLength * n);
        EXPECT_EQ(faded, reference::Fade(kRed, kGreen, kBlue, text)) << "length " << n;
        EXPECT_EQ(Narrow(faded.substr(faded.size() - 8, 6)), "0000FF");
    }
}

}  // namespace
}  // namespace lumivane
