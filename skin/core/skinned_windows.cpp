#include "skin/core/skinned_windows.h"

#include <algorithm>

#include "framework/forms/custom_form.h"
#include "skin/core/skin_messages.h"

bool FormsLocked = false;
bool AllowExtendedBorders = true;
HWND RegisteredRepaintWindow = nullptr;

TacProviderLink* ProviderOf(TCustomForm* form) {
  if (!form || !form->HandleAllocated()) return nullptr;
  return reinterpret_cast<TacProviderLink*>(SendSkinCommand(form->Handle(), SKC_GET_PROVIDER));
}

void TSkinnedFormList::Add(TCustomForm* form) {
  if (form && !Contains(form)) FForms.push_back(form);
}

void TSkinnedFormList::Remove(TCustomForm* form) {
  auto found = std::find(FForms.begin(), FForms.end(), form);
  if (found == FForms.end()) return;
  *found = FForms.back();
  FForms.pop_back();
}

bool TSkinnedFormList::Contains(const TCustomForm* form) const {
  return std::find(FForms.begin(), FForms.end(), form) != FForms.end();
}

// Never destroyed: forms and managers freed by the application object at the
// process's exit still use them, after function statics would be gone.
TSkinnedFormList& SkinnedFormList() {
  static auto* list = new TSkinnedFormList;
  return *list;
}

std::vector<TacAutoSkinned*>& AutoSkinnedWindowList() {
  static auto* list = new std::vector<TacAutoSkinned*>;
  return *list;
}
