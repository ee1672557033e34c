// A save of the window's settings and its check: every value written, then each
// read back from the file, so that a save that did not happen is known.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumivane {

// Why the settings were not saved.
struct SaveFailure {
    std::u16string file;  // the settings file the value belonged in
    unsigned long error;  // the system's error code for a write it refused; 0 when it
                          // gave none, or reported success and the file lacks the value
};

class SettingsSave {
public:
    // Writes `value` under `key` in the settings section of `file`, one
    // WriteIniValue, and keeps what was written for the check.
    void Write(std::u16string_view key, std::u16string_view value, std::u16string_view file);

    // After the writes: the first write the system refused or, when it refused
    // none, the first value a read of its file does not give back; nothing when
    // every value was saved (or none was written).
    std::optional<SaveFailure> Check() const;

private:
    struct Written {
        std::u16string key;
        std::u16string value;  // as written: on one line, in the code page
        std::u16string file;
        bool stored;
        unsigned long error;
    };
    std::vector<Written> writes_;
};

}  // namespace lumivane
