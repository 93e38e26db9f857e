#include "common/erreurs.h"
#include "fichiers/fichiers.h"
#include "fichiers/windows/chemins_windows.h"

#include <windows.h>

#include <atomic>
#include <utility>

namespace bilobe {

namespace {

using namespace windows;

// A Windows handle, closed when it goes out of scope.
struct Poignee {
  HANDLE h;
  explicit Poignee(HANDLE h) : h(h) {}
  ~Poignee() {
    if (ouverte()) ::CloseHandle(h);
  }
  Poignee(const Poignee&) = delete;
  Poignee& operator=(const Poignee&) = delete;
  bool ouverte() const { return h != INVALID_HANDLE_VALUE; }
};

[[noreturn]] void echec(const std::string& chemin, DWORD code = ::GetLastError()) {
  lever(GenreErreur::Fichier, chemin, raison_windows(code));
}

// The folder and the last name of a path.
std::pair<std::string, std::string> separer(const std::string& chemin) {
  const std::size_t barre = chemin.find_last_of("/\\");
  if (barre == std::string::npos) return {".", chemin};
  return {barre == 0 ? chemin.substr(0, 1) : chemin.substr(0, barre), chemin.substr(barre + 1)};
}

std::string dans(const std::string& dossier, const std::string& nom) {
  if (dossier.empty() || dossier.back() == '/' || dossier.back() == '\\') return dossier + nom;
  return dossier + "\\" + nom;
}

DWORD attributs(const std::string& chemin) { return ::GetFileAttributesW(en_large(chemin).c_str()); }

bool est_dossier(const std::string& chemin) {
  const DWORD a = attributs(chemin);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

class FichiersWindows : public Fichiers {
public:
  std::string lire(const std::string& chemin, std::size_t taille_max) const override {
    const DWORD a = attributs(chemin);
    if (a == INVALID_FILE_ATTRIBUTES) {
      // Said as on Linux, whichever part of the path is missing.
      const DWORD code = ::GetLastError();
      if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND)
        lever(GenreErreur::Fichier, chemin, "fichier introuvable");
      echec(chemin, code);
    }
    if (a & FILE_ATTRIBUTE_DIRECTORY) lever(GenreErreur::Fichier, chemin, "c'est un dossier");
    Poignee f(::CreateFileW(en_large(chemin).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f.ouverte()) echec(chemin);
    // Nothing ever waits on a pipe or a device.
    if (::GetFileType(f.h) != FILE_TYPE_DISK) lever(GenreErreur::Fichier, chemin, "ce n'est pas un fichier ordinaire");
    LARGE_INTEGER taille;
    if (!::GetFileSizeEx(f.h, &taille)) echec(chemin);
    if (static_cast<unsigned long long>(taille.QuadPart) > taille_max)
      lever(GenreErreur::Fichier, chemin, "fichier trop grand (plus de " + std::to_string(taille_max) + " octets)");
    std::string octets(static_cast<std::size_t>(taille.QuadPart), '\0');
    std::size_t lus = 0;
    while (lus < octets.size()) {
      DWORD n = 0;
      if (!::ReadFile(f.h, octets.data() + lus, static_cast<DWORD>(octets.size() - lus), &n, nullptr)) echec(chemin);
      if (n == 0) break; // shortened meanwhile
      lus += n;
    }
    octets.resize(lus);
    return octets;
  }

  void verifier_cible(const std::string& chemin) const override {
    const auto [dossier, nom] = separer(chemin);
    if (const std::string raison = nom_interdit(nom); !raison.empty()) lever(GenreErreur::Fichier, chemin, raison);
    if (!est_dossier(dossier)) lever(GenreErreur::Fichier, chemin, "dossier introuvable");
    const DWORD a = attributs(chemin);
    if (a == INVALID_FILE_ATTRIBUTES) {
      const DWORD code = ::GetLastError();
      if (code == ERROR_FILE_NOT_FOUND) return; // a free name
      echec(chemin, code);
    }
    if (a & FILE_ATTRIBUTE_DIRECTORY) lever(GenreErreur::Fichier, chemin, "c'est un dossier");
    if (a & FILE_ATTRIBUTE_READONLY) lever(GenreErreur::Fichier, chemin, "fichier en lecture seule");
    // Another program holding it open is found now, before the bytes are made;
    // opening it this way changes nothing in it.
    Poignee f(::CreateFileW(en_large(chemin).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                            nullptr));
    if (!f.ouverte()) echec(chemin);
    if (::GetFileType(f.h) != FILE_TYPE_DISK) lever(GenreErreur::Fichier, chemin, "ce n'est pas un fichier ordinaire");
  }

  std::string ecrire(const std::string& chemin, const std::string& octets) override {
    verifier_cible(chemin);
    const auto [dossier, nom] = separer(chemin);
    // A temporary file beside the target, written and flushed, then moved
    // over it in one step: the target is wholly old or wholly new.
    static std::atomic<unsigned> compteur{0};
    const std::string temporaire = dans(dossier, "~" + nom + "." + std::to_string(::GetCurrentProcessId()) + "." +
                                                     std::to_string(compteur++) + ".tmp");
    const std::wstring large = en_large(temporaire);
    {
      Poignee f(::CreateFileW(large.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
      if (!f.ouverte()) echec(chemin);
      std::size_t ecrits = 0;
      while (ecrits < octets.size()) {
        DWORD n = 0;
        if (!::WriteFile(f.h, octets.data() + ecrits, static_cast<DWORD>(octets.size() - ecrits), &n, nullptr) ||
            n == 0) {
          const DWORD code = ::GetLastError();
          ::CloseHandle(std::exchange(f.h, INVALID_HANDLE_VALUE));
          ::DeleteFileW(large.c_str());
          echec(chemin, code);
        }
        ecrits += n;
      }
      if (!::FlushFileBuffers(f.h)) {
        const DWORD code = ::GetLastError();
        ::CloseHandle(std::exchange(f.h, INVALID_HANDLE_VALUE));
        ::DeleteFileW(large.c_str());
        echec(chemin, code);
      }
    }
    if (!::MoveFileExW(large.c_str(), en_large(chemin).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      const DWORD code = ::GetLastError();
      ::DeleteFileW(large.c_str());
      echec(chemin, code);
    }
    return chemin_complet(chemin);
  }

  std::vector<std::string> ecrire_dossier(const std::string& dossier, const std::vector<FichierPrepare>& fichiers,
                                          const std::function<void()>& apres_chaque) override {
    for (const FichierPrepare& f : fichiers)
      if (const std::string raison = nom_interdit(f.nom); !raison.empty())
        lever(GenreErreur::Fichier, dans(dossier, f.nom), raison);
    // The folders still missing, from the deepest that exists down.
    std::vector<std::string> a_creer;
    for (std::string d = dossier; !d.empty() && !est_dossier(d); d = separer(d).first) {
      if (attributs(d) != INVALID_FILE_ATTRIBUTES) lever(GenreErreur::Fichier, dossier, "un fichier porte ce nom");
      if (const std::string raison = nom_interdit(separer(d).second); !raison.empty())
        lever(GenreErreur::Fichier, dossier, raison);
      a_creer.insert(a_creer.begin(), d);
      if (separer(d).first == d) break;
    }
    if (a_creer.empty())
      for (const FichierPrepare& f : fichiers) verifier_cible(dans(dossier, f.nom));
    std::vector<std::string> crees;
    const auto defaire = [&] {
      for (auto d = crees.rbegin(); d != crees.rend(); ++d) ::RemoveDirectoryW(en_large(*d).c_str());
    };
    for (const std::string& d : a_creer) {
      if (!::CreateDirectoryW(en_large(d).c_str(), nullptr)) {
        const DWORD code = ::GetLastError();
        defaire();
        echec(dossier, code);
      }
      crees.push_back(d);
    }
    std::vector<std::string> ecrits;
    for (const FichierPrepare& f : fichiers) {
      try {
        ecrits.push_back(ecrire(dans(dossier, f.nom), f.octets));
      } catch (...) {
        if (ecrits.empty()) defaire(); // nothing made it in: the new folders go too
        throw;
      }
      if (apres_chaque) apres_chaque();
    }
    return ecrits;
  }
};

} // namespace

Fichiers& fichiers_du_systeme() {
  static FichiersWindows systeme;
  return systeme;
}

} // namespace bilobe
