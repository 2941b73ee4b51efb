#pragma once
// Wall time of a piece of work, for the Windows benchmarks (which compare it
// with a reference measured in the same run, never with a fixed figure).
#include <windows.h>

#include <functional>

inline double Milliseconds(const std::function<void()>& work) {
  LARGE_INTEGER frequency, start, stop;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  work();
  QueryPerformanceCounter(&stop);
  return 1000.0 * static_cast<double>(stop.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}
