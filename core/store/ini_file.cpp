#include "core/store/ini_file.h"

#include <cstdint>

#include "core/text/str_to_int.h"

namespace zelvan::store {

namespace {

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

std::optional<int32_t> TryStrToInt(std::string_view text) {
  try {
    return text::StrToInt(text);
  } catch (const text::EConvertError&) {
    return std::nullopt;
  }
}

bool TextIsTrue(std::string_view text) { return text == "1" || UpperCase(text) == "TRUE"; }

void TIniFile::SetText(std::string_view text) {
  sections_.clear();
  index_.clear();
  size_t current = SIZE_MAX;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      const auto [found, added] = index_.emplace(std::string(Trim(line.substr(1, line.size() - 2))), sections_.size());
      if (added) sections_.push_back({found->first, {}});
      current = found->second;
      continue;
    }
    const size_t equals = line.find('=');
    if (current == SIZE_MAX || equals == std::string_view::npos) continue;
    sections_[current].Keys.push_back({std::string(Trim(line.substr(0, equals))), std::string(Trim(line.substr(equals + 1)))});
  }
}

const TIniFile::TSection* TIniFile::FindSection(std::string_view name) const {
  const auto found = index_.find(std::string(name));
  return found == index_.end() ? nullptr : &sections_[found->second];
}

const std::string* TIniFile::FindKey(const TSection& section, std::string_view key) {
  for (const TKey& k : section.Keys) {
    if (k.Name == key) return &k.Value;
  }
  return nullptr;
}

std::optional<std::string> TIniFile::Find(std::string_view section, std::string_view key) const {
  const TSection* s = FindSection(section);
  const std::string* value = s ? FindKey(*s, key) : nullptr;
  return value ? std::optional<std::string>(*value) : std::nullopt;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  auto value = Find(section, key);
  return value ? *value : std::string(def);
}

int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key, int32_t def) const {
  auto value = Find(section, key);
  if (!value) return def;
  return TryStrToInt(*value).value_or(def);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  auto value = Find(section, key);
  return value ? TextIsTrue(*value) : def;
}

}  // namespace zelvan::store
