#include "framework/forms/message_dialogs.h"

bool UseTaskDialogs = true;
