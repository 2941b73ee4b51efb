#pragma once
// Small questions about paths on the platform's file system.

#include <string>

bool DirectoryExists(const std::wstring& path);
bool FileExists(const std::wstring& path);
// The path with one backslash at its end (an empty path stays empty).
std::wstring IncludeTrailingBackslash(const std::wstring& path);
// The folder part of a file name, ending in a backslash ("C:\a\b.txt" -> "C:\a\").
std::wstring ExtractFilePath(const std::wstring& fileName);
// The full path the platform makes of a relative one (the name itself when it cannot).
std::wstring ExpandFileName(const std::wstring& fileName);
// Names compared as the file system does: without regard to letter case.
bool SameFileName(const std::wstring& a, const std::wstring& b);
