#pragma once

#include "ui/modeles/apercu.h"

#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// Small helpers that build a control at its place in twips, so that the
// windows' layout reads like the tables it was drawn from.
namespace bilobe::ui {

using fenetre_apercu::en_pixels;

struct Place {
  int left, top, width, height; // twips, 15 per pixel at 96 dpi
};

void placer(QWidget* w, Place p);

// A top-level window with a caption and a close box only.
inline constexpr Qt::WindowFlags DRAPEAUX_FENETRE_FIXE =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// "MS Sans Serif", from the system or from Wine's fonts; else a face close to it.
QFont police(double points, bool gras = false, bool italique = false);

QLabel* etiquette(QWidget* parent, const char* nom, const QString& texte, Place p);
QLineEdit* champ(QWidget* parent, const char* nom, const QString& texte, Place p);
QCheckBox* case_a_cocher(QWidget* parent, const char* nom, const QString& texte, Place p);
QPushButton* bouton(QWidget* parent, const char* nom, const QString& texte, Place p);
QGroupBox* cadre(QWidget* parent, const char* nom, const QString& titre, Place p);

// A field whose text is not wholly a number turns red and its tooltip says
// what is read and why; a plain one gets its own tooltip back.
void suivre_lecture(QLineEdit* champ);

} // namespace bilobe::ui
