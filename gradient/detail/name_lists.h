// Lists of names as messages and the help write them: "a, b or c".
#pragma once

#include <string>
#include <vector>

namespace lumivane::detail {

inline std::string JoinedNames(const std::vector<std::string>& names) {
    std::string joined;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) joined += i + 1 == names.size() ? " or " : ", ";
        joined += names[i];
    }
    return joined;
}

// The names of the entries of a table for which `takes` holds, joined.
template <typename Entry, typename Takes>
std::string NamesThat(const std::vector<Entry>& table, const Takes& takes) {
    std::vector<std::string> names;
    for (const Entry& entry : table)
        if (takes(entry)) names.emplace_back(entry.name);
    return JoinedNames(names);
}

}  // namespace lumivane::detail
