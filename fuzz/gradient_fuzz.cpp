// libFuzzer target for the gradient engine: any text, colours, blend, markup and
// length limit. Every line must read back as the text, one tag per run with a
// well-formed colour; a fitted line never exceeds its limit and only differs from
// the unfitted one when that one is too long.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "fade/chat_line.h"
#include "gradient/fit.h"
#include "gradient/gradient.h"
#include "gradient/markup.h"

namespace {

using lumivane::Blend;
using lumivane::ColorRun;
using lumivane::Markup;

void Check(bool condition) {
    if (!condition) std::abort();
}

// How each markup looks, written from its description, apart from the engine's own
// table: a run is open, colour, middle, text, close, or with the text first.
enum class Code { Upper, Lower, Decimal, Section };
struct Look {
    std::u16string prefix, open;
    Code code;
    std::u16string middle, close;
    bool textFirst;
    std::u16string separator, suffix;
};

Look LookOf(Markup markup) {
    switch (markup) {
    case Markup::Aol: return {u"", u"<Font Color=#", Code::Upper, u">", u"", false, u"", u""};
    case Markup::Html:
        return {u"", u"<span style=\"color:#", Code::Lower, u"\">", u"</span>", false, u"", u""};
    case Markup::Ansi: return {u"", u"\x1b[38;2;", Code::Decimal, u"m", u"", false, u"", u"\x1b[0m"};
    case Markup::MiniMessage: return {u"", u"<#", Code::Lower, u">", u"", false, u"", u""};
    case Markup::Ampersand: return {u"", u"&#", Code::Upper, u"", u"", false, u"", u""};
    case Markup::Section: return {u"", u"", Code::Section, u"", u"", false, u"", u""};
    case Markup::BbCode: return {u"", u"[color=#", Code::Upper, u"]", u"[/color]", false, u"", u""};
    case Markup::Json:
        return {u"[", u"{\"text\":\"", Code::Lower, u"\",\"color\":\"#", u"\"}", true, u",", u"]"};
    }
    std::abort();
}

// Reads a line back: `at` moves through it.
class Reader {
public:
    explicit Reader(const std::u16string& line) : line_(line) {}

    void Expect(const std::u16string& piece) {
        Check(line_.compare(at_, piece.size(), piece) == 0);
        at_ += piece.size();
    }
    bool AtEnd() const { return at_ == line_.size(); }

    // A colour code: six hex digits of one case, "§x" and six "§"-digit pairs, or
    // three decimal numbers 0..255 separated by ';'.
    void ExpectColor(Code code) {
        if (code == Code::Decimal) {
            for (int k = 0; k < 3; ++k) {
                if (k > 0) Expect(u";");
                int value = 0, digits = 0;
                while (at_ < line_.size() && line_[at_] >= u'0' && line_[at_] <= u'9' && digits < 4) {
                    value = value * 10 + (line_[at_++] - u'0');
                    ++digits;
                }
                Check(digits >= 1 && digits <= 3 && value <= 255);
            }
            return;
        }
        if (code == Code::Section) Expect(u"\u00A7x");
        for (int k = 0; k < 6; ++k) {
            if (code == Code::Section) Expect(u"\u00A7");
            Check(at_ < line_.size());
            const char16_t c = line_[at_++];
            const bool digit = c >= u'0' && c <= u'9';
            const bool upper = c >= u'A' && c <= u'F', lower = c >= u'a' && c <= u'f';
            Check(digit || (code == Code::Upper ? upper : lower));
        }
    }

    // `units` code units of text as the markup escapes them, unescaped.
    std::u16string ReadText(Markup markup, std::size_t units) {
        std::u16string text;
        while (text.size() < units) {
            Check(at_ < line_.size());
            const char16_t c = line_[at_++];
            if (markup == Markup::Html && c == u'&') {
                static const std::pair<std::u16string, char16_t> entities[] = {
                    {u"amp;", u'&'}, {u"lt;", u'<'}, {u"gt;", u'>'}, {u"quot;", u'"'}, {u"#39;", u'\''}};
                bool found = false;
                for (const auto& [name, value] : entities) {
                    if (line_.compare(at_, name.size(), name) == 0) {
                        at_ += name.size();
                        text += value;
                        found = true;
                        break;
                    }
                }
                Check(found);
            } else if (markup == Markup::Html) {
                Check(c != u'<' && c != u'>' && c != u'"' && c != u'\'');
                text += c;
            } else if (markup == Markup::MiniMessage && c == u'\\') {
                Check(at_ < line_.size() && (line_[at_] == u'\\' || line_[at_] == u'<'));
                text += line_[at_++];
            } else if (markup == Markup::MiniMessage) {
                Check(c != u'<');
                text += c;
            } else if (markup == Markup::Json && c == u'\\') {
                Check(at_ < line_.size());
                const char16_t e = line_[at_++];
                const std::u16string shorts = u"\"\\bfnrt", meant = u"\"\\\b\f\n\r\t";
                const auto k = shorts.find(e);
                if (k != std::u16string::npos) {
                    text += meant[k];
                } else {
                    Check(e == u'u' && line_.compare(at_, 2, u"00") == 0);
                    at_ += 2;
                    int value = 0;
                    for (int d = 0; d < 2; ++d) {
                        Check(at_ < line_.size());
                        const char16_t h = line_[at_++];
                        Check((h >= u'0' && h <= u'9') || (h >= u'a' && h <= u'f'));
                        value = value * 16 + (h <= u'9' ? h - u'0' : h - u'a' + 10);
                    }
                    // Only controls without a short form are written this way.
                    Check(value < 0x20 && value != u'\b' && value != u'\f' && value != u'\n' &&
                          value != u'\r' && value != u'\t');
                    text += static_cast<char16_t>(value);
                }
            } else if (markup == Markup::Json) {
                Check(c >= 0x20 && c != u'"');
                text += c;
            } else {
                text += c;
            }
        }
        Check(text.size() == units);
        return text;
    }

private:
    const std::u16string& line_;
    std::size_t at_ = 0;
};

// The line read back run by run: tags well formed, and the texts of the runs, put
// together, are the text.
void CheckLine(const std::u16string& line, const lumivane::LineStyle& style,
               std::u16string_view text, const std::vector<ColorRun>& runs) {
    const Look look = LookOf(style.markup);
    Reader reader(line);
    if (style.markup == Markup::Aol && style.face) reader.Expect(u"<font face=\"" + *style.face + u"\">");
    else reader.Expect(look.prefix);
    std::u16string back;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        Check(runs[i].begin == back.size() && runs[i].end > runs[i].begin);
        if (i > 0) reader.Expect(look.separator);
        reader.Expect(look.open);
        const std::size_t units = runs[i].end - runs[i].begin;
        if (look.textFirst) {
            back += reader.ReadText(style.markup, units);
            reader.Expect(look.middle);
            reader.ExpectColor(look.code);
        } else {
            reader.ExpectColor(look.code);
            reader.Expect(look.middle);
            back += reader.ReadText(style.markup, units);
        }
        reader.Expect(look.close);
    }
    if (!runs.empty() || style.markup != Markup::Ansi) reader.Expect(look.suffix);
    Check(reader.AtEnd());
    Check(back == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Layout: blend, markup, colour count, flags, limit (2 bytes), the colours (4 bytes
    // each), then the text as UTF-16 code units.
    if (size < 6) return 0;
    const auto blend = lumivane::Blends()[data[0] % lumivane::Blends().size()].blend;
    const auto markup = lumivane::Markups()[data[1] % lumivane::Markups().size()].markup;
    const std::size_t colorCount = 2 + data[2] % 63;
    const std::uint8_t flags = data[3];
    const std::size_t limitField = data[4] | (data[5] << 8);
    data += 6;
    size -= 6;
    if (size < 4 * colorCount) return 0;
    std::vector<lumivane::ColorValue> colors(colorCount);
    std::memcpy(colors.data(), data, 4 * colorCount);
    data += 4 * colorCount;
    size -= 4 * colorCount;
    std::u16string text(size / 2, u'\0');
    std::memcpy(text.data(), data, text.size() * 2);

    lumivane::LineStyle style;
    style.markup = markup;
    if (flags & 1) style.face = u"Arial";

    // One run per unit, each unit whole.
    const std::vector<std::size_t> bounds = lumivane::GradientUnitBounds(text, blend);
    const std::vector<ColorRun> runs = lumivane::GradientRuns(text, colors, blend);
    Check(runs.size() + 1 == bounds.size());
    for (std::size_t i = 0; i < runs.size(); ++i)
        Check(runs[i].begin == bounds[i] && runs[i].end == bounds[i + 1]);
    std::u16string line;
    lumivane::AppendMarkupLine(line, style, text, runs);
    CheckLine(line, style, text, runs);
    std::u16string fused;
    lumivane::AppendGradientLine(fused, style, text, colors, blend);
    Check(fused == line);
    if (blend == Blend::Legacy && markup == Markup::Aol && colorCount == 3 && style.face)
        Check(line == lumivane::ComposeChatLine(colors[0], colors[1], colors[2], u"Arial", text));

    if (markup == Markup::Ansi) return 0;
    Check(lumivane::MarkupLineLength(style, text, runs.size()) == line.size());
    // Limits around the full line's length as often as anywhere else.
    const std::size_t near = limitField % 64;
    const std::size_t limit = flags & 2 ? limitField : (line.size() > near ? line.size() - near : 0);
    const lumivane::FitResult fit = lumivane::FitGradientLine(text, colors, blend, style, limit);
    if (!fit.fits) {
        Check(fit.shortestLimit > limit && fit.runs.empty());
        return 0;
    }
    Check(fit.shortestLimit <= limit);
    std::u16string fitted;
    lumivane::AppendMarkupLine(fitted, style, text, fit.runs);
    Check(fitted.size() <= limit);
    CheckLine(fitted, style, text, fit.runs);
    for (const ColorRun& run : fit.runs) {
        Check(std::binary_search(bounds.begin(), bounds.end(), run.begin));
        Check(std::binary_search(bounds.begin(), bounds.end(), run.end));
    }
    if (line.size() <= limit) Check(fitted == line);
    return 0;
}
