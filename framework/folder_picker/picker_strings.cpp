#include "framework/folder_picker/picker_strings.h"

const std::wstring& PickerText(TPickerString id) {
  static const std::wstring kTexts[] = {
      L"Select directory",  // psSelectDirectory
      L"Root :",            // psRoot
      L"OK",                // psOk
      L"Cancel",            // psCancel
      L"Create",            // psCreate
      L"New folder",        // psNewFolder
  };
  return kTexts[id];
}
