#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Numbers in the game's text files: read from the start of a line, written with a
// leading blank (or minus sign) and a trailing blank.

// The decimal number at the start of `zeile`: leading blanks skipped, a minus sign
// allowed, a point as decimal separator, the rest ignored; 0 when there is none.
// Digits too many for a double read as an infinite value.
double zahlLesen(std::string_view zeile);

// Rounds to the nearest integer, halves to the even neighbour; none outside 16 bits.
std::optional<std::int16_t> aufInt16Runden(double wert);

// The drawing position of a board coordinate: the nearest integer, halves to the even
// neighbour, as the original drawing calls rounded.
int gerundet(double wert);

// True when the value lies within the signed 16-bit range (NaN does not).
bool passtInInt16(double wert);

// The shortest decimal that reads back to the same value, never in exponent form.
std::string zahlKurz(double wert);

// The file form: " 48 ", "-24 ", " 28.8 ".
std::string zahlSchreiben(double wert);
