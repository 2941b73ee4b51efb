#include "core/rename/rename_engine.h"

#include "core/rename/naming.h"

namespace zelvan::rename {

namespace {

// A row whose new name would leave the folder (or write a stream, or reach a
// device) is never moved, in either direction: it is treated as a failed move.
bool MovableNewName(const TPlanRow& row) {
  return row.NewName.has_value() && IsSafeEntryName(*row.NewName);
}

}  // namespace

bool RenameEntries(TRenamePlan& plan, const std::u16string& folder, TFileOperations& files) {
  if (!files.DirectoryExists(folder)) return false;
  for (TPlanRow& row : plan.Rows()) {
    if (!MovableNewName(row)) continue;
    if (files.Move(JoinPath(folder, row.OriginalName), JoinPath(folder, *row.NewName))) {
      row.Result.emplace(kRenamedMark);
    }
  }
  plan.SetRenamed(true);
  return true;
}

bool RestoreEntries(TRenamePlan& plan, const std::u16string& folder, TFileOperations& files) {
  if (!files.DirectoryExists(folder)) return false;
  for (TPlanRow& row : plan.Rows()) {
    if (!MovableNewName(row)) continue;
    if (files.Move(JoinPath(folder, *row.NewName), JoinPath(folder, row.OriginalName)) &&
        row.Result.has_value()) {
      row.Result = std::u16string();
    }
  }
  plan.SetRenamed(false);
  return true;
}

}  // namespace zelvan::rename
