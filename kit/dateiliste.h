#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

// The files of `ordner` whose names match `muster` (such as "*.lev", the extension in any
// case), sorted by name without regard to case. Read anew on every call, so a list shows
// the folder as it is now.
inline QStringList dateiliste(const QString& ordner, const QString& muster) {
    return QDir(ordner, muster, QDir::Name | QDir::IgnoreCase, QDir::Files).entryList();
}
