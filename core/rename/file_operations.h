#pragma once
// The few disk operations the renamer needs, so the plan and the passes stay
// platform-free: Win32 on Windows, POSIX natively, fakes in tests.
// Paths are built the platform's way: folder + "\" + name.

#include <functional>
#include <string>
#include <string_view>

namespace zelvan::rename {

struct TDirEntry {
  std::u16string Name;
  bool Hidden = false;
  bool System = false;
  bool Directory = false;
  // A link (or another entry whose kind the listing does not settle): only
  // the existence tests, which follow links, can say what it is.
  bool Indirect = false;
};

class TFileOperations {
 public:
  virtual ~TFileOperations() = default;

  // Calls visit for each entry matching pattern (folder + "\*.*"), in the
  // platform's order, "." and ".." included where the platform reports them.
  // The visitor may take the entry's name (move from it).
  // Returns false when the folder cannot be enumerated.
  virtual bool Enumerate(const std::u16string& pattern,
                         const std::function<void(TDirEntry&)>& visit) = 0;

  // Existence tests follow symbolic links.
  virtual bool DirectoryExists(const std::u16string& path) = 0;
  virtual bool FileExists(const std::u16string& path) = 0;

  // Renames within the volume; never replaces an existing entry.
  virtual bool Move(const std::u16string& from, const std::u16string& to) = 0;
};

inline std::u16string JoinPath(const std::u16string& folder, std::u16string_view name) {
  std::u16string path;
  path.reserve(folder.size() + 1 + name.size());
  path.append(folder).append(1, u'\\').append(name);
  return path;
}

}  // namespace zelvan::rename
