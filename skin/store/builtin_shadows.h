#pragma once
// The engine's own form-shadow pictures (33 x 33, 9-pixel margins), stored
// with the program as the PNG resources "ACSHDA" (active) and "ACSHDI"
// (inactive), decoded once on first use.

#include <cstdint>
#include <vector>

#include "core/image/working_bitmap.h"

// Null when the resource is missing or cannot be decoded.
const zelvan::image::TWorkingBitmap* BuiltInShadow(bool active);

// The bytes of one of the engine's RCDATA resources; empty when missing.
std::vector<uint8_t> EngineResourceBytes(const wchar_t* name);
