// libFuzzer target: any colours, face and body must give a well-formed chat line.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fade/chat_line.h"
#include "fade/three_color_fade.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

bool IsUpperHex(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'); }

std::u16string CodeOf(lumivane::ColorValue color) {
    const auto c = lumivane::HexToComponents(lumivane::ColorToHex(color));
    const std::string hex = lumivane::ColorToHex(c.red * 65536 + c.green * 256 + c.blue);
    return {hex.begin(), hex.end()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Layout of an input: three colours (4 bytes each), one byte of face length,
    // the face and then the body as UTF-16 code units.
    if (size < 13) return 0;
    lumivane::ColorValue colors[3];
    std::memcpy(colors, data, sizeof colors);
    std::size_t faceUnits = data[12];
    data += 13;
    size -= 13;
    const std::size_t units = size / 2;
    if (faceUnits > units) faceUnits = units;
    std::u16string all(units, u'\0');
    std::memcpy(all.data(), data, units * 2);
    const std::u16string face = all.substr(0, faceUnits), body = all.substr(faceUnits);

    const std::u16string line =
        lumivane::ComposeChatLine(colors[0], colors[1], colors[2], face, body);
    Check(line.size() == 14 + face.size() + 21 * body.size());
    Check(line.compare(0, 12, u"<font face=\"") == 0);
    Check(line.compare(12, face.size(), face) == 0);
    Check(line.compare(12 + face.size(), 2, u"\">") == 0);
    const std::size_t start = 14 + face.size();
    for (std::size_t i = 0; i < body.size(); ++i) {
        const std::size_t at = start + 21 * i;
        Check(line.compare(at, 13, u"<Font Color=#") == 0);
        for (std::size_t k = 0; k < 6; ++k) Check(IsUpperHex(line[at + 13 + k]));
        Check(line[at + 19] == u'>' && line[at + 20] == body[i]);
    }
    const std::size_t front = lumivane::FrontPartLength(body.size());
    if (front > 0) Check(line.compare(start + 21 * (front - 1) + 13, 6, CodeOf(colors[1])) == 0);
    if (!body.empty()) Check(line.compare(line.size() - 8, 6, CodeOf(colors[2])) == 0);
    return 0;
}
