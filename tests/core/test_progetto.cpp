// SPDX-License-Identifier: GPL-3.0-or-later
// The project file (writer, reader, a failed read leaves the job as it was), the export table and
// the report rows, the file names made from what the user typed, the drive list's rule.
#include "diagrams/rapporto.h"
#include "files/esportazione.h"
#include "files/nomi_file.h"
#include "files/progetto.h"
#include "files/volumi.h"
#include "profili.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

namespace spintaro {
namespace {

using prova::strato;

std::string record(int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += " 1 \r\n 18 \r\n 0 \r\n 30 \r\n 0 \r\n";
    return s;
}

// The two-layer example: its layers, and its file of 15 lines of 82 bytes ("~" marks a space).
const std::vector<Strato> DueStrati = {strato(2.5, 18, 0, 30), strato(3, 20, 10, 28, 1)};
std::string conSpazi(std::string s) {
    std::replace(s.begin(), s.end(), '~', ' ');
    return s;
}
const std::string recordZero = conSpazi("~0~\r\n~0~\r\n~0~\r\n~0~\r\n~0~\r\n");
const std::string fileEsempio = recordZero + conSpazi("~2.5~\r\n~18~\r\n~0~\r\n~30~\r\n~0~\r\n"
                                                      "~3~\r\n~20~\r\n~10~\r\n~28~\r\n~1~\r\n");

TEST(ScriviProgetto, EsempioADueStratiByteperByte) {
    Modulo1 m = prova::profilo(0, DueStrati), vuoto;
    m.IndiceStrato = 0; // the write walks the layers with the cursor
    EXPECT_TRUE(ScriviProgetto(m) == fileEsempio && fileEsempio.size() == 82u &&
                m.IndiceStrato == 3);
    EXPECT_TRUE(ScriviProgetto(vuoto) == recordZero && vuoto.IndiceStrato == 1);
}

// Fifty layers write 255 lines that read back to 15 digits and then write the same bytes; 1/3
// comes back as 0.333333333333333.
TEST(ScriviProgetto, CinquantaStratiRitornanoInteriA15Cifre) {
    Modulo1 m;
    for (int i = 1; i <= 50; ++i)
        m.Strati(i) = strato(i / 3.0, 18.0 + i, i % 7, 20.0 + i % 15, i % 2);
    m.NumStrati = 50;
    const std::string byte = ScriviProgetto(m);
    EXPECT_EQ(std::count(byte.begin(), byte.end(), '\n'), 255);
    EXPECT_NE(byte.find(" .333333333333333 \r\n"), std::string::npos);
    Modulo1 letto;
    ASSERT_TRUE(ApriProgetto(letto, byte).ok);
    EXPECT_TRUE(letto.NumStrati == 50 && letto.Strati(1).Potenza == 0.333333333333333);
    for (int i = 1; i <= 50; ++i) {
        EXPECT_NEAR(letto.Strati(i).Potenza, i / 3.0, i / 3.0 * 5e-15) << i;
        EXPECT_EQ(letto.Strati(i).Falda, i % 2) << i;
    }
    EXPECT_EQ(ScriviProgetto(letto), byte);
}

// Loading computes with the surcharge in effect, leaves the cursor at 0 and the records beyond
// the new count as they were. 51 records fill the table; record 0 alone gives no layers.
TEST(ApriProgetto, RicalcolaColSovraccaricoInVigore) {
    Modulo1 m;
    m.Strati(0).Sv = 20;
    m.Strati(5).Potenza = 9;
    m.IndiceStrato = 7;
    const auto esito = ApriProgetto(m, fileEsempio);
    ASSERT_TRUE(esito.ok) << esito.messaggio;
    EXPECT_TRUE(m.NumStrati == 2 && m.IndiceStrato == 0 && m.Strati(0).Sv == 20);
    EXPECT_EQ(std::tuple(m.Strati(1).Sv, m.Strati(2).Sv, m.Strati(2).Falda, m.Strati(5).Potenza),
              std::tuple(2.5 * 18 + 20, 2.5 * 18 + 20 + 60, 1, 9.0));

    ASSERT_TRUE(ApriProgetto(m, record(51)).ok);
    EXPECT_TRUE(m.NumStrati == 50 && m.Strati(50).Sv == 20 + 50 * 18);
    ASSERT_TRUE(ApriProgetto(m, record(1)).ok);
    EXPECT_TRUE(m.NumStrati == 0 && m.Strati(1).Sv == 20 + 18); // layer 1 neither read nor cleared
}

// The text and the five values of each record read.
TEST(LeggiProgetto, FormeValide) {
    const std::pair<std::string, std::vector<Strato>> casi[] = {
        {" .5 \r\n 1 \r\n 2 \r\n 3 \r\n 0 \r\n", {{0.5, 1, 2, 3}}},
        // "2,5" is two values: everything after it moves up one field.
        {" 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n2,5\r\n 18 \r\n 0 \r\n 30 \r\n",
         {{}, {2, 5, 18, 0, 0, 0, 0, 0, 30}}},
        {"1E+15\n-1.25\n.75\n1.5E-07\n-1\n", {{1e15, -1.25, 0.75, 1.5e-7, 0, 0, 0, 0, -1}}},
        {"abc\n18\nx\n30\nsi\n", {{0, 18, 0, 30}}}, // not a number: 0
        {"1 2 3 4 1", {{1, 2, 3, 4, 0, 0, 0, 0, 1}}},
        {"1 ,2\t,3 , 4,0", {{1, 2, 3, 4}}}, // blanks before a comma belong to the value
        {"1\n2\n3\n4\n0\n\n\n  \r\n", {{1, 2, 3, 4}}},
        // The flag rounds half to even.
        {"0\n0\n0\n0\n2.5\n0\n0\n0\n0\n0.4\n", {{0, 0, 0, 0, 0, 0, 0, 0, 2}, {}}}};
    for (const auto& [testo, record] : casi) {
        const LetturaProgetto r = LeggiProgetto(testo);
        ASSERT_TRUE(r.ok) << r.messaggio;
        EXPECT_EQ(r.record, record) << testo;
    }
}

// A broken file fails with the line and a message that names what is wrong, and leaves the job
// in memory as it was. Lines count a CR LF, a lone CR or a lone LF once each.
TEST(ApriProgetto, UnFileRottoFallisceELasciaIlLavoroComEra) {
    const std::tuple<std::string, int, const char*> casi[] = {
        {"", 0, "vuoto"},
        {" \r\n\r\n", 0, "vuoto"},
        {record(1) + " 1 \r\n 18 \r\n", 8, "coesione"},
        {"\r\n\r\n\r 0 \r\n", 5, "peso di volume"},
        {record(52), 256, "51"},
        {" 1 \r\n 2 \r\n 3 \r\n 4 \r\n 99999 \r\n", 5, "falda"},
        {" 1 \r\n 1E+999 \r\n 3 \r\n 4 \r\n 0 \r\n", 2, "peso di volume: «1E+999»"}};
    Modulo1 m = prova::profilo(10, DueStrati);
    m.IndiceStrato = 2;
    const Modulo1 prima = m;
    for (const auto& [testo, riga, parola] : casi) {
        const LetturaProgetto r = LeggiProgetto(testo);
        EXPECT_TRUE(!r.ok && r.riga == riga && r.messaggio.find(parola) != std::string::npos)
            << testo << ": riga " << r.riga << ", " << r.messaggio;
        const EsitoApertura esito = ApriProgetto(m, testo);
        EXPECT_TRUE(!esito.ok && esito.messaggio == r.messaggio && m == prima) << testo;
    }
    // Values that read but give no finite result: the layer and the reason.
    const auto esito =
        ApriProgetto(m, record(1) + " 1E+300 \r\n 1E+300 \r\n 0 \r\n 30 \r\n 0 \r\n");
    EXPECT_EQ(esito.messaggio, "i valori dello strato 1 danno un risultato non calcolabile (valore "
                               "fuori intervallo (errore 6))");
    EXPECT_EQ(m, prima);
}

// --- The export table and the report rows -----------------------------------------------------

const std::string intestazione = "Strato        Potenza       Gamma         Coesione      "
                                 "Attr.int.     S.falda       Ka            Sv            "
                                 "Sa1           Sa2";

// The example: with a comma only the numbers change; the header keeps "Attr.int." and "S.falda".
TEST(Esportazione, EsempioByteperByteColPuntoEConLaVirgola) {
    const std::string riga = " 1             2.5           18            0             30         "
                             "  No            .33           45.13         .01           15.";
    ASSERT_EQ(intestazione.size(), 129u);
    ASSERT_EQ(riga.size(), 129u);
    for (const char* decimale : {".", ","}) {
        Modulo1 m;
        m.Strati(1) = {2.5, 18, 0, 30, 0.3333, 45.125, 0.005, 15, 0}; // halves away from zero
        m.NumStrati = 1;
        std::string attesa = riga;
        std::replace(attesa.begin(), attesa.end(), '.', *decimale);
        EXPECT_EQ(TestoEsportazione(m, decimale), intestazione + "\r\n" + attesa + "\r\n");
        EXPECT_EQ(m.IndiceStrato, 2);
    }
    Modulo1 vuoto;
    EXPECT_EQ(TestoEsportazione(vuoto, "."), intestazione + "\r\n");
    vuoto.NumStrati = 51;
    EXPECT_ANY_THROW(TestoEsportazione(vuoto, "."));
}

TEST(Rapporto, IntestazioneEVociConIDueSeparatori) {
    Modulo1 m;
    m.Strati(1) = {2.5, 18, 0, 30, 0.3333, 90, -12.3456, 14.85, -3}; // any flag but 0: "Si"
    m.Strati(2) = {3, 20, 10, 28, 0.5, 150, 29.7, 0.004, 0};
    m.NumStrati = 2;
    const auto righe = RigheRapporto(m, ",");
    ASSERT_EQ(righe.size(), 3u);
    EXPECT_EQ(righe[0], (std::vector<std::string>{"Strato ", "Potenza", "Gamma", "Coesione",
                                                  "Attrito interno", "Sotto falda", "Ka", "Sv",
                                                  "Sa1", "Sa2"}));
    EXPECT_EQ(righe[1], (std::vector<std::string>{" 1 ", " 2,5 ", " 18 ", " 0 ", " 30 ", "Si",
                                                  ",33", "90,", "-12,35", "14,85"}));
    EXPECT_EQ(righe[2], (std::vector<std::string>{" 2 ", " 3 ", " 20 ", " 10 ", " 28 ", "No", ",5",
                                                  "150,", "29,7", ","}));
    EXPECT_EQ(m.IndiceStrato, 3);
    m.NumStrati = 0;
    EXPECT_TRUE(RigheRapporto(m, ".").size() == 1u && m.IndiceStrato == 1);
}

// --- File names -------------------------------------------------------------------------------

TEST(NomiFile, ProgettoEsportazioneEImmagine) {
    for (const auto& [nome, file] : {std::pair{"Nuovo", "Nuovo.spt"},
                                     {"prova.spt", "prova.spt"},
                                     {"prova.SPT", "prova.SPT.spt"},
                                     {".spt", ".spt.spt"}})
        EXPECT_EQ(NomeFileProgetto(nome), file) << nome;
    EXPECT_EQ(NomeFileEsportazione("dati.dat"), "dati.dat.dat");
    EXPECT_FALSE(NomeFileProgetto("") || NomeFileEsportazione(""));
    EXPECT_EQ(NomeFileImmagine("muro", "jpg") + NomeFileImmagine("", "gif"), "muro.jpg.gif");
}

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
         "26 22 0:25 / /run rw - tmpfs tmpfs rw\n"
         "28 26 0:49 / /run/user/1000/gvfs rw - fuse.gvfsd-fuse gvfsd-fuse rw\n"
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
        // No root in the table (a chroot), no home, lines that are not of the table's form (a
        // dash with nothing after it); one cut after the type is read, since nothing after it is
        // used.
        {"garbage\n"
         "5 4 8:1 / /mnt/a rw\n"
         "6 4 8:1 / /mnt/b rw - ext4 /dev/sda1 rw\n"
         "7 4 8:1 / /mnt/c rw shared:1 -\n"
         "8 4 8:4 / /mnt/d rw - ext4\n",
         "", "/ /mnt/b /mnt/d"},
    };
    for (const auto& [tabella, casa, attesi] : casi)
        EXPECT_EQ(elenco(VolumiDaElencare(LeggiMontaggi(tabella), casa)), attesi) << tabella;
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
