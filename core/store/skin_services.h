#pragma once
// What the skin store needs from the program around it: the platform's
// message box, the program's folder and command line, and the manager's
// settings, which the manager owns and the loaders read (and, when a skin is
// missing, write back: the skin name and the active switch).

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zelvan::store {

class TsStoredSkins;

enum class TMessageKind { mkWarning, mkInformation, mkError };

struct TSkinServices {
  std::u16string ProgramFolder;  // folder of the executable, ending in a backslash
  // Shows a modal box with an OK button. For a warning the manager switches
  // the skinning of standard dialogs off while the box is up.
  std::function<void(TMessageKind kind, const std::string& text)> ShowMessage;
  bool TestSwitch = false;  // "/actest" among the command-line parameters
  int SizingFrameWidth = 4;  // the platform's sizing-frame width (SM_CXFRAME)
  // Whether a directory entry has the hidden or system attribute; skin lists
  // pass such entries over. The portable file access cannot tell.
  std::function<bool(const std::u16string& path)> IsHiddenOrSystem;
};

struct TSkinSettings {
  bool Active = true;
  std::u16string SkinDirectory = u"c:\\Skins";
  std::u16string SkinName;
  TsStoredSkins* InternalSkins = nullptr;  // the manager's built-in skins, may be null
  std::vector<std::string> CommonSections;  // lines of INI text
  int HueOffset = 0;
  int Saturation = 0;
  bool ExtendedBorders = false;
  bool PreviewMode = false;  // a skin was handed over by an editing tool during this run
  std::optional<std::string> HandedOverOptions;  // a description text handed over in memory
};

}  // namespace zelvan::store
