#include "skin/store/builtin_shadows.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "core/store/shadow_templates.h"
#include "core/store/skin_loader.h"

namespace {

std::unique_ptr<zelvan::image::TWorkingBitmap> DecodeResource(const wchar_t* name) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(module, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!resource) return nullptr;
  HGLOBAL loaded = LoadResource(module, resource);
  const auto* bytes = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  if (!bytes) return nullptr;
  const std::vector<uint8_t> png(bytes, bytes + SizeofResource(module, resource));
  auto bitmap = zelvan::store::DecodeSkinImage(png, std::nullopt);
  if (bitmap) zelvan::store::ClearPureWhite(*bitmap);
  return bitmap;
}

}  // namespace

const zelvan::image::TWorkingBitmap* BuiltInShadow(bool active) {
  static const auto activeShadow = DecodeResource(L"ACSHDA");
  static const auto inactiveShadow = DecodeResource(L"ACSHDI");
  return active ? activeShadow.get() : inactiveShadow.get();
}
