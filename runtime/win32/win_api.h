#pragma once
// The Windows headers of the menu program, in the order they need: <windows.h> first.
// clang-format off
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>
#include <ocidl.h>
#include <olectl.h>
#include <objbase.h>
#include <shellapi.h>
// clang-format on
