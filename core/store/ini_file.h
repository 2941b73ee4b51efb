#pragma once
// Case-sensitive INI text: "[name]" lines open sections, "key=value" lines
// belong to the current one, lines starting ";" are comments. Names and
// values are trimmed of blanks; sections and keys keep their file order.
// A section named twice gathers both parts; of a key named twice the first wins.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zelvan::store {

class TIniFile {
 public:
  struct TKey {
    std::string Name;
    std::string Value;
  };
  struct TSection {
    std::string Name;
    std::vector<TKey> Keys;
  };

  TIniFile() = default;
  explicit TIniFile(std::string_view text) { SetText(text); }

  void SetText(std::string_view text);

  const std::vector<TSection>& Sections() const { return sections_; }
  const TSection* FindSection(std::string_view name) const;

  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  // The first value of key in section, or null.
  static const std::string* FindKey(const TSection& section, std::string_view key);
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  // Decimal, or hexadecimal after "$" or "0x"; anything else gives def.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;
  // "1" or "TRUE" in any letter case is true, any other text false.
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;

 private:
  std::vector<TSection> sections_;
  std::unordered_map<std::string, size_t> index_;  // section name -> position
};

// Helpers shared by the loaders.
std::string UpperCase(std::string_view text);  // ASCII letters only
std::optional<int32_t> TryStrToInt(std::string_view text);
bool TextIsTrue(std::string_view text);

}  // namespace zelvan::store
