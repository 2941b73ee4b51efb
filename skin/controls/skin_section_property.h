#pragma once
// "SkinData.SkinSection" as stored layouts give it, for any skinned control
// with skin data of its own.

#include <string>

#include "framework/forms/property_binding.h"

template <typename C>
TPropertySetter SkinSectionProperty() {
  return CustomProperty<C>([](C& control, const TPropertyValue& v, TLayoutReader&) {
    const std::wstring name = ValueAsString(v);
    control.SkinData.SetSkinSection(std::string(name.begin(), name.end()));
  });
}
