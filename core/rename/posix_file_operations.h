#pragma once
// File operations on a POSIX system, for the native build. Paths arrive in the
// Windows form (folder + "\" + name): backslashes are read as separators.
// POSIX knows no hidden or system attribute, so entries never carry them.

#include "core/rename/file_operations.h"

namespace zelvan::rename {

class TPosixFileOperations : public TFileOperations {
 public:
  bool Enumerate(const std::u16string& pattern,
                 const std::function<void(TDirEntry&)>& visit) override;
  bool DirectoryExists(const std::u16string& path) override;
  bool FileExists(const std::u16string& path) override;
  // renameat2 with RENAME_NOREPLACE: fails rather than replace an entry, also
  // on file systems that cannot promise that atomically.
  bool Move(const std::u16string& from, const std::u16string& to) override;
};

}  // namespace zelvan::rename
