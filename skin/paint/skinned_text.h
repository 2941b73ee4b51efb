#pragma once
// Skinned text: captions drawn in a skin section's font colours (a main
// colour per state and up to four side colours one pixel left, above, right
// and below it), an optional blurred glow behind them, a faded colour for
// disabled controls, an alpha-keeping variant for 32-bit pictures, and the
// small text routines the skinned controls share.
//
// Every painter leaves the context and the canvas objects as it found them.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/font.h"

class TsCommonData;
class TsSkinManager;

// Side bits of DrawTextGlow.
inline constexpr int kSideLeft = 1, kSideTop = 2, kSideRight = 4, kSideBottom = 8;
inline constexpr int kAllSides = kSideLeft | kSideTop | kSideRight | kSideBottom;

// What a glow plane was made from: any change means a new plane.
struct TGlowKey {
  std::wstring Text;
  std::wstring FontName;
  int FontHeight = 0;
  TFontStyles FontStyle;
  BYTE FontCharset = 0;
  UINT Format = 0;
  int Sides = 0;
  int Size = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const TGlowKey&) const = default;
};

// The blurred glow plane of one caption, kept by its caller between paints.
struct TTextGlowCache {
  TGlowKey Key;
  std::unique_ptr<TBitmap> Plane;  // 8 bits per pixel; null until first drawn
};

// A control's caption in the colours of its section (or its parent's, for
// controls that show their parent's font) for a state; unskinned controls
// and those with their own font colour draw plainly, engraved when disabled.
void WriteTextEx(TCanvas& canvas, const std::wstring& text, bool enabled, int state, TsCommonData* data,
                 UINT format, RECT rect);

// A caption in a section's colours without a control; null manager: the default one.
void WriteSectionText(TCanvas& canvas, const std::wstring& text, bool enabled, TsSkinManager* manager, int state,
                      int sectionIndex, UINT format, RECT rect);

// A caption into a 32-bit picture that carries alpha: every pixel the text
// touches becomes opaque, the rest keep their alpha. Without a valid section
// the font's own colour is used.
void WriteText32(TBitmap& bitmap, const std::wstring& text, TFont& font, bool drawSides, TsSkinManager* manager,
                 bool useHot, int sectionIndex, UINT format, RECT rect);

// A glow of glowSize pixels behind a caption at rect, built from the text
// drawn once per side in `sides` and once in place, then blurred; the plane
// in `cache` is reused while its key is unchanged.
void DrawTextGlow(TBitmap& bitmap, TFont& font, const std::wstring& text, RECT rect, TTextGlowCache& cache,
                  TColor glowColor, int glowSize, int sides, UINT format);

// The text cut with "..." to fit width on the canvas's font; never splits a
// surrogate pair.
std::wstring CutText(TCanvas& canvas, const std::wstring& text, int width);

// Measured on the screen's context with the font; 0 x 0 when measuring fails.
SIZE TextSizeByFont(HFONT font, const std::wstring& text);
SIZE TextSizeOnDC(HDC dc, const std::wstring& text);

// The one platform text call of these painters (DrawTextW).
int DrawTextRect(HDC dc, const std::wstring& text, RECT rect, UINT format);

// A focus frame: every third pixel of each edge in color2, the one before it
// in color1; nothing outside rect.
void DrawDottedRect(TCanvas& canvas, const RECT& rect, TColor color1, TColor color2);

// width nested one-pixel frames, light at the top and left, dark at the
// bottom and right; rect comes back shrunk by the frames drawn, width as 0.
void BevelFrame(HDC dc, RECT& rect, TColor light, int& width, TColor dark);

// Sees every DrawTextRect call (with the context's text colour set) before it
// is made; for tests. An empty function stops watching.
using TTextCallWatcher = std::function<void(HDC dc, const std::wstring& text, const RECT& rect, UINT format)>;
void SetTextCallWatcher(TTextCallWatcher watcher);
