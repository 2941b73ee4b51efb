// Any byte string converts; once converted, the text survives a round trip.
#include "core/text/utf.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::u16string once = zelvan::text::Utf8ToUtf16(bytes);
  const std::string utf8 = zelvan::text::Utf16ToUtf8(once);
  if (zelvan::text::Utf8ToUtf16(utf8) != once) std::abort();
  return 0;
}
