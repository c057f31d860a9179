// The benchmarks open the real main dialog, so they start as the program does. With Qt that is a
// QApplication; without a display it uses the offscreen platform, so the benchmarks run the same on a
// desktop, a server and in CI. On Windows it is the common controls the manifest asks for.
#include <benchmark/benchmark.h>

#ifdef _WIN32
#include <windows.h>

#include <commctrl.h>
#else
#include <QApplication>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
#else
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
