#pragma once
// What the skinned push buttons share: the state picture a section has for
// a button state, the face composed over the parent, the window region cut
// to a rounded frame, the focus frame, hint suppression while a button is
// held and, for the windowed buttons, the paint handler, the press and
// release animations and the skinned message handling.

#include <windows.h>

#include <functional>

#include "core/paint/cache_info.h"
#include "core/paint/disabled_look.h"
#include "framework/controls/win_control.h"
#include "skin/core/common_data.h"
#include "skin/core/state_fade.h"

class TCanvas;
namespace zelvan::store {
struct TsMaskData;
}

// Set for the moment a quick click is redrawn pressed; every button then reports pressed.
extern bool ButtonForcedPress;

// The state image of the section for a button state: the default look (3)
// is the hot one on sections of fewer than 4 states; clamped to the section.
int ButtonPaintedState(const TsCommonData& data, int state);

// The section's frame, when valid.
const zelvan::store::TsMaskData* ButtonBorderMask(const TsCommonData& data);

// A frame that cuts the window region (corner type 2) for the state: state 0
// of a frame that draws nothing there cuts nothing.
bool CutsRegion(const zelvan::store::TsMaskData& part, int state);

// The rectangle of width x height without the frame's see-through corner pixels.
HRGN ButtonCornerRegion(const zelvan::store::TsMaskData& part, int state, int width, int height);

// The cache sized to the control with its font, the section painted in the
// painted state over the parent's background, see-through corners showing
// the parent. False, with the data marked updating, while the parent rebuilds.
bool PaintButtonBackground(TsCommonData& data, TControl& control, TFont& font, int state,
                           zelvan::paint::TCacheInfo& behind);

// A disabled button blended with what lies behind it.
void PaintButtonDisabled(TsCommonData& data, TControl& control, zelvan::paint::TsDisabledKind kind,
                         const zelvan::paint::TCacheInfo& behind);

// A property's new value stored; true when it differs from the old one.
template <typename T>
bool StoreChanged(T& field, T value) {
  if (field == value) return false;
  field = value;
  return true;
}

// The text format flag of a horizontal alignment (0 left, 1 right, 2 centre).
inline UINT AlignmentTextFlag(int alignment) {
  return alignment == 0 ? DT_LEFT : alignment == 1 ? DT_RIGHT : DT_CENTER;
}

// The dotted focus frame around the caption, grown by margin.
void DrawButtonFocus(TCanvas& canvas, RECT rect, int margin);

// The application's hints are off while a button is held; the setting before
// the first hold comes back on release.
void HoldHints();
void ReleaseHints();
bool HintsHeld();

// The windowed buttons' owner side: what the shared handling asks of them.
class TsFaceOwner {
 public:
  virtual ~TsFaceOwner() = default;
  // 0 normal, 1 hot, 2 pressed, 3 default.
  virtual int CurrentState() = 0;
  virtual bool PrepareCache() = 0;
  // The framework's handling of the message.
  virtual void InheritedMessage(TMessage& message) = 0;
  virtual bool Down() const = 0;
  // More reasons for the background to count as changed at a paint.
  virtual bool FaceChanged() { return false; }
  virtual void Repainted() {}
};

// The state, region, animation and message handling of a windowed skinned
// push button (TsButton, TsBitBtn).
class TsButtonFace {
 public:
  TsButtonFace(TWinControl& control, TsCommonData& data, TsFaceOwner& owner);
  ~TsButtonFace();

  TsFadeTimer* FadeTimer = nullptr;
  TacAnimatEvents AnimatEvents{aeGlobalDef};
  bool RegionChanged = true;
  bool MouseClicked = false;
  bool IsFocused = false;
  // What WM_UPDATEUISTATE is answered with while visible.
  LRESULT UiStateAnswer = 1;

  // Pressed by the window's pushed bit (mouse over it or not held), or forced.
  bool Pushed() const;
  // After the background and the content: the region of a rounded frame is
  // built while it is to change and no fade runs.
  void BuildRegion(int state);
  // Applies a built region (redrawing only the first time); true when one was.
  bool ApplyRegion(bool first);
  void DropRegion();
  bool RegionPending() const { return FRegion != nullptr; }
  const RECT& LastRect() const { return FLastRect; }

  void StopAnimation();
  void Animate(TacAnimatEvent event, bool half);
  void Repaint();

  // The button's message: skin commands, the default-button style, and the
  // skinned (or unskinned) handling. False when the caller passes it to the
  // framework and then to the skin data's CommonMessage.
  bool Dispatch(TMessage& message);
  // True when the skinned handling took the message.
  // The current look lets the parent show through.
  bool SeeThrough() const;
  bool SkinnedMessage(TMessage& message);
  // Skin commands; true when taken.
  bool SkinCommand(TMessage& message);
  // Mouse enter and leave of an unskinned button: tracked, then the framework's.
  bool UnskinnedMessage(TMessage& message);

  // Paints given (or through BeginPaint); the window is always validated.
  void Paint(HDC given, bool printing);

 private:
  void MouseDown(TMessage& message);
  void MouseUp(TMessage& message);
  void Focus(TMessage& message, bool gained);
  void WithoutRedraw(TMessage& message);

  TWinControl& FControl;
  TsCommonData& FData;
  TsFaceOwner& FOwner;
  HRGN FRegion = nullptr;
  bool FFirstRegion = true;
  bool FInFocus = false;
  RECT FLastRect{};
};
