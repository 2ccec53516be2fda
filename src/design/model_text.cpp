#include "design/model_text.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <string_view>

#include "design/sheet_properties.h"
#include "project/project_model.h"
#include "records/number_format.h"
#include "records/text_lines.h"

namespace kirvos {

namespace {

// Positions closer than this (mm) are the same place.
constexpr double kSamePlace = 0.5;
constexpr const char* kRigidEnd = "6111111";  // member end without release
constexpr const char* kPinned = "6111110";    // all restrained or shared except rotation about z

// A span record that takes part in the loading: its range and its own load case offset.
struct LoadedRange {
    double start;
    double end;
    int counter;
};

// What the load writers need, derived once from the model.
class LoadContext {
public:
    explicit LoadContext(const KAIKKI_data& model) : model_(model) {
        const JanneVektori& spans = model.Spans;
        const int last = spans.Count() - 1;
        double start = 0.0;
        for (int i = 0; i <= last; ++i) {
            const double length = spans.Real(i, 0);
            const bool cantilever = i == 0 || i == last;
            if (!cantilever || length > 0.0) {
                ranges_.push_back({start, start + length, static_cast<int>(ranges_.size())});
            }
            start += length;
        }
        // The last range reaches a little further so that loads ending on the sheeting end belong to it.
        if (!ranges_.empty()) ranges_.back().end += kSamePlace;

        const DOFlukuvektori& points = model.Elements.Breakpoints;
        intervals_.assign(points.Count() > 0 ? points.Count() - 1 : 0, {});
        const ElementtiVektori& elements = model.Elements;
        for (int e = 0; e < elements.Count(); ++e) {
            const double a = elements.Real(e, ElementtiVektori::kStart);
            const double b = elements.Real(e, ElementtiVektori::kEnd);
            const auto& values = points.AllValues();
            const auto it = std::lower_bound(values.begin(), values.end(), a);
            if (it == values.end() || *it != a) continue;
            const std::size_t j = static_cast<std::size_t>(it - values.begin());
            if (j + 1 < values.size() && values[j + 1] == b) intervals_[j].push_back(e);
        }
        slopeCos_ = std::cos(model.RoofSlope * std::numbers::pi / 180.0);
    }

    const std::vector<LoadedRange>& Ranges() const { return ranges_; }
    // Elements running exactly from division point j to j + 1, in element order (parallel
    // elements of overlapping parts share this interval).
    const std::vector<std::vector<int>>& Intervals() const { return intervals_; }
    double Point(int j) const { return model_.Elements.Breakpoints[j]; }
    double SlopeCos() const { return slopeCos_; }

private:
    const KAIKKI_data& model_;
    std::vector<LoadedRange> ranges_;
    std::vector<std::vector<int>> intervals_;
    double slopeCos_ = 1.0;
};

int LoadCaseOf(int kind, const LoadedRange& range) {
    if (kind == 0) return 2;
    if (kind == 1) return 101 + range.counter;
    if (kind == 2) return 201 + range.counter;
    return kind + 298;
}

int WindCases(const KAIKKI_data& model) {
    // The coefficient table holds four cases; a count from a file outside 1..4 is held inside it.
    return std::clamp(model.Loads.WindCaseCount, 1, 4);
}

// "load;load case;kind;type;node or member;2;": every load of the text acts along global y.
std::string LoadLineStart(int load, int loadCase, const char* kindAndType, int target) {
    std::string line;
    AppendInt(line, load);
    line += ';';
    AppendInt(line, loadCase);
    line += kindAndType;
    AppendInt(line, target);
    line += ";2;";
    return line;
}

std::string TrapezoidLine(int load, int loadCase, int element, double q1, double q2, double a, double b) {
    std::string line = LoadLineStart(load, loadCase, ";2;3;", element);
    AppendReal(line, q1, 5);
    line += ';';
    AppendReal(line, q2, 5);
    line += ';';
    AppendReal(line, a, 3);
    line += ';';
    AppendReal(line, b, 3);
    return line;
}

}  // namespace

LoadSlopeFactors SlopeFactorsOf(int kind, double slopeCos) {
    if (kind == 0) return {slopeCos, slopeCos};
    if (kind == 1 || kind == 2) return {slopeCos * slopeCos, slopeCos};
    return {1.0, 1.0};
}

namespace {

int BasicLoads(const KAIKKI_data& model, const LoadContext& context, std::vector<std::string>& lines, int kind,
               int next) {
    const KuormaVektori& loads = model.Loads;
    const double c = context.SlopeCos();
    double q = 0.0;
    if (kind == 0) {
        q = -c * loads.DeadLoad;
    } else if (kind == 1) {
        q = -c * c * loads.SnowLoad * loads.SnowShapeFactor;
    } else if (kind == 2) {
        q = -c * c * loads.ImposedLoad;
    } else if (kind - 3 < 4) {
        q = -loads.WindLoad * loads.WindCoefficients[kind - 3];
    }
    if (q == 0.0) return next;
    const ElementtiVektori& elements = model.Elements;
    const auto& intervals = context.Intervals();
    for (const LoadedRange& range : context.Ranges()) {
        const int loadCase = LoadCaseOf(kind, range);
        for (std::size_t j = 0; j < intervals.size(); ++j) {
            if (intervals[j].empty()) continue;
            if (!(context.Point(static_cast<int>(j)) >= range.start && context.Point(static_cast<int>(j) + 1) <= range.end))
                continue;
            // Parallel elements of overlapping parts carry the strip's load in equal shares.
            const double share = q / static_cast<double>(intervals[j].size());
            for (const int e : intervals[j]) {
                const double length = elements.Real(e, ElementtiVektori::kEnd) - elements.Real(e, ElementtiVektori::kStart);
                lines.push_back(TrapezoidLine(next++, loadCase, elements.Int(e, ElementtiVektori::kNumber), share,
                                              share, 0.0, length));
            }
        }
    }
    return next;
}

void SurfaceLoad(const KAIKKI_data& model, const LoadContext& context, std::vector<std::string>& lines, int& next,
                 int loadCase, const LoadedRange& range, double xs, double xe, double q1, double q2) {
    if (!(xs < range.end && xe > range.start)) return;
    const ElementtiVektori& elements = model.Elements;
    const auto& intervals = context.Intervals();
    for (std::size_t j = 0; j < intervals.size(); ++j) {
        if (intervals[j].empty()) continue;
        if (!(context.Point(static_cast<int>(j)) < range.end && context.Point(static_cast<int>(j) + 1) > range.start))
            continue;
        const double w = static_cast<double>(intervals[j].size());
        for (const int e : intervals[j]) {
            const double s0 = elements.Real(e, ElementtiVektori::kStart);
            const double s1 = elements.Real(e, ElementtiVektori::kEnd);
            if (s0 >= xe || s1 <= xs) continue;
            // The load is linear from (xs, q1) to (xe, q2); cut it at the element's ends.
            const double atStart = xs < s0 ? q1 + (q2 - q1) * (s0 - xs) / (xe - xs) : q1;
            const double atEnd = xe > s1 ? q1 + (q2 - q1) * (s1 - xs) / (xe - xs) : q2;
            const double a = std::max(xs, s0) - s0;
            const double b = std::min(xe, s1) - s0;
            lines.push_back(TrapezoidLine(next++, loadCase, elements.Int(e, ElementtiVektori::kNumber), -atStart / w,
                                          -atEnd / w, a, b));
        }
    }
}

void PointLoad(const KAIKKI_data& model, std::vector<std::string>& lines, int& next, int loadCase,
               const LoadedRange& range, double xs, double force) {
    if (!(range.start <= xs && xs < range.end)) return;
    const double P = -1000.0 * force;  // kN -> N, downward
    const ElementtiVektori& elements = model.Elements;
    std::vector<int> inside;
    int node = 0;
    for (int e = 0; e < elements.Count(); ++e) {
        const double s0 = elements.Real(e, ElementtiVektori::kStart);
        const double s1 = elements.Real(e, ElementtiVektori::kEnd);
        if (s0 < xs && xs < s1) inside.push_back(e);
        if (std::fabs(s0 - xs) < kSamePlace) node = elements.Int(e, ElementtiVektori::kStartNode);
        if (std::fabs(s1 - xs) < kSamePlace) node = elements.Int(e, ElementtiVektori::kEndNode);
    }
    if (!inside.empty()) {
        const double share = P / static_cast<double>(inside.size());
        for (const int e : inside) {
            std::string line = LoadLineStart(next++, loadCase, ";2;1;", elements.Int(e, ElementtiVektori::kNumber));
            AppendReal(line, share, 1);
            line += ";0;";
            AppendReal(line, xs - elements.Real(e, ElementtiVektori::kStart), 3);
            line += ";0";
            lines.push_back(line);
        }
    } else if (node > 0) {
        std::string line = LoadLineStart(next++, loadCase, ";1;1;", node);
        AppendReal(line, P, 1);
        line += ";0;0;0";
        lines.push_back(line);
    }
}

int AdditionalLoads(const KAIKKI_data& model, const LoadContext& context, std::vector<std::string>& lines, int kind,
                    int next) {
    const KuormaVektori& loads = model.Loads;
    const LoadSlopeFactors slope = SlopeFactorsOf(kind, context.SlopeCos());
    const double surfaceFactor = slope.surface;
    const double pointFactor = slope.point;
    for (const LoadedRange& range : context.Ranges()) {
        const int loadCase = LoadCaseOf(kind, range);
        for (int r = 0; r < loads.Count(); ++r) {
            if (loads.Int(r, KuormaVektori::kKind) != kind) continue;
            const double xs = loads.StartPosition(r, model.Spans);
            const double xe = xs + loads.Real(r, KuormaVektori::kLength);
            const double v1 = loads.Real(r, KuormaVektori::kValue1);
            const double v2 = loads.Real(r, KuormaVektori::kValue2);
            const int type = loads.Int(r, KuormaVektori::kType);
            if (type == 0) {
                SurfaceLoad(model, context, lines, next, loadCase, range, xs, xe, v1 * surfaceFactor,
                            v2 * surfaceFactor);
            } else if (type == 1) {
                PointLoad(model, lines, next, loadCase, range, xs, v1 * pointFactor);
            }
        }
    }
    return next;
}

void Append(std::vector<std::string>& lines, std::initializer_list<std::string_view> parts) {
    std::string line;
    for (const std::string_view p : parts) line += p;
    lines.push_back(std::move(line));
}

}  // namespace

int WriteBasicLoads(const KAIKKI_data& model, std::vector<std::string>& lines, int kind, int nextLoad) {
    return BasicLoads(model, LoadContext(model), lines, kind, nextLoad);
}

int WriteAdditionalLoads(const KAIKKI_data& model, std::vector<std::string>& lines, int kind, int nextLoad) {
    return AdditionalLoads(model, LoadContext(model), lines, kind, nextLoad);
}

void WriteModelText(const KAIKKI_data& model, std::vector<std::string>& lines) {
    lines.clear();
    const ElementtiVektori& elements = model.Elements;
    const PiirtoOsatVektori& parts = model.SheetParts;
    const int count = elements.Count();

    // Nodes: each node once, at the x of the first element end that names it.
    lines.push_back(GroupHeader(101));
    std::vector<bool> written;
    auto writeNode = [&](int node, double x) {
        if (node < 0) return;
        if (static_cast<std::size_t>(node) >= written.size()) written.resize(static_cast<std::size_t>(node) + 1, false);
        if (written[static_cast<std::size_t>(node)]) return;
        written[static_cast<std::size_t>(node)] = true;
        Append(lines, {FormatInt(node), ";", FormatReal(x, 3), ";0;0"});
    };
    for (int e = 0; e < count; ++e) {
        writeNode(elements.Int(e, ElementtiVektori::kStartNode), elements.Real(e, ElementtiVektori::kStart));
        writeNode(elements.Int(e, ElementtiVektori::kEndNode), elements.Real(e, ElementtiVektori::kEnd));
    }

    // Members: material and section numbers are the part number.
    lines.push_back(GroupHeader(201));
    for (int e = 0; e < count; ++e) {
        const std::string part = FormatInt(elements.Int(e, ElementtiVektori::kPart));
        Append(lines, {FormatInt(elements.Int(e, ElementtiVektori::kNumber)), ";",
                       FormatInt(elements.Int(e, ElementtiVektori::kStartNode)), ";",
                       FormatInt(elements.Int(e, ElementtiVektori::kEndNode)), ";", part, ";", part, ";", kRigidEnd,
                       ";", kRigidEnd, ";0;0;0"});
    }

    // Supports: pinned, on a node of a chain that is not coupled to another at that x.
    lines.push_back(GroupHeader(301));
    DOFlukuvektori supportX(20, 20);
    supportX.SetTolerance(kSamePlace);
    for (int k = 0; k + 1 < model.Spans.Count(); ++k) supportX.Add(model.Spans.SupportPosition(k));
    int supportNumber = 0;
    for (int i = 0; i < supportX.Count(); ++i) {
        const double x = supportX[i];
        int node = 0;
        for (int e = 0; e < count && node == 0; ++e) {
            if (std::fabs(elements.Real(e, ElementtiVektori::kStart) - x) < kSamePlace &&
                elements.Int(e, ElementtiVektori::kStartPartner) == 0)
                node = elements.Int(e, ElementtiVektori::kStartNode);
        }
        for (int e = 0; e < count && node == 0; ++e) {
            if (std::fabs(elements.Real(e, ElementtiVektori::kEnd) - x) < kSamePlace &&
                elements.Int(e, ElementtiVektori::kEndPartner) == 0)
                node = elements.Int(e, ElementtiVektori::kEndNode);
        }
        if (node > 0) Append(lines, {FormatInt(++supportNumber), ";", FormatInt(node), ";", kPinned});
    }

    // Loads.
    lines.push_back(GroupHeader(401));
    const LoadContext context(model);
    int next = 1;
    const double slopeCos = context.SlopeCos();
    for (int e = 0; e < count; ++e) {
        double q = SheetWeight(model, elements.Int(e, ElementtiVektori::kPart), 2) * -slopeCos;
        // Every element keeps a self weight line, so load case 1 always exists.
        if (q == 0.0) q = -0.1;
        const double length = elements.Real(e, ElementtiVektori::kEnd) - elements.Real(e, ElementtiVektori::kStart);
        lines.push_back(TrapezoidLine(next++, 1, elements.Int(e, ElementtiVektori::kNumber), q, q, 0.0, length));
    }
    const int lastKind = 2 + WindCases(model);
    for (int kind = 0; kind <= lastKind; ++kind) {
        next = BasicLoads(model, context, lines, kind, next);
        if (model.Loads.CountLoads(kind, -1) > 0) next = AdditionalLoads(model, context, lines, kind, next);
    }

    // Materials and sections, numbered by part: E = 210000 N/mm2, G = 80000 N/mm2; I in mm4 per metre.
    lines.push_back(GroupHeader(501));
    for (int p = 0; p < parts.Count(); ++p) {
        if (!parts.IsPart(p)) continue;
        Append(lines, {"1;", FormatInt(parts.Int(p, PiirtoOsatVektori::kNumber)), ";210000.0;80000.0;1;1;1;1;1;1;1;1"});
    }
    lines.push_back(GroupHeader(601));
    for (int p = 0; p < parts.Count(); ++p) {
        if (!parts.IsPart(p)) continue;
        const int number = parts.Int(p, PiirtoOsatVektori::kNumber);
        const std::string inertia = FormatReal(SectionStiffness(model, number), 1);
        Append(lines, {"2;", FormatInt(number), ";", inertia, ";", inertia, ";", inertia,
                       ";1000.0;0.0;1000.0;1000.0;0;0;0"});
    }

    // Couplings: each dependent node once, hinged to its partner in the earlier part.
    bool anyPartner = false;
    for (int e = 0; e < count && !anyPartner; ++e) {
        anyPartner = elements.Int(e, ElementtiVektori::kStartPartner) != 0 || elements.Int(e, ElementtiVektori::kEndPartner) != 0;
    }
    if (anyPartner) {
        lines.push_back(GroupHeader(701));
        std::vector<bool> coupled;
        int coupling = 0;
        auto couple = [&](int node, int partner) {
            if (partner <= 0 || node < 0) return;
            if (static_cast<std::size_t>(node) >= coupled.size()) coupled.resize(static_cast<std::size_t>(node) + 1, false);
            if (coupled[static_cast<std::size_t>(node)]) return;
            coupled[static_cast<std::size_t>(node)] = true;
            Append(lines, {FormatInt(++coupling), ";", FormatInt(node), ";", FormatInt(partner), ";", kPinned});
        };
        for (int e = 0; e < count; ++e) {
            couple(elements.Int(e, ElementtiVektori::kStartNode), elements.Int(e, ElementtiVektori::kStartPartner));
            couple(elements.Int(e, ElementtiVektori::kEndNode), elements.Int(e, ElementtiVektori::kEndPartner));
        }
    }
    lines.push_back(GroupHeader(999));
}

}  // namespace kirvos
