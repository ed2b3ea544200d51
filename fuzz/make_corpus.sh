#!/usr/bin/env bash
# Makes the seed corpora in fuzz/corpus/ from this project's own programs:
#   bash fuzz/make_corpus.sh BUILD   (a build folder with tarvik-cli, PROFILE.DAT and
#                                     tarvik-fuzz-point-list-prm, e.g. build-fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: fuzz/make_corpus.sh BUILD}
cli="$build/tarvik-cli"
db="$build/PROFILE.DAT"
out=fuzz/corpus

mkdir -p "$out"/{section_file,point_file,catalogue,numbers,dxf}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# sections saved as "Zapisz do pliku" saves them (only the .PRM is kept)
"$cli" profile --profiles "$db" --save "$work/ipe200" IPE 200 >/dev/null
"$cli" compute --kind 4 --sub 0 --t1 "120 mm" --t2 "15 mm" --save "$work/rectangle" >/dev/null
"$cli" compute --kind 4 --sub 2 --t1 "120 mm" --t2 "8 mm" --save "$work/pipe" >/dev/null
"$cli" compute --kind 4 --sub 5 --variant 1 --t1 "220 mm" --t2 "9 mm" --t3 "140 mm" \
  --t4 "180 mm" --t5 "12 mm" --t6 "16 mm" --t7 "80 mm" --t8 "100 mm" --save "$work/box" >/dev/null
for name in ipe200 rectangle pipe box; do cp "$work/$name.PRM" "$out/section_file/$name.PRM"; done
"$build/tarvik-fuzz-point-list-prm" "$out/section_file/outline.PRM" \
  data/demo/skrzynka-zewn.txt data/demo/skrzynka-wewn.txt

# the demo point files, a list with a decimal point, an exponent and units, one with a skipped line
cp data/demo/skrzynka-zewn.txt data/demo/skrzynka-wewn.txt "$out/point_file/"
printf 'Zewnetrzna\r\n1   0.0   0.0\r\n2   1,5E+02   0 mm\r\n3   150   80,5 mm\r\n4   0   80.5\r\n' \
  >"$out/point_file/units.txt"
printf 'Wewnetrzna\n1 10 10\nno point here\n2 20 10\n3 20 20\n' >"$out/point_file/skipped.txt"

# a handful of catalogue records: the first IPE sizes, one channel, one angle
record() {  # the record of family $1 and designation $2, cut out of PROFILE.DAT
  python3 - "$db" "$1" "$2" <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
for at in range(0, len(data) - 115, 116):
    r = data[at:at + 116]
    if r[1:1 + r[0]] == sys.argv[2].encode() and r[6:6 + r[5]] == sys.argv[3].encode():
        sys.stdout.buffer.write(r)
        break
else:
    sys.exit("no record " + sys.argv[2] + " " + sys.argv[3])
PY
}
{ record IPE 80; record IPE 100; record IPE 200; } >"$out/catalogue/ipe.DAT"
record CPN 200 >"$out/catalogue/cpn200.DAT"
{ record KWR 100x10; record IPE 200; } >"$out/catalogue/mixed.DAT"

# number texts as typed
n=0
for text in "200 mm" "12,5" "1e5" "-3" "90°" "12,5 cm^2" " 8,0 mm" "1.5E+03" "-0,001 cm" "219,1"; do
  n=$((n + 1))
  printf '%s' "$text" >"$out/numbers/text$n.txt"
done

# drawings: each entity the DXF reader takes, CR LF line ends, the demo plate with a hole
ents() { printf '0\nSECTION\n2\nENTITIES\n%b0\nENDSEC\n0\nEOF\n' "$1"; }
ents '0\nLINE\n8\n0\n10\n0\n20\n0\n30\n0\n11\n100\n21\n0\n31\n0\n' >"$out/dxf/line.dxf"
ents '0\nPOLYLINE\n66\n1\n70\n1\n0\nVERTEX\n10\n0\n20\n0\n42\n0.5\n0\nVERTEX\n10\n50\n20\n0\n0\nVERTEX\n10\n50\n20\n30\n0\nSEQEND\n' \
  >"$out/dxf/polyline.dxf"
ents '0\nLWPOLYLINE\n90\n2\n70\n1\n10\n0\n20\n0\n42\n1\n10\n100\n20\n0\n' >"$out/dxf/lwpolyline-bulge.dxf"
ents '0\nARC\n10\n5\n20\n5\n40\n20\n50\n30\n51\n300\n230\n-1\n' >"$out/dxf/arc.dxf"
ents '0\nCIRCLE\n10\n0\n20\n0\n40\n12.5\n' | sed 's/$/\r/' >"$out/dxf/circle-crlf.dxf"
cp data/demo/blacha-otwor.dxf "$out/dxf/"
