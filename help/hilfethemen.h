#pragma once

#include <QCollator>
#include <QList>
#include <QString>

struct Hilfethema {
    QString titel;
    QString text;
};

// Every topic of the help window, in the order they were written; the list shows
// them sorted.
const QList<Hilfethema>& hilfethemen();

// The order of the topic list: German alphabetical order, case ignored, so that
// "Über Lagerix" stands among the U's and not behind the Z.
QCollator themenOrdnung();
