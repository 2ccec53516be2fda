// Cost of the table primitives every layer leans on: appending records, reading fields back,
// parsing record lines and writing a sectioned text group by group.

#include <string>

#include <benchmark/benchmark.h>

#include "records/record_vector.h"
#include "records/sectioned_text.h"

namespace {

// The shape of an envelope sample: one text, two integers, six reals.
class SampleTable : public kirvos::DOFvektori {
public:
    SampleTable() : DOFvektori(20, 20) { DefineFields(1, 2, 6); }
};

void BM_AddRecords(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    const double reals[6] = {1, 2, 3, 4, 5, 6};
    const int integers[2] = {7, 8};
    for (auto _ : state) {
        SampleTable table;
        for (int i = 0; i < records; ++i) table.Add(nullptr, reals, integers);
        benchmark::DoNotOptimize(table.Count());
    }
    state.SetItemsProcessed(state.iterations() * records);
}
BENCHMARK(BM_AddRecords)->Arg(1000)->Arg(10000);

void BM_ReadFields(benchmark::State& state) {
    SampleTable table;
    const double reals[6] = {1, 2, 3, 4, 5, 6};
    for (int i = 0; i < 10000; ++i) table.Add(nullptr, reals, nullptr);
    for (auto _ : state) {
        double sum = 0.0;
        for (int i = 0; i < table.Count(); ++i) sum += table.Real(i, 3) + table.Int(i, 1);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * table.Count());
}
BENCHMARK(BM_ReadFields);

void BM_ReadLine(benchmark::State& state) {
    for (auto _ : state) {
        SampleTable table;
        for (int i = 0; i < 1000; ++i) table.ReadLine("Envelope;12;3;1250,5;-3.25e3;0;0.001;7;8");
        benchmark::DoNotOptimize(table.Count());
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_ReadLine);

void BM_AppendLineGroupByGroup(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    for (auto _ : state) {
        kirvos::CSVTiedosto text;
        for (int group = 101; group <= 110; ++group) {
            for (int i = 0; i < lines / 10; ++i) text.AppendLine(group, "1;2;3;4;5;6");
        }
        benchmark::DoNotOptimize(text.TotalLines());
    }
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_AppendLineGroupByGroup)->Arg(5000);

}  // namespace
