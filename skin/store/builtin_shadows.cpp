#include "skin/store/builtin_shadows.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "core/store/shadow_templates.h"
#include "core/store/skin_loader.h"

std::vector<uint8_t> EngineResourceBytes(const wchar_t* name) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(module, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!resource) return {};
  HGLOBAL loaded = LoadResource(module, resource);
  const auto* bytes = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  if (!bytes) return {};
  return std::vector<uint8_t>(bytes, bytes + SizeofResource(module, resource));
}

namespace {

std::unique_ptr<zelvan::image::TWorkingBitmap> DecodeResource(const wchar_t* name) {
  const std::vector<uint8_t> png = EngineResourceBytes(name);
  if (png.empty()) return nullptr;
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
