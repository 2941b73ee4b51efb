// A stand-in for the program in the live-preview tests, started by them in a
// process of its own: a main form on the taskbar with a skin provider and the
// default manager, which loads the skin named by the last two command-line
// parameters (folder, name); "/acpreview" may come first. Its caption tells
// the tool's side what is loaded: "<skin name>|<1 when the skin has a HANDED
// section, else 0>|<width of the master bitmap>".
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "framework/application/application.h"
#include "framework/forms/form.h"
#include "skin/store/skin_manager.h"
#include "skin/window/skin_provider.h"

namespace {

std::wstring Report(const TsSkinManager& manager) {
  const int width = manager.MasterBitmap ? manager.MasterBitmap->Width() : 0;
  const bool handed = manager.GetSkinIndex("HANDED") >= 0;
  return manager.SkinName() + (handed ? L"|1|" : L"|0|") + std::to_wstring(width);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments || count < 3) return 2;
  const std::wstring folder = arguments[count - 2], name = arguments[count - 1];
  LocalFree(arguments);

  Application->Initialize();
  Application->SetMainFormOnTaskbar(true);
  TForm* form = nullptr;
  Application->CreateForm(form);
  form->SetBounds(100, 100, 320, 200);
  auto* manager = new TsSkinManager(form);
  manager->SetSkinDirectory(folder);
  manager->SetSkinName(name);
  manager->OnAfterChange = [form, manager](TObject*) { form->SetCaption(Report(*manager)); };
  form->SetCaption(Report(*manager));
  new TsSkinProvider(form);
  Application->Run();
  return 0;
}
