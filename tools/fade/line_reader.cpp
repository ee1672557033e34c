#include "tools/fade/line_reader.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "gradient/text_lines.h"

namespace lumivane {
namespace {

constexpr std::size_t kReadSize = 64 * 1024;

void DropCarriageReturn(std::string& line) { line.resize(WithoutCarriageReturn(line).size()); }

}  // namespace

LineReader::LineReader(ReadSome read, std::function<void()> beforeWaiting)
    : read_(std::move(read)), beforeWaiting_(std::move(beforeWaiting)), buffer_(kReadSize) {}

// Reads more input behind the unread bytes; false at the end or on failure.
bool LineReader::Fill() {
    if (ended_) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    // A line longer than the buffer grows it; it never shrinks below one read's worth.
    if (buffer_.size() - end_ < kReadSize) buffer_.resize(end_ + kReadSize);
    if (beforeWaiting_) beforeWaiting_();
    const long long got = read_(buffer_.data() + end_, buffer_.size() - end_);
    if (got <= 0) {
        ended_ = true;
        failed_ = got < 0;
        return false;
    }
    end_ += static_cast<std::size_t>(got);
    return true;
}

bool LineReader::Next(std::string& line) {
    if (failed_) return false;
    if (atStart_) {
        // Enough bytes to tell a byte-order mark from a line that starts like one.
        const std::size_t mark = kUtf8ByteOrderMark.size();
        while (end_ - begin_ < mark && Fill()) {
        }
        if (failed_) return false;
        if (std::string_view(buffer_.data() + begin_, end_ - begin_).substr(0, mark) ==
            kUtf8ByteOrderMark)
            begin_ += mark;
        atStart_ = false;
    }
    std::size_t searched = begin_;
    for (;;) {
        const char* first = buffer_.data() + searched;
        const char* last = buffer_.data() + end_;
        const char* newline = std::find(first, last, '\n');
        if (newline != last) {
            const auto at = static_cast<std::size_t>(newline - buffer_.data());
            line.assign(buffer_.data() + begin_, at - begin_);
            begin_ = at + 1;
            DropCarriageReturn(line);
            return true;
        }
        const std::size_t scanned = end_ - begin_;  // Fill may move the unread bytes
        if (!Fill()) {
            if (failed_ || begin_ == end_) return false;
            line.assign(buffer_.data() + begin_, end_ - begin_);
            begin_ = end_;
            DropCarriageReturn(line);
            return true;
        }
        searched = begin_ + scanned;
    }
}

}  // namespace lumivane
