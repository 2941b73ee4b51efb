#pragma once
// A stored layout: the components of a form and their published property
// values, as data. Values are applied in stored order while the form is
// loading; then every component gets Loaded.
//
//   TLayout{L"TForm1", L"Form1",
//           {{L"Caption", L"Zelvan批量改名"}, {L"ClientWidth", 531}, {L"Color", TIdent{L"clBtnFace"}}},
//           {{L"TButton", L"btn_close", L"", {{L"Left", 416}, {L"OnClick", TIdent{L"btn_closeClick"}}}}}};
//
// Identifiers (TIdent) name enumeration values, colours, components and event
// handlers; a set is a list of identifiers; nested values use dotted names
// ("Font.Name"); collections hold one property list per item.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

struct TIdent {
  std::wstring Name;
};
struct TSetValue {
  std::vector<std::wstring> Items;
};
struct TStringsValue {
  std::vector<std::wstring> Lines;
};
struct TBinaryValue {
  std::vector<uint8_t> Bytes;
};
struct TProperty;
using TPropertyList = std::vector<TProperty>;
struct TItemsValue {
  std::vector<TPropertyList> Items;
};

using TPropertyValue = std::variant<bool, int64_t, double, std::wstring, TIdent, TSetValue,
                                    TStringsValue, TBinaryValue, TItemsValue>;

struct TProperty {
  std::wstring Name;
  TPropertyValue Value;
};

struct TComponentRecord {
  std::wstring ClassName;
  std::wstring Name;
  // Name of the parent control; empty puts a control on the form itself.
  std::wstring Parent;
  TPropertyList Properties;
};

struct TLayout {
  std::wstring ClassName;
  std::wstring Name;
  TPropertyList Properties;
  std::vector<TComponentRecord> Components;
};
