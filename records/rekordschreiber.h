#pragma once

class QString;
class QWidget;

// Offers the player a new record after a solved level: when `schritte` beats the record
// of the level file `levelDatei`, asks for a name and writes the record file next to
// the level. Cancelling writes nothing; a failed write is reported and keeps the old file.
void neuenRekordAnbieten(QWidget* eltern, const QString& levelDatei, int schritte);
