#include "tunnel.h"

namespace {

// Whether `nach` is reached from `von` over cells that are not permanent, passing by `ohne`.
bool umgehbar(const Lager& lager, int von, int nach, int ohne) {
    std::vector<bool> gesehen(lager.fest.size(), false);
    gesehen[ohne] = gesehen[von] = true;
    std::vector<int> stapel{von};
    while (!stapel.empty()) {
        const int z = stapel.back();
        stapel.pop_back();
        if (z == nach)
            return true;
        for (int r = 0; r < 4; ++r) {
            const int n = z + lager.versatz(r);
            if (!lager.fest[n] && !gesehen[n]) {
                gesehen[n] = true;
                stapel.push_back(n);
            }
        }
    }
    return false;
}

} // namespace

Tunnel::Tunnel(const Lager& lager) : durch(lager.fest.size() * 4, false) {
    const auto& fest = lager.fest;
    for (int z = 0; z < static_cast<int>(fest.size()); ++z) {
        if (fest[z] || lager.stellplatz[z])
            continue;
        // Left and up; right and down go the same way back.
        for (int r = 0; r < 2; ++r) {
            const int v = lager.versatz(r), quer = lager.versatz(r + 1);
            if (fest[z + quer] && fest[z - quer] && !fest[z - v] && !fest[z + v] &&
                !umgehbar(lager, z - v, z + v, z))
                durch[z * 4 + r] = durch[z * 4 + r + 2] = true;
        }
    }
}
