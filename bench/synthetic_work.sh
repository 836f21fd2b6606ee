# Sourced by the timing scripts in this folder: the median of numbers read
# one per line, and a work folder holding a synthetic scenario.
bench_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# make_synthetic_work NAME LENGTH [DIR]: sets `work` to DIR, or to a new
# folder NAME.XXXXXX under build/ (on the disk the files are written to)
# that goes when the script ends, and `line` and `train` to the synthetic
# descriptions of LENGTH metres that make_synthetic.py writes into it.
make_synthetic_work() {
  local name=$1 length=$2
  if [[ $# -ge 3 ]]; then
    work=$3
    mkdir -p "$work"
  else
    mkdir -p "$bench_dir/../build"
    work=$(mktemp -d "$bench_dir/../build/$name.XXXXXX")
    trap 'rm -rf "$work"' EXIT
  fi
  python3 "$bench_dir/make_synthetic.py" "$length" "$work/in" >/dev/null
  line="$work/in/SYNTH_linea.txt"
  train="$work/in/SYNTH_90001-.txt"
}
