#include "tools/fade/fade_stream.h"

#include <algorithm>
#include <new>
#include <stdexcept>

#include "tools/fade/utf8.h"

namespace lumivane {

bool WriteLineAsUtf8(std::u16string_view line, const std::function<bool(std::string_view)>& write,
                     std::string& scratch, std::size_t sliceUnits) {
    std::size_t at = 0;
    do {
        std::size_t end = std::min(line.size(), at + sliceUnits);
        if (end < line.size() && line[end - 1] >= 0xD800 && line[end - 1] <= 0xDBFF &&
            line[end] >= 0xDC00 && line[end] <= 0xDFFF)
            ++end;  // the pair's second half goes with its first
        scratch.clear();
        AppendUtf8(scratch, line.substr(at, end - at));
        if (end == line.size()) scratch += '\n';
        if (!write(scratch)) return false;
        at = end;
    } while (at < line.size());
    return true;
}

int FadeLines(const LinePlan& plan, const FadeStream& stream, std::string& error) {
    std::string line;
    std::u16string made;
    std::string scratch;
    unsigned long long number = 0;
    const auto where = [&] { return "line " + std::to_string(number) + " of " + stream.inputName; };
    for (;;) {
        ++number;
        try {
            const NextLine next = stream.next(line);
            if (next == NextLine::End) return kFadeDone;
            if (next == NextLine::Failed) {
                error = "cannot read " + stream.inputName + " at line " + std::to_string(number);
                return kFadeCannotDo;
            }
            const auto text = Utf8ToUtf16(line);
            if (!text) {
                error = where() + " is not valid UTF-8";
                return kFadeBadInput;
            }
            const LineOutcome outcome = MakeFadeLine(plan, *text, made);
            if (!outcome.fits) {
                error = where() + " cannot fit --max-length " + std::to_string(*plan.maxLength) +
                        ": it needs at least " + std::to_string(outcome.shortestLimit);
                return kFadeDoesNotFit;
            }
            if (!WriteLineAsUtf8(made, stream.write, scratch)) {
                error = "cannot write the output";
                return kFadeCannotDo;
            }
        } catch (const std::bad_alloc&) {
            error = where() + " is too long: out of memory";
            return kFadeCannotDo;
        } catch (const std::length_error&) {
            error = where() + " is too long: its output line cannot be held";
            return kFadeCannotDo;
        }
    }
}

}  // namespace lumivane
