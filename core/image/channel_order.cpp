#include "core/image/channel_order.h"

#include "core/simd/cpu_features.h"

namespace zelvan::image {

namespace reference {

void SwapRedBlue24(const uint8_t* in, uint8_t* out, int count) {
  for (int i = 0; i < count; ++i, in += 3, out += 3) {
    const uint8_t first = in[0];
    out[0] = in[2];
    out[1] = in[1];
    out[2] = first;
  }
}

void SwapRedBlue32(const uint8_t* in, uint8_t* out, int count) {
  for (int i = 0; i < count; ++i, in += 4, out += 4) {
    const uint8_t first = in[0];
    out[0] = in[2];
    out[1] = in[1];
    out[2] = first;
    out[3] = in[3];
  }
}

void Widen24To32(const uint8_t* in, uint8_t* out, int count, uint8_t alpha) {
  for (int i = 0; i < count; ++i, in += 3, out += 4) {
    out[0] = in[0];
    out[1] = in[1];
    out[2] = in[2];
    out[3] = alpha;
  }
}

}  // namespace reference

#if defined(__i386__) || defined(__x86_64__)
#define ZELVAN_ROW(name, ...) \
  (simd::Active() >= simd::TLevel::kSsse3 ? ssse3::name(__VA_ARGS__) : reference::name(__VA_ARGS__))
#else
#define ZELVAN_ROW(name, ...) reference::name(__VA_ARGS__)
#endif

void SwapRedBlue24(const uint8_t* in, uint8_t* out, int count) { ZELVAN_ROW(SwapRedBlue24, in, out, count); }
void SwapRedBlue32(const uint8_t* in, uint8_t* out, int count) { ZELVAN_ROW(SwapRedBlue32, in, out, count); }
void Widen24To32(const uint8_t* in, uint8_t* out, int count, uint8_t alpha) {
  ZELVAN_ROW(Widen24To32, in, out, count, alpha);
}

#undef ZELVAN_ROW

}  // namespace zelvan::image
