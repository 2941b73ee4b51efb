#pragma once
// Rows of 8-bit colour samples put into the bitmap's byte order: red and
// blue exchanged, and 24-bit pixels widened to 32. Each has a plain loop and
// an SSSE3 version (byte shuffles) taken when simd::Active() allows.

#include <cstdint>

namespace zelvan::image {

// out := in with bytes 0 and 2 of every 3-byte pixel exchanged.
void SwapRedBlue24(const uint8_t* in, uint8_t* out, int count);
// out := in with bytes 0 and 2 of every 4-byte pixel exchanged.
void SwapRedBlue32(const uint8_t* in, uint8_t* out, int count);
// out := the 3-byte pixels of in as 4-byte ones with the given alpha byte.
void Widen24To32(const uint8_t* in, uint8_t* out, int count, uint8_t alpha);

namespace reference {
void SwapRedBlue24(const uint8_t* in, uint8_t* out, int count);
void SwapRedBlue32(const uint8_t* in, uint8_t* out, int count);
void Widen24To32(const uint8_t* in, uint8_t* out, int count, uint8_t alpha);
}  // namespace reference

#if defined(__i386__) || defined(__x86_64__)
namespace ssse3 {
void SwapRedBlue24(const uint8_t* in, uint8_t* out, int count);
void SwapRedBlue32(const uint8_t* in, uint8_t* out, int count);
void Widen24To32(const uint8_t* in, uint8_t* out, int count, uint8_t alpha);
}  // namespace ssse3
#endif

}  // namespace zelvan::image
