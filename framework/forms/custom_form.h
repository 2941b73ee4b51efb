#pragma once
// TCustomForm: a top-level window with caption, border style and icons,
// client size, a position the platform may choose, Show, ShowModal with a
// modal result, Close with OnClose, an active control, and a canvas for
// OnPaint. A form is built from a stored layout (ReadLayout); its window class
// is named after the form's class ("TForm1"), a plain frame class.

#include <any>
#include <map>
#include <string>
#include <vector>

#include "framework/controls/win_control.h"
#include "framework/forms/layout.h"
#include "framework/graphics/canvas.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = IDOK;
constexpr TModalResult mrCancel = IDCANCEL;
constexpr TModalResult mrAbort = IDABORT;
constexpr TModalResult mrRetry = IDRETRY;
constexpr TModalResult mrIgnore = IDIGNORE;
constexpr TModalResult mrYes = IDYES;
constexpr TModalResult mrNo = IDNO;
constexpr TModalResult mrClose = 8;

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* owner, std::wstring className = L"TCustomForm");
  ~TCustomForm() override;
  std::wstring ClassName() const override { return FFormClassName; }

  // --- layout
  // Applies the layout (its class name becomes the form's class name), then fires OnCreate.
  void ReadLayout(const TLayout& layout);
  template <typename Event>
  void PublishMethod(const std::wstring& name, Event handler) {
    FMethods[name] = std::any(std::move(handler));
  }
  const std::any* FindMethod(const std::wstring& name) const override;

  // --- window
  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons icons);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition position) { FPosition = position; }
  RECT ClientRect() override;
  void SetClientWidth(int width) override;
  void SetClientHeight(int height) override;

  // --- showing and closing
  void Show();
  int ShowModal();
  bool Modal() const { return FModal; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult result) { FModalResult = result; }
  void Close();
  virtual bool CloseQuery();
  // Deletes the form once the messages now waiting are handled.
  void Release();

  // --- focus
  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* control);
  // Focuses the first control in tab order that can take the focus.
  void SelectFirst();

  TCanvas& Canvas() { return FCanvas; }
  // Runs the form's paint routine (OnPaint) with the canvas drawing into dc,
  // whose origin is the client origin; for painters that draw the form elsewhere.
  void PaintTo(HDC dc) { PaintWindow(dc); }
  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnPaint;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnDestroy;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void PaintWindow(HDC dc) override;
  void SetWindowShowing(bool show) override;
  void Notification(TComponent* component, TOperation operation) override;
  virtual void Paint();
  virtual void DoClose(TCloseAction& action);

 private:
  void FocusChanged(TWinControl* control);
  void Activated(bool active);
  bool HandleDialogKey(TMessage& message);
  void MoveBetweenRadioButtons(bool forward);
  void CloseModal();

  std::wstring FFormClassName;
  std::map<std::wstring, std::any> FMethods;
  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
  TPosition FPosition = poDesigned;
  int FClientWidthWanted = -1;
  int FClientHeightWanted = -1;
  bool FModal = false;
  TModalResult FModalResult = mrNone;
  TWinControl* FActiveControl = nullptr;
  TCanvas FCanvas;
};

// The forms alive now, in creation order; a form leaves after its OnDestroy.
const std::vector<TCustomForm*>& LiveForms();

// The form a control is on (its top-level parent), or null.
TCustomForm* GetParentForm(TControl* control);
