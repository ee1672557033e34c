// A strict reader of JSON for the catalog's tests: a document that does not parse
// whole gives no value, so a writer's slip shows as a failed read.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumivane::test {

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text;  // a string's value, UTF-8
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;  // in document order

    const JsonValue* Member(std::string_view key) const {
        for (const auto& member : members)
            if (member.first == key) return &member.second;
        return nullptr;
    }
};

class JsonReader {
public:
    static std::optional<JsonValue> Read(std::string_view text) {
        JsonReader reader(text);
        JsonValue value;
        if (!reader.Value(value)) return std::nullopt;
        reader.Space();
        if (reader.at_ != text.size()) return std::nullopt;
        return value;
    }

private:
    explicit JsonReader(std::string_view text) : text_(text) {}

    void Space() {
        const std::string_view blanks = " \t\r\n";
        while (at_ < text_.size() && blanks.find(text_[at_]) != std::string_view::npos) ++at_;
    }

    bool Literal(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) return false;
        at_ += word.size();
        return true;
    }

    bool Value(JsonValue& value) {
        Space();
        if (at_ == text_.size()) return false;
        const char c = text_[at_];
        if (c == '{') return Object(value);
        if (c == '[') return Array(value);
        if (c == '"') {
            value.kind = JsonValue::Kind::String;
            return String(value.text);
        }
        if (Literal("null")) return value.kind = JsonValue::Kind::Null, true;
        if (Literal("true")) return value.kind = JsonValue::Kind::Bool, value.boolean = true, true;
        if (Literal("false")) return value.kind = JsonValue::Kind::Bool, true;
        return Number(value);
    }

    bool Number(JsonValue& value) {
        const std::size_t start = at_;
        if (at_ < text_.size() && text_[at_] == '-') ++at_;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
        if (at_ == start) return false;
        value.kind = JsonValue::Kind::Number;
        value.number = std::stod(std::string(text_.substr(start, at_ - start)));
        return true;
    }

    static void PutUtf8(std::string& out, unsigned cp) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }

    bool String(std::string& out) {
        ++at_;  // the opening quote
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20) return false;  // must be escaped
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ == text_.size()) return false;
            const char e = text_[at_++];
            const std::string_view simple = "\"\\/bfnrt";
            const std::string_view meant = "\"\\/\b\f\n\r\t";
            if (simple.find(e) != std::string_view::npos) {
                out += meant[simple.find(e)];
            } else if (e == 'u' && at_ + 4 <= text_.size()) {
                const std::string hex(text_.substr(at_, 4));
                if (hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
                    return false;
                PutUtf8(out, static_cast<unsigned>(std::stoul(hex, nullptr, 16)));
                at_ += 4;
            } else {
                return false;
            }
        }
        return false;
    }

    bool Array(JsonValue& value) {
        value.kind = JsonValue::Kind::Array;
        ++at_;
        Space();
        if (Literal("]")) return true;
        for (;;) {
            JsonValue item;
            if (!Value(item)) return false;
            value.items.push_back(std::move(item));
            Space();
            if (Literal("]")) return true;
            if (!Literal(",")) return false;
        }
    }

    bool Object(JsonValue& value) {
        value.kind = JsonValue::Kind::Object;
        ++at_;
        Space();
        if (Literal("}")) return true;
        for (;;) {
            Space();
            std::string key;
            if (at_ == text_.size() || text_[at_] != '"' || !String(key)) return false;
            Space();
            if (!Literal(":")) return false;
            JsonValue member;
            if (!Value(member)) return false;
            value.members.emplace_back(std::move(key), std::move(member));
            Space();
            if (Literal("}")) return true;
            if (!Literal(",")) return false;
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace lumivane::test
