#pragma once
// TsSkinProvider: gives a form the skin's look for its whole window. It sits
// in the form's hook chain, keeps the platform's non-client sizes (so the
// client rect and layout stay as unskinned), paints the frame itself from a
// cache bitmap holding the complete picture of the form, cuts the corners
// with a window region taken from the border masks' key pixels, does its own
// hit testing, and paints the client background (windowless children
// included) from the same cache.
//
// The caption buttons are only laid out here (their area is reserved, hit
// tested and acts on release); their pictures and the skinned system menu
// come with the caption-button work. While skinned the form's window has no
// system-menu style; the style is put back for the length of each platform
// system-menu request, so Alt+Space, the icon and Alt+F4 keep working.
//
// Sections: skin_provider.cpp (life, properties, metrics, skin commands),
// provider_frame.cpp (rendering, caption, region, hit test),
// provider_messages.cpp (the form's messages), provider_animation.cpp (show,
// hide, minimise and translucent moving), provider_outline_drag.cpp (moving
// and sizing by an outline).

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/paint/frame_layout.h"
#include "framework/stdctrls/label.h"
#include "framework/controls/control.h"
#include "skin/core/common_data.h"
#include "skin/core/skinned_windows.h"
#include "skin/paint/skinned_text.h"
#include "skin/window/caption_button.h"
#include "skin/window/system_menu.h"
#include "skin/window/title_buttons.h"
#include "skin/window/title_parts.h"

class TacBorderForm;
class TacCtrlAdapter;
class TCustomForm;
class TsSystemMenu;

enum TGripMode { gmNone, gmRightBottom };
enum TResizeMode { rmStandard, rmBorder };

class TsSkinProvider : public TComponent, public TacProviderLink {
 public:
  // owner must be a form, else "TsSkinProvider component may be used with forms only!".
  explicit TsSkinProvider(TComponent* owner);
  // An automatic provider: a later explicit one replaces it.
  static TsSkinProvider* CreateRT(TCustomForm* form);
  ~TsSkinProvider() override;
  void Notification(TComponent* component, TOperation operation) override;
  std::wstring ClassName() const override { return L"TsSkinProvider"; }

  // --- published
  TsCommonData SkinData;
  // The manager the form follows (null: the default one); a form with a
  // window is prepared and repainted at once.
  void SetSkinManager(TsSkinManager* manager);
  bool DrawNonClientArea() const { return FDrawNonClientArea; }
  void SetDrawNonClientArea(bool value);
  bool DrawClientArea = true;
  TAlignment CaptionAlignment = taLeftJustify;
  TGripMode GripMode = gmNone;
  TResizeMode ResizeMode = rmStandard;
  bool ScreenSnap = false;
  int SnapBuffer = 10;
  bool ShowAppIcon = true;
  bool UseGlobalColor = true;
  bool AllowExtBorders = true;
  bool MakeSkinMenu = false;
  bool FAllowAnimation = true;
  bool FAllowBlendOnMoving = true;
  // An extra entry of the system menu; its popup menu is forgotten when freed.
  TacSysSubMenu SysSubMenu;
  void SetSysSubMenuPopup(TPopupMenu* menu);
  // A text after the caption, and an icon of the program's own.
  TacAddedTitle AddedTitle;
  TsTitleIcon TitleIcon;
  // The user's own buttons, left of the system buttons.
  TsTitleButtons TitleButtons;
  std::string TitleSkin;     // empty: "FORMTITLE"
  std::string MenuLineSkin;  // empty: "MENULINE"

  // --- TacProviderLink
  TsSkinManager* ProviderManager() const override { return SkinData.SkinManager(); }
  TCustomForm* ProviderForm() const override { return FForm; }
  bool AllowAnimation() const override { return FAllowAnimation; }
  bool AllowBlendOnMoving() const override { return FAllowBlendOnMoving; }
  bool SkipAnimation() const override { return SkipNextAnimation; }
  bool HasCache() const override;
  void RenderFrame() override;
  void AfterAnimation() override;

  // Fired when a show animation of the form has ended.
  TNotifyEvent OnAfterAnimation;
  // The next show, hide or minimise of the form does not animate.
  bool SkipNextAnimation = false;

  // --- FormState bits
  static constexpr unsigned fsFrozenActive = 0x80;       // the frame keeps its active look (moving translucent)
  static constexpr unsigned fsClosingAnimated = 0x200;   // a hide animation shows the old picture
  static constexpr unsigned fsInNcActivate = 0x8000;
  unsigned FormState = 0;
  // The frame picture may not change now.
  bool FrameFrozen() const { return (FormState & (fsFrozenActive | fsClosingAnimated)) != 0; }

  // --- state
  bool RTInit = false;   // made at run time
  bool RTEmpty = false;  // inert: the form has a working provider already
  bool FormActive = true;
  bool RgnChanged = true;
  bool RgnChanging = false;
  // The provider skins the form now (skin active, "FORM" valid, window made).
  bool Skinned() const;
  // The frame is painted by the provider.
  bool SkinsFrame() const { return FDrawNonClientArea && Skinned() && HasSkinnedFrame(); }

  // --- metrics (pixels). Frame coordinates are those of the cache picture:
  // the window's own without extended borders; with them 0, 0 lies at the
  // extended frame's top-left, which CacheOrigin gives in window coordinates.
  int FrameWidth() const;
  int FrameHeight() const;
  // The platform's sizing frame, whatever frame is drawn.
  int PlatformFrameWidth() const;
  int BorderWidth() const { return FrameWidth(); }
  int CaptionHeight() const;
  int CaptionMetric() const;
  int MenuHeight() const { return 0; }  // the framework has no main menu
  int HeaderHeight() const;
  int OffsetX() const;
  int OffsetY() const;
  int CaptionWidth() const;
  bool HasSkinnedFrame() const;
  bool HasCaption() const;
  bool IconVisible() const;
  bool IsSizeable() const;
  zelvan::paint::TColor FormColor() const;
  // The client area in window coordinates.
  RECT ClientInWindow() const;
  // The client area in frame coordinates.
  RECT ClientInCache() const;
  // The cache picture's height (its width is CaptionWidth).
  int CacheHeight() const;
  // Extended borders are in use: the skin's frame is drawn around the client
  // area by the border window, and the form shows only its client area.
  bool ExBorders() const;
  // Where the frame's 0, 0 lies in window coordinates.
  POINT CacheOrigin() const;
  POINT ScreenToCache(POINT screen) const;
  POINT CacheToScreen(POINT frame) const;
  // Counts the changes of the frame picture (renders and repainted elements).
  unsigned FrameStamp() const { return FFrameStamp; }
  // The part of the frame picture changed since the last call (frame
  // coordinates; empty when nothing changed), and forgets it.
  RECT TakeFrameDirty();

  // --- frame
  // Builds the cache picture when it is stale; false when nothing could be painted.
  bool UpdateCache();
  // Copies the frame from the cache into the window (dc: the window DC, or null).
  void PaintNC(HDC dc = nullptr);
  // The hit code of a point in frame coordinates.
  int FrameHitTest(POINT point);
  zelvan::paint::TFrameGeometry FrameGeometry();
  // The rectangles cut out of the window region (window coordinates).
  const std::vector<zelvan::paint::TRect>& RegionRects() const { return FArOR; }
  void BuildRegionRects();
  void ApplyRegion();
  // Lays out icon, caption buttons and the caption text rectangle.
  void CalcItems();
  TsCaptionButton ButtonClose, ButtonMax, ButtonMin, ButtonHelp;
  RECT IconRect() const { return FIconRect; }
  RECT CaptionTextRect() const { return FTextRect; }
  // Where the caption and the added title were drawn last (window coordinates).
  RECT MainTextPlace() const { return FMainTextPlace; }
  RECT AddedTextPlace() const { return FAddedTextPlace; }
  // The form reads right to left (its window has the right-to-left reading style).
  bool RightToLeft() const;
  // The title band changed: it is painted again.
  void TitleChanged();
  int TitleSkinIndex();
  int CaptionSkinIndex();

  // --- caption buttons and system menu (caption_buttons.cpp)
  int CurrentHT = 0;  // the element that is hot or pressed
  void SetHotElement(int code, bool repaint);
  void PressElement(int code);
  // The system button or user title button of a hit code, or null.
  TsCaptionButton* ButtonByCode(int code);
  TsTitleButton* TitleButtonByCode(int code) const;
  class TacTitleBarItem* TitleItemByCode(int code) const;
  // The title band as it is under the buttons and items (cache coordinates);
  // null before the frame was first painted.
  TBitmap* TitleBand() const { return FTempBmp.get(); }
  // Repaints one element from the cache's band into the window.
  void RepaintButton(TsCaptionButton& button);
  // Shows the skinned system menu (the platform's without skinned popups) at a screen point.
  void DropSysMenu(int x, int y);
  TsSystemMenu* SystemMenu() const { return FSystemMenu.get(); }
  // Whether the form's state lets its maximise and minimise work.
  bool EnabledMax() const;
  bool EnabledMin() const;
  bool EnabledRestore() const;

  // --- extended border (its shadow window; null without one)
  TacBorderForm* BorderForm() const { return FBorderForm.get(); }
  // The mouse message being handled was passed on from the border window.
  bool FromBorderForm() const;
  // The border window made, placed, repainted or freed as the form now is.
  void UpdateExBorders();
  void RemoveExBorders();

 private:
  // What the metrics read of the window: its rectangles (the client in window
  // coordinates) and styles. Read once per frame operation, inside a scope.
  struct TWindowFacts {
    RECT Bounds{};
    RECT Client{};
    LONG_PTR Style = 0;
    LONG_PTR ExStyle = 0;
    int Width() const { return Bounds.right - Bounds.left; }
    int Height() const { return Bounds.bottom - Bounds.top; }
    bool Iconic() const { return (Style & WS_MINIMIZE) != 0; }
    bool Zoomed() const { return (Style & WS_MAXIMIZE) != 0; }
  };
  class TFactsScope {
   public:
    explicit TFactsScope(const TsSkinProvider& provider);
    ~TFactsScope();
    TFactsScope(const TFactsScope&) = delete;
    TFactsScope& operator=(const TFactsScope&) = delete;

   private:
    const TsSkinProvider& FProvider;
  };
  TWindowFacts ReadFacts() const;
  const TWindowFacts& Facts() const;
  int SystemMetric(int index) const;

  void Hook();
  void Unhook();
  void PrepareForm();
  void AttachAdapter();
  void RestoreForm();
  bool Gone() const;
  void SetSysMenuStyle(bool present);
  bool FormHasSysMenu() const;

  // skin commands; true when answered here
  bool SkinCommand(TMessage& message);
  void SkinLoaded();
  void SkinRemoved();
  void Refresh();

  // rendering
  bool RenderCache();
  void PaintBackground(TBitmap& cache, int state);
  void PaintTitle(TBitmap& cache, int state);
  void PaintIcon(TBitmap& cache);
  void PaintCaptionText(TBitmap& cache, int state);
  void PaintAddedTitle(TBitmap& cache, int state, const std::wstring& text, UINT flags, const RECT& place);
  void PaintGrip(TBitmap& cache);
  bool PlainBackground() const;
  void CopyClientFromCache(HDC dc, const RECT& clip);

  // messages
  void WndProc(TMessage& message, const TWndMethod& next);
  bool SkinnedMessage(TMessage& message, const TWndMethod& next);
  void ClientPaint(TMessage& message);
  void EraseBackground(TMessage& message);
  void Print(TMessage& message);
  void Activate(TMessage& message, const TWndMethod& next);
  void HiddenCaptionCall(TMessage& message, const TWndMethod& next);
  void SysMenuCall(TMessage& message, const TWndMethod& next);
  void MinMaxInfo(TMessage& message, const TWndMethod& next);
  void Snap(TMessage& message);
  void Sized(TMessage& message, const TWndMethod& next);
  // Mouse over the caption elements; true when dealt with.
  bool CaptionMouse(TMessage& message, const TWndMethod& next);
  void PaintCaptionButtons(TBitmap& cache);
  // One element's picture into the cache at its place (the band under it restored first by the caller).
  void DrawElement(TBitmap& cache, const TsCaptionButton& button);
  // Every element of the band that has a state.
  std::vector<TsCaptionButton*> Elements();
  void ShowTitleHint(int code);
  void PressTitleItem(int code);
  void ButtonReleased(int code);
  bool AnimatedButtons() const;
  bool AnimatedItems() const;
  // The button's state on the screen: through its animation, or painted at once.
  void ShowButtonState(TsCaptionButton& button);
  std::unique_ptr<TBitmap> FTempBmp;  // the title band under the buttons
  std::unique_ptr<TsSystemMenu> FSystemMenu;
  // animations (provider_animation.cpp)
  void ShowWindowAnimated(TMessage& message, const TWndMethod& next);
  bool HideAnimated();
  bool SysCommandAnimated(TMessage& message, const TWndMethod& next);
  bool CaptionDragBlended(TMessage& message);
  void ReleaseAnimated(TMessage& message, const TWndMethod& next);

  // outline moving and sizing (provider_outline_drag.cpp)
  bool OutlineDragStarted(TMessage& message);
  void OutlineDrag(int hitCode, POINT start);
  void ToldChildren(uint16_t code, LPARAM lParam = 0);

  TCustomForm* FForm = nullptr;
  TWndHookToken FHookToken = 0;
  bool FHooked = false;
  bool FDrawNonClientArea = true;
  bool FPrepared = false;
  bool FRedrawOff = false;
  int FTitleIndex = -2;  // -2: not looked up yet
  int FCaptionIndex = -2;
  RECT FIconRect{};
  RECT FTextRect{};
  RECT FMainTextPlace{};
  RECT FAddedTextPlace{};
  int FVCenter = 0;
  std::vector<zelvan::paint::TRect> FArOR;
  std::vector<zelvan::paint::TRect> FAppliedRgn;  // what the window region was made from
  bool FRgnApplied = false;
  bool FAppliedMaximized = false;
  SIZE FAppliedSize{0, 0};
  bool FSizeMoving = false;
  std::unique_ptr<TacCtrlAdapter> FAdapter;
  std::unique_ptr<TacBorderForm> FBorderForm;
  // Keeps the border window with the form after a message that moved, sized,
  // showed, activated or reskinned it.
  void BorderAfter(const TMessage& message);
  TTextGlowCache FGlow1, FGlow2;
  unsigned FFrameStamp = 0;
  RECT FFrameDirty{};
  mutable TWindowFacts FFacts;
  mutable int FFactsDepth = 0;
  mutable std::vector<std::pair<int, int>> FMetrics;  // system metrics read so far
};

// The working provider of a form, when it is a TsSkinProvider.
TsSkinProvider* SkinProviderOf(TCustomForm* form);
