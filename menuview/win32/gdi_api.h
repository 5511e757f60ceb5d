#pragma once
// The Windows headers the page drawing needs, in the order they need: <windows.h> first.
// clang-format off
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>
#include <objbase.h>
#include <shellapi.h>
// clang-format on
