// SPDX-License-Identifier: GPL-3.0-or-later
// The batch calculator: its interface, its three output forms, the export file and its failures.
#include "cli/calcolatore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>

namespace spintaro {
namespace {

const Separatori virgola{",", "."};
const Separatori punto{".", ","};

const std::string esempio = SPINTARO_EXAMPLES "/due_strati.spt";
const std::string dati = SPINTARO_TEST_DATA;

struct Risultato {
    int codice;
    std::string out;
    std::string err;
};

Risultato esegui(std::vector<std::string> argomenti, const Separatori& sep = punto) {
    std::ostringstream out, err;
    const int codice = eseguiCalcola(argomenti, out, err, sep);
    return {codice, out.str(), err.str()};
}

// The number after "chiave": in a JSON line, read back as a double.
double numeroJson(const std::string& json, const std::string& chiave, std::size_t da = 0) {
    const auto p = json.find("\"" + chiave + "\":", da);
    EXPECT_NE(p, std::string::npos) << chiave;
    return std::strtod(json.c_str() + p + chiave.size() + 3, nullptr);
}

std::string leggi(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "<assente>";
}

struct CasoUso {
    const char* nome;
    std::vector<std::string> argomenti;
    const char* messaggio;
};

class ErroreUso : public testing::TestWithParam<CasoUso> {};

TEST_P(ErroreUso, ExitsWith2AndExplains) {
    const Risultato r = esegui(GetParam().argomenti);
    EXPECT_EQ(r.codice, UscitaUso);
    EXPECT_NE(r.err.find(GetParam().messaggio), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Uso: spintaro-calcola"), std::string::npos);
    EXPECT_TRUE(r.out.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Casi, ErroreUso,
    testing::Values(
        CasoUso{"NoFiles", {}, "nessun file"},
        CasoUso{"UnknownFormat", {"--formato", "xml", esempio}, "xml"},
        CasoUso{"SurchargeNotANumber", {"--sovraccarico", "dieci", esempio}, "dieci"},
        CasoUso{"SurchargeWithGrouping", {"--sovraccarico", "1.000,5", esempio}, "non è un numero"},
        CasoUso{"MissingValue", {esempio, "--sovraccarico"}, "manca il valore"},
        CasoUso{"ExportWithTwoProjects", {"--esporta", "x.dat", esempio, esempio}, "un solo file"},
        CasoUso{"UnknownLongOption", {"--colore", esempio}, "--colore"},
        CasoUso{"UnknownShortOption", {"-x", esempio}, "-x"}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST(Calcola, HelpAndVersion) {
    const Risultato v = esegui({"--version"});
    EXPECT_EQ(v.codice, 0);
    EXPECT_EQ(v.out.substr(0, v.out.find('\n') + 1), "spintaro-calcola 1.1.0\n");
    EXPECT_NE(v.out.find("GPL-3.0-or-later"), std::string::npos);
    const Risultato h = esegui({"--help"});
    EXPECT_EQ(h.codice, 0);
    EXPECT_NE(h.out.find("--sovraccarico KPA"), std::string::npos);
    EXPECT_NE(h.out.find("--formato tabella|csv|json"), std::string::npos);
}

TEST(Calcola, JsonOfTheTwoLayerExampleWithSurchargeGivenEitherWay) {
    for (const char* q : {"10", "10,0", "10.0", "--sovraccarico=10"}) {
        std::vector<std::string> a = {"--formato", "json"};
        if (std::string(q).rfind("--", 0) == 0) {
            a.push_back(q);
        } else {
            a.push_back("--sovraccarico");
            a.push_back(q);
        }
        a.push_back(dati + "/esempio_calcolo.spt");
        const Risultato r = esegui(a);
        ASSERT_EQ(r.codice, 0) << r.err;
        ASSERT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1);
        EXPECT_EQ(numeroJson(r.out, "sovraccarico"), 10);
        EXPECT_EQ(numeroJson(r.out, "num_strati"), 2);
        EXPECT_NEAR(numeroJson(r.out, "spinta_totale"), 137.821684, 5e-7);
        // Shortest round-trip numbers read back to the very doubles: Ka of 30° to the last bit.
        EXPECT_EQ(numeroJson(r.out, "ka"), 0.33292484606633277);
        EXPECT_EQ(numeroJson(r.out, "sv"), 46);
        const auto secondo = r.out.find("\"strato\":2");
        EXPECT_EQ(numeroJson(r.out, "ka", secondo), 0.4053436754189356);
        EXPECT_EQ(numeroJson(r.out, "falda", secondo), 1);
        EXPECT_NEAR(numeroJson(r.out, "sa2", secondo), 60.806119, 5e-7);
        EXPECT_NE(r.out.find("\"z0\":null"), std::string::npos);
        EXPECT_EQ(r.out.rfind("{\"file\":\"", 0), 0u);
    }
}

TEST(Calcola, JsonZ0IsANumberWhereTheTopIsInTension) {
    const Risultato r = esegui({"--formato", "json", dati + "/coesivo.spt"});
    ASSERT_EQ(r.codice, 0) << r.err;
    EXPECT_NEAR(numeroJson(r.out, "z0"), 1.504305, 5e-7);
    EXPECT_NEAR(numeroJson(r.out, "sa1"), -13.994922, 5e-7);
    EXPECT_NEAR(numeroJson(r.out, "spinta_totale"), 28.972610, 5e-7);
}

TEST(Calcola, CsvHasAHeaderAndOneRowPerLayerWithTheFileName) {
    QTemporaryDir dir;
    const QString conVirgola = dir.filePath("a,\"b\".spt");
    ASSERT_TRUE(QFile::copy(QString::fromStdString(esempio), conVirgola));
    const Risultato r = esegui({"--formato", "csv", conVirgola.toStdString()}, virgola);
    ASSERT_EQ(r.codice, 0) << r.err;
    std::istringstream righe(r.out);
    std::string intestazione, uno, due, resto;
    std::getline(righe, intestazione);
    std::getline(righe, uno);
    std::getline(righe, due);
    EXPECT_FALSE(std::getline(righe, resto));
    EXPECT_EQ(intestazione, "file,strato,potenza,gamma,coesione,attrito_interno,falda,ka,sv,sa1,"
                            "sa2,z0,sovraccarico,spinta_totale\r");
    // RFC 4180: the name is quoted and its quotes doubled; a period whatever the locale.
    const std::string nome = "\"" + dir.path().toStdString() + "/a,\"\"b\"\".spt\"";
    EXPECT_EQ(uno.rfind(nome + ",1,2.5,18,0,30,0,0.33292484606633277,45,0,", 0), 0u) << uno;
    EXPECT_EQ(due.rfind(nome + ",2,3,20,10,28,1,", 0), 0u) << due;
    EXPECT_EQ(uno.back(), '\r');
}

TEST(Calcola, TableUsesTheRegionalSeparator) {
    const Risultato r = esegui({"--sovraccarico", "10", esempio}, virgola);
    ASSERT_EQ(r.codice, 0) << r.err;
    // Layer 1: 2.5 m of 18 kN/m³ over 10 kPa: Sv 55; Sa2 = 55 × 0.332925 = 18.311.
    EXPECT_NE(r.out.find("2,5"), std::string::npos);
    EXPECT_NE(r.out.find("55,000"), std::string::npos);
    EXPECT_NE(r.out.find("18,311"), std::string::npos);
    // (3.329 + 18.311) × 2.5 / 2 + (19.832 + 60.650) × 3 / 2 = 27.050 + 120.723
    EXPECT_NE(r.out.find("Spinta totale: 147,773 kN/m"), std::string::npos) << r.out;
}

const std::string intestazione = "Strato        Potenza       Gamma         Coesione      "
                                 "Attr.int.     S.falda       Ka            Sv            "
                                 "Sa1           Sa2\r\n";

TEST(Calcola, ExportWritesTheExportTableByteForByte) {
    QTemporaryDir dir;
    const QString file = dir.filePath("muro.dat");
    const Risultato r =
        esegui({"--sovraccarico", "10", "--esporta", file.toStdString(), esempio}, virgola);
    ASSERT_EQ(r.codice, 0) << r.err;
    // Layer 1: Ka .33, Sv 55, Sa1 10 × 0.332925 = 3.33, Sa2 18.31. Layer 2 (φ 28, submerged):
    // Ka .36, Sv 115, Sa1 55 × 0.360585 = 19.83, Sa2 (115 − 30) × 0.360585 + 30 = 60.65.
    EXPECT_EQ(leggi(file),
              intestazione +
                  " 1             2,5           18            0             30       "
                  "    No            ,33           55,           3,33          18,31\r\n"
                  " 2             3             20            10            28       "
                  "    Si            ,36           115,          19,83         60,65\r\n");
}

struct CasoFile {
    const char* nome;
    std::string file;
    const char* messaggio;
};

class FileRotto : public testing::TestWithParam<CasoFile> {};

TEST_P(FileRotto, ExitsWith1NamingTheFileAndLeavesNoExport) {
    QTemporaryDir dir;
    const QString esporta = dir.filePath("x.dat");
    const Risultato r = esegui({"--esporta", esporta.toStdString(), GetParam().file});
    EXPECT_EQ(r.codice, UscitaFile);
    EXPECT_NE(r.err.find(GetParam().file), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(GetParam().messaggio), std::string::npos) << r.err;
    EXPECT_FALSE(QFile::exists(esporta));
}

INSTANTIATE_TEST_SUITE_P(
    Casi, FileRotto,
    testing::Values(CasoFile{"Missing", dati + "/manca.spt", "non esiste"},
                    CasoFile{"Empty", dati + "/vuoto.spt", "vuoto"},
                    CasoFile{"Truncated", dati + "/troncato.spt", "riga 8"},
                    CasoFile{"TooManyRecords", dati + "/troppi_record.spt", "riga 256"},
                    CasoFile{"FlagOutOfRange", dati + "/falda_enorme.spt", "riga 10"},
                    CasoFile{"Folder", dati, "cartella"}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST(Calcola, AFailedExportKeepsTheOldFileAndSaysWhy) {
    QTemporaryDir dir;
    const Risultato r = esegui({"--esporta", dir.filePath("manca/x.dat").toStdString(), esempio});
    EXPECT_EQ(r.codice, UscitaFile);
    EXPECT_NE(r.err.find("non esiste"), std::string::npos) << r.err;
}

TEST(Calcola, GoodFilesAreStillComputedWhenOneFails) {
    const Risultato r =
        esegui({"--formato", "json", esempio, dati + "/vuoto.spt", dati + "/coesivo.spt"});
    EXPECT_EQ(r.codice, UscitaFile);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2);
    EXPECT_NE(r.err.find("vuoto.spt"), std::string::npos);
}

// The real program, with the separator taken from the environment as a user's shell sets it.
std::string eseguiProgramma(const std::string& ambiente, const std::string& argomenti,
                            int& codice) {
    const std::string comando =
        "env -u LC_ALL -u LC_NUMERIC -u LANG " + ambiente + " '" SPINTARO_CALCOLA "' " + argomenti;
    FILE* p = popen(comando.c_str(), "r");
    std::string out;
    char buf[4096];
    while (const std::size_t n = fread(buf, 1, sizeof buf, p))
        out.append(buf, n);
    codice = WEXITSTATUS(pclose(p));
    return out;
}

TEST(ProgrammaCalcola, ExportSeparatorFollowsTheRegionalSettings) {
    QTemporaryDir dir;
    struct Caso {
        const char* ambiente;
        char separatore;
    };
    for (const Caso& c : {Caso{"", '.'}, Caso{"LANG=it_IT.UTF-8", ','},
                          Caso{"LANG=en_US.UTF-8 LC_NUMERIC=it_IT.UTF-8", ','},
                          Caso{"LC_NUMERIC=it_IT.UTF-8 LC_ALL=C", '.'}}) {
        const QString file = dir.filePath("e.dat");
        int codice = -1;
        eseguiProgramma(c.ambiente, "--esporta '" + file.toStdString() + "' '" + esempio + "'",
                        codice);
        EXPECT_EQ(codice, 0) << c.ambiente;
        const std::string testo = leggi(file);
        EXPECT_NE(testo.find(std::string(" 2") + c.separatore + "5 "), std::string::npos)
            << c.ambiente << "\n"
            << testo;
    }
}

TEST(ProgrammaCalcola, ExitCodesOfTheRealProgram) {
    int codice = -1;
    EXPECT_EQ(eseguiProgramma("", "--version | head -1", codice), "spintaro-calcola 1.1.0\n");
    EXPECT_EQ(codice, 0);
    eseguiProgramma("", "--formato 2>/dev/null", codice);
    EXPECT_EQ(codice, 2);
    eseguiProgramma("", "'" + dati + "/vuoto.spt' 2>/dev/null", codice);
    EXPECT_EQ(codice, 1);
}

} // namespace
} // namespace spintaro
