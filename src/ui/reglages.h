#pragma once

#include "geometry/gabarit.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the program keeps from one session to the next (QSettings): the
// templates' options, the last folders, the series window's place, the
// series files opened lately.
namespace bilobe::ui::reglages {

OptionsGabarit options_gabarit();
void garder(const OptionsGabarit& options);

// "gabarits", "serie": the folder of the last file of that kind; empty at first.
QString dossier(const char* sorte);
void garder_dossier(const char* sorte, const QString& dossier);

QByteArray geometrie_serie();
void garder_geometrie_serie(const QByteArray& geometrie);

// The series files opened or saved lately, the last first, at most 8.
QStringList recents();
void ajouter_recent(const QString& chemin);

} // namespace bilobe::ui::reglages
