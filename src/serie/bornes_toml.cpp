#include "serie/bornes_toml.h"

namespace bilobe {

namespace {

bool caractere_de_cle(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
}

// Reads the text once, keeping the line, the nesting and the dots of the run
// of key parts it stands in.
class Lecture {
public:
  explicit Lecture(std::string_view texte) : t_(texte) {}

  std::optional<DepassementToml> premier_depassement() {
    while (i_ < t_.size()) {
      const char c = t_[i_];
      if (c == '#') {
        sauter_jusqu_a('\n');
        points_ = 0;
      } else if (c == '"' || c == '\'') {
        sauter_chaine(c); // a quoted part of a key continues the run
        continue;
      } else if (c == '.') {
        if (++points_ >= PARTIES_DE_CLE_MAX)
          return DepassementToml{ligne_, "clé de plus de " + std::to_string(PARTIES_DE_CLE_MAX) + " parties"};
      } else if (c == '[' || c == '{') {
        if (++profondeur_ > IMBRICATION_MAX)
          return DepassementToml{ligne_, "plus de " + std::to_string(IMBRICATION_MAX) + " niveaux imbriqués"};
        points_ = 0;
      } else if (c == ']' || c == '}') {
        if (profondeur_ > 0) --profondeur_;
        points_ = 0;
      } else if (!caractere_de_cle(c) && c != ' ' && c != '\t') {
        points_ = 0; // "=", ",", a line's end…: the run of key parts ends
      }
      if (i_ < t_.size() && t_[i_] == '\n') ++ligne_;
      ++i_;
    }
    return std::nullopt;
  }

private:
  void sauter_jusqu_a(char fin) {
    while (i_ < t_.size() && t_[i_] != fin) ++i_;
  }

  // From an opening quote to just past its closing one; multi-line strings
  // count their lines.
  void sauter_chaine(char guillemet) {
    const bool litterale = guillemet == '\'';
    const std::string_view triple = litterale ? "'''" : "\"\"\"";
    const bool multiligne = t_.substr(i_, 3) == triple;
    i_ += multiligne ? 3 : 1;
    while (i_ < t_.size()) {
      const char c = t_[i_];
      if (c == '\\' && !litterale) {
        if (i_ + 1 < t_.size() && t_[i_ + 1] == '\n') ++ligne_;
        i_ += 2;
        continue;
      }
      if (multiligne ? t_.substr(i_, 3) == triple : c == guillemet) {
        i_ += multiligne ? 3 : 1;
        // Up to two quotes just before the closing three belong to the string.
        for (int k = 0; multiligne && k < 2 && i_ < t_.size() && t_[i_] == guillemet; ++k) ++i_;
        return;
      }
      if (c == '\n') {
        if (!multiligne) return; // unclosed: the parser says so
        ++ligne_;
      }
      ++i_;
    }
  }

  std::string_view t_;
  std::size_t i_ = 0;
  std::size_t ligne_ = 1;
  std::size_t profondeur_ = 0;
  std::size_t points_ = 0;
};

} // namespace

std::optional<DepassementToml> depassement_toml(std::string_view texte) { return Lecture(texte).premier_depassement(); }

} // namespace bilobe
