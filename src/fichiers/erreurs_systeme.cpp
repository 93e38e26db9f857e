#include "fichiers/erreurs_systeme.h"

#include <cerrno>

namespace bilobe {

std::string raison_systeme(int code) {
  switch (code) {
  case ENOENT:
    return "dossier introuvable";
  case EACCES:
  case EPERM:
    return "accès refusé";
  case EROFS:
    return "support protégé en écriture";
  case ENOSPC:
#ifdef EDQUOT // no quotas in the Windows C library
  case EDQUOT:
#endif
    return "support plein";
  case EFBIG:
    return "fichier trop grand pour la limite de taille";
  case ENAMETOOLONG:
    return "nom trop long";
  case EISDIR:
    return "c'est un dossier";
  case ENOTDIR:
    return "chemin invalide";
  case ELOOP:
    return "trop de liens symboliques";
  case EEXIST:
    return "le nom existe déjà";
  case EBADF:
    return "flux fermé";
  case EPIPE:
    return "flux fermé par le programme qui le lisait";
  case EIO:
    return "erreur d'entrée-sortie du support";
  case EXDEV:
    return "déplacement d'un support à un autre impossible";
  case EBUSY:
    return "ressource occupée";
  case ETXTBSY:
    return "programme en cours d'exécution";
  case EMFILE:
  case ENFILE:
    return "trop de fichiers ouverts";
  case ENOMEM:
    return "mémoire insuffisante";
  case EINVAL:
    return "opération refusée par le système de fichiers";
  case EAGAIN:
    return "ressource momentanément indisponible";
  case EINTR:
    return "opération interrompue";
  case EMLINK:
    return "trop de liens";
  case ENXIO:
  case ENODEV:
    return "périphérique absent";
  case EOPNOTSUPP:
    return "opération non prise en charge par le système de fichiers";
  case ENOSYS:
    return "opération non prise en charge par le système";
  case ENOTEMPTY:
    return "dossier non vide";
  case EOVERFLOW:
    return "valeur trop grande";
#ifdef ESTALE
  case ESTALE:
    return "fichier réseau périmé";
#endif
  case ETIMEDOUT:
    return "délai dépassé";
  case ENOTCONN:
  case ECONNRESET:
  case ECONNREFUSED:
  case EHOSTUNREACH:
  case ENETDOWN:
  case ENETUNREACH:
    return "réseau indisponible";
  default:
    return "erreur système " + std::to_string(code);
  }
}

} // namespace bilobe
