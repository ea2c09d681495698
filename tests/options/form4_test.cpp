#include "options/form4.h"

#include "tests/hauptfensterattrappe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// A one-pixel GIF of the given colour; the preview stretches it over the whole picture.
QByteArray gif(QRgb farbe) {
    QByteArray bytes("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13);
    bytes.append(char(qRed(farbe))).append(char(qGreen(farbe))).append(char(qBlue(farbe)));
    bytes.append("\x00\x00\x00", 3);
    bytes.append(",\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10);
    bytes.append("\x02\x02\x44\x01\x00;", 6);
    return bytes;
}

const QByteArray alteKonfiguration = "sound_aus\r\nhand geschrieben\r\nalt.gif\r\n"_ba;

} // namespace

class Form4Test : public QObject, Fensterprobe<Form4> {
    Q_OBJECT

    QComboBox* Combo1() const { return element<QComboBox>(u"Combo1"_s); }
    QCheckBox* Check1() const { return element<QCheckBox>(u"Check1"_s); }
    QCheckBox* Check2() const { return element<QCheckBox>(u"Check2"_s); }
    QLabel* Image1() const { return element<QLabel>(u"Image1"_s); }
    QPushButton* Command1() const { return element<QPushButton>(u"Command1"_s); }
    QPushButton* Command2() const { return element<QPushButton>(u"Command2"_s); }

    // As the player picks an entry from the drop-down list.
    void waehlen(const QString& eintrag) {
        const int index = Combo1()->findText(eintrag);
        QVERIFY2(index >= 0, qPrintable(eintrag));
        Combo1()->setCurrentIndex(index);
        Q_EMIT Combo1()->activated(index);
    }
    QColor vorschauFarbe() const { return Image1()->pixmap().toImage().pixelColor(48, 60); }

    void geschlossen() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(fenster.isNull());
        QCOMPARE(haupt->fokusAnsBrett(), 1);
        QCOMPARE(haupt->neuZeichnenAngefordert(), 1);
    }

  private Q_SLOTS:
    void init() {
        haupt = std::make_unique<HauptfensterAttrappe>();
        QVERIFY(haupt->ordner.isValid());
    }
    void cleanup() {
        delete fenster;
        haupt.reset();
    }

    void oeffnetMitFokusAufOk() {
        oeffnen();
        QCOMPARE(fenster->windowTitle(), u"Lagerix 2000 - Optionen"_s);
        QCOMPARE(Image1()->size(), QSize(96, 120));
        QCOMPARE(fenster->focusWidget(), Command1());
    }

    void dieKaestchenZeigenDieEinstellungen_data() {
        QTest::addColumn<bool>("soundAn");
        QTest::addColumn<bool>("animationAn");
        QTest::newRow("beide an") << true << true;
        QTest::newRow("beide aus") << false << false;
    }
    void dieKaestchenZeigenDieEinstellungen() {
        QFETCH(bool, soundAn);
        QFETCH(bool, animationAn);
        haupt->werte.soundAn = soundAn;
        haupt->werte.animationAn = animationAn;
        oeffnen();
        QCOMPARE(Check1()->isChecked(), soundAn);
        QCOMPARE(Check2()->isChecked(), animationAn);
    }

    void dieListeHaeltDieGrafiksetsDesOrdnersSortiertUndOhneAuswahl() {
        for (const auto& name : {u"zeta.gif"_s, u"Alpha.gif"_s, u"beta.GIF"_s, u"mitte.gif"_s,
                                 u"notiz.txt"_s, u"level.lev"_s, u".versteckt.gif"_s})
            haupt->anlegen(name, gif(qRgb(1, 2, 3)));
        QVERIFY(QDir(haupt->programmOrdner()).mkdir(u"ordner.gif"_s));
        haupt->werte.grafikset = "mitte.gif";
        oeffnen();
        const QStringList erwartet{u"Alpha.gif"_s, u"beta.GIF"_s, u"mitte.gif"_s, u"zeta.gif"_s};
        QStringList liste;
        for (int i = 0; i < Combo1()->count(); ++i)
            liste << Combo1()->itemText(i);
        QCOMPARE(liste, erwartet);
        QCOMPARE(Combo1()->currentIndex(), -1);
        QVERIFY(Image1()->pixmap().isNull());
        QVERIFY(!Combo1()->isEditable());
    }

    void jedesOeffnenLiestDenOrdnerNeu() {
        haupt->anlegen(u"standardset.gif"_s, gif(qRgb(1, 2, 3)));
        oeffnen();
        QCOMPARE(Combo1()->count(), 1);
        Command2()->click();
        haupt->anlegen(u"eigenes.gif"_s, gif(qRgb(1, 2, 3)));
        oeffnen();
        QCOMPARE(Combo1()->count(), 2);
        QCOMPARE(Combo1()->itemText(0), u"eigenes.gif"_s);
    }

    void okSchreibtDieDreiZeilenUndUebernimmtDieKaestchen_data() {
        QTest::addColumn<bool>("soundVorher");
        QTest::addColumn<bool>("animationVorher");
        QTest::addColumn<bool>("soundNachher");
        QTest::addColumn<bool>("animationNachher");
        QTest::addColumn<QByteArray>("datei");
        QTest::newRow("Sound aus") << true << true << false << true
                                   << "animation_an\r\nsound_aus\r\nstandardset.gif\r\n"_ba;
        QTest::newRow("Animation aus") << true << true << true << false
                                       << "animation_aus\r\nsound_an\r\nstandardset.gif\r\n"_ba;
        QTest::newRow("beide wieder an") << false << false << true << true
                                         << "animation_an\r\nsound_an\r\nstandardset.gif\r\n"_ba;
    }
    void okSchreibtDieDreiZeilenUndUebernimmtDieKaestchen() {
        QFETCH(bool, soundVorher);
        QFETCH(bool, animationVorher);
        QFETCH(bool, soundNachher);
        QFETCH(bool, animationNachher);
        QFETCH(QByteArray, datei);
        haupt->werte.soundAn = soundVorher;
        haupt->werte.animationAn = animationVorher;
        haupt->anlegen(u"lagerix.cfg"_s, alteKonfiguration);
        haupt->anlegen(u"standardset.gif"_s, gif(qRgb(1, 2, 3)));
        oeffnen();
        Check1()->setChecked(soundNachher);
        Check2()->setChecked(animationNachher);
        Command1()->click();

        QCOMPARE(haupt->werte, (Einstellungen{animationNachher, soundNachher, "standardset.gif"}));
        QCOMPARE(haupt->inhalt(u"lagerix.cfg"_s), datei);
        // Without a chosen set the sheet in use is not touched.
        QVERIFY(haupt->geladeneSets().isEmpty());
        geschlossen();
    }

    void derGeschriebeneGrafiksetNameBleibtWieEingestellt() {
        // A set in a sub-folder, as start-up takes it from the file, goes back unchanged.
        haupt->werte.grafikset = "kacheln\\alt.gif";
        oeffnen();
        Command1()->click();
        QCOMPARE(haupt->inhalt(u"lagerix.cfg"_s),
                 "animation_an\r\nsound_an\r\nkacheln\\alt.gif\r\n"_ba);
        QCOMPARE(einstellungenAusZeilen({"animation_an", "sound_an", "kacheln\\alt.gif"}),
                 haupt->werte);
    }

    void abbrechenUndSchliessfeldAendernNichts_data() {
        QTest::addColumn<bool>("mitAbbrechen");
        QTest::newRow("Abbrechen") << true;
        QTest::newRow("Schließfeld") << false;
    }
    void abbrechenUndSchliessfeldAendernNichts() {
        QFETCH(bool, mitAbbrechen);
        haupt->anlegen(u"lagerix.cfg"_s, alteKonfiguration);
        haupt->anlegen(u"neu.gif"_s, gif(qRgb(200, 0, 0)));
        const Einstellungen vorher = haupt->werte;
        oeffnen();
        Check1()->setChecked(false);
        Check2()->setChecked(false);
        waehlen(u"neu.gif"_s);
        QCOMPARE(vorschauFarbe(), QColor(200, 0, 0));
        if (mitAbbrechen)
            Command2()->click();
        else
            fenster->close();

        QCOMPARE(haupt->werte, vorher);
        QVERIFY(haupt->geladeneSets().isEmpty());
        QCOMPARE(haupt->inhalt(u"lagerix.cfg"_s), alteKonfiguration);
        geschlossen();
    }

    void einGewaehltesSetWirdMitOkGeladenUndGespeichert() {
        haupt->anlegen(u"standardset.gif"_s, gif(qRgb(0, 0, 200)));
        haupt->anlegen(u"Wald.GIF"_s, gif(qRgb(0, 150, 0)));
        oeffnen();
        waehlen(u"Wald.GIF"_s);
        QCOMPARE(Image1()->pixmap().size(), QSize(96, 120));
        QCOMPARE(vorschauFarbe(), QColor(0, 150, 0));
        // The preview alone does not change the game.
        QVERIFY(haupt->geladeneSets().isEmpty());
        Check1()->setChecked(false);
        Command1()->click();

        QCOMPARE(haupt->geladeneSets(), QStringList{u"Wald.GIF"_s});
        QCOMPARE(haupt->werte, (Einstellungen{true, false, "Wald.GIF"}));
        QCOMPARE(haupt->inhalt(u"lagerix.cfg"_s), "animation_an\r\nsound_aus\r\nWald.GIF\r\n"_ba);
        geschlossen();
    }

    void einSetDasNichtLaedtLaesstDasAlteInKraft() {
        haupt->anlegen(u"fremd.gif"_s, gif(qRgb(9, 9, 9)));
        haupt->werte.grafikset = "standardset.gif";
        haupt->ladenGelingt = false;
        oeffnen();
        waehlen(u"fremd.gif"_s);
        Check2()->setChecked(false);
        Command1()->click();

        QCOMPARE(haupt->geladeneSets(), QStringList{u"fremd.gif"_s});
        QCOMPARE(haupt->werte, (Einstellungen{false, true, "standardset.gif"}));
        QCOMPARE(haupt->inhalt(u"lagerix.cfg"_s),
                 "animation_aus\r\nsound_an\r\nstandardset.gif\r\n"_ba);
        geschlossen();
    }

    void einKaputtesBildBehaeltDieVorschauUndMeldetSich() {
        haupt->anlegen(u"gut.gif"_s, gif(qRgb(200, 100, 0)));
        haupt->anlegen(u"kaputt.gif"_s, "GIF89a, aber dann nichts mehr"_ba);
        oeffnen();
        Dialogzeuge zeuge;
        waehlen(u"gut.gif"_s);
        QVERIFY(zeuge.meldungen.empty());
        waehlen(u"kaputt.gif"_s);

        QCOMPARE(zeuge.meldungen.size(), std::size_t{1});
        QCOMPARE(zeuge.meldungen[0].symbol, QMessageBox::Warning);
        QCOMPARE(zeuge.meldungen[0].titel, u"Lagerix 2000"_s);
        QVERIFY(zeuge.meldungen[0].text.contains(u"„kaputt.gif“"_s));
        QCOMPARE(vorschauFarbe(), QColor(200, 100, 0));
    }

    void eineUnschreibbareKonfigurationMeldetSichUndDieEinstellungenGelten() {
        oeffnen();
        Check1()->setChecked(false);
        // The program folder disappears while the window is open.
        QVERIFY(haupt->ordner.remove());
        Dialogzeuge zeuge;
        Command1()->click();

        QCOMPARE(zeuge.meldungen.size(), std::size_t{1});
        QCOMPARE(zeuge.meldungen[0].symbol, QMessageBox::Warning);
        QVERIFY(zeuge.meldungen[0].text.contains(u"„lagerix.cfg“ konnte nicht geschrieben"_s));
        QCOMPARE(haupt->werte.soundAn, false);
        geschlossen();
    }
};

QTEST_MAIN(Form4Test)
#include "form4_test.moc"
