#pragma once
// The classes that stored layouts can name, with their property setters. A
// class inherits the properties of the class it is registered under, so a
// control registers only what it adds. Issue-specific controls register
// themselves the same way (see framework_classes.cpp for the framework's own).

#include <functional>
#include <map>
#include <string>

#include "framework/forms/layout.h"

class TComponent;
class TLayoutReader;

using TComponentFactory = std::function<TComponent*(TComponent* owner)>;
using TPropertySetter =
    std::function<void(TComponent& component, const TPropertyValue& value, TLayoutReader& reader)>;

class TClassRegistry {
 public:
  static TClassRegistry& Instance();

  // An empty factory registers an abstract class (it lends its properties).
  void RegisterComponentClass(const std::wstring& name, const std::wstring& parent, TComponentFactory factory);
  void RegisterProperty(const std::wstring& className, const std::wstring& property,
                        TPropertySetter setter);
  bool IsRegistered(const std::wstring& name) const { return FClasses.count(name) != 0; }
  bool InheritsFrom(const std::wstring& name, const std::wstring& ancestor) const;

  // Throws EReadError for an unknown or abstract class.
  TComponent* Create(const std::wstring& className, TComponent* owner) const;
  // The setter of the class or its nearest ancestor that has one, or null.
  const TPropertySetter* FindProperty(const std::wstring& className,
                                      const std::wstring& property) const;

  // Registers T with a factory; its properties follow with Property().
  class TClassBuilder {
   public:
    TClassBuilder(TClassRegistry& registry, std::wstring name)
        : FRegistry(registry), FName(std::move(name)) {}
    TClassBuilder& Property(const std::wstring& property, TPropertySetter setter) {
      FRegistry.RegisterProperty(FName, property, std::move(setter));
      return *this;
    }

   private:
    TClassRegistry& FRegistry;
    std::wstring FName;
  };
  template <typename T>
  TClassBuilder Class(const std::wstring& name, const std::wstring& parent) {
    RegisterComponentClass(name, parent, [](TComponent* owner) -> TComponent* { return new T(owner); });
    return TClassBuilder(*this, name);
  }
  TClassBuilder AbstractClass(const std::wstring& name, const std::wstring& parent) {
    RegisterComponentClass(name, parent, nullptr);
    return TClassBuilder(*this, name);
  }

 private:
  struct TClassEntry {
    std::wstring Parent;
    TComponentFactory Factory;
    std::map<std::wstring, TPropertySetter> Properties;
  };
  std::map<std::wstring, TClassEntry> FClasses;
};
