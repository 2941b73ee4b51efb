#pragma once
// Root of the framework's class tree: a virtual destructor and the class name
// that class-name lists and window classes are matched against.

#include <string>

class TObject {
 public:
  virtual ~TObject() = default;
  virtual std::wstring ClassName() const { return L"TObject"; }

 protected:
  TObject() = default;
  TObject(const TObject&) = default;
  TObject& operator=(const TObject&) = default;
};
