#pragma once
// TControl: a component shown inside a parent window: bounds, visibility,
// enabled state, text, colour and font (each optionally taken from the
// parent), anchors, style and state flags, mouse events, and the message
// handler chain.
//
// Messages reach a control through WindowProc, which starts as WndProc; a hook
// saves WindowProc, puts its own handler in and restores it when done. Hooks
// that may go in any order use AddWindowHook instead: each gets a token and
// can be removed while others sit above it. WndProc
// overrides handle what they need and call their base; the chain ends in
// DefaultHandler (for a windowed control, the previous window procedure).
// Perform runs the chain directly, whether the control has a window or not.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/component/component.h"
#include "framework/controls/control_types.h"
#include "framework/controls/messages.h"
#include "framework/graphics/color.h"
#include "framework/graphics/font.h"

class TPopupMenu;
class TWinControl;
struct TWindowHookList;

using TWndMethod = std::function<void(TMessage& message)>;
// A hook sees a message before the hooks below it and WindowProc's handler;
// it passes the message on (or not) with next.
using TWndHook = std::function<void(TMessage& message, const TWndMethod& next)>;
using TWndHookToken = unsigned long long;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  std::wstring ClassName() const override { return L"TControl"; }

  // --- messages
  TWndMethod WindowProc;
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  virtual void WndProc(TMessage& message);
  virtual void DefaultHandler(TMessage& message);
  // Puts hook on top of the control's hooks; the token removes it.
  TWndHookToken AddWindowHook(TWndHook hook);
  // Removes the hook wherever it sits; the others keep their order.
  void RemoveWindowHook(TWndHookToken token);

  // --- parent and bounds (in the parent's client coordinates)
  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* parent);
  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int left) { SetBounds(left, FTop, FWidth, FHeight); }
  void SetTop(int top) { SetBounds(FLeft, top, FWidth, FHeight); }
  void SetWidth(int width) { SetBounds(FLeft, FTop, width, FHeight); }
  void SetHeight(int height) { SetBounds(FLeft, FTop, FWidth, height); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  virtual RECT ClientRect();
  int ClientWidth() { return ClientRect().right; }
  int ClientHeight() { return ClientRect().bottom; }
  virtual void SetClientWidth(int width);
  virtual void SetClientHeight(int height);
  virtual POINT ClientOrigin();
  POINT ClientToScreen(POINT point);
  POINT ScreenToClient(POINT point);
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors anchors) { FAnchors = anchors; }

  // --- state
  bool Visible() const { return FVisible; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and every parent up to a shown window is showing.
  bool Showing() const { return FShowing; }
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool enabled);
  std::wstring Text();
  void SetText(const std::wstring& text);
  std::wstring Caption() { return Text(); }
  void SetCaption(const std::wstring& caption) { SetText(caption); }
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool parentColor);
  TFont& Font() { return FFont; }
  void SetFont(const TFont& font) { FFont.Assign(font); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool parentFont);
  TControlStyle& ControlStyle() { return FControlStyle; }
  TControlState& ControlState() { return FControlState; }
  bool MouseCapture() const;
  void SetMouseCapture(bool capture);

  // --- painting
  virtual void Invalidate();
  virtual void Update();
  void Repaint();

  // --- events
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  virtual void Click();

  // The menu a right click (WM_CONTEXTMENU) shows, when it pops up by itself.
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* menu);

  void Loaded() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void DblClick();

  // Showing as it should be now; TWinControl also needs its window.
  virtual bool ComputeShowing() const;
  // Recomputes Showing and sends CM_SHOWINGCHANGED when it changed.
  virtual void UpdateShowing();
  void SetShowingFlag(bool showing) { FShowing = showing; }
  // Bounds as the window reports them, without moving anything.
  void StoreBounds(int left, int top, int width, int height);
  std::wstring& StoredText() { return FText; }

 private:
  friend class TWinControl;

  // Shared with dispatches under way, which keep the list they started with.
  std::shared_ptr<TWindowHookList> FHooks;
  TWndHookToken FNextHookToken = 1;

  void MouseButtonDown(TMessage& message, TMouseButton button, bool doubleClick);
  void MouseButtonUp(TMessage& message, TMouseButton button);
  void ForwardMouseNotification(TMessage& message);
  void TakeParentFont();
  void TakeParentColor();
  // The parent's client area grew by (dw, dh): move or stretch as anchored.
  void ApplyAnchors(int dw, int dh);

  TWinControl* FParent = nullptr;
  TPopupMenu* FPopupMenu = nullptr;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  bool FVisible = true;
  bool FShowing = false;
  bool FEnabled = true;
  std::wstring FText;
  TColor FColor = clWindow;
  bool FParentColor = false;
  bool FParentFont = true;
  bool FTakingParentValue = false;
  TFont FFont;
  TAnchors FAnchors{akLeft, akTop};
  TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControlState FControlState;
};
