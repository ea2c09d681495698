#include "kit/programmbild.h"

#include <QImageReader>
#include <QString>

QImage programmBild(const QString& name) {
    QImageReader leser(QStringLiteral(":/bilder/") + name, "png");
    leser.setAutoDetectImageFormat(false);
    return leser.read();
}
