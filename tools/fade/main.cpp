// lumivane-fade: the gradient engine on the command line, for scripts, for a
// preview in a terminal and for checking the engine from outside.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "gradient/presets.h"
#include "gradient/text_lines.h"
#include "gradient/utf8.h"
#include "tools/fade/fade_stream.h"
#include "tools/fade/line_reader.h"
#include "tools/fade/options.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace lumivane {
namespace {

void Complain(const std::string& message) {
    std::fputs(("lumivane-fade: " + message + "\n").c_str(), stderr);
}

// Standard input as it comes: a pipe or a terminal hands over what it has, so a
// line is coloured as soon as it arrives.
long long ReadStandardInput(char* buffer, std::size_t size, std::string& reason) {
    for (;;) {
#ifdef _WIN32
        const int got =
            _read(0, buffer, static_cast<unsigned>(size < 0x40000000 ? size : 0x40000000));
#else
        const ssize_t got = read(STDIN_FILENO, buffer, size);
#endif
        if (got >= 0) return got;
        if (errno == EINTR) continue;
        reason = std::strerror(errno);
        return -1;
    }
}

bool WriteStandardOutput(std::string_view bytes, std::string& reason) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && !std::ferror(stdout))
        return true;
    if (reason.empty()) reason = std::strerror(errno);
    return false;
}

// Every buffered byte out; false (and the reason) when the output cannot take them.
bool FlushStandardOutput(std::string& reason) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return true;
    if (reason.empty()) reason = std::strerror(errno);
    return false;
}

int Run(const std::vector<std::string>& args) {
    std::string error;
    const auto options = ParseFadeOptions(args, error);
    if (!options) {
        Complain(error);
        return kFadeBadOption;
    }
    std::string writeFailure;
    if (options->help) {
        if (WriteStandardOutput(FadeUsage(), writeFailure) && FlushStandardOutput(writeFailure))
            return kFadeDone;
        Complain("cannot write the output: " + writeFailure);
        return kFadeCannotDo;
    }

    if (options->listPresets) {
        std::string list;
        for (const Preset& preset : Presets()) list += PresetLine(preset) + "\n";
        if (WriteStandardOutput(list, writeFailure) && FlushStandardOutput(writeFailure))
            return kFadeDone;
        Complain("cannot write the output: " + writeFailure);
        return kFadeCannotDo;
    }
    const FadePlan plan = MakeFadePlan(*options, ChoosePreviewDepth(*options, [](const char* name) {
        return static_cast<const char*>(std::getenv(name));
    }));
    std::string readFailure;
    FadeStream stream;
    stream.write = [&](std::string_view bytes) { return WriteStandardOutput(bytes, writeFailure); };

    // TEXT words are one text; its line breaks make lines, as the input's do.
    std::string text;
    std::vector<std::string_view> textLines;
    std::size_t nextTextLine = 0;
    LineReader reader(
        [&](char* buffer, std::size_t size) {
            return ReadStandardInput(buffer, size, readFailure);
        },
        [&] { FlushStandardOutput(writeFailure); });
    if (!options->words.empty()) {
        text = options->words[0];
        for (std::size_t i = 1; i < options->words.size(); ++i) text += " " + options->words[i];
        textLines = SplitTextLines(text);
        stream.inputName = "the text";
        stream.next = [&](std::string& line) {
            if (nextTextLine == textLines.size()) return NextLine::End;
            line.assign(textLines[nextTextLine++]);
            return NextLine::Line;
        };
    } else {
        stream.inputName = "the input";
        stream.next = [&](std::string& line) {
            if (reader.Next(line)) return NextLine::Line;
            return reader.Failed() ? NextLine::Failed : NextLine::End;
        };
    }

    int status = FadeLines(plan, stream, error);
    // The lines before a bad one are written, whatever the status.
    const bool flushed = FlushStandardOutput(writeFailure);
    if (status == kFadeCannotDo && !readFailure.empty()) error += ": " + readFailure;
    if (!flushed || (status == kFadeCannotDo && !writeFailure.empty())) {
        error = "cannot write the output: " + writeFailure;
        status = kFadeCannotDo;
    }
    if (status != kFadeDone) Complain(error);
    return status;
}

// Out of memory or a size past what can be held, anywhere outside the line loop
// (which names the line itself): a message and status 4, never an abort.
int RunGuarded(const std::vector<std::string>& args) {
    try {
        return Run(args);
    } catch (const std::bad_alloc&) {
        Complain("out of memory");
    } catch (const std::length_error&) {
        Complain("a text too long to hold");
    }
    return kFadeCannotDo;
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
    try {
        for (int i = 1; i < argc; ++i) {
            const std::u16string wide(reinterpret_cast<const char16_t*>(argv[i]));
            args.push_back(lumivane::Utf16ToUtf8(wide));
        }
    } catch (const std::bad_alloc&) {
        std::fputs("lumivane-fade: out of memory\n", stderr);
        return lumivane::kFadeCannotDo;
    }
    return lumivane::RunGuarded(args);
}
#else
int main(int argc, char** argv) {
    std::vector<std::string> args;
    try {
        args.assign(argv + 1, argv + argc);
    } catch (const std::bad_alloc&) {
        std::fputs("lumivane-fade: out of memory\n", stderr);
        return lumivane::kFadeCannotDo;
    }
    return lumivane::RunGuarded(args);
}
#endif
