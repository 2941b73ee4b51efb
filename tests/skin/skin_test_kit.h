#pragma once
// The skin test kit: stand-in receivers of skin commands (a windowed panel, a
// windowless shape, a form provider), a log of the commands they act on, and
// managers pointed at the skins we ship.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/controls/graphic_control.h"
#include "framework/forms/form.h"
#include "skin/core/common_data.h"
#include "skin/core/skin_messages.h"
#include "skin/core/skinned_windows.h"
#include "skin/core/state_fade.h"
#include "skin/store/skin_manager.h"

// Every command a stand-in acted on, in order, as (receiver name, code).
// Queries of SKC_IS_SKINNED are not logged: every broadcast asks them.
class TCommandLog {
 public:
  void Add(const std::wstring& receiver, uint16_t code) { FEntries.emplace_back(receiver, code); }
  void Clear() { FEntries.clear(); }
  // Receivers of one code, in order.
  std::vector<std::wstring> Receivers(uint16_t code) const;
  int Count(const std::wstring& receiver, uint16_t code) const;
  // Codes the receiver acted on, in order.
  std::vector<uint16_t> Codes(const std::wstring& receiver) const;

 private:
  std::vector<std::pair<std::wstring, uint16_t>> FEntries;
};
TCommandLog& CommandLog();

// What all stand-ins do with SKM_COMMAND: answer SKC_IS_SKINNED, act on the
// manager broadcasts (1, 2, 3, 13, 16) of their own manager only, log what
// they act on, and run the test's hook (which may throw).
struct TStandInBehaviour {
  TsSkinManager* Manager = nullptr;  // null: the default manager
  std::function<void(uint16_t code)> OnCommand;
  // True when the message was a skin command (answered or ignored).
  bool Handle(const std::wstring& name, TMessage& message);
};

// A windowed control that handles skin commands and serves its children.
class TSkinnedPanel : public TWinControl {
 public:
  explicit TSkinnedPanel(TComponent* owner);
  std::wstring ClassName() const override { return L"TSkinnedPanel"; }
  void WndProc(TMessage& message) override;
  TStandInBehaviour Skin;
};

// A windowed container that knows nothing of skins.
class TPlainPanel : public TWinControl {
 public:
  explicit TPlainPanel(TComponent* owner) : TWinControl(owner) { ControlStyle().Include(csAcceptsControls); }
  std::wstring ClassName() const override { return L"TPlainPanel"; }
};

// A windowless control that handles skin commands.
class TSkinnedShape : public TGraphicControl {
 public:
  explicit TSkinnedShape(TComponent* owner);
  std::wstring ClassName() const override { return L"TSkinnedShape"; }
  void WndProc(TMessage& message) override;
  TStandInBehaviour Skin;
};

// A form provider stand-in: takes the form's messages, answers
// SKC_GET_PROVIDER and SKC_IS_SKINNED, and is in SkinnedFormList while alive.
class TStandInProvider : public TComponent, public TacProviderLink {
 public:
  explicit TStandInProvider(TCustomForm* form);
  ~TStandInProvider() override;
  TsSkinManager* ProviderManager() const override;
  TCustomForm* ProviderForm() const override { return FForm; }
  // Counted, then animated as a real provider does.
  void AnimateSkinChange(unsigned timeMs, int mode) override;
  TStandInBehaviour Skin;
  int Animations = 0;
  unsigned LastAnimationTime = 0;

 private:
  TCustomForm* FForm;
  TWndMethod FPrevious;
};

// Controls whose skin handling is TsCommonData's, as the skinned controls'
// will be: skin commands to CommandHandler first, other messages to the
// control and then to CommonMessage. Every command received (queries of
// SKC_IS_SKINNED aside) is logged under the control's name, and the cache
// is sized on each refresh as painting would.
template <class Base>
class TDataControl : public Base {
 public:
  TDataControl(TComponent* owner, int coc) : Base(owner), SkinData(this, true) {
    SkinData.COC = coc;
    this->SetBounds(0, 0, 60, 30);
  }
  void WndProc(TMessage& message) override {
    if (message.Msg == SKM_COMMAND) {
      const uint16_t code = SkinCommandCode(message.WParam);
      if (code != SKC_IS_SKINNED) CommandLog().Add(this->Name(), code);
      if (SkinData.CommandHandler(message)) {
        if (code == SKC_REFRESH && SkinData.Skinned()) SkinData.InitCacheBmp();
        return;
      }
      return Base::WndProc(message);
    }
    Base::WndProc(message);
    SkinData.CommonMessage(message);
  }
  TsCtrlSkinData SkinData;
  int ForcedState = -1;  // the state painted; -1: hot while IsHot holds
  int PaintState() const { return ForcedState >= 0 ? ForcedState : SkinData.IsHot() ? 1 : 0; }
};

// Paints its cache (made anew when its background changed) and its children.
class TDataPanel : public TDataControl<TWinControl> {
 public:
  explicit TDataPanel(TComponent* owner, int coc = 51) : TDataControl(owner, coc) {
    ControlStyle().Include(csAcceptsControls);
  }
  std::wstring ClassName() const override { return L"TDataPanel"; }

 protected:
  void PaintWindow(HDC dc) override;
};

class TDataShape : public TDataControl<TGraphicControl> {
 public:
  explicit TDataShape(TComponent* owner, int coc = 0) : TDataControl(owner, coc) {}
  std::wstring ClassName() const override { return L"TDataShape"; }

 protected:
  void Paint() override;
};

// A windowed stand-in whose look changes fade as a skinned button's do:
// ChangeLook moves it to a state; it rebuilds its cache on
// SKC_PREPARE_CACHE and leaves the window to the fade timer while one runs.
class TFadingPanel : public TDataPanel {
 public:
  explicit TFadingPanel(TComponent* owner) : TDataPanel(owner) {}
  ~TFadingPanel() override { StopFade(FadeTimer, SkinData); }
  std::wstring ClassName() const override { return L"TFadingPanel"; }
  void ChangeLook(int state, bool half = false, TacAnimatEvent event = aeMouseEnter);
  void WndProc(TMessage& message) override;
  TsFadeTimer* FadeTimer = nullptr;
  TacAnimatEvents AnimatEvents{aeGlobalDef};

 protected:
  void PaintWindow(HDC dc) override;
};

// The windowless kind: a TsAnimTimer makes the frames, the shape paints them.
class TFadingShape : public TDataShape {
 public:
  explicit TFadingShape(TComponent* owner) : TDataShape(owner) {}
  ~TFadingShape() override { StopFade(FadeTimer, SkinData); }
  std::wstring ClassName() const override { return L"TFadingShape"; }
  void ChangeLook(int state, bool half = false);
  TsAnimTimer* FadeTimer = nullptr;

 protected:
  void Paint() override;
};

// A shown form of the given client size covered by a stand-in panel of the
// section (the form's own background), painted once; the panel comes back
// (its parent is the form).
// Test forms are never skinned automatically: the window hook leaves forms
// with this tag alone.
inline constexpr intptr_t kPlainFormTag = -98;

TDataPanel* NewSkinnedPage(int width, int height, const char* section = "FORM");

// A skin written by code for the branches Air does not reach: PANEL opaque
// with a gradient (answers with its picture), CLEAR fully see-through,
// HALF0 and HALF200 half see-through in black and in grey 200, EDIT with two
// states, BUTTON with four states and fading, BUTTON_HUGE whose frame cuts
// the window region (corner type 2), THREE with three states and no fading,
// OUTLINED giving its font to what lies on it (green text with a red left and
// a blue right side colour; hot: grey without sides), GLOWING with a red glow
// of 4 pixels, WEBBUTTON (the web-button section); no SELECTION, COLHEADER or
// CHECKBOX, so controls fall back.
// Writes the kit skin as folder "Kit" under `folder`.
void WriteKitSkin(const std::wstring& folder);

// Logs the skin commands a control that does not handle them receives.
void RecordCommands(TControl& control, const std::wstring& name);

// Creates a control of type T with a name, inside `parent`.
template <typename T>
T* Make(TWinControl* parent, const std::wstring& name, TComponent* owner = nullptr) {
  T* control = new T(owner ? owner : parent);
  control->SetName(name);
  control->SetParent(parent);
  return control;
}

// Points the manager at a skin folder and loads the named skin; true when it is active.
bool LoadSkin(TsSkinManager& manager, const std::wstring& folder, const std::wstring& name);

// Where the committed skins are, in the Windows form the loaders take.
std::wstring SkinsFolder();
// The bytes of a committed file of skins/ (such as "Air.asz").
std::vector<uint8_t> SkinsFile(const std::string& name);

// Pixels whose colour (alpha aside) differs between two bitmaps of one size.
int DifferingPixels(TBitmap& a, TBitmap& b);
// A pixel of a control's cache as a COLORREF.
COLORREF CachedPixel(TsCommonData& data, int x, int y);

// Records the message boxes shown through the application while alive.
class TMessageBoxRecorder {
 public:
  TMessageBoxRecorder();
  ~TMessageBoxRecorder();
  std::vector<std::wstring> Texts;
};
