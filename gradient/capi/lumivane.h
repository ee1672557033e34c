/* Lumivane's C interface: the gradient engine for C, for other languages' foreign
 * function interfaces and for WebAssembly. Text goes in and comes out as UTF-8.
 * No C++ exception crosses it; running out of memory is LUMIVANE_ERROR_OUT_OF_MEMORY.
 *
 *   lumivane_request *request = lumivane_request_new();
 *   lumivane_request_set(request, "format", "minimessage");
 *   lumivane_request_set(request, "colors", "#ff5555,#55ff55");
 *   char *line;
 *   size_t size;
 *   if (lumivane_make_line(request, "Hello", 5, &line, &size) == LUMIVANE_OK) {
 *       puts(line);
 *       lumivane_free(line);
 *   } else {
 *       fprintf(stderr, "%s\n", lumivane_request_error(request));
 *   }
 *   lumivane_request_free(request);
 */
#ifndef LUMIVANE_H
#define LUMIVANE_H

#include <stddef.h>
#include <stdint.h>

#define LUMIVANE_VERSION_MAJOR 1
#define LUMIVANE_VERSION_MINOR 1
#define LUMIVANE_VERSION_PATCH 0
/* MAJOR * 10000 + MINOR * 100 + PATCH, what lumivane_version() returns. */
#define LUMIVANE_VERSION \
    (LUMIVANE_VERSION_MAJOR * 10000 + LUMIVANE_VERSION_MINOR * 100 + LUMIVANE_VERSION_PATCH)

#ifdef __cplusplus
extern "C" {
#endif

typedef enum lumivane_status {
    LUMIVANE_OK = 0,
    LUMIVANE_ERROR_NULL_ARGUMENT = 1,    /* a null pointer where none is allowed */
    LUMIVANE_ERROR_BAD_TEXT = 2,         /* text or a value that is not valid UTF-8 */
    LUMIVANE_ERROR_BAD_OPTION = 3,       /* an unknown option, or a value it does not take */
    LUMIVANE_ERROR_BAD_COMBINATION = 4,  /* options that do not go together */
    LUMIVANE_ERROR_DOES_NOT_FIT = 5,     /* a line that cannot fit the length limit */
    LUMIVANE_ERROR_BUFFER_TOO_SMALL = 6, /* the caller's buffer cannot hold the line */
    LUMIVANE_ERROR_OUT_OF_MEMORY = 7,
    LUMIVANE_ERROR_TOO_LONG = 8, /* a line longer than can be counted or held */
    LUMIVANE_ERROR_INTERNAL = 9  /* a fault of the library itself; the message says what */
} lumivane_status;

/* The version this library was built as (LUMIVANE_VERSION of its header), and as text. */
int lumivane_version(void);
const char *lumivane_version_string(void);

/* A short fixed English text for a status ("the line cannot fit the length limit"). */
const char *lumivane_status_text(int status);

/* Everything that decides how a text becomes a chat line, the text aside. Made with
 * the defaults of lumivane-fade with no option: the classic chat line in "aol". */
typedef struct lumivane_request lumivane_request;

/* A new request, or NULL when out of memory. */
lumivane_request *lumivane_request_new(void);
/* Frees a request; NULL is allowed. */
void lumivane_request_free(lumivane_request *request);

/* Sets one option, named as lumivane-fade names it without the dashes ("colors",
 * "blend", "format", "face", "fade-only", "max-length", ...) and given its value as
 * that option takes it on the command line. A flag takes NULL or "" to set it.
 * Whether options go together is checked when a line is made. */
lumivane_status lumivane_request_set(lumivane_request *request, const char *name,
                                     const char *value);

/* Sets the colours as ColorValues (red in the lowest byte, as the settings file
 * stores them): 2 to 64 of them. */
lumivane_status lumivane_request_set_colors(lumivane_request *request, const int32_t *colors,
                                            size_t count);

/* The message of the last failure on this request, in UTF-8, naming what is wrong;
 * "" after a success. Valid until the next call with this request. */
const char *lumivane_request_error(const lumivane_request *request);

/* After LUMIVANE_ERROR_DOES_NOT_FIT: the shortest limit at which the line would fit,
 * in the markup's unit. 0 otherwise. */
size_t lumivane_request_shortest_limit(const lumivane_request *request);

/* Makes the chat line for `text` (`text_size` bytes of UTF-8, one line: a line break
 * is coloured like any character; NULL only with a text_size of 0). On success *line
 * is a NUL-terminated allocation to give to lumivane_free and *line_size its length
 * without the NUL; on failure *line is NULL and *line_size 0. */
lumivane_status lumivane_make_line(lumivane_request *request, const char *text, size_t text_size,
                                   char **line, size_t *line_size);

/* The same into the caller's buffer of `buffer_size` bytes, NUL-terminated. The
 * line's length without the NUL is stored in *line_size whether or not it fits;
 * LUMIVANE_ERROR_BUFFER_TOO_SMALL when buffer_size <= that length (buffer may then
 * be NULL, to ask for the size). */
lumivane_status lumivane_make_line_into(lumivane_request *request, const char *text,
                                        size_t text_size, char *buffer, size_t buffer_size,
                                        size_t *line_size);

/* Every line of `text` as lumivane-fade reads its input (LF or CR LF ends a line, a
 * byte-order mark at the start is skipped, an empty text has no line), its output
 * lines joined by LF, no LF at the end. A line that fails names itself in the error
 * message ("line 3 of the text ..."). */
lumivane_status lumivane_make_lines(lumivane_request *request, const char *text, size_t text_size,
                                    char **lines, size_t *lines_size);

/* One coloured run of a line, for previews: bytes [begin, end) of the UTF-8 text in
 * the colour the chat shows, 0xRRGGBB. */
typedef struct lumivane_run {
    size_t begin;
    size_t end;
    uint32_t rgb;
} lumivane_run;

/* The runs of the line lumivane_make_line makes for `text`, fitted to the limit and
 * in a palette chat's palette colours. *runs is an allocation to give to
 * lumivane_free; NULL with *run_count 0 for an empty text. A run never ends inside a
 * character's bytes: where the legacy blend colours the two halves of a UTF-16
 * surrogate pair apart, the character goes whole to the run of its first half. */
lumivane_status lumivane_make_runs(lumivane_request *request, const char *text, size_t text_size,
                                   lumivane_run **runs, size_t *run_count);

/* Frees what the library allocated; NULL is allowed. */
void lumivane_free(void *memory);

/* The engine's lists: markups ("aol", "html", ...) and blends ("legacy", ...), in
 * the order the tool's help gives them. A name is NULL past the end. */
size_t lumivane_markup_count(void);
const char *lumivane_markup_name(size_t index);
size_t lumivane_blend_count(void);
const char *lumivane_blend_name(size_t index);

/* Every list with its properties (markups with their chat, help text, unit, default
 * blend, per-run cost, what they can show; blends; options; and whatever lists the
 * engine gains) as one JSON document, UTF-8, owned by the library; NULL when out of
 * memory. */
const char *lumivane_catalog_json(void);

#ifdef __cplusplus
}
#endif

#endif /* LUMIVANE_H */
