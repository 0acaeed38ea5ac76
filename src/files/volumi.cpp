// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/volumi.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace spintaro {

namespace {

// The file systems that hold no user's files: the kernel's views, memory, cgroups, container
// layers, compressed application images, automount triggers (touching one mounts it, and can
// wait on a network).
constexpr std::array<std::string_view, 26> TipiDiSistema = {
    "proc",      "sysfs",      "devtmpfs",  "devpts",   "tmpfs",           "ramfs",    "cgroup",
    "cgroup2",   "mqueue",     "hugetlbfs", "debugfs",  "tracefs",         "pstore",   "bpf",
    "configfs",  "fusectl",    "autofs",    "nsfs",     "binfmt_misc",     "efivarfs", "rpc_pipefs",
    "selinuxfs", "securityfs", "overlay",   "squashfs", "fuse.gvfsd-fuse",
};

// Network shares; every user-space file system ("fuse.*": sshfs, rclone, ...) is counted with
// them, since the list cannot tell which of them answer at once.
constexpr std::array<std::string_view, 10> TipiRemoti = {
    "nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs", "ceph", "glusterfs", "davfs",
};

// Folders whose mounts belong to the system or to packaged applications.
constexpr std::array<std::string_view, 6> CartelleDiSistema = {
    "/proc", "/sys", "/dev", "/run", "/snap", "/var/lib/snapd",
};

bool contiene(const auto& elenco, std::string_view voce) {
    return std::find(elenco.begin(), elenco.end(), voce) != elenco.end();
}

// True when the path is the folder or lies inside it.
bool dentro(std::string_view percorso, std::string_view cartella) {
    if (cartella == "/")
        return percorso.starts_with('/');
    return percorso.starts_with(cartella) &&
           (percorso.size() == cartella.size() || percorso[cartella.size()] == '/');
}

bool remoto(std::string_view tipo) {
    return contiene(TipiRemoti, tipo) || tipo.starts_with("fuse.");
}

bool daOffrire(const Montaggio& m) {
    // Hidden mount points, as hidden folders: the images that AppImages mount at /tmp/.mount_*.
    if (contiene(TipiDiSistema, m.tipo) || m.punto.find("/.") != std::string::npos)
        return false;
    for (std::string_view c : CartelleDiSistema)
        if (dentro(m.punto, c))
            return dentro(m.punto, "/run/media") && m.punto != "/run/media";
    return true;
}

// The table writes a blank, a tab, a line end and a backslash as "\" and three octal digits.
std::string decodifica(std::string_view campo) {
    std::string r;
    for (std::size_t i = 0; i < campo.size(); ++i) {
        const auto ottale = [&](std::size_t k) {
            return k < campo.size() && campo[k] >= '0' && campo[k] <= '7';
        };
        if (campo[i] == '\\' && ottale(i + 1) && ottale(i + 2) && ottale(i + 3)) {
            r += static_cast<char>((campo[i + 1] - '0') * 64 + (campo[i + 2] - '0') * 8 +
                                   (campo[i + 3] - '0'));
            i += 3;
        } else {
            r += campo[i];
        }
    }
    return r;
}

std::vector<std::string_view> campi(std::string_view riga) {
    std::vector<std::string_view> r;
    std::size_t i = 0;
    while (i < riga.size()) {
        const std::size_t j = std::min(riga.find(' ', i), riga.size());
        if (j > i)
            r.push_back(riga.substr(i, j - i));
        i = j + 1;
    }
    return r;
}

std::size_t livelli(std::string_view percorso) {
    return static_cast<std::size_t>(std::count(percorso.begin(), percorso.end(), '/'));
}

} // namespace

std::vector<Montaggio> LeggiMontaggi(std::string_view testo) {
    std::vector<Montaggio> r;
    while (!testo.empty()) {
        const std::size_t fine = std::min(testo.find('\n'), testo.size());
        const std::vector<std::string_view> c = campi(testo.substr(0, fine));
        testo.remove_prefix(std::min(fine + 1, testo.size()));
        // id, parent, major:minor, root, mount point, options, optional fields, "-", type, ...
        if (c.size() < 8 || c[2].find(':') == std::string_view::npos)
            continue;
        const auto trattino = std::find(c.begin() + 6, c.end(), std::string_view("-"));
        if (trattino == c.end() || trattino + 1 == c.end())
            continue;
        r.push_back(
            {std::string(c[2]), decodifica(c[3]), decodifica(c[4]), decodifica(*(trattino + 1))});
    }
    return r;
}

std::vector<Volume> VolumiDaElencare(const std::vector<Montaggio>& montaggi,
                                     const std::string& casa) {
    // The widest mount of each tree first (the root's, then the shortest root folder), so that
    // the bind mounts of a tree come after the mount they repeat.
    std::vector<const Montaggio*> candidati;
    for (const Montaggio& m : montaggi)
        if (m.punto == "/" || daOffrire(m))
            candidati.push_back(&m);
    std::stable_sort(candidati.begin(), candidati.end(), [](const auto* a, const auto* b) {
        return std::tuple(a->punto != "/", livelli(a->radice)) <
               std::tuple(b->punto != "/", livelli(b->radice));
    });
    std::vector<const Montaggio*> scelti;
    for (const Montaggio* m : candidati) {
        const bool ripetuto = std::any_of(scelti.begin(), scelti.end(), [m](const Montaggio* s) {
            return s->punto == m->punto ||
                   (s->dispositivo == m->dispositivo && dentro(m->radice, s->radice));
        });
        if (!ripetuto)
            scelti.push_back(m);
    }

    // The root, the home folder, then the rest by name. A place is remote when the mount that
    // holds it is.
    const auto suRemoto = [&montaggi](const std::string& percorso) {
        const Montaggio* tiene = nullptr;
        for (const Montaggio& m : montaggi)
            if (dentro(percorso, m.punto) &&
                (tiene == nullptr || m.punto.size() >= tiene->punto.size()))
                tiene = &m;
        return tiene != nullptr && remoto(tiene->tipo);
    };
    std::vector<Volume> r;
    const auto aggiungi = [&](const std::string& percorso) {
        if (std::none_of(r.begin(), r.end(),
                         [&](const Volume& v) { return v.percorso == percorso; }))
            r.push_back({percorso, suRemoto(percorso)});
    };
    aggiungi("/");
    if (!casa.empty())
        aggiungi(casa);
    std::sort(scelti.begin(), scelti.end(),
              [](const auto* a, const auto* b) { return a->punto < b->punto; });
    for (const Montaggio* m : scelti)
        aggiungi(m->punto);
    return r;
}

std::string VolumeDi(std::string_view percorso, const std::vector<std::string>& volumi) {
    std::string_view migliore = "/";
    for (const std::string& v : volumi)
        if (dentro(percorso, v) && v.size() > migliore.size())
            migliore = v;
    return std::string(migliore);
}

} // namespace spintaro
