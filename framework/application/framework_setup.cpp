#include "framework/application/framework_setup.h"

#include <mutex>

#include "framework/graphics/paint_platform_hooks.h"

void SetUpFramework() {
  static std::once_flag once;
  std::call_once(once, [] {
    RegisterFrameworkClasses();
    RegisterStandardControlClasses();
    // The core's painters take system colours and gradients from the platform.
    zelvan::framework::InstallPaintPlatformHooks();
  });
}
