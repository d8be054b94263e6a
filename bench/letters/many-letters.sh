#!/bin/sh
# tavrin-letters as a user runs it, timed whole with /usr/bin/time: 1,000, 10,000 and 100,000 Classic
# letters to .docx on one core (taskset -c 0) and on every core, and 1,000 Romantic letters with
# letters.pdf. Each program given is run the same way, one after the other, so that builds can be
# compared in one sitting; every figure is printed with the load average at its start.
#
#   bench/letters/many-letters.sh [-r RUNS] [-c "1000 10000"] PROGRAM...
#
# The letters go to a folder of their own under $TMPDIR (or /var/tmp), removed at the end: a file system
# that has just deleted many files makes new ones slowly for a while (ext4 looks for inodes it may not
# reuse yet), which would charge one run for the clean-up of the one before.
set -eu

runs=1
counts="1000 10000 100000"
while getopts r:c: option; do
    case $option in
    r) runs=$OPTARG ;;
    c) counts=$OPTARG ;;
    *) exit 2 ;;
    esac
done
shift $((OPTIND - 1))
[ $# -gt 0 ] || { echo "usage: $0 [-r RUNS] [-c COUNTS] PROGRAM..." >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/var/tmp}/many-letters-XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM

# The address book bench_letters uses: a name, a two-line address and a given name.
address_book() {
    awk -v count="$1" 'BEGIN {
        print "name,address,first name"
        for (i = 0; i < count; i++) printf "Person %d,\"%d Long Road\nTown\",P%d\n", i, i, i
    }' >"$work/book-$1.csv"
}

run=0
# measure LABEL PROGRAM [ARGUMENT...]: one row of the table, from a fresh output folder.
measure() {
    label=$1
    shift
    run=$((run + 1))
    out="$work/out-$run"
    load=$(cut -d' ' -f1 /proc/loadavg)
    /usr/bin/time -f "%e %U %S %M" -o "$work/time" "$@" --out "$out" >/dev/null 2>"$work/errors" ||
        { cat "$work/errors" >&2; exit 1; }
    read -r wall user system kilobytes <"$work/time"
    extra=
    [ -f "$out/letters.pdf" ] && extra=" letters.pdf $(du -k "$out/letters.pdf" | cut -f1) KB"
    printf '%-44s wall %6.2f s  CPU %6.2f s  peak %4d MB  load %s%s\n' "$label" "$wall" \
        "$(echo "$user + $system" | bc)" $((kilobytes / 1024)) "$load" "$extra"
}

for count in $counts; do
    address_book "$count"
done
address_book 1000

for attempt in $(seq "$runs"); do
    for program in "$@"; do
        name=$(basename "$(dirname "$(readlink -f "$program")")")/$(basename "$program")
        for count in $counts; do
            for cores in "1 core" "all cores"; do
                pin=
                [ "$cores" = "1 core" ] && pin="taskset -c 0"
                measure "$name $count Classic, $cores" $pin "$program" \
                    --recipients "$work/book-$count.csv" --style classic --salutation "Dear {first}," --sample 1
            done
        done
        measure "$name 1000 Romantic --pdf --envelopes DL" "$program" --recipients "$work/book-1000.csv" \
            --style romantic --salutation "Dear {first}," --sample 3 --pdf --envelopes DL
    done
    echo "(run $attempt of $runs)"
done
