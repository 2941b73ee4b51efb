#include "core/store/skin_handover.h"

#include <cstring>

namespace zelvan::store {

namespace {

std::string FieldText(const uint8_t* field, size_t size) {
  const void* zero = std::memchr(field, 0, size);
  const size_t length = zero ? static_cast<size_t>(static_cast<const uint8_t*>(zero) - field) : size;
  return std::string(reinterpret_cast<const char*>(field), length);
}

}  // namespace

std::optional<THandOverRecord> ReadHandOverRecord(const void* data, size_t size) {
  // A shorter block would be read past its end, a longer one is no record either.
  if (!data || size != kHandOverRecordSize) return std::nullopt;
  const auto* bytes = static_cast<const uint8_t*>(data);
  const uint32_t magic = uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 |
                         uint32_t{bytes[3]} << 24;
  if (magic != kHandOverMagic) return std::nullopt;
  const uint8_t* name = bytes + 4;
  const uint8_t* directory = name + kHandOverNameSize;
  const uint8_t* description = directory + kHandOverDirectorySize;
  return THandOverRecord{FieldText(name, kHandOverNameSize), FieldText(directory, kHandOverDirectorySize),
                         FieldText(description, kHandOverDescriptionSize)};
}

}  // namespace zelvan::store
