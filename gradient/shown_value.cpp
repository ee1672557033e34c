#include "gradient/shown_value.h"

namespace lumivane {
namespace {

const char kHexDigits[] = "0123456789ABCDEF";

// Length of the UTF-8 sequence that starts at `at`, or 0 if none is there.
std::size_t SequenceLength(std::string_view bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    std::size_t length;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
    else return 0;
    if (bytes.size() - at < length) return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(bytes[at + k]) & 0xC0) != 0x80) return 0;
    // Overlong forms, encoded surrogates and values above U+10FFFF.
    const auto second = static_cast<unsigned char>(bytes[at + 1]);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90))
        return 0;
    return length;
}

void PutHexByte(std::string& out, unsigned value) {
    out += "\\x";
    out += kHexDigits[(value >> 4) & 0xF];
    out += kHexDigits[value & 0xF];
}

}  // namespace

std::string ShownValue(std::string_view value) {
    std::string out;
    std::size_t shown = 0;
    std::size_t at = 0;
    while (at < value.size() && shown < kShownValueLength) {
        const std::size_t length = SequenceLength(value, at);
        const auto byte = static_cast<unsigned char>(value[at]);
        ++shown;
        if (length == 0) {
            PutHexByte(out, byte);  // not UTF-8: the byte itself
            ++at;
            continue;
        }
        if (length == 1) {
            if (byte == '\n') out += "\\n";
            else if (byte == '\r') out += "\\r";
            else if (byte == '\t') out += "\\t";
            else if (byte == '\\') out += "\\\\";
            else if (byte < 0x20 || byte == 0x7F) PutHexByte(out, byte);
            else out += static_cast<char>(byte);
        } else if (length == 2 && byte == 0xC2 &&
                   static_cast<unsigned char>(value[at + 1]) < 0xA0) {
            // C1 control characters (U+0080..U+009F): U+009B alone starts an
            // escape sequence on some terminals. The second byte is the code point.
            const auto code = static_cast<unsigned char>(value[at + 1]);
            out += "\\u{00";
            out += kHexDigits[code >> 4];
            out += kHexDigits[code & 0xF];
            out += '}';
        } else {
            out.append(value, at, length);
        }
        at += length;
    }
    if (at < value.size()) out += "...";
    return out;
}

}  // namespace lumivane
