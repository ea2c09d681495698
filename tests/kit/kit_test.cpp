#include "kit/klangmodul.h"
#include "kit/programmbild.h"

#include <QFile>
#include <QTest>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

// Whether a library whose path contains `teil` is mapped into this process.
bool geladen(const QString& teil) {
    QFile karte(u"/proc/self/maps"_s);
    if (!karte.open(QIODevice::ReadOnly))
        return false;
    return QString::fromLocal8Bit(karte.readAll()).contains(teil);
}

const QString explosion = QStringLiteral(LAGERIX_ASSETS "/explsion.wav");

} // namespace

// The slots run in order: Qt Multimedia, once loaded, stays in the process.
class KitTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void withoutTheSoundModuleTheGameStaysSilent() {
        Klangmodul klang(u"/nirgends/lagerix-klang"_s);
        klang.abspielen(explosion);
        klang.abspielen(explosion);
        // Nor does the kit fall back on Qt Multimedia of its own.
        QVERIFY(!geladen(u"libQt6Multimedia"_s));
    }

    void theSoundModuleLoadsRightAfterTheFirstPicture() {
        Klangmodul klang(QStringLiteral(LAGERIX_KLANGMODUL));
        QCoreApplication::processEvents();
        QVERIFY(!geladen(u"lagerix-klang"_s));

        QWidget fenster;
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        QTRY_VERIFY(geladen(u"lagerix-klang"_s));
        QVERIFY(geladen(u"libQt6Multimedia"_s));
        // No audio device here: the module stays silent and the call returns.
        klang.abspielen(explosion);
    }

    void builtInPicturesLoadWithoutTheImagePlugins() {
        for (const char* name : {"eingebaut.png", "gewonnen.png", "lagerix.png", "logo.png",
                                 "logo-gross.png", "pin.png"})
            QVERIFY2(!programmBild(QString::fromLatin1(name)).isNull(), name);
        QVERIFY(!geladen(u"/imageformats/"_s));
    }
};

QTEST_MAIN(KitTest)
#include "kit_test.moc"
