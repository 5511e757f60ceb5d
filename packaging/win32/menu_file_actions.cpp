// TvMsiActions.dll: the installer's custom actions for the MENUFILE property.
//
//   PrepareMenuFile  immediate, after the folders are resolved: reads MENUFILE as the installing
//                    administrator and hands the bytes on; an unreadable file ends the install
//                    before anything changed
//   CheckMenuFile    deferred, as the administrator, once the programs are in place: the runtime's
//                    rules, with the program folder as definition and program folder
//   UndoMenuFile     rollback of the write below
//   WriteMenuFile    deferred, with the installer's rights: writes TORVA.TVX unless one exists
//
// No exception leaves an entry point: a failure becomes an error message and a failed install.
#include <windows.h>

#include <exception>
#include <functional>

#include "common/path.h"
#include "packaging/menu_file.h"
#include "packaging/win32/msi_session.h"
#include "platform/win32/file_system.h"
#include "platform/win32/system_info.h"
#include "platform/win32/wide.h"

namespace {

using torva::packaging::MenuFileData;
using torva::packaging::win32::MsiSession;

const std::string kPrefix = "MENUFILE: ";

UINT Guarded(MSIHANDLE install, const std::function<UINT(MsiSession&)>& action) {
    MsiSession session(install);
    try {
        return action(session);
    } catch (const std::exception& e) {
        session.Error(kPrefix + e.what());
    } catch (...) {
        session.Error(kPrefix + "unexpected failure");
    }
    return ERROR_INSTALL_FAILURE;
}

// The data of a deferred action; nothing (and an error) when it is damaged.
std::optional<MenuFileData> DeferredData(const MsiSession& session) {
    auto data = torva::packaging::DecodeMenuFileData(session.Property("CustomActionData"));
    if (!data) session.Error(kPrefix + "the data handed to the installation is damaged");
    return data;
}

UINT Prepare(MsiSession& session) {
    const std::string menuFile = session.Property("MENUFILE");
    if (menuFile.empty()) return ERROR_SUCCESS;
    torva::win32::Win32FileSystem files;
    MenuFileData data;
    data.programFolder = session.TargetFolder("INSTALLDIR");
    data.source = torva::packaging::ResolveMenuFilePath(
        menuFile, torva::FolderPart(session.Property("OriginalDatabase")));
    const std::string target = torva::packaging::MenuFilePath(data.programFolder);
    if (files.Exists(target)) {
        session.Log(kPrefix + target + " exists and is kept; " + data.source + " is not installed");
        return ERROR_SUCCESS;
    }
    if (files.IsFolder(data.source) || !files.ReadFile(data.source, data.bytes)) {
        session.Error(kPrefix + std::string("cannot read \"") + data.source + "\"");
        return ERROR_INSTALL_FAILURE;
    }
    const std::string encoded = torva::packaging::EncodeMenuFileData(data);
    for (const char* action : {"CheckMenuFile", "UndoMenuFile", "WriteMenuFile"}) {
        if (!session.SetProperty(action, encoded)) {
            session.Error(kPrefix + "cannot hand the definition to the installation");
            return ERROR_INSTALL_FAILURE;
        }
    }
    session.Log(kPrefix + data.source + " (" + std::to_string(data.bytes.size()) +
                " bytes) is checked and installed as " + target);
    return ERROR_SUCCESS;
}

UINT Check(MsiSession& session) {
    const auto data = DeferredData(session);
    if (!data) return ERROR_INSTALL_FAILURE;
    torva::win32::Win32FileSystem files;
    torva::win32::Win32SystemInfo system;
    const auto verdict = torva::packaging::CheckMenuFile(
        data->bytes, data->programFolder, system.WindowsFolder(), system.SystemFolder(), files);
    if (verdict.accepted) {
        for (const auto& line : verdict.lines) session.Log(kPrefix + data->source + ": passed over: " + line);
        return ERROR_SUCCESS;
    }
    std::string text = kPrefix + data->source + " fails the menu's rules and is not installed:";
    for (const auto& line : verdict.lines) text += "\r\n" + line;
    session.Error(text);
    return ERROR_INSTALL_FAILURE;
}

UINT Write(MsiSession& session) {
    const auto data = DeferredData(session);
    if (!data) return ERROR_INSTALL_FAILURE;
    torva::win32::Win32FileSystem files;
    const std::string target = torva::packaging::MenuFilePath(data->programFolder);
    if (files.Exists(target)) {
        session.Log(kPrefix + target + " exists and is kept");
        return ERROR_SUCCESS;
    }
    // Written beside the target and moved in without replacing: a menu that appeared meanwhile
    // stays, and no half-written TORVA.TVX is ever seen.
    const std::string partial = target + ".new";
    if (!files.WriteFile(partial, data->bytes)) {
        (void)files.DeleteFile(partial);
        session.Error(kPrefix + std::string("cannot write \"") + partial + "\"");
        return ERROR_INSTALL_FAILURE;
    }
    const bool moved = MoveFileExW(torva::win32::Wide(partial).c_str(), torva::win32::Wide(target).c_str(),
                                   MOVEFILE_WRITE_THROUGH) != FALSE;
    (void)files.DeleteFile(partial);
    if (!moved && !files.Exists(target)) {
        session.Error(kPrefix + std::string("cannot write \"") + target + "\"");
        return ERROR_INSTALL_FAILURE;
    }
    session.Log(kPrefix + (moved ? "installed " : "kept the existing ") + target);
    return ERROR_SUCCESS;
}

UINT Undo(MsiSession& session) {
    const auto data = DeferredData(session);
    if (!data) return ERROR_SUCCESS;
    torva::win32::Win32FileSystem files;
    const std::string target = torva::packaging::MenuFilePath(data->programFolder);
    std::string bytes;
    // Only the file this installation wrote goes: same bytes as handed over.
    if (files.ReadFile(target, bytes) && bytes == data->bytes && files.DeleteFile(target))
        session.Log(kPrefix + "removed " + target);
    return ERROR_SUCCESS;
}

}  // namespace

extern "C" __declspec(dllexport) UINT __stdcall PrepareMenuFile(MSIHANDLE install) {
    return Guarded(install, Prepare);
}

extern "C" __declspec(dllexport) UINT __stdcall CheckMenuFile(MSIHANDLE install) {
    return Guarded(install, Check);
}

extern "C" __declspec(dllexport) UINT __stdcall WriteMenuFile(MSIHANDLE install) {
    return Guarded(install, Write);
}

extern "C" __declspec(dllexport) UINT __stdcall UndoMenuFile(MSIHANDLE install) {
    return Guarded(install, Undo);
}
