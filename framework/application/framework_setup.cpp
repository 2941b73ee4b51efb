#include "framework/application/framework_setup.h"

#include <mutex>

#include "framework/graphics/dib_storage.h"

void SetUpFramework() {
  static std::once_flag once;
  std::call_once(once, [] {
    RegisterFrameworkClasses();
    RegisterStandardControlClasses();
    TDibStorage::Install();
  });
}
