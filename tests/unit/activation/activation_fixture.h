#pragma once
// A menu definition, the activation state and the fakes wired together.

#include <gtest/gtest.h>

#include <memory>

#include "runtime/activation/button_activation.h"
#include "tests/unit/activation/fakes.h"

namespace torva::activation::testing {

class ActivationTest : public ::testing::Test {
  protected:
    ActivationTest() {
        files.current = "C:\\TORVA";
        processes.files = &files;
        def->Page(1).defined = true;
        def->Page(3).defined = true;
    }

    definition::MenuButton& Button(int page, int n) { return def->Page(page).Button(n); }

    definition::MenuButton& RunButton(int page, int n, const std::string& program, int runOption = 0) {
        auto& b = Button(page, n);
        b.action = definition::ButtonAction::Run;
        b.program = program;
        b.runOption = static_cast<uint8_t>(runOption);
        return b;
    }

    void Click(int button) { handler.Activate(button); }
    void RemotePress(int page, int button) {
        state.remotePress.Set(page);
        handler.Activate(button);
    }

    std::unique_ptr<definition::MenuDefinition> def = std::make_unique<definition::MenuDefinition>();
    ActivationState state;
    FakeProcesses processes;
    FakeFileSystem files;
    FakeRegistry registry;
    FakePower power;
    FakeMailslots mailslots;
    FakeSystem system;
    ErrorState error;
    ActivationServices services{processes, files, registry,    power, mailslots,
                                system,    error, "C:\\TORVA", true};
    FakeWindow window;
    ButtonActivation handler{*def, state, services, window};
};

}  // namespace torva::activation::testing
