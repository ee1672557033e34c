// Whether this build may use SSE2 (the line writer's block copies, the grapheme walk's
// ASCII scan): every x86-64 build, and 32-bit builds made with SSE2 arithmetic.
// Elsewhere plain code is used.
#pragma once

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define LUMIVANE_SSE2 1
#else
#define LUMIVANE_SSE2 0
#endif
