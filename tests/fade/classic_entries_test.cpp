// The three entries of the classic fade against the plain implementation of the
// rules, on edge inputs and on random ones: every entry, every input, byte for byte.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "fade/chat_line.h"
#include "fade/three_color_fade.h"
#include "tests/fade/reference_fade.h"

namespace lumivane {
namespace {

struct Input {
    const char* what;
    ColorValue first, second, third;
    std::u16string text;
    std::u16string face;
};

constexpr ColorValue kRed = 255, kGreen = 65280, kBlue = 16711680;
constexpr ColorValue kLeast = -2147483647 - 1;

std::vector<Input> EdgeInputs() {
    const std::u16string pair = u"\xD83D\xDE00";
    return {
        {"empty text", kRed, kGreen, kBlue, u"", u"Arial"},
        {"empty text and face", kRed, kGreen, kBlue, u"", u""},
        {"one character", kRed, kGreen, kBlue, u"q", u"Arial"},
        {"two characters", kRed, kGreen, kBlue, u"qr", u"Arial"},
        {"4k + 1 characters", kRed, kGreen, kBlue, u"abcde", u"Arial"},
        {"4k + 3 characters", 0, 16777215, 0, u"abcdefg", u"Tahoma"},
        {"29 over 14", 0, 29, 29, std::u16string(28, u'm'), u"Arial"},
        {"equal colours", 1193046, 1193046, 1193046, u"same!", u"x"},
        {"system colours", -2147483633, static_cast<ColorValue>(0x80000005u), -1, u"sys", u"A"},
        {"seven-digit colours", 16777216, 0x0ABCDEF1, 0x0FFFFFFF, u"seven digits", u"A"},
        {"the least and most values", kLeast, 2147483647, kLeast, u"extremes", u"A"},
        {"markup in text and face", kRed, kGreen, kBlue, u"<a href=\"x\">&amp;", u"A\"b<c>"},
        {"a pair across the cut", kRed, kGreen, kBlue, u"a" + pair + u"b", u"Arial"},
        {"a pair at each end", kBlue, kRed, kGreen, pair + u"mid" + pair, u"Arial"},
        {"lone halves", kRed, kGreen, kBlue, u"\xDE00x\xD83D", u"\xD83D"},
        {"control and zero units", kRed, kGreen, kBlue, std::u16string(u"\0\r\n\t\xFFFF", 5), u"A"},
        {"a face and no fade", 0, 0, 0, u"", u"  Palatino  Linotype "},
        {"the window's longest line", kRed, kGreen, kBlue, std::u16string(32767, u'w'), u"Arial"},
        {"one unit past it", 5, 16777215, kLeast, std::u16string(32768, u'v'), u"Arial"},
        {"a slow fade", 0x102030, 0x112131, 0x102030, std::u16string(6001, u'k'), u"Arial"},
    };
}

// Random colours (plain ones, top bytes set, negatives) and random code units,
// surrogate halves among them.
std::vector<Input> RandomInputs() {
    std::mt19937 random(1207);
    std::uniform_int_distribution<std::uint32_t> anyBits;
    std::uniform_int_distribution<int> length(0, 400);
    std::uniform_int_distribution<int> unit(0, 0xFFFF);
    std::vector<Input> inputs;
    for (int round = 0; round < 600; ++round) {
        const auto color = [&] {
            const std::uint32_t bits = anyBits(random);
            return static_cast<ColorValue>(round % 3 == 0 ? bits : bits & 0xFFFFFFu);
        };
        Input input{"random",
                    color(),
                    color(),
                    color(),
                    std::u16string(static_cast<std::size_t>(length(random)), u' '),
                    std::u16string(static_cast<std::size_t>(round % 7), u' ')};
        for (char16_t& c : input.text) c = static_cast<char16_t>(unit(random));
        for (char16_t& c : input.face) c = static_cast<char16_t>(unit(random));
        inputs.push_back(std::move(input));
    }
    return inputs;
}

void ExpectEntriesAgree(const Input& input) {
    const std::u16string faded =
        reference::Fade(input.first, input.second, input.third, input.text);
    const std::u16string line = u"<font face=\"" + input.face + u"\">" + faded;
    const auto what = [&] {
        return std::string(input.what) + " (" + std::to_string(input.first) + ", " +
               std::to_string(input.second) + ", " + std::to_string(input.third) + ", length " +
               std::to_string(input.text.size()) + ")";
    };

    EXPECT_EQ(ThreeColorFade(input.first, input.second, input.third, input.text), faded) << what();

    // Appended behind what the string holds, which stays as it was.
    const std::u16string befores[] = {std::u16string(), input.face, std::u16string(1000, u'#')};
    for (const std::u16string& before : befores) {
        std::u16string out = before;
        AppendThreeColorFade(out, input.first, input.second, input.third, input.text);
        EXPECT_EQ(out, before + faded) << what() << " behind " << before.size() << " units";
    }

    EXPECT_EQ(ComposeChatLine(input.first, input.second, input.third, input.face, input.text), line)
        << what();
}

TEST(ClassicEntries, AgreeWithThePlainImplementationOnEdgeInputs) {
    for (const Input& input : EdgeInputs()) ExpectEntriesAgree(input);
}

TEST(ClassicEntries, AgreeWithThePlainImplementationOnRandomInputs) {
    for (const Input& input : RandomInputs()) ExpectEntriesAgree(input);
}

}  // namespace
}  // namespace lumivane
