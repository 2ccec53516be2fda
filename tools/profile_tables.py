#!/usr/bin/env python3
"""Section tables of the shipped trapezoidal sheet profiles.

Computes, for every profile and nominal thickness, the values the design
calculation reads from a profile data file (effective second moments, moment,
support and shear resistances, mass), with the EN 1993-1-3 / EN 1993-1-5 rules,
and writes the profile data files and the two catalogues into data/.

Run by hand from the repository root (Python 3, standard library only):

    python3 tools/profile_tables.py            # writes data/*.dat profile files
    python3 tools/profile_tables.py --compare  # prints the comparison with published sets
    python3 tools/profile_tables.py --check    # only recomputes and compares with data/

The output is committed; the build does not run this script.

Model (per rib, one pitch of the profile):
  * sharp-cornered centre-line section: top flange bt at z = h, two webs of plan
    width bw, bottom flange bb at z = 0; the corner radius r (3 mm up to 45 mm
    high, 5 mm above) only enters web crippling;
  * design (core) thickness t = tN - 0.04 mm (Z275 coating, 0.02 mm a side);
  * positive bending = sagging = top flange in compression;
  * compressed flange: internal element, k_sigma = 4, stress fy (EN 1993-1-5 4.4);
  * webs: EN 1993-1-5 Table 4.1 with the stress ratio from the section with the
    effective compression flange and gross webs (EN 1993-1-5 4.4(3));
  * M_c,Rk = W_eff,min * fy (elastic, EN 1993-1-3 6.1.4.1), I_eff from the same
    effective section (used for deflections too: on the safe side);
  * web crippling EN 1993-1-3 6.1.7.3 (sheeting): alpha 0.15 (intermediate
    support, la = ss0) and 0.075 (end support, la = 10 mm), per web;
  * shear buckling EN 1993-1-3 6.1.5, Table 6.1 without stiffening at the support;
  * perforated webs (holes d on a triangular pitch a): EN 1993-1-3 rules for
    perforated sheeting: t_a = 1.18 t (1 - d/(0.9 a)) for gross properties,
    t_b = t (1.18 (1 - d/a))^(1/3) for effective properties and shear,
    t_c = t (1 - (d/a)^2)^(3/2) for web crippling;
  * a thickness outside the scope of the web crippling rule
    (h/t > 200 sin(phi)) is not offered.
Units written: I in cm4/m, M in kNm/m, R and V in kN/m, mass in kg/m2, lengths mm.
"""

import math
import sys

from generated_files import write_or_check

E = 210000.0          # N/mm2
ZINC = 0.04           # mm, both sides of Z275
RHO_STEEL = 7850.0    # kg/m3
ZINC_MASS = 0.275     # kg per m2 of coil (Z275, both sides)
SS0 = 100.0           # mm, bearing length of the tabulated intermediate support value

# Neutral, invented names. Geometry: cover, pitch, h, web angle (deg), top flange,
# steel fy, nominal thicknesses, perforation (d, a) of the webs or None,
# structure types (0 insulated roof, 1 roof as waterproofing, 2 wall,
# 3 intermediate floor, 4 own structure), largest number of extra layers,
# picture file, note numbers (texts of group 101), information text (group 431).
PROFILES = [
    dict(name="KP 20/1100", file="kp20.dat", code=20, cover=1100.0, pitch=137.5, h=20.0, phi=55.0,
         bt=25.0, fy=350.0, t=[0.50, 0.60, 0.70, 0.80], perf=None, types=[1, 2, 4], layers=2,
         notes=[1, 4], info=1),
    dict(name="KP 35/1035", file="kp35.dat", code=35, cover=1035.0, pitch=207.0, h=35.0, phi=60.0,
         bt=40.0, fy=350.0, t=[0.50, 0.60, 0.70, 0.80, 0.90, 1.00], perf=None, types=[0, 1, 2, 4],
         layers=2, notes=[1, 4], info=1),
    dict(name="KP 45/900", file="kp45.dat", code=45, cover=900.0, pitch=150.0, h=45.0, phi=65.0,
         bt=30.0, fy=350.0, t=[0.50, 0.60, 0.70, 0.80, 0.90, 1.00, 1.20], perf=None,
         types=[0, 1, 2, 3, 4], layers=3, notes=[1, 2], info=1),
    dict(name="KP 70/1100", file="kp70.dat", code=70, cover=1100.0, pitch=220.0, h=70.0, phi=70.0,
         bt=40.0, fy=350.0, t=[0.60, 0.70, 0.80, 0.90, 1.00, 1.20], perf=None,
         types=[0, 1, 2, 3, 4], layers=3, notes=[1, 2], info=1),
    dict(name="KP 85/1120", file="kp85.dat", code=85, cover=1120.0, pitch=280.0, h=85.0, phi=70.0,
         bt=60.0, fy=350.0, t=[0.70, 0.80, 0.90, 1.00, 1.20, 1.50], perf=None,
         types=[0, 1, 3, 4], layers=2, notes=[1, 2], info=1),
    dict(name="KP 85/1120 A", file="kp85a.dat", code=851, cover=1120.0, pitch=280.0, h=85.0, phi=70.0,
         bt=60.0, fy=350.0, t=[0.70, 0.80, 0.90, 1.00, 1.20, 1.50], perf=(3.0, 7.4),
         types=[0, 2, 4], layers=1, notes=[1, 3], info=2),
    dict(name="KP 135/930", file="kp135.dat", code=135, cover=930.0, pitch=310.0, h=135.0, phi=72.0,
         bt=40.0, fy=350.0, t=[0.80, 0.90, 1.00, 1.20, 1.50], perf=None,
         types=[0, 3, 4], layers=1, notes=[1, 2], info=1),
    dict(name="KP 135/930 A", file="kp135a.dat", code=1351, cover=930.0, pitch=310.0, h=135.0, phi=72.0,
         bt=40.0, fy=350.0, t=[0.80, 0.90, 1.00, 1.20, 1.50], perf=(3.0, 7.4),
         types=[0, 4], layers=1, notes=[1, 3], info=2),
    dict(name="KP 153/840", file="kp153.dat", code=153, cover=840.0, pitch=280.0, h=153.0, phi=78.0,
         bt=41.0, fy=350.0, t=[0.90, 1.00, 1.20, 1.50], perf=None,
         types=[0, 3, 4], layers=1, notes=[1, 2], info=1),
]

# Display names per user-interface language (1 English, 2 Finnish).
def display_names(p):
    base = p["name"]
    if p["perf"]:
        return [base + " (perforated webs)", base + " (rei'itetyt uumat)"]
    return [base, base]


def geometry(p):
    """Plan widths of one rib: top flange, one web, bottom flange (centre line, mm)."""
    bw = p["h"] / math.tan(math.radians(p["phi"]))
    bb = p["pitch"] - p["bt"] - 2.0 * bw
    if bb <= 0:
        raise ValueError("%s: no room for the bottom flange" % p["name"])
    return p["bt"], bw, bb


def rho_internal(b, t, fy, psi):
    """Reduction factor of an internal compression element (EN 1993-1-5 4.4(2))."""
    if psi >= 0:
        k = 8.2 / (1.05 + psi)
    elif psi > -1:
        k = 7.81 - 6.29 * psi + 9.78 * psi * psi
    elif psi > -3:
        k = 5.98 * (1 - psi) ** 2
    else:
        k = 5.98 * 16.0
    eps = math.sqrt(235.0 / fy)
    lam = (b / t) / (28.4 * eps * math.sqrt(k))
    if lam <= 0.5 + math.sqrt(0.085 - 0.055 * psi):
        return 1.0
    return min(1.0, (lam - 0.055 * (3 + psi)) / (lam * lam))


class Strip:
    """A straight plate strip of the rib: from (y1, z1) to (y2, z2) with thickness t."""

    def __init__(self, z1, z2, length, t):
        self.z1, self.z2, self.length, self.t = z1, z2, length, t

    def area(self):
        return self.length * self.t

    def zc(self):
        return 0.5 * (self.z1 + self.z2)

    def i_own(self):
        dz = self.z2 - self.z1
        return self.area() * dz * dz / 12.0


def section_props(strips):
    a = sum(s.area() for s in strips)
    za = sum(s.area() * s.zc() for s in strips) / a
    i = sum(s.i_own() + s.area() * (s.zc() - za) ** 2 for s in strips)
    return a, za, i


def web_strips(z_from, z_to, sw, t):
    """A web between heights z_from and z_to (may run downward); sw its slant length."""
    return Strip(z_from, z_to, sw, t)


def bending(p, t, positive):
    """Effective second moment (mm4 per rib) and elastic modulus (mm3 per rib)."""
    bt, bw, bb = geometry(p)
    h = p["h"]
    fy = p["fy"]
    sw = math.hypot(h, bw)
    tw_eff = t
    tw_gross = t
    if p["perf"]:
        d, a = p["perf"]
        tw_gross = 1.18 * t * (1 - d / (0.9 * a))
        tw_eff = t * (1.18 * (1 - d / a)) ** (1.0 / 3.0)
    # z measured from the compressed flange's far side: flip so that the
    # compressed flange always sits at z = h.
    bc, bten = (bt, bb) if positive else (bb, bt)
    rho_f = rho_internal(bc, t, fy, 1.0)
    flange_c = Strip(h, h, rho_f * bc, t)
    flange_t = Strip(0.0, 0.0, bten, t)
    # Neutral axis with the effective compression flange and gross webs.
    gross_webs = [Strip(0.0, h, sw, tw_gross), Strip(0.0, h, sw, tw_gross)]
    _, za, _ = section_props([flange_c, flange_t] + gross_webs)
    # Web stress ratio: compression at z = h, psi = sigma(0) / sigma(h).
    psi = -za / (h - za)
    rho_w = rho_internal(sw, tw_eff, fy, psi)
    if psi < 0:
        bcomp = sw / (1 - psi)
        beff = rho_w * bcomp
        be1, be2 = 0.4 * beff, 0.6 * beff
    else:
        bcomp = sw
        beff = rho_w * sw
        be1 = 2 * beff / (5 - psi)
        be2 = beff - be1
    s_hole = bcomp - be1 - be2          # ineffective slant length
    strips = [flange_c, flange_t]
    for _ in range(2):
        if s_hole > 1e-9:
            # web from the compressed flange down: be1 effective, hole, rest effective
            z_be1 = h - be1 * h / sw
            z_hole_end = z_be1 - s_hole * h / sw
            strips.append(Strip(z_be1, h, be1, tw_eff))
            strips.append(Strip(0.0, z_hole_end, z_hole_end / h * sw, tw_eff))
        else:
            strips.append(Strip(0.0, h, sw, tw_eff))
    _, za, ieff = section_props(strips)
    zmax = max(za, h - za)
    return ieff, ieff / zmax, za


def web_crippling(p, t, alpha, la):
    """Resistance of one web to a local transverse force, N (EN 1993-1-3 6.1.7.3)."""
    tc = t
    if p["perf"]:
        d, a = p["perf"]
        tc = t * (1 - (d / a) ** 2) ** 1.5
    phi = p["phi"]
    return (alpha * tc * tc * math.sqrt(p["fy"] * E) * (1 - 0.1 * math.sqrt(radius(p) / tc))
            * (0.5 + math.sqrt(0.02 * la / tc)) * (2.4 + (phi / 90.0) ** 2))


def web_shear(p, t):
    """Shear buckling resistance of one web, N (EN 1993-1-3 6.1.5)."""
    bt, bw, bb = geometry(p)
    h = p["h"]
    sw = math.hypot(h, bw)
    tv = t
    if p["perf"]:
        d, a = p["perf"]
        tv = t * (1.18 * (1 - d / a)) ** (1.0 / 3.0)
    fy = p["fy"]
    lam = 0.346 * (sw / tv) * math.sqrt(fy / E)
    if lam <= 0.83:
        fbv = 0.58 * fy
    elif lam < 1.40:
        fbv = 0.48 * fy / lam
    else:
        fbv = 0.67 * fy / (lam * lam)
    phi = math.radians(p["phi"])
    return (h / math.sin(phi)) * tv * fbv


def radius(p):
    """Inner corner radius at the webs, mm: tighter folds on the low profiles."""
    return 3.0 if p["h"] <= 45.0 else 5.0


def in_scope(p, t):
    return p["h"] / t <= 200.0 * math.sin(math.radians(p["phi"])) and radius(p) / t <= 10.0


def mass(p, tn):
    """kg/m2 of covered area, nominal thickness with its coating."""
    bt, bw, bb = geometry(p)
    sw = math.hypot(p["h"], bw)
    web = 2 * sw
    if p["perf"]:
        d, a = p["perf"]
        open_share = (math.pi * d * d / 4) / (a * a * math.sqrt(3) / 2)
        web *= 1 - open_share
    developed = (bt + bb + web) / p["pitch"]          # m2 of sheet per m2 covered
    return developed * (RHO_STEEL * (tn - ZINC) / 1000.0 + ZINC_MASS)


def table(p, tn):
    """All per-thickness values of one profile at nominal thickness tn."""
    t = round(tn - ZINC, 3)
    ribs = 1000.0 / p["pitch"]
    ip, wp, _ = bending(p, t, True)
    im, wm, _ = bending(p, t, False)
    webs = 2 * ribs
    return dict(
        tn=tn, t=t, fy=p["fy"], mass=mass(p, tn),
        ip=ip * ribs / 1e4, im=im * ribs / 1e4,
        mp=wp * ribs * p["fy"] / 1e6, mm=wm * ribs * p["fy"] / 1e6,
        r_int=web_crippling(p, t, 0.15, SS0) * webs / 1e3,
        r_end=web_crippling(p, t, 0.075, 10.0) * webs / 1e3,
        v=web_shear(p, t) * webs / 1e3,
    )


def thicknesses(p):
    return [tn for tn in p["t"] if in_scope(p, tn - ZINC)]


def fmt(v, dec):
    return "%.*f" % (dec, v)


def data_file_text(p):
    bt, bw, bb = geometry(p)
    rows = [table(p, tn) for tn in thicknesses(p)]
    out = []

    def group(n, lines):
        out.append("[ ==== %d ==== ]" % n)
        out.extend(lines)

    group(1, display_names(p))
    group(2, [str(p["code"]), fmt(p["cover"], 1), fmt(p["pitch"], 1), fmt(p["h"], 1), fmt(p["phi"], 1),
              fmt(bt, 1), fmt(bw, 1), fmt(bb, 1)])
    group(3, [str(p["layers"])])
    group(4, [str(n) for n in p["notes"]])
    group(5, [str(n) for n in p["types"]])
    group(11, ["%.2f mm" % r["tn"] for r in rows])
    group(12, [fmt(r["t"], 2) for r in rows])
    group(13, [fmt(r["fy"], 0) for r in rows])
    group(14, [fmt(r["tn"], 2) for r in rows])
    group(21, [fmt(r["mass"], 2) for r in rows])
    group(31, [fmt(r["ip"], 2) for r in rows])
    group(32, [fmt(r["im"], 2) for r in rows])
    group(41, [fmt(r["mp"], 2) for r in rows])
    group(42, [fmt(r["mm"], 2) for r in rows])
    group(51, [fmt(SS0, 0) for _ in rows])
    group(52, [fmt(r["r_int"], 2) for r in rows])
    group(53, [fmt(r["r_end"], 2) for r in rows])
    group(61, [fmt(r["v"], 2) for r in rows])
    return "\n".join(out) + "\n"


def catalogue_text(standard_title):
    lines = ["// Profile catalogue for %s." % standard_title,
             "// name;data file;picture;group (0 plain, 1 perforated webs);information text;"
             "not used (3 integers, 5 reals)"]
    for p in PROFILES:
        group = 1 if p["perf"] else 0
        lines.append("%s;%s;%s;%d;%d;0;0;0;0.000;0.000;0.000;0.000;0.000"
                     % (p["name"], p["file"], p["file"].replace(".dat", ".bmp"), group, p["info"]))
    return "\n".join(lines) + "\n"


# Published sets (reference/engineering-data.md) with the profile that shares
# their height and pitch. Each entry: label, profile name, nominal t, quantity,
# published value, and which of our quantities it matches.
COMPARISONS = [
    ("35/207 negative position, I+ (narrow flange compressed)", "KP 35/1035", 0.75, "ip", 16.38),
    ("35/207 negative position, I+", "KP 35/1035", 1.00, "ip", 23.43),
    ("35/207 negative position, I-", "KP 35/1035", 0.75, "im", 12.26),
    ("35/207 negative position, I-", "KP 35/1035", 1.00, "im", 18.06),
    ("85/280 negative position, I+", "KP 85/1120", 0.75, "ip", 91.6),
    ("85/280 negative position, I+", "KP 85/1120", 1.00, "ip", 129.0),
    ("85/280 negative position, I+", "KP 85/1120", 1.50, "ip", 196.1),
    ("85/280 negative position, mass (g 0.107 kN/m2 at 1.00)", "KP 85/1120", 1.00, "mass", 10.91),
    ("135/310 I_eff (tN 0.75, fy 320)", "KP 135/930", 0.75, "ip", 297.0),
    ("135/310 I_eff+ (tN 0.88, fy 350)", "KP 135/930", 0.88, "ip", 317.2),
    ("135/310 M narrow flange compressed M0,Rk,B (tN 0.88)", "KP 135/930", 0.88, "mp", 15.10),
    ("135/310 Vw,Rk (tN 0.88)", "KP 135/930", 0.88, "v", 45.75),
    ("135/310 Rw,Rk,A end support (tN 0.88)", "KP 135/930", 0.88, "r_end", 11.56),
    ("135/310 perforated webs, I (tN 1.00)", "KP 135/930 A", 1.00, "ip", 377.0),
    ("150/280 I_eff (tN 1.25)", "KP 153/840", 1.25, "ip", 642.0),
    ("153/840 mass (tN 1.00)", "KP 153/840", 1.00, "mass", 14.02),
]


def compare():
    by_name = {p["name"]: p for p in PROFILES}
    print("%-58s %-13s %5s %9s %9s %7s" % ("published set", "profile", "tN", "ours", "pub.", "diff"))
    for label, name, tn, key, pub in COMPARISONS:
        ours = table(by_name[name], tn)[key]
        print("%-58s %-13s %5.2f %9.2f %9.2f %+6.0f%%" % (label, name, tn, ours, pub, 100 * (ours / pub - 1)))


def main(argv):
    if "--compare" in argv:
        compare()
        return 0
    files = {p["file"]: data_file_text(p) for p in PROFILES}
    files["profiles1.dat"] = catalogue_text("standard index 0 (national code)")
    files["profiles2.dat"] = catalogue_text("standard index 1 (EN 1993-1-3)")
    result = write_or_check(files, argv)
    for p in PROFILES:
        dropped = [tn for tn in p["t"] if tn not in thicknesses(p)]
        if dropped:
            print("%s: thicknesses outside the web crippling scope left out: %s" % (p["name"], dropped))
    return result


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
