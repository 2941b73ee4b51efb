#pragma once
// The value rules of a spin edit, platform-free: reading a whole number from
// the text, the limits a value is held to, stepping without overflow, which
// typed characters the edit takes, and the text that leaving it corrects.

#include <cstdint>
#include <optional>
#include <string_view>

namespace zelvan::controls {

// MinValue = MaxValue = 0: no limits; MaxValue 0 alone: no upper limit.
struct TSpinLimits {
  int32_t MinValue = 0;
  int32_t MaxValue = 0;
  bool AllowNegative = true;
};

// The whole number a text spells (an optional sign and decimal digits,
// within the 32-bit range), or nothing.
std::optional<int32_t> ParseWholeNumber(std::u16string_view text);

// The value a text reads as: empty gives 0, a text that is no whole number
// gives MinValue.
int32_t ReadSpinValue(std::u16string_view text, int32_t minValue);

// A candidate held to the limits; a negative one without AllowNegative
// becomes the larger of 0 and MinValue first.
int32_t CheckSpinValue(int64_t candidate, const TSpinLimits& limits);

// value + steps x increment, saturated to the 32-bit range (holding an arrow
// at the largest value must not overflow).
int32_t SteppedValue(int32_t value, int64_t steps, int32_t increment);

// The wheel's steps: whole notches of 120, toward zero.
inline int64_t WheelSteps(int wheelDelta) { return wheelDelta / 120; }

// What a typed character does.
enum class TSpinKey {
  Accept,   // goes into the edit
  Swallow,  // consumed silently (Tab, Enter: the edit is single-line)
  Refuse,   // consumed with the default beep
};

// What the edit holds when a character is typed.
struct TSpinKeyContext {
  std::u16string_view Text;
  int SelStart = 0;
  int SelLength = 0;
  bool EditorEnabled = true;
  bool AllowNegative = true;
  int32_t MinValue = 0;
};

// The character test: Backspace and Esc pass; a minus only at the start,
// only when negative values can be reached, and only when the text keeps one
// leading minus (the selection covers any minus already there); digits and
// control characters while the editor is enabled, control characters only
// otherwise.
TSpinKey SpinKeyVerdict(char16_t key, const TSpinKeyContext& context);

// The text left behind on leaving: a lone "-" or "-0" reads as "0"; other
// texts are kept (nullopt).
std::optional<std::u16string_view> LeaveCorrection(std::u16string_view text);

}  // namespace zelvan::controls
