#pragma once
// TComponent: a named object with an owner that frees what it owns, a
// component state (loading, reading, destroying; designing exists but is
// never set: there is no form designer), Loaded after a stored layout was
// applied, and notifications when components come and go.
//
// Owned components are created with new; the owner deletes them.

#include <any>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/system/object.h"
#include "framework/system/set.h"

enum TComponentStateItem { csLoading, csReading, csWriting, csDestroying, csDesigning };
using TComponentState = TSet<TComponentStateItem>;

enum TOperation { opInsert, opRemove };

class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  std::wstring ClassName() const override { return L"TComponent"; }

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const { return FComponents.at(static_cast<size_t>(index)); }
  int ComponentIndex() const;
  // Names compare without regard to case.
  TComponent* FindComponent(std::wstring_view name) const;

  const std::wstring& Name() const { return FName; }
  // Throws Exception when a sibling already has the name.
  virtual void SetName(const std::wstring& name);

  intptr_t Tag() const { return FTag; }
  void SetTag(intptr_t tag) { FTag = tag; }

  TComponentState ComponentState() const { return FComponentState; }
  // The layout reader marks components loading and reading; nothing sets designing.
  void IncludeState(TComponentStateItem item) { FComponentState.Include(item); }
  void ExcludeState(TComponentStateItem item) { FComponentState.Exclude(item); }

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  void DestroyComponents();
  // Marks this component and everything it owns as being destroyed.
  void Destroying();

  // Asks for Notification(component, opRemove) when `component` is destroyed.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // Called once after a stored layout was applied; clears csLoading.
  virtual void Loaded();

  // Event handlers published by a layout root, found by name while reading.
  virtual const std::any* FindMethod(const std::wstring& name) const;

 protected:
  // A component was inserted into or removed from the owner tree, or one that
  // asked for free notification is going away.
  virtual void Notification(TComponent* component, TOperation operation);

 private:
  void Unlink(TComponent* component);

  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  std::wstring FName;
  intptr_t FTag = 0;
  TComponentState FComponentState;
};
