// Replays requests through the C interface and prints every result, so that the
// WebAssembly module's results (web/tests/replay.js prints the same form) can be
// compared byte for byte with the native library's.
//
// usage: lumivane-capi-replay REQUESTS     the results of each request, see below
//        lumivane-capi-replay --catalog    the catalog JSON
//
// A request file holds blocks of lines; values and texts are hexadecimal UTF-8:
//   request
//   set NAME HEX|-        (- sets a flag: a null value)
//   text HEX
//   end
// For each request this prints the status of each set, then the line, the lines and
// the runs of the text, each with its status, shortest limit and error message.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "gradient/capi/lumivane.h"

namespace {

std::string FromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

std::string ToHex(const char* bytes, std::size_t size) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (std::size_t i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        hex.push_back(digits[byte >> 4]);
        hex.push_back(digits[byte & 15]);
    }
    return hex.empty() ? "-" : hex;
}

void PrintOutcome(const char* what, lumivane_status status, const lumivane_request* request) {
    const char* error = lumivane_request_error(request);
    std::printf("%s %d %zu %s\n", what, static_cast<int>(status),
                lumivane_request_shortest_limit(request),
                ToHex(error, std::string(error).size()).c_str());
}

void Replay(const std::vector<std::pair<std::string, std::string>>& sets, bool hasText,
            const std::string& text) {
    lumivane_request* request = lumivane_request_new();
    if (request == nullptr) {
        std::puts("out of memory");
        std::exit(1);
    }
    std::printf("request\n");
    for (const auto& set : sets) {
        const std::string value = set.second == "-" ? std::string() : FromHex(set.second);
        const auto status = lumivane_request_set(request, set.first.c_str(),
                                                 set.second == "-" ? nullptr : value.c_str());
        PrintOutcome(("set " + set.first).c_str(), status, request);
    }
    if (hasText) {
        char* line = nullptr;
        std::size_t size = 0;
        auto status = lumivane_make_line(request, text.data(), text.size(), &line, &size);
        PrintOutcome("line", status, request);
        std::printf("%s\n", line ? ToHex(line, size).c_str() : "null");
        lumivane_free(line);

        line = nullptr;
        size = 0;
        status = lumivane_make_lines(request, text.data(), text.size(), &line, &size);
        PrintOutcome("lines", status, request);
        std::printf("%s\n", line ? ToHex(line, size).c_str() : "null");
        lumivane_free(line);

        lumivane_run* runs = nullptr;
        std::size_t count = 0;
        status = lumivane_make_runs(request, text.data(), text.size(), &runs, &count);
        PrintOutcome("runs", status, request);
        for (std::size_t i = 0; i < count; ++i) {
            std::printf("%zu:%zu:%06x ", runs[i].begin, runs[i].end,
                        static_cast<unsigned>(runs[i].rgb));
        }
        std::printf("%zu\n", count);
        lumivane_free(runs);
    }
    lumivane_request_free(request);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: lumivane-capi-replay REQUESTS | --catalog\n");
        return 2;
    }
    if (std::string(argv[1]) == "--catalog") {
        std::fputs(lumivane_catalog_json(), stdout);
        return 0;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    std::vector<std::pair<std::string, std::string>> sets;
    std::string text;
    bool hasText = false;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string word;
        words >> word;
        if (word == "request") {
            sets.clear();
            text.clear();
            hasText = false;
        } else if (word == "set") {
            std::string name, value;
            words >> name >> value;
            sets.emplace_back(name, value);
        } else if (word == "text") {
            std::string hex;
            words >> hex;
            text = hex == "-" ? std::string() : FromHex(hex);
            hasText = true;
        } else if (word == "end") {
            Replay(sets, hasText, text);
        }
    }
    return 0;
}
