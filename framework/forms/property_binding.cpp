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

void AddFontProperties(TClassRegistry::TClassBuilder& builder, const std::wstring& prefix,
                       std::function<TFont&(TComponent&)> font) {
  static const TIdentTable<TFontStyle> kFontStyles{
      {L"fsBold", fsBold}, {L"fsItalic", fsItalic}, {L"fsUnderline", fsUnderline}, {L"fsStrikeOut", fsStrikeOut}};
  const auto property = [&](const wchar_t* name, std::function<void(TFont&, const TPropertyValue&)> apply) {
    builder.Property(prefix + L"." + name, [font, apply](TComponent& c, const TPropertyValue& v, TLayoutReader&) {
      apply(font(c), v);
    });
  };
  property(L"Name", [](TFont& f, const TPropertyValue& v) { f.SetName(ValueAsString(v)); });
  property(L"Height", [](TFont& f, const TPropertyValue& v) { f.SetHeight(static_cast<int>(ValueAsInteger(v))); });
  property(L"Size", [](TFont& f, const TPropertyValue& v) { f.SetSize(static_cast<int>(ValueAsInteger(v))); });
  property(L"Color", [](TFont& f, const TPropertyValue& v) { f.SetColor(ValueAsColor(v)); });
  property(L"Charset", [](TFont& f, const TPropertyValue& v) { f.SetCharset(static_cast<BYTE>(ValueAsInteger(v))); });
  property(L"Style", [](TFont& f, const TPropertyValue& v) {
    TFontStyles styles;
    for (const std::wstring& item : ValueAsSet(v)) styles.Include(IdentToValue(item, kFontStyles));
    f.SetStyle(styles);
  });
}
