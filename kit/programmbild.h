#pragma once

#include <QImage>

class QString;

// One of the pictures built into the program (":/bilder/<name>", all PNG), read by Qt's
// own PNG reader. Read by file name alone, Qt would first load every image plugin on the
// system to ask whether it reads PNG, which costs the start-up several libraries.
QImage programmBild(const QString& name);
