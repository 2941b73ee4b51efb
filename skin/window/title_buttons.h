#pragma once
// The user's own buttons in a skinned form's title band (TitleButtons),
// placed left of the system buttons. Each shows the skin's "TITLEBUTTON"
// picture (when UseSkinData and the skin has it) with its glyph centred over
// it, reports presses and releases, and shows its hint while hot. Every
// change is reported to the owner, which lays the band out again.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/controls/control_types.h"
#include "framework/graphics/bitmap.h"
#include "framework/system/object.h"
#include "skin/window/caption_button.h"
#include "skin/window/title_hint.h"

class TsTitleButtons;

class TsTitleButton : public TObject {
 public:
  explicit TsTitleButton(TsTitleButtons& owner) : FOwner(owner) {}

  // --- published
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);
  // 32-bit glyphs keep their alpha; others are see-through by their bottom-left colour.
  const TBitmap& Glyph() const { return FGlyph; }
  void SetGlyph(const TBitmap& glyph);
  std::wstring Hint;
  std::wstring Name;
  bool UseSkinData() const { return FUseSkinData; }
  void SetUseSkinData(bool use);
  bool Visible() const { return FVisible; }
  void SetVisible(bool visible);
  // Coordinates are the button's own (0, 0 at its top-left).
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;

  int Index() const;
  // Its place, picture and state in the title band.
  TsCaptionButton Data;
  TacTitleHint HintWnd;

 private:
  void Changed();
  TsTitleButtons& FOwner;
  bool FEnabled = true;
  TBitmap FGlyph;
  bool FUseSkinData = true;
  bool FVisible = true;
};

class TsTitleButtons {
 public:
  explicit TsTitleButtons(std::function<void()> changed) : FChanged(std::move(changed)) {}
  TsTitleButton* Add();
  void Delete(int index);
  void Clear();
  int Count() const { return static_cast<int>(FItems.size()); }
  TsTitleButton* Items(int index) const;
  int IndexOf(const TsTitleButton* button) const;
  void Changed() {
    if (FChanged) FChanged();
  }

 private:
  std::function<void()> FChanged;
  std::vector<std::unique_ptr<TsTitleButton>> FItems;
};

// Hit codes of the user buttons: 1000 + index.
inline constexpr int kTitleButtonCodeFirst = 1000;
inline constexpr int kTitleButtonCodeLast = 1100;
inline bool IsTitleButtonCode(int code) { return code >= kTitleButtonCodeFirst && code <= kTitleButtonCodeLast; }
