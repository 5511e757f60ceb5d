// Reading (with validation), writing and encoding a full definition: 99 pages in display mode 9 with
// every slot used. Built natively and as a Windows program, each with the code page conversion it
// ships with (the native codec; the system's under Windows), and run in an optimised build without
// sanitizers (scripts/bench.sh) for meaningful figures. The file checks are answered from a recording
// of the same read (ReplayFileSystem), so the figures are the reader's and the writer's own.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "common/cp932.h"
#include "definition/definition_reader.h"
#include "definition/definition_writer.h"
#include "tests/bench/definition/replay_file_system.h"
#include "tests/bench/harness/bench_harness.h"
#include "tests/unit/definition/definition_fixture.h"
#include "tests/unit/definition/model_generator.h"

namespace {

using namespace torva::definition;
namespace bench = torva::testing::bench;
using torva::testing::ReplayFileSystem;

#ifdef _WIN32
constexpr const char* kBuild = "Windows build, the system's code page conversion";
#else
constexpr const char* kBuild = "native build, the portable codec";
#endif

// A reader of one kind with the file checks of its reads recorded once.
class TimedReader {
  public:
    TimedReader(const torva::testing::DefinitionFixture& fixture, ReaderKind kind, const std::string& bytes)
        : replay_(fixture.files),
          context_{ReaderPolicy::For(kind), fixture.folders, replay_, torva::testing::kDefinitionPath},
          bytes_(bytes) {
        replay_.Record();
        ok_ = readDefinitionBytes(bytes_, *def_, context_).ok();
    }

    bool Run() {
        replay_.Rewind();
        const ReadResult result = readDefinitionBytes(bytes_, *def_, context_);
        bench::KeepAlive(*def_);
        return ok_ && result.ok() && replay_.Departures() == 0;
    }

    std::size_t Checks() const { return replay_.Recorded(); }

  private:
    ReplayFileSystem replay_;
    ReaderContext context_;
    const std::string& bytes_;
    std::unique_ptr<MenuDefinition> def_ = std::make_unique<MenuDefinition>();
    bool ok_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    const bench::Options options = bench::ParseOptions(argc, argv);
    torva::testing::DefinitionFixture fixture;
    torva::testing::ModelGenerator(99).FillFull(*fixture.def);
    const std::string text = fixture.Write();
    const std::string bytes = torva::Utf8ToCp932(text);
    TimedReader runtime(fixture, ReaderKind::Runtime, bytes);
    TimedReader editor(fixture, ReaderKind::Editor, bytes);
    std::printf(
        "Definition benchmark (%s)\n%zu bytes, 99 pages in display mode 9; %zu (runtime) and %zu "
        "(editor) file checks per read answered from a recording, outside the figures\n",
        kBuild, bytes.size(), runtime.Checks(), editor.Checks());

    const MenuDefinition& def = *fixture.def;
    const std::vector<bench::Case> cases = {
        {"decode", bytes.size(),
         [&] {
             const torva::Cp932Decoded decoded = torva::DecodeCp932(bytes);
             bench::KeepAlive(decoded);
             return decoded.text.size() == text.size();
         }},
        {"read-runtime", bytes.size(), [&] { return runtime.Run(); }},
        {"read-editor", bytes.size(), [&] { return editor.Run(); }},
        {"write-text", bytes.size(),
         [&] {
             const std::string written = definitionText(def, fixture.folders);
             bench::KeepAlive(written);
             return written.size() == text.size();
         }},
        {"encode", bytes.size(),
         [&] {
             const torva::Cp932Encoded encoded = torva::EncodeCp932(text);
             bench::KeepAlive(encoded);
             return encoded.bytes.size() == bytes.size();
         }},
        {"write-file", bytes.size(),
         [&] {
             const torva::Cp932Encoded encoded = torva::EncodeCp932(definitionText(def, fixture.folders));
             bench::KeepAlive(encoded);
             return encoded.bytes.size() == bytes.size();
         }},
    };
    return bench::RunCases(cases, options);
}
