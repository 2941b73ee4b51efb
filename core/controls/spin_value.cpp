#include "core/controls/spin_value.h"

#include <algorithm>
#include <limits>

namespace zelvan::controls {

namespace {
constexpr int64_t kIntMin = std::numeric_limits<int32_t>::min();
constexpr int64_t kIntMax = std::numeric_limits<int32_t>::max();

int32_t Saturated(int64_t value) { return static_cast<int32_t>(std::clamp(value, kIntMin, kIntMax)); }
}  // namespace

std::optional<int32_t> ParseWholeNumber(std::u16string_view text) {
  size_t i = 0;
  const bool negative = !text.empty() && text[0] == u'-';
  if (!text.empty() && (text[0] == u'-' || text[0] == u'+')) i = 1;
  if (i == text.size()) return std::nullopt;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < u'0' || text[i] > u'9') return std::nullopt;
    value = value * 10 + (text[i] - u'0');
    if (value > kIntMax + 1) return std::nullopt;  // stops long digit runs before they overflow
  }
  if (negative) value = -value;
  if (value > kIntMax || value < kIntMin) return std::nullopt;
  return static_cast<int32_t>(value);
}

int32_t ReadSpinValue(std::u16string_view text, int32_t minValue) {
  if (text.empty()) return 0;
  return ParseWholeNumber(text).value_or(minValue);
}

int32_t CheckSpinValue(int64_t candidate, const TSpinLimits& limits) {
  int64_t result = candidate;
  if (candidate < 0 && !limits.AllowNegative) result = std::max<int64_t>(0, limits.MinValue);
  if (limits.MinValue == 0 && limits.MaxValue == 0) return Saturated(result);
  if (candidate < limits.MinValue) return limits.MinValue;
  if (limits.MaxValue == 0) return Saturated(result);
  if (candidate > limits.MaxValue) return limits.MaxValue;
  return Saturated(result);
}

int32_t SteppedValue(int32_t value, int64_t steps, int32_t increment) {
  // |steps| stays far below 2^31 (wheel notches), so the product fits.
  steps = std::clamp<int64_t>(steps, -kIntMax, kIntMax);
  return Saturated(static_cast<int64_t>(value) + steps * increment);
}

TSpinKey SpinKeyVerdict(char16_t key, const TSpinKeyContext& c) {
  if (key == u'\b' || key == 27) return TSpinKey::Accept;
  if (key == u'\t' || key == u'\r') return TSpinKey::Swallow;
  if (key == u'-' && c.EditorEnabled) {
    if (!c.AllowNegative) return TSpinKey::Refuse;
    if (c.SelStart == 0) {
      if (c.MinValue > 0) return TSpinKey::Refuse;
      // Every minus already in the text must go with the selection.
      const size_t covered = std::min(static_cast<size_t>(std::max(c.SelLength, 0)), c.Text.size());
      const bool minusLeft = c.Text.substr(covered).find(u'-') != std::u16string_view::npos;
      return minusLeft ? TSpinKey::Refuse : TSpinKey::Accept;
    }
    // Anywhere else a minus is just another character that is no digit.
  }
  if (key < u' ') return TSpinKey::Accept;
  if (c.EditorEnabled && key >= u'0' && key <= u'9') return TSpinKey::Accept;
  return TSpinKey::Refuse;
}

std::optional<std::u16string_view> LeaveCorrection(std::u16string_view text) {
  if (text == u"-" || text == u"-0") return std::u16string_view(u"0");
  return std::nullopt;
}

}  // namespace zelvan::controls
