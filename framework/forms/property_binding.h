#pragma once
// Adapters from a class's setters to the layout's property setters, so that a
// class registers a property in one line:
//   .Property(L"Left", IntegerProperty(&TControl::SetLeft))
//   .Property(L"BorderStyle", EnumProperty(&TCustomForm::SetBorderStyle, {{L"bsNone", bsNone}, ...}))
// A value of the wrong kind, an unknown identifier or a component of another
// class is an EReadError.

#include <string>
#include <utility>
#include <vector>

#include "framework/component/component.h"
#include "framework/forms/class_registry.h"
#include "framework/forms/layout_reader.h"
#include "framework/graphics/color.h"
#include "framework/graphics/font.h"
#include "framework/system/set.h"

int64_t ValueAsInteger(const TPropertyValue& value);
bool ValueAsBool(const TPropertyValue& value);
std::wstring ValueAsString(const TPropertyValue& value);
const std::wstring& ValueAsIdent(const TPropertyValue& value);
const std::vector<std::wstring>& ValueAsSet(const TPropertyValue& value);
const std::vector<std::wstring>& ValueAsLines(const TPropertyValue& value);
// An integer, or a colour identifier ("clBtnFace").
TColor ValueAsColor(const TPropertyValue& value);

template <typename C>
C& ComponentAs(TComponent& component) {
  if (auto* typed = dynamic_cast<C*>(&component)) return *typed;
  throw EReadError(L"Component " + component.Name() + L" is of the wrong class for the property");
}

// A setter taking the component of the class and the value as stored.
template <typename C, typename F>
TPropertySetter CustomProperty(F apply) {
  return [apply](TComponent& component, const TPropertyValue& value, TLayoutReader& reader) {
    apply(ComponentAs<C>(component), value, reader);
  };
}

template <typename C, typename V>
TPropertySetter IntegerProperty(void (C::*setter)(V)) {
  return CustomProperty<C>([setter](C& c, const TPropertyValue& v, TLayoutReader&) {
    (c.*setter)(static_cast<V>(ValueAsInteger(v)));
  });
}

template <typename C>
TPropertySetter BoolProperty(void (C::*setter)(bool)) {
  return CustomProperty<C>(
      [setter](C& c, const TPropertyValue& v, TLayoutReader&) { (c.*setter)(ValueAsBool(v)); });
}

template <typename C>
TPropertySetter StringProperty(void (C::*setter)(const std::wstring&)) {
  return CustomProperty<C>(
      [setter](C& c, const TPropertyValue& v, TLayoutReader&) { (c.*setter)(ValueAsString(v)); });
}

template <typename C>
TPropertySetter ColorProperty(void (C::*setter)(TColor)) {
  return CustomProperty<C>(
      [setter](C& c, const TPropertyValue& v, TLayoutReader&) { (c.*setter)(ValueAsColor(v)); });
}

template <typename E>
using TIdentTable = std::vector<std::pair<std::wstring, E>>;

template <typename E>
E IdentToValue(const std::wstring& ident, const TIdentTable<E>& names) {
  for (const auto& [name, value] : names) {
    if (name == ident) return value;
  }
  throw EReadError(L"Invalid property value " + ident);
}

template <typename C, typename E>
TPropertySetter EnumProperty(void (C::*setter)(E), TIdentTable<E> names) {
  return CustomProperty<C>([setter, names](C& c, const TPropertyValue& v, TLayoutReader&) {
    (c.*setter)(IdentToValue(ValueAsIdent(v), names));
  });
}

template <typename C, typename E>
TPropertySetter SetProperty(void (C::*setter)(TSet<E>), TIdentTable<E> names) {
  return CustomProperty<C>([setter, names](C& c, const TPropertyValue& v, TLayoutReader&) {
    TSet<E> set;
    for (const std::wstring& item : ValueAsSet(v)) set.Include(IdentToValue(item, names));
    (c.*setter)(set);
  });
}

// An event field set to the root's published handler of that name.
template <typename C, typename Event>
TPropertySetter EventProperty(Event C::*field) {
  return CustomProperty<C>([field](C& c, const TPropertyValue& v, TLayoutReader& reader) {
    c.*field = reader.template Method<Event>(ValueAsIdent(v));
  });
}

// A reference to another component of the layout, resolved once all exist.
template <typename C, typename T>
TPropertySetter ComponentProperty(void (C::*setter)(T*)) {
  return CustomProperty<C>([setter](C& c, const TPropertyValue& v, TLayoutReader& reader) {
    C* target = &c;
    reader.ResolveComponent(ValueAsIdent(v), [target, setter](TComponent* found) {
      (target->*setter)(&ComponentAs<T>(*found));
    });
  });
}

// "<prefix>.Name", ".Height", ".Size", ".Color", ".Charset" and ".Style" of a
// font the component holds ("Font", "MenuSupport.ExtraLineFont").
void AddFontProperties(TClassRegistry::TClassBuilder& builder, const std::wstring& prefix,
                       std::function<TFont&(TComponent&)> font);
