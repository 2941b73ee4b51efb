#include <algorithm>
#include <string>

#include "core/paint/gradient.h"
#include "core/text/str_to_int.h"
#include "core/text/utf.h"

namespace zelvan::paint {
namespace {

std::vector<std::string_view> SplitWords(std::string_view text) {
  std::vector<std::string_view> words;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(';', start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start) words.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

}  // namespace

void ParseGradient(std::string_view text, TsGradArray& gradient) {
  const std::vector<std::string_view> words = SplitWords(text);
  TsGradArray pieces(words.size() / 5);
  for (size_t i = 0; i < pieces.size(); ++i) {
    const std::string_view* w = &words[5 * i];
    pieces[i].Color1 = static_cast<TColor>(std::max(text::StrToInt(w[0]), 0));
    pieces[i].Color2 = static_cast<TColor>(std::max(text::StrToInt(w[1]), 0));
    pieces[i].Percent = static_cast<TPercent>(std::clamp(text::StrToInt(w[2]), 0, 100));
    pieces[i].Mode1 = text::StrToInt(w[3]);
  }
  gradient = std::move(pieces);
}

void ParseGradient(std::u16string_view text, TsGradArray& gradient) {
  ParseGradient(std::string_view(text::Utf16ToUtf8(text)), gradient);
}

}  // namespace zelvan::paint
