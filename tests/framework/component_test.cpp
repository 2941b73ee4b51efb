#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/component/component.h"
#include "framework/system/exception.h"

namespace {

// Records the notifications it hears and its own destruction.
class TWatcher : public TComponent {
 public:
  TWatcher(TComponent* owner, std::vector<std::wstring>& log, std::wstring name)
      : TComponent(owner), FLog(log) {
    SetName(name);
  }
  ~TWatcher() override { FLog.push_back(L"~" + Name()); }

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove) FLog.push_back(Name() + L" hears " + component->Name() + L" go");
  }

 private:
  std::vector<std::wstring>& FLog;
};

TEST(Component, OwnerFreesWhatItOwnsAndFindsThemByName) {
  std::vector<std::wstring> log;
  auto* owner = new TWatcher(nullptr, log, L"Owner");
  auto* a = new TWatcher(owner, log, L"A");
  new TWatcher(owner, log, L"B");
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->FindComponent(L"a"), a);  // names ignore case
  EXPECT_EQ(a->ComponentIndex(), 0);
  EXPECT_THROW(a->SetName(L"b"), Exception);
  delete owner;
  // Owned components go last made first; the siblings still there hear of each.
  const std::vector<std::wstring> expected{L"~Owner", L"~B", L"A hears B go", L"~A"};
  EXPECT_EQ(log, expected);
}

TEST(Component, FreeNotificationReachesAComponentOfAnotherOwner) {
  std::vector<std::wstring> log;
  TWatcher first(nullptr, log, L"First");
  TWatcher second(nullptr, log, L"Second");
  auto* referenced = new TWatcher(&first, log, L"Ref");
  referenced->FreeNotification(&second);
  delete referenced;
  EXPECT_NE(std::find(log.begin(), log.end(), L"Second hears Ref go"), log.end());
  log.clear();
  // Once removed, nothing more is sent.
  auto* other = new TWatcher(&first, log, L"Other");
  other->FreeNotification(&second);
  other->RemoveFreeNotification(&second);
  delete other;
  EXPECT_EQ(std::find(log.begin(), log.end(), L"Second hears Other go"), log.end());
}

TEST(Component, StateTracksLoadingAndDestroying) {
  TComponentState seenInDestructor;
  class TProbe : public TComponent {
   public:
    TProbe(TComponent* owner, TComponentState& seen) : TComponent(owner), FSeen(seen) {}
    ~TProbe() override { FSeen = ComponentState(); }
    TComponentState& FSeen;
  };
  auto* owner = new TComponent(nullptr);
  auto* probe = new TProbe(owner, seenInDestructor);
  probe->IncludeState(csLoading);
  probe->Loaded();
  EXPECT_FALSE(probe->ComponentState().Contains(csLoading));
  delete owner;
  EXPECT_TRUE(seenInDestructor.Contains(csDestroying));
  EXPECT_FALSE(seenInDestructor.Contains(csDesigning));
}

}  // namespace
