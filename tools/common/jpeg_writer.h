#pragma once
// Baseline JPEG encoding of an RGB picture through libjpeg, with the settings
// fixed (integer DCT, no time stamps), so the same pixels give the same bytes.

#include <cstdint>
#include <vector>

namespace zelvan::jpeg {

std::vector<uint8_t> EncodeJpeg(const std::vector<uint8_t>& rgb, int width, int height, int quality);

}  // namespace zelvan::jpeg
