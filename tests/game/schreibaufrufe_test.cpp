// The writer's calls to the system, seen from inside: this program puts its own fsync,
// umask and fchmod in front of the C library's, so they are its own executable.

#include "testhilfen.h"

#include "game/textdatei.h"

#include <cerrno>
#include <dlfcn.h>
#include <sys/stat.h>

namespace {

int ordnerGesichert = 0;       // fsync calls on a folder
int maskeGeaendert = 0;        // umask calls
bool fchmodVerweigern = false; // as some file systems do

template <typename Funktion> Funktion echt(const char* name) {
    return reinterpret_cast<Funktion>(::dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" int fsync(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode))
        ++ordnerGesichert;
    return echt<int (*)(int)>("fsync")(fd);
}

extern "C" mode_t umask(mode_t maske) {
    ++maskeGeaendert;
    return echt<mode_t (*)(mode_t)>("umask")(maske);
}

extern "C" int fchmod(int fd, mode_t rechte) {
    if (fchmodVerweigern) {
        errno = EPERM;
        return -1;
    }
    return echt<int (*)(int, mode_t)>("fchmod")(fd, rechte);
}

namespace {

using Schreibaufrufe = Ordnertest;

TEST_F(Schreibaufrufe, derNeueNameUeberstehtEinenStromausfallOhneDieMaskeZuBeruehren) {
    schreiben("alt.txt", "alt\r\n");
    for (const char* name : {"alt.txt", "neu.txt"}) {
        ordnerGesichert = 0;
        maskeGeaendert = 0;
        ASSERT_EQ(textSchreiben(pfad(name), {"Inhalt"}), std::nullopt) << name;
        EXPECT_EQ(ordnerGesichert, 1) << name;
        // The mask is the whole process's: changing it for a moment races other threads.
        EXPECT_EQ(maskeGeaendert, 0) << name;
    }
}

TEST_F(Schreibaufrufe, einDateisystemOhneRechteaenderungSpeichertTrotzdem) {
    schreiben("alt.txt", "alt\r\n");
    fchmodVerweigern = true;
    const auto meldung = textSchreiben(pfad("alt.txt"), {"neu"});
    fchmodVerweigern = false;
    EXPECT_EQ(meldung, std::nullopt);
    EXPECT_EQ(lesen("alt.txt"), "neu\r\n");
}

} // namespace
