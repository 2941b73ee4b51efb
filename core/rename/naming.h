#pragma once
// The renamer's naming rules: number padding, extensions, a folder's own name,
// and which names may be given to an entry at all.

#include <cstdint>
#include <string>
#include <string_view>

namespace zelvan::rename {

// Longest padded number ever built: one more than the longest name Windows
// accepts, so a name padded this far still fails on disk exactly as a longer
// one would, without building texts of gigabytes from a huge digit count.
inline constexpr int kMaxPaddedDigits = 256;

// Longest entry name, in UTF-16 units, that the platform accepts.
inline constexpr size_t kMaxEntryNameLength = 255;

std::u16string PadNumber(int64_t value, int digits);
// PadNumber appended to out, without a string of its own.
void AppendPadded(std::u16string& out, int64_t value, int digits);

// Digit count actually used: widened to the width of the row count unless 0.
int EffectiveDigitCount(int digit_count, size_t row_count);

std::u16string ExtensionOf(std::u16string_view name);
// The same, as a view into name.
std::u16string_view ExtensionView(std::u16string_view name);
std::u16string FolderOwnName(std::u16string_view path);

// True when a name stays a plain entry of the folder it is joined to: not
// empty, not "." or "..", no path separator, drive, stream, wildcard or
// control character, no device name, not too long.
bool IsSafeEntryName(std::u16string_view name);

}  // namespace zelvan::rename
