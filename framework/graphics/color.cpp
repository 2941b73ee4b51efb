#include "framework/graphics/color.h"

#include <windows.h>

#include <utility>

TColor ColorToRGB(TColor color) {
  if ((color & clSystemColor) == clSystemColor) return GetSysColor(static_cast<int>(color & 0xFF));
  return color & 0x00FFFFFF;
}

std::optional<TColor> IdentToColor(const std::wstring& name) {
  static const std::pair<const wchar_t*, TColor> kNames[] = {
      {L"clScrollBar", clScrollBar}, {L"clBackground", clBackground},
      {L"clActiveCaption", clActiveCaption}, {L"clInactiveCaption", clInactiveCaption},
      {L"clMenu", clMenu}, {L"clWindow", clWindow}, {L"clWindowFrame", clWindowFrame},
      {L"clMenuText", clMenuText}, {L"clWindowText", clWindowText},
      {L"clCaptionText", clCaptionText}, {L"clActiveBorder", clActiveBorder},
      {L"clInactiveBorder", clInactiveBorder}, {L"clAppWorkSpace", clAppWorkSpace},
      {L"clHighlight", clHighlight}, {L"clHighlightText", clHighlightText},
      {L"clBtnFace", clBtnFace}, {L"clBtnShadow", clBtnShadow}, {L"clGrayText", clGrayText},
      {L"clBtnText", clBtnText}, {L"clInactiveCaptionText", clInactiveCaptionText},
      {L"clBtnHighlight", clBtnHighlight}, {L"cl3DDkShadow", cl3DDkShadow},
      {L"cl3DLight", cl3DLight}, {L"clInfoText", clInfoText}, {L"clInfoBk", clInfoBk},
      {L"clBlack", clBlack}, {L"clMaroon", clMaroon}, {L"clGreen", clGreen},
      {L"clOlive", clOlive}, {L"clNavy", clNavy}, {L"clPurple", clPurple}, {L"clTeal", clTeal},
      {L"clGray", clGray}, {L"clSilver", clSilver}, {L"clRed", clRed}, {L"clLime", clLime},
      {L"clYellow", clYellow}, {L"clBlue", clBlue}, {L"clFuchsia", clFuchsia},
      {L"clAqua", clAqua}, {L"clWhite", clWhite}, {L"clNone", clNone},
      {L"clDefault", clDefault},
  };
  for (const auto& [text, color] : kNames) {
    if (name == text) return color;
  }
  return std::nullopt;
}
