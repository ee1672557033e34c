// The library's version: the one its header gives.
#include "gradient/capi/lumivane.h"

#define LUMIVANE_TEXT(x) #x
#define LUMIVANE_VERSION_TEXT(major, minor, patch) \
    LUMIVANE_TEXT(major) "." LUMIVANE_TEXT(minor) "." LUMIVANE_TEXT(patch)

extern "C" {

int lumivane_version(void) { return LUMIVANE_VERSION; }

const char* lumivane_version_string(void) {
    return LUMIVANE_VERSION_TEXT(LUMIVANE_VERSION_MAJOR, LUMIVANE_VERSION_MINOR,
                                 LUMIVANE_VERSION_PATCH);
}

}  // extern "C"
