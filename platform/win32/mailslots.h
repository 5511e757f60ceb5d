#pragma once
// Mailslots through CreateMailslotW, GetMailslotInfo, ReadFile, and CreateFileW + one WriteFile.

#include "platform/mailslot.h"
#include "platform/win32/unique_handle.h"

namespace torva::win32 {

class Win32MailslotReceiver : public platform::MailslotReceiver {
  public:
    explicit Win32MailslotReceiver(UniqueFileHandle slot) : slot_(std::move(slot)) {}
    // GetMailslotInfo: the size of the next message (kNoMessage when none) and the count waiting.
    std::optional<platform::MailslotInfo> Poll() override;
    // Reads one message into a buffer of the given size (the size Poll reported).
    std::optional<std::string> Read(uint32_t size) override;

  private:
    UniqueFileHandle slot_;
};

class Win32Mailslots : public platform::Mailslots {
  public:
    // "\\.\mailslot\" + name, any message size, reads that never wait. alreadyExists is set when
    // the system answers ERROR_ALREADY_EXISTS (another receiver holds the name).
    platform::MailslotOpen Create(const std::string& name) override;
    // Opens "\\" + computer + "\mailslot\" + name and writes the bytes in one WriteFile.
    bool Write(const std::string& computer, const std::string& name, const std::string& bytes) override;
};

}  // namespace torva::win32
