// The options window: the sets of the program folder with a preview, the two check boxes,
// and lagerix.cfg written on "Ok". The file's lines are the core's rule.
#include "options/form4.h"

#include "tests/hauptfensterattrappe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

const QByteArray alteKonfiguration = "sound_aus\r\nhand geschrieben\r\nalt.gif\r\n"_ba;
const QString cfg = u"lagerix.cfg"_s;
// Whichever way the window closes, the board is drawn anew and gets the keys back.
const QStringList geschlossen{u"neuZeichnen"_s, u"brettFokussieren"_s};

} // namespace

class Form4Test : public QObject, Fensterprobe<Form4> {
    Q_OBJECT

    QComboBox* Combo1() const { return element<QComboBox>(u"Combo1"_s); }
    QCheckBox* Check1() const { return element<QCheckBox>(u"Check1"_s); }
    QCheckBox* Check2() const { return element<QCheckBox>(u"Check2"_s); }
    QLabel* Image1() const { return element<QLabel>(u"Image1"_s); }

    // As the player picks an entry from the drop-down list.
    void waehlen(const QString& eintrag) {
        const int index = Combo1()->findText(eintrag);
        QVERIFY2(index >= 0, qPrintable(eintrag));
        Combo1()->setCurrentIndex(index);
        Q_EMIT Combo1()->activated(index);
    }
    QColor vorschauFarbe() const { return Image1()->pixmap().toImage().pixelColor(48, 60); }

  private Q_SLOTS:
    void init() { neu(); }

    // None chosen: the window does not tell which set is in use. Which files a folder list
    // holds, and in which order, is the kit's file list, tested with the records window.
    void dieListeHaeltDieGrafiksetsDesOrdnersOhneAuswahl() {
        for (const auto& name : {u"zeta.gif"_s, u"Beta.GIF"_s, u"mitte.gif"_s, u"notiz.txt"_s})
            haupt->anlegen(name, {});
        haupt->werte.grafikset = "mitte.gif";
        oeffnen();
        QCOMPARE(eintraege(Combo1()), (QStringList{u"Beta.GIF"_s, u"mitte.gif"_s, u"zeta.gif"_s}));
        QCOMPARE(Combo1()->currentIndex(), -1);
        QVERIFY(Image1()->pixmap().isNull());
        QCOMPARE(fenster->focusWidget(), element<QPushButton>(u"Command1"_s));
    }

    // The boxes show the settings; "Ok" takes them in and writes them with the set in
    // force. A chosen set is shown at once but loaded only on "Ok"; it goes into the
    // settings only when it could be loaded, else the name from the file stays unchanged
    // with the sheet in use.
    void okSchreibtDieDreiZeilenUndLaedtDasGewaehlteSet() {
        for (const bool gelingt : {false, true}) { // after "Ok": both boxes turn over
            const auto z = zeile(gelingt ? u"geladen"_s : u"nicht geladen"_s);
            neu();
            haupt->werte = {gelingt, !gelingt, "kacheln\\alt.gif"};
            haupt->ladenGelingt = gelingt;
            haupt->anlegen(cfg, alteKonfiguration);
            // One pixel: the preview stretches it over the whole picture.
            haupt->bildAnlegen(u"Wald.GIF"_s, qRgb(0, 150, 0), {1, 1});
            oeffnen();
            QCOMPARE(Check1()->isChecked(), !gelingt);
            QCOMPARE(Check2()->isChecked(), gelingt);
            Check1()->setChecked(gelingt);
            Check2()->setChecked(!gelingt);
            waehlen(u"Wald.GIF"_s);
            QCOMPARE(Image1()->pixmap().size(), QSize(96, 120));
            QCOMPARE(vorschauFarbe(), QColor(0, 150, 0));
            QVERIFY(haupt->aufrufe.isEmpty());
            klicken(u"Command1"_s);
            QCOMPARE(haupt->inhalt(cfg),
                     gelingt ? "animation_aus\r\nsound_an\r\nWald.GIF\r\n"_ba
                             : "animation_an\r\nsound_aus\r\nkacheln\\alt.gif\r\n"_ba);
            QVERIFY(geloescht());
            QCOMPARE(haupt->aufrufe, QStringList{u"grafiksetLaden Wald.GIF"_s} + geschlossen);
        }
    }

    // A picture that cannot be read keeps the preview and says so. The close box takes the
    // same way out as "Abbrechen".
    void einKaputtesBildBehaeltDieVorschauUndAbbrechenAendertNichts() {
        haupt->anlegen(cfg, alteKonfiguration);
        haupt->bildAnlegen(u"neu.gif"_s, qRgb(200, 0, 0));
        haupt->anlegen(u"kaputt.gif"_s, "GIF89a, aber dann nichts mehr"_ba);
        oeffnen();
        Check1()->setChecked(false);
        Check2()->setChecked(false);
        Dialogzeuge zeuge;
        waehlen(u"neu.gif"_s);
        waehlen(u"kaputt.gif"_s);
        QCOMPARE(zeuge.meldungen.size(), 1u);
        QVERIFY(zeuge.texte().constFirst().contains(u"„kaputt.gif“"_s));
        QCOMPARE(vorschauFarbe(), QColor(200, 0, 0));
        klicken(u"Command2"_s);
        QCOMPARE(haupt->werte, Einstellungen{});
        QCOMPARE(haupt->inhalt(cfg), alteKonfiguration);
        QVERIFY(geloescht());
        QCOMPARE(haupt->aufrufe, geschlossen);
    }

    // The settings stay in force for this run; no set chosen, none is loaded.
    void eineUnschreibbareKonfigurationMeldetSichUndDieEinstellungenGelten() {
        oeffnen();
        Check1()->setChecked(false);
        QVERIFY(haupt->ordner.remove()); // the program folder goes while the window is open
        Dialogzeuge zeuge;
        klicken(u"Command1"_s);
        QCOMPARE(zeuge.meldungen.size(), 1u);
        QVERIFY(zeuge.texte().constFirst().contains(u"„lagerix.cfg“ konnte nicht geschrieben"_s));
        QCOMPARE(haupt->werte.soundAn, false);
        QVERIFY(geloescht());
        QCOMPARE(haupt->aufrufe, geschlossen);
    }
};

QTEST_MAIN(Form4Test)
#include "form4_test.moc"
