#include "records/form5.h"
#include "records/rekordschreiber.h"

#include "tests/hauptfensterattrappe.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

using namespace Qt::StringLiterals;

class RekordeTest : public QObject, Fensterprobe<Form5> {
    Q_OBJECT

    QListWidget* List1() const { return element<QListWidget>(u"List1"_s); }
    QString schrittzahl() const { return element<QLabel>(u"Label5"_s)->text(); }
    QString rekordhalter() const { return element<QLabel>(u"Label4"_s)->text(); }
    QPushButton* knopf(const QString& name) const { return element<QPushButton>(name); }

    QStringList liste() const {
        QStringList eintraege;
        for (int i = 0; i < List1()->count(); ++i)
            eintraege << List1()->item(i)->text();
        return eintraege;
    }
    // As the player clicks an entry.
    void waehlen(const QString& level) {
        const auto treffer = List1()->findItems(level, Qt::MatchExactly);
        QCOMPARE(treffer.size(), 1);
        List1()->setCurrentItem(treffer.first());
    }
    void rekorde(const QStringList& dateien) {
        for (const auto& datei : dateien)
            haupt->anlegen(datei, datei.toLatin1() + "\r\nHalter\r\n");
    }
    void leerUndOhneAuswahl() {
        QVERIFY(List1()->selectedItems().isEmpty());
        QCOMPARE(schrittzahl(), QString());
        QCOMPARE(rekordhalter(), QString());
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

    // The records window

    void oeffnetMitFokusInDerListeUndOhneAuswahl() {
        rekorde({u"a.sco"_s, u"b.sco"_s});
        oeffnen();
        QVERIFY(QTest::qWaitForWindowActive(fenster));
        QCOMPARE(fenster->windowTitle(), u"Lagerix 2000 - Rekorde"_s);
        QCOMPARE(QApplication::focusWidget(), List1());
        leerUndOhneAuswahl();
        // The first arrow key takes the first entry.
        QTest::keyClick(List1(), Qt::Key_Down);
        QCOMPARE(List1()->selectedItems().first()->text(), u"a"_s);
    }

    void listetDieRekorddateienNachNamenOhneRuecksichtAufGrossschreibung() {
        rekorde({u"b.sco"_s, u"Level 1.sco"_s, u"A.sco"_s, u"c.SCO"_s, u"level.lev"_s,
                 u"notiz.txt"_s, u".versteckt.sco"_s, u"sco"_s});
        QVERIFY(QDir(haupt->programmOrdner()).mkdir(u"ordner.sco"_s));
        oeffnen();
        QCOMPARE(liste(), (QStringList{u"A"_s, u"b"_s, u"c"_s, u"Level 1"_s}));
    }

    void keineRekordeGebenEineLeereListe() {
        oeffnen();
        QCOMPARE(List1()->count(), 0);
        knopf(u"Command3"_s)->click();
        leerUndOhneAuswahl();
    }

    void zeigtDenRekordDerGewaehltenZeile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("schritte");
        QTest::addColumn<QString>("halter");
        QTest::newRow("zwei Zeilen") << "57\r\nAnna\r\n"_ba << u"57"_s << u"Anna"_s;
        QTest::newRow("dritte Zeile") << "57\r\nAnna\r\nalt\r\n"_ba << u"57"_s << u"Anna"_s;
        QTest::newRow("keine Zahl") << "abc\r\nAnna\r\n"_ba << u"abc"_s << u"Anna"_s;
        QTest::newRow("Zahlform mit Leerzeichen")
            << " 57 \r\nAnna\r\n"_ba << u" 57 "_s << u"Anna"_s;
        QTest::newRow("Markup bleibt Text")
            << "3\r\n<b>Anna</b>\r\n"_ba << u"3"_s << u"<b>Anna</b>"_s;
        QTest::newRow("nur eine Zeile") << "57\r\n"_ba << u"57"_s << QString();
        QTest::newRow("leer") << QByteArray() << QString() << QString();
    }
    void zeigtDenRekordDerGewaehltenZeile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, schritte);
        QFETCH(QString, halter);
        haupt->anlegen(u"Level 1.sco"_s, bytes);
        oeffnen();
        QCOMPARE(liste(), QStringList{u"Level 1"_s});
        waehlen(u"Level 1"_s);
        QCOMPARE(schrittzahl(), schritte);
        QCOMPARE(rekordhalter(), halter);
        QCOMPARE(element<QLabel>(u"Label4"_s)->textFormat(), Qt::PlainText);
    }

    void jedeAuswahlLiestDieDateiNeu() {
        haupt->anlegen(u"a.sco"_s, "10\r\nAnna\r\n");
        haupt->anlegen(u"b.SCO"_s, "20\r\nBernd\r\n");
        oeffnen();
        waehlen(u"a"_s);
        QCOMPARE(rekordhalter(), u"Anna"_s);
        // Keyboard: the arrow key moves the selection and shows the next record.
        QTest::keyClick(List1(), Qt::Key_Down);
        QCOMPARE(schrittzahl(), u"20"_s);
        QCOMPARE(rekordhalter(), u"Bernd"_s);
        haupt->anlegen(u"a.sco"_s, "8\r\nClara\r\n");
        waehlen(u"a"_s);
        QCOMPARE(schrittzahl(), u"8"_s);
        QCOMPARE(rekordhalter(), u"Clara"_s);
        // A click on the entry that is already selected reads it again, too.
        haupt->anlegen(u"a.sco"_s, "7\r\nDora\r\n");
        const QRect feld = List1()->visualItemRect(List1()->currentItem());
        QTest::mouseClick(List1()->viewport(), Qt::LeftButton, {}, feld.center());
        QCOMPARE(rekordhalter(), u"Dora"_s);
    }

    void eineVerschwundeneDateiZeigtNichts() {
        rekorde({u"a.sco"_s, u"b.sco"_s});
        oeffnen();
        waehlen(u"a"_s);
        QVERIFY(QFile::remove(haupt->programmOrdner() + u"b.sco"_s));
        waehlen(u"b"_s);
        QCOMPARE(schrittzahl(), QString());
        QCOMPARE(rekordhalter(), QString());
    }

    void diesenRekordLoeschenEntferntNurDenGewaehlten_data() {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QStringList>("bleiben");
        QTest::addColumn<QStringList>("dateien");
        QTest::newRow("Endung groß") << u"c"_s << QStringList{u"a"_s, u"B"_s, u"d"_s}
                                     << QStringList{u"a.sco"_s, u"B.sco"_s, u"d.sco"_s};
        QTest::newRow("letzter") << u"d"_s << QStringList{u"a"_s, u"B"_s, u"c"_s}
                                 << QStringList{u"a.sco"_s, u"B.sco"_s, u"c.SCO"_s};
    }
    void diesenRekordLoeschenEntferntNurDenGewaehlten() {
        QFETCH(QString, level);
        QFETCH(QStringList, bleiben);
        QFETCH(QStringList, dateien);
        rekorde({u"a.sco"_s, u"B.sco"_s, u"c.SCO"_s, u"d.sco"_s, u"a.lev"_s});
        oeffnen();
        waehlen(level);
        QVERIFY(!schrittzahl().isEmpty());
        knopf(u"Command3"_s)->click();

        QCOMPARE(liste(), bleiben);
        QCOMPARE(haupt->dateien(u"*.sco"_s), dateien);
        QVERIFY(QFile::exists(haupt->programmOrdner() + u"a.lev"_s));
        leerUndOhneAuswahl();
        QTest::keyClick(List1(), Qt::Key_Down);
        QCOMPARE(List1()->selectedItems().first()->text(), bleiben.first());
    }

    void ohneAuswahlLoeschtDiesenRekordNichts() {
        rekorde({u"a.sco"_s, u"b.sco"_s});
        oeffnen();
        knopf(u"Command3"_s)->click();
        QCOMPARE(haupt->dateien(u"*.sco"_s), (QStringList{u"a.sco"_s, u"b.sco"_s}));
        QCOMPARE(liste(), (QStringList{u"a"_s, u"b"_s}));
    }

    void einVerschwundenerRekordWirdBeimLoeschenUebergangen() {
        rekorde({u"a.sco"_s, u"b.sco"_s});
        oeffnen();
        waehlen(u"b"_s);
        QVERIFY(QFile::remove(haupt->programmOrdner() + u"b.sco"_s));
        knopf(u"Command3"_s)->click();
        QCOMPARE(liste(), QStringList{u"a"_s});
        leerUndOhneAuswahl();
    }

    void alleLoeschenFragtVorher_data() {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<QStringList>("bleiben");
        QTest::newRow("Ja") << int(QMessageBox::Yes) << QStringList();
        QTest::newRow("Nein") << int(QMessageBox::No) << QStringList{u"a.sco"_s, u"B.SCO"_s};
        QTest::newRow("Kasten geschlossen")
            << int(QMessageBox::NoButton) << QStringList{u"a.sco"_s, u"B.SCO"_s};
    }
    void alleLoeschenFragtVorher() {
        QFETCH(int, antwort);
        QFETCH(QStringList, bleiben);
        rekorde({u"a.sco"_s, u"B.SCO"_s, u"a.lev"_s, u"lagerix.cfg"_s});
        oeffnen();
        waehlen(u"a"_s);
        Dialogzeuge zeuge(static_cast<QMessageBox::StandardButton>(antwort));
        knopf(u"Command2"_s)->click();

        QCOMPARE(zeuge.meldungen.size(), std::size_t{1});
        QCOMPARE(zeuge.meldungen[0].symbol, QMessageBox::Question);
        QCOMPARE(zeuge.meldungen[0].titel, u"Lagerix 2000"_s);
        QCOMPARE(zeuge.meldungen[0].text, u"Wollen Sie wirklich ALLE Rekorde löschen ?"_s);
        QCOMPARE(zeuge.meldungen[0].knoepfe, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(haupt->dateien(u"*.sco"_s), bleiben);
        QCOMPARE(haupt->dateien(u"*.lev"_s) + haupt->dateien(u"*.cfg"_s),
                 (QStringList{u"a.lev"_s, u"lagerix.cfg"_s}));
        QCOMPARE(List1()->count(), bleiben.size());
        if (bleiben.isEmpty()) {
            leerUndOhneAuswahl();
        } else {
            QCOMPARE(List1()->selectedItems().size(), 1);
            QCOMPARE(rekordhalter(), u"Halter"_s);
        }
    }

    void alleLoeschenNimmtDenOrdnerWieErJetztIst() {
        rekorde({u"a.sco"_s});
        oeffnen();
        rekorde({u"spaeter.sco"_s});
        Dialogzeuge zeuge(QMessageBox::Yes);
        knopf(u"Command2"_s)->click();
        QCOMPARE(haupt->dateien(u"*.sco"_s), QStringList());
        QCOMPARE(List1()->count(), 0);
    }

    void schliessenGibtDemBrettFokusUndZeichnetNeu_data() {
        QTest::addColumn<bool>("mitOk");
        QTest::newRow("Ok") << true;
        QTest::newRow("Schließfeld") << false;
    }
    void schliessenGibtDemBrettFokusUndZeichnetNeu() {
        QFETCH(bool, mitOk);
        rekorde({u"a.sco"_s});
        oeffnen();
        QCOMPARE(haupt->fokusAnsBrett(), 0);
        if (mitOk)
            knopf(u"Command1"_s)->click();
        else
            fenster->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(fenster.isNull());
        QVERIFY(haupt->fokusAnsBrett() >= 1);
        QCOMPARE(haupt->neuZeichnenAngefordert(), 1);
        QCOMPARE(haupt->dateien(u"*.sco"_s), QStringList{u"a.sco"_s});
    }

    // The record writer after a solved level

    void einNeuerRekordWirdMitNamenGespeichert_data() {
        QTest::addColumn<QByteArray>("alt"); // null: no record file yet
        QTest::addColumn<int>("schritte");
        QTest::addColumn<bool>("gefragt");
        QTest::addColumn<QByteArray>("neu");
        const QByteArray anna = "57\r\nAnna\r\n";
        QTest::newRow("erster Rekord") << QByteArray() << 57 << true << "57\r\nJ\xf6rg\r\n"_ba;
        QTest::newRow("besser") << anna << 56 << true << "56\r\nJ\xf6rg\r\n"_ba;
        QTest::newRow("schlechter") << anna << 58 << false << anna;
    }
    void einNeuerRekordWirdMitNamenGespeichert() {
        QFETCH(QByteArray, alt);
        QFETCH(int, schritte);
        QFETCH(bool, gefragt);
        QFETCH(QByteArray, neu);
        if (!alt.isNull())
            haupt->anlegen(u"Level 1.sco"_s, alt);
        Dialogzeuge zeuge(QMessageBox::Ok, u"Jörg"_s);
        neuenRekordAnbieten(nullptr, haupt->programmOrdner() + u"Level 1.lev"_s, schritte);

        QCOMPARE(zeuge.fragen.size(), std::size_t(gefragt ? 1 : 0));
        if (gefragt) {
            QCOMPARE(zeuge.fragen[0].titel, u"Neuer Rekord!"_s);
            QVERIFY(zeuge.fragen[0].frage.contains(u" %1 Schritt"_s.arg(schritte)));
        }
        QVERIFY(zeuge.meldungen.empty());
        QCOMPARE(haupt->inhalt(u"Level 1.sco"_s), neu);
        QCOMPARE(haupt->dateien(u"*"_s), QStringList{u"Level 1.sco"_s});
    }

    void abbrechenSchreibtKeinenRekord() {
        haupt->anlegen(u"x.sco"_s, "80\r\nAnna\r\n");
        Dialogzeuge zeuge;
        neuenRekordAnbieten(nullptr, haupt->programmOrdner() + u"x.lev"_s, 20);
        neuenRekordAnbieten(nullptr, haupt->programmOrdner() + u"y.lev"_s, 20);
        QCOMPARE(zeuge.fragen.size(), std::size_t{2});
        QCOMPARE(haupt->inhalt(u"x.sco"_s), "80\r\nAnna\r\n"_ba);
        QCOMPARE(haupt->dateien(u"*"_s), QStringList{u"x.sco"_s});
    }

    void einUnschreibbarerOrdnerMeldetSich() {
        Dialogzeuge zeuge(QMessageBox::Ok, u"Anna"_s);
        neuenRekordAnbieten(nullptr, haupt->programmOrdner() + u"fehlt/x.lev"_s, 20);
        QCOMPARE(zeuge.fragen.size(), std::size_t{1});
        QCOMPARE(zeuge.meldungen.size(), std::size_t{1});
        QCOMPARE(zeuge.meldungen[0].symbol, QMessageBox::Warning);
        QCOMPARE(zeuge.meldungen[0].titel, u"Lagerix 2000"_s);
        QVERIFY(zeuge.meldungen[0].text.contains(u"„x.sco“ konnte nicht geschrieben"_s));
    }
};

QTEST_MAIN(RekordeTest)
#include "rekorde_test.moc"
