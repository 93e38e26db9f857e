#include "ui/traduction_qt.h"

#include <QLibraryInfo>
#include <QLocale>

#include <cstring>

namespace bilobe::ui {

namespace {

struct Mot {
  const char *contexte, *source, *francais;
};
// Words Qt 6.4's French catalogue does not have under the context that asks for them.
constexpr Mot MANQUANTS[] = {
    {"QAbstractFileIconProvider", "Folder", "Dossier"},     {"QAbstractFileIconProvider", "Drive", "Lecteur"},
    {"QAbstractFileIconProvider", "Shortcut", "Raccourci"}, {"QAbstractFileIconProvider", "File", "Fichier"},
    {"QAbstractFileIconProvider", "%1 File", "Fichier %1"},
};

} // namespace

TraductionQt::TraductionQt(QObject* parent) : QTranslator(parent) {
  // "qt" gathers the catalogues of every Qt module installed.
  catalogue_ = qt_.load(QLocale(QLocale::French), QStringLiteral("qt"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString TraductionQt::translate(const char* contexte, const char* source, const char* desambiguisation, int n) const {
  for (const Mot& m : MANQUANTS)
    if (std::strcmp(contexte, m.contexte) == 0 && std::strcmp(source, m.source) == 0)
      return QString::fromUtf8(m.francais);
  return catalogue_ ? qt_.translate(contexte, source, desambiguisation, n) : QString();
}

} // namespace bilobe::ui
