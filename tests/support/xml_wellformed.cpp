// Well-formedness checking of XML documents for the tests.
#include "support/xml_wellformed.h"

#include <set>
#include <stdexcept>
#include <vector>

namespace scn::test {
namespace {

struct bad_xml : std::runtime_error {
  bad_xml(const std::string& what, std::size_t at)
      : std::runtime_error(what + " at byte " + std::to_string(at)) {}
};

// Length of the UTF-8 sequence at k, or 0 when it is not valid.
std::size_t utf8_sequence(std::string_view s, std::size_t k) {
  const auto b = static_cast<unsigned char>(s[k]);
  const std::size_t n = b < 0x80         ? 1
                        : (b >> 5) == 6  ? 2
                        : (b >> 4) == 14 ? 3
                        : (b >> 3) == 30 ? 4
                                         : 0;
  if (n == 0 || k + n > s.size() || (n == 2 && b < 0xC2)) return 0;
  for (std::size_t j = 1; j < n; ++j) {
    if ((static_cast<unsigned char>(s[k + j]) & 0xC0) != 0x80) return 0;
  }
  return n;
}

void check_characters(std::string_view doc) {
  for (std::size_t k = 0; k < doc.size();) {
    const std::size_t n = utf8_sequence(doc, k);
    if (n == 0) throw bad_xml("invalid UTF-8", k);
    const auto b = static_cast<unsigned char>(doc[k]);
    if (n == 1 && b < 0x20 && b != '\t' && b != '\n' && b != '\r') {
      throw bad_xml("control character", k);
    }
    k += n;
  }
}

class parser {
 public:
  explicit parser(std::string_view doc) : d_(doc) {}

  void document() {
    if (d_.substr(0, 5) == "<?xml") skip_past("?>");
    misc();
    if (!starts("<") || starts("</")) throw bad_xml("no root element", at_);
    element_tree();
    misc();
    if (at_ != d_.size()) throw bad_xml("content after the root element", at_);
  }

 private:
  bool starts(std::string_view s) const { return d_.substr(at_, s.size()) == s; }
  bool is_name_char(char c, bool first) const {
    const auto u = static_cast<unsigned char>(c);
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || u >= 0x80) {
      return true;
    }
    return !first && ((c >= '0' && c <= '9') || c == '-' || c == '.');
  }
  void skip_space() {
    while (at_ < d_.size() &&
           (d_[at_] == ' ' || d_[at_] == '\n' || d_[at_] == '\r' || d_[at_] == '\t')) {
      ++at_;
    }
  }
  void skip_past(std::string_view end) {
    const std::size_t found = d_.find(end, at_);
    if (found == std::string_view::npos) throw bad_xml("unterminated markup", at_);
    at_ = found + end.size();
  }
  void misc() {
    for (skip_space(); starts("<!--") || starts("<?"); skip_space()) {
      skip_past(starts("<!--") ? "-->" : "?>");
    }
  }
  std::string name() {
    const std::size_t from = at_;
    if (at_ >= d_.size() || !is_name_char(d_[at_], true)) throw bad_xml("bad name", at_);
    while (at_ < d_.size() && is_name_char(d_[at_], false)) ++at_;
    return std::string(d_.substr(from, at_ - from));
  }
  void reference() {
    const std::size_t end = d_.find(';', at_);
    if (end == std::string_view::npos || end - at_ > 10) throw bad_xml("bad reference", at_);
    const std::string_view ref = d_.substr(at_ + 1, end - at_ - 1);
    static const std::set<std::string_view> named = {"amp", "lt", "gt", "quot", "apos"};
    const bool numeric =
        ref.size() > 1 && ref[0] == '#' &&
        ref.find_first_not_of(ref[1] == 'x' ? "0123456789abcdefABCDEF" : "0123456789",
                              ref[1] == 'x' ? 2 : 1) == std::string_view::npos &&
        ref.size() > (ref[1] == 'x' ? 2u : 1u);
    if (!numeric && named.count(ref) == 0) throw bad_xml("unknown reference", at_);
    at_ = end + 1;
  }
  void attribute_value() {
    if (at_ >= d_.size() || (d_[at_] != '"' && d_[at_] != '\''))
      throw bad_xml("unquoted value", at_);
    const char quote = d_[at_++];
    while (at_ < d_.size() && d_[at_] != quote) {
      if (d_[at_] == '<') throw bad_xml("'<' in an attribute value", at_);
      if (d_[at_] == '&')
        reference();
      else
        ++at_;
    }
    if (at_ >= d_.size()) throw bad_xml("unterminated attribute value", at_);
    ++at_;
  }
  // Reads a start tag after its '<'; true when it closed itself.
  bool start_tag(std::string& tag) {
    tag = name();
    std::set<std::string> seen;
    for (;;) {
      const std::size_t before = at_;
      skip_space();
      if (starts("/>")) return at_ += 2, true;
      if (starts(">")) return ++at_, false;
      if (at_ == before) throw bad_xml("expected blank, '>' or '/>'", at_);
      const std::string attr = name();
      if (!seen.insert(attr).second) throw bad_xml("duplicate attribute " + attr, at_);
      skip_space();
      if (!starts("=")) throw bad_xml("expected '='", at_);
      ++at_;
      skip_space();
      attribute_value();
    }
  }
  void end_tag(std::vector<std::string>& open) {
    at_ += 2;
    const std::string tag = name();
    skip_space();
    if (!starts(">")) throw bad_xml("expected '>'", at_);
    ++at_;
    if (tag != open.back()) throw bad_xml("</" + tag + "> closes <" + open.back() + ">", at_);
    open.pop_back();
  }
  void element_tree() {
    std::vector<std::string> open;
    do {
      if (starts("</")) {
        end_tag(open);
      } else if (starts("<!--")) {
        skip_past("-->");
      } else if (starts("<![CDATA[")) {
        skip_past("]]>");
      } else if (starts("<?")) {
        skip_past("?>");
      } else if (starts("<")) {
        ++at_;
        std::string tag;
        if (!start_tag(tag)) open.push_back(tag);
      } else if (starts("&")) {
        reference();
      } else if (at_ >= d_.size()) {
        throw bad_xml("unclosed <" + open.back() + ">", at_);
      } else {
        if (starts("]]>")) throw bad_xml("']]>' in text", at_);
        ++at_;
      }
    } while (!open.empty());
  }

  std::string_view d_;
  std::size_t at_ = 0;
};

}  // namespace

std::string xml_wellformedness_error(std::string_view doc) {
  try {
    check_characters(doc);
    parser(doc).document();
  } catch (const bad_xml& e) {
    return e.what();
  }
  return {};
}

}  // namespace scn::test
