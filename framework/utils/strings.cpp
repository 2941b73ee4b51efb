#include "framework/utils/strings.h"

#include <windows.h>

#include "framework/system/wide_text.h"
#include "framework/utils/file_stream.h"
#include "framework/utils/stream.h"

int TStrings::Add(const std::wstring& text) {
  const int index = Count();
  Insert(index, text);
  return index;
}

int TStrings::AddObject(const std::wstring& text, TObject* object) {
  const int index = Add(text);
  PutObject(index, object);
  return index;
}

bool TStrings::SameText(const std::wstring& a, const std::wstring& b) const {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()),
                        b.c_str(), static_cast<int>(b.size())) == CSTR_EQUAL;
}

int TStrings::IndexOf(const std::wstring& text) const {
  for (int i = 0; i < Count(); ++i) {
    if (SameText(Get(i), text)) return i;
  }
  return -1;
}

void TStrings::AddStrings(const TStrings& source) {
  BeginUpdate();
  for (int i = 0; i < source.Count(); ++i) AddObject(source.Get(i), source.Objects(i));
  EndUpdate();
}

void TStrings::Assign(const TStrings& source) {
  if (&source == this) return;
  BeginUpdate();
  Clear();
  AddStrings(source);
  EndUpdate();
}

std::wstring TStrings::Text() const {
  std::wstring text;
  for (int i = 0; i < Count(); ++i) {
    text += Get(i);
    text += L"\r\n";
  }
  return text;
}

void TStrings::SetText(const std::wstring& text) {
  BeginUpdate();
  Clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of(L"\r\n", start);
    if (end == std::wstring::npos) end = text.size();
    Add(text.substr(start, end - start));
    if (end < text.size() && text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n') ++end;
    start = end + 1;
  }
  EndUpdate();
}

void TStrings::LoadFromStream(TStream& stream) {
  std::string bytes(static_cast<size_t>(stream.Size() - stream.Position()), '\0');
  stream.ReadBuffer(bytes.data(), bytes.size());
  std::wstring text;
  if (bytes.size() >= 2 && static_cast<uint8_t>(bytes[0]) == 0xFF && static_cast<uint8_t>(bytes[1]) == 0xFE) {
    text.assign(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / 2);
  } else if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
    text = Utf8ToWide(std::string_view(bytes).substr(3));
  } else if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(),
                                 static_cast<int>(bytes.size()), nullptr, 0) > 0 || bytes.empty()) {
    text = Utf8ToWide(bytes);
  } else {
    text = CodePageToWide(bytes);
  }
  SetText(text);
}

void TStrings::SaveToStream(TStream& stream) const {
  const std::string bytes = "\xEF\xBB\xBF" + WideToUtf8(Text());
  stream.WriteBuffer(bytes.data(), bytes.size());
}

void TStrings::LoadFromFile(const std::wstring& fileName) {
  TFileStream stream(fileName, fmOpenRead);
  LoadFromStream(stream);
}

void TStrings::SaveToFile(const std::wstring& fileName) const {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(stream);
}
