// The skin gallery: windows of skinned stand-in controls in Air, each in its
// states, written as PNG screenshots for a person to judge, then the same
// recoloured by hue, and a page of skinned captions. Every skin issue adds
// its controls here.
// Usage: skin_gallery [OUTPUT-FOLDER (gallery)]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/paint/alpha_channel.h"
#include "framework/application/application.h"
#include "skin/core/animation_window.h"
#include "skin/core/window_snapshot.h"
#include "skin/image/alpha_image_list.h"
#include "skin/image/button_glyphs.h"
#include "skin/paint/control_paint.h"
#include "skin/paint/skinned_text.h"
#include "skin/controls/bit_btn.h"
#include "skin/controls/button.h"
#include "skin/controls/combo_edit.h"
#include "skin/controls/edit.h"
#include "skin/controls/spin_edit.h"
#include "skin/controls/group_box.h"
#include "skin/controls/label.h"
#include "skin/controls/radio_button.h"
#include "skin/controls/speed_button.h"
#include "skin/window/dialog_wrappers.h"
#include "skin/window/main_wnd.h"
#include "skin/window/sb_wnd.h"
#include "skin/window/scroll_attach.h"
#include "skin/window/skin_provider.h"
#include "gallery_borders.h"
#include "gallery_dialogs.h"
#include "gallery_lists.h"
#include "gallery_menus.h"
#include "skin_test_kit.h"
#include "tools/common/png_writer.h"

namespace {

// A 32-bit bitmap (top row first) as an opaque PNG file.
bool WritePng(TBitmap& bitmap, const std::wstring& path) {
  GdiFlush();
  zelvan::png::PngRecipe recipe;
  recipe.width = static_cast<uint32_t>(bitmap.Width());
  recipe.height = static_cast<uint32_t>(bitmap.Height());
  recipe.colorType = 2;
  for (int y = 0; y < bitmap.Height(); ++y) {
    const uint8_t* p = bitmap.ScanLine(y);
    std::vector<uint8_t> row;
    for (int x = 0; x < bitmap.Width(); ++x, p += 4) row.insert(row.end(), {p[2], p[1], p[0]});
    recipe.rows.push_back(std::move(row));
  }
  const std::vector<uint8_t> png = zelvan::png::WritePng(recipe);
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (!file) return false;
  const bool written = fwrite(png.data(), 1, png.size(), file) == png.size();
  fclose(file);
  return written;
}

// Copies the client area of a window as it is on the screen now into
// bitmap at (x, y).
void CopyFromScreen(HWND window, TBitmap& bitmap, int x, int y) {
  RECT client{};
  GetClientRect(window, &client);
  HDC screen = GetDC(window);
  BitBlt(bitmap.Canvas().Handle(), x, y, client.right, client.bottom, screen, 0, 0, SRCCOPY);
  ReleaseDC(window, screen);
}

// The client area of a window as it is on the screen now, as a PNG file.
bool WriteScreenshot(HWND window, const std::wstring& path) {
  RECT client{};
  GetClientRect(window, &client);
  TBitmap shot(client.right, client.bottom, pf32bit);
  CopyFromScreen(window, shot, 0, 0);
  return WritePng(shot, path);
}

void Show(TWinControl* form) {
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Application->ProcessMessages();
}

// A control of a section in a forced state at a place.
template <typename T>
T* Put(TWinControl* parent, const std::string& section, int coc, int state, RECT bounds) {
  T* control = new T(parent, coc);
  control->ForcedState = state;
  control->SetBounds(bounds.left, bounds.top, bounds.right, bounds.bottom);
  control->SetParent(parent);
  control->SkinData.SetSkinSection(section);
  return control;
}

// A stand-in button of Air fading to hot, every frame as it reached the
// screen, side by side: normal, the fade's frames, hot.
bool WriteFadeStrip(TWinControl* page, const std::wstring& path) {
  auto* button = new TFadingPanel(page);
  button->SetName(L"FadingButton");
  button->SetBounds(440, 250, 75, 25);
  button->SetParent(page);
  button->SkinData.SetSkinSection("BUTTON");
  button->ForcedState = 0;
  Show(page);
  const auto* section = button->SkinData.Section();
  const int frames = section ? section->FadingIterations : 0;
  const int cell = button->Width() + 6;
  TBitmap strip(cell * (frames + 2), button->Height(), pf32bit);
  strip.Canvas().Brush().SetColor(0x00FFFFFF);
  strip.Canvas().FillRect(RECT{0, 0, strip.Width(), strip.Height()});
  CopyFromScreen(button->Handle(), strip, 0, 0);
  CommandLog().Clear();
  button->ChangeLook(1);
  int seen = 0;
  for (int guard = 0; button->FadeTimer && guard < 5000; ++guard) {
    Application->ProcessMessages();
    const int now = CommandLog().Count(L"FadingButton", SKC_PAINT_FADE_FRAME);
    if (now > seen && now <= frames) CopyFromScreen(button->Handle(), strip, cell * now, 0);
    seen = now;
    Sleep(1);
  }
  Show(page);
  CopyFromScreen(button->Handle(), strip, cell * (frames + 1), 0);
  delete button;
  return WritePng(strip, path);
}

// What a skin change shows: the frames pushed into the animation window,
// each laid over the old look at the frame's opacity as a compositor would.
class TSkinChangeRecorder {
 public:
  explicit TSkinChangeRecorder(HWND form) : FOld(SnapshotWindow(form)) {
    SetAnimationFrameObserver([this](TBitmap& picture, const RECT&, const zelvan::paint::TAnimFrame& frame) {
      if (!FNew) {
        FNew = std::make_unique<TBitmap>(picture.Width(), picture.Height(), pf32bit);
        FNew->Assign(picture);
      }
      FAlphas.push_back(static_cast<int>(frame.Alpha));
    });
  }
  ~TSkinChangeRecorder() { SetAnimationFrameObserver(nullptr); }
  // Every third frame and the last, side by side.
  bool Write(const std::wstring& path) {
    if (!FOld || !FNew || FAlphas.empty() || FNew->Width() != FOld->Width()) return false;
    std::vector<int> shown;
    for (size_t i = 0; i < FAlphas.size(); i += 3) shown.push_back(FAlphas[i]);
    shown.push_back(FAlphas.back());
    const int w = FOld->Width(), h = FOld->Height();
    TBitmap strip((w + 8) * static_cast<int>(shown.size()), h, pf32bit);
    GdiFlush();
    for (size_t k = 0; k < shown.size(); ++k) {
      for (int y = 0; y < h; ++y) {
        const uint8_t* a = FOld->ScanLine(y);
        const uint8_t* b = FNew->ScanLine(y);
        uint8_t* d = strip.ScanLine(y) + 4 * (w + 8) * k;
        for (int i = 0; i < 4 * w; ++i) d[i] = static_cast<uint8_t>(a[i] + (b[i] - a[i]) * shown[k] / 255);
      }
    }
    return WritePng(strip, path);
  }

 private:
  std::unique_ptr<TBitmap> FOld, FNew;
  std::vector<int> FAlphas;
};

// A stand-in that draws its caption over its section, into its own cache
// (where a glow can go), when the cache is made anew.
class TCaptionShape : public TDataShape {
 public:
  TCaptionShape(TComponent* owner, int coc) : TDataShape(owner, coc) {}
  std::wstring Caption;

 protected:
  void Paint() override {
    if (!SkinData.Skinned()) return TDataShape::Paint();
    if (SkinData.BGChanged || SkinData.CacheBmp()->Empty()) {
      if (!PrepareCache(SkinData, PaintState())) return;
      TCanvas& canvas = SkinData.CacheBmp()->Canvas();
      canvas.Font().Assign(Font());
      WriteTextEx(canvas, Caption, Enabled(), PaintState(), &SkinData, DT_SINGLELINE | DT_CENTER | DT_VCENTER,
                  RECT{0, 0, Width(), Height()});
    }
    CopyBitmapToDC(*SkinData.CacheBmp(), Canvas().Handle(), RECT{0, 0, Width(), Height()}, POINT{0, 0});
  }
};

// Captions: Air's own colours in every state and disabled (faded), then the
// same with side colours given to two sections (white text outlined in Air's
// text colour, a shadow below and right) and a section given a glow.
bool WriteTextPage(TsSkinManager& manager, const std::wstring& path) {
  const auto section = [&](const char* name) -> zelvan::store::TsGeneralData& {
    return manager.gd.at(static_cast<size_t>(manager.GetSkinIndex(name)));
  };
  for (auto& props : section("SPEEDBUTTON").Props) {
    const TColor airText = props.FontColor.Color;
    props.FontColor.Left = props.FontColor.Top = props.FontColor.Right = props.FontColor.Bottom = airText;
    props.FontColor.Color = 0xFFFFFF;
  }
  auto& toolButton = section("TOOLBUTTON").Props;
  toolButton[0].FontColor.Right = toolButton[0].FontColor.Bottom = 0xC0C0C0;
  toolButton[1].FontColor.Right = toolButton[1].FontColor.Bottom = 0x808080;
  section("PANEL").Props[0].GlowSize = 5;
  section("PANEL").Props[0].GlowColor = 0xFF9020;

  auto* form = new TForm(Application);
  form->SetCaption(L"Skinned text");
  form->SetClientWidth(460);
  form->SetClientHeight(190);
  auto* page = Put<TDataPanel>(form, "FORM", 0, 0, RECT{0, 0, 460, 190});
  const char* rows[] = {"BUTTON", "SPEEDBUTTON", "TOOLBUTTON"};
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 4; ++column) {
      auto* shape = Put<TCaptionShape>(page, rows[row], 93, column % 3, RECT{10 + 110 * column, 10 + 40 * row, 100, 32});
      shape->Font().SetHeight(-15);
      shape->Font().SetStyle(TFontStyles{fsBold});
      shape->Caption = column == 3 ? L"Disabled" : L"Rename";
      if (column == 3) shape->SetEnabled(false);
    }
  }
  for (int column = 0; column < 2; ++column) {
    auto* glow = Put<TCaptionShape>(page, "PANEL", 51, 0, RECT{10 + 220 * column, 135, 200, 45});
    glow->Font().SetHeight(-20);
    glow->Caption = column == 0 ? L"Glowing caption" : L"Disabled glow";
    if (column == 1) glow->SetEnabled(false);
  }
  form->Show();
  manager.UpdateSkin(true);
  Show(form);
  const bool written = WriteScreenshot(form->Handle(), path);
  delete form;
  return written;
}

// Button glyphs over Air's speed buttons, one column per state (normal, hot,
// pressed, default): the standard folder glyph; the calendar disabled and
// grey; the calculator disabled and blended; the ellipsis reflected; a
// 32-bit strip as a button's own glyph, grey in the normal state. Last row:
// the small drop-down arrows (down, right) and the list check boxes
// (unchecked, checked, grayed; enabled, then disabled).
bool WriteGlyphPage(TsSkinManager& manager, const std::wstring& path) {
  constexpr int kCell = 40, kGap = 6, kRows = 6;
  TBitmap sheet(std::max(4 * (kCell + kGap) + kGap, 200), kRows * (kCell + kGap) + kGap, pf32bit);
  sheet.Canvas().Brush().SetColor(0x00F0F0F0);
  sheet.Canvas().FillRect(RECT{0, 0, sheet.Width(), sheet.Height()});
  TsAlphaImageList& glyphs = StdGlyphList();
  auto ownStrip = glyphs.CreateBitmap32(4, 48, 16);
  for (int row = 0; row < kRows - 1; ++row) {
    for (int state = 0; state < 4; ++state) {
      TBitmap cell(kCell, kCell, pf32bit);
      PaintSection(cell.Image(), "SPEEDBUTTON", "BUTTON", nullptr, 0x00FFFFFF, RECT{0, 0, kCell, kCell}, &manager,
                   row == 1 || row == 2 ? 0 : state);
      TsGlyphParams p;
      p.Images = &glyphs;
      p.NumGlyphs = 3, p.State = state, p.Width = kCell, p.Height = kCell;
      p.ImgRect = {12, 12, 28, 28};
      switch (row) {
        case 0: p.ImageIndex = 1; break;
        case 1: p.ImageIndex = 2, p.Enabled = false, p.DisabledGlyphKind = dgGrayed; break;
        case 2: p.ImageIndex = 4, p.Enabled = false, p.DisabledGlyphKind = dgBlended; break;
        case 3: p.ImageIndex = 3, p.Reflected = true, p.ImgRect = {12, 6, 28, 22}; break;
        default: p.Images = nullptr, p.Glyph = ownStrip.get(), p.Grayed = true; break;
      }
      DrawBtnGlyph(p, &cell.Canvas());
      BitBlt(sheet.Canvas().Handle(), kGap + state * (kCell + kGap), kGap + row * (kCell + kGap), kCell, kCell,
             cell.Canvas().Handle(), 0, 0, SRCCOPY);
    }
  }
  const int y = kGap + (kRows - 1) * (kCell + kGap);
  DrawSmallArrow(sheet.Canvas(), clBlack, RECT{kGap, y, kGap + 16, y + 16}, 8);
  DrawSmallArrow(sheet.Canvas(), clBlack, RECT{kGap + 20, y, kGap + 36, y + 16}, 4);
  for (int k = 0; k < 6; ++k) {
    TBitmap item(20, 20, pf32bit);
    item.Canvas().Brush().SetColor(0x00F0F0F0);
    item.Canvas().FillRect(RECT{0, 0, 20, 20});
    zelvan::paint::TCacheInfo behind;
    behind.FillColor = 0x00F0F0F0;
    DrawSmallCheckBox(RECT{0, 0, 20, 20}, k % 3, k < 3, &manager, behind, item);
    BitBlt(sheet.Canvas().Handle(), kGap + 50 + 24 * k, y, 20, 20, item.Canvas().Handle(), 0, 0, SRCCOPY);
  }
  return WritePng(sheet, path);
}

// Platform controls wrapped from outside, on Air's form background: buttons
// (plain, default, disabled), check boxes and radio buttons, a group box and
// a static text; then the same once the wrappers are gone, side by side.
bool WriteWrappedPage(const std::wstring& path) {
  TDataPanel* page = NewSkinnedPage(330, 170);
  auto* form = static_cast<TForm*>(page->Parent());
  struct TChild {
    const wchar_t* cls;
    DWORD style;
    const wchar_t* text;
    RECT at;  // left, top, width, height
  } children[] = {
      {L"BUTTON", BS_GROUPBOX, L"Options", {10, 5, 310, 75}},
      {L"BUTTON", BS_AUTOCHECKBOX, L"Keep extensions", {20, 25, 140, 20}},
      {L"BUTTON", BS_AUTORADIOBUTTON, L"Files", {180, 25, 120, 20}},
      {L"BUTTON", BS_AUTOCHECKBOX, L"Sub-folders", {20, 50, 140, 20}},
      {L"BUTTON", BS_AUTORADIOBUTTON, L"Folders", {180, 50, 120, 20}},
      {L"STATIC", SS_LEFT, L"Rename 12 files to photo001 .. photo012?", {10, 90, 310, 20}},
      {L"BUTTON", BS_DEFPUSHBUTTON, L"Rename", {10, 125, 95, 28}},
      {L"BUTTON", BS_PUSHBUTTON, L"Restore", {115, 125, 95, 28}},
      {L"BUTTON", BS_PUSHBUTTON | WS_DISABLED, L"Close", {220, 125, 95, 28}},
  };
  std::vector<HWND> windows;
  for (const TChild& c : children) {
    windows.push_back(CreateWindowExW(0, c.cls, c.text, WS_CHILD | WS_VISIBLE | c.style, c.at.left, c.at.top,
                                      c.at.right, c.at.bottom, page->Handle(), nullptr, GetModuleHandleW(nullptr),
                                      nullptr));
  }
  SendMessageW(windows[1], BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(windows[2], BM_SETCHECK, BST_CHECKED, 0);
  std::vector<std::unique_ptr<TacMainWnd>> wrappers;
  for (HWND window : windows) wrappers.push_back(WrapDialogChild(window, DefaultManager()));
  Show(form);
  RECT client{};
  GetClientRect(form->Handle(), &client);
  TBitmap sheet(2 * client.right + 10, client.bottom, pf32bit);
  sheet.Canvas().Brush().SetColor(0x00FFFFFF);
  sheet.Canvas().FillRect(RECT{0, 0, sheet.Width(), sheet.Height()});
  CopyFromScreen(form->Handle(), sheet, 0, 0);
  wrappers.clear();
  Show(form);
  CopyFromScreen(form->Handle(), sheet, client.right + 10, 0);
  delete form;
  return WritePng(sheet, path);
}

// The settings group as the main window will show it: a skinned group box
// with its caption patch, labels in the skin's colour (one disabled), radio
// buttons checked, unchecked, hot and disabled.
bool WriteSettingsPage(const std::wstring& path) {
  TDataPanel* page = NewSkinnedPage(330, 170);
  auto* form = static_cast<TForm*>(page->Parent());
  auto* group = new TsGroupBox(form);
  group->SetParent(page);
  group->SetBounds(10, 8, 310, 150);
  group->SetText(L"改名设置：");
  group->SkinData.SetSkinSection("GROUPBOX");
  const auto label = [&](const wchar_t* text, int top, bool enabled) {
    auto* l = new TsLabel(form);
    l->SetParent(group);
    l->SetBounds(15, top, 60, 16);
    l->SetText(text);
    l->SetEnabled(enabled);
  };
  label(L"任务：", 32, true);
  label(L"扩展名：", 62, true);
  label(L"前缀：", 92, true);
  label(L"起始编号：", 120, false);
  const auto radio = [&](const wchar_t* text, int left, int top, bool checked, bool hot, bool enabled) {
    auto* r = new TsRadioButton(form);
    r->SetParent(group);
    r->SetBounds(left, top, 100, 20);
    r->SetText(text);
    r->SetChecked(checked);
    r->SetEnabled(enabled);
    r->SkinData.SetMouseAbove(hot);
    return r;
  };
  radio(L"文件", 95, 30, true, false, true);
  radio(L"文件夹", 190, 30, false, true, true);
  radio(L"保留", 95, 60, false, false, true);
  radio(L"更改", 190, 60, false, false, false);
  DefaultManager()->UpdateSkin(true);
  Show(form);
  const bool written = WriteScreenshot(form->Handle(), path);
  delete form;
  return written;
}

// The skinned buttons in Air: push buttons normal, hot, pressed, default,
// focused and disabled; bit buttons with a glyph; speed buttons normal,
// hot, down, disabled and with a drop-down part; and a push button's hover
// fade, frame by frame, below them.
bool WriteButtonPage(const std::wstring& path) {
  TDataPanel* page = NewSkinnedPage(460, 230);
  auto* form = static_cast<TForm*>(page->Parent());
  TBitmap glyph(16, 16, pf24bit);
  glyph.Canvas().Brush().SetColor(0x00FF00FF);  // the see-through corner colour
  glyph.Canvas().FillRect(RECT{0, 0, 16, 16});
  glyph.Canvas().Brush().SetColor(0x00208020);
  glyph.Canvas().FillRect(RECT{3, 3, 13, 13});
  const wchar_t* pushCaptions[] = {L"重命名", L"悬停", L"按下", L"默认", L"焦点", L"禁用"};
  TsButton* focused = nullptr;
  for (int i = 0; i < 6; ++i) {
    auto* b = new TsButton(form);
    b->SetParent(page);
    b->SetBounds(10 + 74 * i, 10, 70, 25);
    b->SetText(pushCaptions[i]);
    if (i == 1) b->SkinData.SetMouseAbove(true);
    if (i == 2) b->SetDown(true);
    if (i == 3) b->SetDefault(true);
    if (i == 4) focused = b;
    if (i == 5) b->SetEnabled(false);
  }
  const wchar_t* bitCaptions[] = {L"确定", L"取消", L"新建"};
  for (int i = 0; i < 3; ++i) {
    auto* b = new TsBitBtn(form);
    b->SetParent(page);
    b->SetBounds(10 + 100 * i, 50, 92, 30);
    b->SetText(bitCaptions[i]);
    b->Glyph().Assign(glyph);
    b->SetLayout(i == 2 ? blGlyphTop : blGlyphLeft);
    if (i == 2) b->SetBounds(10 + 100 * i, 50, 92, 44);
    if (i == 1) b->SkinData.SetMouseAbove(true);
  }
  for (int i = 0; i < 5; ++i) {
    auto* b = new TsSpeedButton(form);
    b->SetParent(page);
    b->SetBounds(10 + 60 * i, 105, i == 4 ? 56 : 26, 24);
    b->Glyph().Assign(glyph);
    if (i == 1) b->SetHotState(true);
    if (i == 2) {
      b->SetGroupIndex(1);
      b->SetDown(true);
    }
    if (i == 3) b->SetEnabled(false);
    if (i == 4) b->SetButtonStyle(tbsDropDown);
  }
  DefaultManager()->UpdateSkin(true);
  if (focused) focused->SetFocus();
  Show(form);
  TBitmap shot(460, 230, pf32bit);
  CopyFromScreen(form->Handle(), shot, 0, 0);
  // The hover fade of a push button, each frame as it reached the screen.
  auto* fading = new TsButton(form);
  fading->SetParent(page);
  fading->SetBounds(10, 150, 70, 25);
  fading->SetText(L"渐变");
  DefaultManager()->UpdateSkin(true);
  Show(form);
  const int cell = 76;
  auto capture = [&](int index) {
    HDC screen = GetDC(fading->Handle());
    BitBlt(shot.Canvas().Handle(), 10 + cell * index, 190, 70, 25, screen, 0, 0, SRCCOPY);
    ReleaseDC(fading->Handle(), screen);
  };
  capture(0);
  fading->Perform(CM_MOUSEENTER);
  int seen = 0;
  for (int guard = 0; fading->FadeTimer() && guard < 5000; ++guard) {
    Application->ProcessMessages();
    TsFadeTimer* timer = fading->FadeTimer();
    const int level = timer ? timer->Progress.FadeLevel - 1 : seen;
    if (level > seen && level < 5) capture(seen = level);
    Sleep(1);
  }
  Show(form);
  capture(5);
  const bool written = WritePng(shot, path);
  delete form;
  return written;
}


// Edits: normal, under the mouse, focused, disabled and with a password;
// spin edits with their arrow pairs, one arrow held; combo edits with the
// engine's folder glyph, one disabled.
bool WriteEditPage(const std::wstring& path) {
  TDataPanel* page = NewSkinnedPage(460, 130);
  auto* form = static_cast<TForm*>(page->Parent());
  const wchar_t* texts[] = {L"前缀", L"悬停", L"焦点", L"禁用", L"secret"};
  TsEdit* focused = nullptr;
  for (int i = 0; i < 5; ++i) {
    auto* e = new TsEdit(form);
    e->SetParent(page);
    e->SetBounds(10 + 88 * i, 10, 82, 21);
    e->SetText(texts[i]);
    if (i == 1) e->SkinData.SetMouseAbove(true);
    if (i == 2) focused = e;
    if (i == 3) e->SetEnabled(false);
    if (i == 4) e->SetPasswordChar(L'*');
  }
  TsSpinEdit* held = nullptr;
  for (int i = 0; i < 4; ++i) {
    auto* s = new TsSpinEdit(form);
    s->SetParent(page);
    s->SetBounds(10 + 110 * i, 50, 87, 21);
    s->SetValue(i == 3 ? -12 : i + 1);
    if (i == 1) s->SkinData.SetMouseAbove(true);
    if (i == 2) s->SetEnabled(false);
    if (i == 3) held = s;
  }
  for (int i = 0; i < 2; ++i) {
    auto* c = new TsCustomComboEdit(form);
    c->SetParent(page);
    c->SetBounds(10 + 220 * i, 90, 210, 21);
    c->SetText(L"C:\\照片\\2024");
    c->SetDefBmpID(0);
    if (i == 1) c->SetEnabled(false);
  }
  DefaultManager()->UpdateSkin(true);
  Show(form);
  if (held) {
    // The press focuses the spin edit: the focus goes back to the edit shown focused.
    TsSpinButton& arrows = held->Button();
    SendMessageW(arrows.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(arrows.Width() / 2, 2));
  }
  if (focused) focused->SetFocus();
  Show(form);
  const bool written = WriteScreenshot(form->Handle(), path);
  if (held) {
    TsSpinButton& arrows = held->Button();
    SendMessageW(arrows.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(arrows.Width() / 2, 300));
  }
  delete form;
  return written;
}

// A whole window as it shows: its window DC read back, the parts its region
// cuts away painted in the page's colour.
void CopyWindow(HWND window, TBitmap& page, int x, int y, int maxWidth, int maxHeight) {
  RECT r{};
  GetWindowRect(window, &r);
  const int w = std::min<int>(r.right - r.left, maxWidth), h = std::min<int>(r.bottom - r.top, maxHeight);
  HDC dc = GetWindowDC(window);
  BitBlt(page.Canvas().Handle(), x, y, w, h, dc, 0, 0, SRCCOPY);
  ReleaseDC(window, dc);
  GdiFlush();
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(window, region) != ERROR) {
    for (int py = 0; py < h; ++py) {
      auto* row = reinterpret_cast<uint32_t*>(page.ScanLine(y + py)) + x;
      for (int px = 0; px < w; ++px) {
        if (!PtInRegion(region, px, py)) row[px] = 0x00FFFFFF;
      }
    }
  }
  DeleteObject(region);
}

// Scrolled controls in Air: a list view with both bars as it rests, with its
// down arrow hot, a page pressed and the thumb dragged; a multi-line edit; a
// stand-alone scroll bar; and the same list with the platform's bars.
HWND NewScrolledList(HWND parent, int x, int y, int rows) {
  HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, x, y, 200, 150,
                              parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH | LVCF_TEXT;
  column.cx = 260;
  std::wstring title = L"原名称";
  column.pszText = title.data();
  SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  for (int i = 0; i < rows; ++i) {
    std::wstring text = L"照片 " + std::to_wstring(i + 1) + L".jpg";
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = text.data();
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  return list;
}

bool WriteScrollPage(const std::wstring& path) {
  TDataPanel* page = NewSkinnedPage(660, 360);
  auto* form = static_cast<TForm*>(page->Parent());
  TBitmap sheet(660, 360, pf32bit);
  sheet.Canvas().Brush().SetColor(0x00FFFFFF);
  sheet.Canvas().FillRect(RECT{0, 0, 660, 360});
  HWND list = NewScrolledList(page->Handle(), 10, 10, 60);
  auto wrapper = AttachScrollBars(list, DefaultManager(), "EDIT", TScrollWndKind::Edit);
  SendMessageW(list, LVM_SCROLL, 0, 10 * 17);
  Show(form);
  const auto shot = [&](int x, int y) {
    wrapper->Refresh(true);
    Application->ProcessMessages();
    CopyWindow(list, sheet, x, y, 200, 150);
  };
  shot(10, 10);
  RECT window{}, bar = wrapper->BarRect(wrapper->sBarVert);
  GetWindowRect(list, &window);
  const auto onBar = [&](int along) {
    return MAKELPARAM(window.left + (bar.left + bar.right) / 2, window.top + bar.top + along);
  };
  // The down arrow hot.
  const int length = bar.bottom - bar.top, arrow = wrapper->ArrowLength(wrapper->sBarVert);
  SetCursorPos(window.left + (bar.left + bar.right) / 2, window.top + bar.bottom - arrow / 2);
  SendMessageW(list, WM_NCMOUSEMOVE, HTVSCROLL, onBar(length - arrow / 2));
  shot(220, 10);
  // The cursor away, and the hot look gone with the next ticks.
  SetCursorPos(0, 0);
  for (int i = 0; i < 10; ++i) {
    Sleep(10);
    Application->ProcessMessages();
  }
  // A page pressed (held only as long as the shot).
  const zelvan::paint::TThumb thumb = wrapper->ThumbOf(wrapper->sBarVert);
  SendMessageW(list, WM_NCLBUTTONDOWN, HTVSCROLL, onBar(thumb.Start + thumb.Length + 4));
  SetCursorPos(window.left + (bar.left + bar.right) / 2, window.top + bar.top + thumb.Start + thumb.Length + 4);
  shot(430, 10);
  SendMessageW(list, WM_LBUTTONUP, 0, 0);
  // The thumb dragged down.
  const zelvan::paint::TThumb now = wrapper->ThumbOf(wrapper->sBarVert);
  SendMessageW(list, WM_NCLBUTTONDOWN, HTVSCROLL, onBar(now.Start + now.Length / 2));
  POINT to{window.left + (bar.left + bar.right) / 2, window.top + bar.top + now.Start + now.Length / 2 + 30};
  ScreenToClient(list, &to);
  SendMessageW(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
  UpdateWindow(list);
  shot(10, 180);
  SendMessageW(list, WM_LBUTTONUP, 0, 0);
  SetCursorPos(0, 0);
  // A multi-line edit and a stand-alone bar.
  HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE, 220, 180,
                              200, 150, page->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  std::wstring text;
  for (int i = 1; i <= 30; ++i) text += L"第 " + std::to_wstring(i) + L" 行\r\n";
  SetWindowTextW(edit, text.c_str());
  auto editWrapper = AttachScrollBars(edit, DefaultManager(), "EDIT", TScrollWndKind::Edit);
  HWND standAlone = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_VERT, 430, 180, 17, 150,
                                    page->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 99, 20, 30, 0};
  SetScrollInfo(standAlone, SB_CTL, &info, TRUE);
  std::unique_ptr<TacMainWnd> barWrapper(Wrap<TacSBWnd>(standAlone, nullptr, DefaultManager(), "CHECKBOX", true));
  HWND plain = NewScrolledList(page->Handle(), 455, 180, 60);
  SendMessageW(plain, LVM_SCROLL, 0, 10 * 17);
  Show(form);
  CopyWindow(edit, sheet, 220, 180, 200, 150);
  CopyWindow(standAlone, sheet, 430, 180, 17, 150);
  CopyWindow(plain, sheet, 455, 180, 200, 150);
  barWrapper.reset();
  editWrapper.reset();
  wrapper.reset();
  delete form;
  return WritePng(sheet, path);
}

// Forms with providers: sizeable (with a label, a button and the size grip),
// single, dialog, and the top left of a maximised one.
bool WriteFramePage(const std::wstring& path) {
  TBitmap page(1000, 580, pf32bit);
  page.Canvas().Brush().SetColor(0x00FFFFFF);
  page.Canvas().FillRect(RECT{0, 0, page.Width(), page.Height()});
  struct Kind {
    TFormBorderStyle style;
    const wchar_t* caption;
    int x;
  };
  std::vector<TForm*> forms;
  for (const Kind& kind : {Kind{bsSizeable, L"可调大小 Sizeable", 10}, Kind{bsSingle, L"Single 单边框", 340},
                           Kind{bsDialog, L"Dialog 对话框", 670}}) {
    auto* form = new TForm(Application);
    forms.push_back(form);
    form->SetBorderStyle(kind.style);
    form->SetBounds(60 + kind.x, 60, 320, 220);
    form->SetCaption(kind.caption);
    auto* label = new TsLabel(form);
    label->SetParent(form);
    label->SetBounds(16, 16, 200, 20);
    label->SetCaption(L"标签 A windowless label");
    auto* button = new TsButton(form);
    button->SetParent(form);
    button->SetBounds(16, 50, 90, 26);
    button->SetText(L"按钮");
    auto* provider = new TsSkinProvider(form);
    if (kind.style == bsSizeable) provider->GripMode = gmRightBottom;
    form->Show();
  }
  auto* maximized = new TForm(Application);
  forms.push_back(maximized);
  maximized->SetCaption(L"Maximised 最大化");
  new TsSkinProvider(maximized);
  maximized->Show();
  ShowWindow(maximized->Handle(), SW_MAXIMIZE);
  for (TForm* form : forms) Show(form);
  // The inactive look first: the maximised form is the active one.
  for (size_t i = 0; i < 3; ++i) CopyWindow(forms[i]->Handle(), page, 10 + 330 * static_cast<int>(i), 10, 320, 220);
  CopyWindow(maximized->Handle(), page, 10, 250, 980, 90);
  SetActiveWindow(forms[0]->Handle());
  Show(forms[0]);
  CopyWindow(forms[0]->Handle(), page, 10, 350, 320, 220);
  // Title additions: a text after the caption with an icon of its own, and a
  // right-to-left caption (left alignment mirrored, the added text first).
  for (const bool rtl : {false, true}) {
    auto* form = new TForm(Application);
    forms.push_back(form);
    form->SetBounds(rtl ? 730 : 400, 380, 320, 220);
    form->SetCaption(rtl ? L"从右到左 Right to left" : L"Added 附加");
    auto* provider = new TsSkinProvider(form);
    provider->AddedTitle.Font.SetColor(static_cast<TColor>(RGB(200, 30, 30)));
    provider->AddedTitle.SetText(L"— 附加文字");
    if (rtl) {
      SetWindowLongPtrW(form->Handle(), GWL_EXSTYLE, GetWindowLongPtrW(form->Handle(), GWL_EXSTYLE) | WS_EX_RTLREADING);
    } else {
      TBitmap icon(20, 14, pf32bit);
      icon.Canvas().Brush().SetColor(static_cast<TColor>(RGB(40, 150, 60)));
      icon.Canvas().FillRect(RECT{0, 0, 20, 14});
      zelvan::paint::SetRectAlpha(icon.Image(), {0, 0, 20, 14}, 255, false);
      provider->TitleIcon.SetWidth(20);
      provider->TitleIcon.SetHeight(14);
      provider->TitleIcon.SetGlyph(icon);
    }
    form->Show();
    Show(form);
    CopyWindow(form->Handle(), page, rtl ? 670 : 340, 350, 320, 220);
  }
  for (TForm* form : forms) delete form;
  return WritePng(page, path);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring out = argc > 1 ? argv[1] : L"gallery";
  CreateDirectoryW(out.c_str(), nullptr);
  Application->Initialize();
  TsSkinManager manager(nullptr);
  manager.SetSkinDirectory(SkinsFolder());
  manager.SetSkinName(L"Air");
  if (!manager.Active()) {
    std::fprintf(stderr, "skin_gallery: Air not found in %ls\n", SkinsFolder().c_str());
    return 1;
  }
  auto* form = new TForm(Application);
  form->SetCaption(L"Skin gallery");
  form->SetClientWidth(560);
  form->SetClientHeight(420);
  // The form's own background: the paper texture of FORM.
  auto* page = Put<TDataPanel>(form, "FORM", 0, 0, RECT{0, 0, 560, 420});
  // Backgrounds: panels, bars, a group box holding see-through children.
  Put<TDataPanel>(page, "PANEL", 51, 0, RECT{10, 10, 160, 60});
  Put<TDataPanel>(page, "PANEL_LOW", 52, 0, RECT{180, 10, 160, 60});
  Put<TDataPanel>(page, "TOOLBAR", 53, 0, RECT{350, 10, 200, 30});
  Put<TDataPanel>(page, "BAR", 19, 0, RECT{350, 50, 200, 20});
  auto* group = Put<TDataPanel>(page, "GROUPBOX", 74, 0, RECT{10, 80, 330, 150});
  Put<TDataPanel>(group, "CHECKBOX", 32, 0, RECT{12, 24, 140, 22});
  Put<TDataPanel>(group, "CHECKBOX", 32, 1, RECT{12, 52, 140, 22});
  // Edits normal and hot; buttons in every state; speed and tool buttons.
  for (int state = 0; state < 2; ++state) {
    Put<TDataPanel>(group, "EDIT", 2, state, RECT{170, 24 + 30 * state, 121, 21});
    Put<TDataPanel>(page, "COMBOBOX", 11, state, RECT{350, 90 + 30 * state, 150, 21});
  }
  for (int state = 0; state < 4; ++state) {
    Put<TDataShape>(page, "BUTTON", 93, state, RECT{10 + 85 * state, 250, 75, 25});
    Put<TDataShape>(page, "SPEEDBUTTON", 92, state, RECT{10 + 85 * state, 290, 75, 25});
    Put<TDataShape>(page, "TOOLBUTTON", 98, state, RECT{360 + 45 * (state % 4), 170, 40, 30});
  }
  // Lists: header, selection, menu lines, scroll parts.
  Put<TDataShape>(page, "COLHEADER", 0, 0, RECT{10, 330, 120, 20});
  Put<TDataShape>(page, "COLHEADER", 0, 1, RECT{130, 330, 120, 20});
  Put<TDataShape>(page, "SELECTION", 0, 0, RECT{10, 360, 240, 18});
  Put<TDataShape>(page, "MENUITEM", 0, 1, RECT{280, 330, 160, 22});
  Put<TDataShape>(page, "SCROLLSLIDERV", 0, 0, RECT{520, 220, 12, 80});
  Put<TDataShape>(page, "SCROLLSLIDERV", 0, 1, RECT{536, 220, 12, 80});
  Put<TDataPanel>(page, "STATUSBAR", 151, 0, RECT{0, 398, 560, 22});

  // A provider, so that skin changes cross-fade the form.
  new TStandInProvider(form);

  form->Show();
  manager.UpdateSkin(true);
  Show(form);
  bool written = WriteScreenshot(form->Handle(), out + L"\\air.png");
  written = WriteFadeStrip(page, out + L"\\air-fade.png") && written;
  written = WriteGlyphPage(manager, out + L"\\air-glyphs.png") && written;
  {
    TSkinChangeRecorder recorder(form->Handle());
    manager.SetHueOffset(120);
    written = recorder.Write(out + L"\\air-skin-change.png") && written;
  }
  Show(form);
  written = WriteScreenshot(form->Handle(), out + L"\\air-hue120.png") && written;
  delete form;
  manager.SetHueOffset(0);
  written = WriteTextPage(manager, out + L"\\air-text.png") && written;
  written = WriteWrappedPage(out + L"\\air-wrapped.png") && written;
  written = WriteSettingsPage(out + L"\\air-settings.png") && written;
  written = WriteButtonPage(out + L"\\air-buttons.png") && written;
  written = WriteEditPage(out + L"\\air-edits.png") && written;
  written = WriteFramePage(out + L"\\air-frames.png") && written;
  written = WriteScrollPage(out + L"\\air-scroll.png") && written;
  written = WriteMenuPage(manager, out + L"\\air-menus.png", &WritePng) && written;
  written = WriteCaptionButtonPage(manager, out + L"\\air-caption-buttons.png", &WritePng) && written;
  written = WriteAutoSkinPage(manager, out + L"\\air-auto-skin.png", &WritePng) && written;
  written = WriteListPage(manager, out + L"\\air-lists.png", &WritePng) && written;
  written = WriteBorderPage(manager, out + L"\\air-borders.png", &WritePng) && written;
  if (!written) return 1;
  std::printf("gallery written to %ls\n", out.c_str());
  return 0;
}
