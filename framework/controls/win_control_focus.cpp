// TWinControl: focus and tab order.
#include <algorithm>

#include "framework/controls/win_control.h"
#include "framework/system/exception.h"

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle; }

void TWinControl::SetFocus() {
  if (!CanFocus()) throw Exception(L"Cannot focus a disabled or invisible window");
  ::SetFocus(Handle());
}

void TWinControl::SetTabStop(bool tabStop) {
  if (tabStop == FTabStop) return;
  FTabStop = tabStop;
  Perform(CM_TABSTOPCHANGED);
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->FTabList;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  // While a layout is read, the order is settled when the parent is loaded.
  if (!Parent() || ComponentState().Contains(csLoading)) {
    FTabOrderWanted = order;
    return;
  }
  auto& list = Parent()->FTabList;
  list.erase(std::find(list.begin(), list.end(), this));
  order = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + order, this);
}

void TWinControl::SortTabList() {
  // Children with a stored tab order take that place; the others keep theirs.
  std::vector<std::pair<int, TWinControl*>> keyed;
  for (size_t i = 0; i < FTabList.size(); ++i) {
    TWinControl* child = FTabList[i];
    const int key = child->FTabOrderWanted >= 0 ? child->FTabOrderWanted : static_cast<int>(i);
    keyed.emplace_back(key, child);
    child->FTabOrderWanted = -1;
  }
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 0; i < keyed.size(); ++i) FTabList[i] = keyed[i].second;
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* child : FTabList) {
    list.push_back(child);
    child->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop,
                                          bool checkParent) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  const int count = static_cast<int>(list.size());
  if (count == 0) return nullptr;
  const auto found = std::find(list.begin(), list.end(), current);
  int index = found != list.end() ? static_cast<int>(found - list.begin()) : (forward ? -1 : count);
  for (int step = 0; step < count; ++step) {
    index = ((forward ? index + 1 : index - 1) % count + count) % count;
    TWinControl* candidate = list[static_cast<size_t>(index)];
    if (candidate == current) return nullptr;
    if (!candidate->CanFocus()) continue;
    if (checkTabStop && !candidate->FTabStop) continue;
    if (checkParent && current && candidate->Parent() != current->Parent()) continue;
    return candidate;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, forward, checkTabStop, false)) next->SetFocus();
}
