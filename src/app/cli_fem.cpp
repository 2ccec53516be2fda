// kirvos-cli fem FILE [--json OUT|-] [--samples N]: reads a frame model input text, checks and solves it,
// and prints the messages and a summary of the results, or writes them as JSON.
#include <charconv>  // std::from_chars
#include <cmath>     // std::fabs
#include <cstdio>    // std::fprintf, std::printf
#include <cstring>   // std::strcmp
#include <fstream>
#include <string>
#include <vector>

#include "app/cli_commands.h"
#include "app/cli_json.h"
#include "fem/fem_model.h"
#include "records/text_lines.h"

namespace kirvos {

namespace {

constexpr int kMaxSamples = 10000;

struct FemOptions {
    std::string file;
    std::string json;  // empty: none; "-": standard output
    int samples = 4;
};

int UsageError(const char* message) {
    std::fprintf(stderr, "kirvos-cli fem: %s (usage: kirvos-cli fem FILE [--json OUT|-] [--samples N])\n", message);
    return 2;
}

// The message lines of the model, without the group headers.
std::vector<std::string> MessageLines(const FEM_kaikki& model) {
    std::vector<std::string> lines;
    for (const std::string& line : model.MessageText.Lines()) {
        if (!IsGroupHeader(line)) lines.push_back(line);
    }
    return lines;
}

// Samples at t = i / intervals: (t, N, Vy, Vz, T, My, Mz) and (t, u, v, w).
void MemberSamples(const FEM_kaikki& model, int member, int loadCase, int intervals, double* forces,
                   double* displacements, std::vector<double>& forceSamples, std::vector<double>& displacementSamples) {
    const int count = intervals + 1;
    forceSamples.assign(static_cast<std::size_t>(count) * 7, 0.0);
    displacementSamples.assign(static_cast<std::size_t>(count) * 4, 0.0);
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / intervals;
        forceSamples[static_cast<std::size_t>(i) * 7] = t;
        displacementSamples[static_cast<std::size_t>(i) * 4] = t;
    }
    model.MemberForces(member, loadCase, forces, forceSamples.data(), count, 7);
    model.MemberDisplacements(member, loadCase, displacements, displacementSamples.data(), count, 4);
}

std::string ResultJson(const FEM_kaikki& model, int intervals) {
    JsonWriter json;
    json.BeginObject();
    json.Key("status").Integer(model.Status);
    json.Key("messages").BeginArray();
    for (const std::string& line : MessageLines(model)) json.String(line);
    json.EndArray();
    json.Key("equations").Integer(model.Status == 1 ? model.EquationCount : 0);
    json.Key("bandWidth").Integer(model.Status == 1 ? model.BandWidth : 0);
    json.Key("loadCases").BeginArray();
    const DOFlukuvektori& cases = model.Loads.LoadCases();
    for (int c = 0; model.Status == 1 && c < model.LoadVectorCount && c < cases.Count(); ++c) {
        const int loadCase = static_cast<int>(cases.Value(c));
        json.BeginObject();
        json.Key("number").Integer(loadCase);
        json.Key("nodes").BeginArray();
        for (int r = 0; r < model.NodeEquations.Count(); ++r) {
            double u[6];
            const int node = model.NodeEquations.Int(r, 0);
            model.NodeDisplacements(node, loadCase, u);
            json.BeginObject();
            json.Key("node").Integer(node);
            json.Key("displacements").Numbers(u, 6);
            json.EndObject();
        }
        json.EndArray();
        json.Key("members").BeginArray();
        std::vector<double> forceSamples;
        std::vector<double> displacementSamples;
        for (int e = 0; e < model.Elements.Count(); ++e) {
            const int member = model.Elements.Int(e, 0);
            double forces[12];
            double displacements[12];
            MemberSamples(model, member, loadCase, intervals, forces, displacements, forceSamples, displacementSamples);
            json.BeginObject();
            json.Key("member").Integer(member);
            json.Key("endForces").Numbers(forces, 12);
            json.Key("endDisplacements").Numbers(displacements, 12);
            json.Key("samples").BeginArray();
            for (int i = 0; i <= intervals; ++i) {
                const double* f = &forceSamples[static_cast<std::size_t>(i) * 7];
                const double* d = &displacementSamples[static_cast<std::size_t>(i) * 4];
                json.BeginObject();
                json.Key("t").Number(f[0]);
                json.Key("N").Number(f[1]);
                json.Key("Vy").Number(f[2]);
                json.Key("Vz").Number(f[3]);
                json.Key("T").Number(f[4]);
                json.Key("My").Number(f[5]);
                json.Key("Mz").Number(f[6]);
                json.Key("u").Number(d[1]);
                json.Key("v").Number(d[2]);
                json.Key("w").Number(d[3]);
                json.EndObject();
            }
            json.EndArray();
            json.EndObject();
        }
        json.EndArray();
        json.Key("supports").BeginArray();
        for (int s = 0; s < model.Supports.Count(); ++s) {
            const int support = model.Supports.Int(s, 0);
            double reaction[6];
            model.SupportReaction(support, loadCase, reaction);
            json.BeginObject();
            json.Key("support").Integer(support);
            json.Key("reaction").Numbers(reaction, 6);
            json.EndObject();
        }
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    return json.Text() + "\n";
}

void PrintSummary(const FEM_kaikki& model, int intervals) {
    for (const std::string& line : MessageLines(model)) std::printf("%s\n", line.c_str());
    if (model.Status != 1) {
        std::printf("status %d: the model was not solved\n", model.Status);
        return;
    }
    std::printf("solved: %d equations, band width %d, %d load cases\n", model.EquationCount, model.BandWidth,
                model.LoadVectorCount);
    const DOFlukuvektori& cases = model.Loads.LoadCases();
    std::vector<double> forceSamples;
    std::vector<double> displacementSamples;
    for (int c = 0; c < model.LoadVectorCount && c < cases.Count(); ++c) {
        const int loadCase = static_cast<int>(cases.Value(c));
        std::printf("\nload case %d\n", loadCase);
        std::printf("  %8s %14s %14s %14s %14s %14s\n", "member", "N start", "Vy start", "Mz min", "Mz max",
                    "max |v|");
        for (int e = 0; e < model.Elements.Count(); ++e) {
            const int member = model.Elements.Int(e, 0);
            double forces[12];
            double displacements[12];
            MemberSamples(model, member, loadCase, intervals, forces, displacements, forceSamples, displacementSamples);
            double mzMin = forceSamples[6];
            double mzMax = forceSamples[6];
            double vMax = 0.0;
            for (int i = 0; i <= intervals; ++i) {
                const double mz = forceSamples[static_cast<std::size_t>(i) * 7 + 6];
                mzMin = mz < mzMin ? mz : mzMin;
                mzMax = mz > mzMax ? mz : mzMax;
                const double v = std::fabs(displacementSamples[static_cast<std::size_t>(i) * 4 + 2]);
                vMax = v > vMax ? v : vMax;
            }
            std::printf("  %8d %14.3f %14.3f %14.3f %14.3f %14.6f\n", member, forceSamples[1], forceSamples[2], mzMin,
                        mzMax, vMax);
        }
        std::printf("  %8s %14s %14s %14s\n", "support", "Rx", "Ry", "Mz");
        for (int s = 0; s < model.Supports.Count(); ++s) {
            double reaction[6];
            model.SupportReaction(model.Supports.Int(s, 0), loadCase, reaction);
            std::printf("  %8d %14.3f %14.3f %14.3f\n", model.Supports.Int(s, 0), reaction[0], reaction[1], reaction[5]);
        }
    }
}

}  // namespace

int RunFemCommand(int argc, char** argv) {
    FemOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--json") {
            if (++i >= argc) return UsageError("--json needs a file name or -");
            options.json = argv[i];
        } else if (arg == "--samples") {
            if (++i >= argc) return UsageError("--samples needs a number");
            const std::string text = argv[i];
            int value = 0;
            const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
            if (parsed.ec != std::errc() || parsed.ptr != text.data() + text.size() || value < 1 ||
                value > kMaxSamples) {
                return UsageError("--samples needs a whole number from 1 to 10000");
            }
            options.samples = value;
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            return UsageError(("unknown option " + arg).c_str());
        } else if (options.file.empty()) {
            options.file = arg;
        } else {
            return UsageError("only one input file can be given");
        }
    }
    if (options.file.empty()) return UsageError("no input file");

    std::vector<std::string> lines;
    if (!ReadTextLines(options.file, lines)) {
        std::fprintf(stderr, "kirvos-cli fem: cannot read %s\n", options.file.c_str());
        return 1;
    }
    FEM_kaikki model;
    model.ReadInput("", &lines, 1);
    model.Solve();

    if (!options.json.empty()) {
        const std::string text = ResultJson(model, options.samples);
        if (options.json == "-") {
            std::fwrite(text.data(), 1, text.size(), stdout);
        } else {
            std::ofstream out(options.json, std::ios::binary);
            out << text;
            out.close();
            if (!out) {
                std::fprintf(stderr, "kirvos-cli fem: cannot write %s\n", options.json.c_str());
                return 1;
            }
            PrintSummary(model, options.samples);
        }
    } else {
        PrintSummary(model, options.samples);
    }
    if (model.Status != 1) {
        std::fprintf(stderr, "kirvos-cli fem: the model failed its checks or the solve (status %d)\n", model.Status);
        return 1;
    }
    return 0;
}

}  // namespace kirvos
