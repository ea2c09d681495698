// The yardstick for the game's start-up: the barest Qt Widgets window of the game's
// size (566 by 493 pixels), shown and left to the event loop. Called with "beschriftet"
// it also carries one label: the first text costs Qt its font set-up, and the first
// control with a name starts the accessibility bridge, both before the window appears.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget fenster;
    fenster.setFixedSize(566, 493);
    if (argc > 1 && QByteArray(argv[1]) == "beschriftet")
        new QLabel(QStringLiteral("Level wählen"), &fenster);
    fenster.show();
    return QApplication::exec();
}
