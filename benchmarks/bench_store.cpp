// Speed of reading the reminders and filling the list with them.
#include "benchmarks/BenchSupport.h"
#include "core/Clock.h"
#include "database/Connection.h"
#include "formats/DateFormats.h"
#include "ui/ReminderListModel.h"

#include <QApplication>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <map>

using namespace vestrona;

namespace {

bench::FilledDatabase &database(int count)
{
    static std::map<int, std::unique_ptr<bench::FilledDatabase>> cache;
    auto &slot = cache[count];
    if (!slot)
        slot = std::make_unique<bench::FilledDatabase>(count);
    return *slot;
}

void BM_OrderedSelect(benchmark::State &state)
{
    auto &db = database(int(state.range(0)));
    Connection conn(RegionalSettings::usEnglish());
    conn.Open(db.path());
    for (auto _ : state) {
        auto rows = conn.orderedRows();
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_OrderedSelect)->Arg(100000)->Unit(benchmark::kMillisecond);

// What listReminders costs: the read, the model reset, and the view laying
// out its visible rows.
void BM_ListFill(benchmark::State &state)
{
    auto &db = database(int(state.range(0)));
    Connection conn(RegionalSettings::usEnglish());
    conn.Open(db.path());
    const SystemClock clock;
    ReminderListModel model(RegionalSettings::usEnglish(), clock);
    QTreeView view;
    view.setUniformRowHeights(true);
    view.setModel(&model);
    view.resize(520, 121);
    view.show();
    for (auto _ : state) {
        model.load(conn, QString::fromLatin1(kMonthFirstPattern));
        view.doItemsLayout();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ListFill)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
