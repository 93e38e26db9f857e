#pragma once

#include <QObject>
#include <QtGlobal>

// A control of a window, found by the name the window gives it: the tests
// see the windows from outside, as a user does.
template <class T, class Fenetre> T* controle(const Fenetre& fenetre, const char* nom) {
  T* c = fenetre->template findChild<T*>(QString::fromLatin1(nom));
  if (!c) qFatal("contrôle absent : %s", nom);
  return c;
}
