#include "framework/graphics/paint_platform_hooks.h"

#include <windows.h>

#include "core/paint/gradient_paint.h"
#include "core/paint/system_colors.h"
#include "framework/graphics/triangle_gradient_fill.h"

namespace zelvan::framework {

void InstallPaintPlatformHooks() {
  paint::SetSystemColorResolver([](int index) { return static_cast<paint::TColor>(GetSysColor(index)); });
  paint::SetTriangleGradientFill(PlatformTriangleGradientFill);
}

}  // namespace zelvan::framework
