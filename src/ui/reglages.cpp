#include "ui/reglages.h"

#include "common/texte_nombre.h"
#include "formats/texte_kit.h"

#include <QSettings>

namespace bilobe::ui::reglages {

namespace {

constexpr int RECENTS_MAX = 8;

QSettings ouvrir() { return QSettings(QStringLiteral("Couple bi-lobé"), QStringLiteral("couple-bilobe")); }

QString qs(const std::string& texte) { return QString::fromStdString(texte); }

} // namespace

// Notches and tabs as the command line writes them ("0.3:3:2", "dessous:6:15:80").
OptionsGabarit options_gabarit() {
  QSettings r = ouvrir();
  OptionsGabarit o;
  o.paroi_constante = r.value(QStringLiteral("gabarit/paroi_constante"), false).toBool();
  const auto saignee = lire_mm(r.value(QStringLiteral("gabarit/saignee")).toString().toStdString());
  if (saignee && *saignee >= 0 && *saignee <= 10) o.saignee = *saignee;
  for (const QString& texte : r.value(QStringLiteral("gabarit/encoches")).toStringList())
    if (const auto e = lire_encoche(texte.toStdString()); e && o.encoches.size() < ENCOCHES_MAX)
      o.encoches.push_back(*e); // a file edited by hand gives no more than a former takes
  o.pattes = lire_pattes(r.value(QStringLiteral("gabarit/pattes")).toString().toStdString());
  return o;
}

void garder(const OptionsGabarit& o) {
  QSettings r = ouvrir();
  r.setValue(QStringLiteral("gabarit/paroi_constante"), o.paroi_constante);
  r.setValue(QStringLiteral("gabarit/saignee"), qs(texte_exact(o.saignee)));
  QStringList encoches;
  for (const Encoche& e : o.encoches)
    encoches << qs(texte_place(e) + ":" + texte_exact(e.largeur) + ":" + texte_exact(e.profondeur));
  r.setValue(QStringLiteral("gabarit/encoches"), encoches);
  if (o.pattes)
    r.setValue(QStringLiteral("gabarit/pattes"),
               qs(std::string(o.pattes->dessus ? "dessus" : "dessous") + ":" + texte_exact(o.pattes->largeur) + ":" +
                  texte_exact(o.pattes->ecart) + ":" + texte_exact(o.pattes->distance)));
  else
    r.remove(QStringLiteral("gabarit/pattes"));
}

QString dossier(const char* sorte) {
  return ouvrir().value(QStringLiteral("dossiers/") + QString::fromLatin1(sorte)).toString();
}

void garder_dossier(const char* sorte, const QString& d) {
  ouvrir().setValue(QStringLiteral("dossiers/") + QString::fromLatin1(sorte), d);
}

QByteArray geometrie_serie() { return ouvrir().value(QStringLiteral("serie/geometrie")).toByteArray(); }

void garder_geometrie_serie(const QByteArray& g) { ouvrir().setValue(QStringLiteral("serie/geometrie"), g); }

QStringList recents() { return ouvrir().value(QStringLiteral("serie/recents")).toStringList(); }

void ajouter_recent(const QString& chemin) {
  QStringList liste = recents();
  liste.removeAll(chemin);
  liste.prepend(chemin);
  while (liste.size() > RECENTS_MAX) liste.removeLast();
  ouvrir().setValue(QStringLiteral("serie/recents"), liste);
}

} // namespace bilobe::ui::reglages
