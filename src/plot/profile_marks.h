// The marks along the profile charts: the station band with names, the
// station lines through every chart, and the lanes of tunnels, boards and
// signals under the charts.
#pragma once

#include "plot/chart_frame.h"
#include "plot/plot_input.h"
#include "plot/svg_writer.h"

namespace scn::plot {

// Height the station band needs for its longest name.
double station_band_height(const plot_input& in);

// The station band: a line diagram with a dot per station and each name
// written upwards above it, between f.top and f.bottom.
void draw_station_band(svg_writer& svg, const plot_input& in, const chart_frame& f);

// Thin vertical lines at the stations inside one chart.
void draw_station_lines(svg_writer& svg, const plot_input& in, const chart_frame& f);

// Height of the lanes under the charts.
double lanes_height();

// Lanes of tunnels, text boards and signals from f.top downwards.
void draw_object_lanes(svg_writer& svg, const plot_input& in, const chart_frame& f);

// "HH:MM" for a time of day in seconds ("HH:MM:SS" when seconds are set).
std::string clock_text(std::int32_t seconds);

// "km 12.345" for a position in metres.
std::string km_text(double metres);

}  // namespace scn::plot
