// The renamer's main window with the skin Air in its skin folder, and
// without: how it starts, what its controls show, and that opening the picker
// and hovering and pressing buttons leave no handles behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>

#include "app/rename_main.h"
#include "core/image/bitmap32.h"
#include "design_skin_folder.h"
#include "framework/folder_picker/directory_edit.h"
#include "framework/folder_picker/path_dialog.h"
#include "framework/stdctrls/button.h"
#include "framework/stdctrls/custom_edit.h"
#include "framework/stdctrls/list_view.h"
#include "framework/stdctrls/radio_button.h"
#include "framework/stdctrls/spin_edit.h"
#include "framework/stdctrls/speed_button.h"
#include "skin/controls/button.h"
#include "skin/controls/edit.h"
#include "skin/controls/group_box.h"
#include "skin/controls/list_view.h"
#include "skin/core/skin_messages.h"
#include "skin/paint/control_paint.h"
#include "skin/store/skin_manager.h"
#include "framework/system/wide_text.h"
#include "skin/window/skin_provider.h"
#include "test_support.h"
#include "tests/skin/window_pictures.h"
#include "user_actions.h"

namespace {

LRESULT Ask(HWND window, uint16_t code) { return SendMessageW(window, SKM_COMMAND, SkinCommandWParam(code), 0); }

uint32_t Rgb(TBitmap& picture, int x, int y) { return zelvan::image::GetPixel32(picture.Image(), x, y) & 0xFFFFFF; }

int DifferingPixels(TBitmap& a, TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
  int differing = 0;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) differing += Rgb(a, x, y) != Rgb(b, x, y);
  }
  return differing;
}

// Pixels that differ in the band `ring` pixels wide along the edges, below `top`.
int RingDifferences(TBitmap& a, TBitmap& b, int ring, int top = 0) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
  int differing = 0;
  for (int y = top; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      const bool edge = x < ring || y < top + ring || x >= a.Width() - ring || y >= a.Height() - ring;
      if (edge && Rgb(a, x, y) != Rgb(b, x, y)) ++differing;
    }
  }
  return differing;
}

// What the engine paints for the control's section at its size, in its normal state.
std::unique_ptr<TBitmap> EnginePicture(TsCommonData& data, TWinControl& control) {
  auto picture = std::make_unique<TBitmap>(control.Width(), control.Height(), pf32bit);
  PaintItemWithParent(data, control.Parent(), true, picture->Image(), {0, 0}, {0, 0, control.Width(), control.Height()},
                      0);
  return picture;
}

BOOL CALLBACK FindShownDialog(HWND window, LPARAM data) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (std::wstring(name) == L"#32770" && IsWindowVisible(window)) *reinterpret_cast<bool*>(data) = true;
  return TRUE;
}

bool DialogOfThisThreadShown() {
  bool found = false;
  EnumThreadWindows(GetCurrentThreadId(), FindShownDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

struct TShownMain {
  TDesignSkinFolder Skin;
  std::unique_ptr<TForm1> Form{new TForm1(Application)};
  explicit TShownMain(TSkinOnDriveF kind) : Skin(kind) {
    SetCursorPos(1200, 1000);  // no control is hot
    Form->Show();
    Pump(200);
  }
};

}  // namespace

TEST(SkinnedMainWindow, GetsTheSkinsFrameFromTheCreationOfItsWindow) {
  TDesignSkinFolder skin(TSkinOnDriveF::Folder);
  std::unique_ptr<TForm1> form(new TForm1(Application));
  ASSERT_TRUE(form->sSkinManager1->Active());
  HWND window = form->Handle();  // made, not shown yet
  TsSkinProvider* provider = SkinProviderOf(form.get());
  ASSERT_NE(provider, nullptr);
  EXPECT_TRUE(provider->RTInit);
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & WS_SYSMENU, 0) << "prepared before it was ever shown";

  form->Show();
  Pump();
  EXPECT_TRUE(provider->SkinsFrame());
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(window, region) != ERROR, !provider->RegionRects().empty());
  DeleteObject(region);
  // The title band on the screen is the provider's picture of it.
  TBitmap* cache = provider->SkinData.CacheBmp();
  ASSERT_TRUE(cache && !cache->Empty());
  const int y = provider->HeaderHeight() / 2;
  HDC dc = GetWindowDC(window);
  int same = 0, probed = 0;
  for (int x = 40; x < cache->Width() - 140; x += 17, ++probed) {
    const uint32_t p = zelvan::image::GetPixel32(cache->Image(), x, y);
    same += ::GetPixel(dc, x, y) == RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  ReleaseDC(window, dc);
  EXPECT_EQ(same, probed);
  form.reset();
}

// Air.asz alone is enough, and beside a folder Air the archive is the one loaded.
TEST(SkinnedMainWindow, StartsFromTheArchiveWhichWinsOverAFolder) {
  for (TSkinOnDriveF kind : {TSkinOnDriveF::Archive, TSkinOnDriveF::ArchiveAndFolder}) {
    TShownMain main(kind);
    TsSkinManager& manager = *main.Form->sSkinManager1;
    ASSERT_TRUE(manager.Active()) << SkinCaseName(kind);
    ASSERT_TRUE(manager.SkinData);
    EXPECT_FALSE(manager.SkinData->Description.empty());
    EXPECT_NE(manager.SkinData->Description, kFolderDescription) << SkinCaseName(kind);
    EXPECT_TRUE(SkinProviderOf(main.Form.get()) && SkinProviderOf(main.Form.get())->SkinsFrame());
  }
}

TEST(SkinnedMainWindow, WithoutASkinStartsSilentlyInTheOrdinaryLook) {
  TShownMain main(TSkinOnDriveF::None);
  EXPECT_FALSE(main.Form->sSkinManager1->Active());
  EXPECT_FALSE(DialogOfThisThreadShown()) << "no message about the missing skin";
  EXPECT_EQ(Ask(main.Form->Handle(), SKC_GET_PROVIDER), 0);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(main.Form->Handle(), region), ERROR) << "the platform's own frame";
  DeleteObject(region);

  // The skinned button and edit look exactly like ordinary ones of the same
  // size, text and font.
  std::unique_ptr<TForm> plain(NewForm(531, 464));
  auto* button = new TButton(plain.get());
  button->SetParent(plain.get());
  button->SetBounds(0, 0, main.Form->btn_close->Width(), main.Form->btn_close->Height());
  button->Font().Assign(main.Form->btn_close->Font());
  button->SetCaption(main.Form->btn_close->Caption());
  auto* edit = new TEdit(plain.get());
  edit->SetParent(plain.get());
  edit->SetBounds(0, 40, main.Form->ED_fn->Width(), main.Form->ED_fn->Height());
  edit->SetColor(clWhite);
  Pump(100);
  EXPECT_EQ(DifferingPixels(*GrabWindow(main.Form->btn_close->Handle()), *GrabWindow(button->Handle())), 0);
  main.Form->ED_fn->SetText(L"");
  Pump(50);
  EXPECT_EQ(RingDifferences(*GrabWindow(main.Form->ED_fn->Handle()), *GrabWindow(edit->Handle()), 3), 0);

  // The folder box's button shows the engine's folder picture without a skin too.
  const RECT place = main.Form->ED_dir->Button().BoundsRect();
  const auto shown = GrabWindow(main.Form->ED_dir->Handle());
  int coloured = 0;
  for (int y = place.top + 2; y < place.bottom - 2; ++y) {
    for (int x = place.left + 2; x < place.right - 2; ++x) {
      const uint32_t p = Rgb(*shown, x + 2, y + 2);  // inside the edit's 2-pixel border
      const int r = p >> 16, g = (p >> 8) & 0xFF, b = p & 0xFF;
      coloured += std::max({r, g, b}) - std::min({r, g, b}) > 40;  // the folder's tan, not grey or white
    }
  }
  EXPECT_GT(coloured, 20);
}

TEST(SkinnedMainWindow, ControlsShowWhatTheEnginePaintsForTheirSections) {
  TShownMain main(TSkinOnDriveF::Folder);
  TForm1& form = *main.Form;
  ASSERT_TRUE(form.sSkinManager1->Active());
  TWinControl* const skinned[] = {form.ED_dir, form.rb_file,    form.rb_dir,     form.lv_Files,
                                  form.ED_fn,  form.ED_numstart, form.ed_numlen,  form.rb_ext,
                                  form.rb_extchg, form.ed_ext,   form.btn_rename, form.btn_close};
  for (TWinControl* control : skinned) {
    EXPECT_EQ(Ask(control->Handle(), SKC_IS_SKINNED), 1) << WideToUtf8(control->Name());
  }
  struct TCase {
    TWinControl* Control;
    TsCommonData& Data;
    const char* Section;
    int Ring;  // the band along the edges free of text
    int Top;   // rows above it are left out (a group box's caption)
  } cases[] = {
      {form.btn_close, dynamic_cast<TsButton&>(*form.btn_close).SkinData, "BUTTON", 4, 0},
      {form.ED_fn, dynamic_cast<TsEdit&>(*form.ED_fn).SkinData, "EDIT", 2, 0},
      {form.lv_Files, dynamic_cast<TsListView&>(*form.lv_Files).SkinData, "EDIT", 1, 0},
  };
  for (TCase& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.Control->Name()));
    EXPECT_EQ(c.Data.SkinSection(), c.Section);
    EXPECT_TRUE(form.sSkinManager1->IsValidSkinIndex(c.Data.SkinIndex));
    const auto shown = GrabWindow(c.Control->Handle());
    EXPECT_EQ(RingDifferences(*shown, *EnginePicture(c.Data, *c.Control), c.Ring, c.Top), 0);
  }
  // The group box shows its own cached picture of "GROUPBOX" (its sides and
  // bottom: the caption and the children cover the rest).
  auto& group = *form.FindComponent(L"sGroupBox1");
  auto& box = dynamic_cast<TsGroupBox&>(group);
  EXPECT_EQ(box.SkinData.SkinSection(), "GROUPBOX");
  ASSERT_TRUE(box.SkinData.CacheBmp() && !box.SkinData.CacheBmp()->Empty());
  const auto shown = GrabWindow(box.Handle());
  EXPECT_EQ(RingDifferences(*shown, *box.SkinData.CacheBmp(), 3, 90), 0);
}

TEST(SkinnedMainWindow, PickerCyclesAndHoverPressesLeaveTheHandlesAsTheyWere) {
  TShownMain main(TSkinOnDriveF::Folder);
  TForm1& form = *main.Form;
  TForm1::OpenAddress() = [](const std::wstring&) {};
  int shown = 0;
  TDirectoryEdit::OnPickerShowing() = [&shown](TPathDialogForm& picker) {
    // Closed as soon as it is shown.
    picker.OnShow = [&picker, &shown](TObject*) {
      ++shown;
      PostMessageW(picker.Handle(), WM_CLOSE, 0, 0);
    };
  };
  const auto pickerCycle = [&] {
    form.ED_dir->ButtonClick();
    Pump(10);
  };
  const auto hoverPress = [&] {
    HWND button = form.sButton1->Handle();
    SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    form.sButton1->Perform(CM_MOUSELEAVE, 0, 0);
    Pump(1);
  };
  // The first pickers load the shell's images and the skin's glyphs once.
  for (int i = 0; i < 3; ++i) {
    pickerCycle();
    hoverPress();
  }
  Pump(500);  // the buttons' fades come to their end
  const unsigned gdi = GdiObjectCount(), user = UserObjectCount();
  for (int i = 0; i < 20; ++i) pickerCycle();
  EXPECT_EQ(shown, 23);
  EXPECT_EQ(GdiObjectCount(), gdi) << "20 pickers";
  EXPECT_EQ(UserObjectCount(), user) << "20 pickers";
  for (int i = 0; i < 200; ++i) hoverPress();
  Pump(500);
  EXPECT_EQ(GdiObjectCount(), gdi) << "200 hovers and presses";
  EXPECT_EQ(UserObjectCount(), user) << "200 hovers and presses";
  TDirectoryEdit::OnPickerShowing() = nullptr;
  TForm1::OpenAddress() = nullptr;
}

namespace {

int gPaints = 0;

LRESULT CALLBACK CountPaints(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE && (message->message == WM_PAINT || message->message == WM_NCPAINT)) {
    ++gPaints;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

// Left alone, the window and its controls paint nothing, skinned or not.
TEST(SkinnedMainWindow, AWindowLeftAlonePaintsNothing) {
  for (TSkinOnDriveF kind : {TSkinOnDriveF::Folder, TSkinOnDriveF::None}) {
    SCOPED_TRACE(SkinCaseName(kind));
    TShownMain main(kind);
    Pump(300);  // the first pictures and any fade come to their end
    HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, CountPaints, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    gPaints = 0;
    Pump(600);
    EXPECT_EQ(gPaints, 0);
    // The count sees a paint when there is one.
    InvalidateRect(main.Form->lv_Files->Handle(), nullptr, FALSE);
    Pump(50);
    UnhookWindowsHookEx(hook);
    EXPECT_GT(gPaints, 0);
  }
}
