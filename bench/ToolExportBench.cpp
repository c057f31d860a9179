// vexor-reg as administrators run it: importing a .reg file of N values into an empty store, and
// exporting the same tree again. Export reads the tree in one view, a key at a time below its
// parent: it should take no longer than the import of the same data.
#include "bench/BenchStore.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

constexpr int kValuesPerKey = 1000;

// N values in keys of kValuesPerKey, as an account store of many accounts would hold them.
std::string WriteRegFile(const std::string& strPath, int nValues) {
    std::ofstream file(strPath, std::ios::binary);
    file << "REGEDIT4\n";
    for (int i = 0; i < nValues; ++i) {
        if (i % kValuesPerKey == 0)
            file << "\n[HKEY_CLASSES_ROOT\\Bench\\Key" << i / kValuesPerKey << "]\n";
        file << "\"Value" << i << "\"=\"data of value " << i << "\"\n";
    }
    return strPath;
}

double RunSeconds(const std::string& strCommand) {
    const auto start = std::chrono::steady_clock::now();
    if (std::system((strCommand + " > /dev/null").c_str()) != 0)
        throw std::runtime_error("failed: " + strCommand);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_ToolImportThenExport(benchmark::State& state, bool bExport) {
    const int nValues = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CBenchStore store;
        const std::string strIn = WriteRegFile(store.Path() + ".in.reg", nValues);
        const double importSeconds = RunSeconds(std::string(VEXOR_REG_PATH) + " import " + strIn);
        const double exportSeconds =
            bExport ? RunSeconds(std::string(VEXOR_REG_PATH) + " export HKCR\\\\Bench " + store.Path() + ".out.reg /y") : 0;
        state.SetIterationTime(bExport ? exportSeconds : importSeconds);
    }
    state.counters["values"] = nValues;
}

void BM_ToolImport(benchmark::State& state) {
    BM_ToolImportThenExport(state, false);
}

void BM_ToolExport(benchmark::State& state) {
    BM_ToolImportThenExport(state, true);
}

} // namespace

BENCHMARK(BM_ToolImport)->Arg(10000)->Arg(1000000)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToolExport)->Arg(10000)->Arg(1000000)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
