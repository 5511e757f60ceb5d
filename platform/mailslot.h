#pragma once
// Mailslots: the runtime receives remote messages; runtimes and script runners send them.
// Payloads are raw bytes (Shift-JIS at this edge).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace torva::platform {

struct MailslotInfo {
    uint32_t nextSize = 0;      // size of the next message; kNoMessage when none is waiting
    uint32_t messageCount = 0;  // messages waiting
    static constexpr uint32_t kNoMessage = 0xFFFFFFFF;
};

class MailslotReceiver {
public:
    virtual ~MailslotReceiver() = default;
    virtual std::optional<MailslotInfo> Poll() = 0;
    virtual std::optional<std::string> Read(uint32_t size) = 0;
};

struct MailslotOpen {
    std::unique_ptr<MailslotReceiver> receiver;  // empty when the slot could not be created
    bool alreadyExists = false;                  // another process holds the name
};

class Mailslots {
public:
    virtual ~Mailslots() = default;
    // Creates "\\.\mailslot\" + name.
    virtual MailslotOpen Create(const std::string& name) = 0;
    // One write of the bytes to "\\" + computer + "\mailslot\" + name, nothing appended.
    virtual bool Write(const std::string& computer, const std::string& name, const std::string& bytes) = 0;
};

}  // namespace torva::platform
