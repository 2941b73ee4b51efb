#pragma once
// The platform's shell namespace, as the folder picker uses it: item
// identifier lists that free themselves, special folders, parsing paths,
// display names, system icons, listing sub-folders in the shell's own order,
// attributes and renaming. Failures raise Exception with the shell's reason.

#include <windows.h>
#include <shlobj.h>

#include <memory>
#include <string>
#include <vector>

struct TShellChild;

// An absolute item identifier list, owned.
class TShellItem {
 public:
  TShellItem() = default;
  explicit TShellItem(PIDLIST_ABSOLUTE list) : FList(list) {}
  TShellItem(const TShellItem& other);
  TShellItem& operator=(const TShellItem& other);
  TShellItem(TShellItem&& other) noexcept : FList(other.FList) { other.FList = nullptr; }
  TShellItem& operator=(TShellItem&& other) noexcept;
  ~TShellItem();

  PCIDLIST_ABSOLUTE Get() const { return FList; }
  bool Empty() const { return FList == nullptr; }

  // Items of the shell: a special folder by CSIDL, and a full path parsed by
  // the desktop folder.
  static TShellItem SpecialFolder(int csidl);
  static TShellItem Parse(const std::wstring& path);

  bool Equals(const TShellItem& other) const;
  // This item is `other` or one of its ancestors.
  bool Contains(const TShellItem& other) const;

  std::wstring DisplayName() const;
  // The file-system path, or empty for a virtual item (the computer level).
  std::wstring FileSystemPath() const;
  // Index in the system image list of small icons; `open` for the selected look.
  int IconIndex(bool open, bool large = false) const;
  // The attributes of `mask` (SFGAO_*) the shell reports for the item.
  SFGAOF Attributes(SFGAOF mask) const;
  // The sub-folders, hidden ones included, in the shell's own order.
  std::vector<TShellChild> SubFolders() const;
  // Renames the item through the shell; returns the renamed item.
  TShellItem Rename(const std::wstring& newName, HWND owner) const;

 private:
  PIDLIST_ABSOLUTE FList = nullptr;
};

// A sub-folder as its folder lists it: the item, its display name, and
// whether it has sub-folders of its own.
struct TShellChild {
  TShellItem Item;
  std::wstring Name;
  bool HasSubFolders = false;
};

// The shell's image list of system icons, small or large (owned by the shell).
HIMAGELIST SystemImageList(bool large);
// COM on this thread, for as long as the program runs.
void EnsureShellReady();
