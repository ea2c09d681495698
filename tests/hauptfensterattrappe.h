#pragma once

// Shared by the window tests: a temporary program folder, a main window that records
// what the secondary windows ask of it, the control lookup, a recorder of the message
// boxes the windows show, and the cells and tiles of board pictures.

#include "game/kachelsatz.h"
#include "game/konfiguration.h"
#include "game/levelbild.h"
#include "kit/hauptfenster.h"
#include "kit/meldung.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>
#include <vector>

// A level file from a picture of the board (see levelAusBild), with CR LF line ends.
inline QByteArray levelDatei(const std::vector<std::string>& bild,
                             const std::string& kopf = "fTester") {
    QByteArray text;
    for (const std::string& zeile : levelAusBild(bild, kopf))
        text += QByteArray::fromStdString(zeile) + "\r\n";
    return text;
}

// The middle of cell (spalte, zeile), in board pixels.
inline QPoint mitte(int spalte, int zeile) {
    return {kachelGroesse * spalte + 12, kachelGroesse * zeile + 12};
}

// Cell (spalte, zeile) of a board picture.
inline QImage zelle(const QImage& brett, int spalte, int zeile) {
    return brett.copy(spalte * kachelGroesse, zeile * kachelGroesse, kachelGroesse, kachelGroesse)
        .convertToFormat(QImage::Format_RGB32);
}

// The tile `wort` of a sheet, as a board picture shows it.
inline QImage kachelVon(const QImage& blatt, const char* wort) {
    const Kachelursprung u = kachelUrsprung(wort).value();
    return zelle(blatt, u.x / kachelGroesse, u.y / kachelGroesse);
}

// A tile of the standard set, the sheet the game and the editor load at start.
inline QImage kachel(const char* wort) {
    static const QImage blatt(QStringLiteral(LAGERIX_ASSETS "/standardset.gif"));
    return kachelVon(blatt, wort);
}

// Names the row of a case table when a check in it fails and leaves the test.
[[nodiscard]] inline auto zeile(const QString& name) {
    return qScopeGuard([name] {
        if (QTest::currentTestFailed())
            qWarning("in der Zeile „%s“", qPrintable(name));
    });
}

// A temporary program folder, removed with the test.
class Programmordner {
  public:
    QString pfad() const { return ordner.path() + u'/'; }

    void anlegen(const QString& name, const QByteArray& bytes) const {
        QFile datei(pfad() + name);
        QVERIFY(datei.open(QIODevice::WriteOnly));
        QCOMPARE(datei.write(bytes), bytes.size());
    }

    QByteArray inhalt(const QString& name) const {
        QFile datei(pfad() + name);
        return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
    }

    // A picture of one colour. Qt writes no GIF; the readers go by the content, not the name.
    QImage bildAnlegen(const QString& name, QColor farbe, QSize groesse = {96, 120}) const {
        QImage bild(groesse, QImage::Format_RGB32);
        bild.fill(farbe);
        if (!bild.save(pfad() + name, "PNG"))
            qFatal("Bild %s nicht geschrieben", qPrintable(name));
        return bild;
    }

    QStringList dateien(const QString& muster) const {
        return QDir(pfad(), muster, QDir::Name | QDir::IgnoreCase, QDir::Files).entryList();
    }

    QTemporaryDir ordner;
};

class HauptfensterAttrappe final : public Hauptfenster, public Programmordner {
  public:
    QString programmOrdner() const override { return pfad(); }
    Einstellungen& einstellungen() override { return werte; }
    bool grafiksetLaden(const QString& name) override {
        aufrufe << QStringLiteral("grafiksetLaden ") + name;
        return ladenGelingt;
    }
    void brettFokussieren() override { aufrufe << QStringLiteral("brettFokussieren"); }
    void neuZeichnen() override { aufrufe << QStringLiteral("neuZeichnen"); }
    void aktivieren() override { aufrufe << QStringLiteral("aktivieren"); }
    void seiteOeffnen(const QString& seite) override {
        aufrufe << QStringLiteral("seiteOeffnen ") + seite;
    }

    Einstellungen werte;
    bool ladenGelingt = true;
    QStringList aufrufe; // what the window asked of the main window, in order
};

// A control of a window by its design name; a missing one ends the test program.
template <typename T> T* steuerelement(const QWidget* fenster, const QString& name) {
    auto* gefunden = fenster->findChild<T*>(name);
    if (!gefunden)
        qFatal("Steuerelement %s fehlt", qPrintable(name));
    return gefunden;
}

// The texts of a list's or a drop-down list's rows, in order.
template <typename Liste> QStringList eintraege(const Liste* liste) {
    QStringList texte;
    for (int i = 0; i < liste->count(); ++i)
        texte << liste->model()->index(i, 0).data().toString();
    return texte;
}

// Makes the row `text` of a list current, as a click on it does.
inline void waehlen(QListWidget* liste, const QString& text) {
    const auto treffer = liste->findItems(text, Qt::MatchExactly);
    QCOMPARE(treffer.size(), 1);
    liste->setCurrentItem(treffer.first());
}

// What a window test holds: the fake main window and the window under test.
template <typename Fenster> class Fensterprobe {
  protected:
    ~Fensterprobe() { delete fenster; }
    // Shown and exposed, so that clicks and keys reach it.
    void oeffnen() {
        fenster = new Fenster(*haupt);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster));
    }
    void neu() {
        delete fenster;
        haupt = std::make_unique<HauptfensterAttrappe>();
        QVERIFY(haupt->ordner.isValid());
    }
    // A closed window deletes itself later; this is later.
    bool geloescht() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return fenster.isNull();
    }
    template <typename T> T* element(const QString& name) const {
        return steuerelement<T>(fenster, name);
    }
    void klicken(const QString& knopf) const { element<QPushButton>(knopf)->click(); }

    std::unique_ptr<HauptfensterAttrappe> haupt = std::make_unique<HauptfensterAttrappe>();
    QPointer<Fenster> fenster;
};

struct Meldung {
    QString text;
    QMessageBox::StandardButtons knoepfe;
    bool hinterDialog; // a modal window such as a progress was still showing
};

struct Frage {
    QString titel;
    QString frage;
};

// Answers every message box with `antwort` and every text input with `eingabe`, and
// keeps what was shown.
class Dialogzeuge {
  public:
    explicit Dialogzeuge(QMessageBox::StandardButton antwort = QMessageBox::Ok,
                         std::optional<QString> eingabe = std::nullopt)
        : antwort(antwort),
          ersatz(
              [this](QWidget*, QMessageBox::Icon, const QString&, const QString& text,
                     QMessageBox::StandardButtons knoepfe) {
                  meldungen.push_back(
                      {text, knoepfe, QApplication::activeModalWidget() != nullptr});
                  return this->antwort;
              },
              [this, eingabe](QWidget*, const QString& titel, const QString& frage) {
                  fragen.push_back({titel, frage});
                  return eingabe;
              }) {}

    QStringList texte() const {
        QStringList alle;
        for (const Meldung& m : meldungen)
            alle << m.text;
        return alle;
    }

    QMessageBox::StandardButton antwort;
    std::vector<Meldung> meldungen;
    std::vector<Frage> fragen;

  private:
    meldung::Ersatz ersatz;
};
