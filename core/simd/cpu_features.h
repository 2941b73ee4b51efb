#pragma once
// Which vector instructions the kernels may use. The code is compiled for the
// plain instruction set of its target (the 32-bit program runs on processors
// without SSE2); kernels for wider vectors carry target attributes and are
// chosen at run time by the level below.

namespace zelvan::simd {

// Ordered: each level includes the ones before it.
enum class TLevel { kPlain, kSse2, kSsse3, kAvx2 };

// What this processor and its operating system support, read once.
TLevel Detected();

// The level the kernels use: Detected(), lowered while a cap is set.
TLevel Active();

// Caps Active() at level (kAvx2 lifts the cap); returns the previous cap.
// Tests use it to run every path the processor has.
TLevel SetCap(TLevel level);

// Sets a cap for the lifetime of the object.
class TCapScope {
 public:
  explicit TCapScope(TLevel level) : previous_(SetCap(level)) {}
  ~TCapScope() { SetCap(previous_); }
  TCapScope(const TCapScope&) = delete;
  TCapScope& operator=(const TCapScope&) = delete;

 private:
  TLevel previous_;
};

}  // namespace zelvan::simd
