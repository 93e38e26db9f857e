#pragma once

#include <QMessageBox>
#include <QString>
#include <QWidget>

namespace bilobe::ui {

// A modal message box over `fenetre`, with its details folded when given.
void montrer_boite(QWidget* fenetre, QMessageBox::Icon icone, const QString& titre, const QString& texte,
                   const QString& details = {});

// Shows a window in front, restored if it was minimised, and makes it the
// active window, whatever the window system does.
void montrer_et_activer(QWidget* fenetre);

} // namespace bilobe::ui
