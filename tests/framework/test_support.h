#pragma once
// Helpers of the framework tests: a push button and a radio button wrapped by
// superclassing (what the ordinary controls will do), a graphic control, a
// recorder of messages, and message pumping.

#include <functional>
#include <string>
#include <vector>

#include "framework/application/application.h"
#include "framework/controls/graphic_control.h"
#include "framework/forms/form.h"
#include "framework/system/exception.h"

// A push button over the platform's "BUTTON": a few lines, as promised.
class TTestButton : public TWinControl {
 public:
  explicit TTestButton(TComponent* owner) : TWinControl(owner) {
    // Clicks come from the platform (BN_CLICKED), not from the mouse handling.
    ControlStyle() = TControlStyle{csSetCaption, csDoubleClicks};
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
  }
  std::wstring ClassName() const override { return L"TTestButton"; }
  bool Default = false;
  bool Cancel = false;

  void WndProc(TMessage& message) override {
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) return Click();
    if (message.Msg == CM_DIALOGKEY && ((message.WParam == VK_RETURN && Default) ||
                                        (message.WParam == VK_ESCAPE && Cancel))) {
      Click();
      message.Result = 1;
      return;
    }
    TWinControl::WndProc(message);
  }

 protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    params.SubClass(L"BUTTON");
    params.Style |= BS_PUSHBUTTON;
  }
};

// A radio button over "BUTTON" with the automatic radio style.
class TTestRadio : public TTestButton {
 public:
  using TTestButton::TTestButton;
  std::wstring ClassName() const override { return L"TTestRadio"; }
  bool Checked() { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

 protected:
  void CreateParams(TCreateParams& params) override {
    TTestButton::CreateParams(params);
    params.Style = (params.Style & ~0xFu) | BS_AUTORADIOBUTTON;
  }
};

// A windowed container with no platform class behind it.
class TTestPanel : public TWinControl {
 public:
  explicit TTestPanel(TComponent* owner) : TWinControl(owner) {
    ControlStyle().Include(csAcceptsControls);
  }
  std::wstring ClassName() const override { return L"TTestPanel"; }
};

// A windowless control that fills itself with its colour.
class TTestShape : public TGraphicControl {
 public:
  explicit TTestShape(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 20, 20); }
  std::wstring ClassName() const override { return L"TTestShape"; }

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(RECT{0, 0, Width(), Height()});
  }
};

// Records the messages of chosen numbers that pass through controls' WindowProc.
class TMessageLog {
 public:
  struct TEntry {
    TControl* Control;
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
  };
  // Hooks the control (its WindowProc) for the messages in `watched`.
  void Watch(TControl& control, std::vector<UINT> watched);
  std::vector<TEntry> Entries;
  std::vector<TEntry> Of(const TControl& control) const;
  int Count(const TControl& control, UINT msg) const;
  void Clear() { Entries.clear(); }
};

// A shown form, owned by the application, deleted at the end of the test;
// never skinned automatically (its tag is -98).
TForm* NewForm(int clientWidth = 300, int clientHeight = 200);
// Handles the waiting messages (and those they cause) for up to `ms` milliseconds.
void Pump(int ms = 50);
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 3000);

// GDI and USER objects of the process. GetGuiResources where it reports them;
// Wine reports 0, so there the live entries of the process's GDI handle table
// and the windows of the thread are counted instead.
unsigned GdiObjectCount();
unsigned UserObjectCount();
