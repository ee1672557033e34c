// What the gradient tests share: how failures show colours, runs and UTF-16 text.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "gradient/markup.h"

namespace lumivane {

// Every blend and every markup, as the engine's tables list them, so that a table test
// covers a new one without being told.
inline std::vector<Blend> AllBlends() {
    std::vector<Blend> all;
    for (const BlendInfo& info : Blends()) all.push_back(info.blend);
    return all;
}

inline std::vector<Markup> AllMarkups() {
    std::vector<Markup> all;
    for (const MarkupInfo& info : Markups()) all.push_back(info.markup);
    return all;
}

inline void PrintTo(const Rgb& c, std::ostream* out) {
    *out << '(' << int{c.red} << ',' << int{c.green} << ',' << int{c.blue} << ')';
}

inline void PrintTo(const ColorRun& run, std::ostream* out) {
    *out << '[' << run.begin << ',' << run.end << ") ";
    PrintTo(run.color, out);
}

inline bool operator==(const ColorRun& a, const ColorRun& b) {
    return a.begin == b.begin && a.end == b.end && a.color == b.color;
}

// ASCII as itself, anything else as \x{hex}, so a failing line reads in the log.
inline std::string Readable(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            static const char digits[] = "0123456789ABCDEF";
            out += "\\x{";
            bool any = false;
            for (int shift = 12; shift >= 0; shift -= 4) {
                const int d = (c >> shift) & 0xF;
                if (d || any || shift == 0) out += digits[d], any = true;
            }
            out += '}';
        }
    }
    return out;
}

}  // namespace lumivane
