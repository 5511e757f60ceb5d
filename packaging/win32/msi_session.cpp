#include "packaging/win32/msi_session.h"

#include "platform/win32/wide.h"

namespace torva::packaging::win32 {

namespace {

// Closes an installer handle (records) when it goes.
class RecordHandle {
  public:
    explicit RecordHandle(MSIHANDLE handle) : handle_(handle) {}
    ~RecordHandle() {
        if (handle_ != 0) MsiCloseHandle(handle_);
    }
    RecordHandle(const RecordHandle&) = delete;
    RecordHandle& operator=(const RecordHandle&) = delete;
    MSIHANDLE get() const { return handle_; }

  private:
    MSIHANDLE handle_;
};

template <typename Getter>
std::string ReadString(Getter get) {
    DWORD length = 0;
    wchar_t none[1] = L"";
    UINT result = get(none, &length);
    if (result != ERROR_MORE_DATA && result != ERROR_SUCCESS) return {};
    std::wstring value(length + 1, L'\0');
    length = static_cast<DWORD>(value.size());
    if (get(value.data(), &length) != ERROR_SUCCESS) return {};
    value.resize(length);
    return torva::win32::Narrow(value);
}

}  // namespace

std::string MsiSession::Property(const char* name) const {
    const std::wstring wide = torva::win32::Wide(name);
    return ReadString([&](wchar_t* buffer, DWORD* length) {
        return MsiGetPropertyW(install_, wide.c_str(), buffer, length);
    });
}

bool MsiSession::SetProperty(const char* name, const std::string& value) const {
    return MsiSetPropertyW(install_, torva::win32::Wide(name).c_str(), torva::win32::Wide(value).c_str()) ==
           ERROR_SUCCESS;
}

std::string MsiSession::TargetFolder(const char* directory) const {
    const std::wstring wide = torva::win32::Wide(directory);
    std::string folder = ReadString([&](wchar_t* buffer, DWORD* length) {
        return MsiGetTargetPathW(install_, wide.c_str(), buffer, length);
    });
    while (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
    return folder;
}

void MsiSession::Log(const std::string& text) const {
    Message(INSTALLMESSAGE_INFO, text);
}

void MsiSession::Error(const std::string& text) const {
    Message(INSTALLMESSAGE_ERROR, text);
}

void MsiSession::Message(INSTALLMESSAGE kind, const std::string& text) const {
    // The text goes in field 1 behind a bare "[1]" template, so that brackets in a definition's
    // lines ("[PAGE1]") are not taken for installer formatting.
    RecordHandle record(MsiCreateRecord(1));
    if (record.get() == 0) return;
    MsiRecordSetStringW(record.get(), 0, L"[1]");
    MsiRecordSetStringW(record.get(), 1, torva::win32::Wide(text).c_str());
    MsiProcessMessage(install_, static_cast<INSTALLMESSAGE>(kind), record.get());
}

}  // namespace torva::packaging::win32
