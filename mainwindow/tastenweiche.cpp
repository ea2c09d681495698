#include "mainwindow/tastenweiche.h"

#include "kit/hinweisgeber.h"
#include "kit/pfeiltasten.h"
#include "kit/spielsteuerung.h"
#include "mainwindow/levelliste.h"

#include <QKeyEvent>
#include <QPushButton>

Tastenweiche::Tastenweiche(QWidget& fenster, Spielsteuerung& steuerung, Hinweisgeber& hinweise,
                           const Levelliste& levelliste)
    : QObject(&fenster), fenster(fenster), steuerung(steuerung), hinweise(hinweise),
      levelliste(levelliste) {
    for (auto* kind : fenster.findChildren<QWidget*>())
        kind->installEventFilter(this);
    fenster.installEventFilter(this);
}

bool Tastenweiche::eventFilter(QObject* objekt, QEvent* ereignis) {
    const auto* element = qobject_cast<QWidget*>(objekt);
    return ereignis->type() == QEvent::KeyPress && element && element->window() == &fenster &&
           tasteGedrueckt(objekt, *static_cast<QKeyEvent*>(ereignis));
}

bool Tastenweiche::tasteGedrueckt(QObject* objekt, const QKeyEvent& ereignis) {
    // Any key ends a walk after its current step and a hint's search, then does its own
    // work.
    steuerung.tasteGedrueckt();
    hinweise.anhalten();
    const int taste = ereignis.key();
    if (taste == Qt::Key_F1) {
        Q_EMIT hilfe();
        return true;
    }
    if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
        // ENTER presses the focused button, else "Ok" while the list is open.
        if (auto* knopf = qobject_cast<QPushButton*>(objekt))
            knopf->click();
        else if (levelliste.offen())
            Q_EMIT ok();
        return true;
    }
    // The cursor keys play the game from wherever the focus is, except in the list,
    // where they choose a level; they never move the focus between buttons.
    if (levelliste.istListe(objekt))
        return false;
    switch (verlaufstaste(taste, ereignis.modifiers())) {
    case Verlaufstaste::zurueck:
        steuerung.zurueck();
        return true;
    case Verlaufstaste::vor:
        steuerung.vor();
        return true;
    case Verlaufstaste::keine:
        break;
    }
    if (hinweisTaste(ereignis))
        return true;
    const int code = pfeiltaste(taste);
    if (code == 0)
        return false;
    Q_EMIT schritt(code);
    return true;
}

bool Tastenweiche::hinweisTaste(const QKeyEvent& ereignis) {
    if (ereignis.key() != Qt::Key_H)
        return false;
    const auto umschalter = ereignis.modifiers() & ~Qt::KeypadModifier;
    if (umschalter == Qt::NoModifier)
        hinweise.geben(Hinweisgeber::Umfang::naechsterSchub);
    else if (umschalter == Qt::ShiftModifier)
        hinweise.geben(Hinweisgeber::Umfang::ganzeLoesung);
    else
        return false;
    return true;
}
