// The WebAssembly module is the C interface and nothing else: its functions come
// from the library and are exported by the link options in web/CMakeLists.txt. A
// module needs one source of its own.
#include "gradient/capi/lumivane.h"
