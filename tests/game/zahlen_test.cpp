#include "game/zahlen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace {

TEST(Zahlen, eineZeileGiltBisZurZahlAnIhremAnfang) {
    const std::string nullen(330, '0');
    const double unendlich = std::numeric_limits<double>::infinity();
    const std::pair<std::string, double> faelle[] = {
        {"-12.25x", -12.25},
        {"\t 3.5 Einheiten", 3.5},
        {"  96,5", 96}, // a comma is no decimal separator
        {".5", 0.5},
        {"-0", 0},
        {"+5", 0},
        // Too small for a double is 0; only a large integer part is infinite.
        {"0." + nullen + "1", 0.0},
        {"-0." + nullen + "1", 0.0},
        {" 00." + nullen + "7 Rest", 0.0},
        {"1" + nullen, unendlich},
        {"-1" + nullen + ".5", -unendlich},
        {"0" + nullen + "1", 1.0},
    };
    for (const auto& [zeile, wert] : faelle) {
        EXPECT_EQ(zahlLesen(zeile), wert) << zeile.substr(0, 12);
        EXPECT_FALSE(std::signbit(zahlLesen(zeile)) && wert == 0) << zeile;
    }
}

TEST(Zahlen, gerundetWirdZurGeradenNachbarzahlUndNurIn16Bit) {
    const std::pair<double, std::optional<std::int16_t>> faelle[] = {
        {2.5, 2},
        {28.8, 29},
        {32767.4, 32767},
        {32767.5, std::nullopt},
        {-32768.5, -32768},
        {-32769, std::nullopt},
        {std::numeric_limits<double>::infinity(), std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    };
    for (const auto& [wert, int16] : faelle)
        EXPECT_EQ(aufInt16Runden(wert), int16) << wert;
}

TEST(Zahlen, geschriebenMitBlankVorneUndHintenUndOhneExponent) {
    const std::pair<double, std::string> faelle[] = {
        {48, " 48 "},
        {-24, "-24 "},
        {28.8, " 28.8 "},
        // A figure's fraction is written so that it reads back to the same value.
        {28.799999999999997, " 28.799999999999997 "},
        {-0.0, " 0 "},
        {1e20, " 100000000000000000000 "}};
    for (const auto& [wert, text] : faelle)
        EXPECT_EQ(zahlSchreiben(wert), text);
}

} // namespace
