#pragma once
// The rename plan: one row per listed entry of a folder, the new names the
// naming settings give them, and the renamed state that freezes those names
// while a rename pass can still be undone.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/rename/file_operations.h"

namespace zelvan::rename {

enum class TEntryKind { Files, Folders };

enum class TExtensionMode { Keep, Replace };

// The mark a successful rename leaves in a row.
inline constexpr char16_t kRenamedMark[] = u"\u221A";

struct TPlanRow {
  int32_t Number = 0;
  std::u16string OriginalName;
  std::optional<std::u16string> NewName;
  std::optional<std::u16string> Result;
};

struct TNamingSettings {
  std::u16string Prefix;
  int32_t FirstNumber = 0;
  int32_t DigitCount = 0;
  TExtensionMode ExtensionMode = TExtensionMode::Keep;
  std::u16string ExtensionText;
};

class TRenamePlan {
 public:
  // Replaces every row by a fresh listing; keeps the renamed state.
  void ListFolder(const std::u16string& folder, TEntryKind kind, TFileOperations& files);

  // Sets every row's NewName; does nothing while renamed.
  void ComputeNewNames(const TNamingSettings& settings);

  const std::vector<TPlanRow>& Rows() const { return rows_; }
  std::vector<TPlanRow>& Rows() { return rows_; }

  bool Renamed() const { return renamed_; }
  void SetRenamed(bool renamed) { renamed_ = renamed; }

 private:
  std::vector<TPlanRow> rows_;
  bool renamed_ = false;
};

}  // namespace zelvan::rename
