#include "platform/win32/mailslots.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace torva::win32 {

std::optional<platform::MailslotInfo> Win32MailslotReceiver::Poll() {
    DWORD next = 0;
    DWORD count = 0;
    if (!GetMailslotInfo(slot_.get(), nullptr, &next, &count, nullptr)) return std::nullopt;
    platform::MailslotInfo info;
    info.nextSize =
        next == MAILSLOT_NO_MESSAGE ? platform::MailslotInfo::kNoMessage : static_cast<uint32_t>(next);
    info.messageCount = static_cast<uint32_t>(count);
    return info;
}

std::optional<std::string> Win32MailslotReceiver::Read(uint32_t size) {
    if (size == platform::MailslotInfo::kNoMessage) return std::nullopt;
    // An empty message still has to be read to leave the slot; a 1-byte buffer is enough for it.
    std::string buffer(size == 0 ? 1 : size, '\0');
    DWORD got = 0;
    if (!::ReadFile(slot_.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr))
        return std::nullopt;
    buffer.resize(got);
    return buffer;
}

platform::MailslotOpen Win32Mailslots::Create(const std::string& name) {
    platform::MailslotOpen result;
    UniqueFileHandle slot(CreateMailslotW(Wide("\\\\.\\mailslot\\" + name).c_str(), 0, 0, nullptr));
    if (!slot) {
        result.alreadyExists = GetLastError() == ERROR_ALREADY_EXISTS;
        return result;
    }
    result.receiver = std::make_unique<Win32MailslotReceiver>(std::move(slot));
    return result;
}

bool Win32Mailslots::Write(const std::string& computer, const std::string& name, const std::string& bytes) {
    UniqueFileHandle slot(CreateFileW(Wide("\\\\" + computer + "\\mailslot\\" + name).c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                      nullptr));
    if (!slot) return false;
    DWORD written = 0;
    return ::WriteFile(slot.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

}  // namespace torva::win32
