#!/usr/bin/env python3
"""Write Tarvik's readable profile tables data/profiles/<CODE>.csv from public section tables.

    python3 tools/import_profiles.py SOURCES_DIR [--out data/profiles]

SOURCES_DIR holds the collected public tables (am2026_itec/, xc_arcelor/, steelsnakes_eu/,
anastruct_robot_eu/, gost_sortament/, bolts_din/) and COVERAGE.csv, the designations the
program lists, in its order. Figures are copied and only rescaled to the record's units; a
designation that no table gives (and no rule seen in the tables fixes) is left out and
reported. Run by hand; data/profiles/README.md says where every column comes from.
"""

import argparse
import csv
import json
import os
import sys
from decimal import Decimal, ROUND_CEILING

import yaml

COLUMNS = ["family", "designation", "h", "b", "tw", "tf", "r", "r1", "r2", "w1", "w2", "A",
           "J1", "J2", "Jt", "xS", "yS", "alpha", "Jw", "xT", "u1", "u2", "u3", "u4", "u5",
           "u6", "source"]


# ---------------------------------------------------------------- numbers

def dec(x):
    """A Decimal of a tabulated figure, without the noise of a float written in full
    (64599999999.99999 -> 64600000000)."""
    d = x if isinstance(x, Decimal) else Decimal(str(x).strip())
    digits = len(d.as_tuple().digits)
    if digits > 12:
        d = round(d, 11 - d.adjusted())
    return d


def txt(x, exp=0):
    """x * 10**exp as plain text: no exponent, no trailing zeros, nothing added."""
    if x is None or (isinstance(x, str) and x.strip() == ""):
        return ""
    d = dec(x).scaleb(exp).normalize()
    s = format(d, "f")
    return "0" if s in ("-0", "0") else s


# ---------------------------------------------------------------- source tables

def read_csv(path):
    with open(path, encoding="utf-8") as f:
        return list(csv.DictReader(line for line in f if not line.startswith("#")))


def read_json(path):
    with open(path, encoding="utf-8") as f:
        return json.load(f, parse_float=Decimal, parse_int=Decimal)


class Sources:
    def __init__(self, root):
        p = lambda *names: os.path.join(root, *names)  # noqa: E731
        self.coverage = read_csv(p("COVERAGE.csv"))
        am = "am2026_itec"
        self.am_ih = {r["Designation"]: r for r in
                      read_csv(p(am, "EN10365_ParallelFlangeIH_excerpt.csv"))}
        self.am_ipn = {r["Designation"]: r for r in read_csv(p(am, "EN10365_TaperFlangeI.csv"))}
        self.am_ch = {r["Designation"]: r for r in read_csv(p(am, "EN10365_Channels.csv"))}
        # older catalogue: keys as "HE 300 B", "IPE O 200", "HE 1000 x 415", "IPN 200"
        self.xc = {}
        for name in ("he", "hl", "ipe", "ipn"):
            for key, v in read_json(p("xc_arcelor", f"arcelor_{name}_profiles.json")).items():
                k = key.replace("dot", "").rstrip("+w").replace("_", " ")
                k = k.replace("750x", "750 x ")
                self.xc[k] = (v, f"arcelor_{name}")
        self.xc_upn = {k.replace("_", " "): v for k, v in
                       read_json(p("xc_arcelor", "arcelor_upn_profiles.json")).items()}
        self.xc_l = {}
        for v in read_json(p("xc_arcelor", "arcelor_l_profiles.json")).values():
            mm = lambda x: (x * 1000).normalize()  # noqa: E731
            self.xc_l[(mm(v["h"]), mm(v["b"]), mm(v["t"]))] = v
        self.robot = {r["sectionname"]: r for r in
                      read_csv(p("anastruct_robot_eu", "robot_eu_extract_cm.csv"))}
        ss = lambda n: read_json(p("steelsnakes_eu", n))  # noqa: E731
        self.ss_ipe = ss("IPE.json")
        self.angles = {  # (long leg, short leg, t) -> record, per table
            table: angle_index(ss(prefix + "L_EQUAL.json"), "hxh")
            | angle_index(ss(prefix + "L_UNEQUAL.json"), "hxb")
            for table, prefix in (("SS EU", ""), ("SS UK", "UK_"))
        }
        self.gost_i = {r["no"]: r for r in read_csv(p("gost_sortament", "gost8239_ibeams.csv"))}
        self.gost_u = {r["no"]: r for r in read_csv(p("gost_sortament", "gost8240_channels.csv"))}
        with open(p("bolts_din", "zbeam_din1027.yaml"), encoding="utf-8") as f:
            self.zbeam = yaml.safe_load(f)


def angle_index(table, legs_key):
    out = {}
    for v in table.values():
        h, b = (Decimal(x) for x in v[legs_key].split("x"))
        out[(h.normalize(), b.normalize(), dec(v["t"]).normalize())] = v
    return out


def parse_dims(text):
    """'45x30x4' -> (45, 30, 4); '20x3' -> (20, 20, 3); decimal comma or point."""
    nums = [Decimal(x.replace(",", ".")).normalize() for x in text.split("x")]
    return (nums[0], nums[0], nums[1]) if len(nums) == 2 else tuple(nums)


# ---------------------------------------------------------------- rows

class Missing(Exception):
    pass


def row(code, designation, source, **values):
    r = {c: "" for c in COLUMNS}
    r.update(family=code, designation=designation, source=source)
    for k, v in values.items():
        assert k in COLUMNS, k
        r[k] = v
    return r


def mass_match(names, prefix, mass_text):
    """The one source designation 'prefix <mass>' whose mass is the designation's mass
    within the rounding of the designation (or whose own name carries that mass)."""
    m = Decimal(mass_text.replace(",", "."))
    half = Decimal(5).scaleb(m.as_tuple().exponent - 1)
    found = []
    for name, g in names:
        if not name.startswith(prefix):
            continue
        nominal = Decimal(name[len(prefix):])
        if nominal == m or abs(dec(g) - m) <= half:
            found.append(name)
    if len(found) != 1:
        near = ", ".join(n for n, _ in names if n.startswith(prefix))
        raise Missing(f"no source row of that mass (the tables have {near})" if near
                      else "no source table holds it")
    return found[0]


def am_i_row(s, code, designation, name, jw_exp=-6):
    """A parallel-flange I/H row of AM26; It from the older catalogue where it has the
    designation."""
    a = s.am_ih[name]
    src = "AM26 EN10365_ParallelFlangeIH"
    jt = txt(a["It"], -4)
    if name in s.xc:
        x, tag = s.xc[name]
        jt = txt(x["It"], 8)
        src += f"; It XC {tag}"
    return row(code, designation, src, h=txt(a["h"]), b=txt(a["b"]), tw=txt(a["tw"]),
               tf=txt(a["tf"]), r=txt(a["r"]), A=txt(a["A"], -2), J1=txt(a["Iy"], -4),
               J2=txt(a["Iz"], -4), Jt=jt, Jw=txt(a["Iw"], jw_exp))


def robot_i_row(s, code, designation, name):
    """Robot's outline figures only: its It and Iw come from its own formulas."""
    r = s.robot[name]
    return row(code, designation, "ROBOT sectionbase (It Iw left to the builder)",
               h=txt(r["h_mm"]), b=txt(r["b_mm"]), tw=txt(r["tw_mm(ea)"]),
               tf=txt(r["tf_mm(es)"]), r=txt(r["ra_mm(root)"]),
               r1=txt(r["rs_mm(toe)"]) if dec(r["rs_mm(toe)"]) else "",
               A=txt(r["A_cm2"]), J1=txt(r["Iy_cm4"]), J2=txt(r["Iz_cm4"]))


def ipe_row(s, designation):
    names = [(n, a["G"]) for n, a in s.am_ih.items()]
    if "x" in designation:  # 750x137 ... by mass
        try:
            name = mass_match(names, "IPE 750 x ", designation.split("x")[1])
        except Missing:
            name = mass_match([(n, r["mass_kg_m"]) for n, r in s.robot.items()
                               if r["figure"] == "IPE"], "IPE 750", designation.split("x")[1])
            return robot_i_row(s, "IPE", designation, name)
        return am_i_row(s, "IPE", designation, name)
    series = {"a": "IPE A ", "o": "IPE O ", "v": "IPE V "}.get(designation[-1], "IPE ")
    size = designation.rstrip("aov")
    name = series + size
    if name in s.am_ih:
        return am_i_row(s, "IPE", designation, name)
    key = f"IPE-{size}-{designation[-1].upper()}" if series != "IPE " else f"IPE-{size}"
    if key not in s.ss_ipe:
        raise Missing("no source table holds it")
    v = s.ss_ipe[key]
    return row("IPE", designation, "SS EU IPE (3 s.f.)", h=txt(v["h"]), b=txt(v["b"]),
               tw=txt(v["tw"]), tf=txt(v["tf"]), r=txt(v["r"]), A=txt(v["A"]),
               J1=txt(v["I_yy"]), J2=txt(v["I_zz"]), Jt=txt(v["I_t"]), Jw=txt(v["I_w"], 6))


def h_row(s, code, designation):
    names = [(n, a["G"]) for n, a in s.am_ih.items()]
    letter = {"HEAA": "AA", "HEA": "A", "HEB": "B", "HEM": "M"}
    if code in letter:
        name = f"HE {designation} {letter[code]}"
    elif "x" in designation:
        size, mass = designation.split("x")
        series = "HE" if code == "HE" else code
        name = mass_match(names, f"{series} {size} x ", mass)
    else:  # HL 1000AA, 1100R
        size = designation.rstrip("ABCMR")
        name = f"{code} {size} {designation[len(size):]}"
    if name not in s.am_ih:
        raise Missing("no source table holds it")
    # the program multiplies an HEB warping constant by 1000: stored in 10^3 cm^6
    return am_i_row(s, code, designation, name, jw_exp=-9 if code == "HEB" else -6)


def ipn_row(s, designation):
    name = "IPN " + designation
    if name not in s.am_ipn:
        if name not in s.robot:
            raise Missing("no source table holds it")
        return robot_i_row(s, "2TPN", designation, name)
    a = s.am_ipn[name]
    src = "AM26 EN10365_TaperFlangeI"
    jt = txt(a["It"], -4)
    if name in s.xc:
        jt = txt(s.xc[name][0]["It"], 8)
        src += "; It XC arcelor_ipn"
    return row("2TPN", designation, src, h=txt(a["h"]), b=txt(a["b"]), tw=txt(a["tw"]),
               tf=txt(a["tf"]), r=txt(a["r1"]), r1=txt(a["r2"]), A=txt(a["A"], -2),
               J1=txt(a["Iy"], -4), J2=txt(a["Iz"], -4), Jt=jt, Jw=txt(a["Iw"], -6))


def gost_row(s, code, designation):
    table = s.gost_i if code == "2TGO" else s.gost_u
    g = table.get(designation.replace(",", "."))
    if g is None:
        raise Missing("no source table holds it")
    std = "GOST 8239" if code == "2TGO" else "GOST 8240"
    return row(code, designation, f"{std} (sortament)", h=txt(g["h"]), b=txt(g["b"]),
               tw=txt(g["s_tw"]), tf=txt(g["t_tf"]), r=txt(g["R_root"]), r1=txt(g["r_toe"]),
               A=txt(g["A"]), J1=txt(g["Jx"]), J2=txt(g["Jy"]))


def channel_row(s, code, designation):
    if code == "UAP":
        r = s.robot.get("UAP " + designation)
        if r is None:
            raise Missing("no source table holds it")
        return row(code, designation, "ROBOT sectionbase (It Iw xT left to the builder)",
                   h=txt(r["h_mm"]), b=txt(r["b_mm"]), tw=txt(r["tw_mm(ea)"]),
                   tf=txt(r["tf_mm(es)"]), r=txt(r["ra_mm(root)"]), A=txt(r["A_cm2"]),
                   J1=txt(r["Iy_cm4"]), J2=txt(r["Iz_cm4"]))
    name = ("UPN " if code == "CPN" else "UPE ") + designation
    a = s.am_ch.get(name)
    if a is None:
        raise Missing("no source table holds it")
    src = "AM26 EN10365_Channels"
    # shear centre behind the web: x from the back of the web = centroid - distance to it
    x = s.xc_upn.get(name)
    if x is not None:
        xt = txt((x["zs"] - x["zm"]) * 1000)
        src += "; xT XC arcelor_upn zs-zm"
    else:
        xt = txt(dec(a["ys"]) - dec(a["ym"]))
        src += "; xT = ys-ym"
    return row(code, designation, src, h=txt(a["h"]), b=txt(a["b"]), tw=txt(a["tw"]),
               tf=txt(a["tf"]), r=txt(a["r1"]), r1=txt(a["r2"]), A=txt(a["A"], -2),
               J1=txt(a["Iy"], -4), J2=txt(a["Iz"], -4), Jt=txt(a["It"], -4),
               Jw=txt(a["Iw"], -6), xT=xt)


# ---------------------------------------------------------------- angles

def robot_angle(s, legs):
    """(dims row, principal-axes row or None) of Robot's angle tables."""
    h, b, t = (format(x, "f").replace(".", ",") for x in legs)
    if legs[0] == legs[1]:
        return s.robot.get(f"CAE {h}x{t}"), s.robot.get(f"CAEP {h}x{t}")
    return s.robot.get(f"CAI {h}x{b}x{t}"), s.robot.get(f"CAIP {h}x{b}x{t}")


def angle_radii(s, legs):
    """(table, r, r1) of the first table (EU, UK, Robot) holding the designation."""
    for table in ("SS EU", "SS UK"):
        v = s.angles[table].get(legs)
        if v is not None:
            return table, dec(v["r_1"]), dec(v["r_2"])
    dims, _ = robot_angle(s, legs)
    if dims is not None:
        return "ROBOT", dec(dims["ra_mm(root)"]), dec(dims["rs_mm(toe)"])
    return None


def sibling_radii(s, legs):
    """Radii of a size no table gives, from the first table holding other thicknesses of
    the same legs, provided they all share one pair of radii there."""
    for table in ("SS EU", "SS UK"):
        sib = {k: v for k, v in s.angles[table].items() if k[:2] == legs[:2]}
        if sib:
            radii = {(dec(v["r_1"]), dec(v["r_2"])) for v in sib.values()}
            if len(radii) != 1:
                raise Missing(f"{table} angles of these legs have different radii")
            ts = [format(t, "f") for t in sorted(k[2] for k in sib)]
            legs_txt = "x".join(format(x, "f") for x in legs[:2])
            span = ts[0] if len(ts) == 1 else f"{ts[0]}..{ts[-1]}"
            return (*radii.pop(), f"r as {legs_txt}x{span} ({table})")
    raise Missing("no tabulated angle of these legs to take the radii from")


def angle_row(s, code, designation):
    legs = parse_dims(designation)
    h, b, t = (format(x, "f") for x in legs)
    dims = dict(h=h, b=b, tw=t, tf=t)
    found = angle_radii(s, legs)
    if found is None:
        r, r1, note = sibling_radii(s, legs)
        return row(code, designation, f"EN 10056-1 size from designation; {note}",
                   r=txt(r), r1=txt(r1), **dims)
    table, r, r1 = found
    radii = dict(r=txt(r), r1=txt(r1))
    x = s.xc_l.get(legs)
    if x is not None and (x["r1"] * 1000, x["r2"] * 1000) == (r, r1):
        # same radii: the older catalogue's four figures instead of three
        return row(code, designation, f"{table} L; A Iu Iv XC arcelor_l", **dims, **radii,
                   A=txt(x["A"], 4), J1=txt(x["Iu"], 8), J2=txt(x["Iv"], 8))
    if table != "ROBOT":
        v = s.angles[table][legs]
        return row(code, designation, f"{table} L", **dims, **radii, A=txt(v["A"]),
                   J1=txt(v["I_uu"]), J2=txt(v["I_vv"]))
    d, p = robot_angle(s, legs)
    fig = "CAE" if legs[0] == legs[1] else "CAI"
    if p is not None and (dec(p["ra_mm(root)"]), dec(p["rs_mm(toe)"])) == (r, r1):
        return row(code, designation, f"ROBOT {fig}P", **dims, **radii, A=txt(p["A_cm2"]),
                   J1=txt(p["Iy_cm4"]), J2=txt(p["Iz_cm4"]))
    # the principal-axes table has other radii: keep the leg-axes row, moments to the builder
    return row(code, designation, f"ROBOT {fig} (its {fig}P row has other radii; Iu Iv left to the builder)",
               **dims, **radii, A=txt(d["A_cm2"]))


# ---------------------------------------------------------------- tees, Z

def half_up(x):
    return (x * 2).to_integral_value(rounding=ROUND_CEILING) / 2


def tee_rule_holds(s):
    tees = [r for r in s.robot.values() if r["figure"] == "TEAE"]
    return bool(tees) and all(
        dec(r["ra_mm(root)"]) == dec(r["tw_mm(ea)"]) and
        dec(r["rs_mm(toe)"]) == half_up(dec(r["tw_mm(ea)"]) / 2) for r in tees)


def tee_row(s, code, designation):
    if code != "TW":
        raise Missing("no source table holds it")
    h, b, t = parse_dims(designation)
    r = s.robot.get(f"TEAE {format(h, 'f')}x{format(t, 'f').replace('.', ',')}")
    if r is not None and dec(r["b_mm"]) == b and dec(r["tw_mm(ea)"]) == t:
        toe = txt(r["rs_mm(toe)"])
        return row(code, designation, "ROBOT TEAE", h=txt(r["h_mm"]), b=txt(r["b_mm"]),
                   tw=txt(t), tf=txt(t), r=txt(r["ra_mm(root)"]), r1=toe, r2=toe,
                   A=txt(r["A_cm2"]), J1=txt(r["Iy_cm4"]), J2=txt(r["Iz_cm4"]))
    if not s.tee_rule:
        raise Missing("no source table holds it")
    toe = txt(half_up(t / 2))
    return row(code, designation, "EN 10055 size from designation; radii by the rule r = t, "
               "r1 = r2 = t/2 seen in every tabulated tee", h=txt(h), b=txt(b), tw=txt(t),
               tf=txt(t), r=txt(t), r1=toe, r2=toe)


def z_row(s, code, designation):
    v = s.zbeam.get("ZNP" + designation) if code == "ZDIN" else None
    if v is None:
        raise Missing("no source table holds it")
    h, c1, tw, tf = v
    return row(code, designation, "BOLTS zbeam DIN 1027 (h b tw tf only; no radii)",
               h=txt(h), b=txt(c1), tw=txt(tw), tf=txt(tf))


# ---------------------------------------------------------------- families

def family_rows(s):
    """{code: [designation, ...]} in the program's order. The IPE variants share code IPE:
    plain sizes, the 750 x mass sizes, IPE A ('200a'), then IPE O and V by size ('400o',
    '400v')."""
    wanted = {}
    for c in s.coverage:
        code = "IPE" if c["family_code"].startswith("IPE") else c["family_code"]
        wanted.setdefault(code, []).append((c["family_code"], c["designation"]))
    order = {}
    for code, entries in wanted.items():
        if code == "IPE":
            plain = [d for f, d in entries if f == "IPE"]
            ov = sorted((int(d), f, d + f[-1]) for f, d in entries if f in ("IPEo", "IPEv"))
            order[code] = ([d for d in plain if "x" not in d] + [d for d in plain if "x" in d]
                           + [d + "a" for f, d in entries if f == "IPEa"]
                           + [d for _, _, d in ov])
        elif code in ("HE", "HD", "HL", "HP"):  # the program shows '260x54,1'
            order[code] = [d.replace(".", ",") for _, d in entries]
        else:
            order[code] = [d for _, d in entries]
    return order


def no_data(s, code, designation):
    raise Missing("no source table holds it")


BUILDERS = {
    "IPE": lambda s, c, d: ipe_row(s, d),
    "2TPN": lambda s, c, d: ipn_row(s, d),
    "2TGO": gost_row, "CGO": gost_row,
    "HEAA": h_row, "HEA": h_row, "HEB": h_row, "HEM": h_row, "HE": h_row, "HD": h_row,
    "HL": h_row, "HP": h_row,
    "CPN": channel_row, "UAE": channel_row, "UAP": channel_row,
    "CE": no_data,
    "KWR": angle_row, "KWN": angle_row,
    "TW": tee_row, "TN": tee_row,
    "ZDIN": z_row, "ZPN": z_row,
}


def write_family(path, code, rows):
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write(f"# {code}: written by tools/import_profiles.py from public section tables; "
                "see README.md for sources, units and the designations left out\n")
        w = csv.DictWriter(f, fieldnames=COLUMNS, lineterminator="\n")
        w.writeheader()
        w.writerows(rows)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("sources", help="folder with COVERAGE.csv and the source tables")
    ap.add_argument("--out", default=os.path.join(os.path.dirname(__file__), "..", "data",
                                                  "profiles"))
    args = ap.parse_args()
    s = Sources(args.sources)
    s.tee_rule = tee_rule_holds(s)
    os.makedirs(args.out, exist_ok=True)
    missing_total = 0
    for code, designations in family_rows(s).items():
        rows, missing = [], []
        for d in designations:
            try:
                rows.append(BUILDERS[code](s, code, d))
            except Missing as e:
                missing.append((d, str(e)))
        path = os.path.join(args.out, f"{code}.csv")
        if rows:
            write_family(path, code, rows)
        elif os.path.exists(path):
            os.remove(path)
        missing_total += len(missing)
        print(f"{code}: {len(rows)}/{len(designations)}")
        for d, why in missing:
            print(f"    left out {d}: {why}")
    print(f"tee radius rule r = t, r1 = r2 = t/2 holds in every Robot tee: {s.tee_rule}")
    print(f"{missing_total} designations left out")


if __name__ == "__main__":
    sys.exit(main())
