#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <numbers>
#include <vector>

// Synthesizes the explosion sound: a crack, a rumble of low-passed noise whose
// brightness falls away, and a low thump, together a second long.
namespace {

constexpr int abtastrate = 22050;
constexpr double dauer = 1.0; // seconds
constexpr double ausblenden = 0.06;

// A fixed noise source, so that every run writes the same file.
class Rauschen {
  public:
    double naechster() {
        zustand ^= zustand << 13;
        zustand ^= zustand >> 17;
        zustand ^= zustand << 5;
        return static_cast<double>(zustand) / 2147483648.0 - 1.0;
    }

  private:
    std::uint32_t zustand = 20000;
};

// One-pole low-pass; the cut-off may change from sample to sample.
class Tiefpass {
  public:
    double filtern(double eingang, double grenzfrequenz) {
        const double a = 1.0 - std::exp(-2.0 * std::numbers::pi * grenzfrequenz / abtastrate);
        wert += a * (eingang - wert);
        return wert;
    }

  private:
    double wert = 0;
};

std::vector<double> explosion() {
    const int anzahl = static_cast<int>(dauer * abtastrate);
    std::vector<double> klang(static_cast<std::size_t>(anzahl));
    Rauschen rauschen;
    Tiefpass knallFilter;
    Tiefpass grollen1;
    Tiefpass grollen2;
    double phase = 0;
    for (int i = 0; i < anzahl; ++i) {
        const double t = static_cast<double>(i) / abtastrate;
        const double weiss = rauschen.naechster();
        const double anschlag = std::min(1.0, t / 0.006);
        const double knall = knallFilter.filtern(weiss, 3500) * std::exp(-t / 0.035);
        const double grenze = 110 + 1400 * std::exp(-t / 0.12);
        const double grollen =
            grollen2.filtern(grollen1.filtern(weiss, grenze), grenze) * std::exp(-t / 0.33);
        phase += 2 * std::numbers::pi * (34 + 46 * std::exp(-t / 0.15)) / abtastrate;
        const double stoss = std::sin(phase) * std::exp(-t / 0.2);
        klang[static_cast<std::size_t>(i)] = anschlag * (0.5 * knall + 3.0 * grollen + 0.5 * stoss);
    }
    const double spitze = std::abs(*std::max_element(
        klang.begin(), klang.end(), [](double a, double b) { return std::abs(a) < std::abs(b); }));
    for (int i = 0; i < anzahl; ++i) {
        const double rest = static_cast<double>(anzahl - i) / abtastrate;
        const double ende = std::min(1.0, rest / ausblenden);
        klang[static_cast<std::size_t>(i)] *= 0.9 / spitze * ende;
    }
    return klang;
}

void schreiben(std::ostream& aus, std::uint32_t wert, int bytes) {
    for (int i = 0; i < bytes; ++i)
        aus.put(static_cast<char>((wert >> (8 * i)) & 0xff));
}

// RIFF WAVE, PCM, 16 bits, mono, little-endian.
void wavSchreiben(std::ostream& aus, const std::vector<double>& klang) {
    const auto datenBytes = static_cast<std::uint32_t>(klang.size() * 2);
    aus.write("RIFF", 4);
    schreiben(aus, 36 + datenBytes, 4);
    aus.write("WAVEfmt ", 8);
    schreiben(aus, 16, 4);
    schreiben(aus, 1, 2); // PCM
    schreiben(aus, 1, 2); // mono
    schreiben(aus, abtastrate, 4);
    schreiben(aus, abtastrate * 2, 4);
    schreiben(aus, 2, 2);
    schreiben(aus, 16, 2);
    aus.write("data", 4);
    schreiben(aus, datenBytes, 4);
    for (const double wert : klang) {
        const auto probe = static_cast<std::int16_t>(std::lround(wert * 32767));
        schreiben(aus, static_cast<std::uint16_t>(probe), 2);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Aufruf: lagerix-klang ZIELDATEI\n";
        return 2;
    }
    std::ofstream datei(argv[1], std::ios::binary);
    wavSchreiben(datei, explosion());
    datei.close();
    if (!datei) {
        std::cerr << "Kann " << argv[1] << " nicht schreiben.\n";
        return 1;
    }
    return 0;
}
