#pragma once

#include <csignal>
#include <sys/resource.h>

// Lets every write beyond `bytes` fail with EFBIG while it lives: a failed write that
// works even for root, whom permission bits do not stop.
class Schreibgrenze {
  public:
    explicit Schreibgrenze(rlim_t bytes) {
        alterHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &alt);
        rlimit neu = alt;
        neu.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &neu);
    }
    ~Schreibgrenze() {
        ::setrlimit(RLIMIT_FSIZE, &alt);
        std::signal(SIGXFSZ, alterHandler);
    }
    Schreibgrenze(const Schreibgrenze&) = delete;
    Schreibgrenze& operator=(const Schreibgrenze&) = delete;

  private:
    rlimit alt{};
    void (*alterHandler)(int) = nullptr;
};
