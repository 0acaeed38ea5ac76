// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace spintaro {

// One line of the kernel's table of mounts (/proc/self/mountinfo).
struct Montaggio {
    std::string dispositivo; // "major:minor" of the file system
    std::string radice;      // the folder of that file system which is mounted here
    std::string punto;       // where it is mounted
    std::string tipo;        // the file system's type

    bool operator==(const Montaggio&) const = default;
};

// The lines of the table text, in order, with the escapes of blanks and backslashes ("\040")
// decoded. A line that does not have the table's form is left out.
std::vector<Montaggio> LeggiMontaggi(std::string_view testo);

// A place that the drive list offers.
struct Volume {
    std::string percorso;
    // On a file system that may answer slowly or never (a network share, a user-space file
    // system): the list must not touch it.
    bool remoto = false;

    bool operator==(const Volume&) const = default;
};

// The volumes worth offering, from the table and the user's home folder (empty: none):
// - the root first, then the home folder, then the other mount points by name;
// - left out: the system's own file systems (proc, sysfs, device and memory file systems,
//   cgroups and the like), whatever is mounted under /proc, /sys, /dev and /run (but
//   /run/media, where removable media go), hidden mount points (AppImages mount theirs at
//   /tmp/.mount_*), the compressed images of snaps (squashfs, /snap), container layers
//   (overlay), and automount triggers (autofs);
// - a mount that shows a folder of a file system already offered (the same device, and a root
//   that is the same folder or lies inside it: a bind mount) is left out as well, so each tree
//   is offered once, by its widest mount (the root's when it has one).
std::vector<Volume> VolumiDaElencare(const std::vector<Montaggio>& montaggi,
                                     const std::string& casa);

// The offered volume that holds an absolute path: the longest of them that is the path itself or
// one of its parent folders ("/" when none is).
std::string VolumeDi(std::string_view percorso, const std::vector<std::string>& volumi);

} // namespace spintaro
