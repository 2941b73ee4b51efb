#pragma once
// The rename and restore passes that carry a plan out on disk.

#include <cstddef>
#include <functional>
#include <string>

#include "core/rename/file_operations.h"
#include "core/rename/rename_plan.h"

namespace zelvan::rename {

// Told after each row of a pass how many rows are done; false stops the pass
// there: the row being moved is finished, the rows after it stay untouched
// and unmarked. A program keeps its window alive through it.
using TPassProgress = std::function<bool(size_t rowsDone)>;

// Moves each row from OriginalName to NewName, marks successes and sets the
// renamed state (also when stopped part-way, so the rows done can be put
// back). Returns false, changing nothing, when folder is no directory.
bool RenameEntries(TRenamePlan& plan, const std::u16string& folder, TFileOperations& files,
                   const TPassProgress& progress = {});

// Moves each row back from NewName to OriginalName, empties the marks of the
// rows moved and clears the renamed state (kept when stopped part-way, so the
// rest can still be put back). Returns false like RenameEntries.
bool RestoreEntries(TRenamePlan& plan, const std::u16string& folder, TFileOperations& files,
                    const TPassProgress& progress = {});

}  // namespace zelvan::rename
