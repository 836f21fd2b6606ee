// Hand-built compiled models for the route plot tests.
#pragma once

#include <cstdint>

#include "model/scenario.h"

namespace scn::test {

// A 12 km line: climbs 10 per mille to 4 km, level to 8 km, falls 5 per
// mille to 12 km; a right-hand 1000 m radius curve from 3 to 4 km and a
// left-hand 333 m one from 7 to 7.5 km; stations at 0, 4.5, 6 (no stop) and
// 12 km; a tunnel board at 5 km with backdrop cells from 5.3 to 5.6 km and a
// viaduct board at 8 km; signals of type 1 at 2.45 km and type 2 at 3.65 km;
// a slowdown to 30 km/h from 9 to 9.35 km with its warning at 7.8 km.
scenario small_route(bool with_plan);

// A 100 km line with an object on most cells, to bound the picture's size.
scenario busy_route();

// Walks the plan from the plan index `from` to `to` with class value c
// (0 straight, positive right-hand), as the compiler does.
void walk_plan(scenario& s, std::int32_t from, std::int32_t to, double c);

}  // namespace scn::test
