#pragma once

#include <QFile>
#include <QString>
#include <filesystem>
#include <string>

// Paths stay the bytes the system hands over, so that a name that is no valid UTF-8 (an
// old Latin-1 "ärger.lev") still opens and saves; only the name shown is text.
inline QString anzeigeName(const std::string& pfad) {
    return QFile::decodeName(
        QByteArray::fromStdString(std::filesystem::path(pfad).filename().string()));
}

// A path the author chose, as the bytes the system knows it by.
inline std::string pfadText(const QString& pfad) {
    return QFile::encodeName(pfad).toStdString();
}
