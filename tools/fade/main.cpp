// lumivane-fade: the fade engine on the command line, for scripts, for a preview
// in a terminal and for checking the engine from outside.
#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "fade/chat_line.h"
#include "fade/three_color_fade.h"
#include "tools/fade/options.h"
#include "tools/fade/utf8.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace lumivane {
namespace {

// The text in its own colours, for a person to look at in a terminal.
std::string Preview(const FadeOptions& options, std::u16string_view text) {
    const std::u16string faded =
        ThreeColorFade(options.colors[0], options.colors[1], options.colors[2], text);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::u16string_view code(faded.data() + i * kFadedCharLength + 13, 6);
        const std::string hex = Utf16ToUtf8(code);
        // The code reads red, green, blue, the reverse of a colour value's order, so
        // the outer components come back swapped.
        const Components c = HexToComponents(hex);
        out += "\x1b[38;2;" + std::to_string(c.blue) + ";" + std::to_string(c.green) + ";" +
               std::to_string(c.red) + "m";
        // Keep a surrogate pair together, in the colour of its first half.
        std::size_t units = 1;
        if (i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF &&
            text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            units = 2;
        out += Utf16ToUtf8(text.substr(i, units));
        i += units - 1;
    }
    return out + "\x1b[0m";
}

std::string Render(const FadeOptions& options, const std::u16string& face,
                   std::u16string_view text) {
    const auto& c = options.colors;
    switch (options.output) {
    case FadeOutput::FadeOnly: return Utf16ToUtf8(ThreeColorFade(c[0], c[1], c[2], text));
    case FadeOutput::Preview: return Preview(options, text);
    case FadeOutput::ChatLine: break;
    }
    return Utf16ToUtf8(ComposeChatLine(c[0], c[1], c[2], face, text));
}

int Run(const std::vector<std::string>& args) {
    std::string error;
    const auto options = ParseFadeOptions(args, error);
    if (!options) {
        std::cerr << "lumivane-fade: " << error << "\n";
        return 2;
    }
    if (options->help) {
        std::cout << kFadeUsage;
        return 0;
    }
    const auto face = Utf8ToUtf16(options->face);
    if (!face) {
        std::cerr << "lumivane-fade: the face given with --face is not valid UTF-8\n";
        return 2;
    }

    std::vector<std::string> texts;
    if (!options->words.empty()) {
        std::string joined = options->words[0];
        for (std::size_t i = 1; i < options->words.size(); ++i) joined += " " + options->words[i];
        texts.push_back(std::move(joined));
    } else {
        const std::string input{std::istreambuf_iterator<char>(std::cin), {}};
        std::size_t start = 0;
        while (start < input.size()) {
            std::size_t end = input.find('\n', start);
            if (end == std::string::npos) end = input.size();
            std::string line = input.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            texts.push_back(std::move(line));
            start = end + 1;
        }
    }

    // Everything is converted before anything is printed: bad input prints nothing.
    std::string out;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto text = Utf8ToUtf16(texts[i]);
        if (!text) {
            const std::string where = options->words.empty()
                                          ? "input line " + std::to_string(i + 1)
                                          : std::string("the text");
            std::cerr << "lumivane-fade: " << where << " is not valid UTF-8\n";
            return 1;
        }
        out += Render(*options, *face, *text);
        out += '\n';
    }
    std::cout.write(out.data(), static_cast<std::streamsize>(out.size()));
    std::cout.flush();
    return std::cout ? 0 : 1;
}

}  // namespace
}  // namespace lumivane

#ifdef _WIN32
// Arguments arrive as UTF-16 and are taken as UTF-8 from here on; standard input
// and output are bytes, so UTF-8 passes through unchanged.
int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const std::u16string wide(reinterpret_cast<const char16_t*>(argv[i]));
        args.push_back(lumivane::Utf16ToUtf8(wide));
    }
    return lumivane::Run(args);
}
#else
int main(int argc, char** argv) { return lumivane::Run({argv + 1, argv + argc}); }
#endif
