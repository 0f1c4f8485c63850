#!/usr/bin/env bash
# Builds the example race folder from nothing with korva and the two helper tools:
#   examples/make-example.sh [BUILD]   (BUILD configured with -DKORVA_BUILD_TOOLS=ON)
# The race, its matrix and results come from korva commands; the pictures are drawn by the
# program's own drawing code; the renders show what the printed pages look like.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../build}" && pwd)"
korva="$build/src/cli/korva"
export QT_QPA_PLATFORM=offscreen
export SOURCE_DATE_EPOCH=1778889600  # 16 May 2026: every run makes the same race file

race="$here/race/SpringSprint.kvr"
rm -rf "$here/race" "$here/renders"
mkdir -p "$here/race" "$here/renders"

"$build/tools/korva_new_race" "$race" "Spring Sprint"

# Six pilots a class; each line: ID, last name, first name, channel, category and three
# items the import does not use.
pilots() {
    printf 'ID,Last,First,Team,Category,Club,City,State\n'
    printf '%s\n' "$@"
}
pilots "A101,Lindqvist,Karin,2,Senior,Falcons,Oslo,NA" \
       "A102,Brennan,Tom,4,Senior,Falcons,Leeds,NA" \
       "A103,Okafor,Ada,6,Junior,Kestrels,Lagos,NA" \
       "A104,Marsh,Dylan,8,Senior,Kestrels,Perth,NA" \
       "A105,Novak,Petra,12,Senior,Harriers,Brno,NA" \
       "A106,Sato,Ken,16,Junior,Harriers,Kobe,NA" >"$here/race/pilots424.csv"
pilots "B201,Ferreira,Luis,20,Senior,Swifts,Porto,NA" \
       "B202,Holm,Greta,24,Senior,Swifts,Malmo,NA" \
       "B203,Quinn,Rory,28,Junior,Merlins,Cork,NA" \
       "B204,Adeyemi,Tunde,32,Senior,Merlins,Ibadan,NA" \
       "B205,Kowalski,Ewa,36,Senior,Hobbies,Lodz,NA" \
       "B206,Dubois,Marc,40,Junior,Hobbies,Lyon,NA" >"$here/race/pilots426.csv"
"$korva" import "$race" "$here/race/pilots424.csv" --bracket 0
"$korva" import "$race" "$here/race/pilots426.csv" --bracket 1
rm "$here/race/pilots424.csv" "$here/race/pilots426.csv"

"$korva" matrix "$race" --end-round 4 --seed 7 --no-inform

# Rounds 1 and 2 of both classes flown, with a tie for third place; rounds 3 and 4 are still
# to come.
result() {  # BRACKET ROUND HEAT LANE...
    local bracket=$1 round=$2 heat=$3
    shift 3
    local args=()
    for lane in "$@"; do args+=(--lane "$lane"); done
    "$korva" results "$race" --bracket "$bracket" --round "$round" --heat "$heat" "${args[@]}"
}
for bracket in 0 1; do
    result "$bracket" 1 1 1=1,1:31.20,0 2=2,1:33.45,0 3=3,1:35.10,1
    result "$bracket" 1 2 1=2,1:34.80,0 2=1,1:32.05,0 3=3,1:36.90,0
    result "$bracket" 2 1 1=3,1:36.40,1 2=1,1:30.95,0 3=2,1:33.70,0
    result "$bracket" 2 2 1=1,1:31.85,0 2=2,1:34.25,0 3=3,1:35.55,0
done

# The renders: the pages of a copy of the folder, so that the example stays as a newcomer
# finds it (no pages written, matrix not locked).
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$here/race/." "$work/"
for kind in heat-cards heat-sheets pilot-cards pilot-list heat-details spectator-programs \
            fly-off; do
    # fly-off writes nothing while no two pilots are tied.
    "$korva" report "$work/SpringSprint.kvr" "$kind" --print-date 05/16/26 --icons \
        --wing-flags nose-up >"$work/$kind.paths" || true
    n=0
    while read -r page; do
        n=$((n + 1))
        "$build/tools/korva_render_page" "$page" "$here/renders/${kind/spectator/audience}-$n.png"
    done <"$work/$kind.paths"
done

# The heat cards as a PDF, in colour and in black and white: the first sheet of each
# (pdftoppm comes with poppler-utils).
if command -v pdftoppm >/dev/null; then
    for look in colour grey; do
        grey=()
        [[ "$look" == grey ]] && grey=(--grey)
        "$korva" report "$work/SpringSprint.kvr" heat-cards --print-date 05/16/26 --icons \
            --pdf "$work/cards-$look.pdf" "${grey[@]}" >/dev/null
        name="pdf-heat-cards"
        [[ "$look" == grey ]] && name="pdf-heat-cards-grey"
        pdftoppm -r 50 -png -f 1 -l 1 -singlefile "$work/cards-$look.pdf" "$here/renders/$name"
    done
fi
