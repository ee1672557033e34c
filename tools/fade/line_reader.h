// Lines of the input, one at a time, so that memory is bounded by the longest line
// and not by the input.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lumivane {

// Reads up to `size` bytes into `buffer`: the number read, 0 at the end of the
// input, or a negative number when reading failed. It may return fewer bytes than
// asked for (a pipe or a terminal gives what it has).
using ReadSome = std::function<long long(char* buffer, std::size_t size)>;

class LineReader {
public:
    // `beforeWaiting` runs before every call of `read` that may wait for more input:
    // the caller flushes its output there, so each line appears as soon as it is made.
    LineReader(ReadSome read, std::function<void()> beforeWaiting = {});

    // The next line, without its "\n" or "\r\n"; false at the end of the input or
    // when reading failed (see Failed). A last line without a line break counts; a
    // UTF-8 byte-order mark at the very start is skipped.
    bool Next(std::string& line);

    bool Failed() const { return failed_; }

private:
    bool Fill();

    ReadSome read_;
    std::function<void()> beforeWaiting_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // unread bytes are buffer_[begin_, end_)
    std::size_t end_ = 0;
    bool atStart_ = true;
    bool ended_ = false;
    bool failed_ = false;
};

}  // namespace lumivane
