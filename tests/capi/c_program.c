/* The C interface from a C program: compiled as C, linked with the installed form of
 * the library, and checked against itself (the C++ tests check the bytes). */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "lumivane.h"

static int failures = 0;

static void check(int ok, const char *what) {
    if (!ok) {
        fprintf(stderr, "failed: %s\n", what);
        ++failures;
    }
}

/* The line for `text`, in a fresh allocation, or NULL. */
static char *line_of(lumivane_request *request, const char *text) {
    char *line = NULL;
    size_t size = 0;
    if (lumivane_make_line(request, text, strlen(text), &line, &size) != LUMIVANE_OK) return NULL;
    check(strlen(line) == size, "a line's size is its length");
    return line;
}

static void check_lines(lumivane_request *request) {
    char *first = line_of(request, "one");
    char *second = line_of(request, "two");
    char *lines = NULL;
    size_t size = 0;
    check(lumivane_make_lines(request, "one\r\ntwo\n", 9, &lines, &size) == LUMIVANE_OK,
          "lines of a text");
    if (first && second && lines) {
        check(size == strlen(first) + 1 + strlen(second), "lines joined by one LF");
        check(strncmp(lines, first, strlen(first)) == 0 && lines[strlen(first)] == '\n' &&
                  strcmp(lines + strlen(first) + 1, second) == 0,
              "each line as it is made alone");
    }
    lumivane_free(first);
    lumivane_free(second);
    lumivane_free(lines);
}

static void check_buffer(lumivane_request *request) {
    char *line = line_of(request, "Hello");
    char buffer[256];
    size_t size = 0;
    check(line != NULL, "a line");
    if (!line || strlen(line) + 1 > sizeof buffer) return;
    check(lumivane_make_line_into(request, "Hello", 5, buffer, strlen(line) + 1, &size) ==
                  LUMIVANE_OK &&
              strcmp(buffer, line) == 0,
          "a buffer of exactly the right size");
    check(lumivane_make_line_into(request, "Hello", 5, buffer, strlen(line), &size) ==
                  LUMIVANE_ERROR_BUFFER_TOO_SMALL &&
              size == strlen(line),
          "a buffer one byte short");
    lumivane_free(line);
}

static void check_runs(lumivane_request *request) {
    lumivane_run *runs = NULL;
    size_t count = 0, i;
    const char text[] = "caf\xC3\xA9!";
    check(lumivane_make_runs(request, text, 6, &runs, &count) == LUMIVANE_OK && count == 5,
          "a run per character");
    for (i = 0; runs && i < count; ++i) {
        check(runs[i].begin == (i == 0 ? 0 : runs[i - 1].end), "runs one after another");
        check(runs[i].rgb <= 0xFFFFFFu, "0xRRGGBB");
    }
    check(count == 0 || runs[count - 1].end == 6, "runs cover the text's bytes");
    lumivane_free(runs);
}

static void check_refusals(lumivane_request *request) {
    int32_t colors[65];
    size_t i;
    for (i = 0; i < 65; ++i) colors[i] = (int32_t)(i * 0x030201);
    check(lumivane_request_set(NULL, "format", "html") == LUMIVANE_ERROR_NULL_ARGUMENT,
          "no request");
    check(lumivane_request_set(request, "max-length", "0") == LUMIVANE_ERROR_BAD_OPTION &&
              strlen(lumivane_request_error(request)) > 0,
          "a limit of 0, with a message");
    check(lumivane_request_set(request, "no-such-option", "1") == LUMIVANE_ERROR_BAD_OPTION,
          "an unknown option");
    check(lumivane_request_set_colors(request, colors, 65) == LUMIVANE_ERROR_BAD_OPTION,
          "65 colours");
    check(lumivane_request_set_colors(request, colors, 64) == LUMIVANE_OK, "64 colours");
    check(lumivane_make_line(request, "\xC3", 1, NULL, NULL) == LUMIVANE_ERROR_NULL_ARGUMENT,
          "no place for the line");
}

static void check_lists(void) {
    size_t i;
    char version[32];
    sprintf(version, "%d.%d.%d", LUMIVANE_VERSION_MAJOR, LUMIVANE_VERSION_MINOR,
            LUMIVANE_VERSION_PATCH);
    check(lumivane_version() == LUMIVANE_VERSION, "the library's version is the header's");
    check(strcmp(lumivane_version_string(), version) == 0, "the version as text");
    check(lumivane_markup_count() > 0 && lumivane_blend_count() > 0, "lists");
    for (i = 0; i < lumivane_markup_count(); ++i)
        check(lumivane_markup_name(i) != NULL, "a markup's name");
    check(lumivane_markup_name(lumivane_markup_count()) == NULL, "no markup past the end");
    for (i = 0; i < lumivane_blend_count(); ++i)
        check(lumivane_blend_name(i) != NULL, "a blend's name");
    check(lumivane_blend_name(lumivane_blend_count()) == NULL, "no blend past the end");
    check(lumivane_catalog_json() != NULL && lumivane_catalog_json()[0] == '{', "the catalog");
    check(strlen(lumivane_status_text(LUMIVANE_ERROR_DOES_NOT_FIT)) > 0, "a status's text");
}

int main(void) {
    lumivane_request *request = lumivane_request_new();
    if (!request) return 1;
    check(lumivane_request_set(request, "format", "minimessage") == LUMIVANE_OK, "a format");
    check(lumivane_request_set(request, "colors", "#ff5555,#55ff55") == LUMIVANE_OK, "colours");
    check_lines(request);
    check_buffer(request);
    check_runs(request);
    check_refusals(request);
    check_lists();
    lumivane_request_free(request);
    if (failures == 0) puts("lumivane C program: every check passed");
    return failures == 0 ? 0 : 1;
}
