#pragma once
// Applies a stored layout to its root (a form): marks every component loading
// and reading, creates the components in stored order, gives each its parent
// and then its property values in stored order, resolves references to
// components, and finally calls Loaded on every component, root first.

#include <any>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/component/component.h"
#include "framework/forms/layout.h"
#include "framework/system/exception.h"

class TLayoutReader {
 public:
  explicit TLayoutReader(TComponent& root) : FRoot(root) {}
  void Read(const TLayout& layout);

  TComponent& Root() { return FRoot; }
  // Calls `apply` with the component of that name (the root included) once
  // every component of the layout exists.
  void ResolveComponent(const std::wstring& name, std::function<void(TComponent*)> apply);

  // The event handler the root published under `name`.
  template <typename E>
  E Method(const std::wstring& name) const {
    const std::any* method = FRoot.FindMethod(name);
    if (!method) throw EReadError(L"Method " + name + L" not found");
    if (const E* handler = std::any_cast<E>(method)) return *handler;
    throw EReadError(L"Method " + name + L" does not fit the event");
  }

 private:
  void Apply(TComponent& component, const std::wstring& className, const TPropertyList& properties);
  TComponent* Find(const std::wstring& name) const;

  TComponent& FRoot;
  std::vector<std::pair<std::wstring, std::function<void(TComponent*)>>> FFixups;
};
