#pragma once
// Delivering one skin command to a whole tree of controls, and to every form
// of the application. Neither ever creates a window: controls without one get
// the message dispatched to their object, or nothing when windowed.

#include "framework/controls/messages.h"

class TWinControl;
class TCustomForm;

// Each child in turn, the count re-read before every step: a child being
// destroyed ends the walk at this level; a windowless child (or one whose
// window does not exist yet) gets the message dispatched to it; a child that
// answers SKC_IS_SKINNED gets it sent and serves its own children; any other
// windowed child is stepped over and its children are visited instead.
void BroadcastToChildren(TWinControl* container, TMessage& message);

// Forms without a provider owned by the application (last to first), then
// every form of SkinnedFormList, then every visible window of
// AutoSkinnedWindowList. A form with a provider is served exactly once.
void BroadcastToAllForms(TMessage& message);

// Sends the message to the form's window (when it has one) and to its children.
void BroadcastToForm(TCustomForm* form, TMessage& message);
