#include "design/element_builder.h"

#include "project/project_model.h"

namespace kirvos {

namespace {

// Joint zones end 25 mm inside the overlap; long support pieces are divided 25 mm inside their ends.
constexpr double kPieceMargin = 25.0;
// Guard against a joint layout that never advances.
constexpr int kMaxJointZones = 100;

void AddJointZones(KAIKKI_data& model, DOFlukuvektori& points, double total) {
    double p = 0.0;
    double zoneEnd = 0.0, zoneStart = 0.0, a = 0.0, b = 0.0;
    model.NextJoint(p, zoneEnd, zoneStart, a, b, 0);
    for (int zones = 0; zoneEnd <= total && zoneEnd > p && zones < kMaxJointZones; ++zones) {
        points.Add(p);
        points.Add(zoneEnd);
        p = zoneStart;
        model.NextJoint(p, zoneEnd, zoneStart, a, b, 0);
    }
}

void AddLongPieces(const KAIKKI_data& model, DOFlukuvektori& points, double total) {
    const JanneVektori& spans = model.Spans;
    const TukiVektori& supports = model.Supports;
    const int last = spans.Count() - 2;
    for (int k = 0; k <= last; ++k) {
        if (supports.Int(k, 0) != 2) continue;
        const double w = supports.Real(k, 1);
        const double x = spans.SupportPosition(k);
        if (k == 0) {
            const double v = supports.Real(0, 0);
            const double cantilever = spans.Real(0, 0);
            if (v / 2.0 > cantilever) {
                points.Add(0.0);
                points.Add(w - v / 2.0 - kPieceMargin);
                continue;
            }
            if (w / 2.0 > cantilever) {
                points.Add(kPieceMargin);
                points.Add(w - kPieceMargin);
                continue;
            }
        } else if (k == last) {
            const double v = supports.Real(supports.Count() - 1, 0);
            const double cantilever = spans.Real(spans.Count() - 1, 0);
            if (v / 2.0 > cantilever) {
                points.Add(total - (w - v / 2.0 - kPieceMargin));
                points.Add(total);
                continue;
            }
            if (w / 2.0 > cantilever) {
                points.Add(total - (w - kPieceMargin));
                points.Add(total - kPieceMargin);
                continue;
            }
        }
        points.Add(x - w / 2.0 + kPieceMargin);
        points.Add(x + w / 2.0 - kPieceMargin);
    }
}

}  // namespace

void BuildElements(KAIKKI_data& model) {
    ElementtiVektori& elements = model.Elements;
    DOFlukuvektori& points = elements.Breakpoints;
    elements.Clear();
    points.Clear();

    const JanneVektori& spans = model.Spans;
    const double total = spans.TotalLength();
    points.Add(0.0);
    for (int k = 0; k + 1 < spans.Count(); ++k) points.Add(spans.SupportPosition(k));
    points.Add(total);
    AddJointZones(model, points, total);
    AddLongPieces(model, points, total);

    const PiirtoOsatVektori& parts = model.SheetParts;
    int elementNumber = 1;
    int node = 1;
    int integers[6] = {};
    double reals[5] = {};
    for (int p = 0; p < parts.Count(); ++p) {
        const int part = parts.Int(p, PiirtoOsatVektori::kNumber);
        if (part <= 0) continue;
        const double s = parts.Real(p, PiirtoOsatVektori::kModelStart);
        const double e = parts.Real(p, PiirtoOsatVektori::kModelEnd);
        for (int j = 0; j + 1 < points.Count(); ++j) {
            const double x0 = points[j];
            const double x1 = points[j + 1];
            if (!(s <= x0 && x1 <= e)) continue;
            int startPartner = 0;
            int endPartner = 0;
            // Exact equality: both ends come from the same division points.
            for (int i = 0; i < elements.Count() && (startPartner == 0 || endPartner == 0); ++i) {
                if (elements.Int(i, ElementtiVektori::kPart) == part) continue;
                const double a = elements.Real(i, ElementtiVektori::kStart);
                const double b = elements.Real(i, ElementtiVektori::kEnd);
                if (startPartner == 0) {
                    if (a == x0) startPartner = elements.Int(i, ElementtiVektori::kStartNode);
                    else if (b == x0) startPartner = elements.Int(i, ElementtiVektori::kEndNode);
                }
                if (endPartner == 0) {
                    if (a == x1) endPartner = elements.Int(i, ElementtiVektori::kStartNode);
                    else if (b == x1) endPartner = elements.Int(i, ElementtiVektori::kEndNode);
                }
            }
            integers[0] = elementNumber++;
            integers[1] = part;
            integers[2] = node;
            integers[3] = node + 1;
            integers[4] = startPartner;
            integers[5] = endPartner;
            reals[0] = x0;
            reals[1] = x1;
            elements.Add(nullptr, reals, integers);
            ++node;
        }
        ++node;  // the next part starts a chain of its own
    }
}

}  // namespace kirvos
