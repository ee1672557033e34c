#include "tools/fade/fade_stream.h"

#include <new>
#include <stdexcept>

#include "tools/fade/utf8.h"

namespace lumivane {

int FadeLines(const LinePlan& plan, const FadeStream& stream, std::string& error) {
    std::string line;
    std::string out;
    unsigned long long number = 0;
    const auto where = [&] { return "line " + std::to_string(number) + " of " + stream.inputName; };
    for (;;) {
        ++number;
        try {
            const NextLine next = stream.next(line);
            if (next == NextLine::End) return kFadeDone;
            if (next == NextLine::Failed) {
                error = "cannot read " + stream.inputName + " (" + where() + ")";
                return kFadeCannotDo;
            }
            const auto text = Utf8ToUtf16(line);
            if (!text) {
                error = where() + " is not valid UTF-8";
                return kFadeBadInput;
            }
            out.clear();
            const LineOutcome outcome = AppendFadeLine(plan, *text, out);
            if (!outcome.fits) {
                error = where() + " cannot fit --max-length " + std::to_string(*plan.maxLength) +
                        ": it needs at least " + std::to_string(outcome.shortestLimit);
                return kFadeDoesNotFit;
            }
            out += '\n';
        } catch (const std::bad_alloc&) {
            error = where() + " is too long: out of memory";
            return kFadeCannotDo;
        } catch (const std::length_error&) {
            error = where() + " is too long: its output line cannot be held";
            return kFadeCannotDo;
        }
        if (!stream.write(out)) {
            error = "cannot write the output";
            return kFadeCannotDo;
        }
    }
}

}  // namespace lumivane
