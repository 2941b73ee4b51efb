#pragma once
// TsCommonData: the skin data every skinned control, wrapper and form
// provider owns. It binds its owner to one section of the current skin,
// keeps the owner's cache bitmap (the finished picture children copy their
// background from), knows whether the owner is focused or under the mouse,
// and answers the skin commands and ordinary messages all skinned controls
// handle alike.
//
// A skinned control's window procedure hands skin commands to
// CommandHandler first (it may take some codes itself), and every ordinary
// message to CommonMessage after its own handling. CommandHandler passes the
// manager's broadcasts on to the owner's children.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "core/paint/cache_info.h"
#include "core/store/skin_types.h"
#include "framework/controls/control.h"
#include "framework/graphics/bitmap.h"
#include "skin/core/skin_messages.h"

class TsSkinManager;
class TCustomForm;

// CtrlSkinState bits.
inline constexpr uint16_t kStatePlain = 0x0001;       // the background is one plain colour
inline constexpr uint16_t kStateUnknown = 0x0002;     // the plain class is not worked out yet
inline constexpr uint16_t kStatePrinting = 0x0200;    // painting into PrintDC
inline constexpr uint16_t kStateMenuPending = 0x0400;  // a form's menu change waits for the update's end
inline constexpr uint16_t kStateUpdating = 0x0800;    // inside BeginUpdate

class TsCommonData : public TObject {
 public:
  // owner: the control (or provider) the data belongs to.
  TsCommonData(TObject* owner, bool createCacheBmp);
  ~TsCommonData() override;
  std::wstring ClassName() const override { return L"TsCommonData"; }

  // --- published
  const std::string& SkinSection() const { return FSkinSection; }
  void SetSkinSection(const std::string& section);
  bool CustomColor() const { return FCustomColor; }
  void SetCustomColor(bool value);
  bool CustomFont() const { return FCustomFont; }
  void SetCustomFont(bool value);
  // The manager set, or the default manager when none is.
  TsSkinManager* SkinManager() const;
  void SetSkinManager(TsSkinManager* manager);
  bool ManagerStored() const { return FSkinManager != nullptr; }
  int HUEOffset() const { return FHUEOffset; }
  void SetHUEOffset(int value);
  int Saturation() const { return FSaturation; }
  void SetSaturation(int value);

  // --- state
  int SkinIndex = -1;
  int BorderIndex = -1;
  int Texture = -1;
  int HotTexture = -1;
  int GlowID = -1;
  int COC = 0;
  bool UrgentPainting = false;
  bool BGChanged = true;
  bool HalfVisible = true;
  uint16_t CtrlSkinState = kStateUnknown;
  uint16_t BGType = 0;
  HDC PrintDC = nullptr;
  TControl* GraphControl = nullptr;
  RECT InvalidRectH{}, InvalidRectV{};
  bool Focused() const { return FFocused; }
  bool MouseAbove() const { return FMouseAbove; }
  void SetMouseAbove(bool above) { FMouseAbove = above; }
  TControl* OwnerControl() const { return FOwnerControl; }
  TObject* OwnerObject() const { return FOwnerObject; }
  // Set by a form's skin provider: the data is the form's.
  TCustomForm* ProviderForm = nullptr;
  // The wrapped window of a wrapper whose window has no framework control.
  HWND OwnerWindow = nullptr;
  // The control (or other object) the data belongs to, given later.
  void SetOwner(TObject* owner);

  // --- cache bitmap
  TBitmap* CacheBmp() const { return FCacheBmp.get(); }
  // Creates the cache when missing and gives it the owner's size.
  void InitCacheBmp();
  void ClearCache();

  // --- section and indexes
  void UpdateIndexes();
  void Loaded();
  // The section exists in the manager's skin (and, when asked, it is active).
  bool Skinned(bool checkSkinActive = false) const;
  // The general data of the section; null when not skinned.
  const zelvan::store::TsGeneralData* Section() const;
  // 1 for the hot values (state above 0 on a section with more than one state), else 0.
  int PropsIndex(int state) const;
  void ApplySkinColors(bool repaint);

  // --- painting decisions
  bool IsHot() const;
  bool ComplexPainting() const { return !(CtrlSkinState & kStatePlain) || IsHot(); }
  bool CanPaintNow() const;
  void Invalidate(bool updateNow = false);
  bool RepaintIfMoved() const;
  bool Updating() const;
  void SetUpdating(bool value) { FUpdating = value; }
  void BeginUpdate();
  void EndUpdate(bool repaint = true);
  int UpdateCount() const { return FUpdateCount; }
  int MaxBorderWidth() const;

  // --- background
  // The colour the owner shows for a state; window: a wrapper's window when
  // there is no owner control.
  zelvan::paint::TColor BackgroundColor(int state = 0, HWND window = nullptr) const;
  // What the parent shows behind the owner (its cache and the owner's place in it, or a colour).
  void GetParentCache(zelvan::paint::TCacheInfo& info) const;
  // 1 plain, 0 not plain, 2 unknown.
  int CalcPlainBackground() const;
  void UpdatePlainState(bool passToChildren);
  void AnswerBgRequest(TBgRequest& request, int state, HWND window);
  // Copies the cache into dc at destination, except where opaque children lie.
  void CopyCacheToDC(const RECT& source, int dy, int dx, bool updateFirst, HDC dc, const RECT& destination);
  void ShowGlow(bool repeated = false);
  void RemoveGlow();

  // The index of the nearest ancestor section that gives its font colours to
  // what is drawn on it, else `fallback`.
  static int ParentFontSectionIndex(TControl* control, int fallback, TsSkinManager* manager, int state);

  // --- messages
  bool CommandHandler(TMessage& message);
  bool CommonMessage(TMessage& message);

 private:
  bool OwnerGone() const;
  bool OwnerLoading() const;
  void DefaultSection();
  void UpdateBGType();
  zelvan::paint::TColor OwnColor() const;
  zelvan::paint::TColor ParentColor(HWND window) const;
  zelvan::paint::TColor BgColorAnswer() const;
  LRESULT ParentCommand(uint16_t code, LPARAM lParam) const;
  LRESULT ToParent(WPARAM wParam, LPARAM lParam) const;
  void SkinRemoved(TMessage& message);
  void PassToChildren(TMessage& message);
  void MouseEntered(TMessage& message);
  void MouseLeft();

  std::string FSkinSection;
  bool FCustomFont = false;
  bool FCustomColor = false;
  int FUpdateCount = 0;
  int FHUEOffset = 0;
  int FSaturation = 0;
  bool FUpdating = false;
  TsSkinManager* FSkinManager = nullptr;
  TControl* FOwnerControl = nullptr;
  TObject* FOwnerObject = nullptr;
  std::unique_ptr<TBitmap> FCacheBmp;
  bool FFocused = false;
  bool FMouseAbove = false;
};

// The control variant, which publishes HUEOffset and Saturation.
class TsCtrlSkinData : public TsCommonData {
 public:
  using TsCommonData::TsCommonData;
  std::wstring ClassName() const override { return L"TsCtrlSkinData"; }
};
