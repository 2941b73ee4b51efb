#pragma once
// The one private message through which every piece of the skin engine talks:
// SKM_COMMAND, its command codes, the records exchanged by pointer, and the
// delivery operations. Commands are always delivered synchronously.
//
//   WParam high word: command code; low word: a small argument (1 = on).
//   LParam: the sending manager, a record pointer, a colour or 0.
//   Result: the answer, 0 when the receiver does not know the command.

#include <windows.h>

#include <cstdint>
#include <string>

#include "core/paint/cache_info.h"
#include "core/paint/color.h"

class TControl;

// Fixed, so that every module of the process (and tests) agree without registering it.
inline constexpr UINT SKM_COMMAND = 0xA100;

// Codes 12, 39 to 50, 53 to 59 and above 62 are not used.
enum TSkinCommand : uint16_t {
  SKC_SKIN_LOADED = 1,         // LParam = manager
  SKC_SKIN_REMOVED = 2,        // LParam = manager
  SKC_REFRESH = 3,             // LParam = manager
  SKC_GET_PROVIDER = 4,        // answer: the form's provider, 0 if none
  SKC_CHILD_PAINTING = 5,
  SKC_PARENT_UPDATED = 6,
  SKC_IS_SKINNED = 7,          // answer: 1 from every receiver that handles skin commands
  SKC_SET_UPDATING = 8,        // low word 1 sets, else clears
  SKC_URGENT_PAINT = 9,        // low word 1 sets, else clears
  SKC_GET_UPDATING = 10,       // answer: 1 when painting must be held back
  SKC_GET_HALF_VISIBLE = 11,
  SKC_SECTION_CHANGED = 13,    // the section name travels in ChangedSectionName()
  SKC_MENU_BORDER = 14,
  SKC_SET_SECTION = 15,        // LParam = TacSectionInfo*
  SKC_STOP_ANIMATION = 16,
  SKC_BG_CHANGED = 17,
  SKC_REPAINT_NOW = 18,
  SKC_MOVE_NEEDS_REPAINT = 19,  // answer: 1 when the picture depends on the position
  SKC_PARENT_BG_CHANGED = 20,  // low word 1: also redraw now
  SKC_GET_BG_COLOR = 21,       // answer: a colour
  SKC_SET_HALF_VISIBLE = 22,
  SKC_PREPARE_CACHE = 23,
  SKC_PAINT_FADE_FRAME = 24,   // LParam = the blended frame bitmap
  SKC_ADD_CHILDREN = 25,       // LParam = container control or 0
  SKC_GET_SKIN_INDEX = 26,     // LParam = TacSectionInfo*
  SKC_GET_CAPTION_HEIGHT = 27,
  SKC_INIT_DIALOG_CONTROLS = 28,
  SKC_MOUSE_ENTER = 29,        // LParam = manager
  SKC_MOUSE_LEAVE = 30,        // LParam = manager
  SKC_BEGIN_UPDATE = 31,
  SKC_END_UPDATE = 32,
  SKC_CLEAR_CACHE = 33,
  SKC_GET_BG_INFO = 34,        // LParam = TBgRequest*
  SKC_GET_DISABLED_KIND = 35,  // LParam = TsDisabledKind* (one byte)
  SKC_GET_SKIN_STATE = 36,     // LParam 1: recompute for the receiver and its children
  SKC_GET_SKIN_DATA = 37,
  SKC_SET_PRINT_DC = 38,       // LParam = device context, 0 ends
  SKC_BEFORE_SCROLL = 51,      // LParam: low word scroll code, high word WM_HSCROLL/WM_VSCROLL
  SKC_AFTER_SCROLL = 52,
  SKC_GET_APPLICATION = 60,
  SKC_GET_CLIENT_OFFSET = 61,  // answer: x in the low 16 bits, y in the high 16 bits
  SKC_TITLE_CHANGED = 62,      // LParam 1: the background changed too
};

// WParam of a command with its small argument.
inline WPARAM SkinCommandWParam(uint16_t code, uint16_t argument = 0) {
  return static_cast<WPARAM>((static_cast<uint32_t>(code) << 16) | argument);
}
inline uint16_t SkinCommandCode(WPARAM wParam) { return static_cast<uint16_t>(HIWORD(wParam)); }
inline uint16_t SkinCommandArgument(WPARAM wParam) { return static_cast<uint16_t>(LOWORD(wParam)); }
inline bool IsSkinCommand(UINT msg, WPARAM wParam, uint16_t code) {
  return msg == SKM_COMMAND && SkinCommandCode(wParam) == code;
}

// Exchanged by pointer with SKC_SET_SECTION and SKC_GET_SKIN_INDEX. The
// string makes it a same-thread record: it never crosses processes.
struct TacSectionInfo {
  int32_t SkinIndex = -1;
  std::string Name;
  bool RepaintNeeded = false;
};

enum TBgKind : uint8_t {
  bgNoAnswer = 0,   // the parent does not handle skin commands
  bgColor = 1,      // a plain colour in Color
  bgBitmap = 2,     // the parent's cache bitmap in Bmp, the child's area at X, Y
  bgHoldBack = 3,   // the parent is rebuilding: paint nothing now
};

// The background request of SKC_GET_BG_INFO. With PaintToDC the requester
// puts its own position into X, Y and each fully transparent parent on the
// way adds its own; without it the requester sends 0 and adds its position
// to the answer itself.
struct TBgRequest {
  zelvan::image::TWorkingBitmap* Bmp = nullptr;  // out
  zelvan::paint::TColor Color = 0;               // out
  int32_t X = 0;                                 // in/out
  int32_t Y = 0;                                 // in/out
  RECT R{};                                      // in: the area to paint, child coordinates
  uint8_t Kind = bgNoAnswer;                     // out
  bool PaintToDC = false;                        // in
  HDC DC = nullptr;                              // in
};

// A bitmap answer becomes the picture at X, Y (ready); any other answer
// becomes a fill colour (system colours resolved) with X, Y as returned.
zelvan::paint::TCacheInfo CacheInfoFromRequest(const TBgRequest& request);

// Sends SKM_COMMAND with the code in the high word and 0 in the low word.
LRESULT SendSkinCommand(HWND window, uint16_t code, LPARAM lParam = 0);
// A windowed control without a window (or being destroyed) gets nothing and
// 0 comes back, so no window is ever made by a command; a graphic control has
// the message dispatched to it directly.
LRESULT PerformSkinCommand(TControl* control, uint16_t code, LPARAM lParam = 0);
LRESULT PerformSkinCommand(TControl* control, WPARAM wParam, LPARAM lParam);
// True only when the answer is exactly 1.
bool QuerySkinCommand(HWND window, uint16_t code);

// The upper-case section name that SKC_SECTION_CHANGED is about.
std::string& ChangedSectionName();
