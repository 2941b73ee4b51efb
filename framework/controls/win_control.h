#pragma once
// TWinControl: a control with a window. The window is created on demand
// (Handle) and can be re-created (RecreateWnd); its class is registered under
// the framework class name as a superclass of the platform class it wraps, and
// the platform's procedure ends the handler chain. It holds child controls,
// paints graphic children into its own painting, routes the mouse to them,
// reflects parent notifications (WM_COMMAND, WM_NOTIFY...) to the child they
// concern, and takes part in focus and tab order.
//
// Wrapping a platform class takes a CreateParams override:
//   void CreateParams(TCreateParams& p) override { TWinControl::CreateParams(p); p.SubClass(L"BUTTON"); }
// All window procedure entries catch C++ exceptions and hand them to the
// application's handler.

#include <windows.h>

#include <vector>

#include "framework/controls/control.h"
#include "framework/controls/create_params.h"
#include "framework/graphics/brush.h"

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  std::wstring ClassName() const override { return L"TWinControl"; }

  // --- window
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded();
  void RecreateWnd();
  void DestroyHandle();
  // The framework control of a window, or null for a foreign window.
  static TWinControl* FindControl(HWND window);
  // The control whose window is being created on this thread and is not yet
  // bound to it (its window has seen no message yet), or null. Lets a
  // creation hook find the control before the window's first message.
  static TWinControl* CreatingControl();
  WNDPROC DefWndProc() const { return FDefWndProc; }

  // --- bevel, between the window's border and its client area (none by default)
  TBevelKind BevelKind() const { return FBevelKind; }
  void SetBevelKind(TBevelKind kind);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut cut);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut cut);
  TBevelEdges BevelEdges() const { return FBevelEdges; }
  void SetBevelEdges(TBevelEdges edges);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int width);
  // Pixels the bevel takes on each edge it is drawn on (0 without a kind).
  int BevelSize() const;

  // --- children, in insertion (and painting) order
  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int index) const { return FControls.at(static_cast<size_t>(index)); }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  bool ContainsControl(const TControl* control) const;
  // Topmost visible graphic child whose hit test accepts the point.
  TControl* ControlAtPos(POINT point, bool allowDisabled);
  // Sends the message to each child until one answers non-zero.
  void Broadcast(TMessage& message);
  // Sends the message to every child.
  void NotifyControls(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  // --- focus and tab order
  bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool tabStop);
  int TabOrder() const;
  void SetTabOrder(int order);
  // This control's windowed descendants in tab order, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop,
                               bool checkParent) const;
  void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

  // --- overrides
  void SetBounds(int left, int top, int width, int height) override;
  RECT ClientRect() override;
  POINT ClientOrigin() override;
  void Invalidate() override;
  void Update() override;
  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void Loaded() override;

  // Paints the visible windowless children into dc, whose origin is this
  // control's client origin, as the window's own painting does after its content.
  void PaintControls(HDC dc);

  TBrush& Brush() { return FBrush; }
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

 protected:
  virtual void CreateParams(TCreateParams& params);
  // Makes the window, then the children's windows.
  virtual void CreateHandle();
  virtual void CreateWnd();
  // Draws the window's own content (the platform class paints for itself).
  virtual void PaintWindow(HDC dc);
  // Shows or hides the window when Showing changes.
  virtual void SetWindowShowing(bool show);
  bool ComputeShowing() const override;
  void UpdateShowing() override;
  // Reads the bounds back from the window; anchored children follow.
  void UpdateBounds();
  // The window class is a plain frame class, not a platform class.
  bool IsPlainWindowClass() const { return FDefWndProc == DefWindowProcW; }

 private:
  static LRESULT CALLBACK StdWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void AttachHandle(HWND window);
  void DetachHandle();
  void ResizeChildren(int dw, int dh);
  void PaintHandler(TMessage& message);
  bool RouteMouseToChild(TMessage& message);
  bool ReflectToChild(TMessage& message);
  bool HandleKeyMessage(TMessage& message);
  void HandleFocusMessage(TMessage& message);
  void HandleStateNotification(TMessage& message);
  void SortTabList();
  // The bevel's share of the frame (win_control_bevel.cpp).
  void BevelChanged();
  void BevelCalcSize(TMessage& message);
  void PaintBevel();

  HWND FHandle = nullptr;
  WNDPROC FDefWndProc = DefWindowProcW;
  std::vector<TControl*> FControls;
  std::vector<TWinControl*> FTabList;
  int FTabOrderWanted = -1;
  bool FTabStop = false;
  bool FTrackingMouseLeave = false;
  SIZE FClientSize{0, 0};
  TBrush FBrush;
  TBevelKind FBevelKind = bkNone;
  TBevelCut FBevelInner = bvRaised;
  TBevelCut FBevelOuter = bvLowered;
  TBevelEdges FBevelEdges{beLeft, beTop, beRight, beBottom};
  int FBevelWidth = 1;
};
