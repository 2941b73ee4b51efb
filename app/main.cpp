// Entry point of the renamer: the application, the main window from its
// stored layout with its own taskbar button, and the message loop until the
// window closes.
#include <windows.h>

#include "app/rename_main.h"
#include "framework/application/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  Application->Initialize();
  Application->SetMainFormOnTaskbar(true);
  TForm1* form = nullptr;
  Application->CreateForm(form);
  Application->Run();
  return 0;
}
