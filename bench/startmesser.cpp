// Starts a program and watches the X server for its first mapped top-level window.
// Prints one line: milliseconds from exec to the map and to the first picture, processor
// time until the map (ms), then resident memory (KiB),
// threads and shared libraries at the map and again after a settling pause, so that
// work done behind the first picture shows up in the second set. Ends the program then.
//
//     startmesser PAUSE_MS PROGRAMM [ARGUMENTE...]

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

struct Zustand {
    double rechenzeitMs = 0; // on a processor, all threads together
    long residentKiB = -1;
    long threads = -1;
    std::size_t bibliotheken = 0;
};

long statusWert(const std::string& text, const std::string& schluessel) {
    const auto stelle = text.find(schluessel);
    if (stelle == std::string::npos)
        return -1;
    return std::strtol(text.c_str() + stelle + schluessel.size(), nullptr, 10);
}

Zustand zustandLesen(pid_t prozess) {
    const std::string basis = "/proc/" + std::to_string(prozess);
    Zustand z;
    std::ifstream status(basis + "/status");
    std::stringstream inhalt;
    inhalt << status.rdbuf();
    z.residentKiB = statusWert(inhalt.str(), "VmRSS:");
    z.threads = statusWert(inhalt.str(), "Threads:");

    // A library counts once however many segments it maps.
    std::set<std::string> pfade;
    std::ifstream karte(basis + "/maps");
    for (std::string zeile; std::getline(karte, zeile);) {
        const auto pfad = zeile.find('/');
        if (pfad != std::string::npos && zeile.find(".so", pfad) != std::string::npos)
            pfade.insert(zeile.substr(pfad));
    }
    z.bibliotheken = pfade.size();

    // Nanoseconds on a processor, per thread; unlike the wall clock, hardly touched by
    // what else the machine runs.
    std::error_code fehler;
    for (const auto& thread : std::filesystem::directory_iterator(basis + "/task", fehler)) {
        std::ifstream schedstat(thread.path() / "schedstat");
        double ns = 0;
        if (schedstat >> ns)
            z.rechenzeitMs += ns / 1e6;
    }
    return z;
}

using Verbindung = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>;

// Blocks until some top-level window is mapped and returns it; 0 when the connection broke.
xcb_window_t aufKarteWarten(xcb_connection_t* x) {
    while (std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> ereignis{
        xcb_wait_for_event(x), &std::free}) {
        if ((ereignis->response_type & 0x7f) == XCB_MAP_NOTIFY)
            return reinterpret_cast<xcb_map_notify_event_t*>(ereignis.get())->window;
    }
    return 0;
}

// One pixel near the window's top left corner, where every window paints its background;
// -1 when it cannot be read.
long pixel(xcb_connection_t* x, xcb_window_t fenster) {
    std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> bild{
        xcb_get_image_reply(
            x, xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, fenster, 2, 2, 1, 1, ~0u), nullptr),
        &std::free};
    if (!bild || xcb_get_image_data_length(bild.get()) < 3)
        return -1;
    const uint8_t* d = xcb_get_image_data(bild.get());
    return d[0] | d[1] << 8 | d[2] << 16;
}

// Until the program has painted: the unpainted window shows the black root window
// (Xvfb -br), so the first picture is the first change of that pixel.
void aufBildWarten(xcb_connection_t* x, xcb_window_t fenster) {
    const long vorher = pixel(x, fenster);
    const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (pixel(x, fenster) == vorher && std::chrono::steady_clock::now() < ende)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "Aufruf: startmesser PAUSE_MS PROGRAMM [ARGUMENTE...]\n";
        return 2;
    }
    const auto pause = std::chrono::milliseconds(std::atoi(argv[1]));

    Verbindung x{xcb_connect(nullptr, nullptr), &xcb_disconnect};
    if (xcb_connection_has_error(x.get())) {
        std::cerr << "startmesser: keine Verbindung zum X-Server\n";
        return 1;
    }
    const xcb_window_t wurzel = xcb_setup_roots_iterator(xcb_get_setup(x.get())).data->root;
    const uint32_t maske = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x.get(), wurzel, XCB_CW_EVENT_MASK, &maske);
    // The server must know the mask before the program can map anything.
    std::free(xcb_get_input_focus_reply(x.get(), xcb_get_input_focus(x.get()), nullptr));

    const auto start = std::chrono::steady_clock::now();
    const pid_t prozess = fork();
    if (prozess == 0) {
        execv(argv[2], argv + 2);
        std::perror("startmesser: exec");
        _exit(127);
    }
    const xcb_window_t fenster = prozess > 0 ? aufKarteWarten(x.get()) : 0;
    if (fenster == 0) {
        std::cerr << "startmesser: kein Fenster erschienen\n";
        return 1;
    }
    const auto karte = std::chrono::steady_clock::now();
    const Zustand beimBild = zustandLesen(prozess);
    aufBildWarten(x.get(), fenster);
    const auto bild = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(pause);
    const Zustand danach = zustandLesen(prozess);
    kill(prozess, SIGTERM);
    waitpid(prozess, nullptr, 0);

    const auto ms = [start](auto zeit) {
        return std::chrono::duration<double, std::milli>(zeit - start).count();
    };
    std::printf("%.2f %.2f %.2f %ld %ld %zu %ld %ld %zu\n", ms(karte), ms(bild),
                beimBild.rechenzeitMs, beimBild.residentKiB, beimBild.threads,
                beimBild.bibliotheken, danach.residentKiB, danach.threads, danach.bibliotheken);
    return 0;
}
