#include "tools/fade/line_reader.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace lumivane {
namespace {

constexpr std::size_t kReadSize = 64 * 1024;
const char kByteOrderMark[] = "\xEF\xBB\xBF";

void DropCarriageReturn(std::string& line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
}

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
        while (end_ - begin_ < 3 && Fill()) {
        }
        if (failed_) return false;
        if (end_ - begin_ >= 3 && std::memcmp(buffer_.data() + begin_, kByteOrderMark, 3) == 0)
            begin_ += 3;
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

std::vector<std::string_view> SplitTextLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    do {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    } while (start < text.size());
    return lines;
}

}  // namespace lumivane
