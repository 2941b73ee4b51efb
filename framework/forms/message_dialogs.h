#pragma once
// Message dialogs: whether the platform's newest message dialogs (task
// dialogs) may be used. A skin engine switches it off so that message
// dialogs are built as framework forms it can skin.

extern bool UseTaskDialogs;
