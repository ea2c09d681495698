#pragma once

// A temporary program folder holding the levels a benchmark plays, removed at the end.

#include "game/textdatei.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

class Messordner {
  public:
    using Level = std::pair<std::string, std::vector<std::string>>; // file name, lines

    explicit Messordner(const std::vector<Level>& levels) {
        std::string vorlage =
            (std::filesystem::temp_directory_path() / "lagerix-messung-XXXXXX").string();
        if (!::mkdtemp(vorlage.data()))
            throw std::runtime_error("kein Messordner");
        pfad = vorlage + "/";
        for (const auto& [name, zeilen] : levels) {
            if (textSchreiben(pfad + name, zeilen))
                throw std::runtime_error("Messlevel nicht geschrieben: " + name);
        }
    }
    ~Messordner() { std::filesystem::remove_all(pfad); }
    Messordner(const Messordner&) = delete;
    Messordner& operator=(const Messordner&) = delete;

    std::string pfad; // ends in '/'
};
