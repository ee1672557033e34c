#include "tools/fade/options.h"

#include "gradient/request_options.h"
#include "gradient/shown_value.h"

namespace lumivane {
namespace {

std::string Quoted(std::string_view value) { return "'" + ShownValue(value) + "'"; }

// The chats of the markup table, one example each.
std::string Examples() {
    std::string examples = "Examples, one per chat:\n";
    for (const MarkupInfo& info : Markups()) {
        std::string label = "  " + std::string(info.helpLabel);
        label.resize(18, ' ');
        examples += label + "lumivane-fade " + std::string(info.exampleArgs) + "\n";
    }
    return examples;
}

}  // namespace

std::string FadeUsage() {
    return "usage: lumivane-fade [OPTION...] [TEXT...]\n"
           "Colours a text as a gradient, every character its own colour, in a chat's markup;\n"
           "one output line for each line of the text.\n" +
           RequestOptionsHelp() +
           "  --preview       print the text itself in its colours: 24-bit where COLORTERM is\n"
           "                  truecolor or 24bit, else xterm's 256; plain text with NO_COLOR\n"
           "  --color-depth N --preview in 24-bit (24) or 256 colours (256), whatever the\n"
           "                  environment says\n"
           "  --list-presets  print every preset: its name, colours, blend and hue path\n"
           "  --help          print this text\n"
           "Every option also takes the --option=value spelling. TEXT words are joined by\n"
           "single spaces into one text; without them every line of standard input is one\n"
           "text. Input and output are UTF-8; a byte-order mark at the start is skipped.\n" +
           Examples() +
           "Exit status: 0 done, 1 input that is not valid UTF-8, 2 bad option or colour,\n"
           "3 a line that cannot fit --max-length, 4 the input cannot be read, the output\n"
           "cannot be written or a line is too long to hold.\n";
}

PreviewDepth ChoosePreviewDepth(const FadeOptions& options,
                                const std::function<const char*(const char*)>& getenv) {
    if (options.colorDepth) return *options.colorDepth;
    const char* noColor = getenv("NO_COLOR");
    if (noColor && *noColor) return PreviewDepth::Plain;
    const std::string_view colorTerm = getenv("COLORTERM") ? getenv("COLORTERM") : "";
    return colorTerm == "truecolor" || colorTerm == "24bit" ? PreviewDepth::TrueColor
                                                            : PreviewDepth::Xterm256;
}

std::optional<FadeOptions> ParseFadeOptions(const std::vector<std::string>& args,
                                            std::string& error) {
    FadeOptions options;
    bool wordsOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (wordsOnly || arg.empty() || arg[0] != '-' || arg == "-") {
            options.words.push_back(arg);
            continue;
        }
        if (arg == "--") {
            wordsOnly = true;
            continue;
        }
        // "--name=value" or "--name value"; a flag takes no value.
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        std::optional<std::string> attached;
        if (equals != std::string::npos) attached = arg.substr(equals + 1);
        const auto flag = [&]() {
            if (!attached) return true;
            error = "option " + name + " takes no value, not " + Quoted(*attached);
            return false;
        };

        if (name == "--help" || name == "-h") {
            if (!flag()) return std::nullopt;
            options.help = true;
            continue;
        }
        if (name == "--preview") {
            if (!flag()) return std::nullopt;
            options.output = FadeOutput::Preview;
            continue;
        }
        if (name == "--list-presets") {
            if (!flag()) return std::nullopt;
            options.listPresets = true;
            continue;
        }
        if (name == "--color-depth") {
            std::string depth;
            if (attached) depth = *attached;
            else if (i + 1 < args.size()) depth = args[++i];
            else {
                error = "option " + name + " needs a value";
                return std::nullopt;
            }
            if (depth != "24" && depth != "256") {
                error = "bad --color-depth " + Quoted(depth) + ": 24 or 256";
                return std::nullopt;
            }
            options.colorDepth = depth == "24" ? PreviewDepth::TrueColor : PreviewDepth::Xterm256;
            continue;
        }
        const RequestOptionInfo* option =
            name.compare(0, 2, "--") == 0 ? FindRequestOption(name.substr(2)) : nullptr;
        if (!option) {
            error = "unknown option " + Quoted(arg) + " (try --help)";
            return std::nullopt;
        }
        std::optional<std::string> value;
        if (option->valueName.empty()) {
            if (!flag()) return std::nullopt;
        } else if (attached) {
            value = attached;
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            error = "option " + name + " needs a value";
            return std::nullopt;
        }
        if (SetRequestOption(options.request, option->name, value, error) != OptionResult::Set)
            return std::nullopt;
        if (option->name == "fade-only") options.output = FadeOutput::FadeOnly;
    }
    LinePlan plan;
    const RequestError refused = PlanLine(options.request, plan);
    if (refused != RequestError::None) {
        error = RequestErrorMessage(refused, options.request);
        return std::nullopt;
    }
    return options;
}

}  // namespace lumivane
