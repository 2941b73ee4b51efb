#pragma once
// The rename and restore passes that carry a plan out on disk.

#include <string>

#include "core/rename/file_operations.h"
#include "core/rename/rename_plan.h"

namespace zelvan::rename {

// Moves each row from OriginalName to NewName, marks successes and sets the
// renamed state. Returns false, changing nothing, when folder is no directory.
bool RenameEntries(TRenamePlan& plan, const std::u16string& folder, TFileOperations& files);

// Moves each row back from NewName to OriginalName, empties the marks of the
// rows moved and clears the renamed state. Returns false like RenameEntries.
bool RestoreEntries(TRenamePlan& plan, const std::u16string& folder, TFileOperations& files);

}  // namespace zelvan::rename
