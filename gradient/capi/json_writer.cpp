#include "gradient/capi/json_writer.h"

namespace lumivane::capi {

std::string JsonString(std::string_view text) {
    static const char digits[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (byte < 0x20) {
                out += "\\u00";
                out += digits[byte >> 4];
                out += digits[byte & 15];
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!firstInLevel_.empty()) {
        if (!firstInLevel_.back()) text_ += ',';
        firstInLevel_.back() = false;
    }
}

void JsonWriter::BeginObject() {
    BeforeValue();
    text_ += '{';
    firstInLevel_.push_back(true);
}

void JsonWriter::EndObject() {
    text_ += '}';
    firstInLevel_.pop_back();
}

void JsonWriter::BeginArray() {
    BeforeValue();
    text_ += '[';
    firstInLevel_.push_back(true);
}

void JsonWriter::EndArray() {
    text_ += ']';
    firstInLevel_.pop_back();
}

void JsonWriter::Key(std::string_view key) {
    BeforeValue();
    text_ += JsonString(key);
    text_ += ':';
    afterKey_ = true;
}

void JsonWriter::String(std::string_view text) {
    BeforeValue();
    text_ += JsonString(text);
}

void JsonWriter::Number(std::size_t value) {
    BeforeValue();
    text_ += std::to_string(value);
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    text_ += value ? "true" : "false";
}

void JsonWriter::Null() {
    BeforeValue();
    text_ += "null";
}

}  // namespace lumivane::capi
