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

bool RenameEntries(TRenamePlan& plan, const std::u16string& folder, TFileOperations& files,
                   const TPassProgress& progress) {
  if (!files.DirectoryExists(folder)) return false;
  plan.SetRenamed(true);
  size_t done = 0;
  for (TPlanRow& row : plan.Rows()) {
    if (MovableNewName(row) && files.Move(JoinPath(folder, row.OriginalName), JoinPath(folder, *row.NewName))) {
      row.Result.emplace(kRenamedMark);
    }
    if (progress && !progress(++done)) break;
  }
  return true;
}

bool RestoreEntries(TRenamePlan& plan, const std::u16string& folder, TFileOperations& files,
                    const TPassProgress& progress) {
  if (!files.DirectoryExists(folder)) return false;
  size_t done = 0;
  for (TPlanRow& row : plan.Rows()) {
    if (MovableNewName(row) && files.Move(JoinPath(folder, *row.NewName), JoinPath(folder, row.OriginalName)) &&
        row.Result.has_value()) {
      row.Result = std::u16string();
    }
    if (progress && !progress(++done) && done < plan.Rows().size()) return true;  // rows left to put back
  }
  plan.SetRenamed(false);
  return true;
}

}  // namespace zelvan::rename
