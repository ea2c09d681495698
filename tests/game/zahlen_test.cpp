#include "game/zahlen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

TEST(Zahlen, eineZeileGiltBisZurZahlAnIhremAnfang) {
    const std::string nullen(330, '0');
    const double unendlich = std::numeric_limits<double>::infinity();
    const struct {
        std::string zeile;
        double wert;
    } faelle[] = {
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
    for (const auto& fall : faelle) {
        EXPECT_EQ(zahlLesen(fall.zeile), fall.wert) << fall.zeile.substr(0, 12);
        EXPECT_FALSE(std::signbit(zahlLesen(fall.zeile)) && fall.wert == 0) << fall.zeile;
    }
}

TEST(Zahlen, gerundetWirdZurGeradenNachbarzahlUndNurIn16Bit) {
    const struct {
        double wert;
        std::optional<std::int16_t> int16;
    } faelle[] = {
        {2.5, 2},
        {28.8, 29},
        {32767.4, 32767},
        {32767.5, std::nullopt},
        {-32768.5, -32768},
        {-32769, std::nullopt},
        {std::numeric_limits<double>::infinity(), std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(aufInt16Runden(fall.wert), fall.int16) << fall.wert;
}

TEST(Zahlen, geschriebenMitBlankVorneUndHintenUndOhneExponent) {
    const struct {
        double wert;
        const char* text;
    } faelle[] = {{48, " 48 "},
                  {-24, "-24 "},
                  {28.8, " 28.8 "},
                  // A figure's fraction is written so that it reads back to the same value.
                  {28.799999999999997, " 28.799999999999997 "},
                  {-0.0, " 0 "},
                  {1e20, " 100000000000000000000 "}};
    for (const auto& fall : faelle)
        EXPECT_EQ(zahlSchreiben(fall.wert), fall.text);
}

} // namespace
