#include "framework/component/component.h"

#include <algorithm>
#include <cwctype>

#include "framework/system/exception.h"

namespace {

bool SameText(std::wstring_view a, std::wstring_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](wchar_t x, wchar_t y) {
    return std::towupper(x) == std::towupper(y);
  });
}

void Erase(std::vector<TComponent*>& list, TComponent* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  while (!FFreeNotifies.empty()) {
    TComponent* other = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    Erase(other->FFreeNotifies, this);
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

int TComponent::ComponentIndex() const {
  if (!FOwner) return -1;
  const auto& list = FOwner->FComponents;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(std::wstring_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* component : FComponents) {
    if (SameText(component->FName, name)) return component;
  }
  return nullptr;
}

void TComponent::SetName(const std::wstring& name) {
  if (name == FName) return;
  if (FOwner && !name.empty()) {
    TComponent* other = FOwner->FindComponent(name);
    if (other && other != this) throw Exception(L"A component named " + name + L" already exists");
  }
  FName = name;
}

void TComponent::InsertComponent(TComponent* component) {
  if (component->FOwner) component->FOwner->RemoveComponent(component);
  FComponents.push_back(component);
  component->FOwner = this;
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (component->FOwner != this) return;
  Erase(FComponents, component);
  component->FOwner = nullptr;
  Notification(component, opRemove);
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) delete FComponents.back();
}

void TComponent::Destroying() {
  if (FComponentState.Contains(csDestroying)) return;
  FComponentState.Include(csDestroying);
  for (TComponent* component : FComponents) component->Destroying();
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end()) {
    FFreeNotifies.push_back(component);
    component->FFreeNotifies.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* component) { Unlink(component); }

void TComponent::Unlink(TComponent* component) {
  Erase(FFreeNotifies, component);
  if (component) Erase(component->FFreeNotifies, this);
}

void TComponent::Loaded() { FComponentState.Exclude(csLoading); }

const std::any* TComponent::FindMethod(const std::wstring&) const { return nullptr; }

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component) Unlink(component);
  // Everything this component owns hears about it too.
  const std::vector<TComponent*> owned = FComponents;
  for (TComponent* child : owned) {
    if (child != component) child->Notification(component, operation);
  }
}
