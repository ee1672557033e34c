// The options of a line request, named and spelled as the fade tool takes them on its
// command line and the C interface takes them by name: one table, so every front end
// takes the same options with the same values and the same messages.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fade/color_codes.h"
#include "gradient/request.h"

namespace lumivane {

struct RequestOptionInfo {
    std::string_view name;       // "colors": --colors on the command line
    std::string_view valueName;  // "LIST" in the help; empty for a flag
};

// Every request option, in the order the help lists them.
const std::vector<RequestOptionInfo>& RequestOptions();

// The option named `name` ("colors"), or nothing.
const RequestOptionInfo* FindRequestOption(std::string_view name);

enum class OptionResult { Set, Unknown, Bad };

// Sets option `name` of `request` from `value` as given on the command line (UTF-8). A
// flag takes no value (nothing, or an empty one). On Bad, `error` is a one-line message
// naming the value ("unknown --blend 'x': legacy, rgb or oklab"); the request is then
// as it was, but for a colour list, which is left empty.
OptionResult SetRequestOption(LineRequest& request, std::string_view name,
                              std::optional<std::string_view> value, std::string& error);

// A colour as the settings file stores it (a signed 32-bit decimal) or as a person
// writes it, #RRGGBB, red first.
std::optional<ColorValue> ParseColorArgument(std::string_view text);

// The help of every request option, a line each option's name and value and its text
// wrapped beside it ("  --colors LIST   2 to 64 colours ..."), each line ending in "\n".
std::string RequestOptionsHelp();

// The help text of option `name` as RequestOptionsHelp gives it, on one line.
std::string RequestOptionHelp(std::string_view name);

// The value a new request has for option `name`, in the form the option takes it
// ("aol" for "format"); nothing for a flag and where there is none (no --blend: the
// markup's own).
std::optional<std::string> RequestOptionDefault(std::string_view name);

}  // namespace lumivane
