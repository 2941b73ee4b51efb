#include "core/store/image_entry.h"

#include <algorithm>
#include <vector>

#include "core/store/ini_file.h"
#include "core/text/str_to_int.h"

namespace zelvan::store {

namespace {

// Characters first..last (1-based, inclusive), cut at the end of the value.
std::string_view Columns(std::string_view value, size_t first, size_t last) {
  if (first > value.size()) return {};
  return value.substr(first - 1, last - first + 1);
}

int Column(std::string_view value, size_t first, size_t last) { return text::StrToInt(Columns(value, first, last)); }

std::vector<std::string_view> Words(std::string_view text, std::string_view delimiters) {
  std::vector<std::string_view> words;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of(delimiters, start);
    const size_t stop = end == std::string_view::npos ? text.size() : end;
    if (stop > start) words.push_back(text.substr(start, stop - start));
    start = stop + 1;
  }
  return words;
}

int WordOr(const std::vector<std::string_view>& words, size_t index, int def) {
  return index < words.size() ? TryStrToInt(words[index]).value_or(def) : def;
}

paint::TRect FixedRect(std::string_view v) {
  return {Column(v, 2, 5), Column(v, 7, 10), Column(v, 12, 15), Column(v, 17, 20)};
}

TImageEntry ExternalFile(std::string_view value) {
  const auto w = Words(value, "!");
  TImageEntry e;
  e.Form = TEntryForm::efExternalFile;
  e.FileName = w.empty() ? std::string() : std::string(w[0]);
  e.ImageCount = WordOr(w, 1, 0);
  e.MaskType = WordOr(w, 2, 0);
  const int kind = WordOr(w, 3, 0);
  e.ImgType = static_cast<TacImgType>(kind < 0 ? 0 : kind > 4 ? 4 : kind);
  if (w.size() >= 8) {
    e.HasMargins = true;
    e.WL = WordOr(w, 4, 0);
    e.WT = WordOr(w, 5, 0);
    e.WR = WordOr(w, 6, 0);
    e.WB = WordOr(w, 7, 0);
  }
  e.DrawMode = WordOr(w, 8, 1);
  return e;
}

// Coordinates beyond any bitmap are cut, so that widths and heights of a
// hostile entry cannot overflow.
constexpr int kMaxCoordinate = 1 << 24;

int Coordinate(const std::vector<std::string_view>& words, size_t index) {
  return std::clamp(WordOr(words, index, 0), -kMaxCoordinate, kMaxCoordinate);
}

TImageEntry Rectangle(std::string_view value) {
  const auto w = Words(value, " ()");
  const auto rect = Words(w.size() > 1 ? w[1] : std::string_view(), " ,");
  const auto params = Words(w.size() > 2 ? w[2] : std::string_view(), " ,");
  TImageEntry e;
  e.Form = TEntryForm::efRectangle;
  e.R = {Coordinate(rect, 0), Coordinate(rect, 1), Coordinate(rect, 2), Coordinate(rect, 3)};
  e.ImageCount = std::max(WordOr(params, 0, 1), 1);
  e.MaskType = std::max(WordOr(params, 1, 0), 0);
  e.BorderWidth = params.size() > 2 ? std::max(text::StrToInt(params[2]), 0) : 0;
  e.DrawMode = params.size() > 3 ? text::StrToInt(params[3]) : 1;
  return e;
}

}  // namespace

TImageEntry ParseImageEntry(std::string_view v) {
  TImageEntry e;
  if (v.empty()) return e;
  switch (v.front()) {
    case '!':
      return ExternalFile(v);
    case '@':
      e.Form = TEntryForm::efGlyph;
      e.R = FixedRect(v);
      e.ImageCount = Column(v, 22, 22);
      e.MaskType = Column(v, 24, 24);
      e.ImgType = itisaGlyph;
      return e;
    case '^':
      e.Form = TEntryForm::efBorder;
      e.R = FixedRect(v);
      e.WL = Column(v, 22, 25);
      e.WT = Column(v, 27, 30);
      e.WR = Column(v, 32, 35);
      e.WB = Column(v, 37, 40);
      e.ImageCount = Column(v, 42, 42);
      e.MaskType = Column(v, 44, 44);
      e.DrawMode = Column(v, 46, 46);
      e.BorderWidth = Column(v, 48, 48);
      e.HasMargins = true;
      return e;
    case '~':
      e.Form = TEntryForm::efTexture;
      e.R = FixedRect(v);
      e.DrawMode = Column(v, 22, 23);
      e.MaskType = v.size() < 25 ? 0 : Column(v, 25, 25);
      e.ImageCount = 1;
      e.ImgType = itisaTexture;
      return e;
    default:
      break;
  }
  if (v.find('#') == std::string_view::npos) {
    if (UpperCase(v).find(".BMP") == std::string::npos) return e;
    e.Form = TEntryForm::efBitmapFile;
    e.FileName = std::string(v);
    e.ImageCount = 3;
    e.MaskType = 1;
    return e;
  }
  return v == "#" ? e : Rectangle(v);
}

}  // namespace zelvan::store
