// The settings store: one value of one key in one section of an INI file, read
// or written through the system's profile-file services. Nothing is kept open
// or cached between calls.
#pragma once

#include <string>
#include <string_view>

namespace lumivane {

// The value of `key` in `section` of the file at `file`, at most 749 characters;
// the empty text when the file, the section or the key does not exist. The key
// is looked up in lower case; names match without regard to letter case.
std::u16string ReadIniValue(std::u16string_view section, std::u16string_view key,
                            std::u16string_view file);

// What became of one write.
struct IniWrite {
    bool stored;           // the system reports the value stored
    unsigned long error;   // when not: the system's error code, 0 if it gave none
    std::u16string value;  // the text written: on one line, in the code page
};

// Stores `value` under `key` (written in upper case) in `section` of `file`,
// creating the file, section and key as needed. A line break in the value is
// stored as a space. Says whether the system reports it stored; a write can
// report success and store nothing (a path too long, under some systems), which
// only a read tells.
IniWrite WriteIniValue(std::u16string_view section, std::u16string_view key,
                       std::u16string_view value, std::u16string_view file);

}  // namespace lumivane
