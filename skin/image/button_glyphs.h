#pragma once
// The glyphs of push, bit and speed buttons (a picture of a strip, or an
// image list entry) in every state and in the disabled look, into the
// control's cache or onto a canvas; the small drop-down arrow and the small
// check box of list views.

#include <windows.h>

#include "core/paint/button_glyph.h"
#include "core/paint/cache_info.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/image_list.h"

class TCanvas;
class TsCommonData;
class TsSkinManager;

using zelvan::paint::dgBlended;
using zelvan::paint::dgGrayed;
using zelvan::paint::TsDisabledGlyphKind;

// What a skinned button tells about its glyph; the button classes fill it.
struct TsGlyphParams {
  TsCommonData* SkinData = nullptr;  // cache bitmap, section and hot state; null: unskinned
  TBitmap* Glyph = nullptr;          // the strip; null or empty: the image list is used
  TImageList* Images = nullptr;
  int ImageIndex = -1;
  RECT ImgRect{};                    // where the glyph goes in the control
  int NumGlyphs = 1;
  int Blend = 0;                     // per cent of transparency in the normal state
  bool Down = false;
  bool Grayed = false;               // grey in the normal state
  int State = 0;                     // 0 normal, 1 hot, 2 pressed, 3 default
  TsDisabledGlyphKind DisabledGlyphKind = dgBlended;
  bool Reflected = false;
  bool Enabled = true;
  int Width = 0;                     // the control's size
  int Height = 0;
};

// Draws the glyph into the control's cache bitmap (canvas null) or onto the
// canvas at the control's origin. Missing pictures draw nothing.
void DrawBtnGlyph(const TsGlyphParams& params, TCanvas* canvas);

// A filled arrow centred in rect: kind 8 points down, 4 right.
void DrawSmallArrow(TCanvas& canvas, TColor color, const RECT& rect, int kind);

// The skin's small check box (its state width + 2), else a cell of the
// platform's check-box bitmap.
int SmallCheckBoxWidth(TsSkinManager* manager);
int SmallCheckBoxHeight(TsSkinManager* manager);
// The small check box of an item into bitmap, centred in rect's width and at
// the bitmap's top: checkState 0 unchecked, 1 checked, 2 grayed.
void DrawSmallCheckBox(const RECT& rect, int checkState, bool enabled, TsSkinManager* manager,
                       const zelvan::paint::TCacheInfo& cacheInfo, TBitmap& bitmap);
