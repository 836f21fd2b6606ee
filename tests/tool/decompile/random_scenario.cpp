// The generator of well-formed random scenarios.
#include "tool/decompile/random_scenario.h"

#include <algorithm>
#include <random>
#include <set>
#include <vector>

namespace scn::test {

namespace {

class generator {
 public:
  explicit generator(std::uint32_t seed) : rng_(seed) {}

  int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
  bool chance(int percent) { return between(1, 100) <= percent; }
  std::string field(long long v) { return std::to_string(v); }

  // Cells that hold an object of the descriptions, so that no two records
  // claim one.
  bool claim(int cell) { return cell > 1 && taken_.insert(cell).second; }
  bool is_taken(int cell) const { return cell <= 1 || taken_.count(cell) != 0; }
  // Text boards, speed posts and signals, which a station's stop cell may
  // replace when it comes later in the file.
  void replaceable_at(int cell) { replaceable_.insert(cell); }
  bool is_replaceable(int cell) const { return replaceable_.count(cell) != 0; }
  // Reduction marks on the cells the marker pass will look at, written with
  // the other marks.
  std::vector<std::string> marks_near_slowdowns;

 private:
  std::mt19937 rng_;
  std::set<int> taken_;
  std::set<int> replaceable_;
};

void put(std::string& out, const std::string& line) {
  out += line + "\r\n";
}

std::string join(const std::string& keyword, const std::vector<long long>& values) {
  std::string line = keyword + ",";
  for (std::size_t i = 0; i < values.size(); ++i)
    line += (i == 0 ? " " : ", ") + std::to_string(values[i]);
  return line;
}

void general_part(generator& g, std::string& out, int length) {
  put(out, "[generale]");
  put(out, join("lunghezza percorso", {length}));
  const char* names[] = {"uno", "due", "tre"};
  for (const char* name : names) {
    const bool zero = g.chance(50);
    put(out, join(std::string("progressiva chilometrica ") + name,
                  {zero ? 0 : g.between(0, 400) * 50, zero ? 0 : g.between(0, 400) * 50,
                   g.chance(30) ? 1 : 0}));
  }
  put(out, join("sfondo uno", {g.between(0, 5)}));
  put(out, join("sfondo due", {g.between(0, 50000)}));
  put(out, join("sfondo tre", {g.between(0, 50000)}));
  const int second = g.chance(40) ? 0 : g.between(1, 100) * 50;
  put(out, join(g.chance(50) ? "ripetizione segnali 4 codici" : "ripetizione segnali 9 codici",
                {g.between(0, 100) * 50, second}));
}

void curves(generator& g, std::string& out, int length) {
  put(out, "[curve]");
  for (int at = g.between(1, 40) * 50; at + 1000 < length; at += g.between(0, 30) * 50 + 50) {
    const int n = g.between(1, 20) * 50;
    put(out, join(std::string(g.chance(50) ? "curvas" : "curvad") + std::to_string(g.between(1, 6)),
                  {at, n}));
    at += n;
  }
}

void gradients(generator& g, std::string& out, int length) {
  put(out, "[pendenze]");
  for (int at = g.between(0, 20) * 50; at < length; at += g.between(1, 40) * 50)
    put(out, join("pendenza", {at, g.between(-30, 30)}));
}

void spans(generator& g, std::string& out, int length) {
  put(out, "[montagne]");
  const int tipos[] = {1, 2, 3, 11, 12, 13};
  for (int at = g.between(10, 100) * 50; at + 2000 < length;) {
    const int end = at + g.between(1, 15) * 50;
    put(out, join("montagna", {at, end, tipos[g.between(0, 5)]}));
    at = end + g.between(0, 10) * 50;
  }
  // Spans out of order, over earlier ones.
  for (int n = length > 5000 ? g.between(0, 3) : 0; n > 0; --n) {
    const int at = g.between(10, length / 50 - 60) * 50;
    put(out, join("montagna", {at, at + g.between(1, 30) * 50, tipos[g.between(0, 5)]}));
  }
}

void line_objects(generator& g, std::string& out, int length) {
  put(out, "[cartelli]");
  for (int n = g.between(0, 8); n > 0; --n) {
    const int cell = g.between(2, length / 50);
    if (!g.claim(cell)) continue;
    g.replaceable_at(cell);
    const auto speed = [&g] { return g.between(0, 30) * 5; };
    put(out, join("indicatori_vmax", {(cell - 1) * 50, speed(), speed(), speed(), g.between(0, 3),
                                      g.between(0, 19) * 5, g.between(0, 19) * 5,
                                      g.between(0, 19) * 5, g.between(0, 3)}));
  }
  put(out, "[indicazioni]");
  for (int n = g.between(0, 12); n > 0; --n) {
    const int cell = g.between(2, length / 50);
    if (!g.claim(cell)) continue;
    g.replaceable_at(cell);
    put(out, join("cartello_indicatore", {(cell - 1) * 50}) + " (GALLERIA " + std::to_string(n) +
                 "\xB0)(Mt." + std::to_string(g.between(50, 900)) + ")  ");
  }
}

void profile(generator& g, std::string& out, const char* keyword, int length, int low, int high,
             int step) {
  for (int at = 0; at < length; at += g.between(1, 80) * 50 + (g.chance(10) ? 25 : 0))
    put(out, join(keyword, {at, g.between(low, high) * step}));
}

void stations(generator& g, std::string& out, int length, int boards) {
  put(out, "[stazioni]");
  const int kinds[] = {1, 5, 7, 8, 11, 12, 22, 24, 25, 28};
  int previous_end = -1000000;
  int count = 0;
  for (int at = g.between(0, 20) * 50; at < length && count < 70 - boards;) {
    const int kind = kinds[g.between(0, 9)];
    const int l = g.between(2, 8) * 100;
    const int ext = g.chance(30) ? 1 : 0;
    const bool centred = kind < 5 || kind > 8;
    const int start = kind >= 5 && kind <= 8 ? at - l : at - l / 2;
    const int end = kind == 5 || kind == 6   ? at + 150
                    : kind == 7 || kind == 8 ? at + l
                                             : at + l / 2 + (ext != 0 ? 50 : 0);
    const int stop = end / 50 - 1;
    if (start - 350 < previous_end || (kind < 25 && stop <= 1)) {
      at += 500;
      continue;
    }
    // A stop cell is written whatever the cell holds: it may replace a
    // text board or a speed post.
    if (kind < 25 && !g.claim(stop) && !(g.is_replaceable(stop) && g.chance(50))) {
      at += 500;
      continue;
    }
    previous_end = end;
    ++count;
    put(out, join("stazione", {at, kind, l, g.between(0, 1), g.between(0, 2), centred ? ext : 0,
                               g.between(0, 4), g.between(0, 1), g.between(0, 1), g.between(0, 4),
                               g.between(0, 3), g.between(0, 1), g.chance(30) ? 99 : 0,
                               g.between(0, 23), g.between(0, 59), g.between(0, 59)}) +
                 " STAZIONE " + std::to_string(count) + (g.chance(20) ? " SUD-EST" : ""));
    at = end + 350 + g.between(0, 60) * 50 + (centred ? l / 2 : l);
  }
}

void slowdowns(generator& g, std::string& out, int length) {
  put(out, "[rallentamenti]");
  for (int n = g.between(0, 10); n > 0; --n) {
    const int s = g.between(3, length / 50 - 40);
    const int e = s + g.between(0, 30);
    const bool warned = (s - 1) * 50 > 1500;
    const int f_ta = g.chance(40) ? 1 : 0;
    std::vector<int> cells = {s, e};
    if (warned) cells.push_back(s - 24);
    if (warned && f_ta != 0)
      for (int j = 25; j <= 28; ++j) cells.push_back(s - j);
    bool free = true;
    for (const int c : cells) free = free && !g.is_taken(c);
    if (!free) continue;
    for (const int c : cells) g.claim(c);
    for (const int d : {-5, -6, -7, -11, -12, -18, 7, 8, 9, 15, 16, 17, -23, -22}) {
      const int values[] = {180, 180, 200, 30, 0};
      if (g.chance(35) && g.claim(s + d))
        g.marks_near_slowdowns.push_back(
            join("abbattimento", {(s + d) * 50, values[g.between(0, 4)]}));
    }
    put(out,
        join("rallentamento", {(s - 1) * 50, g.between(2, 24) * 5, (e - s) * 50, g.between(0, 1),
                               f_ta, g.chance(30) ? g.between(1, 9) * 10 : 0}));
  }
}

void signals(generator& g, std::string& out, int length) {
  put(out, "[segnali]");
  for (int at = g.between(2, 40) * 50; at < length; at += g.between(1, 10) * 50) {
    const int cell = at / 50 + 1;
    if (!g.claim(cell)) continue;
    g.replaceable_at(cell);
    const int sx = g.between(1, 2);
    const int tempos[] = {0, 0, 50, 101, 201, 255};
    put(out, join("segnale",
                  {at, sx, g.between(0, 4), g.between(0, 4), g.between(0, 4), g.chance(10) ? 1 : 0,
                   g.chance(10) ? 1 : 0, g.between(0, 1), 0, 0, tempos[g.between(0, 5)]}));
  }
}

void reduction_marks(generator& g, std::string& out, int length) {
  put(out, "[codici]");
  for (const auto& m : g.marks_near_slowdowns) put(out, m);
  for (int n = g.between(0, 3); n > 0; --n) {
    const int cell = g.between(2, length / 50);
    if (!g.claim(cell)) continue;
    const int values[] = {0, 30, 180, 200};
    put(out, join("abbattimento", {cell * 50, values[g.between(0, 3)]}));
  }
}

}  // namespace

random_descriptions random_scenario(std::uint32_t seed) {
  generator g(seed);
  const int length = g.between(60, 600) * 50 + (g.chance(20) ? 25 : 0);
  random_descriptions d;
  general_part(g, d.line, length);
  curves(g, d.line, length);
  gradients(g, d.line, length);
  spans(g, d.line, length);
  line_objects(g, d.line, length);
  put(d.line, "[fine]");
  const int boards = static_cast<int>(std::count(d.line.begin(), d.line.end(), '\xB0'));
  put(d.train, "[generale]");
  put(d.train, join("numero vetture", {g.between(1, 15)}));
  put(d.train, join("percentuale massa frenata", {g.between(30, 120)}));
  put(d.train, join("sabbia", {g.between(0, 500)}));
  put(d.train, join("orologio", {g.between(0, 23), g.between(0, 59), g.between(0, 59)}));
  put(d.train, "[aderenze]");
  profile(g, d.train, "aderenza", length, 50, 100, 1);
  put(d.train, "[vel_limite]");
  profile(g, d.train, "velocita", length, 4, 32, 5);
  // Now and then the signals come first, where a station's stop cell may
  // replace them.
  const bool signals_first = g.chance(20);
  if (signals_first) signals(g, d.train, length);
  stations(g, d.train, length, boards);
  slowdowns(g, d.train, length);
  if (!signals_first) signals(g, d.train, length);
  reduction_marks(g, d.train, length);
  put(d.train, "[fine]");
  return d;
}

}  // namespace scn::test
