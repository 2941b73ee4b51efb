#pragma once
// TacCtrlAdapter: a form's list of foreign controls skinned by wrappers. A
// scan walks the form's components and child controls and wraps each
// control whose class name stands in one of the manager's 21 class lists;
// plain labels take the skin's font colour. One adapter per skinned form.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/controls/control.h"

class TacCtrlAdapter;
class TacMainWnd;
class TCustomForm;
class TsCommonData;
class TsSkinManager;
class TWinControl;

class TacAdapterItem {
 public:
  TacAdapterItem(TacCtrlAdapter* adapter, TWinControl* control);
  ~TacAdapterItem();
  TWinControl* WinCtrl;
  std::unique_ptr<TsCommonData> SkinData;  // control kind 227
  TacCtrlAdapter* Adapter;
  std::unique_ptr<TacMainWnd> ScrollWnd;  // the wrapper, when one is made
  // Wraps the control by the first class list that names it.
  void DoHook();
};

// Asked before a control is wrapped: it may refuse or choose the section.
using TOnSkinItem = std::function<void(TControl* item, bool& canBeAdded, std::string& skinSection)>;

class TacCtrlAdapter {
 public:
  TacCtrlAdapter(TCustomForm* form, TsSkinManager* manager);
  ~TacCtrlAdapter();
  TacCtrlAdapter(const TacCtrlAdapter&) = delete;
  TacCtrlAdapter& operator=(const TacCtrlAdapter&) = delete;

  std::string DefaultSection;
  TOnSkinItem OnSkinItem;
  TsSkinManager* Manager() const { return FManager; }

  // Scans owner's components and children (the form when null).
  void AddAllItems(TWinControl* owner = nullptr);
  void AddNewItem(TWinControl* control) { AddNewItem(control, DefaultSection); }
  void AddNewItem(TWinControl* control, const std::string& section);
  bool IsControlSupported(TComponent* component);
  int IndexOf(const TWinControl* control) const;
  TacAdapterItem* GetItem(int index) const;
  int Count() const { return static_cast<int>(FItems.size()); }
  // Frees the item; the last item takes its place.
  void RemoveItem(int index);
  // Frees the items whose wrapper is gone or detached, keeping the order.
  void CleanItems();
  void RemoveAllItems();
  // The message to every living wrapper's window.
  void WndProc(TMessage& message);
  // Puts back the font colours the scan gave plain labels.
  void RestoreLabels();

 private:
  void ScanChild(TComponent* component, bool ownedScan);
  bool Offer(TControl* control, std::string& section);
  void TakeLabel(TControl* label);

  TCustomForm* FForm;
  TsSkinManager* FManager;
  std::vector<std::unique_ptr<TacAdapterItem>> FItems;
  struct TLabelColor {
    TControl* Label;
    TColor Color;
  };
  std::vector<TLabelColor> FLabels;
};
