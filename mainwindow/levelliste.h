#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QListWidget;
class QPushButton;
class QWidget;

// The level list panel over the top left corner of the board picture: the list of level
// files `File2`, "Ok", "Abbrechen" and the yellow note. It is open exactly while the list
// is visible. It reports the player's choice; starting the level is the main window's.
class Levelliste : public QObject {
    Q_OBJECT
  public:
    // `brett` is the board picture the panel lies on; `ordner` the program folder.
    Levelliste(QWidget& brett, const QString& ordner);

    bool offen() const;
    bool istListe(const QObject* objekt) const;

    void notizZeigen(bool sichtbar);
    void listeZeigen(bool sichtbar);

    // Lists the level files present now; a selected file that is still there stays so,
    // else nothing is selected and the first arrow key chooses the first file.
    void fuellen();

    // The selected file name, empty when nothing is selected.
    QString gewaehlteDatei() const;

    // After a solved level: the file after the selected one, or the last one again.
    void naechsteWaehlen();

    // Start-up: the keyboard focus goes to the list.
    void fokussieren();

  Q_SIGNALS:
    void okGeklickt();
    void abbrechenGeklickt();
    void doppelklick();

  private:
    void notizAnlegen(QWidget& brett);

    QString ordner;
    QList<QWidget*> notiz; // Shape1, Image2, Label7, Label8, Line2, Line3, Line4
    QListWidget* liste = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
};
