#pragma once
// TacMainWnd: the base of the wrappers that skin a foreign control from
// outside. It takes over the control's messages (through the framework's
// hook chain for a framework control, through the window's procedure for a
// raw window), answers skin commands on the control's behalf, paints it from
// the skin (in the descendants), and gives everything back when detached.
// The window property "ACSBSC" leads from a window handle to its wrapper.
//
// Raw windows are hooked without executable thunks: one static procedure
// finds the wrapper through "ACSBSC" and, when there is none any more, passes
// every message to the procedure it replaced (kept in a second property), so
// a procedure somebody installed above a wrapper keeps working after the
// wrapper is gone.

#include <windows.h>

#include <string>

#include "framework/controls/control.h"
#include "framework/controls/control_types.h"
#include "framework/graphics/color.h"

class TsCommonData;
class TsSkinManager;

class TacMainWnd {
 public:
  // data may be null (the wrapper makes and owns its own), manager may be
  // null (the data's is used). Wrap<T> constructs and attaches.
  TacMainWnd(HWND handle, TsCommonData* data, TsSkinManager* manager, const std::string& section, bool repaint);
  virtual ~TacMainWnd();
  TacMainWnd(const TacMainWnd&) = delete;
  TacMainWnd& operator=(const TacMainWnd&) = delete;

  // The second half of construction: theme off, skin data, hook.
  void Init();

  bool DlgMode = false;
  std::wstring Caption;
  RECT WndRect{};
  SIZE WndSize{};
  POINT WndPos{};
  RECT ParentRect{};
  HWND ParentWnd = nullptr;
  TControlStyle OldCtrlStyle;
  bool OldCtrlStyleSaved = false;
  WNDPROC OldProc = nullptr;
  HWND CtrlHandle;
  TsSkinManager* SkinManager;
  TsCommonData* SkinData;
  bool DontRepaint = false;
  bool ParamsChanged = false;
  TColor StdColor = clNone;
  TColor StdFontColor = clNone;
  bool Destroyed = false;
  bool OwnSkinData = false;
  intptr_t Tag = 0;

  virtual void SaveStdParams() {}
  virtual void RestoreStdParams() {}
  virtual void SetSkinParams() { ParamsChanged = true; }
  virtual void WrapperWndProc(TMessage& message);

  // The message to the procedure the wrapper replaced; 0 when there is none.
  LRESULT CallPrevWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT CallPrevWndProc(TMessage& message) {
    return message.Result = CallPrevWndProc(message.Msg, message.WParam, message.LParam);
  }
  bool HookedThroughControl() const { return FHookedControl != nullptr; }
  // Gives the window its procedure (or the control its handler) back.
  void Detach();
  // The framework control of the window, when the skin data has one.
  TControl* OwnerControl() const;

 protected:
  // Window and parent rectangles, read again.
  void RefreshGeometry();
  // Skin command 23: scroll wrappers rebuild their border cache here.
  virtual void PrepareCacheCommand() {}
  // The last step of Init, once the window is hooked (scroll wrappers read
  // their bars and lay the frame out anew).
  virtual void AfterHook() {}
  // The command to the window's children (through the control when it has one).
  void PassToChildren(TMessage& message);
  void RepaintNow();

  bool FRepaint;
  std::string FSection;

 private:
  friend LRESULT CALLBACK WrapperWindowProc(HWND, UINT, WPARAM, LPARAM);
  bool SkinCommand(TMessage& message);
  void Hook();

  TWinControl* FHookedControl = nullptr;
  TWndHookToken FHookToken = 0;
  const TWndMethod* FNext = nullptr;  // the chain below, while a message is handled
};

template <class T, class... Args>
T* Wrap(Args&&... args) {
  T* wrapper = new T(std::forward<Args>(args)...);
  wrapper->Init();
  return wrapper;
}

// The wrapper of a window, or null.
TacMainWnd* WrapperOf(HWND window);
