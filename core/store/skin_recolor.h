#pragma once
// The manager's hue offset and saturation applied to a freshly loaded skin:
// the master bitmap, every image part with its own bitmap, the colours of
// every section and two colours of the global information.

namespace zelvan::store {

class TsSkinStore;

// Hue first (skipped for 0), then saturation taken modulo 101 (skipped for 0).
// Title-bar button images named by BIKEEPHUE keep their colours under a hue change.
void RecolorSkin(TsSkinStore& store, int hueOffset, int saturation);

}  // namespace zelvan::store
