#include "skin/store/manager_seams.h"

#include "skin/core/skinned_windows.h"
#include "skin/window/skin_provider.h"

void RemoveExtendedBorders(TsSkinManager& manager) {
  TSkinnedFormList& forms = SkinnedFormList();
  for (int i = 0; i < forms.Count(); ++i) {
    TsSkinProvider* provider = SkinProviderOf(forms.Items(i));
    if (provider && provider->ProviderManager() == &manager) provider->RemoveExBorders();
  }
}

