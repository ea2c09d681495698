#include "kit/kachelblatt.h"

#include "game/kachelsatz.h"
#include "game/textdatei.h"
#include "kit/brettbild.h"
#include "kit/programmbild.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

// A graphics set of the program folder, or a null image when it is no usable sheet.
QImage blattLaden(const QString& ordner, const QString& name) {
    QImage bild(QString::fromStdString(dateiImOrdner(ordner.toStdString(), name.toStdString())));
    if (bild.width() < Kachelblatt::breite || bild.height() < Kachelblatt::hoehe)
        return {};
    return bild.convertToFormat(QImage::Format_RGB32);
}

} // namespace

Kachelblatt::Kachelblatt()
    : blatt(programmBild(u"eingebaut.png"_s).convertToFormat(QImage::Format_RGB32)) {}

bool Kachelblatt::laden(const QString& ordner, const QString& name) {
    QImage bild = blattLaden(ordner, name);
    if (bild.isNull())
        return false;
    blatt = bild;
    return true;
}

QString Kachelblatt::mitErsatzLaden(const QString& ordner, const QString& name) {
    if (laden(ordner, name))
        return {};
    const QString standard = QString::fromLatin1(standardset);
    const bool ersatz = name != standard && laden(ordner, standard);
    const QString stattdessen =
        ersatz ? u"das Standard-Grafikset „%1“"_s.arg(standard) : u"das eingebaute Grafikset"_s;
    return u"Das Grafikset „%1“ konnte nicht geladen werden. Es wird %2 verwendet."_s.arg(
        name, stattdessen);
}

void Kachelblatt::kachelZeichnen(Brettbild& bild, const std::string& wort, int x, int y) const {
    if (const auto ursprung = kachelUrsprung(wort))
        bild.kachelKopieren(blatt, ursprung->x, ursprung->y, x, y);
}

QPixmap Kachelblatt::explosionsBild(int k) const {
    QPixmap rahmen(kachelGroesse, kachelGroesse + 1);
    rahmen.fill(Qt::black);
    if (k != 0) {
        const Kachelursprung quelle = explosionsBildUrsprung(k);
        QPainter maler(&rahmen);
        maler.drawImage(QPoint(0, 0), blatt,
                        QRect(quelle.x, quelle.y, kachelGroesse, kachelGroesse));
    }
    return rahmen;
}
