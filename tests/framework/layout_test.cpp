#include <gtest/gtest.h>

#include <memory>

#include "framework/forms/class_registry.h"
#include "framework/forms/property_binding.h"
#include "test_support.h"

namespace {

std::vector<std::wstring> gLog;

std::wstring Loading(const TComponent& c) {
  return c.ComponentState().Contains(csLoading) ? L"" : L" (not loading!)";
}

// Logs each property it is given, and Loaded.
class TLoggedControl : public TTestButton {
 public:
  using TTestButton::TTestButton;
  std::wstring ClassName() const override { return L"TLoggedControl"; }
  void SetAlpha(int value) { gLog.push_back(Name() + L".Alpha=" + std::to_wstring(value) + Loading(*this)); }
  void SetBeta(const std::wstring& value) { gLog.push_back(Name() + L".Beta=" + value + Loading(*this)); }
  void Loaded() override {
    gLog.push_back(Name() + L".Loaded");
    TTestButton::Loaded();
  }
};

class TLoggedForm : public TForm {
 public:
  explicit TLoggedForm(TComponent* owner) : TForm(owner) {
    PublishMethod<TNotifyEvent>(L"ClickHandler", [this](TObject* sender) { Clicked = sender; });
  }
  TObject* Clicked = nullptr;
  void Loaded() override {
    gLog.push_back(Name() + L".Loaded");
    TForm::Loaded();
  }
};

void RegisterTestClasses() {
  TClassRegistry& registry = TClassRegistry::Instance();
  if (registry.IsRegistered(L"TLoggedControl")) return;
  registry.Class<TLoggedControl>(L"TLoggedControl", L"TWinControl")
      .Property(L"Alpha", IntegerProperty(&TLoggedControl::SetAlpha))
      .Property(L"Beta", StringProperty(&TLoggedControl::SetBeta));
  registry.Class<TTestPanel>(L"TTestPanel", L"TWinControl");
  registry.Class<TTestShape>(L"TTestShape", L"TGraphicControl");
}

TLayout LoggedLayout() {
  return TLayout{
      L"TLoggedForm",
      L"LoggedForm",
      {{L"Caption", L"布局"},
       {L"ClientWidth", 300},
       {L"ClientHeight", 200},
       {L"BorderIcons", TSetValue{{L"biSystemMenu", L"biMinimize"}}},
       {L"Color", TIdent{L"clWindow"}},
       {L"Font.Name", L"Arial"},
       {L"ActiveControl", TIdent{L"second"}}},  // read before "second" exists
      {{L"TLoggedControl", L"first", L"",
        {{L"Alpha", 1}, {L"Beta", L"b"}, {L"Left", 10}, {L"TabOrder", 1},
         {L"OnClick", TIdent{L"ClickHandler"}}}},
       {L"TTestPanel", L"panel", L"", {{L"TabOrder", 0}, {L"Width", 150}, {L"Height", 90}}},
       {L"TLoggedControl", L"second", L"panel", {{L"Beta", L"z"}, {L"Alpha", 2}}},
       {L"TTestShape", L"shape", L"panel", {{L"Color", 0x00FF00}, {L"ParentFont", false}}}}};
}

TEST(Layout, PropertiesArriveInStoredOrderAndLoadedComesAfterAll) {
  RegisterTestClasses();
  gLog.clear();
  std::unique_ptr<TLoggedForm> form(new TLoggedForm(Application));
  form->ReadLayout(LoggedLayout());
  const std::vector<std::wstring> expected{
      L"first.Alpha=1", L"first.Beta=b", L"second.Beta=z", L"second.Alpha=2",
      L"LoggedForm.Loaded", L"first.Loaded", L"second.Loaded"};
  EXPECT_EQ(gLog, expected);

  auto* first = dynamic_cast<TLoggedControl*>(form->FindComponent(L"first"));
  auto* second = dynamic_cast<TLoggedControl*>(form->FindComponent(L"second"));
  auto* panel = dynamic_cast<TTestPanel*>(form->FindComponent(L"panel"));
  auto* shape = dynamic_cast<TTestShape*>(form->FindComponent(L"shape"));
  ASSERT_TRUE(first && second && panel && shape);
  EXPECT_EQ(second->Parent(), panel);
  EXPECT_EQ(form->ActiveControl(), second);
  EXPECT_EQ(panel->TabOrder(), 0);
  EXPECT_EQ(first->TabOrder(), 1);
  EXPECT_EQ(first->Left(), 10);
  EXPECT_EQ(first->Font().Name(), L"Arial");  // from the form, taken at Loaded
  EXPECT_EQ(shape->Font().Name(), L"Tahoma");
  EXPECT_EQ(shape->Color(), 0x00FF00u);
  EXPECT_EQ(form->Color(), clWindow);
  EXPECT_EQ(form->BorderIcons(), (TBorderIcons{biSystemMenu, biMinimize}));
  EXPECT_FALSE(form->ComponentState().Contains(csLoading));
  EXPECT_FALSE(second->ComponentState().Contains(csReading));
  first->Click();
  EXPECT_EQ(form->Clicked, first);

  form->Show();
  wchar_t className[32] = {};
  GetClassNameW(form->Handle(), className, 32);
  EXPECT_EQ(std::wstring(className), L"TLoggedForm");
  EXPECT_EQ(form->ClientWidth(), 300);
  EXPECT_EQ(form->ClientHeight(), 200);
  EXPECT_EQ(form->Text(), L"布局");
}

TEST(Layout, BadLayoutsRaiseReadErrors) {
  RegisterTestClasses();
  const TLayout bad[] = {
      {L"TForm", L"", {{L"NoSuchProperty", 1}}, {}},
      {L"TForm", L"", {{L"Caption", 5}}, {}},
      {L"TForm", L"", {{L"BorderStyle", TIdent{L"bsRound"}}}, {}},
      {L"TForm", L"", {{L"OnClick", TIdent{L"NoHandler"}}}, {}},
      {L"TForm", L"", {}, {{L"TNoSuchClass", L"x", L"", {}}}},
      {L"TForm", L"", {}, {{L"TTestShape", L"x", L"", {}}, {L"TTestShape", L"y", L"x", {}}}},
      {L"TForm", L"", {{L"ActiveControl", TIdent{L"missing"}}}, {}},
  };
  for (const TLayout& layout : bad) {
    std::unique_ptr<TForm> form(new TForm(Application));
    EXPECT_THROW(form->ReadLayout(layout), EReadError);
  }
}

}  // namespace
