#include "skin/core/skin_broadcast.h"

#include "framework/application/application.h"
#include "framework/forms/custom_form.h"
#include "skin/core/skin_messages.h"
#include "skin/core/skinned_windows.h"

namespace {

bool Gone(const TComponent* component) { return component->ComponentState().Contains(csDestroying); }

LRESULT Send(HWND window, const TMessage& message) {
  return SendMessageW(window, message.Msg, message.WParam, message.LParam);
}

}  // namespace

void BroadcastToChildren(TWinControl* container, TMessage& message) {
  if (!container) return;
  for (int i = 0; i < container->ControlCount(); ++i) {
    TControl* child = container->Controls(i);
    if (Gone(child)) return;
    auto* windowed = dynamic_cast<TWinControl*>(child);
    if (!windowed || !windowed->HandleAllocated()) {
      message.Result = child->Perform(message.Msg, message.WParam, message.LParam);
      continue;
    }
    if (QuerySkinCommand(windowed->Handle(), SKC_IS_SKINNED)) {
      message.Result = Send(windowed->Handle(), message);
    } else {
      BroadcastToChildren(windowed, message);
    }
  }
}

void BroadcastToForm(TCustomForm* form, TMessage& message) {
  if (form->HandleAllocated()) message.Result = Send(form->Handle(), message);
  BroadcastToChildren(form, message);
}

void BroadcastToAllForms(TMessage& message) {
  for (int i = Application->ComponentCount() - 1; i >= 0; --i) {
    if (i >= Application->ComponentCount()) continue;  // forms went while serving
    auto* form = dynamic_cast<TCustomForm*>(Application->Components(i));
    if (!form || Gone(form) || form->ComponentState().Contains(csLoading)) continue;
    if (form->HandleAllocated() && QuerySkinCommand(form->Handle(), SKC_IS_SKINNED)) continue;
    BroadcastToForm(form, message);
  }
  TSkinnedFormList& skinned = SkinnedFormList();
  for (int i = 0; i < skinned.Count(); ++i) {
    TCustomForm* form = skinned.Items(i);
    if (!Gone(form)) BroadcastToForm(form, message);
  }
  // A served window may free providers: walk by index, slots may be emptied.
  for (size_t i = 0; i < AutoSkinnedWindowList().size(); ++i) {
    TacAutoSkinned* entry = AutoSkinnedWindowList()[i];
    HWND window = entry ? entry->SkinnedWindow() : nullptr;
    if (window && IsWindowVisible(window)) Send(window, message);
  }
}
