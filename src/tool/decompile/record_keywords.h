// The keyword spellings and section lines the decompiler writes: the one
// place in the decompiler that knows how records are spelled. Every keyword
// is written as the embedded scenario writes it, so that the compiler's
// substring tests recognise it and nothing else.
#pragma once

#include <string_view>

namespace scn::tool::decompile {

namespace line_keyword {
inline constexpr std::string_view length = "lunghezza percorso";
inline constexpr std::string_view km_uno = "progressiva chilometrica uno";
inline constexpr std::string_view km_due = "progressiva chilometrica due";
inline constexpr std::string_view km_tre = "progressiva chilometrica tre";
inline constexpr std::string_view backdrop_uno = "sfondo uno";
inline constexpr std::string_view backdrop_due = "sfondo due";
inline constexpr std::string_view backdrop_tre = "sfondo tre";
inline constexpr std::string_view repetition_4 = "ripetizione segnali 4 codici";
inline constexpr std::string_view repetition_9 = "ripetizione segnali 9 codici";
// Followed by the class digit: "curvad4" turns right, "curvas4" left.
inline constexpr std::string_view curve_right = "curvad";
inline constexpr std::string_view curve_left = "curvas";
// A curve keyword without a class digit, which the compiler refuses.
inline constexpr std::string_view curve_without_class = "curva";
inline constexpr std::string_view gradient = "pendenza";
inline constexpr std::string_view span = "montagna";
inline constexpr std::string_view speed_post = "indicatori_vmax";
inline constexpr std::string_view text_board = "cartello_indicatore";
}  // namespace line_keyword

namespace line_section {
inline constexpr std::string_view general = "[generale]";
inline constexpr std::string_view curves = "[curve]";
inline constexpr std::string_view gradients = "[pendenze]";
inline constexpr std::string_view spans = "[montagne]";
inline constexpr std::string_view speed_posts = "[cartelli]";
inline constexpr std::string_view text_boards = "[indicazioni]";
inline constexpr std::string_view end = "[fine]";
}  // namespace line_section

namespace train_keyword {
inline constexpr std::string_view coaches = "numero vetture";
inline constexpr std::string_view braked_mass = "percentuale massa frenata";
inline constexpr std::string_view sand = "sabbia";
inline constexpr std::string_view clock = "orologio";
inline constexpr std::string_view adhesion = "aderenza";
inline constexpr std::string_view speed = "velocita";
inline constexpr std::string_view station = "stazione";
inline constexpr std::string_view slowdown = "rallentamento";
inline constexpr std::string_view signal = "segnale";
inline constexpr std::string_view reduction_mark = "abbattimento";
}  // namespace train_keyword

namespace train_section {
inline constexpr std::string_view general = "[generale]";
inline constexpr std::string_view adhesion = "[aderenze]";
inline constexpr std::string_view speed = "[vel_limite]";
inline constexpr std::string_view stations = "[stazioni]";
inline constexpr std::string_view slowdowns = "[rallentamenti]";
inline constexpr std::string_view signals = "[segnali]";
// Written empty; reduction marks have no section of their own and follow
// the signals.
inline constexpr std::string_view codes = "[codici]";
inline constexpr std::string_view end = "[fine]";
}  // namespace train_section

}  // namespace scn::tool::decompile
