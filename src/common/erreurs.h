#pragma once

#include <exception>
#include <stdexcept>
#include <string>

namespace bilobe {

// The kinds of run-time error that end an event handler. Each handler
// catches them at its boundary and shows the message in French.
enum class GenreErreur {
  DivisionParZero,
  OperationInvalide, // 0 / 0, square root of a negative number
  IndiceHorsLimites,
  Depassement, // beyond the double or single range
  Fichier,
};

class ErreurExecution : public std::runtime_error {
public:
  ErreurExecution(GenreErreur genre, std::string lieu, std::string detail = {});

  GenreErreur genre() const { return genre_; }
  // Where the computation stopped, e.g. "xa / xtot" or "ArcCos".
  const std::string& lieu() const { return lieu_; }
  const std::string& detail() const { return detail_; }

  // Throws the same error again, its place prefixed with the stage it
  // happened in.
  [[noreturn]] void relancer_dans(const std::string& etape) const;

private:
  GenreErreur genre_;
  std::string lieu_;
  std::string detail_;
};

// One type per kind, for handlers and tests that catch a single kind.
template <GenreErreur G> class Erreur : public ErreurExecution {
public:
  Erreur(std::string lieu, std::string detail) : ErreurExecution(G, std::move(lieu), std::move(detail)) {}
};
using DivisionParZero = Erreur<GenreErreur::DivisionParZero>;
using OperationInvalide = Erreur<GenreErreur::OperationInvalide>;
using IndiceHorsLimites = Erreur<GenreErreur::IndiceHorsLimites>;
using Depassement = Erreur<GenreErreur::Depassement>;
using ErreurFichier = Erreur<GenreErreur::Fichier>;

// A description that cannot make a series: the fuselage file is wrong, not
// the computation.
class DescriptionInvalide : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// The error of one former of a series: its name, then the error as the
// window would show it ("F3 : Division par zéro (xa / xtot)").
class ErreurCouple : public ErreurExecution {
public:
  ErreurCouple(const std::string& nom, const ErreurExecution& cause);
  const char* what() const noexcept override { return texte_.c_str(); }

private:
  std::string texte_;
};

// "Division par zéro", "Dépassement de capacité"…
std::string nom_erreur(GenreErreur genre);

[[noreturn]] void lever(GenreErreur genre, const std::string& lieu, const std::string& detail = {});

// What the user is told of an exception that ended an operation: the
// message of our errors, else a French sentence (never the library's
// English).
std::string texte_erreur(const std::exception& e);

} // namespace bilobe
