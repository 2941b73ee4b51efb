#pragma once
// Connects the platform-free painters to Windows: system colours come from
// GetSysColor and triangle gradients from GradientFill. Called once at start.

namespace zelvan::framework {

void InstallPaintPlatformHooks();

}  // namespace zelvan::framework
