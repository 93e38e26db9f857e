#pragma once

// What both pages' bindings hand to JavaScript and read from it.
#include "common/erreurs.h"

#include <emscripten/val.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace bilobe::web {

using emscripten::val;

// A copy the page keeps, out of the module's memory.
template <typename T> val tableau(const std::vector<T>& valeurs) {
  return val(emscripten::typed_memory_view(valeurs.size(), valeurs.data())).call<val>("slice");
}

inline val octets(const std::string& texte) { return tableau(std::vector<unsigned char>(texte.begin(), texte.end())); }

inline val erreur(const std::exception& e) {
  val r = val::object();
  r.set("erreur", texte_erreur(e));
  return r;
}

// The browser has no environment: what SOURCE_DATE_EPOCH would say.
inline void dater_pdf(const std::string& date) {
  if (date.empty())
    ::unsetenv("SOURCE_DATE_EPOCH");
  else
    ::setenv("SOURCE_DATE_EPOCH", date.c_str(), 1);
}

inline std::string texte(const val& v) { return v.isUndefined() || v.isNull() ? std::string() : v.as<std::string>(); }

} // namespace bilobe::web
