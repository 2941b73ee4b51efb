#pragma once
// TButton: the platform's push button. A click comes from the platform
// (mouse, Space) or from the form's Enter and Escape for the default and
// cancel buttons; a modal result set on the button closes its modal form.

#include <string>

#include "framework/controls/win_control.h"

class TImageList;

enum TButtonStyle { bsPushButton, bsCommandLink, bsSplitButton };
enum TImageAlignment { iaLeft, iaRight, iaTop, iaBottom, iaCenter };
struct TImageMargins {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

class TPopupMenu;

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);
  std::wstring ClassName() const override { return L"TButton"; }

  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int value) { FModalResult = value; }

  // Word wrap, images and styles: the platform draws none of them here; an
  // owner-drawn descendant does, and repaints through ButtonLookChanged.
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index);
  int HotImageIndex() const { return FHotImageIndex; }
  void SetHotImageIndex(int index);
  int PressedImageIndex() const { return FPressedImageIndex; }
  void SetPressedImageIndex(int index);
  int SelectedImageIndex() const { return FSelectedImageIndex; }
  void SetSelectedImageIndex(int index);
  int DisabledImageIndex() const { return FDisabledImageIndex; }
  void SetDisabledImageIndex(int index);
  TImageAlignment ImageAlignment() const { return FImageAlignment; }
  void SetImageAlignment(TImageAlignment value);
  const TImageMargins& ImageMargins() const { return FImageMargins; }
  void SetImageMargins(const TImageMargins& value);
  TButtonStyle Style() const { return FStyle; }
  void SetStyle(TButtonStyle value);
  const std::wstring& CommandLinkHint() const { return FCommandLinkHint; }
  void SetCommandLinkHint(const std::wstring& value);
  // The menu a split button's arrow part opens; forgotten when it is freed.
  TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
  void SetDropDownMenu(TPopupMenu* menu);

  void Click() override;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  // The platform button style: push or default push; owner-drawn buttons differ.
  virtual DWORD ButtonStyle() const { return FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON; }
  bool TakesEnter();
  virtual void ButtonLookChanged() { Invalidate(); }
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool FDefault = false;
  bool FCancel = false;
  int FModalResult = 0;
  bool FWordWrap = false;
  TImageList* FImages = nullptr;
  int FImageIndex = -1;
  int FHotImageIndex = -1;
  int FPressedImageIndex = -1;
  int FSelectedImageIndex = -1;
  int FDisabledImageIndex = -1;
  TImageAlignment FImageAlignment = iaLeft;
  TImageMargins FImageMargins;
  TButtonStyle FStyle = bsPushButton;
  std::wstring FCommandLinkHint;
  TPopupMenu* FDropDownMenu = nullptr;
};
