#include "core/rename/posix_file_operations.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "core/text/utf.h"

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace zelvan::rename {

namespace {

std::string ToNativePath(const std::u16string& path) {
  std::string native = text::Utf16ToUtf8(path);
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

bool StatFollowing(const std::u16string& path, struct stat& info) {
  return ::stat(ToNativePath(path).c_str(), &info) == 0;
}

}  // namespace

bool TPosixFileOperations::Enumerate(const std::u16string& pattern,
                                     const std::function<void(TDirEntry&)>& visit) {
  // Only the "*.*" pattern is ever asked for, and it matches every entry.
  std::u16string folder = pattern;
  const std::u16string wildcard = u"\\*.*";
  if (folder.ends_with(wildcard)) folder.resize(folder.size() - wildcard.size());
  const std::string native_folder = ToNativePath(folder);
  DIR* dir = ::opendir(native_folder.c_str());
  if (dir == nullptr) return false;
  while (const dirent* item = ::readdir(dir)) {
    TDirEntry entry;
    entry.Name = text::Utf8ToUtf16(item->d_name);
    if (item->d_type != DT_UNKNOWN) {
      entry.Directory = item->d_type == DT_DIR;
      entry.Indirect = item->d_type != DT_DIR && item->d_type != DT_REG;
    } else {  // some file systems leave the type to a separate look-up
      struct stat info {};
      const std::string path = native_folder + "/" + item->d_name;
      const bool known = ::lstat(path.c_str(), &info) == 0;
      entry.Directory = known && S_ISDIR(info.st_mode);
      entry.Indirect = !known || (!S_ISDIR(info.st_mode) && !S_ISREG(info.st_mode));
    }
    visit(entry);
  }
  ::closedir(dir);
  return true;
}

bool TPosixFileOperations::DirectoryExists(const std::u16string& path) {
  struct stat info {};
  return StatFollowing(path, info) && S_ISDIR(info.st_mode);
}

bool TPosixFileOperations::FileExists(const std::u16string& path) {
  struct stat info {};
  return StatFollowing(path, info) && !S_ISDIR(info.st_mode);
}

bool TPosixFileOperations::Move(const std::u16string& from, const std::u16string& to) {
  return ::syscall(SYS_renameat2, AT_FDCWD, ToNativePath(from).c_str(), AT_FDCWD,
                   ToNativePath(to).c_str(), RENAME_NOREPLACE) == 0;
}

}  // namespace zelvan::rename
