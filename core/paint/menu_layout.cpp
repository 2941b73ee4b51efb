#include "core/paint/menu_layout.h"

#include <algorithm>

namespace zelvan::paint {

TMenuItemKind MenuItemKind(const std::wstring& caption) {
  if (caption == L"-") return TMenuItemKind::Separator;
  if (caption.size() > 1 && caption.front() == L'-' && caption.back() == L'-') return TMenuItemKind::Caption;
  return TMenuItemKind::Normal;
}

std::wstring MenuCaptionText(const std::wstring& caption) {
  if (MenuItemKind(caption) != TMenuItemKind::Caption) return caption;
  return caption.substr(1, caption.size() - 2);
}

std::wstring StripAccelerators(const std::wstring& text) {
  std::wstring out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&') {
      if (i + 1 < text.size() && text[i + 1] == L'&') {
        out += L'&';
        ++i;
      }
      continue;
    }
    out += text[i];
  }
  return out;
}

TMenuItemSize MeasureMenuItem(const TMenuMeasureInput& in) {
  TMenuItemSize size;
  size.Width = 2 * in.GlyphWidth + in.TextWidth + 3 * in.Margin + in.Spacing + in.ExtraLineWidth;
  switch (in.Kind) {
    case TMenuItemKind::Separator:
      size.Height = 2;
      break;
    case TMenuItemKind::Caption:
      size.Height = in.TextHeight + 2 * in.Margin + 2;
      break;
    case TMenuItemKind::Normal:
      size.Height = std::max(in.TextHeight, in.GlyphHeight) + 2 * in.Margin + 2;
      break;
  }
  return size;
}

bool MenuColumnBreakBefore(int index) { return index > 0 && index % 20 == 0; }

}  // namespace zelvan::paint
