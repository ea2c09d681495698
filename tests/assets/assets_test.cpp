// The shipped files the game reads: the graphics sets, the built-in pictures, the sound.
#include "game/kachelsatz.h"

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <QtTest>
#include <algorithm>
#include <cstdint>

using namespace Qt::StringLiterals;

namespace {

const QString assets = QString::fromUtf8(LAGERIX_ASSETS);

std::uint32_t wort32(const QByteArray& daten, int stelle) {
    return qFromLittleEndian<std::uint32_t>(daten.constData() + stelle);
}

} // namespace

class AssetsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // Every cell the game copies from a sheet, the tiles by their words and the frames.
    void grafiksetZeigtJedeKachelUnterscheidbar() {
        QList<QRect> zellen;
        for (const char* wort : {"tnt", "box2", "mauer", "smile", "smilestell", "stell", "box",
                                 "tntstell", "blank", "rand"}) {
            const auto ursprung = kachelUrsprung(wort);
            zellen << QRect(ursprung->x, ursprung->y, kachelGroesse, kachelGroesse);
        }
        for (int k = 1; k <= explosionsBilder; ++k) {
            const auto ursprung = explosionsBildUrsprung(k);
            zellen << QRect(ursprung.x, ursprung.y, kachelGroesse, kachelGroesse);
        }
        QImage schwarz(kachelGroesse, kachelGroesse, QImage::Format_RGB32);
        schwarz.fill(Qt::black);
        for (const char* set : {"/standardset.gif", "/nachtset.gif"}) {
            const QImage bogen =
                QImage(assets + QLatin1StringView(set)).convertToFormat(QImage::Format_RGB32);
            QVERIFY2(bogen.size() == QSize(96, 120), set);
            for (qsizetype i = 0; i < zellen.size(); ++i) {
                for (qsizetype j = i + 1; j < zellen.size(); ++j)
                    QVERIFY2(
                        bogen.copy(zellen[i]) != bogen.copy(zellen[j]),
                        qPrintable(u"%1: Zellen %2 und %3 gleichen sich"_s.arg(set).arg(i).arg(j)));
            }
            const auto blank = kachelUrsprung("blank");
            QVERIFY2(bogen.copy(blank->x, blank->y, kachelGroesse, kachelGroesse) == schwarz, set);
        }
    }

    // The GIF must keep every pixel of the drawing; the built-in sheet is the same drawing.
    void standardsetGleichtDemEingebautenBogen() {
        const QImage gif =
            QImage(assets + u"/standardset.gif"_s).convertToFormat(QImage::Format_RGB32);
        const QImage eingebaut =
            QImage(u":/bilder/eingebaut.png"_s).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(gif, eingebaut);
    }

    // The pin lies on the note: only a small part of it may cover the yellow.
    void pinIstMeistDurchsichtig() {
        const QImage pin = QImage(u":/bilder/pin.png"_s).convertToFormat(QImage::Format_ARGB32);
        int deckend = 0;
        for (int y = 0; y < pin.height(); ++y)
            for (int x = 0; x < pin.width(); ++x)
                deckend += qAlpha(pin.pixel(x, y)) > 0 ? 1 : 0;
        QVERIFY(deckend > 0);
        QVERIFY(deckend < pin.width() * pin.height() / 4);
    }

    // 16-bit mono PCM of about a second, loud enough to be heard.
    void explosionsklangIstHoerbaresPcm() {
        QFile datei(assets + u"/explsion.wav"_s);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QByteArray daten = datei.readAll();
        QVERIFY(daten.size() > 44);
        QCOMPARE(daten.left(4) + daten.mid(8, 8) + daten.mid(36, 4), "RIFFWAVEfmt data"_ba);
        QCOMPARE(wort32(daten, 4), std::uint32_t(daten.size() - 8));
        const std::uint32_t rate = wort32(daten, 24);
        QVERIFY(rate == 22050 || rate == 44100);
        // Format size 16, PCM, mono, then the byte rate and the block of one 16-bit sample.
        QCOMPARE(daten.mid(16, 8), QByteArray("\x10\0\0\0\x01\0\x01\0", 8));
        QCOMPARE(wort32(daten, 28), rate * 2);
        QCOMPARE(daten.mid(32, 4), QByteArray("\x02\0\x10\0", 4));
        const std::uint32_t laenge = wort32(daten, 40);
        QCOMPARE(laenge, std::uint32_t(daten.size() - 44));
        const double sekunden = laenge / 2.0 / rate;
        QVERIFY2(sekunden > 0.5 && sekunden < 2, qPrintable(QString::number(sekunden)));
        int spitze = 0;
        for (std::uint32_t i = 0; i < laenge; i += 2)
            spitze = std::max(
                spitze, std::abs(qFromLittleEndian<std::int16_t>(daten.constData() + 44 + i)));
        QVERIFY(spitze > 8000);
    }
};

QTEST_MAIN(AssetsTest)
#include "assets_test.moc"
