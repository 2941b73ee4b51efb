#include "skin_test_kit.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "core/image/bitmap32.h"
#include "framework/application/application.h"
#include "tests/core/store/skin_fixture.h"
#include "skin/core/skin_broadcast.h"
#include "skin/paint/control_paint.h"

namespace {

bool IsManagerBroadcast(uint16_t code) {
  return code == SKC_SKIN_LOADED || code == SKC_SKIN_REMOVED || code == SKC_REFRESH ||
         code == SKC_SECTION_CHANGED || code == SKC_STOP_ANIMATION;
}

}  // namespace

TCommandLog& CommandLog() {
  static TCommandLog log;
  return log;
}

std::vector<std::wstring> TCommandLog::Receivers(uint16_t code) const {
  std::vector<std::wstring> names;
  for (const auto& [name, c] : FEntries) {
    if (c == code) names.push_back(name);
  }
  return names;
}

int TCommandLog::Count(const std::wstring& receiver, uint16_t code) const {
  return static_cast<int>(std::count(FEntries.begin(), FEntries.end(), std::make_pair(receiver, code)));
}

std::vector<uint16_t> TCommandLog::Codes(const std::wstring& receiver) const {
  std::vector<uint16_t> codes;
  for (const auto& [name, c] : FEntries) {
    if (name == receiver) codes.push_back(c);
  }
  return codes;
}

bool TStandInBehaviour::Handle(const std::wstring& name, TMessage& message) {
  if (message.Msg != SKM_COMMAND) return false;
  const uint16_t code = SkinCommandCode(message.WParam);
  if (code == SKC_IS_SKINNED) {
    message.Result = 1;
    return true;
  }
  TsSkinManager* own = Manager ? Manager : DefaultManager();
  if (IsManagerBroadcast(code) && message.LParam != reinterpret_cast<LPARAM>(own)) return true;
  CommandLog().Add(name, code);
  if (OnCommand) OnCommand(code);
  return true;
}

TSkinnedPanel::TSkinnedPanel(TComponent* owner) : TWinControl(owner) {
  ControlStyle().Include(csAcceptsControls);
  SetBounds(0, 0, 50, 30);
}

void TSkinnedPanel::WndProc(TMessage& message) {
  if (!Skin.Handle(Name(), message)) return TWinControl::WndProc(message);
  if (IsManagerBroadcast(SkinCommandCode(message.WParam))) BroadcastToChildren(this, message);
}

TSkinnedShape::TSkinnedShape(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 10, 10); }

void TSkinnedShape::WndProc(TMessage& message) {
  if (!Skin.Handle(Name(), message)) TGraphicControl::WndProc(message);
}

TStandInProvider::TStandInProvider(TCustomForm* form) : TComponent(form), FForm(form) {
  FPrevious = form->WindowProc;
  form->WindowProc = [this](TMessage& message) {
    if (message.Msg == SKM_COMMAND && SkinCommandCode(message.WParam) == SKC_GET_PROVIDER) {
      message.Result = reinterpret_cast<LRESULT>(static_cast<TacProviderLink*>(this));
      return;
    }
    if (!Skin.Handle(FForm->Name(), message)) FPrevious(message);
  };
  SkinnedFormList().Add(form);
}

TStandInProvider::~TStandInProvider() {
  SkinnedFormList().Remove(FForm);
  FForm->WindowProc = FPrevious;
}

TsSkinManager* TStandInProvider::ProviderManager() const { return Skin.Manager ? Skin.Manager : DefaultManager(); }

void TStandInProvider::AnimateSkinChange(unsigned timeMs, int mode) {
  ++Animations;
  LastAnimationTime = timeMs;
  TacProviderLink::AnimateSkinChange(timeMs, mode);
}

void RecordCommands(TControl& control, const std::wstring& name) {
  TWndMethod previous = control.WindowProc;
  control.WindowProc = [name, previous](TMessage& message) {
    if (message.Msg == SKM_COMMAND && SkinCommandCode(message.WParam) != SKC_IS_SKINNED) {
      CommandLog().Add(name, SkinCommandCode(message.WParam));
    }
    previous(message);
  };
}

bool LoadSkin(TsSkinManager& manager, const std::wstring& folder, const std::wstring& name) {
  manager.SetSkinDirectory(folder);
  manager.SetSkinName(name);
  return manager.Active();
}

std::wstring SkinsFolder() {
  const std::string folder = ZELVAN_SKINS;
  return std::wstring(folder.begin(), folder.end());
}

std::vector<uint8_t> SkinsFile(const std::string& name) {
  std::ifstream file(std::string(ZELVAN_SKINS) + "/" + name, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

TMessageBoxRecorder::TMessageBoxRecorder() {
  Application->SetMessageBoxHook([this](HWND, const std::wstring& text, const std::wstring&, UINT) {
    Texts.push_back(text);
    return IDOK;
  });
}

TMessageBoxRecorder::~TMessageBoxRecorder() { Application->SetMessageBoxHook(nullptr); }

namespace {

void WriteFileBytes(const std::wstring& path, const void* bytes, size_t size) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr);
  CloseHandle(file);
}

// Four 16 x 16 frame states side by side, grey shades, each with key-colour
// (see-through) corner pixels.
std::vector<uint8_t> KitMasterBitmap() {
  zelvan::store::testing::BmpRecipe recipe{64, 16, 24, {}, {}};
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 64; ++x) {
      const int cx = x % 16;
      const bool corner = (cx == 0 || cx == 15) && (y == 0 || y == 15);
      const uint32_t grey = 0x60u + 0x20u * static_cast<uint32_t>(x / 16);
      recipe.pixels.push_back(corner ? 0xFF00FFu : grey << 16 | grey << 8 | grey);
    }
  }
  return zelvan::store::testing::WriteBmp(recipe);
}

}  // namespace

void WriteKitSkin(const std::wstring& folder) {
  const std::string options =
      "[GLOBALINFO]\nVERSION=8\nCOLOR=$C0C0C0\nMASTERBITMAP=kit.bmp\n"
      "[PANEL]\nCOLOR=$808080\nGRADIENTDATA=16777215;0;100;0;0\nGRADIENTPERCENT=50\n"
      "[CLEAR]\nTRANSPARENCY=100\n"
      "[HALF0]\nCOLOR=0\nTRANSPARENCY=50\n"
      "[HALF200]\nCOLOR=$C8C8C8\nTRANSPARENCY=50\n"
      "[EDIT]\nCOLOR=$FFFFFF\nFONTCOLOR=$202020\nSTATES=2\n"
      "[BUTTON]\nSTATES=4\nCOLOR=$E0E0E0\nHOTCOLOR=$F0D0A0\nFADINGENABLED=1\nFADINGITERATIONS=5\n"
      "[BUTTON_HUGE]\nSTATES=4\nCOLOR=$E0E0E0\nBORDERSMASK=^0000,0000,0064,0016,0003,0003,0003,0003,4,0,0,0\n"
      "[THREE]\nSTATES=3\nCOLOR=$D0D0D0\nHOTCOLOR=$B0B0F0\nFADINGENABLED=0\n"
      "[OUTLINED]\nSTATES=2\nGIVEOWNFONT=1\nFONTCOLOR=$00FF00\nTCLEFT=$0000FF\nTCRIGHT=$FF0000\n"
      "HOTFONTCOLOR=$808080\n"
      "[GLOWING]\nSTATES=1\nFONTCOLOR=0\nGCOL=$0000FF\nGSIZE=4\n"
      "[WEBBUTTON]\nSTATES=2\nFONTCOLOR=0\nHOTFONTCOLOR=$800000\n"
      "[GLOWBTN]\nSTATES=2\nCOLOR=$E0E0E0\nGLOW=1\nGLOWMARGIN=2\n"
      "GLOW0=^0000,0000,0016,0016,0005,0005,0005,0005,1,0,0,0\n";
  CreateDirectoryW((folder + L"\\Kit").c_str(), nullptr);
  WriteFileBytes(folder + L"\\Kit\\Options.dat", options.data(), options.size());
  const std::vector<uint8_t> master = KitMasterBitmap();
  WriteFileBytes(folder + L"\\Kit\\kit.bmp", master.data(), master.size());
}

void TDataPanel::PaintWindow(HDC dc) {
  if (!SkinData.Skinned()) return TWinControl::PaintWindow(dc);
  if ((SkinData.BGChanged || SkinData.CacheBmp()->Empty()) && !PrepareCache(SkinData, PaintState())) return;
  const RECT whole{0, 0, Width(), Height()};
  SkinData.CopyCacheToDC(whole, 0, 0, false, dc, whole);
  // The children wait for the parent's picture; it is ready now.
  for (int i = 0; i < ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(Controls(i));
    if (child && child->HandleAllocated()) SendSkinCommand(child->Handle(), SKC_PARENT_UPDATED);
  }
}

void TDataShape::Paint() {
  if (!SkinData.Skinned()) return TDataControl::Paint();
  if ((SkinData.BGChanged || SkinData.CacheBmp()->Empty()) && !PrepareCache(SkinData, PaintState())) return;
  CopyBitmapToDC(*SkinData.CacheBmp(), Canvas().Handle(), RECT{0, 0, Width(), Height()}, POINT{0, 0});
}

void TFadingPanel::ChangeLook(int state, bool half, TacAnimatEvent event) {
  ForcedState = state;
  ChangeState(FadeTimer, SkinData, false, half, EventAnimates(event, AnimatEvents, SkinData.SkinManager()));
}

void TFadingPanel::WndProc(TMessage& message) {
  if (message.Msg == SKM_COMMAND && SkinCommandCode(message.WParam) == SKC_PREPARE_CACHE) {
    CommandLog().Add(Name(), SKC_PREPARE_CACHE);
    PrepareCache(SkinData, PaintState());
    return;
  }
  TDataPanel::WndProc(message);
}

void TFadingPanel::PaintWindow(HDC dc) {
  if (FadeTimer) return;  // the fade paints its frames itself
  TDataPanel::PaintWindow(dc);
}

void TFadingShape::ChangeLook(int state, bool half) {
  // A fade cut short starts the new one as far in as the old one had left.
  int level = 1;
  if (FadeTimer) {
    level = std::max(FadeTimer->Progress.Iterations - FadeTimer->Progress.FadeLevel, 1);
    StopFade(FadeTimer, SkinData);
  }
  ForcedState = state;
  const auto* section = SkinData.Section();
  TBitmap* cache = SkinData.CacheBmp();
  if (!section || !section->FadingEnabled || !cache || cache->Empty() || AnimationsSuppressed()) {
    SkinData.Invalidate();
    return;
  }
  auto from = std::make_unique<TBitmap>(cache->Width(), cache->Height());
  from->Assign(*cache);
  if (!PrepareCache(SkinData, state)) return;
  auto* timer = new TsAnimTimer(FadeTimer, &SkinData);
  if (half) timer->Progress.Iterations = std::max(timer->Progress.Iterations / 2, 1);
  timer->BmpFrom = std::move(from);
  timer->Progress.FadeLevel = std::min(level, timer->Progress.Iterations);
  timer->DoFade();
}

void TFadingShape::Paint() {
  if (FadeTimer && FadeTimer->TmpBmp && FadeTimer->TmpBmp->Width() == Width()) {
    CopyBitmapToDC(*FadeTimer->TmpBmp, Canvas().Handle(), RECT{0, 0, Width(), Height()}, POINT{0, 0});
    return;
  }
  TDataShape::Paint();
}

TDataPanel* NewSkinnedPage(int width, int height, const char* section) {
  auto* form = new TForm(Application);
  form->SetTag(kPlainFormTag);
  form->SetClientWidth(width);
  form->SetClientHeight(height);
  auto* page = new TDataPanel(form, 0);
  page->SetBounds(0, 0, width, height);
  page->SetParent(form);
  page->SkinData.SetSkinSection(section);
  form->Show();
  if (TsSkinManager* manager = DefaultManager()) manager->UpdateSkin(true);
  Application->ProcessMessages();
  return page;
}

int DifferingPixels(TBitmap& a, TBitmap& b) {
  GdiFlush();
  int count = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      count += (zelvan::image::GetPixel32(a.Image(), x, y) & 0xFFFFFF) !=
               (zelvan::image::GetPixel32(b.Image(), x, y) & 0xFFFFFF);
  return count;
}

COLORREF CachedPixel(TsCommonData& data, int x, int y) {
  GdiFlush();
  const uint32_t bgra = zelvan::image::GetPixel32(data.CacheBmp()->Image(), x, y);
  return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}
