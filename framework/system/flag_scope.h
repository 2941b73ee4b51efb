#pragma once
// Gives a flag a value for the length of a scope and puts the old value back
// however the scope is left, exceptions included.

class TFlagScope {
 public:
  TFlagScope(bool& flag, bool value) : FFlag(flag), FOld(flag) { flag = value; }
  ~TFlagScope() { FFlag = FOld; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& FFlag;
  bool FOld;
};
