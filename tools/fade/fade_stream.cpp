#include "tools/fade/fade_stream.h"

#include <algorithm>
#include <new>
#include <stdexcept>

#include "gradient/utf8.h"

namespace lumivane {

bool WriteLineAsUtf8(std::u16string_view line, const std::function<bool(std::string_view)>& write,
                     std::string& scratch, std::size_t sliceUnits) {
    std::size_t at = 0;
    do {
        std::size_t end = std::min(line.size(), at + sliceUnits);
        if (SplitsPair(line, end)) ++end;  // the pair's second half goes with its first
        scratch.clear();
        AppendUtf8(scratch, line.substr(at, end - at));
        if (end == line.size()) scratch += '\n';
        if (!write(scratch)) return false;
        at = end;
    } while (at < line.size());
    return true;
}

void Utf8LineSink::Put(std::u16string_view piece) {
    // A whole line in one piece is still converted a slice at a time.
    while (piece.size() > kWriteSliceUnits) {
        PutSlice(piece.substr(0, kWriteSliceUnits));
        piece.remove_prefix(kWriteSliceUnits);
    }
    PutSlice(piece);
}

void Utf8LineSink::PutSlice(std::u16string_view piece) {
    if (failed_ || piece.empty()) return;
    if (held_) {
        const char16_t pair[2] = {held_, piece[0]};
        const bool paired = IsLowSurrogate(piece[0]);
        AppendUtf8(scratch_, std::u16string_view(pair, paired ? 2 : 1));
        if (paired) piece.remove_prefix(1);
        held_ = 0;
    }
    if (!piece.empty() && IsHighSurrogate(piece.back())) {
        held_ = piece.back();
        piece.remove_suffix(1);
    }
    AppendUtf8(scratch_, piece);
    // A short line goes out in one write with its line ending; a long one in slices.
    if (scratch_.size() >= kWriteSliceUnits) {
        if (!write_(scratch_)) failed_ = true;
        scratch_.clear();
    }
}

bool Utf8LineSink::Finish() {
    if (failed_) return false;
    if (held_) AppendUtf8(scratch_, std::u16string_view(&held_, 1));
    held_ = 0;
    scratch_ += '\n';
    if (!write_(scratch_)) failed_ = true;
    scratch_.clear();
    return !failed_;
}

int FadeLines(const FadePlan& plan, const FadeStream& stream, std::string& error) {
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
            LineOutcome outcome;
            if (!plan.preview) {
                // Written as it is made where there is no limit: a long line is never held whole.
                scratch.clear();
                Utf8LineSink sink(stream.write, scratch);
                outcome = WriteLine(plan.line, *text, sink);
                if (outcome.error == RequestError::None) {
                    if (!sink.Finish()) {
                        error = "cannot write the output";
                        return kFadeCannotDo;
                    }
                    continue;
                }
            } else {
                outcome = MakeFadeLine(plan, *text, made);
                if (outcome.error == RequestError::None) {
                    if (!WriteLineAsUtf8(made, stream.write, scratch)) {
                        error = "cannot write the output";
                        return kFadeCannotDo;
                    }
                    continue;
                }
            }
            error = where() + " " + LineErrorMessage(outcome, plan.line);
            return outcome.error == RequestError::DoesNotFit ? kFadeDoesNotFit : kFadeCannotDo;
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
