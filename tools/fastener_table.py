#!/usr/bin/env python3
"""Writes data/fasteners.dat and data/steelgrades.dat.

Run by hand from the repository root (Python 3, standard library only):

    python3 tools/fastener_table.py           # writes both files
    python3 tools/fastener_table.py --check   # exit 1 when a shipped file differs

fasteners.dat record (2 texts, 10 integers, 10 reals):
  name; description;
  category (1 supports, 4 joints and laps); class (1 self-drilling screw,
  2 thread-forming screw, 4 blind rivet, 5 nail); material key a; material key b;
  0; picture number; description text (group 428); link text (group 430, 0 none); 0; 0;
  diameter shown; length; diameter used by the check; clamping range from, to;
  drilling capacity (self-drilling screws only); Fv,k kN; Ft,k kN; 0; 0.
Material keys of screws: a = 1 hardened carbon steel, 2 stainless steel;
b = 1 without, 2 with a sealing washer. Rivets: a = 1 aluminium body with steel
mandrel, 2 steel with steel mandrel, 3 stainless with stainless mandrel,
4 aluminium with stainless mandrel; b = 1.

Characteristic resistances of the fastener itself. Only the powder-actuated nail
has published values in reference/engineering-data.md (4.1: VRk 8.60 kN and
NRk 8.80 kN, the fastener-governed values at sheet thicknesses 1.50-2.50 mm; the
sheet-governed values below that are the program's own bearing and pull-through
checks). Screws and rivets had no public values (reference 7, gap 6), so they are
derived from the stressed cross-section with the EN 1993-1-8 Table 3.4 forms:
Fv,k = 0.6 fu A, Ft,k = 0.9 fu A, A the thread core (screws) or hollow body
(rivets) area, fu the fastener material's tensile strength below. They are the
project's own values: a designer using a specific product replaces them with the
values of its European Technical Assessment.
"""

import math
import sys

from generated_files import write_or_check

FU = {"hardened": 800.0, "stainless": 700.0,            # screws, N/mm2
      "al": 250.0, "steel": 400.0, "stainless_rivet": 600.0}

# Screws: name stem, class, nominal d, core diameter, length, clamping range, drilling capacity.
SCREW_SUPPORT = [
    ("SD 5.5x25", 1, 5.5, 4.10, 25.0, (0.5, 5.0), 5.0),
    ("SD 6.3x32", 1, 6.3, 4.70, 32.0, (0.5, 12.0), 12.0),
    ("TF 6.3x25", 2, 6.3, 4.70, 25.0, (0.5, 4.0), 0.0),
]
SCREW_SHEET = [("SD 4.8x20", 1, 4.8, 3.55, 20.0, (0.5, 2.5), 2.5)]
MATERIALS = [  # key a, key b, suffix, fu key
    (1, 1, "", "hardened"), (1, 2, " W", "hardened"),
    (2, 1, " A2", "stainless"), (2, 2, " A2 W", "stainless")]
RIVETS = [  # key a, name, fu key
    (1, "BR 4.8 Al/St", "al"), (2, "BR 4.8 St/St", "steel"),
    (3, "BR 4.8 A2/A2", "stainless_rivet"), (4, "BR 4.8 Al/A2", "al")]
RIVET_D, RIVET_BORE = 4.8, 2.9

DESCRIPTIONS = {1: "Self-drilling screw", 2: "Thread-forming screw", 4: "Blind rivet", 5: "Powder-actuated nail"}
PICTURE = {1: 1, 2: 2, 4: 4, 5: 3}
TEXT428 = {1: 1, 2: 2, 4: 4, 5: 3}


def line(name, desc, cat, cls, ka, kb, d_show, length, d, rng, drill, fv, ft):
    ints = [cat, cls, ka, kb, 0, PICTURE[cls], TEXT428[cls], 0, 0, 0]
    reals = [d_show, length, d, rng[0], rng[1], drill, fv, ft, 0.0, 0.0]
    return ";".join([name, desc] + ["%d" % i for i in ints] + ["%.3f" % r for r in reals])


def screw_lines(rows, cat):
    out = []
    for stem, cls, d, core, length, rng, drill in rows:
        area = math.pi * core * core / 4.0
        for ka, kb, suffix, fu_key in MATERIALS:
            fu = FU[fu_key]
            fv, ft = 0.6 * fu * area / 1e3, 0.9 * fu * area / 1e3
            washer = " with sealing washer" if kb == 2 else ""
            material = "stainless steel" if ka == 2 else "hardened steel"
            desc = "%s %.1f mm, %s%s" % (DESCRIPTIONS[cls], d, material, washer)
            out.append(line(stem + suffix, desc, cat, cls, ka, kb, d, length, d, rng, drill,
                            round(fv, 2), round(ft, 2)))
    return out


def fasteners():
    out = ["// Fastener catalogue: written by tools/fastener_table.py; see data/SOURCES.md.",
           "// name;description;category;class;material a;material b;0;picture;text 428;text 430;0;0;"
           "diameter;length;d;clamp from;clamp to;drilling capacity;Fv,k kN;Ft,k kN;0;0"]
    out += screw_lines(SCREW_SUPPORT, 1)
    out.append(line("PN 4.5", "Powder-actuated nail 4.5 mm, for steel supports of 6 mm and more", 1, 5, 1, 1,
                    4.5, 15.0, 4.5, (0.5, 2.5), 0.0, 8.60, 8.80))
    out += screw_lines(SCREW_SHEET, 4)
    area = math.pi * (RIVET_D ** 2 - RIVET_BORE ** 2) / 4.0
    for ka, name, fu_key in RIVETS:
        fu = FU[fu_key]
        out.append(line(name, "Blind rivet 4.8 mm", 4, 4, ka, 1, RIVET_D, 10.0, RIVET_D, (1.0, 4.0), 0.0,
                        round(0.6 * fu * area / 1e3, 2), round(0.9 * fu * area / 1e3, 2)))
    return "\n".join(out) + "\n"


# name; kind (1 hot-rolled, 2 cold-formed, 3 stainless); product standard; fy; fu;
# thickness in mm up to which fy applies (0: the whole range of the standard).
GRADES = [
    ("S235", 1, 10025, 235.0, 360.0, 16.0),
    ("S275", 1, 10025, 275.0, 430.0, 16.0),
    ("S355", 1, 10025, 355.0, 490.0, 16.0),
    ("S280GD", 2, 10346, 280.0, 360.0, 0.0),
    ("S320GD", 2, 10346, 320.0, 390.0, 0.0),
    ("S350GD", 2, 10346, 350.0, 420.0, 0.0),
    ("1.4301 (cold-rolled strip)", 3, 10088, 230.0, 540.0, 8.0),
]


def steelgrades():
    out = ["// Support steel grades: written by tools/fastener_table.py; see data/SOURCES.md.",
           "// name;kind (1 hot-rolled, 2 cold-formed, 3 stainless);product standard;"
           "fy N/mm2 (used by the connection check);fu N/mm2;thickness limit of fy mm"]
    for name, kind, std, fy, fu, tmax in GRADES:
        out.append("%s;%d;%d;%.3f;%.3f;%.3f" % (name, kind, std, fy, fu, tmax))
    return "\n".join(out) + "\n"


def main(argv):
    return write_or_check({"fasteners.dat": fasteners(), "steelgrades.dat": steelgrades()}, argv)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
