// Reading (with validation), writing and encoding a full definition: 99 pages in display mode 9 with
// every slot used. The file checks go to an in-memory machine, so the figures are the reader's and the
// writer's own. Run in an optimised build without sanitizers (run_bench.sh) for meaningful figures.
#include <benchmark/benchmark.h>

#include <memory>

#include "common/cp932.h"
#include "definition/definition_reader.h"
#include "definition/definition_writer.h"
#include "tests/unit/definition/definition_fixture.h"
#include "tests/unit/definition/model_generator.h"

namespace {

using namespace torva::definition;

struct FullDefinition {
    FullDefinition() {
        torva::testing::ModelGenerator generator(99);
        generator.FillFull(*fixture.def);
        bytes = torva::Utf8ToCp932(fixture.Write());
    }
    torva::testing::DefinitionFixture fixture;
    std::string bytes;
};

FullDefinition& Full() {
    static FullDefinition full;
    return full;
}

void ReadAndValidate(benchmark::State& state, ReaderKind kind) {
    FullDefinition& full = Full();
    auto def = std::make_unique<MenuDefinition>();
    const ReaderContext context{ReaderPolicy::For(kind), full.fixture.folders, full.fixture.files,
                                torva::testing::kDefinitionPath};
    for (auto _ : state) {
        const ReadResult result = readDefinitionBytes(full.bytes, *def, context);
        if (!result.ok()) state.SkipWithError("the full definition did not read cleanly");
        benchmark::DoNotOptimize(def->pages[98].buttons[23].caption.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * full.bytes.size()));
    state.counters["file_bytes"] = static_cast<double>(full.bytes.size());
}

void BM_ReadRuntime(benchmark::State& state) {
    ReadAndValidate(state, ReaderKind::Runtime);
}
void BM_ReadEditor(benchmark::State& state) {
    ReadAndValidate(state, ReaderKind::Editor);
}

void BM_WriteText(benchmark::State& state) {
    FullDefinition& full = Full();
    for (auto _ : state) {
        std::string text = definitionText(*full.fixture.def, full.fixture.folders);
        benchmark::DoNotOptimize(text.data());
    }
}

void BM_WriteEncoded(benchmark::State& state) {
    FullDefinition& full = Full();
    for (auto _ : state) {
        const torva::Cp932Encoded encoded =
            torva::EncodeCp932(definitionText(*full.fixture.def, full.fixture.folders));
        benchmark::DoNotOptimize(encoded.bytes.data());
    }
}

BENCHMARK(BM_ReadRuntime)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteEncoded)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
