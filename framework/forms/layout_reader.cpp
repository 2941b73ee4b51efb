#include "framework/forms/layout_reader.h"

#include "framework/application/framework_setup.h"
#include "framework/controls/win_control.h"
#include "framework/forms/class_registry.h"

void TLayoutReader::Read(const TLayout& layout) {
  SetUpFramework();
  const TClassRegistry& registry = TClassRegistry::Instance();
  std::vector<TComponent*> loaded{&FRoot};
  FRoot.IncludeState(csLoading);
  FRoot.IncludeState(csReading);
  if (!layout.Name.empty()) FRoot.SetName(layout.Name);
  Apply(FRoot, layout.ClassName, layout.Properties);

  for (const TComponentRecord& record : layout.Components) {
    TComponent* component = registry.Create(record.ClassName, &FRoot);
    component->IncludeState(csLoading);
    component->IncludeState(csReading);
    loaded.push_back(component);
    component->SetName(record.Name);
    if (auto* control = dynamic_cast<TControl*>(component)) {
      TComponent* parent = record.Parent.empty() ? &FRoot : Find(record.Parent);
      auto* container = dynamic_cast<TWinControl*>(parent);
      if (!container) throw EReadError(L"Parent " + record.Parent + L" of " + record.Name + L" is not a windowed control");
      control->SetParent(container);
    }
    Apply(*component, record.ClassName, record.Properties);
  }

  for (auto& [name, apply] : FFixups) {
    TComponent* component = Find(name);
    if (!component) throw EReadError(L"Component " + name + L" not found");
    apply(component);
  }
  for (TComponent* component : loaded) component->ExcludeState(csReading);
  for (TComponent* component : loaded) component->Loaded();
}

void TLayoutReader::Apply(TComponent& component, const std::wstring& className,
                          const TPropertyList& properties) {
  const TClassRegistry& registry = TClassRegistry::Instance();
  for (const TProperty& property : properties) {
    const TPropertySetter* setter = registry.FindProperty(className, property.Name);
    if (!setter) throw EReadError(L"Property " + className + L"." + property.Name + L" not found");
    (*setter)(component, property.Value, *this);
  }
}

void TLayoutReader::ResolveComponent(const std::wstring& name, std::function<void(TComponent*)> apply) {
  FFixups.emplace_back(name, std::move(apply));
}

TComponent* TLayoutReader::Find(const std::wstring& name) const {
  if (!FRoot.Name().empty() && name == FRoot.Name()) return &FRoot;
  return FRoot.FindComponent(name);
}
