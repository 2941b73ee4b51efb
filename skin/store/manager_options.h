#pragma once
// The settings objects a skin manager publishes: effect permissions,
// animation settings, popup-menu settings and the class-name lists of
// foreign controls that wrappers take over.

#include <array>
#include <cstdint>
#include <string>

#include "framework/graphics/font.h"
#include "framework/system/set.h"

// Glow and blur permissions. AllowGlowing reads true only where the platform
// can show layered windows and composition was not off for a 32-bit process
// on a 64-bit system at start-up.
class TacSkinEffects {
 public:
  bool AllowGlowing() const;
  void SetAllowGlowing(bool allow) { FAllowGlowing = allow; }
  bool StoredAllowGlowing() const { return FAllowGlowing; }
  bool AllowAeroBluring = true;

 private:
  bool FAllowGlowing = true;
};

enum TacAnimType { atFading, atAero };

// One window animation: whether it runs, how long (ms) and how.
class TacFormAnimation {
 public:
  explicit TacFormAnimation(bool active = true, uint16_t time = 0, TacAnimType mode = atAero)
      : Active(active), Time(time), Mode(mode) {}
  virtual ~TacFormAnimation() = default;
  bool Active;
  uint16_t Time;
  TacAnimType Mode;  // published only by the classes whose mode can be chosen
};

class TacBlendOnMoving : public TacFormAnimation {
 public:
  TacBlendOnMoving() : TacFormAnimation(false, 1000) {}
  uint8_t BlendValue = 170;  // opacity of a form while it is moved
};
class TacDialogShow : public TacFormAnimation {};
class TacFormShow : public TacFormAnimation {};
class TacFormHide : public TacFormAnimation {};
class TacMinimizing : public TacFormAnimation {
 public:
  TacMinimizing() : TacFormAnimation(true, 200) {}
};
class TacPageChange : public TacFormAnimation {};
class TacSkinChanging : public TacFormAnimation {
 public:
  TacSkinChanging() : TacFormAnimation(true, 100, atFading) {}
};

enum TacBtnEvent { beMouseEnter, beMouseLeave, beMouseDown, beMouseUp };
using TacBtnEvents = TSet<TacBtnEvent>;

class TacBtnEffects {
 public:
  TacBtnEvents Events{beMouseEnter, beMouseLeave, beMouseDown, beMouseUp};
};

struct TacAnimEffects {
  TacBlendOnMoving BlendOnMoving;
  TacBtnEffects Buttons;
  TacDialogShow DialogShow;
  TacFormShow FormShow;
  TacFormHide FormHide;
  TacFormHide DialogHide;
  TacMinimizing Minimizing;
  TacPageChange PageChange;
  TacSkinChanging SkinChanging;
};

class TacMenuSupport {
 public:
  uint8_t AlphaBlend = 255;
  std::wstring IcoLineSkin;  // "ICOLINE" once the stored settings are read, when still empty
  bool UseExtraLine = false;
  int ExtraLineWidth = 32;
  TFont ExtraLineFont;
};

// The 21 class-name lists, each one class name per line. A single space is a
// value that names no class, so the list is not refilled with its default.
class ThirdPartyList {
 public:
  static constexpr int kCount = 21;
  static const std::array<const wchar_t*, kCount>& Names();     // ThirdEdits, ThirdButtons, ...
  static const std::array<const wchar_t*, kCount>& Defaults();  // " ", "TButton", " ", ...
  // Index of a property name, -1 when unknown.
  static int IndexOf(const std::wstring& name);

  const std::wstring& Text(int index) const { return FTexts.at(static_cast<size_t>(index)); }
  void SetText(int index, const std::wstring& text) { FTexts.at(static_cast<size_t>(index)) = text; }

 private:
  std::array<std::wstring, kCount> FTexts;
};
