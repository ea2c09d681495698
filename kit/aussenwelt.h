#pragma once

#include <QString>
#include <functional>

// What the main window does to the world outside itself: sounds, pages and programs.
// The defaults act for real; tests replace them with recorders.
struct Aussenwelt {
    // Starts playing a WAV file and returns at once; a missing file is silence.
    std::function<void(const QString& pfad)> klangAbspielen;
    // Opens a local file in the desktop's registered viewer; false when none could.
    std::function<bool(const QString& pfad)> dateiAnzeigen;
    // Starts a program detached from the game; false when it could not be started.
    std::function<bool(const QString& programm)> programmStarten;
    // Where the game's other programs stand, ending in '/'.
    QString programme{};

    static Aussenwelt echt();
};
