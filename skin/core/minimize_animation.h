#pragma once
// Minimising and restoring a skinned form: its picture flies between the
// form's place and the taskbar in an animation window, fading out on the way
// down and in on the way up, while the platform's own minimise animation is
// switched off. The picture taken when minimising serves the restore; only
// the last minimised form keeps one.

class TacProviderLink;

// Starts the animation; the caller minimises or restores the form right
// after. The main form animates only from the application window's hook
// (fromApplicationWindow), never from its own commands. True when it started.
bool StartMinimizeAnimation(TacProviderLink* provider, bool minimizing, bool fromApplicationWindow = false);
bool MinimizeAnimationRunning();
// Ends a running animation at once.
void FinishMinimizeAnimation();
