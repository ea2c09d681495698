#pragma once

#include <QSize>
#include <QWidget>

class Hauptfenster;

// A secondary window of the game: modeless, fixed in size, laid out with the design's
// font, deleted when closed. However it is closed, `Form_QueryUnload` runs first; closing
// is never refused. Escape closes it as its close box does: a window that asks for a
// choice takes that as "Abbrechen".
class Nebenfenster : public QWidget {
    Q_OBJECT

  public:
    Nebenfenster(Hauptfenster& haupt, const QString& titel, QSize groesse, QWidget* parent);

  protected:
    void closeEvent(QCloseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    virtual void Form_QueryUnload() = 0;

    // A file of the program folder.
    QString pfad(const QString& datei) const;

    Hauptfenster& haupt;
};
