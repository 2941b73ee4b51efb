#include "core/rename/rename_plan.h"

#include <utility>

#include "core/rename/naming.h"

namespace zelvan::rename {

namespace {

// An entry is passed over when it carries an attribute the request lacks:
// Files requests hidden (and archive), Folders requests directory.
bool PassesAttributeFilter(const TDirEntry& entry, TEntryKind kind) {
  const bool request_hidden = kind == TEntryKind::Files;
  const bool request_directory = kind == TEntryKind::Folders;
  if (entry.Hidden && !request_hidden) return false;
  if (entry.System) return false;
  if (entry.Directory && !request_directory) return false;
  return true;
}

}  // namespace

void TRenamePlan::ListFolder(const std::u16string& folder, TEntryKind kind,
                             TFileOperations& files) {
  rows_.clear();
  int32_t counter = 1;
  files.Enumerate(JoinPath(folder, u"*.*"), [&](TDirEntry& entry) {
    if (!PassesAttributeFilter(entry, kind)) return;
    if (entry.Name == u"." || entry.Name == u"..") return;
    // The listing settles the kind of all but links: only those cost a look-up.
    bool exists = kind == TEntryKind::Folders ? entry.Directory : !entry.Directory;
    if (entry.Indirect) {
      const std::u16string path = JoinPath(folder, entry.Name);
      exists = kind == TEntryKind::Folders ? files.DirectoryExists(path) : files.FileExists(path);
    }
    if (!exists) return;
    rows_.push_back(TPlanRow{counter, std::move(entry.Name), std::nullopt, std::nullopt});
    ++counter;
  });
}

void TRenamePlan::ComputeNewNames(const TNamingSettings& settings) {
  if (renamed_) return;
  const int digits = EffectiveDigitCount(settings.DigitCount, rows_.size());
  int64_t number = settings.FirstNumber;  // 64-bit: the last numbers never wrap around
  for (TPlanRow& row : rows_) {
    // The previous name's buffer is reused: a keystroke allocates nothing per row.
    std::u16string& name = row.NewName ? *row.NewName : row.NewName.emplace();
    name.assign(settings.Prefix);
    AppendPadded(name, number++, digits);
    name += settings.ExtensionMode == TExtensionMode::Replace ? std::u16string_view(settings.ExtensionText)
                                                               : ExtensionView(row.OriginalName);
  }
}

}  // namespace zelvan::rename
