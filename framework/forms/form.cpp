#include "framework/forms/form.h"

#include <memory>

TForm* TForm::CreateFromLayout(TComponent* owner, const TLayout& layout) {
  auto form = std::make_unique<TForm>(owner, layout.ClassName);
  form->ReadLayout(layout);
  return form.release();
}
