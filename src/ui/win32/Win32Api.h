#pragma once

// The Windows API for the Win32 backend: one place that includes it, so that
// every file of the backend sees the same macros.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// The API maps these names to its ANSI or wide function by macro; the
// framework has members and classes of the same names. The backend calls the
// ANSI functions by their own names.
#undef GetWindowText
#undef LoadIcon
#undef LoadString
#undef MessageBox
#undef SetWindowText
