# Generates the grapheme tables afresh from UCD_DIR into FRESH with GENERATOR, and fails
# unless they equal the committed TABLES. Prints "Skipped: ..." where UCD_DIR holds no
# Unicode Character Database.
#   cmake -DUCD_DIR=... -DTABLES=... -DFRESH=... -DGENERATOR=... -P check_grapheme_tables.cmake

if(NOT EXISTS "${UCD_DIR}/auxiliary/GraphemeBreakProperty.json"
   AND NOT EXISTS "${UCD_DIR}/auxiliary/GraphemeBreakProperty.txt")
    message("Skipped: no Unicode Character Database in ${UCD_DIR} "
            "(scripts/fetch-unicode-data.sh puts Unicode 17.0's there)")
    return()
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -DUCD_DIR=${UCD_DIR} -DOUTPUT=${FRESH} -P ${GENERATOR}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "The generator failed on ${UCD_DIR}")
endif()

# The Unicode version each names.
foreach(tables TABLES FRESH)
    file(STRINGS "${${tables}}" line REGEX "kGraphemeDataVersion")
    string(REGEX MATCH "\"([0-9.]+)\"" ignored "${line}")
    set(${tables}_version "${CMAKE_MATCH_1}")
endforeach()
if(NOT TABLES_version STREQUAL FRESH_version)
    message(FATAL_ERROR "${UCD_DIR} holds Unicode ${FRESH_version}, the committed tables "
                        "${TABLES_version}: point LUMIVANE_UCD_DIR at ${TABLES_version}'s data, or "
                        "build regenerate_grapheme_tables to move the tables to ${FRESH_version}.")
endif()
# A checkout may have turned the line ends into CR LF.
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files --ignore-eol "${TABLES}" "${FRESH}"
                RESULT_VARIABLE different)
if(different)
    message(FATAL_ERROR "${TABLES} is not what the generator makes of ${UCD_DIR} (${FRESH}): "
                        "build regenerate_grapheme_tables rather than editing the tables.")
endif()
