#include "kit/aussenwelt.h"

#include "kit/klangmodul.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>
#include <memory>

Aussenwelt Aussenwelt::echt() {
    // The sound module stands beside the program; it lives as long as the window.
    auto klang = std::make_shared<Klangmodul>(QCoreApplication::applicationDirPath() +
                                              QStringLiteral("/lagerix-klang"));
    return {
        [klang](const QString& pfad) { klang->abspielen(pfad); },
        [](const QString& pfad) { return QDesktopServices::openUrl(QUrl::fromLocalFile(pfad)); },
        [](const QString& programm) { return QProcess::startDetached(programm, {}); },
    };
}
