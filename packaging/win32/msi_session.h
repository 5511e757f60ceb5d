#pragma once
// The installer session as a custom action sees it: properties, target folders and the log.

#include <windows.h>
// <msiquery.h> needs the types of <msi.h> first.
#include <msi.h>
#include <msiquery.h>

#include <string>

namespace torva::packaging::win32 {

class MsiSession {
  public:
    explicit MsiSession(MSIHANDLE install) : install_(install) {}

    // Properties and target folders as UTF-8; empty when unset.
    std::string Property(const char* name) const;
    bool SetProperty(const char* name, const std::string& value) const;
    // The resolved folder of a Directory entry, without its trailing "\".
    std::string TargetFolder(const char* directory) const;

    // A line in the installation log.
    void Log(const std::string& text) const;
    // An error: logged, and shown as the installation's error message when it has a user interface.
    void Error(const std::string& text) const;

  private:
    void Message(INSTALLMESSAGE kind, const std::string& text) const;
    MSIHANDLE install_;
};

}  // namespace torva::packaging::win32
