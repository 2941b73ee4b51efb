#pragma once
// TacItemAnimation: a title bar item's change of state faded like a caption
// button's (a layered window over the item, 10 steps of 12 ms toward hot or
// normal, pressed at once), showing the item's whole picture in the new
// state (its section, image, caption and arrow) over the title band. The
// frame keeps the item's normal picture while it runs.

#include "skin/window/caption_animation.h"

class TacTitleBarItem;
class TsTitleBar;

class TacItemAnimation : public TacSBAnimation {
 public:
  TacItemAnimation(TsSkinProvider& provider, TsTitleBar& bar, TacTitleBarItem& item);

 protected:
  void BuildImage() override;

 private:
  TsTitleBar& FBar;
  TacTitleBarItem& FItem;
};
