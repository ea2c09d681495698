// The writer's calls to the system, seen from inside: this program puts its own fsync,
// umask and fchmod in front of the C library's, so they are its own executable.

#include "testhilfen.h"

#include "game/textdatei.h"

#include <cerrno>
#include <dlfcn.h>
#include <sys/stat.h>

namespace {

int ordnerGesichert = 0; // fsync calls on a folder
int maskeGeaendert = 0;  // umask calls
bool fchmodVerweigern = false;

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

// The new name survives a power cut and the process's mask is never touched, also on a
// file system that refuses to change a file's rights, as some do.
TEST_F(Schreibaufrufe, derNeueNameUeberstehtEinenStromausfallOhneDieMaskeZuBeruehren) {
    schreiben("alt.txt", "alt\r\n");
    for (const auto& [name, verweigern] :
         {std::pair{"alt.txt", true}, {"alt.txt", false}, {"neu.txt", false}}) {
        SCOPED_TRACE(std::string(name) + (verweigern ? " ohne fchmod" : ""));
        ordnerGesichert = 0;
        maskeGeaendert = 0;
        fchmodVerweigern = verweigern;
        const auto meldung = textSchreiben(pfad(name), {"Inhalt"});
        fchmodVerweigern = false;
        ASSERT_EQ(meldung, std::nullopt);
        EXPECT_EQ(lesen(name), "Inhalt\r\n");
        EXPECT_EQ(ordnerGesichert, 1);
        // The mask is the whole process's: changing it for a moment races other threads.
        EXPECT_EQ(maskeGeaendert, 0);
    }
}

} // namespace
