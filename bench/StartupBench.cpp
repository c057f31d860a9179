// Start-up as the program does it: the application object's checks of the store, then the main
// dialog created, filled and shown, on a store of 100 accounts without a protection setting (so no
// login comes first). The clock stops when the dialog is up; closing it is not part of the measure.
// The process's own start (loading Qt, creating the QApplication) happens once and is not included.
#include "app/AccessManagerApp.h"
#include "bench/BenchAccounts.h"
#include "bench/BenchStore.h"
#include "dialogs/AccessManagerDlg.h"
#include "platform/registry/store.h"
#include "platform/ui/qt/modal_hook.h"

#include <benchmark/benchmark.h>

#include <utility>

namespace {

constexpr int kStartupAccounts = 100;

// One start-up from a closed store; true when the main dialog came up.
bool StartOnce(benchmark::State& state) {
    vexor::registry::closeStore();
    bool bShown = false;
    vexor::ui::qt::ModalHook previous =
        vexor::ui::qt::setModalHook([&](const vexor::ui::qt::ModalInfo& info) {
            if (info.templateId == CAccessManagerDlg::IDD && !bShown) {
                bShown = true;
                state.PauseTiming();
            }
            info.abort();
        });
    {
        CAccessManagerApp app;
        app.InitInstance();
    }
    vexor::ui::qt::setModalHook(std::move(previous));
    return bShown;
}

void BM_Startup(benchmark::State& state) {
    CBenchStore store;
    if (!WriteBenchAccounts(kStartupAccounts)) {
        state.SkipWithError("the accounts could not be written");
        return;
    }
    for (auto _ : state) {
        if (!StartOnce(state)) {
            state.SkipWithError("the main dialog did not come up");
            break;
        }
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_Startup)->Unit(benchmark::kMillisecond);
