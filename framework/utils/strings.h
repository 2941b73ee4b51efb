#pragma once
// TStrings: an ordered list of texts, each with an optional object, and its
// text as lines. Subclasses keep the items; TStringList is the common one.

#include <string>
#include <vector>

#include "framework/system/object.h"

class TStream;

class TStrings : public TObject {
 public:
  std::wstring ClassName() const override { return L"TStrings"; }

  virtual int Count() const = 0;
  virtual std::wstring Get(int index) const = 0;
  virtual void Put(int index, const std::wstring& text) = 0;
  virtual TObject* Objects(int index) const = 0;
  virtual void PutObject(int index, TObject* object) = 0;
  virtual void Insert(int index, const std::wstring& text) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  virtual int Add(const std::wstring& text);
  int AddObject(const std::wstring& text, TObject* object);
  virtual int IndexOf(const std::wstring& text) const;
  void AddStrings(const TStrings& source);
  void Assign(const TStrings& source);

  // The items joined by CR LF, each line ended; setting splits at CR LF, LF or CR.
  std::wstring Text() const;
  void SetText(const std::wstring& text);
  // Reads UTF-16 (with its byte-order mark), UTF-8 (with or without one) or the ANSI code page.
  void LoadFromStream(TStream& stream);
  // Writes UTF-8 with a byte-order mark.
  void SaveToStream(TStream& stream) const;
  void LoadFromFile(const std::wstring& fileName);
  void SaveToFile(const std::wstring& fileName) const;

  virtual void BeginUpdate() {}
  virtual void EndUpdate() {}

 protected:
  virtual bool SameText(const std::wstring& a, const std::wstring& b) const;
};
