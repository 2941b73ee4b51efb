#pragma once
// The skinned controls, the form's skin provider and the skin manager under
// the names stored layouts give them ("TsButton", "TsSkinProvider", ...), each
// with its "SkinData.SkinSection" and the settings layouts store.
void RegisterSkinnedControlClasses();
