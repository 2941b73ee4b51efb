#pragma once
// Attributes for functions written with vector intrinsics of a level above
// the compiler's baseline. Only x86 has such kernels; elsewhere every routine
// keeps its plain loop.

#if defined(__i386__) || defined(__x86_64__)
#define ZELVAN_X86 1
#include <immintrin.h>
#define ZELVAN_TARGET_SSE2 __attribute__((target("sse2")))
#define ZELVAN_TARGET_SSSE3 __attribute__((target("ssse3")))
#define ZELVAN_TARGET_AVX2 __attribute__((target("avx2")))
#if defined(__i386__)
// 32-bit Windows may call in with a stack aligned to 4 bytes only; vector
// spills need 16.
#define ZELVAN_VECTOR_ENTRY __attribute__((force_align_arg_pointer))
#else
#define ZELVAN_VECTOR_ENTRY
#endif
#else
#define ZELVAN_X86 0
#endif
