// The account list through the real CUserList and registry layer: loading it from the store, saving
// it back (one transaction), and both in a row, as every change in the main dialog does.
#include "bench/BenchAccounts.h"
#include "bench/BenchStore.h"
#include "bench/MainDialogHost.h"
#include "platform/registry/store.h"
#include "store/UserList.h"

#include <benchmark/benchmark.h>

#include <string>

#ifndef _WIN32
#include <fstream>
#include <malloc.h>
#endif

namespace {

#ifdef _WIN32
// The store on Windows is the system's registry, whose memory is not the process's, and Windows keeps
// no peak that can be started afresh: no peak is reported there.
void ReleaseStoreMemory() {}
void ResetPeakResident() {}
void ReportPeakResident(benchmark::State&) {}
#else
// What writing the store cost is given back, as a program that finds its store written already.
void ReleaseStoreMemory() {
    vexor::registry::closeStore();
    malloc_trim(0);
}

// Linux keeps the process's peak resident size (VmHWM); writing 5 to clear_refs starts it afresh, so
// that the peak of one phase can be told apart from what came before it.
void ResetPeakResident() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

void ReportPeakResident(benchmark::State& state) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            state.counters["peak_MB"] = std::stod(line.substr(6)) / 1024.0;
    }
}
#endif

// Runs measure on the list of a main dialog opened on a store of state.range(0) accounts, then checks
// that list and store still hold them all: a run that lost accounts measured nothing worth reporting.
// Reports the process's peak resident size during the run.
template <typename Measure> void RunOnList(benchmark::State& state, Measure measure) {
    const int nAccounts = static_cast<int>(state.range(0));
    CBenchStore store;
    if (!WriteBenchAccounts(nAccounts)) {
        state.SkipWithError("the accounts could not be written");
        return;
    }
    int nRows = -1;
    ReleaseStoreMemory();
    ResetPeakResident();
    const bool bShown = WithMainDialog([&](CUserList& list) {
        measure(state, list);
        nRows = list.GetItemCount();
    });
    // The whole process at its peak while the dialog loaded and the benchmark ran, not while the
    // store was written for it.
    ReportPeakResident(state);
    if (!bShown)
        state.SkipWithError("the main dialog did not come up");
    else if (nRows != nAccounts || CountStoredAccounts() != nAccounts)
        state.SkipWithError("accounts went missing");
    state.SetItemsProcessed(state.iterations() * nAccounts);
}

void BM_LoadUsers(benchmark::State& state) {
    RunOnList(state, [](benchmark::State& s, CUserList& list) {
        for (auto _ : s)
            list.LoadUsers();
    });
}

void BM_SaveUsers(benchmark::State& state) {
    RunOnList(state, [](benchmark::State& s, CUserList& list) {
        for (auto _ : s)
            list.SaveUsers();
    });
}

void BM_LoadSave(benchmark::State& state) {
    RunOnList(state, [](benchmark::State& s, CUserList& list) {
        for (auto _ : s) {
            list.SaveUsers();
            list.LoadUsers();
        }
    });
}

// What the main dialog does after one password was changed: the save still walks all rows and makes
// all its registry calls, but only the one value differs from the store.
void BM_SaveOneChange(benchmark::State& state) {
    RunOnList(state, [](benchmark::State& s, CUserList& list) {
        int nChange = 0;
        for (auto _ : s) {
            list.SetItemText(0, UserColumnPassword, ("changed " + std::to_string(++nChange)).c_str());
            list.SaveUsers();
        }
    });
}

// Wine's registry takes seconds for 10,000 accounts; 100,000 would take the Windows run hours.
void AccountCounts(benchmark::internal::Benchmark* bench) {
    bench->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
#ifndef _WIN32
    bench->Arg(100000);
#endif
}

} // namespace

BENCHMARK(BM_LoadUsers)->Apply(AccountCounts);
BENCHMARK(BM_SaveUsers)->Apply(AccountCounts);
BENCHMARK(BM_LoadSave)->Apply(AccountCounts);
BENCHMARK(BM_SaveOneChange)->Arg(10000)->Unit(benchmark::kMillisecond);
