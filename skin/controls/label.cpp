#include "skin/controls/label.h"

#include "core/paint/color_mix.h"
#include "core/paint/system_colors.h"
#include "framework/controls/win_control.h"
#include "framework/system/flag_scope.h"
#include "skin/core/common_data.h"
#include "skin/core/skin_messages.h"
#include "skin/paint/control_paint.h"
#include "skin/store/skin_manager.h"

namespace {

// Set while a label gives its font the skin's colour: the font change that
// fires must not start another paint.
bool PaintingLabel = false;

bool Going(const TComponent& c) { return c.ComponentState().Contains(csDestroying); }

TsSkinManager* ActiveManager() {
  TsSkinManager* manager = DefaultManager();
  return manager && manager->Active() ? manager : nullptr;
}

}  // namespace

// ---------------------------------------------------------------- TsCustomLabel

TsCustomLabel::TsCustomLabel(TComponent* owner) : TCustomLabel(owner) { SetTransparent(true); }

void TsCustomLabel::SetSkinSection(const std::string& section) {
  if (section == FSkinSection) return;
  FSkinSection = section;
  Invalidate();
}

TColor TsCustomLabel::SkinFontColor() const {
  TsSkinManager* manager = ActiveManager();
  if (!manager || Going(*this)) return clFuchsia;
  auto* self = const_cast<TsCustomLabel*>(this);
  const int index = TsCommonData::ParentFontSectionIndex(self, -1, manager, 0);
  if (manager->IsValidSkinIndex(index)) return manager->gd[static_cast<size_t>(index)].Props[0].FontColor.Color;
  return manager->GetGlobalFontColor();
}

void TsCustomLabel::Paint() {
  FSkinIndex = -1;
  TsSkinManager* manager = ActiveManager();
  {
    TFlagScope guard(PaintingLabel, true);
    if (UsesSkinColor()) {
      const TColor color = SkinFontColor();
      if (color != clFuchsia && color != Font().Color()) Font().SetColor(color);
    }
    if (manager && !FSkinSection.empty()) {
      FSkinIndex = manager->GetSkinIndex(FSkinSection);
      if (manager->IsValidSkinIndex(FSkinIndex)) {
        const TColor color = manager->gd[static_cast<size_t>(FSkinIndex)].Props[0].FontColor.Color;
        if (color != clFuchsia && color != Font().Color()) Font().SetColor(color);
      }
    }
    Canvas().Font().SetColor(Font().Color());  // the canvas took the font before this paint
  }
  // Index 0 is never painted behind a label.
  if (manager && FSkinIndex > 0 && manager->IsValidSkinIndex(FSkinIndex)) {
    PaintItemToDC(FSkinIndex, FSkinSection, ControlParentCache(*this), manager, Canvas().Handle(), {0, 0},
                  RECT{0, 0, Width(), Height()}, 0);
  }
  TCustomLabel::Paint();
  FSkinIndex = -1;
}

void TsCustomLabel::DoDrawText(RECT& rect, UINT flags) {
  TsSkinManager* manager = ActiveManager();
  if (Enabled() || !manager || Going(*this)) return TCustomLabel::DoDrawText(rect, flags);
  std::wstring text = Text();
  if ((flags & DT_CALCRECT) && (text.empty() || (ShowAccelChar() && text == L"&"))) text = L" ";
  if (!(flags & DT_CALCRECT)) {
    // 40 % of the text colour over 60 % of what lies behind.
    TColor behind = clBtnFace;
    if (Parent() && Parent()->HandleAllocated()) {
      behind = static_cast<TColor>(SendSkinCommand(Parent()->Handle(), SKC_GET_BG_COLOR));
      if (!behind) behind = Parent()->Color();
    }
    const TColor mixed = zelvan::paint::MixColors(zelvan::paint::ColorToRGB(Font().Color()),
                                                  zelvan::paint::ColorToRGB(behind), 0.4);
    TFlagScope guard(PaintingLabel, true);
    Canvas().Font().SetColor(mixed);
  }
  Canvas().TextRect(rect, text, flags);
}

void TsCustomLabel::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_FONTCHANGED:
      if (PaintingLabel) return;  // the skin's colour, given while painting
      TCustomLabel::WndProc(message);
      Invalidate();
      return;
    case CM_MOUSEENTER:
      if (message.LParam == 0 && OnMouseEnter) OnMouseEnter(this);
      break;
    case CM_MOUSELEAVE:
      if (message.LParam == 0 && OnMouseLeave) OnMouseLeave(this);
      break;
    case SKM_COMMAND:
      if (SkinCommandCode(message.WParam) == SKC_SKIN_REMOVED &&
          message.LParam == reinterpret_cast<LPARAM>(DefaultManager()) && UsesSkinColor()) {
        Font().SetColor(clWindowText);
      }
      return;
    default:
      break;
  }
  TCustomLabel::WndProc(message);
}

void TsLabel::SetUseSkinColor(bool value) {
  if (value == FUseSkinColor) return;
  FUseSkinColor = value;
  Invalidate();
}

// ---------------------------------------------------------------- TsBoundLabel

TsBoundLabel::TsBoundLabel(TWinControl* control, TsCommonData* data) : FControl(control), FCommonData(data) {}

TsBoundLabel::~TsBoundLabel() { SetActive(false); }

void TsBoundLabel::SetActive(bool value) {
  if (value == FActive) return;
  FActive = value;
  if (!value) {
    delete FTheLabel;
    FTheLabel = nullptr;
    return;
  }
  FTheLabel = new TsEditLabel(FControl, this);
  FTheLabel->SetVisible(false);
  FTheLabel->SetParent(FControl->Parent());
  FTheLabel->SetFocusControl(FControl);
  ApplyAlignment();
  // Named after the control only when that name is free: names are unique.
  const std::wstring name = FControl->Name().empty() ? L"" : FControl->Name() + L"Label";
  TComponent* owner = FControl->Owner();
  if (!name.empty() && !(owner && owner->FindComponent(name))) FTheLabel->SetName(name);
  if (FText.empty()) FText = FControl->Name();
  FTheLabel->Font().Assign(FFont);
  FTheLabel->SetText(FText);
  FTheLabel->SetVisible(FControl->Visible());
  FTheLabel->SetEnabled(FControl->Enabled());
  FTheLabel->SetAutoSize(true);
  AlignLabel();
}

void TsBoundLabel::ApplyAlignment() {
  if (!FTheLabel) return;
  switch (FLayout) {
    case sclLeft:
    case sclTopRight:
    case sclBottomRight: FTheLabel->SetAlignment(taRightJustify); break;
    case sclTopCenter:
    case sclBottomCenter: FTheLabel->SetAlignment(taCenter); break;
    default: FTheLabel->SetAlignment(taLeftJustify); break;
  }
}

void TsBoundLabel::Follow(UINT msg) { Follow(msg, FControl->Enabled()); }

void TsBoundLabel::Follow(UINT msg, bool labelEnabled) {
  if (!FTheLabel) return;
  switch (msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      AlignLabel();
      break;
    case CM_VISIBLECHANGED:
      FTheLabel->SetVisible(FControl->Visible());
      AlignLabel();
      break;
    case CM_ENABLEDCHANGED:
      FTheLabel->SetEnabled(labelEnabled);
      break;
    default:
      break;
  }
}

void TsBoundLabel::AlignLabel() {
  if (!FTheLabel || !FTheLabel->Visible()) return;
  TsEditLabel& l = *FTheLabel;
  const TWinControl& c = *FControl;
  int left = c.Left(), top = c.Top();
  switch (FLayout) {
    case sclLeft:
      left = c.Left() - l.Width() - FIndent - 4;
      top = c.Top() + (c.Height() - l.Height()) / 2 - 1;
      break;
    case sclTopLeft: top = c.Top() - l.Height() - FIndent; break;
    case sclTopCenter:
      left = c.Left() + (c.Width() - l.Width()) / 2;
      top = c.Top() - l.Height() - FIndent;
      break;
    case sclTopRight:
      left = c.Left() + c.Width() - l.Width();
      top = c.Top() - l.Height() - FIndent;
      break;
    case sclLeftTop:
      left = c.Left() - l.Width() - FIndent - 4;
      top = c.Top() + 3;
      break;
    case sclBottomLeft: top = c.Top() + c.Height() + FIndent; break;
    case sclBottomCenter:
      left = c.Left() + (c.Width() - l.Width()) / 2;
      top = c.Top() + c.Height() + FIndent;
      break;
    case sclBottomRight:
      left = c.Left() + c.Width() - l.Width();
      top = c.Top() + c.Height() + FIndent;
      break;
  }
  l.SetBounds(left, top, l.Width(), l.Height());
  l.SetParent(FControl->Parent());
  if (FMaxWidth > 0) l.SetWordWrap(l.Width() >= FMaxWidth - 4);
}

void TsBoundLabel::SetCaption(const std::wstring& value) {
  FText = value;
  if (FTheLabel) FTheLabel->SetText(value);
  if (FActive) AlignLabel();
}

void TsBoundLabel::SetIndent(int value) {
  FIndent = value;
  if (FActive) AlignLabel();
}

void TsBoundLabel::SetLayout(TsCaptionLayout value) {
  FLayout = value;
  ApplyAlignment();
  if (FActive) AlignLabel();
}

void TsBoundLabel::SetMaxWidth(int value) {
  FMaxWidth = value;
  if (FActive) AlignLabel();
}

TFont& TsBoundLabel::Font() { return FTheLabel ? FTheLabel->Font() : FFont; }

void TsBoundLabel::SetFont(const TFont& font) {
  FFont.Assign(font);
  if (!FTheLabel) return;
  FTheLabel->Font().Assign(font);
  FTheLabel->SetParent(FControl->Parent());
  AlignLabel();
}

bool TsBoundLabel::UseSkinColor() const { return FTheLabel ? FTheLabel->UseSkinColor() : true; }

void TsBoundLabel::SetUseSkinColor(bool value) {
  if (FTheLabel) FTheLabel->SetUseSkinColor(value);
}
