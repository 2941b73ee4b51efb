#include "core/store/control_kinds.h"

#include <initializer_list>
#include <utility>

namespace zelvan::store {

namespace {

// Inclusive ranges.
bool InRanges(int coc, std::initializer_list<std::pair<int, int>> ranges) {
  for (const auto& [low, high] : ranges) {
    if (coc >= low && coc <= high) return true;
  }
  return false;
}

}  // namespace

bool IsEditKind(int coc) { return InRanges(coc, {{2, 18}, {41, 41}, {76, 84}, {96, 96}, {131, 140}}); }

bool IsContainerKind(int coc) { return InRanges(coc, {{19, 19}, {51, 74}, {110, 110}, {141, 161}}); }

bool IsNoGlowKind(int coc) {
  return InRanges(coc, {{51, 52}, {54, 54}, {56, 60}, {68, 68}, {73, 74}, {110, 110}, {141, 141}, {143, 143},
                        {151, 151}, {161, 161}, {226, 226}});
}

bool IsPanelKind(int coc) { return InRanges(coc, {{51, 52}, {58, 59}, {68, 68}, {73, 73}}); }

std::string DefaultSection(int coc, const std::string& className) {
  struct TKindSection {
    std::initializer_list<std::pair<int, int>> Kinds;
    const char* Section;
  };
  static const TKindSection kTable[] = {
      {{{2, 8}, {10, 10}, {41, 41}, {76, 76}, {78, 78}, {83, 85}, {96, 96}, {131, 131}, {140, 140}, {227, 227}}, "EDIT"},
      {{{11, 18}, {81, 82}}, "COMBOBOX"},
      {{{19, 19}}, "BAR"},
      {{{20, 20}}, "BARTITLE"},
      {{{32, 33}, {152, 152}}, "CHECKBOX"},
      {{{51, 51}, {59, 59}, {68, 68}, {73, 73}}, "PANEL"},
      {{{52, 52}, {58, 58}}, "PANEL_LOW"},
      {{{53, 54}, {60, 60}}, "TOOLBAR"},
      {{{56, 56}}, "DRAGBAR"},
      {{{57, 57}}, "TABSHEET"},
      {{{74, 74}, {226, 226}}, "GROUPBOX"},
      {{{75, 75}}, "SPLITTER"},
      {{{92, 92}, {95, 95}}, "SPEEDBUTTON"},
      {{{93, 94}}, "BUTTON"},
      {{{98, 98}}, "TOOLBUTTON"},
      {{{141, 141}, {143, 143}}, "PAGECONTROL"},
      {{{151, 151}}, "STATUSBAR"},
      {{{161, 161}}, "GAUGE"},
      {{{165, 165}}, "TRACKBAR"},
  };
  for (const TKindSection& entry : kTable) {
    if (InRanges(coc, entry.Kinds)) return entry.Section;
  }
  return className;
}

}  // namespace zelvan::store
