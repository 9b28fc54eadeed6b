#pragma once

// Every Win32 header this layer uses, included in one place. <windows.h> must come first.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <windowsx.h>
// clang-format on
