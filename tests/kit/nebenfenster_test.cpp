// Escape leaves each secondary window from whichever control holds the focus, as its
// close box does: the options window takes none of its changes over, as on "Abbrechen".
#include "about/form3.h"
#include "help/form2.h"
#include "options/form4.h"
#include "records/form5.h"
#include "tests/hauptfensterattrappe.h"

#include <QCheckBox>

using namespace Qt::StringLiterals;

class NebenfensterTest : public QObject {
    Q_OBJECT

    template <typename Fenster> static QWidget* neu(Hauptfenster& haupt) {
        return new Fenster(haupt);
    }

  private Q_SLOTS:
    void escapeSchliesstJedesNebenfensterVonJedemSteuerelementAus() {
        for (const auto oeffnen : {neu<Form5>, neu<Form2>, neu<Form3>, neu<Form4>}) {
            for (int nr = 0, anzahl = 1; nr < anzahl; ++nr) {
                HauptfensterAttrappe haupt;
                QPointer<QWidget> fenster = oeffnen(haupt);
                fenster->show();
                QVERIFY(QTest::qWaitForWindowActive(fenster));
                QWidgetList ziele = fenster->findChildren<QWidget*>();
                ziele.removeIf([](QWidget* w) { return !(w->focusPolicy() & Qt::TabFocus); });
                anzahl = ziele.size();
                const auto z = zeile(fenster->windowTitle() + u' ' + ziele[nr]->objectName());
                // "Ok" would take the toggled boxes over.
                for (QCheckBox* box : fenster->findChildren<QCheckBox*>())
                    box->toggle();
                ziele[nr]->setFocus();
                QTest::keyClick(ziele[nr], Qt::Key_Escape);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                QVERIFY(fenster.isNull());
                QVERIFY(haupt.werte == Einstellungen{});
                QCOMPARE(haupt.inhalt(u"lagerix.cfg"_s), QByteArray());
            }
        }
    }
};

QTEST_MAIN(NebenfensterTest)
#include "nebenfenster_test.moc"
