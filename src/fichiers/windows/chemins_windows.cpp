#include "fichiers/windows/chemins_windows.h"

#include "common/erreurs.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

namespace bilobe::windows {

std::wstring en_large(const std::string& chemin) {
  if (chemin.empty()) return {};
  const int n =
      ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, chemin.data(), static_cast<int>(chemin.size()), nullptr, 0);
  if (n <= 0) lever(GenreErreur::Fichier, chemin, "chemin qui n'est pas de l'UTF-8");
  std::wstring large(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, chemin.data(), static_cast<int>(chemin.size()), large.data(), n);
  std::replace(large.begin(), large.end(), L'/', L'\\');
  return large;
}

std::string chemin_complet(const std::string& chemin) {
  const std::wstring large = en_large(chemin);
  const DWORD n = ::GetFullPathNameW(large.c_str(), 0, nullptr, nullptr);
  if (n == 0) return chemin;
  std::wstring complet(n, L'\0');
  const DWORD m = ::GetFullPathNameW(large.c_str(), n, complet.data(), nullptr);
  if (m == 0 || m >= n) return chemin;
  complet.resize(m);
  const int octets =
      ::WideCharToMultiByte(CP_UTF8, 0, complet.data(), static_cast<int>(m), nullptr, 0, nullptr, nullptr);
  if (octets <= 0) return chemin;
  std::string utf8(static_cast<std::size_t>(octets), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, complet.data(), static_cast<int>(m), utf8.data(), octets, nullptr, nullptr);
  return utf8;
}

std::string nom_interdit(const std::string& nom) {
  if (nom.empty()) return "nom vide";
  for (const char c : nom)
    if (static_cast<unsigned char>(c) < 32 || std::string_view("<>:\"|?*").find(c) != std::string_view::npos)
      return std::string("caractère interdit par Windows (") +
             (static_cast<unsigned char>(c) < 32 ? "contrôle" : std::string(1, c)) + ")";
  if (nom.back() == '.' || nom.back() == ' ') return "nom finissant par un point ou une espace, interdit par Windows";
  // The device names stand for themselves whatever their extension.
  std::string base = nom.substr(0, nom.find('.'));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  for (char& c : base) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const bool appareil = base == "CON" || base == "PRN" || base == "AUX" || base == "NUL" ||
                        (base.size() == 4 && (base.rfind("COM", 0) == 0 || base.rfind("LPT", 0) == 0) &&
                         base[3] >= '1' && base[3] <= '9');
  if (appareil) return "nom réservé par Windows à un périphérique (" + base + ")";
  return {};
}

std::string raison_windows(unsigned long code) {
  switch (code) {
  case ERROR_FILE_NOT_FOUND:
    return "fichier introuvable";
  case ERROR_PATH_NOT_FOUND:
    return "dossier introuvable";
  case ERROR_ACCESS_DENIED:
    return "accès refusé";
  case ERROR_SHARING_VIOLATION:
  case ERROR_LOCK_VIOLATION:
    return "fichier ouvert par un autre programme";
  case ERROR_DISK_FULL:
  case ERROR_HANDLE_DISK_FULL:
    return "support plein";
  case ERROR_WRITE_PROTECT:
    return "support protégé en écriture";
  case ERROR_FILENAME_EXCED_RANGE:
    return "nom trop long";
  case ERROR_INVALID_NAME:
  case ERROR_BAD_PATHNAME:
    return "nom de fichier invalide";
  case ERROR_FILE_EXISTS:
  case ERROR_ALREADY_EXISTS:
    return "le fichier existe déjà";
  case ERROR_NOT_READY:
    return "support absent";
  default:
    return "erreur système " + std::to_string(code);
  }
}

} // namespace bilobe::windows
