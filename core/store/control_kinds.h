#pragma once
// Control kind codes (COC) that skinned controls set by class, the groups the
// common skin handling treats alike, and the section each kind paints with
// when none is set.

#include <string>

namespace zelvan::store {

// Edits: skin colours written into their colour and font, frame repainted on
// focus and hover.
bool IsEditKind(int coc);
// Containers: never marked as under the mouse; their background decides
// whether children may take a plain colour.
bool IsContainerKind(int coc);
// Kinds the common handling never shows a glow for.
bool IsNoGlowKind(int coc);
// Push and speed buttons show their glow themselves.
inline bool IsButtonGlowKind(int coc) { return coc >= 92 && coc <= 94; }
// Panels: a focused child does not make them hot.
bool IsPanelKind(int coc);

// The section of a kind; the owner's class name for any other kind.
std::string DefaultSection(int coc, const std::string& className);

}  // namespace zelvan::store
