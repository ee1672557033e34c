// The fade tool's main loop: every line in, its output line out, at once.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "tools/fade/fade_line.h"

namespace lumivane {

// The tool's exit statuses.
enum FadeStatus : int {
    kFadeDone = 0,
    kFadeBadInput = 1,    // a line that is not UTF-8
    kFadeBadOption = 2,   // options or colours
    kFadeDoesNotFit = 3,  // a line that cannot fit --max-length
    kFadeCannotDo = 4,    // reading, writing or holding the text failed
};

enum class NextLine { Line, End, Failed };

struct FadeStream {
    std::function<NextLine(std::string& line)> next;
    std::function<bool(std::string_view bytes)> write;  // false when writing failed
    std::string inputName;                              // "the input" or "the text", for messages
};

// Code units of an output line converted to UTF-8 and written at a time.
constexpr std::size_t kWriteSliceUnits = 64 * 1024;

// Writes `line` as UTF-8 and then "\n", a slice of at most `sliceUnits` code units
// at a time (a surrogate pair is never cut), so that a long line is never held
// twice. `scratch` is the caller's buffer, reused from line to line. False when
// writing failed.
bool WriteLineAsUtf8(std::u16string_view line, const std::function<bool(std::string_view)>& write,
                     std::string& scratch, std::size_t sliceUnits = kWriteSliceUnits);

// Hands the pieces of an output line on as UTF-8 through `write`, in slices of about
// kWriteSliceUnits bytes, and ends the line with "\n" at Finish. `scratch` starts
// empty. The last unit of a piece is held back when it is the first
// half of a surrogate pair, so that the pair is written whole and a half that a tag
// cut off its partner as U+FFFD, exactly as WriteLineAsUtf8 writes the whole line.
class Utf8LineSink final : public LineSink {
public:
    Utf8LineSink(std::function<bool(std::string_view)> write, std::string& scratch)
        : write_(std::move(write)), scratch_(scratch) {}
    void Put(std::u16string_view piece) override;
    // Writes what is held back and the line ending. False when any writing failed.
    bool Finish();

private:
    void PutSlice(std::u16string_view piece);

    std::function<bool(std::string_view)> write_;
    std::string& scratch_;
    char16_t held_ = 0;  // a first half of a pair, waiting for the next piece
    bool failed_ = false;
};

// Colours the lines one by one and writes each output line with its "\n" before the
// next line is read. Stops at the first line that is not UTF-8 or cannot fit, with
// every line before it written and it not. Returns the status and, unless done,
// sets `error` to a one-line message that names the line by number.
int FadeLines(const FadePlan& plan, const FadeStream& stream, std::string& error);

}  // namespace lumivane
