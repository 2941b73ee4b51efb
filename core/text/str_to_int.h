#pragma once
// Whole numbers from skin texts, with the platform's rules: optional leading
// blanks, an optional sign, decimal digits or hexadecimal after "$" or "0x",
// and nothing after the digits. Anything else is a conversion error.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zelvan::text {

class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws EConvertError "'<text>' is not a valid integer value" for a malformed
// text or one outside the 32-bit range (hexadecimal may use all 32 bits).
int32_t StrToInt(std::string_view text);

}  // namespace zelvan::text
