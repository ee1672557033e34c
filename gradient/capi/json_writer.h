// A small writer of compact JSON: the commas between values are its business, the
// document's shape the caller's.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumivane::capi {

class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The key of the next value in an object.
    void Key(std::string_view key);
    // `text` is UTF-8 and written as it is, but for what JSON needs escaped: the quote,
    // the backslash and the control characters below U+0020.
    void String(std::string_view text);
    void Number(std::size_t value);
    void Bool(bool value);
    void Null();

    const std::string& Text() const { return text_; }

private:
    void BeforeValue();

    std::string text_;
    std::vector<bool> firstInLevel_;  // whether the open array or object is still empty
    bool afterKey_ = false;
};

// `text` as a JSON string, quotes included.
std::string JsonString(std::string_view text);

}  // namespace lumivane::capi
