#include "mainwindow/gewinnanimation.h"

#include "kit/brettbild.h"
#include "kit/meldung.h"
#include "kit/programmbild.h"

#include <QRandomGenerator>
#include <QThread>

using namespace Qt::StringLiterals;

Gewinnanimation::Gewinnanimation(Brettbild& ziel, std::function<void()> zeigen)
    : ziel(ziel), zeigen(std::move(zeigen)) {}

void Gewinnanimation::abspielen(const QImage& gewinnBild) {
    aufloesen(gewinnBild);
    ziel.streifenKopieren(gewinnBild, gewinnBild.rect());
    zeigen();
    QImage schwarz(gewinnBild.size(), QImage::Format_RGB32);
    schwarz.fill(Qt::black);
    aufloesen(schwarz);
}

void Gewinnanimation::aufloesen(const QImage& quelle) {
    auto* zufall = QRandomGenerator::global();
    constexpr int proStapel = streifenProDurchgang / stapelProDurchgang;
    for (int stapel = 0; stapel < stapelProDurchgang; ++stapel) {
        for (int i = 0; i < proStapel; ++i) {
            const int x = zufall->bounded(quelle.width());
            const int y = zufall->bounded(quelle.height());
            ziel.streifenKopieren(quelle, QRect(x, y, 35, 2));
        }
        zeigen();
    }
}

void gewinnAnkuendigen(QWidget& fenster, Brettbild& bild, bool animationAn) {
    if (!animationAn) {
        meldung::zeigen(&fenster, QMessageBox::Information, meldung::programmTitel,
                        u"Sie haben das Level geschafft !"_s);
        return;
    }
    static const QImage gewinnBild =
        programmBild(u"gewonnen.png"_s).convertToFormat(QImage::Format_RGB32);
    Gewinnanimation(bild, [&bild] {
        bild.repaint();
        QThread::msleep(Gewinnanimation::pauseMs);
    }).abspielen(gewinnBild);
}
