#include "framework/forms/property_binding.h"

namespace {

[[noreturn]] void WrongKind(const wchar_t* expected) {
  throw EReadError(std::wstring(L"Invalid property value: ") + expected + L" expected");
}

}  // namespace

int64_t ValueAsInteger(const TPropertyValue& value) {
  if (const auto* number = std::get_if<int64_t>(&value)) return *number;
  WrongKind(L"integer");
}

bool ValueAsBool(const TPropertyValue& value) {
  if (const auto* flag = std::get_if<bool>(&value)) return *flag;
  WrongKind(L"boolean");
}

std::wstring ValueAsString(const TPropertyValue& value) {
  if (const auto* text = std::get_if<std::wstring>(&value)) return *text;
  WrongKind(L"string");
}

const std::wstring& ValueAsIdent(const TPropertyValue& value) {
  if (const auto* ident = std::get_if<TIdent>(&value)) return ident->Name;
  WrongKind(L"identifier");
}

const std::vector<std::wstring>& ValueAsSet(const TPropertyValue& value) {
  if (const auto* set = std::get_if<TSetValue>(&value)) return set->Items;
  WrongKind(L"set");
}

const std::vector<std::wstring>& ValueAsLines(const TPropertyValue& value) {
  if (const auto* lines = std::get_if<TStringsValue>(&value)) return lines->Lines;
  WrongKind(L"string list");
}

TColor ValueAsColor(const TPropertyValue& value) {
  if (const auto* number = std::get_if<int64_t>(&value)) return static_cast<TColor>(*number);
  if (auto color = IdentToColor(ValueAsIdent(value))) return *color;
  throw EReadError(L"Invalid colour " + ValueAsIdent(value));
}
