// libFuzzer target for the gradient engine: any text, colours, blend, markup and
// length limit. Every line must read back as the text, one tag per run with a
// well-formed colour; a fitted line never exceeds its limit and only differs from
// the unfitted one when that one is too long.
#include <algorithm>
#include <cctype>
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
// table: a run is open, colour, middle, text, close, or with the text first. Palette
// codes: two digits below `codes`, "3" and a digit below 8, or a decimal 16-255.
enum class Code { Upper, Lower, Decimal, Section, TwoDigits, Thirty, Xterm };
struct Look {
    std::u16string prefix, open;
    Code code;
    std::u16string middle, close;
    bool textFirst;
    std::u16string separator, suffix;
    int codes = 0;      // TwoDigits: how many codes the palette has
    bool trap = false;  // IRC: a run's text starting with a comma and a digit is guarded
    bool hexTrap = false;
};

// The styles of a line as each markup writes them: once at the start (and closed at
// the end), or with every colour code (before it or after it).
struct StyleLook {
    std::u16string start, end, beforeCode, afterCode;
};

StyleLook StyleLookOf(Markup markup, unsigned styles) {
    const auto has = [styles](int k) { return (styles >> k & 1u) != 0; };
    StyleLook look;
    const auto tags = [&](std::initializer_list<const char16_t*> open,
                          std::initializer_list<const char16_t*> close) {
        int k = 0;
        for (const char16_t* tag : open) {
            if (has(k) && *tag) look.start += tag;
            ++k;
        }
        k = 0;
        for (const char16_t* tag : close) {
            if (has(k) && *tag) look.end = tag + look.end;
            ++k;
        }
    };
    switch (markup) {
    case Markup::Aol: tags({u"<b>", u"<i>", u"<u>", u"", u""}, {}); break;
    case Markup::Html:
        tags({u"<b>", u"<i>", u"<u>", u"<s>", u""}, {u"</b>", u"</i>", u"</u>", u"</s>", u""});
        break;
    case Markup::BbCode:
        tags({u"[b]", u"[i]", u"[u]", u"[s]", u""}, {u"[/b]", u"[/i]", u"[/u]", u"[/s]", u""});
        break;
    case Markup::MiniMessage: tags({u"<b>", u"<i>", u"<u>", u"<st>", u"<obf>"}, {}); break;
    case Markup::Irc:
    case Markup::Irc16:
    case Markup::IrcHex: tags({u"\x02", u"\x1D", u"\x1F", u"\x1E", u""}, {}); break;
    case Markup::Ansi:
    case Markup::Ansi256: {
        std::u16string codes;
        const char16_t* numbers[] = {u"1", u"3", u"4", u"9"};
        for (int k = 0; k < 4; ++k)
            if (has(k)) codes += (codes.empty() ? u"" : u";") + std::u16string(numbers[k]);
        if (!codes.empty()) look.start = u"\x1b[" + codes + u"m";
        break;
    }
    case Markup::Ampersand: {
        const char16_t* codes[] = {u"&l", u"&o", u"&n", u"&m", u"&k"};
        for (int k = 0; k < 5; ++k)
            if (has(k)) look.afterCode += codes[k];
        break;
    }
    case Markup::Section: {
        const char16_t* codes[] = {u"\u00A7l", u"\u00A7o", u"\u00A7n", u"\u00A7m", u"\u00A7k"};
        for (int k = 0; k < 5; ++k)
            if (has(k)) look.afterCode += codes[k];
        break;
    }
    case Markup::Json: {
        const char16_t* names[] = {u"bold", u"italic", u"underlined", u"strikethrough",
                                   u"obfuscated"};
        for (int k = 0; k < 5; ++k)
            if (has(k)) look.afterCode += u",\"" + std::u16string(names[k]) + u"\":true";
        break;
    }
    case Markup::Discord:
        if (has(0)) look.beforeCode += u"1;";
        if (has(2)) look.beforeCode += u"4;";
        break;
    }
    return look;
}

Look LookOf(Markup markup) {
    switch (markup) {
    case Markup::Aol: return {u"", u"<Font Color=#", Code::Upper, u">", u"", false, u"", u""};
    case Markup::Html:
        return {u"", u"<span style=\"color:#", Code::Lower, u"\">", u"</span>", false, u"", u""};
    case Markup::Ansi:
        return {u"", u"\x1b[38;2;", Code::Decimal, u"m", u"", false, u"", u"\x1b[0m"};
    case Markup::MiniMessage: return {u"", u"<#", Code::Lower, u">", u"", false, u"", u""};
    case Markup::Ampersand: return {u"", u"&#", Code::Upper, u"", u"", false, u"", u""};
    case Markup::Section: return {u"", u"", Code::Section, u"", u"", false, u"", u""};
    case Markup::BbCode: return {u"", u"[color=#", Code::Upper, u"]", u"[/color]", false, u"", u""};
    case Markup::Json:
        return {u"[", u"{\"text\":\"", Code::Lower, u"\",\"color\":\"#", u"\"}", true, u",", u"]"};
    case Markup::Irc:
        return {u"", u"\x03", Code::TwoDigits, u"", u"", false, u"", u"", 99, true, false};
    case Markup::Irc16:
        return {u"", u"\x03", Code::TwoDigits, u"", u"", false, u"", u"", 16, true, false};
    case Markup::IrcHex:
        return {u"", u"\x04", Code::Upper, u"", u"", false, u"", u"", 0, false, true};
    case Markup::Discord:
        return {u"```ansi\n", u"\x1b[", Code::Thirty, u"m", u"", false, u"", u"\x1b[0m\n```"};
    case Markup::Ansi256:
        return {u"", u"\x1b[38;5;", Code::Xterm, u"m", u"", false, u"", u"\x1b[0m"};
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
    bool Next(const std::u16string& piece) const {
        return line_.compare(at_, piece.size(), piece) == 0;
    }

    // A colour code: six hex digits of one case, "§x" and six "§"-digit pairs, or
    // three decimal numbers 0..255 separated by ';'.
    void ExpectColor(Code code, int codes = 0) {
        const auto number = [&](int most) {
            int value = 0, digits = 0;
            while (at_ < line_.size() && line_[at_] >= u'0' && line_[at_] <= u'9' && digits < 4) {
                value = value * 10 + (line_[at_++] - u'0');
                ++digits;
            }
            Check(digits >= 1 && digits <= 3 && value <= most);
            return value;
        };
        if (code == Code::TwoDigits) {
            Check(at_ + 2 <= line_.size());
            const char16_t high = line_[at_++], low = line_[at_++];
            Check(high >= u'0' && high <= u'9' && low >= u'0' && low <= u'9');
            Check((high - u'0') * 10 + (low - u'0') < codes);
            return;
        }
        if (code == Code::Thirty) {
            Expect(u"3");
            Check(at_ < line_.size() && line_[at_] >= u'0' && line_[at_] <= u'7');
            ++at_;
            return;
        }
        if (code == Code::Xterm) {
            Check(number(255) >= 16);
            return;
        }
        if (code == Code::Decimal) {
            for (int k = 0; k < 3; ++k) {
                if (k > 0) Expect(u";");
                int value = 0, digits = 0;
                while (at_ < line_.size() && line_[at_] >= u'0' && line_[at_] <= u'9' &&
                       digits < 4) {
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
                static const std::pair<std::u16string, char16_t> entities[] = {{u"amp;", u'&'},
                                                                               {u"lt;", u'<'},
                                                                               {u"gt;", u'>'},
                                                                               {u"quot;", u'"'},
                                                                               {u"#39;", u'\''}};
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
    const StyleLook styles = StyleLookOf(style.markup, style.styles);
    const bool terminal = style.markup == Markup::Ansi || style.markup == Markup::Ansi256;
    Reader reader(line);
    if (style.markup == Markup::Aol && style.face)
        reader.Expect(u"<font face=\"" + *style.face + u"\">");
    else reader.Expect(look.prefix);
    // A terminal line without runs has no styles to reset.
    if (!terminal || !runs.empty()) reader.Expect(styles.start);
    std::u16string back;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        Check(runs[i].begin == back.size() && runs[i].end > runs[i].begin);
        // A palette line has a code only where the colour changes.
        if (look.code == Code::TwoDigits || look.code == Code::Thirty || look.code == Code::Xterm)
            Check(i == 0 || runs[i].color != runs[i - 1].color);
        if (i > 0) reader.Expect(look.separator);
        reader.Expect(look.open);
        const std::size_t units = runs[i].end - runs[i].begin;
        const std::u16string_view runText = text.substr(runs[i].begin, units);
        if (look.textFirst) {
            back += reader.ReadText(style.markup, units);
            reader.Expect(look.middle);
            reader.ExpectColor(look.code, look.codes);
            // JSON: the styles follow the colour's closing quote.
            reader.Expect(u"\"" + styles.afterCode + look.close.substr(1));
        } else {
            reader.Expect(styles.beforeCode);
            reader.ExpectColor(look.code, look.codes);
            reader.Expect(styles.afterCode);
            reader.Expect(look.middle);
            const bool trap =
                runText.size() >= 2 && runText[0] == u',' &&
                ((look.trap && runText[1] >= u'0' && runText[1] <= u'9') ||
                 (look.hexTrap && std::isxdigit(static_cast<unsigned char>(runText[1] & 0x7F)) &&
                  runText[1] < 0x80));
            if (trap) reader.Expect(u"\x02\x02");
            back += reader.ReadText(style.markup, units);
            reader.Expect(look.close);
        }
    }
    if (!runs.empty() || !terminal) reader.Expect(styles.end + look.suffix);
    Check(reader.AtEnd());
    Check(back == text);
}

// The length of a line in the markup's unit: UTF-16 code units, or UTF-8 bytes for IRC.
std::size_t LengthInUnit(Markup markup, const std::u16string& line) {
    if (lumivane::InfoOf(markup).unit == lumivane::LengthUnit::Utf16) return line.size();
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char16_t c = line[i];
        if (c < 0x80) bytes += 1;
        else if (c < 0x800) bytes += 2;
        else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < line.size() && line[i + 1] >= 0xDC00 &&
                 line[i + 1] <= 0xDFFF)
            bytes += 4, ++i;
        else bytes += 3;
    }
    return bytes;
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
    // The styles the markup can show, from the flags' upper bits.
    style.styles = (flags >> 3) & lumivane::InfoOf(markup).styles;
    const bool palette = lumivane::InfoOf(markup).palette;

    // One run per unit, each unit whole; a palette line a run per code.
    const std::vector<std::size_t> bounds = lumivane::GradientUnitBounds(text, blend);
    const std::vector<ColorRun> runs = lumivane::MarkupRuns(text, colors, blend, markup);
    if (!palette) {
        Check(runs.size() + 1 == bounds.size());
        for (std::size_t i = 0; i < runs.size(); ++i)
            Check(runs[i].begin == bounds[i] && runs[i].end == bounds[i + 1]);
    }
    std::u16string line;
    lumivane::AppendMarkupLine(line, style, text, runs);
    CheckLine(line, style, text, runs);
    std::u16string fused;
    lumivane::AppendGradientLine(fused, style, text, colors, blend);
    Check(fused == line);
    if (blend == Blend::Legacy && markup == Markup::Aol && colorCount == 3 && style.face &&
        style.styles == 0)
        Check(line == lumivane::ComposeChatLine(colors[0], colors[1], colors[2], u"Arial", text));

    if (!lumivane::InfoOf(markup).limitRefusal.empty()) return 0;
    const std::size_t length = LengthInUnit(markup, line);
    Check(lumivane::MarkupLineLength(style, text, runs) == length);
    // Limits around the full line's length as often as anywhere else.
    const std::size_t near = limitField % 64;
    const std::size_t limit = flags & 2 ? limitField : (length > near ? length - near : 0);
    const lumivane::FitResult fit = lumivane::FitGradientLine(text, colors, blend, style, limit);
    if (!fit.fits) {
        Check(fit.shortestLimit > limit && fit.runs.empty());
        return 0;
    }
    Check(fit.shortestLimit <= limit);
    std::u16string fitted;
    lumivane::AppendMarkupLine(fitted, style, text, fit.runs);
    Check(LengthInUnit(markup, fitted) <= limit);
    CheckLine(fitted, style, text, fit.runs);
    for (const ColorRun& run : fit.runs) {
        Check(std::binary_search(bounds.begin(), bounds.end(), run.begin));
        Check(std::binary_search(bounds.begin(), bounds.end(), run.end));
    }
    if (length <= limit) Check(fitted == line);
    return 0;
}
