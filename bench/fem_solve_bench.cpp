// Frame solver timings on a continuous beam: Args(members, load cases). Every load case puts a uniform
// load of its own size on every member, as the design calculation does with its basic load cases.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "fem/fem_model.h"

namespace {

std::vector<std::string> ChainModel(int members, int loadCases) {
    std::vector<std::string> lines;
    char line[160];
    lines.push_back("[ ==== 101 ==== ]");
    for (int i = 0; i <= members; ++i) {
        std::snprintf(line, sizeof line, "%d;%.3f;0;0", i + 1, 1500.0 * i);
        lines.push_back(line);
    }
    lines.push_back("[ ==== 201 ==== ]");
    for (int i = 1; i <= members; ++i) {
        std::snprintf(line, sizeof line, "%d;%d;%d;1;1;6111111;6111111;0;0;0", i, i, i + 1);
        lines.push_back(line);
    }
    lines.push_back("[ ==== 301 ==== ]");
    for (int i = 0; i <= members; i += 2) {
        std::snprintf(line, sizeof line, "%d;%d;%s", i + 1, i + 1, i == 0 ? "6111110" : "6011110");
        lines.push_back(line);
    }
    lines.push_back("[ ==== 401 ==== ]");
    int number = 0;
    for (int lc = 1; lc <= loadCases; ++lc) {
        for (int i = 1; i <= members; ++i) {
            std::snprintf(line, sizeof line, "%d;%d;2;3;%d;2;%.5f;%.5f;%.3f;%.3f", ++number, lc, i, -0.001 * lc,
                          -0.001 * lc, 0.0, 1500.0);
            lines.push_back(line);
        }
    }
    lines.push_back("[ ==== 501 ==== ]");
    lines.push_back("1;1;210000.0;81000.0;1;1;1;1;1;1;1;1");
    lines.push_back("[ ==== 601 ==== ]");
    lines.push_back("2;1;1000000.0;1000000.0;1000.0;1000.0;0.0;0.0;0.0;0;0;0");
    lines.push_back("[ ==== 999 ==== ]");
    return lines;
}

void BM_ReadAndSolve(benchmark::State& state) {
    const auto lines = ChainModel(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    kirvos::FEM_kaikki model;
    for (auto _ : state) {
        model.ReadInput("", &lines, 1);
        benchmark::DoNotOptimize(model.Solve());
    }
    if (model.Status != 1) state.SkipWithError("the model did not solve");
}

void BM_Solve(benchmark::State& state) {
    const auto lines = ChainModel(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    kirvos::FEM_kaikki model;
    model.ReadInput("", &lines, 1);
    for (auto _ : state) benchmark::DoNotOptimize(model.Solve());
    if (model.Status != 1) state.SkipWithError("the model did not solve");
}

// Every member under every load case with 5 section-force samples, as an envelope pass does.
void BM_SampleAllMembers(benchmark::State& state) {
    const int members = static_cast<int>(state.range(0));
    const int loadCases = static_cast<int>(state.range(1));
    const auto lines = ChainModel(members, loadCases);
    kirvos::FEM_kaikki model;
    model.ReadInput("", &lines, 1);
    if (model.Solve() != 1) state.SkipWithError("the model did not solve");
    double forces[12];
    double samples[5 * 7];
    for (auto _ : state) {
        for (int lc = 1; lc <= loadCases; ++lc) {
            for (int m = 1; m <= members; ++m) {
                for (int s = 0; s < 5; ++s) samples[s * 7] = 0.25 * s;
                model.MemberForces(m, lc, forces, samples, 5, 7);
                benchmark::DoNotOptimize(samples);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * members * loadCases);
}

}  // namespace

BENCHMARK(BM_ReadAndSolve)->Args({1000, 50})->Args({200, 20})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Solve)->Args({1000, 50})->Args({200, 20})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SampleAllMembers)->Args({1000, 50})->Args({200, 20})->Unit(benchmark::kMillisecond);
