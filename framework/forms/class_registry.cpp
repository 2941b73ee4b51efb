#include "framework/forms/class_registry.h"

#include "framework/system/exception.h"

TClassRegistry& TClassRegistry::Instance() {
  static TClassRegistry registry;
  return registry;
}

void TClassRegistry::RegisterComponentClass(const std::wstring& name, const std::wstring& parent,
                                   TComponentFactory factory) {
  TClassEntry& entry = FClasses[name];
  entry.Parent = parent;
  entry.Factory = std::move(factory);
}

void TClassRegistry::RegisterProperty(const std::wstring& className, const std::wstring& property,
                                      TPropertySetter setter) {
  FClasses[className].Properties[property] = std::move(setter);
}

bool TClassRegistry::InheritsFrom(const std::wstring& name, const std::wstring& ancestor) const {
  for (std::wstring current = name; !current.empty();) {
    if (current == ancestor) return true;
    auto found = FClasses.find(current);
    if (found == FClasses.end()) return false;
    current = found->second.Parent;
  }
  return false;
}

TComponent* TClassRegistry::Create(const std::wstring& className, TComponent* owner) const {
  auto found = FClasses.find(className);
  if (found == FClasses.end() || !found->second.Factory) {
    throw EReadError(L"Class " + className + L" not found");
  }
  return found->second.Factory(owner);
}

const TPropertySetter* TClassRegistry::FindProperty(const std::wstring& className,
                                                    const std::wstring& property) const {
  for (std::wstring current = className; !current.empty();) {
    auto found = FClasses.find(current);
    if (found == FClasses.end()) return nullptr;
    auto setter = found->second.Properties.find(property);
    if (setter != found->second.Properties.end()) return &setter->second;
    current = found->second.Parent;
  }
  return nullptr;
}
