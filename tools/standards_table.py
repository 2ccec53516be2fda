#!/usr/bin/env python3
"""Writes data/standards.dat: the two design standards with their annexes and factors.

Run by hand from the repository root (Python 3, standard library only):

    python3 tools/standards_table.py           # writes data/standards.dat
    python3 tools/standards_table.py --check   # exit 1 when data/standards.dat differs

Layout of the file (sectioned text, groups "[ ==== n ==== ]"), for standard s with
base = 100 (s + 1): group 1 the standard names; group 11 + s the annex names;
base+1..3 the material factor grid rows (4 values); base+11 the fastener factor;
base+21 a second single factor (not used by the calculation, kept at 1.0);
base+31..34 load factors of permanent, snow, imposed and wind load (6 values:
ULS favourable/unfavourable for structure class 0, the same for class 1, SLS
favourable/unfavourable); base+41 psi0/psi1/psi2 of snow; base+42 of wind;
base+50 one line per imposed-load category present; base+51.. psi of the
categories; base+61 the snow-load place file per annex ("-" = none).
Line n of every factor group belongs to annex n.

Material grid: row 0 the sheet (col 1 cross-section resistance gamma_M0, col 2
support resistance / web crippling gamma_M1, col 3 gamma_M2 of net sections and
connections, shown only, col 4 divisor of the stiffness of the analysis model);
row 1 supports of cold-formed steel (grade kind 2), row 2 supports of stainless
steel (grade kind 3).

Values marked UNCONFIRMED in the tables below were not visible in the public
sources of reference/engineering-data.md; they are the values the named national
annex is generally applied with and must be checked against the annex before a
designer relies on them. data/SOURCES.md repeats the list.
"""

import sys

from generated_files import write_or_check

# psi rows of imposed-load categories A..H (EN 1990 Table A1.1 recommended values).
PSI_IMPOSED_EN = [(0.7, 0.5, 0.3), (0.7, 0.5, 0.3), (0.7, 0.7, 0.6), (0.7, 0.7, 0.6),
                  (1.0, 0.9, 0.8), (0.7, 0.7, 0.6), (0.7, 0.5, 0.3), (0.0, 0.0, 0.0)]
# Table A1.1(FI) (reference 2.2): as the recommended rows except category C, whose psi2 is 0.3.
PSI_IMPOSED_FI = PSI_IMPOSED_EN[:2] + [(0.7, 0.7, 0.3)] + PSI_IMPOSED_EN[3:]


def loads(g_unf, q_unf, g_fav=1.0):
    """(permanent, variable) six-value rows for EN 1990 STR; structure class 1 repeats class 0."""
    perm = (g_fav, g_unf, g_fav, g_unf, 1.0, 1.0)
    var = (0.0, q_unf, 0.0, q_unf, 0.0, 1.0)
    return perm, var


def grid(gm0, gm1, gm2, stainless=(1.1, 1.1, 1.25)):
    return [(gm0, gm1, gm2, 1.0), (gm0, gm1, gm2, 1.0), stainless + (1.0,)]


# One entry per annex of standard index 1 (EN 1993-1-3 with EN 1990 combinations).
ANNEXES = [
    dict(name="Recommended values",
         grid=grid(1.00, 1.00, 1.25), fastener=1.25, loads=loads(1.35, 1.5),
         snow=(0.5, 0.2, 0.0), wind=(0.6, 0.2, 0.0), imposed=PSI_IMPOSED_EN, snowfile="-"),
    # Finland: psi from Table A1.1(FI) (reference 2.2); snow row for sk >= 2.75 (psi0 is 0.7
    # in both rows, and only psi0 enters the combinations). gamma_G,sup 1.15 of eq. 6.10b with
    # K_FI = 1.0 (CC2): UNCONFIRMED (the FI Table A1.2(B) values were not visible).
    # gamma_M 1.0/1.0/1.25 from the FI annex of EN 1993-1-1 (reference 2.5).
    dict(name="Finland",
         grid=grid(1.00, 1.00, 1.25), fastener=1.25, loads=loads(1.15, 1.5, 0.9),
         snow=(0.7, 0.5, 0.2), wind=(0.6, 0.2, 0.0), imposed=PSI_IMPOSED_FI, snowfile="snowfi.dat"),
    # Sweden: 6.10b with gamma_d = 1.0 (safety class 3): 0.89 x 1.35 = 1.20 G, 1.5 Q (reference 2.3).
    # psi: snow for sk >= 3 (0.8, the largest, safe side), wind 0.3, imposed EN: UNCONFIRMED.
    # gamma_M 1.0/1.0/1.2: UNCONFIRMED.
    dict(name="Sweden",
         grid=grid(1.00, 1.00, 1.20), fastener=1.20, loads=loads(1.20, 1.5),
         snow=(0.8, 0.6, 0.2), wind=(0.3, 0.2, 0.0), imposed=PSI_IMPOSED_EN, snowfile="snowse.dat"),
    # Norway: gamma_M0 = gamma_M1 = 1.05, gamma_M2 1.25 from the NO annex of EN 1993-1-1 (reference 2.5).
    # 6.10b gamma_G 1.2, gamma_Q 1.5; psi of snow 0.7/0.5/0.2 (EN 1990 A1.1 Nordic row), wind and
    # imposed EN: UNCONFIRMED.
    dict(name="Norway",
         grid=grid(1.05, 1.05, 1.25), fastener=1.25, loads=loads(1.20, 1.5),
         snow=(0.7, 0.5, 0.2), wind=(0.6, 0.2, 0.0), imposed=PSI_IMPOSED_EN, snowfile="-"),
    # Denmark: 6.10b 1.0 G + 1.5 Q (K_FI 1.0); psi snow and wind 0.3/0.2/0; imposed A 0.5,
    # B-D, F, G 0.6, E 0.8, H 0; gamma_M 1.10/1.20/1.35 (gamma_3 = 1.0): all UNCONFIRMED.
    dict(name="Denmark",
         grid=grid(1.10, 1.20, 1.35), fastener=1.35, loads=loads(1.00, 1.5),
         snow=(0.3, 0.2, 0.0), wind=(0.3, 0.2, 0.0),
         imposed=[(0.5, 0.3, 0.2), (0.6, 0.4, 0.2), (0.6, 0.6, 0.2), (0.6, 0.6, 0.2),
                  (0.8, 0.8, 0.7), (0.6, 0.6, 0.2), (0.6, 0.4, 0.2), (0.0, 0.0, 0.0)],
         snowfile="-"),
    # Germany: gamma_G 1.35, gamma_Q 1.5 (reference 2.4, gamma_Q for snow confirmed); psi snow
    # 0.5/0.2/0 (sites up to 1000 m), wind and imposed EN; gamma_M 1.1/1.1/1.25: UNCONFIRMED.
    dict(name="Germany",
         grid=grid(1.10, 1.10, 1.25), fastener=1.25, loads=loads(1.35, 1.5),
         snow=(0.5, 0.2, 0.0), wind=(0.6, 0.2, 0.0), imposed=PSI_IMPOSED_EN, snowfile="-"),
    # United Kingdom: gamma_M 1.0/1.0/1.25 (reference 2.5, EN 1993-1-1 practice); eq. 6.10
    # 1.35/1.5; psi snow 0.5/0.2/0, wind 0.5/0.2/0, roofs (H) psi0 0.7: UNCONFIRMED.
    dict(name="United Kingdom",
         grid=grid(1.00, 1.00, 1.25), fastener=1.25, loads=loads(1.35, 1.5),
         snow=(0.5, 0.2, 0.0), wind=(0.5, 0.2, 0.0),
         imposed=PSI_IMPOSED_EN[:7] + [(0.7, 0.0, 0.0)], snowfile="-"),
]

# Standard index 0: a national code with primary (class 0) and secondary (class 1)
# structures and its own combination rule (0.77 when snow and wind act together).
# No public source in the reference gives its factors: the values are the project's
# own defaults (gamma_M 1.10 as in the older national practice of reference 1.3.2),
# UNCONFIRMED, to be set by the designer in the factor window where they differ.
NATIONAL = dict(name="National code",
                grid=[(1.10, 1.10, 1.25, 1.0), (1.10, 1.10, 1.25, 1.0), (1.10, 1.10, 1.25, 1.0)],
                fastener=1.25,
                permanent=(0.9, 1.2, 0.9, 1.1, 1.0, 1.0),
                variable=(0.0, 1.6, 0.0, 1.4, 0.0, 1.0),
                snow=(1.0, 1.0, 1.0), wind=(1.0, 1.0, 1.0), imposed=[(1.0, 1.0, 1.0)], snowfile="-")


def row(values):
    return ";".join("%.2f" % v for v in values)


def build():
    out = ["Kirvos design standards: written by tools/standards_table.py; see data/SOURCES.md.",
           "Lines before the first group header are not read."]

    def group(n, lines):
        out.append("[ ==== %d ==== ]" % n)
        out.extend(lines)

    group(1, [NATIONAL["name"], "EN 1993-1-3, EN 1990"])
    group(11, [NATIONAL["name"]])
    group(12, [a["name"] for a in ANNEXES])
    # Standard 0.
    for r in range(3):
        group(101 + r, [row(NATIONAL["grid"][r])])
    group(111, ["%.2f" % NATIONAL["fastener"]])
    group(121, ["1.00"])
    group(131, [row(NATIONAL["permanent"])])
    for g in (132, 133, 134):
        group(g, [row(NATIONAL["variable"])])
    group(141, [row(NATIONAL["snow"])])
    group(142, [row(NATIONAL["wind"])])
    group(150, ["A"])
    group(151, [row(NATIONAL["imposed"][0])])
    group(161, [NATIONAL["snowfile"]])
    # Standard 1.
    for r in range(3):
        group(201 + r, [row(a["grid"][r]) for a in ANNEXES])
    group(211, ["%.2f" % a["fastener"] for a in ANNEXES])
    group(221, ["1.00" for _ in ANNEXES])
    group(231, [row(a["loads"][0]) for a in ANNEXES])
    for g in (232, 233, 234):
        group(g, [row(a["loads"][1]) for a in ANNEXES])
    group(241, [row(a["snow"]) for a in ANNEXES])
    group(242, [row(a["wind"]) for a in ANNEXES])
    group(250, list("ABCDEFGH"))
    for c in range(8):
        group(251 + c, [row(a["imposed"][c]) for a in ANNEXES])
    group(261, [a["snowfile"] for a in ANNEXES])
    return "\n".join(out) + "\n"


def main(argv):
    return write_or_check({"standards.dat": build()}, argv)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
