#pragma once
// Win32 calls back into our code (window procedures, timer procedures, hooks);
// no C++ exception may travel back through the platform. Each entry catches
// everything and calls this, which hands the exception to the application's
// handler (a message box by default) and returns.

void HandleCallbackException() noexcept;
