#include "kit/aussenwelt.h"

#include <QDesktopServices>
#include <QProcess>
#include <QSoundEffect>
#include <QUrl>
#include <memory>

Aussenwelt Aussenwelt::echt() {
    // One effect for the life of the window: it must outlive the call to keep playing.
    auto effekt = std::make_shared<QSoundEffect>();
    return {
        [effekt](const QString& pfad) {
            effekt->setSource(QUrl::fromLocalFile(pfad));
            effekt->play();
        },
        [](const QString& pfad) { return QDesktopServices::openUrl(QUrl::fromLocalFile(pfad)); },
        [](const QString& programm) { return QProcess::startDetached(programm, {}); },
    };
}
