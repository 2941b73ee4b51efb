#include "skin/window/dialog_wrappers.h"

#include <string>

#include "skin/core/skin_messages.h"
#include "skin/window/btn_wnd.h"
#include "skin/window/check_box_wnd.h"
#include "skin/window/edit_wnd.h"
#include "skin/window/static_wnds.h"

using zelvan::store::TWrapperKind;

zelvan::store::TWrapperChoice DialogChildChoice(HWND child) {
  wchar_t name[64]{};
  GetClassNameW(child, name, 64);
  const std::wstring wide = name;
  return zelvan::store::WrapperOfDialogChild(std::u16string(wide.begin(), wide.end()),
                                             static_cast<uint32_t>(GetWindowLongPtrW(child, GWL_STYLE)),
                                             static_cast<uint32_t>(GetWindowLongPtrW(child, GWL_EXSTYLE)),
                                             IsWindowVisible(child) != FALSE);
}

namespace {

template <class T>
std::unique_ptr<TacMainWnd> Made(HWND child, TsSkinManager* manager, const zelvan::store::TWrapperChoice& choice) {
  std::unique_ptr<TacMainWnd> wrapper(Wrap<T>(child, nullptr, manager, choice.Section, true));
  wrapper->DlgMode = true;
  return wrapper;
}

}  // namespace

std::unique_ptr<TacMainWnd> WrapDialogChild(HWND child, TsSkinManager* manager) {
  if ((SendSkinCommand(child, SKC_IS_SKINNED) & 0xFF) != 0) return nullptr;
  const zelvan::store::TWrapperChoice choice = DialogChildChoice(child);
  switch (choice.Kind) {
    case TWrapperKind::Btn: return Made<TacBtnWnd>(child, manager, choice);
    case TWrapperKind::CheckBox: return Made<TacCheckBoxWnd>(child, manager, choice);
    case TWrapperKind::GroupBox: return Made<TacGroupBoxWnd>(child, manager, choice);
    case TWrapperKind::Static: return Made<TacStaticWnd>(child, manager, choice);
    case TWrapperKind::Icon: return Made<TacIconWnd>(child, manager, choice);
    case TWrapperKind::Edge: return Made<TacEdgeWnd>(child, manager, choice);
    case TWrapperKind::Link: return Made<TacLinkWnd>(child, manager, choice);
    case TWrapperKind::TransPanel: return Made<TacTransPanelWnd>(child, manager, choice);
    case TWrapperKind::Sizer: return Made<TacSizerWnd>(child, manager, choice);
    case TWrapperKind::Spin: {
      auto wrapper = Made<TacSpinWnd>(child, manager, choice);
      static_cast<TacSpinWnd*>(wrapper.get())->lOffset = choice.SpinOffset;
      return wrapper;
    }
    case TWrapperKind::Track: return Made<TacTrackWnd>(child, manager, choice);
    case TWrapperKind::Panel: return Made<TacPanelWnd>(child, manager, choice);
    case TWrapperKind::ToolBar: return Made<TacToolBarWnd>(child, manager, choice);
    case TWrapperKind::TabControl: return Made<TacTabControlWnd>(child, manager, choice);
    case TWrapperKind::Edit: return Made<TacEditWnd>(child, manager, choice);
    case TWrapperKind::ListView: return Made<TacListViewWnd>(child, manager, choice);
    case TWrapperKind::TreeView: return Made<TacTreeViewWnd>(child, manager, choice);
    default: return nullptr;
  }
}
