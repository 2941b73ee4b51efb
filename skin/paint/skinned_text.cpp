#include "skin/paint/skinned_text.h"

#include <cstring>

#include "core/paint/blur.h"
#include "core/paint/color_mix.h"
#include "core/paint/dotted_frame.h"
#include "core/paint/hue_saturation.h"
#include "core/paint/system_colors.h"
#include "core/paint/text_blend.h"
#include "core/text/cut_text.h"
#include "framework/controls/win_control.h"
#include "framework/system/win_handles.h"
#include "skin/core/common_data.h"
#include "skin/store/skin_manager.h"

namespace {

using zelvan::store::TsFontColor;
using zelvan::store::TsGenState;

constexpr TColor kNoSide = static_cast<TColor>(-1);

TTextCallWatcher& Watcher() {
  static TTextCallWatcher watcher;
  return watcher;
}

// Side colours in drawing order, with their offsets and DrawTextGlow bits.
struct TSide {
  TColor TsFontColor::*Color;
  int Dx, Dy, Bit;
};
constexpr TSide kSides[] = {{&TsFontColor::Left, -1, 0, kSideLeft},
                            {&TsFontColor::Top, 0, -1, kSideTop},
                            {&TsFontColor::Right, 1, 0, kSideRight},
                            {&TsFontColor::Bottom, 0, 1, kSideBottom}};

// Each side colour that is set (when asked), then the main colour last.
void ForEachFontColor(const TsFontColor& colors, bool sides,
                      const std::function<void(TColor color, int dx, int dy, bool main)>& draw) {
  if (sides) {
    for (const TSide& side : kSides) {
      if (colors.*side.Color != kNoSide) draw(colors.*side.Color, side.Dx, side.Dy, false);
    }
  }
  draw(colors.Color, 0, 0, true);
}

// A context borrowed from a canvas for text: state saved, font selected,
// no background box, optionally clipped; all put back at the end.
class TTextScope {
 public:
  TTextScope(TCanvas& canvas, HFONT font, const RECT* clip) : FCanvas(canvas), FSaved(canvas.SaveState()) {
    HDC dc = canvas.Handle();
    if (clip) IntersectClipRect(dc, clip->left, clip->top, clip->right, clip->bottom);
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
  }
  ~TTextScope() { FCanvas.RestoreState(FSaved); }
  TTextScope(const TTextScope&) = delete;
  TTextScope& operator=(const TTextScope&) = delete;
  HDC DC() { return FCanvas.Handle(); }

 private:
  TCanvas& FCanvas;
  int FSaved;
};

void DrawInColor(HDC dc, const std::wstring& text, RECT rect, UINT format, TColor color, int dx = 0, int dy = 0) {
  SetTextColor(dc, zelvan::paint::ColorToRGB(color));
  OffsetRect(&rect, dx, dy);
  DrawTextRect(dc, text, rect, format);
}

// The platform's look: the font colour, or engraved when disabled.
void DrawPlainText(HDC dc, const std::wstring& text, const RECT& rect, UINT format, bool enabled, TColor fontColor) {
  if (enabled) return DrawInColor(dc, text, rect, format, fontColor);
  DrawInColor(dc, text, rect, format, clBtnHighlight, 1, 1);
  DrawInColor(dc, text, rect, format, clBtnShadow);
}

// Graphic controls and check boxes, radio buttons and group boxes show the
// colours of the section they are drawn on.
bool ShowsParentColors(TControl& control, int coc) {
  return coc == 32 || coc == 33 || coc == 74 || dynamic_cast<TWinControl*>(&control) == nullptr;
}

int FontSectionIndex(const TsCommonData& data, TsSkinManager& manager, int state) {
  const int own = data.SkinIndex;
  TControl* control = data.OwnerControl();
  const int g = state == 0 ? 0 : 1;
  if (control && ShowsParentColors(*control, data.COC) && control->ParentFont() && control->Parent() &&
      manager.gd[static_cast<size_t>(own)].Props[g].Transparency > 0) {
    return TsCommonData::ParentFontSectionIndex(control, own, &manager, state);
  }
  return own;
}

TsSkinManager* ManagerOrDefault(TsSkinManager* manager) { return manager ? manager : DefaultManager(); }

bool IsWebButton(const TsCommonData& data, const TsSkinManager& manager) {
  return manager.IsValidSkinIndex(data.SkinIndex) && data.SkinIndex == manager.ConstData.IndexWebBtn;
}

// Text black on an opaque white picture of the rect's size: the mask of WriteText32.
std::unique_ptr<TBitmap> TextMask(TFont& font, const std::wstring& text, const RECT& rect, UINT format) {
  auto mask = std::make_unique<TBitmap>(rect.right - rect.left, rect.bottom - rect.top, pf32bit);
  TCanvas& canvas = mask->Canvas();
  TTextScope scope(canvas, font.Handle(), nullptr);
  const RECT whole{0, 0, mask->Width(), mask->Height()};
  FillRect(scope.DC(), &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawInColor(scope.DC(), text, whole, format, clBlack);
  return mask;
}

TGlowKey GlowKeyOf(TFont& font, const std::wstring& text, UINT format, int sides, int size, int width, int height) {
  return {text, font.Name(), font.Height(), font.Style(), font.Charset(), format, sides, size, width, height};
}

// The text in black on white, once per requested side and once in place, blurred.
std::unique_ptr<TBitmap> GlowPlane(TFont& font, const std::wstring& text, const TGlowKey& key, RECT textRect) {
  auto plane = std::make_unique<TBitmap>(key.Width, key.Height, pf8bit);
  for (int y = 0; y < plane->Height(); ++y) std::memset(plane->ScanLine(y), 255, static_cast<size_t>(key.Width));
  {
    TTextScope scope(plane->Canvas(), font.Handle(), nullptr);
    SetTextColor(scope.DC(), RGB(0, 0, 0));
    for (const TSide& side : kSides) {
      if (key.Sides & side.Bit) DrawInColor(scope.DC(), text, textRect, key.Format, clBlack, side.Dx, side.Dy);
    }
    DrawInColor(scope.DC(), text, textRect, key.Format, clBlack);
  }
  GdiFlush();
  zelvan::paint::BlurGray8(plane->Image(), key.Size);
  return plane;
}

}  // namespace

void SetTextCallWatcher(TTextCallWatcher watcher) { Watcher() = std::move(watcher); }

int DrawTextRect(HDC dc, const std::wstring& text, RECT rect, UINT format) {
  if (Watcher()) Watcher()(dc, text, rect, format);
  std::wstring buffer = text;  // DT_MODIFYSTRING may write into it
  buffer.reserve(buffer.size() + 4);
  return DrawTextW(dc, buffer.data(), static_cast<int>(text.size()), &rect, format);
}

void WriteTextEx(TCanvas& canvas, const std::wstring& text, bool enabled, int state, TsCommonData* data,
                 UINT format, RECT rect) {
  if (text.empty() || IsRectEmpty(&rect)) return;
  TsSkinManager* manager = data ? data->SkinManager() : nullptr;
  const bool skinned = data && manager && data->Skinned();
  // A hot web-button caption is underlined through a font of its own, so the
  // canvas's font keeps its style for whatever is drawn next.
  TFont underlined;
  const bool underline = skinned && state != 0 && IsWebButton(*data, *manager);
  if (underline) {
    underlined.Assign(canvas.Font());
    underlined.SetStyle(canvas.Font().Style() + TFontStyles{fsUnderline});
  }
  TFont& font = underline ? underlined : canvas.Font();
  TTextScope scope(canvas, font.Handle(), &rect);
  HDC dc = scope.DC();
  if (!skinned || data->CustomFont()) return DrawPlainText(dc, text, rect, format, enabled, canvas.Font().Color());

  const int b = FontSectionIndex(*data, *manager, state);
  if (!manager->IsValidSkinIndex(b)) return DrawInColor(dc, text, rect, format, canvas.Font().Color());
  const zelvan::store::TsGeneralData& section = manager->gd[static_cast<size_t>(b)];
  const TsGenState& props = section.Props[state == 0 ? 0 : 1];
  const auto adjust = [data](TColor color) {
    color = zelvan::paint::ChangeColorHue(zelvan::paint::ColorToRGB(color), data->HUEOffset());
    return zelvan::paint::ChangeColorSaturation(color, data->Saturation());
  };
  // The glow goes into the pixels under this canvas only when it is the cache's own.
  TBitmap* cache = data->CacheBmp();
  if (props.GlowSize != 0 && cache && !cache->Empty() && &cache->Canvas() == &canvas) {
    TTextGlowCache glow;
    DrawTextGlow(*cache, font, text, rect, glow, adjust(props.GlowColor), props.GlowSize, kAllSides, format);
  }
  if (!enabled) {
    const TColor faded = zelvan::paint::MixColors(section.Props[0].FontColor.Color, manager->GetGlobalColor(), 0.4);
    return DrawInColor(dc, text, rect, format, adjust(faded));
  }
  ForEachFontColor(props.FontColor, true, [&](TColor color, int dx, int dy, bool main) {
    DrawInColor(dc, text, rect, main ? format | DT_NOCLIP : format, adjust(color), dx, dy);
  });
}

void WriteSectionText(TCanvas& canvas, const std::wstring& text, bool enabled, TsSkinManager* manager, int state,
                      int sectionIndex, UINT format, RECT rect) {
  if (text.empty() || IsRectEmpty(&rect)) return;
  manager = ManagerOrDefault(manager);
  TTextScope scope(canvas, canvas.Font().Handle(), nullptr);
  HDC dc = scope.DC();
  if (!manager || !manager->IsValidSkinIndex(sectionIndex))
    return DrawInColor(dc, text, rect, format, canvas.Font().Color());
  const zelvan::store::TsGeneralData& section = manager->gd[static_cast<size_t>(sectionIndex)];
  if (!enabled) {
    const TColor faded = zelvan::paint::MixColors(section.Props[0].FontColor.Color, section.Props[0].Color, 0.4);
    return DrawInColor(dc, text, rect, format, faded);
  }
  ForEachFontColor(section.Props[state == 0 ? 0 : 1].FontColor, true,
                   [&](TColor color, int dx, int dy, bool) { DrawInColor(dc, text, rect, format, color, dx, dy); });
}

void WriteText32(TBitmap& bitmap, const std::wstring& text, TFont& font, bool drawSides, TsSkinManager* manager,
                 bool useHot, int sectionIndex, UINT format, RECT rect) {
  if (text.empty() || IsRectEmpty(&rect) || bitmap.PixelFormat() != pf32bit) return;
  manager = ManagerOrDefault(manager);
  // Every colour lays the same mask, so the text is rendered once.
  const std::unique_ptr<TBitmap> mask = TextMask(font, text, rect, format);
  GdiFlush();
  const auto lay = [&](TColor color, int dx, int dy, bool) {
    zelvan::paint::BlendTextMask(bitmap.Image(), {rect.left + dx, rect.top + dy}, mask->Image(), color);
  };
  if (!manager || !manager->IsValidSkinIndex(sectionIndex)) return lay(font.Color(), 0, 0, true);
  const zelvan::store::TsGeneralData& section = manager->gd[static_cast<size_t>(sectionIndex)];
  ForEachFontColor(section.Props[useHot && section.States > 1 ? 1 : 0].FontColor, drawSides, lay);
}

void DrawTextGlow(TBitmap& bitmap, TFont& font, const std::wstring& text, RECT rect, TTextGlowCache& cache,
                  TColor glowColor, int glowSize, int sides, UINT format) {
  if (text.empty() || glowSize <= 0 || bitmap.PixelFormat() != pf32bit) return;
  OffsetRect(&rect, 1, 1);
  const int margin = glowSize + 4;
  RECT glowRect = rect;
  InflateRect(&glowRect, margin, margin);
  const TGlowKey key = GlowKeyOf(font, text, format, sides, glowSize, glowRect.right - glowRect.left,
                                 glowRect.bottom - glowRect.top);
  if (key.Width <= 0 || key.Height <= 0) return;
  if (!cache.Plane || !(cache.Key == key)) {
    const RECT textRect{margin, margin, margin + rect.right - rect.left, margin + rect.bottom - rect.top};
    cache.Plane = GlowPlane(font, text, key, textRect);
    cache.Key = key;
  }
  GdiFlush();
  zelvan::paint::BlendGlow(bitmap.Image(), {glowRect.left, glowRect.top}, cache.Plane->Image(), glowColor);
}

std::wstring CutText(TCanvas& canvas, const std::wstring& text, int width) {
  static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 texts on this platform");
  const std::u16string cut = zelvan::text::CutText(
      std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()), width,
      [&canvas](std::u16string_view part) { return canvas.TextWidth(std::wstring(part.begin(), part.end())); });
  return std::wstring(cut.begin(), cut.end());
}

SIZE TextSizeOnDC(HDC dc, const std::wstring& text) {
  SIZE size{};
  if (!dc || !GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size)) return SIZE{0, 0};
  return size;
}

SIZE TextSizeByFont(HFONT font, const std::wstring& text) {
  HDC screen = GetDC(nullptr);
  if (!screen || !font) {
    if (screen) ReleaseDC(nullptr, screen);
    return SIZE{0, 0};
  }
  HGDIOBJ old = SelectObject(screen, font);
  const SIZE size = TextSizeOnDC(screen, text);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return size;
}

void DrawDottedRect(TCanvas& canvas, const RECT& rect, TColor color1, TColor color2) {
  for (const zelvan::paint::TFrameDot& dot : zelvan::paint::DottedFrameDots({rect.left, rect.top, rect.right, rect.bottom}))
    canvas.SetPixel(dot.X, dot.Y, dot.Second ? color2 : color1);
}

void BevelFrame(HDC dc, RECT& rect, TColor light, int& width, TColor dark) {
  const TPenHandle lightPen(CreatePen(PS_SOLID, 1, zelvan::paint::ColorToRGB(light)));
  const TPenHandle darkPen(CreatePen(PS_SOLID, 1, zelvan::paint::ColorToRGB(dark)));
  const int saved = SaveDC(dc);
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  while (width > 0) {
    --width;
    const int right = rect.right - 1, bottom = rect.bottom - 1;
    const POINT topLeft[] = {{rect.left, bottom}, {rect.left, rect.top}, {right, rect.top}};
    const POINT bottomRight[] = {{right, rect.top}, {right, bottom}, {rect.left, bottom}};
    SelectObject(dc, lightPen.Get());
    Polyline(dc, topLeft, 3);
    SelectObject(dc, darkPen.Get());
    Polyline(dc, bottomRight, 3);
    InflateRect(&rect, -1, -1);
  }
  RestoreDC(dc, saved);  // the pens leave the context before they are freed
}
