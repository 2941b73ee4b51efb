#include "framework/folder_picker/shell_item.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>

#include "framework/system/exception.h"

namespace {

template <typename T>
struct TComRelease {
  void operator()(T* object) const {
    if (object) object->Release();
  }
};
template <typename T>
using TComPtr = std::unique_ptr<T, TComRelease<T>>;

[[noreturn]] void RaiseShellError(const std::wstring& what, HRESULT result) {
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                 nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring reason = text ? text : L"";
  if (text) LocalFree(text);
  while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r')) reason.pop_back();
  if (reason.empty()) {
    wchar_t code[16];
    wsprintfW(code, L"0x%08X", static_cast<unsigned>(result));
    reason = code;
  }
  throw Exception(what + L": " + reason);
}

TComPtr<IShellFolder> Desktop() {
  EnsureShellReady();
  IShellFolder* desktop = nullptr;
  const HRESULT result = SHGetDesktopFolder(&desktop);
  if (FAILED(result)) RaiseShellError(L"Shell desktop", result);
  return TComPtr<IShellFolder>(desktop);
}

// The folder that holds the item, and the item's last identifier in it.
TComPtr<IShellFolder> ParentOf(PCIDLIST_ABSOLUTE item, PCUITEMID_CHILD& child) {
  IShellFolder* parent = nullptr;
  const HRESULT result = SHBindToParent(item, IID_IShellFolder, reinterpret_cast<void**>(&parent), &child);
  if (FAILED(result)) RaiseShellError(L"Shell folder", result);
  return TComPtr<IShellFolder>(parent);
}

TComPtr<IShellFolder> BindFolder(PCIDLIST_ABSOLUTE item) {
  TComPtr<IShellFolder> desktop = Desktop();
  if (ILIsEmpty(item)) return desktop;
  IShellFolder* folder = nullptr;
  const HRESULT result =
      desktop->BindToObject(item, nullptr, IID_IShellFolder, reinterpret_cast<void**>(&folder));
  if (FAILED(result)) RaiseShellError(L"Shell folder", result);
  return TComPtr<IShellFolder>(folder);
}

// The item's name and attributes as the folder that holds it tells them.
std::wstring NameIn(IShellFolder& holder, PCUITEMID_CHILD child) {
  STRRET name{};
  if (FAILED(holder.GetDisplayNameOf(child, SHGDN_NORMAL, &name))) return {};
  wchar_t buffer[MAX_PATH] = {};
  if (FAILED(StrRetToBufW(&name, child, buffer, MAX_PATH))) return {};
  return buffer;
}

SFGAOF AttributesIn(IShellFolder& holder, PCUITEMID_CHILD child, SFGAOF mask) {
  SFGAOF attributes = mask;
  if (FAILED(holder.GetAttributesOf(1, &child, &attributes))) return 0;
  return attributes & mask;
}

}  // namespace

void EnsureShellReady() {
  // Once per thread; a thread already in COM keeps its own choice.
  thread_local const bool ready = [] {
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    return SUCCEEDED(result) || result == RPC_E_CHANGED_MODE;
  }();
  (void)ready;
}

TShellItem::TShellItem(const TShellItem& other) : FList(other.FList ? ILClone(other.FList) : nullptr) {}

TShellItem& TShellItem::operator=(const TShellItem& other) {
  if (this != &other) *this = TShellItem(other);
  return *this;
}

TShellItem& TShellItem::operator=(TShellItem&& other) noexcept {
  if (this != &other) {
    if (FList) ILFree(FList);
    FList = other.FList;
    other.FList = nullptr;
  }
  return *this;
}

TShellItem::~TShellItem() {
  if (FList) ILFree(FList);
}

TShellItem TShellItem::SpecialFolder(int csidl) {
  EnsureShellReady();
  PIDLIST_ABSOLUTE list = nullptr;
  const HRESULT result = SHGetSpecialFolderLocation(nullptr, csidl, &list);
  if (FAILED(result) || !list) RaiseShellError(L"Special folder " + std::to_wstring(csidl), result);
  return TShellItem(list);
}

TShellItem TShellItem::Parse(const std::wstring& path) {
  TComPtr<IShellFolder> desktop = Desktop();
  PIDLIST_RELATIVE list = nullptr;
  std::wstring name = path;
  const HRESULT result = desktop->ParseDisplayName(nullptr, nullptr, name.data(), nullptr, &list, nullptr);
  if (FAILED(result) || !list) RaiseShellError(path, result);
  return TShellItem(reinterpret_cast<PIDLIST_ABSOLUTE>(list));
}

bool TShellItem::Equals(const TShellItem& other) const {
  if (!FList || !other.FList) return FList == other.FList;
  return ILIsEqual(FList, other.FList) != FALSE;
}

bool TShellItem::Contains(const TShellItem& other) const {
  if (!FList || !other.FList) return false;
  return Equals(other) || ILIsParent(FList, other.FList, FALSE);
}

std::wstring TShellItem::DisplayName() const {
  if (!FList) return {};
  // The folder that holds the item names it (the desktop names itself).
  TComPtr<IShellFolder> holder;
  PCUITEMID_CHILD child = nullptr;
  if (ILIsEmpty(FList)) {
    holder = Desktop();
    child = reinterpret_cast<PCUITEMID_CHILD>(FList);
  } else {
    holder = ParentOf(FList, child);
  }
  return NameIn(*holder, child);
}

std::wstring TShellItem::FileSystemPath() const {
  if (!FList) return {};
  wchar_t buffer[MAX_PATH] = {};
  if (!SHGetPathFromIDListW(FList, buffer)) return {};
  return buffer;
}

int TShellItem::IconIndex(bool open, bool large) const {
  if (!FList) return -1;
  SHFILEINFOW info{};
  UINT flags = SHGFI_PIDL | SHGFI_SYSICONINDEX | (large ? SHGFI_LARGEICON : SHGFI_SMALLICON);
  if (open) flags |= SHGFI_OPENICON;
  if (!SHGetFileInfoW(reinterpret_cast<LPCWSTR>(FList), 0, &info, sizeof(info), flags)) return -1;
  return info.iIcon;
}

SFGAOF TShellItem::Attributes(SFGAOF mask) const {
  if (!FList) return 0;
  if (ILIsEmpty(FList)) return mask & (SFGAO_FOLDER | SFGAO_HASSUBFOLDER);  // the desktop
  PCUITEMID_CHILD child = nullptr;
  TComPtr<IShellFolder> parent = ParentOf(FList, child);
  return AttributesIn(*parent, child, mask);
}

std::vector<TShellChild> TShellItem::SubFolders() const {
  std::vector<TShellChild> result;
  if (!FList) return result;
  TComPtr<IShellFolder> folder = BindFolder(FList);
  IEnumIDList* enumerator = nullptr;
  const HRESULT listed =
      folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_INCLUDEHIDDEN, &enumerator);
  // S_FALSE: nothing to list (an empty drive, a folder we may not read).
  if (FAILED(listed) || listed == S_FALSE || !enumerator) return result;
  TComPtr<IEnumIDList> items(enumerator);
  std::vector<PITEMID_CHILD> children;
  PITEMID_CHILD child = nullptr;
  while (items->Next(1, &child, nullptr) == S_OK) children.push_back(child);
  // The shell's own comparison, by its first column (the name).
  std::stable_sort(children.begin(), children.end(), [&folder](PITEMID_CHILD a, PITEMID_CHILD b) {
    const HRESULT order = folder->CompareIDs(0, a, b);
    return SUCCEEDED(order) && static_cast<short>(HRESULT_CODE(order)) < 0;
  });
  result.reserve(children.size());
  // Names and attributes come from the folder already bound for the listing.
  for (PITEMID_CHILD item : children) {
    result.push_back(TShellChild{TShellItem(ILCombine(FList, item)), NameIn(*folder, item),
                                 AttributesIn(*folder, item, SFGAO_HASSUBFOLDER) != 0});
    ILFree(item);
  }
  return result;
}

TShellItem TShellItem::Rename(const std::wstring& newName, HWND owner) const {
  PCUITEMID_CHILD child = nullptr;
  TComPtr<IShellFolder> parent = ParentOf(FList, child);
  PITEMID_CHILD renamed = nullptr;
  const HRESULT result = parent->SetNameOf(owner, child, newName.c_str(), SHGDN_INFOLDER, &renamed);
  if (FAILED(result)) RaiseShellError(newName, result);
  if (!renamed) return TShellItem(ILClone(FList));
  PIDLIST_ABSOLUTE parentList = ILClone(FList);
  ILRemoveLastID(parentList);
  TShellItem item(ILCombine(parentList, renamed));
  ILFree(parentList);
  ILFree(renamed);
  return item;
}

HIMAGELIST SystemImageList(bool large) {
  EnsureShellReady();
  SHFILEINFOW info{};
  const UINT flags = SHGFI_SYSICONINDEX | (large ? SHGFI_LARGEICON : SHGFI_SMALLICON);
  return reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(L"C:\\", 0, &info, sizeof(info), flags));
}
