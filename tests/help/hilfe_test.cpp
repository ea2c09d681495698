// The help window: the topics in German order, each with a text of its own, shown whole.
#include "help/form2.h"
#include "help/hilfethemen.h"
#include "tests/hauptfensterattrappe.h"

#include <QLabel>
#include <QScrollBar>
#include <QSet>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The topic titles as the player must see them: German order, case ignored, "Über" among
// the U's.
const QStringList themen{u"Das Spiel"_s,         u"Info / Hilfe"_s, u"Level Editor"_s,
                         u"Level neu starten"_s, u"Level wählen"_s, u"Neuerungen gegenüber v2.1"_s,
                         u"Optionen"_s,          u"Rekorde"_s,      u"Steuerung"_s,
                         u"Über Lagerix"_s,      u"Vestrum"_s};

// How many rows of the label's picture hold ink: a pixel unlike the row's last one, which
// lies right of every title.
int tintenzeilen(QLabel& label) {
    const QImage bild = label.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int zeilen = 0;
    for (int y = 0; y < bild.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
        zeilen += std::any_of(zeile, zeile + bild.width(),
                              [&](QRgb p) { return p != zeile[bild.width() - 1]; });
    }
    return zeilen;
}

} // namespace

class HilfeTest : public QObject, Fensterprobe<Form2> {
    Q_OBJECT

    QListWidget* liste() const { return element<QListWidget>(u"List1"_s); }
    QLabel* titel() const { return element<QLabel>(u"Label2"_s); }
    QLabel* text() const { return element<QLabel>(u"Label1"_s); }

  private Q_SLOTS:
    // Taking the focus may give a list view a current row; that is not yet a choice, and
    // the first arrow key takes the first topic instead of skipping it. The window cannot
    // grow, so a text longer than its place would be cut off. Closing it hands the keys back
    // to the board and redraws once.
    void opensWithNoneChosenAndEveryTopicShowsATextOfItsOwnAndWhole() {
        oeffnen();
        QCOMPARE(eintraege(liste()), themen);
        QVERIFY(liste()->sizeHintForColumn(0) <= liste()->viewport()->width());
        QCOMPARE(liste()->verticalScrollBar()->maximum(), 0);
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster));
        liste()->setFocus();
        QCOMPARE(titel()->text(), u"Hilfethema"_s);
        QCOMPARE(text()->text(), u"Hilfetext -- Wählen Sie ein Thema"_s);
        QSet<QString> texte;
        for (const QString& thema : themen) {
            QTest::keyClick(liste(), Qt::Key_Down);
            // The text written for that title, not the text of the row it had before sorting.
            QCOMPARE(titel()->text(), thema);
            const auto geschrieben = std::ranges::find(hilfethemen(), thema, &Hilfethema::titel);
            QVERIFY(geschrieben != hilfethemen().end());
            QCOMPARE(text()->text(), geschrieben->text);
            QVERIFY2(titel()->sizeHint().width() <= titel()->width(), qPrintable(thema));
            // As high as in a label with room enough: the dots of "Ü" go first at its top.
            QLabel frei(thema);
            frei.setFont(titel()->font());
            frei.resize(titel()->width(), 3 * titel()->height());
            QCOMPARE(tintenzeilen(*titel()), tintenzeilen(frei));
            // The text wraps within the label's width and fits its height.
            QVERIFY2(text()->minimumSizeHint().width() <= text()->width(), qPrintable(thema));
            QVERIFY2(text()->heightForWidth(text()->width()) <= text()->height(),
                     qPrintable(thema));
            texte.insert(text()->text());
        }
        QCOMPARE(texte.size(), themen.size());
        // A click makes the row current before it selects it: the selection tells the topic.
        QTest::mouseClick(liste()->viewport(), Qt::LeftButton, {},
                          liste()->visualItemRect(liste()->item(2)).center());
        QCOMPARE(titel()->text(), themen[2]);

        QVERIFY(fenster->close());
        QVERIFY(geloescht());
        QCOMPARE(haupt->aufrufe, QStringList({u"brettFokussieren"_s, u"neuZeichnen"_s}));
    }
};

QTEST_MAIN(HilfeTest)
#include "hilfe_test.moc"
