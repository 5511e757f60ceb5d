// Whatever bytes arrive in the mailslot, the receiver starts at most one program, presses only a
// button inside the model, and leaves no remote press pending.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "common/cp932.h"
#include "runtime/activation/button_activation.h"
#include "runtime/activation/polling.h"
#include "tests/unit/activation/fakes.h"

using namespace torva;
using namespace torva::activation;

namespace {

struct World {
    World() {
        files.current = "C:\\TORVA";
        processes.files = &files;
        def->displayMode = 9;
        def->buttonsPerPage = 24;
        for (int p = 1; p <= definition::kPageCount; ++p) {
            auto& page = def->Page(p);
            page.defined = (p % 7) != 0;
            page.pageWaitMode = static_cast<uint8_t>(p % 5);
            for (int b = 1; b <= definition::kMaxButtons; ++b) {
                auto& button = page.Button(b);
                button.action = definition::ButtonAction::Run;
                button.program = "C:\\p" + std::to_string(p) + "_" + std::to_string(b) + ".exe";
                button.runOption = static_cast<uint8_t>(b % 5);
            }
        }
    }
    std::unique_ptr<definition::MenuDefinition> def = std::make_unique<definition::MenuDefinition>();
    ActivationState state;
    activation::testing::FakeProcesses processes;
    activation::testing::FakeFileSystem files;
    activation::testing::FakeRegistry registry;
    activation::testing::FakePower power;
    activation::testing::FakeMailslots mailslots;
    activation::testing::FakeSystem system;
    ErrorState error;
    ActivationServices services{processes, files, registry,    power, mailslots,
                                system,    error, "C:\\TORVA", true};
    activation::testing::FakeWindow window;
    ButtonActivation handler{*def, state, services, window};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static World world;
    const std::string message = Cp932ToUtf8(std::string(reinterpret_cast<const char*>(data), size));
    const std::size_t startedBefore = world.processes.started.size();
    HandleMailslotMessage(message, world.state, world.processes, "C:\\TORVA",
                          [](int button) { world.handler.Activate(button); });
    if (world.processes.started.size() > startedBefore + 1) std::abort();
    if (world.state.remotePress.IsSet()) std::abort();
    if (world.state.running.Count() > kRunningListCapacity) std::abort();
    if (!world.mailslots.sent.empty() || !world.power.calls.empty()) std::abort();
    // Keep the fake's record small across a long run.
    if (world.processes.started.size() > 1000) world.processes.started.clear();
    if (world.files.folderChanges.size() > 1000) world.files.folderChanges.clear();
    if (world.state.running.IsFull()) world.state.running.Clear();
    return 0;
}
