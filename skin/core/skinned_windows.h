#pragma once
// Process-wide state of the skin engine's window side: the forms that carry a
// skin provider, the providers the manager's window hook made for windows
// without one, and the flag that freezes all painting during a skin-change
// animation. User-interface thread only.

#include <windows.h>

#include <vector>

class TCustomForm;
class TsSkinManager;

// What the engine asks of a form's skin provider without knowing its class.
// The provider answers SKC_GET_PROVIDER with a pointer to this interface.
class TacProviderLink {
 public:
  virtual ~TacProviderLink() = default;
  // The manager the provider follows (the default manager when it names none).
  virtual TsSkinManager* ProviderManager() const = 0;
  // The form the provider skins.
  virtual TCustomForm* ProviderForm() const = 0;
  // Skin-change animation: the look before the change, kept to fade from.
  virtual void CaptureSkinChangeLook() {}
  // The lock is lifted: change from the look on screen to the new one
  // (SkinChangeAnimation by default).
  virtual void AnimateSkinChange(unsigned timeMs, int mode);

  // --- what the window animations ask
  virtual bool AllowAnimation() const { return true; }
  // Set for one change that must not animate (such as a minimise from the
  // system menu of the main form).
  virtual bool SkipAnimation() const { return false; }
  virtual bool AllowBlendOnMoving() const { return true; }
  // The form has a picture to animate (its frame cache).
  virtual bool HasCache() const { return true; }
  // Draws the skinned frame into the window, before a snapshot is taken.
  virtual void RenderFrame() {}
  // The extended-border window, when the form has one.
  virtual HWND BorderWindow() const { return nullptr; }
  // A show animation has ended.
  virtual void AfterAnimation() {}
};

// The provider of a form, from its answer to SKC_GET_PROVIDER; null if none.
TacProviderLink* ProviderOf(TCustomForm* form);

// Forms with a skin provider. Removal moves the last entry into the freed
// slot, so the order is not stable.
class TSkinnedFormList {
 public:
  void Add(TCustomForm* form);
  void Remove(TCustomForm* form);
  bool Contains(const TCustomForm* form) const;
  int Count() const { return static_cast<int>(FForms.size()); }
  TCustomForm* Items(int index) const { return FForms.at(static_cast<size_t>(index)); }

 private:
  std::vector<TCustomForm*> FForms;
};
TSkinnedFormList& SkinnedFormList();

// A provider the manager's window hook made for a window without one.
class TacAutoSkinned {
 public:
  virtual ~TacAutoSkinned() = default;
  virtual HWND SkinnedWindow() const = 0;
};

// Slots are emptied (set to null) rather than removed when a provider goes.
std::vector<TacAutoSkinned*>& AutoSkinnedWindowList();

// True while the skin-change animation has frozen the forms; painting code
// returns at once while it is set.
extern bool FormsLocked;

// The form skinning's process-wide switch for extended borders.
extern bool AllowExtendedBorders;

// One further window that takes part in every repaint of all forms, when set.
extern HWND RegisteredRepaintWindow;
