// A second, deliberately plain implementation of the fade, written from the rules
// and not from the engine's code: strings built digit by digit, rounding through
// the standard library. The engine must agree with it on every input.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace reference {

inline std::string Hex(std::int32_t color) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%X",
                  static_cast<unsigned>(static_cast<std::uint32_t>(color)));
    std::string digits = buffer;
    if (digits.size() < 6) digits.insert(0, 6 - digits.size(), '0');
    return digits;
}

inline int Byte(const std::string& hex, std::size_t at) {
    return static_cast<int>(std::stoi(hex.substr(at, 2), nullptr, 16));
}

struct Rgb {
    int r, g, b;
};

inline Rgb Split(std::int32_t color) {
    const std::string hex = Hex(color);
    return {Byte(hex, hex.size() - 2), Byte(hex, 2), Byte(hex, 0)};
}

// std::nearbyint rounds ties to even in the default rounding mode.
inline int Round(double x) { return static_cast<int>(std::nearbyint(x)); }

inline void Span(std::u16string& out, const std::u16string& part, Rgb from, Rgb to) {
    const int m = static_cast<int>(part.size());
    if (m == 0) return;
    const double sr = double(to.r - from.r) / m, sg = double(to.g - from.g) / m,
                 sb = double(to.b - from.b) / m;
    for (int i = 1; i <= m; ++i) {
        volatile double pr = i * sr, pg = i * sg, pb = i * sb;
        volatile double r = from.r + pr, g = from.g + pg, b = from.b + pb;
        const std::string code = Hex(Round(r) * 65536 + Round(g) * 256 + Round(b));
        for (char c : "<Font Color=#" + code + ">") out.push_back(static_cast<char16_t>(c));
        out.push_back(part[static_cast<std::size_t>(i - 1)]);
    }
}

inline std::u16string Fade(std::int32_t a, std::int32_t b, std::int32_t c,
                           const std::u16string& text) {
    const auto front = static_cast<std::size_t>(Round(static_cast<double>(text.size()) / 2.0));
    std::u16string out;
    Span(out, text.substr(0, front), Split(a), Split(b));
    Span(out, text.substr(front), Split(b), Split(c));
    return out;
}

}  // namespace reference
