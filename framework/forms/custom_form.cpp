#include "framework/forms/custom_form.h"
#include "framework/system/exception.h"

#include <vector>

#include "framework/application/application.h"
#include "framework/forms/class_registry.h"
#include "framework/forms/layout_reader.h"

TCustomForm* GetParentForm(TControl* control) {
  if (!control) return nullptr;
  while (control->Parent()) control = control->Parent();
  return dynamic_cast<TCustomForm*>(control);
}

namespace {

// Never destroyed: forms freed by the application object at the process's
// exit still leave it, after a function static would be gone.
std::vector<TCustomForm*>& Forms() {
  static auto* forms = new std::vector<TCustomForm*>;
  return *forms;
}

}  // namespace

const std::vector<TCustomForm*>& LiveForms() { return Forms(); }

TCustomForm::TCustomForm(TComponent* owner, std::wstring className)
    : TWinControl(owner), FFormClassName(std::move(className)) {
  Forms().push_back(this);
  ControlStyle() = TControlStyle{csAcceptsControls, csSetCaption, csDoubleClicks};
  SetVisible(false);
  SetParentFont(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 320, 240);
}

TCustomForm::~TCustomForm() {
  if (OnDestroy) OnDestroy(this);
  std::erase(Forms(), this);
  Destroying();
  DestroyHandle();
  DestroyComponents();
}

// ---------------------------------------------------------------- layout

void TCustomForm::ReadLayout(const TLayout& layout) {
  FFormClassName = layout.ClassName;
  TClassRegistry& registry = TClassRegistry::Instance();
  if (!registry.IsRegistered(layout.ClassName)) registry.AbstractClass(layout.ClassName, L"TForm");
  TLayoutReader(*this).Read(layout);
  if (OnCreate) OnCreate(this);
}

const std::any* TCustomForm::FindMethod(const std::wstring& name) const {
  auto found = FMethods.find(name);
  return found == FMethods.end() ? nullptr : &found->second;
}

// ---------------------------------------------------------------- window

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == FBorderStyle) return;
  FBorderStyle = style;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
  if (icons == FBorderIcons) return;
  FBorderIcons = icons;
  RecreateWnd();
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  DWORD exStyle = 0;
  switch (FBorderStyle) {
    case bsNone: style |= WS_POPUP; break;
    case bsSingle: style |= WS_CAPTION; break;
    case bsSizeable: style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog: style |= WS_POPUP | WS_CAPTION; exStyle |= WS_EX_DLGMODALFRAME; break;
    case bsToolWindow: style |= WS_CAPTION; exStyle |= WS_EX_TOOLWINDOW; break;
    case bsSizeToolWin: style |= WS_CAPTION | WS_THICKFRAME; exStyle |= WS_EX_TOOLWINDOW; break;
  }
  if (FBorderStyle != bsNone && FBorderIcons.Contains(biSystemMenu)) {
    style |= WS_SYSMENU;
    const bool framed = FBorderStyle == bsSingle || FBorderStyle == bsSizeable;
    if (framed && FBorderIcons.Contains(biMinimize)) style |= WS_MINIMIZEBOX;
    if (framed && FBorderIcons.Contains(biMaximize)) style |= WS_MAXIMIZEBOX;
    if (FBorderIcons.Contains(biHelp) && !(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) {
      exStyle |= WS_EX_CONTEXTHELP;
    }
  }
  if (!Enabled()) style |= WS_DISABLED;
  params.Style = style;
  params.ExStyle = exStyle | WS_EX_CONTROLPARENT;

  if (FClientWidthWanted >= 0 || FClientHeightWanted >= 0) {
    RECT frame{0, 0, FClientWidthWanted >= 0 ? FClientWidthWanted : Width(),
               FClientHeightWanted >= 0 ? FClientHeightWanted : Height()};
    AdjustWindowRectEx(&frame, style, FALSE, params.ExStyle);
    params.Width = frame.right - frame.left;
    params.Height = frame.bottom - frame.top;
  }
  switch (FPosition) {
    case poDefault:
      params.Width = params.Height = CW_USEDEFAULT;
      [[fallthrough]];
    case poDefaultPosOnly:
      params.X = params.Y = CW_USEDEFAULT;
      break;
    case poDefaultSizeOnly:
      params.Width = params.Height = CW_USEDEFAULT;
      break;
    case poScreenCenter:
      params.X = (GetSystemMetrics(SM_CXSCREEN) - params.Width) / 2;
      params.Y = (GetSystemMetrics(SM_CYSCREEN) - params.Height) / 2;
      break;
    case poDesigned:
      break;
  }

  // The main form has the taskbar button when asked; other forms are owned windows.
  TCustomForm* mainForm = Application->MainForm();
  if (mainForm == this && Application->MainFormOnTaskbar()) {
    params.WndParent = nullptr;
    params.ExStyle |= WS_EX_APPWINDOW;
  } else if (Application->MainFormOnTaskbar() && mainForm && mainForm != this &&
             mainForm->HandleAllocated()) {
    params.WndParent = mainForm->Handle();
  } else {
    params.WndParent = Application->Handle();
  }
}

void TCustomForm::CreateWnd() {
  TWinControl::CreateWnd();
  FClientWidthWanted = FClientHeightWanted = -1;
}

RECT TCustomForm::ClientRect() {
  if (HandleAllocated() || (FClientWidthWanted < 0 && FClientHeightWanted < 0)) {
    return TWinControl::ClientRect();
  }
  return RECT{0, 0, FClientWidthWanted >= 0 ? FClientWidthWanted : Width(),
              FClientHeightWanted >= 0 ? FClientHeightWanted : Height()};
}

// Before the window exists the frame size is not known; the window is made to fit.
void TCustomForm::SetClientWidth(int width) {
  if (HandleAllocated()) return TWinControl::SetClientWidth(width);
  FClientWidthWanted = width;
}

void TCustomForm::SetClientHeight(int height) {
  if (HandleAllocated()) return TWinControl::SetClientHeight(height);
  FClientHeightWanted = height;
}

void TCustomForm::SetWindowShowing(bool show) {
  ShowWindow(Handle(), show ? SW_SHOWNORMAL : SW_HIDE);
}

void TCustomForm::PaintWindow(HDC dc) {
  PaintOnCanvas(FCanvas, dc, Font(), Color(), [this] { Paint(); });
}

void TCustomForm::Paint() {
  if (OnPaint) OnPaint(this);
}

// ---------------------------------------------------------------- showing and closing

void TCustomForm::Show() {
  SetVisible(true);
  SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TCustomForm::Close() {
  if (FModal) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application->MainForm() == this) {
    Application->Terminate();
  } else if (action == caHide) {
    Hide();
  } else if (action == caMinimize) {
    ShowWindow(Handle(), SW_MINIMIZE);
  } else {
    Release();
  }
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& action) {
  if (OnClose) OnClose(this, action);
}

void TCustomForm::Release() { PostMessageW(Handle(), CM_RELEASE, 0, 0); }

// ---------------------------------------------------------------- focus

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control == FActiveControl) return;
  if (control && (GetParentForm(control) != this || control == this)) {
    throw Exception(L"The active control must be a control of the form");
  }
  if (control && Showing() && control->CanFocus()) {
    control->SetFocus();  // WM_SETFOCUS brings it back through FocusChanged
  } else {
    FocusChanged(control);
  }
}

void TCustomForm::FocusChanged(TWinControl* control) {
  if (control == this || control == FActiveControl) return;
  TWinControl* previous = FActiveControl;
  if (previous) previous->RemoveFreeNotification(this);
  FActiveControl = control;
  if (control) control->FreeNotification(this);
  if (previous) previous->Perform(CM_EXIT);
  if (control) control->Perform(CM_ENTER);
}

void TCustomForm::SelectFirst() {
  if (TWinControl* first = FindNextControl(nullptr, true, true, false)) first->SetFocus();
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == FActiveControl) FActiveControl = nullptr;
}

void TCustomForm::Activated(bool active) {
  const TNotifyEvent& event = active ? OnActivate : OnDeactivate;
  if (event) event(this);
}
