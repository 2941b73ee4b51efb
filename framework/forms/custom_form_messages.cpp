// TCustomForm's message handling: closing, activation, focus bookkeeping,
// dialog keys (Tab, Shift+Tab, arrows between radio buttons) and the modal loop.
#include "framework/application/application.h"
#include "framework/forms/custom_form.h"
#include "framework/system/exception.h"

namespace {

bool IsRadioButton(TWinControl* control) {
  return control && control->HandleAllocated() &&
         (SendMessageW(control->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON);
}

// Top-level windows of the thread that a modal form disables while it runs.
class TDisabledWindows {
 public:
  explicit TDisabledWindows(HWND except) : FExcept(except) {
    EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(this));
    for (HWND window : FWindows) EnableWindow(window, FALSE);
  }
  ~TDisabledWindows() {
    for (HWND window : FWindows) {
      if (IsWindow(window)) EnableWindow(window, TRUE);
    }
  }
  TDisabledWindows(const TDisabledWindows&) = delete;
  TDisabledWindows& operator=(const TDisabledWindows&) = delete;

 private:
  static BOOL CALLBACK Collect(HWND window, LPARAM self) noexcept {
    auto* list = reinterpret_cast<TDisabledWindows*>(self);
    if (window != list->FExcept && IsWindowVisible(window) && IsWindowEnabled(window)) {
      list->FWindows.push_back(window);
    }
    return TRUE;
  }

  HWND FExcept;
  std::vector<HWND> FWindows;
};

}  // namespace

void TCustomForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CLOSE:
      Close();
      return;
    case WM_SYSCOMMAND:
      // The main form on the taskbar stands for the application: its own
      // minimise and restore reach the application window's hooks first.
      if (Application->MainForm() == this && Application->MainFormOnTaskbar() &&
          (message.WParam == SC_MINIMIZE || message.WParam == SC_RESTORE) && Application->HookedMessage(message)) {
        return;
      }
      break;
    case WM_ACTIVATE:
      Activated(LOWORD(message.WParam) != WA_INACTIVE);
      if (LOWORD(message.WParam) != WA_INACTIVE) {
        // The form gives the focus back to its active control, or to its first.
        if (FActiveControl && FActiveControl->CanFocus()) {
          ::SetFocus(FActiveControl->Handle());
          return;
        }
        DefaultHandler(message);
        if (!FActiveControl) SelectFirst();
        return;
      }
      break;
    case WM_ACTIVATEAPP:
      message.WParam ? Application->Activate() : Application->Deactivate();
      break;
    case CM_FOCUSCHANGED:
      if (message.WParam == 1) FocusChanged(reinterpret_cast<TWinControl*>(message.LParam));
      break;
    case CM_SHOWINGCHANGED: {
      const TNotifyEvent& event = Showing() ? OnShow : OnHide;
      if (event) event(this);
      break;
    }
    case CM_DIALOGKEY:
      if (HandleDialogKey(message)) return;
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

bool TCustomForm::HandleDialogKey(TMessage& message) {
  const TShiftState shift = KeyboardShiftState();
  switch (message.WParam) {
    case VK_TAB:
      if (shift.Contains(ssCtrl) || shift.Contains(ssAlt)) return false;
      SelectNext(FActiveControl, !shift.Contains(ssShift), true);
      message.Result = 1;
      return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      if (!IsRadioButton(FActiveControl)) return false;
      MoveBetweenRadioButtons(message.WParam == VK_RIGHT || message.WParam == VK_DOWN);
      message.Result = 1;
      return true;
    default:
      return false;  // Enter, Escape: broadcast to the controls (default and cancel buttons)
  }
}

void TCustomForm::MoveBetweenRadioButtons(bool forward) {
  TWinControl* current = FActiveControl;
  TWinControl* next = current;
  // Siblings in tab order; the next one that is a radio button and can take the focus.
  do {
    next = current->Parent()->FindNextControl(next, forward, false, true);
  } while (next && next != current && !IsRadioButton(next));
  if (!next || next == current) return;
  next->SetFocus();
  SendMessageW(next->Handle(), BM_CLICK, 0, 0);
}

// ---------------------------------------------------------------- modal loop

int TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || FModal) throw Exception(L"Cannot make a visible window modal");
  if (GetCapture()) SendMessageW(GetCapture(), WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  HWND previous = GetActiveWindow();
  FModal = true;
  FModalResult = mrNone;
  {
    // Declared first, undone last: the other windows are enabled again before
    // the form hides, so the activation does not go to some other program.
    struct EndModal {
      TCustomForm& form;
      ~EndModal() {
        form.FModal = false;
        form.Hide();
      }
    } end{*this};
    TDisabledWindows disabled(Handle());
    Show();
    while (FModalResult == mrNone) {
      Application->HandleMessage();
      if (Application->Terminated()) {
        FModalResult = mrCancel;
      } else if (FModalResult != mrNone) {
        CloseModal();
      }
    }
  }
  if (previous && IsWindow(previous)) SetActiveWindow(previous);
  return FModalResult;
}

void TCustomForm::CloseModal() {
  if (!CloseQuery()) {
    FModalResult = mrNone;
    return;
  }
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) FModalResult = mrNone;
}
