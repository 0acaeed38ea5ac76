// SPDX-License-Identifier: GPL-3.0-or-later
// The drive list's rule on made-up mount tables: which mounts are real places for the user's
// files, in which order, and which of them the list must not touch.

#include "files/volumi.h"

#include <gtest/gtest.h>
#include <tuple>

namespace spintaro {
namespace {

std::string elenco(const std::vector<Volume>& volumi) {
    std::string r;
    for (const Volume& v : volumi)
        r += (r.empty() ? "" : " ") + v.percorso + (v.remoto ? "*" : "");
    return r;
}

// Made-up tables (lines of /proc/self/mountinfo), the home folder, the volumes listed in order
// with "*" after a remote one.
TEST(Volumi, SoloPostiVeriLaRadiceELaCasaPrima) {
    const std::tuple<const char*, const char*, const char*> casi[] = {
        // A laptop.
        {"22 1 8:2 / / rw - ext4 /dev/sda2 rw\n"
         "23 22 0:21 / /proc rw - proc proc rw\n"
         "24 22 0:22 / /sys rw - sysfs sysfs rw\n"
         "25 22 0:6 / /dev rw - devtmpfs udev rw\n"
         "26 22 0:25 / /run rw - tmpfs tmpfs rw\n"
         "27 26 0:48 / /run/user/1000 rw - tmpfs tmpfs rw\n"
         "28 27 0:49 / /run/user/1000/gvfs rw - fuse.gvfsd-fuse gvfsd-fuse rw\n"
         "29 22 8:3 / /home rw shared:1 - ext4 /dev/sda3 rw\n"
         "30 22 7:1 / /snap/core22/1234 ro - squashfs /dev/loop1 ro\n"
         "31 22 8:17 / /media/anna/CHIAVETTA\\040USB rw - vfat /dev/sdb1 rw\n"
         "32 22 8:3 /anna/dati /srv/dati rw - ext4 /dev/sda3 rw\n"
         "33 22 8:2 / /var/chroot rw - ext4 /dev/sda2 rw\n"
         "34 22 0:50 / /mnt/nas rw - nfs4 nas:/export rw\n"
         "35 29 0:51 / /home/anna/server rw - fuse.sshfs anna@server: rw\n"
         "36 26 8:33 / /run/media/anna/DISCO rw - ext4 /dev/sdc1 rw\n"
         "37 22 0:52 / /tmp rw - tmpfs tmpfs rw\n"
         "38 22 0:53 / /misc rw - autofs systemd-1 rw\n"
         "39 22 0:54 / /tmp/.mount_App rw - fuse.App App rw\n",
         "/home/anna",
         "/ /home/anna /home /home/anna/server* /media/anna/CHIAVETTA USB /mnt/nas* "
         "/run/media/anna/DISCO"},
        // Subvolumes of one file system are separate trees; a bind mount inside one is not.
        {"1 0 0:30 /@ / rw - btrfs /dev/nvme0n1p2 rw\n"
         "2 1 0:30 /@home /home rw - btrfs /dev/nvme0n1p2 rw\n"
         "3 1 0:30 /@/srv/dati /dati rw - btrfs /dev/nvme0n1p2 rw\n",
         "/home/u", "/ /home/u /home"},
        // A container: the host's folders come as bind mounts, the deeper one listed first.
        {"3 1 254:1 /srv/lavoro/sotto /lavoro/sotto rw - ext4 /dev/vda rw\n"
         "1 0 0:40 / / rw - overlay overlay rw\n"
         "2 1 254:1 /srv/lavoro /lavoro rw - ext4 /dev/vda rw\n"
         "4 1 0:41 / /var/lib/docker/overlay2/x/merged rw - overlay overlay rw\n",
         "/root", "/ /root /lavoro"},
        // A home on a network share is remote as well, and is not listed twice.
        {"1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
         "2 1 0:60 / /home rw - nfs nas:/home rw\n",
         "/home", "/ /home*"},
        // No root in the table (a chroot), no home, lines that are not of the table's form.
        {"garbage\n"
         "5 4 8:1 / /mnt/a rw\n"
         "6 4 8:1 / /mnt/b rw - ext4 /dev/sda1 rw\n",
         "", "/ /mnt/b"},
    };
    for (const auto& [tabella, casa, attesi] : casi)
        EXPECT_EQ(elenco(VolumiDaElencare(LeggiMontaggi(tabella), casa)), attesi) << tabella;
}

TEST(Volumi, LetturaDiUnaRigaConCampiFacoltativiEBlanchi) {
    const auto m =
        LeggiMontaggi("36 35 98:0 /mnt\\134a /mnt/x\\011y rw shared:1 master:2 - ext3 /dev/r rw");
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0], (Montaggio{"98:0", "/mnt\\a", "/mnt/x\ty", "ext3"}));
}

TEST(Volumi, IlVolumeCheTieneUnPercorso) {
    const std::vector<std::string> volumi = {"/", "/home/anna", "/home"};
    for (const auto& [percorso, atteso] :
         {std::pair{"/home/anna/dati", "/home/anna"}, std::pair{"/home", "/home"},
          std::pair{"/homework/a", "/"}, std::pair{"/", "/"}})
        EXPECT_EQ(VolumeDi(percorso, volumi), atteso) << percorso;
}

} // namespace
} // namespace spintaro
