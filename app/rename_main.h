#pragma once
// TForm1: the renamer's one window. The user picks a folder, chooses files or
// sub-folders and the naming rule, sees every planned name in the list before
// anything happens, renames, restores, opens the home page or closes. The
// window owns the rename plan and drives the rename passes from its buttons.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "app/rename/win32_file_operations.h"
#include "core/rename/rename_plan.h"
#include "framework/forms/form.h"

class TButton;
class TCustomEdit;
class TDirectoryEdit;
class TListView;
class TRadioButton;
class TSpinEdit;
class TsSkinManager;

// Where the window's skin manager looks for the skin Air: the folder of the
// machine the window was laid out on, absent on users' machines.
inline constexpr wchar_t kDesignSkinDirectory[] = L"F:\\Zelvan\\Skins";

// The home page the web-site button opens.
inline constexpr wchar_t kHomePageAddress[] = L"https://zelvan.example.org/";

class TForm1 : public TForm {
 public:
  explicit TForm1(TComponent* owner);
  ~TForm1() override;

  // The stored layout of the window.
  static TLayout Layout();
  // How an address is opened; tests replace it to see the call.
  static std::function<void(const std::wstring& address)>& OpenAddress();

  // --- event handlers, as the layout wires them
  void ED_dirChange();
  void rb_fileClick();
  void ED_fnChange();
  void btn_renameClick();
  void btn_restoreClick();
  void sButton1Click();
  void btn_closeClick();

  const zelvan::rename::TRenamePlan& Plan() const { return FPlan; }

  TDirectoryEdit* ED_dir = nullptr;
  TRadioButton* rb_file = nullptr;
  TRadioButton* rb_dir = nullptr;
  TListView* lv_Files = nullptr;
  TCustomEdit* ED_fn = nullptr;
  TSpinEdit* ED_numstart = nullptr;
  TSpinEdit* ed_numlen = nullptr;
  TRadioButton* rb_ext = nullptr;
  TRadioButton* rb_extchg = nullptr;
  TCustomEdit* ed_ext = nullptr;
  TButton* btn_rename = nullptr;
  TButton* btn_restore = nullptr;
  TButton* sButton1 = nullptr;
  TButton* btn_close = nullptr;
  TsSkinManager* sSkinManager1 = nullptr;

  // A close during a pass waits for the row being moved, then closes.
  bool CloseQuery() override;

 private:
  // The layout is read, the window is not going away and no pass is moving
  // files: handlers may act.
  bool Ready() const;
  // The list holds only the row count; its cells come from the plan.
  void FillList();
  void RowText(int row, int column, std::wstring& text) const;
  void ShowNewNames();
  // The result marks of the plan rows first..last-1 are shown again.
  void ShowResults(size_t first = 0, size_t last = SIZE_MAX);
  // Runs a rename (or restore) pass; the window stays alive meanwhile, the
  // result marks appear as rows are done.
  bool RunPass(bool rename);

  zelvan::rename::TRenamePlan FPlan;
  TWin32FileOperations FFiles;
  bool FReady = false;
  bool FPassRunning = false;
  bool FListing = false;  // a folder is being listed: the names are worked out at its end
  bool FStopPass = false;
  bool FCloseAfterPass = false;
};
