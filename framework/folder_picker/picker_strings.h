#pragma once
// The folder picker's texts, kept in one table like a program's string
// resources, so that a translation replaces them in one place.

#include <string>

enum TPickerString { psSelectDirectory, psRoot, psOk, psCancel, psCreate, psNewFolder };

const std::wstring& PickerText(TPickerString id);
