#pragma once
// One object holding the real implementation of every platform interface, for a program's entry
// to create once and hand out by reference.

#include "platform/win32/file_system.h"
#include "platform/win32/ini_file.h"
#include "platform/win32/mailslots.h"
#include "platform/win32/power.h"
#include "platform/win32/processes.h"
#include "platform/win32/registry.h"
#include "platform/win32/settings.h"
#include "platform/win32/shell.h"
#include "platform/win32/system_info.h"

namespace torva::win32 {

struct Win32Platform {
    Win32FileSystem files;
    Win32Processes processes;
    Win32Shell shell;
    Win32Registry registry;
    Win32Settings settings;
    Win32IniFile ini;
    Win32Mailslots mailslots;
    Win32SystemInfo system;
    Win32Power power;
};

}  // namespace torva::win32
