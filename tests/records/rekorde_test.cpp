// The records window, and the record writer after a solved level. When a count beats a
// record, and how record files are read and written, are the core's rules.
#include "records/form5.h"
#include "records/rekordschreiber.h"

#include "tests/hauptfensterattrappe.h"

#include <QLabel>

using namespace Qt::StringLiterals;

class RekordeTest : public QObject, Fensterprobe<Form5> {
    Q_OBJECT

    QListWidget* List1() const { return element<QListWidget>(u"List1"_s); }
    // The right side: the step count, the holder, the fewest possible steps.
    QStringList werte() const {
        return {element<QLabel>(u"Label5"_s)->text(), element<QLabel>(u"Label4"_s)->text(),
                element<QLabel>(u"Label6"_s)->text()};
    }
    // Each file holds its own name as the step count.
    void rekorde(const QStringList& dateien) const {
        for (const auto& datei : dateien)
            haupt->anlegen(datei, datei.toLatin1() + "\r\nHalter\r\n");
    }
    void nichtsGewaehlt() const {
        QVERIFY(List1()->selectedItems().isEmpty());
        QCOMPARE(werte(), QStringList(3, QString()));
    }

  private Q_SLOTS:
    void init() { neu(); }

    // By level name, case ignored; the focus in the list and nothing chosen, so the
    // first arrow key takes the first entry. A file may change while the window is open: a
    // choice by key, and a click on the entry already chosen, read it again. "Ok", like the
    // close box, gives the board the keys back.
    void listetDieRekordeUndLiestBeiJederAuswahlNeu() {
        rekorde({u"B.SCO"_s, u"Level 1.sco"_s, u"a.sco"_s, u"c.sco"_s, u"level.lev"_s,
                 u"notiz.txt"_s, u".versteckt.sco"_s, u"sco"_s});
        QVERIFY(QDir(haupt->pfad()).mkdir(u"ordner.sco"_s));
        oeffnen();
        QVERIFY(QTest::qWaitForWindowActive(fenster));
        QCOMPARE(eintraege(List1()), (QStringList{u"a"_s, u"B"_s, u"c"_s, u"Level 1"_s}));
        QCOMPARE(QApplication::focusWidget(), List1());
        nichtsGewaehlt();
        QTest::keyClick(List1(), Qt::Key_Down);
        QCOMPARE(werte().value(0), u"a.sco"_s);

        haupt->anlegen(u"B.SCO"_s, "20\r\nBernd\r\n");
        QTest::keyClick(List1(), Qt::Key_Down);
        QCOMPARE(werte().mid(0, 2), (QStringList{u"20"_s, u"Bernd"_s}));
        haupt->anlegen(u"B.SCO"_s, "7\r\nDora\r\n");
        const QRect feld = List1()->visualItemRect(List1()->currentItem());
        QTest::mouseClick(List1()->viewport(), Qt::LeftButton, {}, feld.center());
        QCOMPARE(werte().mid(0, 2), (QStringList{u"7"_s, u"Dora"_s}));

        klicken(u"Command1"_s);
        QVERIFY(geloescht());
        QCOMPARE(haupt->aufrufe, (QStringList{u"brettFokussieren"_s, u"neuZeichnen"_s}));
    }

    // What the file holds is shown as it stands, a name never as markup. The fewest
    // possible steps come from the table shipped with the levels, as proved or as the best
    // known, the pushes of a proved count from playing its solution on the level (whether
    // it fits is the core's); only a level the table knows shows them.
    void zeigtDenRekordDerGewaehltenZeile() {
        const std::pair<QByteArray, QStringList> faelle[] = {
            {" 5x \r\n<b>Anna</b>\r\nalt\r\n"_ba, {u" 5x "_s, u"<b>Anna</b>"_s}},
            {"57\r\n"_ba, {u"57"_s, QString()}},
            {""_ba, {QString(), QString()}},
            {QByteArray(), {QString(), QString()}}, // the file went after the listing
        };
        for (const auto& [bytes, erwartet] : faelle) {
            const auto z =
                zeile(bytes.isNull() ? u"verschwunden"_s : QString::fromLatin1(bytes).simplified());
            neu();
            haupt->anlegen(u"bestwerte.txt"_s, "a.lev\t3\trrr\r\nb.lev\t2\tll\tunbewiesen\r\n");
            haupt->anlegen(u"a.lev"_s, levelDatei({"@ $ ."}));
            rekorde({u"a.sco"_s, u"b.sco"_s});
            haupt->anlegen(u"Level 1.sco"_s, bytes);
            oeffnen();
            waehlen(List1(), u"b"_s);
            QCOMPARE(werte().value(2), u"Beste bekannte Lösung: 2 Schritte"_s);
            waehlen(List1(), u"a"_s);
            QCOMPARE(werte().value(2), u"Bestmöglich: 3 Schritte, davon 2 Schübe"_s);
            const auto* Label6 = element<QLabel>(u"Label6"_s); // its longest text
            QVERIFY(Label6->sizeHint().width() <= Label6->width() &&
                    Label6->height() >= Label6->fontMetrics().height());
            if (bytes.isNull())
                QVERIFY(QFile::remove(haupt->pfad() + u"Level 1.sco"_s));
            waehlen(List1(), u"Level 1"_s);
            QCOMPARE(werte(), erwartet + QStringList{QString()});
            const auto* Label4 = element<QLabel>(u"Label4"_s);
            QVERIFY(Label4->sizeHint().width() >=
                    Label4->fontMetrics().horizontalAdvance(erwartet[1]));
        }
    }

    void diesenRekordLoeschenEntferntNurDenGewaehlten() {
        // "c" with its ending in capitals, none chosen, and "B" whose file went before the click.
        for (const QString& level : {u"c"_s, QString(), u"B"_s}) {
            const auto z = zeile(level);
            neu();
            rekorde({u"a.sco"_s, u"B.sco"_s, u"c.SCO"_s, u"d.sco"_s});
            oeffnen();
            if (!level.isEmpty())
                waehlen(List1(), level);
            if (level == "B"_L1)
                QVERIFY(QFile::remove(haupt->pfad() + level + u".sco"_s));
            klicken(u"Command3"_s);
            QStringList bleiben{u"a"_s, u"B"_s, u"c"_s, u"d"_s};
            bleiben.removeOne(level);
            QCOMPARE(eintraege(List1()), bleiben);
            QCOMPARE(haupt->dateien(u"*.sco"_s).size(), bleiben.size());
            nichtsGewaehlt();
        }
    }

    // Only after a "Ja", and then the record files of the folder as it is now, nothing else.
    void alleLoeschenFragtVorher() {
        const std::pair<QString, QMessageBox::StandardButton> antworten[] = {
            {u"Ja"_s, QMessageBox::Yes},
            {u"Nein"_s, QMessageBox::No},
            {u"Kasten geschlossen"_s, QMessageBox::NoButton}};
        for (const auto& [name, antwort] : antworten) {
            const auto z = zeile(name);
            neu();
            const bool alleWeg = antwort == QMessageBox::Yes;
            rekorde({u"a.sco"_s, u"B.SCO"_s, u"a.lev"_s, u"lagerix.cfg"_s});
            oeffnen();
            waehlen(List1(), u"a"_s);
            rekorde({u"spaeter.sco"_s});
            Dialogzeuge zeuge(antwort);
            klicken(u"Command2"_s);
            QCOMPARE(zeuge.texte(), QStringList{u"Wollen Sie wirklich ALLE Rekorde löschen ?"_s});
            QCOMPARE(zeuge.meldungen[0].knoepfe, QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(haupt->dateien(u"*"_s).size(), alleWeg ? 2 : 5);
            QCOMPARE(List1()->count(), alleWeg ? 0 : 2);
            QCOMPARE(werte().value(1), alleWeg ? QString() : u"Halter"_s);
        }
    }

    // Only a new record is asked for; what goes wrong is shown, and nothing is written
    // unless a name was given.
    void derSchreiberFragtNachDemNamenUndSchreibtIhn() {
        const QByteArray anna = "50\r\nAnna\r\n", kaputt = "5\t\r\nAnna\r\n";
        const struct {
            QString level;
            QByteArray alt;                 // null: no record yet
            std::optional<QString> antwort; // none: the question is cancelled
            bool gefragt;
            QString meldung;
            QByteArray neu;
        } faelle[] = {
            {u"x.lev"_s, {}, u"Jörg"_s, true, {}, "57\r\nJ\xf6rg\r\n"_ba},
            {u"x.lev"_s, anna, u"Jörg"_s, false, {}, anna},
            {u"x.lev"_s, kaputt, u"Jörg"_s, false, u"„x.sco“ ist beschädigt"_s, kaputt},
            {u"x.lev"_s, {}, std::nullopt, true, {}, {}},
            {u"fehlt/x.lev"_s, {}, u"Jörg"_s, true, u"„x.sco“ konnte nicht geschrieben"_s, {}},
        };
        for (const auto& [level, alt, antwort, gefragt, meldung, neu] : faelle) {
            const auto z = zeile(u"%1 %2 %3"_s.arg(level, QString::fromLatin1(alt).simplified(),
                                                   antwort.value_or(u"-"_s)));
            this->neu();
            if (!alt.isNull())
                haupt->anlegen(u"x.sco"_s, alt);
            Dialogzeuge zeuge(QMessageBox::Ok, antwort);
            neuenRekordAnbieten(nullptr, haupt->pfad() + level, 57);
            QCOMPARE(zeuge.fragen.size(), gefragt ? 1u : 0u);
            if (gefragt) {
                QCOMPARE(zeuge.fragen[0].titel, u"Neuer Rekord!"_s);
                QVERIFY(zeuge.fragen[0].frage.contains(u" 57 Schritten "_s));
            }
            QCOMPARE(zeuge.meldungen.size(), meldung.isNull() ? 0u : 1u);
            if (!meldung.isNull())
                QVERIFY2(zeuge.texte().constFirst().contains(meldung),
                         qPrintable(zeuge.texte()[0]));
            QCOMPARE(haupt->inhalt(u"x.sco"_s), neu);
        }
    }
};

QTEST_MAIN(RekordeTest)
#include "rekorde_test.moc"
