#include "gradient/capi/lumivane.h"

extern "C" const char* lumivane_status_text(int status) {
    switch (status) {
    case LUMIVANE_OK: return "done";
    case LUMIVANE_ERROR_NULL_ARGUMENT: return "a null pointer where none is allowed";
    case LUMIVANE_ERROR_BAD_TEXT: return "a text or value that is not valid UTF-8";
    case LUMIVANE_ERROR_BAD_OPTION: return "an unknown option, or a value it does not take";
    case LUMIVANE_ERROR_BAD_COMBINATION: return "options that do not go together";
    case LUMIVANE_ERROR_DOES_NOT_FIT: return "the line cannot fit the length limit";
    case LUMIVANE_ERROR_BUFFER_TOO_SMALL: return "the buffer cannot hold the line";
    case LUMIVANE_ERROR_OUT_OF_MEMORY: return "out of memory";
    case LUMIVANE_ERROR_TOO_LONG: return "a line longer than can be counted or held";
    case LUMIVANE_ERROR_INTERNAL: return "a fault of the library itself";
    }
    return "an unknown status";
}
