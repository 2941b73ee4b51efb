#pragma once
// The skinned edits' classes and published properties, as stored layouts
// name them (TsEdit, TsMaskEdit, TsSpinEdit). Registering twice is harmless.

void RegisterSkinnedEditClasses();
