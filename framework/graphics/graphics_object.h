#pragma once
// Base of font, brush and pen: a change notification that the owner (a
// control or a canvas) listens to. The GDI handle that the change made stale
// is freed only after the listeners ran, so none of them ever holds a deleted
// handle selected into a device context.

#include <functional>

#include "framework/system/object.h"

class TGraphicsObject : public TObject {
 public:
  std::function<void(TGraphicsObject* sender)> OnChange;

 protected:
  TGraphicsObject() = default;
  TGraphicsObject(const TGraphicsObject&) = delete;
  TGraphicsObject& operator=(const TGraphicsObject&) = delete;

  void Changed() {
    if (OnChange) OnChange(this);
  }
};
