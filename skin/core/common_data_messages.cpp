// TsCommonData: the skin commands every skinned control answers alike, and
// its reactions to ordinary messages (moves, sizes, focus, hover, visibility).
#include <algorithm>

#include "core/paint/system_colors.h"
#include "core/store/control_kinds.h"
#include "framework/application/application.h"
#include "framework/controls/win_control.h"
#include "framework/forms/custom_form.h"
#include "framework/stdctrls/label.h"
#include "skin/core/common_data.h"
#include "skin/core/skin_broadcast.h"
#include "skin/core/state_fade.h"
#include "skin/store/skin_manager.h"

using zelvan::paint::TColor;

namespace {

bool IsManagerBroadcast(uint16_t code) {
  return code == SKC_SKIN_LOADED || code == SKC_SKIN_REMOVED || code == SKC_REFRESH ||
         code == SKC_SECTION_CHANGED || code == SKC_STOP_ANIMATION;
}

bool Gone(const TComponent* c) { return c->ComponentState().Contains(csDestroying); }

}  // namespace

void TsCommonData::PassToChildren(TMessage& message) {
  if (auto* container = dynamic_cast<TWinControl*>(FOwnerControl)) {
    const LRESULT result = message.Result;
    BroadcastToChildren(container, message);
    message.Result = result;
  }
}

void TsCommonData::SkinRemoved(TMessage& message) {
  if (FSkinManager && reinterpret_cast<TsSkinManager*>(message.LParam) == FSkinManager &&
      FSkinManager->ComponentState().Contains(csDestroying)) {
    FSkinManager = nullptr;
  }
  SkinIndex = BorderIndex = Texture = HotTexture = -1;
  FUpdating = true;
  ClearCache();
  if (!FOwnerControl) return;
  if (zelvan::store::IsEditKind(COC)) {
    if (!FCustomColor) FOwnerControl->SetColor(clWindow);
    if (!FCustomFont) FOwnerControl->Font().SetColor(clWindowText);
  }
  if (auto* container = dynamic_cast<TWinControl*>(FOwnerControl)) {
    for (int i = 0; i < container->ControlCount(); ++i) {
      if (auto* label = dynamic_cast<TLabel*>(container->Controls(i))) label->Font().SetColor(clWindowText);
    }
  }
}

bool TsCommonData::CommandHandler(TMessage& message) {
  if (message.Msg != SKM_COMMAND) return false;
  const uint16_t code = SkinCommandCode(message.WParam);
  if (OwnerGone()) {
    if (code == SKC_IS_SKINNED) message.Result = 1;
    return true;  // a receiver being destroyed ignores every command
  }
  const bool ownManager = message.LParam == reinterpret_cast<LPARAM>(SkinManager());
  if (IsManagerBroadcast(code) && !ownManager) {
    PassToChildren(message);  // children may follow that other manager
    return true;
  }
  switch (code) {
    case SKC_SKIN_LOADED:
      UpdateIndexes();
      UpdatePlainState(false);
      break;
    case SKC_SKIN_REMOVED:
      SkinRemoved(message);
      break;
    case SKC_REFRESH:
      BGChanged = true;
      FUpdating = false;
      UpdateBGType();
      ApplySkinColors(true);
      UpdatePlainState(false);
      break;
    case SKC_SECTION_CHANGED:
      if (FSkinSection == ChangedSectionName()) Invalidate();
      break;
    case SKC_STOP_ANIMATION:
      // The picture on screen may be a frame of the fade; the cache already
      // holds the look itself, so it is shown without being rebuilt.
      if (StopFadesOf(*this) > 0 && FOwnerControl) FOwnerControl->Invalidate();
      break;
    case SKC_PARENT_UPDATED:
      if (FUpdating) {
        FUpdating = false;
        Invalidate(true);
      }
      return true;
    case SKC_IS_SKINNED:
      message.Result = 1;
      return true;
    case SKC_SET_UPDATING:
      FUpdating = SkinCommandArgument(message.WParam) == 1;
      return true;
    case SKC_URGENT_PAINT:
      UrgentPainting = SkinCommandArgument(message.WParam) == 1;
      return true;
    case SKC_GET_UPDATING:
      message.Result = BGChanged || FUpdating ? 1 : 0;
      return true;
    case SKC_GET_HALF_VISIBLE:
      message.Result = HalfVisible ? 1 : 0;
      return true;
    case SKC_SET_SECTION:
      if (auto* info = reinterpret_cast<TacSectionInfo*>(message.LParam)) SetSkinSection(info->Name);
      return true;
    case SKC_BG_CHANGED:
      BGChanged = true;
      return true;
    case SKC_REPAINT_NOW:
      if (FOwnerControl && !dynamic_cast<TWinControl*>(FOwnerControl)) {
        FUpdating = false;
        BGChanged = true;
        FOwnerControl->Repaint();
      }
      return true;
    case SKC_MOVE_NEEDS_REPAINT: {
      // Answered in the result only: a sent LParam is a value, never an address.
      const auto* g = Section();
      if (!g || zelvan::store::IsEditKind(COC)) {
        message.Result = 0;
      } else if (g->Transparency >= 100) {
        message.Result = ParentCommand(SKC_MOVE_NEEDS_REPAINT, 0);
      } else {
        message.Result = g->GradientPercent + g->ImagePercent > 0 || RepaintIfMoved() ? 1 : 0;
      }
      return true;
    }
    case SKC_PARENT_BG_CHANGED: {
      const bool moves = RepaintIfMoved();
      if (moves) BGChanged = true;
      if (SkinCommandArgument(message.WParam) == 1) {
        auto* windowed = dynamic_cast<TWinControl*>(FOwnerControl);
        if (windowed && windowed->HandleAllocated()) {
          RedrawWindow(windowed->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        }
        if (moves && windowed) {
          for (int i = 0; i < windowed->ControlCount(); ++i) {
            if (!Gone(windowed->Controls(i))) PerformSkinCommand(windowed->Controls(i), SKC_PARENT_BG_CHANGED);
          }
        }
      }
      return true;
    }
    case SKC_GET_BG_COLOR: {
      message.Result = static_cast<LRESULT>(BgColorAnswer());
      return true;
    }
    case SKC_SET_HALF_VISIBLE:
      HalfVisible = true;
      return true;
    case SKC_GET_SKIN_INDEX:
      if (auto* info = reinterpret_cast<TacSectionInfo*>(message.LParam)) info->SkinIndex = SkinIndex;
      return true;
    case SKC_MOUSE_ENTER:
      if (ownManager) MouseEntered(message);
      return true;
    case SKC_MOUSE_LEAVE:
      if (ownManager) MouseLeft();
      return true;
    case SKC_CLEAR_CACHE:
      if (FCacheBmp) {
        if (auto* container = dynamic_cast<TWinControl*>(FOwnerControl)) {
          for (int i = 0; i < container->ControlCount(); ++i) {
            auto* child = dynamic_cast<TWinControl*>(container->Controls(i));
            if (child && child->HandleAllocated()) SendSkinCommand(child->Handle(), SKC_CLEAR_CACHE);
          }
        }
        ClearCache();
        BGChanged = true;
        FUpdating = true;
      }
      return true;
    case SKC_GET_BG_INFO:
      if (auto* request = reinterpret_cast<TBgRequest*>(message.LParam)) AnswerBgRequest(*request, 0, nullptr);
      return true;
    case SKC_GET_SKIN_STATE:
      if (message.LParam == 1) {
        UpdateBGType();
        UpdatePlainState(true);
      } else if (CtrlSkinState & kStateUnknown) {
        UpdatePlainState(false);
      }
      message.Result = CtrlSkinState;
      return true;
    case SKC_GET_SKIN_DATA:
      message.Result = reinterpret_cast<LRESULT>(this);
      return true;
    case SKC_SET_PRINT_DC:
      PrintDC = reinterpret_cast<HDC>(message.LParam);
      if (PrintDC) {
        CtrlSkinState |= kStatePrinting;
      } else {
        CtrlSkinState &= static_cast<uint16_t>(~kStatePrinting);
      }
      return true;
    case SKC_GET_APPLICATION:
      message.Result = reinterpret_cast<LRESULT>(Application);
      return true;
    default:
      return false;
  }
  PassToChildren(message);
  return true;
}

// Transparency T mixes as (T x parent + (256 - T) x own) div 256 per channel,
// unlike BackgroundColor's true percentage: both are what callers rely on.
TColor TsCommonData::BgColorAnswer() const {
  const auto* g = Skinned() ? Section() : nullptr;
  if (!g) return OwnColor();
  const auto& values = g->Props[0];
  const int t = std::clamp(values.Transparency, 0, 100);
  const TColor own = FCustomColor ? OwnColor() : values.Color;
  if (t == 0) return own;
  TColor parent = ParentColor(nullptr);
  if (parent == zelvan::paint::kKeyColor) {
    TWinControl* container = FOwnerControl ? FOwnerControl->Parent() : nullptr;
    parent = container ? zelvan::paint::ColorToRGB(container->Color()) : own;
  }
  if (t == 100) return parent;
  TColor mixed = parent & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const uint32_t p = (parent >> shift) & 0xFF, o = (own >> shift) & 0xFF;
    mixed |= ((static_cast<uint32_t>(t) * p + static_cast<uint32_t>(256 - t) * o) / 256) << shift;
  }
  return mixed;
}

void TsCommonData::MouseEntered(TMessage& message) {
  if (!Skinned()) {
    FMouseAbove = true;
    return;
  }
  if (auto* container = dynamic_cast<TWinControl*>(FOwnerControl)) {
    // Speed buttons that missed their leave.
    for (int i = 0; i < container->ControlCount(); ++i) {
      TControl* child = container->Controls(i);
      if (reinterpret_cast<LPARAM>(child) == message.LParam || dynamic_cast<TWinControl*>(child)) continue;
      auto* data = reinterpret_cast<TsCommonData*>(PerformSkinCommand(child, SKC_GET_SKIN_DATA));
      if (data && data->COC == 92 && data->FMouseAbove) PerformSkinCommand(child, SKC_MOUSE_LEAVE, message.LParam);
    }
  }
  if (!zelvan::store::IsContainerKind(COC)) FMouseAbove = true;
  if (!zelvan::store::IsNoGlowKind(COC) && !zelvan::store::IsButtonGlowKind(COC)) ShowGlow();
  const auto* g = Section();
  auto* windowed = dynamic_cast<TWinControl*>(FOwnerControl);
  if (zelvan::store::IsEditKind(COC) && g && g->States > 1 && windowed && windowed->HandleAllocated()) {
    BGChanged = true;
    SendMessageW(windowed->Handle(), WM_NCPAINT, 0, 0);
  }
}

void TsCommonData::MouseLeft() {
  if (!zelvan::store::IsContainerKind(COC)) FMouseAbove = false;
  if (!Skinned()) return;
  if (!zelvan::store::IsNoGlowKind(COC) && !zelvan::store::IsButtonGlowKind(COC)) RemoveGlow();
  auto* windowed = dynamic_cast<TWinControl*>(FOwnerControl);
  if (zelvan::store::IsEditKind(COC) && windowed && windowed->HandleAllocated() && IsWindowVisible(windowed->Handle())) {
    BGChanged = true;
    SendMessageW(windowed->Handle(), WM_NCPAINT, 0, 0);
  }
}

bool TsCommonData::CommonMessage(TMessage& message) {
  if (message.Msg == SKM_COMMAND) return CommandHandler(message);
  if (OwnerGone() || OwnerLoading() || !FOwnerControl) return false;
  auto* windowed = dynamic_cast<TWinControl*>(FOwnerControl);
  const LPARAM self = reinterpret_cast<LPARAM>(SkinManager());
  switch (message.Msg) {
    case WM_MOVE:
      if (RepaintIfMoved()) {
        BGChanged = true;
        PerformSkinCommand(FOwnerControl, SkinCommandWParam(SKC_PARENT_BG_CHANGED, 1), 0);
      }
      RemoveGlow();
      return false;
    case WM_SIZE: {
      if (!Skinned()) return false;
      BGChanged = true;
      const auto* g = Section();
      if (windowed && g && g->GradientPercent >= 1) {
        for (int i = 0; i < windowed->ControlCount(); ++i) {
          TControl* child = windowed->Controls(i);
          if (Gone(child) || child->Anchors().Contains(akRight) || child->Anchors().Contains(akBottom)) continue;
          PerformSkinCommand(child, SkinCommandWParam(SKC_PARENT_BG_CHANGED, 1), 0);
        }
      }
      RemoveGlow();
      return false;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      if (!windowed || !windowed->CanFocus() || !windowed->TabStop()) return false;
      const bool gained = message.Msg == WM_SETFOCUS;
      BGChanged = true;
      FFocused = gained;
      const auto* g = Section();
      const bool frame = zelvan::store::IsEditKind(COC) && windowed->HandleAllocated() &&
                         (gained ? Skinned() && g && g->States > 1 : IsWindowVisible(windowed->Handle()) != 0);
      if (frame) SendMessageW(windowed->Handle(), WM_NCPAINT, 0, 0);
      return false;
    }
    case WM_FONTCHANGE:
    case CM_ENABLEDCHANGED:
      FMouseAbove = FFocused = false;
      if (!FOwnerControl->Enabled()) RemoveGlow();
      return false;
    case WM_UPDATEUISTATE:
      if (Skinned()) return true;
      return false;
    case WM_PARENTNOTIFY:
      if (LOWORD(message.WParam) == WM_CREATE) {
        if (TCustomForm* form = GetParentForm(FOwnerControl)) {
          PerformSkinCommand(form, SKC_ADD_CHILDREN, reinterpret_cast<LPARAM>(FOwnerControl));
        }
      }
      return false;
    case CM_VISIBLECHANGED:
      if (FCacheBmp) {
        if (message.WParam) {
          FUpdating = false;
        } else {
          ClearCache();
          if (windowed) {
            for (int i = 0; i < windowed->ControlCount(); ++i) PerformSkinCommand(windowed->Controls(i), SKC_CLEAR_CACHE);
          }
        }
        BGChanged = true;
      }
      return false;
    case CM_MOUSEENTER:
      if (message.LParam != 0) return false;  // a child's enter, told to its parents
      if (!Skinned() || !SkinManager()) {
        FMouseAbove = true;
        return false;
      }
      if (windowed && windowed->HandleAllocated()) {
        SkinManager()->SetActiveControl(windowed->Handle());  // tells this control through SKC_MOUSE_ENTER
      } else {
        TMessage enter{SKM_COMMAND, SkinCommandWParam(SKC_MOUSE_ENTER), self, 0};
        MouseEntered(enter);
      }
      return false;
    case CM_MOUSELEAVE:
      if (message.LParam != 0) return false;
      if (Skinned() && SkinManager() && windowed && windowed->HandleAllocated() &&
          SkinManager()->ActiveControl() == windowed->Handle()) {
        SkinManager()->SetActiveControl(nullptr);
      } else {
        MouseLeft();
      }
      return false;
    case CM_SHOWINGCHANGED:
      if (FOwnerControl->Visible()) Loaded();
      return false;
    default:
      return false;
  }
}
