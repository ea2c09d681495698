#include "game/zahlen.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

double zahlLesen(std::string_view zeile) {
    std::size_t i = 0;
    while (i < zeile.size() && (zeile[i] == ' ' || zeile[i] == '\t'))
        ++i;
    const std::size_t anfang = i;
    if (i < zeile.size() && zeile[i] == '-')
        ++i;
    const auto ziffern = [&] {
        std::size_t n = 0;
        while (i < zeile.size() && zeile[i] >= '0' && zeile[i] <= '9') {
            ++i;
            ++n;
        }
        return n;
    };
    std::size_t anzahl = ziffern();
    if (i < zeile.size() && zeile[i] == '.') {
        ++i;
        anzahl += ziffern();
    }
    if (anzahl == 0)
        return 0.0;
    double wert = 0.0;
    const auto [ende, fehler] =
        std::from_chars(zeile.data() + anfang, zeile.data() + i, wert, std::chars_format::fixed);
    (void)ende;
    if (fehler == std::errc::result_out_of_range) {
        const bool negativ = zeile[anfang] == '-';
        return negativ ? -std::numeric_limits<double>::infinity()
                       : std::numeric_limits<double>::infinity();
    }
    return wert + 0.0; // turns "-0" into 0
}

int gerundet(double wert) {
    return static_cast<int>(std::nearbyint(wert));
}

bool passtInInt16(double wert) {
    return wert >= std::numeric_limits<std::int16_t>::min() &&
           wert <= std::numeric_limits<std::int16_t>::max();
}

std::optional<std::int16_t> aufInt16Runden(double wert) {
    const double gerundet = std::nearbyint(wert);
    if (!passtInInt16(gerundet))
        return std::nullopt;
    return static_cast<std::int16_t>(gerundet);
}

std::string zahlKurz(double wert) {
    std::array<char, 400> puffer{};
    const auto ergebnis = std::to_chars(puffer.data(), puffer.data() + puffer.size(), wert + 0.0,
                                        std::chars_format::fixed);
    return std::string(puffer.data(), ergebnis.ptr);
}

std::string zahlSchreiben(double wert) {
    const std::string text = zahlKurz(wert);
    return (text.front() == '-' ? "" : " ") + text + " ";
}
