#pragma once
// A test fixture with the kit skin loaded into a manager of its own and an
// empty form to put stand-ins on.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "../core/store/skin_fixture.h"
#include "../framework/test_support.h"
#include "skin_test_kit.h"

// Runs cycle a few times to warm the caches, then `times` more, and expects
// the process's GDI and USER counts back where they were after the warm-up.
inline void ExpectHandlesSteady(const std::function<void()>& cycle, int times, int warmups = 3) {
  for (int i = 0; i < warmups; ++i) cycle();
  Pump(20);
  const unsigned gdi = GdiObjectCount(), user = UserObjectCount();
  for (int i = 0; i < times; ++i) cycle();
  Pump(20);
  EXPECT_EQ(GdiObjectCount(), gdi);
  EXPECT_EQ(UserObjectCount(), user);
}

// An edit on the form that takes the focus, so that no control under test is
// hot for being focused.
inline HWND TakeFocusAway(TWinControl& form, int left = 200, int top = 150) {
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, left, top, 80, 20, form.Handle(), nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  ::SetFocus(edit);
  return edit;
}

class KitSkinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CommandLog().Clear();
    const std::u16string path = dir.Path();
    folder.assign(path.begin(), path.end());
    WriteKitSkin(folder);
    manager = std::make_unique<TsSkinManager>(nullptr);
    ASSERT_TRUE(LoadSkin(*manager, folder, L"Kit"));
    form = NewForm(300, 200);
    form->SetColor(0x00336699);
  }
  void TearDown() override {
    delete form;
    manager.reset();
  }
  template <typename T>
  T* Add(TWinControl* parent, const std::wstring& name, const std::string& section, int left, int top) {
    T* control = Make<T>(parent, name);
    control->SkinData.SetSkinManager(manager.get());
    control->SetBounds(left, top, 120, 80);
    control->SkinData.SetSkinSection(section);
    return control;
  }
  zelvan::store::testing::TempFolder dir;
  std::wstring folder;
  std::unique_ptr<TsSkinManager> manager;
  TForm* form = nullptr;
};
