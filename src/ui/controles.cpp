#include "ui/controles.h"

#include "ui/modeles/lecture_champ.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

namespace bilobe::ui {

void placer(QWidget* w, Place p) {
  w->setGeometry(en_pixels(p.left), en_pixels(p.top), en_pixels(p.width), en_pixels(p.height));
}

namespace {

const char* const PROCHES[] = {"Microsoft Sans Serif", "Arial", "Liberation Sans"};

bool a_le_style(const QString& famille, bool gras, bool italique) {
  for (const QString& style : QFontDatabase::styles(famille))
    if (QFontDatabase::bold(famille, style) == gras && QFontDatabase::italic(famille, style) == italique) return true;
  return false;
}

// The original face first; then Wine's copy of it, which has its widths,
// so that every caption fits its control as laid out; then faces close to
// it, then whatever sans-serif the platform uses for its dialogs.
// On a screen scaled other than 1:1 the bitmap face is stretched, letter-
// spaced and clipped: a scalable face close to it takes its place.
bool ecran_a_l_echelle() {
  const QScreen* ecran = QGuiApplication::primaryScreen();
  return !ecran || ecran->devicePixelRatio() == 1.0;
}

QString famille_reguliere() {
  const QString originale = QStringLiteral("MS Sans Serif");
  if (ecran_a_l_echelle()) {
    if (QFontDatabase::families().contains(originale)) return originale;
    const int id = QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf"));
    if (id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(originale)) return originale;
  }
  for (const char* nom : PROCHES)
    if (QFontDatabase::families().contains(QString::fromLatin1(nom))) return QString::fromLatin1(nom);
  return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

// Wine's face has neither bold nor italic, and Qt does not embolden its
// bitmaps: the bold and italic captions take the closest face that has them.
QString chercher_famille(bool gras, bool italique) {
  static const QString reguliere = famille_reguliere();
  if (a_le_style(reguliere, gras, italique)) return reguliere;
  for (const char* nom : PROCHES)
    if (a_le_style(QString::fromLatin1(nom), gras, italique)) return QString::fromLatin1(nom);
  return reguliere;
}

// Looked up once per style: every control asks.
QString famille(bool gras, bool italique) {
  static const QString familles[2][2] = {{chercher_famille(false, false), chercher_famille(false, true)},
                                         {chercher_famille(true, false), chercher_famille(true, true)}};
  return familles[gras][italique];
}

} // namespace

QFont police(double points, bool gras, bool italique) {
  QFont f(famille(gras, italique));
  f.setPointSizeF(points);
  f.setBold(gras);
  f.setItalic(italique);
  return f;
}

namespace {
template <typename W> W* creer(QWidget* parent, const char* nom, Place p) {
  auto* w = new W(parent);
  w->setObjectName(nom);
  w->setFont(police(8.25));
  placer(w, p);
  return w;
}

template <typename W> W* avec_texte(QWidget* parent, const char* nom, const QString& texte, Place p) {
  auto* w = creer<W>(parent, nom, p);
  w->setText(texte);
  return w;
}
} // namespace

QLabel* etiquette(QWidget* parent, const char* nom, const QString& texte, Place p) {
  auto* l = avec_texte<QLabel>(parent, nom, texte, p);
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return l;
}

QLineEdit* champ(QWidget* parent, const char* nom, const QString& texte, Place p) {
  auto* e = avec_texte<QLineEdit>(parent, nom, texte, p);
  e->setMaxLength(32767); // Qt's largest: no practical limit
  return e;
}

QCheckBox* case_a_cocher(QWidget* parent, const char* nom, const QString& texte, Place p) {
  return avec_texte<QCheckBox>(parent, nom, texte, p); // the text is clipped away: the box alone shows
}

QPushButton* bouton(QWidget* parent, const char* nom, const QString& texte, Place p) {
  auto* b = avec_texte<QPushButton>(parent, nom, texte, p);
  b->setAutoDefault(false);
  b->setDefault(false);
  return b;
}

QGroupBox* cadre(QWidget* parent, const char* nom, const QString& titre, Place p) {
  auto* g = creer<QGroupBox>(parent, nom, p);
  g->setTitle(titre);
  g->setFont(police(8.25, true)); // the caption only: children set their own font
  return g;
}

void suivre_lecture(QLineEdit* champ) {
  const auto marquer = [champ] {
    const auto defaut = defaut_champ(champ->text().toStdString());
    if (!champ->property("bulle").isValid()) champ->setProperty("bulle", champ->toolTip());
    champ->setStyleSheet(defaut ? QStringLiteral("QLineEdit { background-color: #ffc8c8; }") : QString());
    champ->setToolTip(defaut ? QString::fromStdString(*defaut) : champ->property("bulle").toString());
  };
  QObject::connect(champ, &QLineEdit::textChanged, champ, marquer);
  marquer();
}

} // namespace bilobe::ui
