// Classifying traced records by their keyword field.
#include "tool/check/traced_kinds.h"

#include <charconv>

#include "compiler/keyword_tests.h"

namespace scn::tool {

namespace {

bool both(std::string_view k, std::string_view a, std::string_view b) {
  return contains_exact(k, a) && contains_exact(k, b);
}

record_kind general_kind(std::string_view k) {
  if (contains_nocase(k, "lunghezza") && contains_nocase(k, "percorso")) return record_kind::length;
  if (contains_exact(k, "progressiva") &&
      (contains_exact(k, "uno") || contains_exact(k, "due") || contains_exact(k, "tre")))
    return record_kind::reference;
  if (both(k, "sfondo", "uno") || both(k, "sfondo", "due") || both(k, "sfondo", "tre"))
    return record_kind::backdrop;
  if (both(k, "ripetizione", "segnali")) return record_kind::repetition;
  return record_kind::other;
}

record_kind body_kind(std::string_view k) {
  if (contains_nocase(k, "pendenza")) return record_kind::gradient;
  if (contains_nocase(k, "curva")) return record_kind::curve;
  if (contains_nocase(k, "montagna")) return record_kind::span;
  if (contains_nocase(k, "indicatori_v")) return record_kind::speed_post;
  if (contains_nocase(k, "cartello") && contains_nocase(k, "indicat"))
    return record_kind::text_board;
  return record_kind::other;
}

record_kind train_kind(std::string_view k) {
  if (contains_nocase(k, "frenata") && contains_nocase(k, "massa")) return record_kind::braked_mass;
  if (contains_nocase(k, "vetture")) return record_kind::vehicles;
  if (contains_nocase(k, "velocit")) return record_kind::speed;
  if (contains_nocase(k, "aderenza")) return record_kind::adhesion;
  if (contains_nocase(k, "orologio")) return record_kind::clock;
  if (contains_nocase(k, "sabbia")) return record_kind::sand;
  if (contains_nocase(k, "segnale")) return record_kind::signal;
  if (contains_nocase(k, "rallentamento")) return record_kind::slowdown;
  if (contains_nocase(k, "abbattimento")) return record_kind::reduction_mark;
  if (contains_nocase(k, "stazione")) return record_kind::station;
  return record_kind::other;
}

bool closes_general_part(std::string_view k) {
  return contains_exact(k, "[") && contains_exact(k, "]") && !k.empty() && k.front() != '-';
}

}  // namespace

std::vector<classified_record> classify(const compile_trace& trace) {
  std::vector<classified_record> out;
  bool body = false;
  for (const auto& r : trace.records()) {
    const std::string_view k = r.keyword.text;
    record_kind kind = record_kind::other;
    if (r.file == description::train) {
      kind = train_kind(k);
    } else if (body) {
      kind = body_kind(k);
    } else if (closes_general_part(k)) {
      body = true;
    } else {
      kind = general_kind(k);
    }
    out.push_back({&r, kind});
  }
  return out;
}

std::optional<std::int64_t> value_of(const traced_record& r, std::size_t i) {
  if (i >= r.values.size()) return std::nullopt;
  std::string_view t = r.values[i].text;
  if (t.empty()) return 0;
  if (t.front() == '+') t.remove_prefix(1);
  std::int64_t v = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
  return v;
}

}  // namespace scn::tool
