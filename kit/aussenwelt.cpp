#include "kit/aussenwelt.h"

#include "kit/klangmodul.h"
#include "kit/programmorte.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>
#include <memory>

Aussenwelt Aussenwelt::echt() {
    const Programmorte orte = programmorte();
    // The sound module lives as long as the window.
    auto klang = std::make_shared<Klangmodul>(orte.klangmodul);
    return {
        [klang](const QString& pfad) { klang->abspielen(pfad); },
        [](const QString& pfad) { return QDesktopServices::openUrl(QUrl::fromLocalFile(pfad)); },
        [](const QString& programm) { return QProcess::startDetached(programm, {}); },
        orte.programme,
    };
}
