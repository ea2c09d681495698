#include "about/form3.h"
#include "tests/hauptfensterattrappe.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Records what the about window asks of the main window.

} // namespace

class InfoTest : public QObject {
    Q_OBJECT

  private:
    HauptfensterAttrappe haupt;
    QPointer<Form3> fenster;

    template <typename Steuerelement> Steuerelement* element(const QString& name) const {
        auto* gefunden = fenster->findChild<Steuerelement*>(name);
        if (!gefunden)
            qFatal("Kein Steuerelement %s", qPrintable(name));
        return gefunden;
    }

  private Q_SLOTS:
    void init() {
        haupt.aufrufe.clear();
        fenster = new Form3(haupt);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster));
    }

    void cleanup() { delete fenster.data(); }

    void showsNameVersionAndContact_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("name") << u"Label2"_s << u"Lagerix"_s;
        QTest::newRow("year") << u"Label3"_s << u"2000"_s;
        QTest::newRow("version") << u"Label5"_s
                                 << u"Version 3.0 (\"2000\")  Vestrum, Februar 2000"_s;
        QTest::newRow("contact") << u"Label4"_s << u"Kontakt:"_s;
        QTest::newRow("mail label") << u"Label10"_s << u"E-Mail:"_s;
        QTest::newRow("mail") << u"Label9"_s << u"post@vestrum.example"_s;
        QTest::newRow("web label") << u"Label11"_s << u"Internet:"_s;
        QTest::newRow("link") << u"Label1"_s << u"Vestrum Homepage (www.vestrum.example)"_s;
    }

    void showsNameVersionAndContact() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QCOMPARE(fenster->windowTitle(), u"Über Lagerix 2000"_s);
        QCOMPARE(element<QLabel>(name)->text(), text);
    }

    void showsTheLogoAndTheIconAtTheirSizes() {
        const QLabel* logo = element<QLabel>(u"Image1"_s);
        const QLabel* symbol = element<QLabel>(u"Image2"_s);
        QVERIFY(!logo->pixmap().isNull());
        QVERIFY(!symbol->pixmap().isNull());
        QCOMPARE(logo->pixmap().size(), logo->size());
        QVERIFY(symbol->hasScaledContents());
        QCOMPARE(symbol->size(), QSize(40, 40));
    }

    void buttonsReadOkAndHelp_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("ok") << u"Command1"_s << u"Ok"_s;
        QTest::newRow("help") << u"Command2"_s << u"Hilfe zum Spiel"_s;
    }

    void buttonsReadOkAndHelp() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QCOMPARE(element<QPushButton>(name)->text(), text);
    }

    void pagesOpenAndTheWindowStaysOpen_data() {
        QTest::addColumn<QString>("steuerelement");
        QTest::addColumn<QString>("seite");
        QTest::newRow("Hilfe zum Spiel") << u"Command2"_s << u"hilfe.htm"_s;
        QTest::newRow("Verweis") << u"Label1"_s << u"vestrum.htm"_s;
    }
    void pagesOpenAndTheWindowStaysOpen() {
        QFETCH(QString, steuerelement);
        QFETCH(QString, seite);
        QTest::mouseClick(element<QWidget>(steuerelement), Qt::LeftButton);
        QCOMPARE(haupt.aufrufe, QStringList{u"seiteOeffnen "_s + seite});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(fenster);
        QVERIFY(fenster->isVisible());
    }

    void theLinkShowsAPointingHand() {
        QCOMPARE(element<QLabel>(u"Label1"_s)->cursor().shape(), Qt::PointingHandCursor);
    }

    void linkIgnoresTheRightButtonAndAReleaseOutside() {
        auto* verweis = element<QLabel>(u"Label1"_s);
        QTest::mouseClick(verweis, Qt::RightButton);
        QTest::mousePress(verweis, Qt::LeftButton);
        QTest::mouseRelease(verweis, Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(haupt.aufrufe, QStringList());
    }

    void okReturnsToTheGameAndCloses() {
        QTest::mouseClick(element<QPushButton>(u"Command1"_s), Qt::LeftButton);
        QCOMPARE(haupt.aufrufe,
                 QStringList({u"aktivieren"_s, u"brettFokussieren"_s, u"neuZeichnen"_s}));
        QTRY_VERIFY(fenster.isNull());
    }

    void closeBoxRedrawsButLeavesTheFocus() {
        QVERIFY(fenster->close());
        QCOMPARE(haupt.aufrufe, QStringList{u"neuZeichnen"_s});
        QTRY_VERIFY(fenster.isNull());
    }
};

QTEST_MAIN(InfoTest)
#include "info_test.moc"
