// The yardstick for the game's start-up: the barest Qt Widgets window of the game's
// size (566 by 493 pixels), shown and left to the event loop.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget fenster;
    fenster.setFixedSize(566, 493);
    fenster.show();
    return QApplication::exec();
}
