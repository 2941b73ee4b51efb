#pragma once
// TForm: the form class that layouts and programs derive from.

#include "framework/forms/custom_form.h"

class TForm : public TCustomForm {
 public:
  explicit TForm(TComponent* owner, std::wstring className = L"TForm")
      : TCustomForm(owner, std::move(className)) {}

  // A form made from a layout alone (no class of its own in the program).
  static TForm* CreateFromLayout(TComponent* owner, const TLayout& layout);
};
