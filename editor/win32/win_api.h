#pragma once
// The Windows headers of the editor, in the order they need: <windows.h> first.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <objbase.h>
#include <shellapi.h>
// clang-format on
