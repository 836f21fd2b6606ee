#!/usr/bin/env python3
"""Writes a synthetic scenario with dense records for measuring the compiler.

Usage: make_synthetic.py LENGTH OUTDIR [--name NAME] [--train NUMBER]

Writes OUTDIR/NAME_linea.txt and OUTDIR/NAME_NUMBER-.txt (defaults SYNTH and
90001) for a line of LENGTH metres (a multiple of 1000, 20000 to 1000000):
a curve every 200 m, a gradient every 100 m, a station every 10 km, a signal
every 1 km and a slowdown every 20 km. The item table holds at most 78
stations, so on lines longer than 780 km the stations are spread evenly at
the smallest whole-kilometre spacing that keeps them within it.

The records are laid out so that nothing collides and the scenario compiles
without a status. With c(p) = p / 50 + 1 the cell of an object at p, and
every repeating object on a whole kilometre plus a fixed offset, each kind of
cell keeps its own residue modulo 20 (one kilometre is 20 cells):

  signal at k km + 500 m            cell = 11 (mod 20)
  station at n km, length 400 m     stop cell = 3, approach cells 2..-1
  slowdown at q * 20 km + 5000 m    start s = 1, end s + 20 = 1,
    for 1000 m, with pre-warnings   warning s - 24 = 17, pre-warnings 16..13

so signals, stop cells and slowdown cells never share a cell. The marker
pass then always finds a free cell: before a signal (residue 10), ahead of a
slowdown (s - 5, s - 11, s - 18 or their neighbours), along it (s + 8,
s + 16) and before the next signal after its end (e + 9).
"""

import argparse
import os
import sys

MAX_LINE_LENGTH = 1000000
MAX_STATIONS = 78  # station rows 1..78 while no text board takes a row
CRLF = "\r\n"


def line_description(length):
    rows = [
        "[generale]",
        f"lunghezza percorso,    {length}",
        "progressiva chilometrica uno,    0,    0,    0",
        "progressiva chilometrica due,    0,    0,    0",
        "progressiva chilometrica tre,    0,    0,    0",
        "sfondo uno,    1",
        "sfondo due,    0",
        "sfondo tre,    0",
        "ripetizione segnali 4 codici,    0    ,0",
        "[curve]",
    ]
    # Curves of 100 m from 50 m past every multiple of 200 m, turning right
    # and left in turn through the classes 1 to 4; the last one ends well
    # before the end of the line.
    for n, start in enumerate(range(50, length - 200, 200)):
        side = "d" if n % 2 == 0 else "s"
        rows.append(f"curva{side}{n % 4 + 1},  {start},  100")
    rows.append("[pendenze]")
    # Gradients every 100 m rising and falling between -12 and +12 per mille.
    for n, position in enumerate(range(0, length, 100)):
        rows.append(f"pendenza,  {position},   {(n % 25) - 12}")
    rows += ["[montagne]", "[cartelli]", "[indicazioni]", "[fine]"]
    return rows


def station_spacing(length):
    spacing = 10000
    while (length - 1) // spacing > MAX_STATIONS:
        spacing += 1000
    return spacing


def stations(length):
    rows = []
    spacing = station_spacing(length)
    for n, position in enumerate(range(spacing, length, spacing), start=1):
        seconds = 6 * 3600 + n * 300
        h, m, s = seconds // 3600, seconds // 60 % 60, seconds % 60
        rows.append(f"stazione,  {position},  12,  400, 1, 0, 0, 4, 1, 0, 2, 1, 1, 0,"
                    f"  {h}, {m}, {s}, STAZIONE {n}")
    return rows


def slowdowns(length):
    return [f"rallentamento,  {x},    60,  1000, 1,  1,  0"
            for x in range(5000, length - 2000, 20000)]


def signals(length):
    rows = []
    for k, position in enumerate(range(500, length - 500, 1000)):
        sx, tempo = (2, 201) if k % 3 == 2 else (1, 0)
        rows.append(f"segnale,  {position},   {sx}, 3, 0,  0, 0,    0,  0,0,0, {tempo}")
    return rows


def train_description(length):
    rows = [
        "[generale]",
        "numero vetture,    12",
        "percentuale massa frenata,    80",
        "sabbia,    300",
        "orologio,    6              0             0 ",
        "[aderenze]",
        "aderenza,   0,    100",
        "[vel_limite]",
        "velocita,       0,    120",
        "[stazioni]",
    ]
    rows += stations(length)
    rows.append("[rallentamenti]")
    rows += slowdowns(length)
    rows.append("[segnali]")
    rows += signals(length)
    rows += ["[codici]", "[fine]"]
    return rows


def write_lines(path, rows):
    with open(path, "wb") as f:
        f.write((CRLF.join(rows) + CRLF).encode("cp1252"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("length", type=int, help="line length in metres")
    parser.add_argument("outdir", help="directory for the two description files")
    parser.add_argument("--name", default="SYNTH", help="line name")
    parser.add_argument("--train", default="90001", help="train number")
    args = parser.parse_args()
    if args.length % 1000 != 0 or not 20000 <= args.length <= MAX_LINE_LENGTH:
        sys.exit("make_synthetic.py: LENGTH must be a multiple of 1000 from 20000 to 1000000")
    os.makedirs(args.outdir, exist_ok=True)
    line_path = os.path.join(args.outdir, f"{args.name}_linea.txt")
    train_path = os.path.join(args.outdir, f"{args.name}_{args.train}-.txt")
    write_lines(line_path, line_description(args.length))
    write_lines(train_path, train_description(args.length))


if __name__ == "__main__":
    main()
