#pragma once
// What the skinned edits share (TsEdit, TsMaskEdit, TsCustomComboEdit,
// TsSpinEdit): the cache holds the whole control (the section's item with
// its frame, the text, the disabled blend); the frame ring is always copied
// from it; the client area is the platform edit's own while the user works in
// it (caret, selection, typing), otherwise the cache too. Each edit class
// owns a TsEditSkin and answers its TsEditOwner questions.
//
// The scroll bars of a multi-line edit are not drawn here: a scroll-bar
// wrapper takes the window over from outside when there is one.

#include <windows.h>

#include <string>

#include "core/paint/cache_info.h"
#include "core/paint/disabled_look.h"
#include "framework/stdctrls/custom_edit.h"
#include "skin/core/common_data.h"

class TBitmap;
class TsBoundLabel;

// The edit class's side of the shared handling.
class TsEditOwner {
 public:
  virtual ~TsEditOwner() = default;
  // Where the text goes in the cache (window coordinates).
  virtual RECT SkinTextRect() = 0;
  // DrawText flags of the cached text.
  virtual UINT SkinTextFlags() = 0;
  // The text the cache shows.
  virtual std::wstring SkinText();
  // True while the platform edit paints the client area itself.
  virtual bool PlatformPaints() = 0;
  // Pictures of windowed or windowless children that the cache carries too,
  // painted before the disabled blend.
  virtual void PaintChildrenIntoCache(TBitmap&) {}
  // The framework's handling of the message.
  virtual void InheritedMessage(TMessage& message) = 0;
};

// The text of an edit with a password character as the cache shows it:
// every character replaced, "*" by the black circle U+25CF.
std::wstring PasswordText(const std::wstring& text, wchar_t passwordChar);

class TsEditSkin {
 public:
  TsEditSkin(TCustomEdit& edit, TsCommonData& data, TsEditOwner& owner, TsBoundLabel* boundLabel);

  zelvan::paint::TsDisabledKind DisabledKind = zelvan::paint::dkBlended;
  // The picture reached by Paint: counted for idleness tests.
  int Paints = 0;

  // b: the width of the platform's frame ring (2 with the client edge, else 0).
  int BorderWidth() const;
  // a: the text offset of an edit (b, 0 without border).
  int TextOffset() const { return BorderWidth(); }
  // The state painted: 1 while IsHot holds.
  int State() const { return FData.IsHot() ? 1 : 0; }

  // Fills the cache; false while the parent holds painting back.
  bool PrepareCache();
  // The whole window from the cache (given: a context to serve instead of
  // painting through BeginPaint); the window is always validated.
  void PaintWindow(HDC given);
  // The frame ring from the cache into the window's own context.
  void PaintBorder();
  // The client part of the cache into a context at (0, 0).
  void PrintClient(HDC dc);
  // Answers a child's background request with the cache, the child's place
  // offset by (dx, dy) in it.
  void AnswerBackground(TBgRequest& request, int dx, int dy);

  // The whole message: true when taken, else the caller passes it to the
  // framework (InheritedMessage) and then to AfterFramework.
  bool Dispatch(TMessage& message);
  // The edit's reactions after the framework handled a message.
  void AfterFramework(TMessage& message);
  // Marks the background changed, repaints the window and its frame.
  void Repaint();

 private:
  bool SkinCommand(TMessage& message);
  bool PaintsHeldBack() const;
  void PaintText(TBitmap& cache, int state);
  bool CacheStale() const;

  TCustomEdit& FEdit;
  TsCommonData& FData;
  TsEditOwner& FOwner;
  TsBoundLabel* FBoundLabel;
};
