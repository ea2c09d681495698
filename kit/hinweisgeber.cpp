#include "kit/hinweisgeber.h"

#include "game/brett.h"
#include "game/loesungsweg.h"
#include "kit/brettbild.h"
#include "kit/hinweis.h"
#include "kit/spielsteuerung.h"

#include <QThread>
#include <vector>

using namespace Qt::StringLiterals;

Hinweisgeber::Hinweisgeber(const Brett& brett, Spielsteuerung& steuerung, Brettbild& bild,
                           QObject* parent)
    : QObject(parent), brett(brett), steuerung(steuerung),
      notiz(new Hinweis(bild, u"Hinweisnotiz"_s, Hinweis::Kante::oben)) {
    // An answer belongs to the position it was searched from.
    connect(&steuerung, &Spielsteuerung::geschritten, this, &Hinweisgeber::anhalten);
    connect(&bild, &Brettbild::gedrueckt, this, &Hinweisgeber::anhalten);
    connect(&steuerung, &Spielsteuerung::neuBegonnen, this, [this] {
        anhalten();
        hinweisGenutzt = false;
    });
    // The note lies on the board, which may outlive this.
    connect(this, &QObject::destroyed, notiz, &QObject::deleteLater);
}

Hinweisgeber::~Hinweisgeber() {
    fadenBeenden();
}

void Hinweisgeber::geben(Umfang umfang) {
    if (brett.brettGesperrt || brett.levelDatei.empty())
        return;
    anhalten();
    fadenBeenden();
    abbruch = false;
    suche = ++letzteSuche;
    notiz->zeigen(u"Hinweis wird gesucht …"_s, 0);
    faden.reset(QThread::create([this, nummer = suche, umfang, kopie = brett] {
        const Loesung loesung = hinweisSuchen(kopie, zeitGrenze, &abbruch);
        QMetaObject::invokeMethod(
            this,
            [this, nummer, umfang, loesung] {
                if (nummer == suche)
                    gefunden(loesung, umfang);
            },
            Qt::QueuedConnection);
    }));
    faden->start();
}

void Hinweisgeber::anhalten() {
    if (suche == 0)
        return;
    suche = 0;
    abbruch = true;
    notiz->hide();
}

void Hinweisgeber::fadenBeenden() {
    abbruch = true;
    if (faden)
        faden->wait();
}

void Hinweisgeber::gefunden(const Loesung& loesung, Umfang umfang) {
    suche = 0;
    if (loesung.ergebnis == Ergebnis::unloesbar) {
        notiz->zeigen(u"Von hier aus ist das Level nicht mehr lösbar – Rücktaste nimmt "
                      u"Schritte zurück."_s,
                      notizMs);
        return;
    }
    if (loesung.ergebnis != Ergebnis::geloest) {
        notiz->zeigen(u"Kein Hinweis gefunden."_s, notizMs);
        return;
    }
    const std::string zuege =
        umfang == Umfang::naechsterSchub ? bisZumErstenSchub(brett, loesung.zuege) : loesung.zuege;
    if (zuege.empty()) {
        notiz->hide();
        return;
    }
    if (hinweisGenutzt)
        notiz->hide();
    else
        notiz->zeigen(u"Mit Hinweisen zählt die Lösung nicht als Rekord."_s, notizMs);
    hinweisGenutzt = true;
    std::vector<int> tasten;
    for (const char zug : zuege)
        tasten.push_back(zugTaste(zug));
    steuerung.maus.gehen(std::move(tasten));
}
