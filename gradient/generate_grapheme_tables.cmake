# Writes the grapheme cluster property tables as C++ from the Unicode Character
# Database, so the tables follow whatever Unicode version the build machine has.
# Runs on the build host (also in cross builds):
#   cmake -DUCD_DIR=/usr/share/unicode -DOUTPUT=grapheme_tables.inc -P generate_grapheme_tables.cmake
# (optionally -DCORE_PROPERTIES=<file> for the InCB values)
#
# Reads auxiliary/GraphemeBreakProperty.txt, emoji/emoji-data.txt (Extended_Pictographic)
# and, where it has them (Unicode 15.1 and later), the InCB values of
# DerivedCoreProperties.txt.

if(NOT UCD_DIR OR NOT OUTPUT)
    message(FATAL_ERROR "usage: cmake -DUCD_DIR=<folder> -DOUTPUT=<file> -P ${CMAKE_CURRENT_LIST_FILE}")
endif()

# Reads `file` and gives in `out` the sorted list FIRST:LAST:VALUE (six hexadecimal
# digits each) of the data lines that match `pattern`, whose groups 1 and 3 are the
# first and last code point and group 4 the value.
function(read_ranges file pattern out)
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "Unicode data file not found: ${file}")
    endif()
    file(READ "${file}" text)
    # Semicolons separate CMake list items and brackets group them: take both out of
    # the way before the text is cut into a list of matches.
    string(REPLACE ";" "|" text "${text}")
    string(REPLACE "[" "(" text "${text}")
    string(REPLACE "]" ")" text "${text}")
    string(REGEX MATCHALL "\n${pattern}" lines "${text}")
    set(entries)
    foreach(line IN LISTS lines)
        string(REGEX MATCH "${pattern}" ignored "${line}")
        set(first "${CMAKE_MATCH_1}")
        set(last "${CMAKE_MATCH_3}")
        if(last STREQUAL "")
            set(last "${first}")
        endif()
        foreach(name first last)
            string(LENGTH "${${name}}" digits)
            while(digits LESS 6)
                set(${name} "0${${name}}")
                math(EXPR digits "${digits} + 1")
            endwhile()
        endforeach()
        list(APPEND entries "${first}:${last}:${CMAKE_MATCH_4}")
    endforeach()
    # Fixed-width upper-case hexadecimal sorts as text in numeric order.
    list(SORT entries)
    set(${out} "${entries}" PARENT_SCOPE)
endfunction()

# C++ lines "    {0xFIRST, 0xLAST, PREFIXVALUE}," for each entry, or without the value
# where the prefix is empty.
function(write_entries entries prefix out)
    set(code "")
    foreach(entry IN LISTS entries)
        string(REPLACE ":" ";" fields "${entry}")
        list(GET fields 0 first)
        list(GET fields 1 last)
        list(GET fields 2 value)
        if(value STREQUAL "Regional_Indicator")
            set(value "RegionalIndicator")
        endif()
        if(prefix STREQUAL "")
            string(APPEND code "    {0x${first}, 0x${last}},\n")
        else()
            string(APPEND code "    {0x${first}, 0x${last}${prefix}${value}},\n")
        endif()
    endforeach()
    set(${out} "${code}" PARENT_SCOPE)
endfunction()

set(range "([0-9A-F]+)(\\.\\.([0-9A-F]+))?")

set(break_file "${UCD_DIR}/auxiliary/GraphemeBreakProperty.txt")
read_ranges("${break_file}" "${range} *\\| *([A-Za-z_]+)" breaks)
read_ranges("${UCD_DIR}/emoji/emoji-data.txt" "${range} *\\| *(Extended_Pictographic)" pictographic)
# CORE_PROPERTIES may name another file with the InCB values (the tests use one).
if(NOT CORE_PROPERTIES)
    set(CORE_PROPERTIES "${UCD_DIR}/DerivedCoreProperties.txt")
endif()
set(incb)
if(EXISTS "${CORE_PROPERTIES}")
    read_ranges("${CORE_PROPERTIES}" "${range} *\\| *InCB *\\| *([A-Za-z]+)" incb)
endif()

file(STRINGS "${break_file}" header LIMIT_COUNT 1)
string(REGEX MATCH "-([0-9]+\\.[0-9]+\\.[0-9]+)\\.txt" ignored "${header}")
set(version "${CMAKE_MATCH_1}")
if(version STREQUAL "")
    message(FATAL_ERROR "no Unicode version in the first line of ${break_file}")
endif()
list(LENGTH breaks break_count)
if(break_count LESS 100)
    message(FATAL_ERROR "${break_file} gave only ${break_count} ranges")
endif()

write_entries("${breaks}" ", GraphemeBreak::" break_code)
write_entries("${pictographic}" "" pictographic_code)
write_entries("${incb}" ", IndicConjunctBreak::" incb_code)

# Each table ends with an entry beyond the last code point, so none is empty.
file(WRITE "${OUTPUT}.tmp"
"// Generated from the Unicode Character Database ${version} by
// gradient/generate_grapheme_tables.cmake when the project is built. Do not edit.

constexpr char kGraphemeDataVersion[] = \"${version}\";

constexpr BreakRange kGraphemeBreakRanges[] = {
${break_code}    {0x110000, 0x110000, GraphemeBreak::Other},
};

constexpr CodePointRange kExtendedPictographicRanges[] = {
${pictographic_code}    {0x110000, 0x110000},
};

constexpr IndicRange kIndicConjunctBreakRanges[] = {
${incb_code}    {0x110000, 0x110000, IndicConjunctBreak::None},
};
")
# Only a changed table makes its users build again.
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different "${OUTPUT}.tmp" "${OUTPUT}")
file(REMOVE "${OUTPUT}.tmp")
