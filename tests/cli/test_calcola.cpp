// SPDX-License-Identifier: GPL-3.0-or-later
// The batch calculator: its interface, its three output forms, the export file and its failures.
#include "cli/calcolatore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

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
        CasoUso{"ReportWithTwoProjects",
                {"--relazione", "x.pdf", esempio, esempio},
                "--relazione richiede un solo file"},
        CasoUso{"ReportNameEmpty", {"--relazione=", esempio}, "relazione è vuoto"},
        CasoUso{"UnknownLongOption", {"--colore", esempio}, "--colore"},
        CasoUso{"UnknownShortOption", {"-x", esempio}, "-x"},
        CasoUso{"UnknownCsvSeparator", {"--separatore-csv", "\t", esempio}, "separatore CSV"},
        CasoUso{"CsvSeparatorWithoutCsv", {"--separatore-csv", ";", esempio}, "--formato csv"}),
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
    for (const char* voce :
         {"--separatore-csv", "u1, u2", "spinta_acqua", "kN·m/m", "braccio", "--relazione FILE"})
        EXPECT_NE(h.out.find(voce), std::string::npos) << voce;
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
        a.push_back(esempio);
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
        // Water from 0 to 30 kPa over the 3 m of layer 2: 45 kN/m. Moment about the base:
        // 18.643791 × 3.785714 + 119.177893 × 1.234680 = 217.726674, arm 1.579771 m.
        EXPECT_EQ(numeroJson(r.out, "u1", secondo), 0);
        EXPECT_EQ(numeroJson(r.out, "u2", secondo), 30);
        EXPECT_EQ(numeroJson(r.out, "spinta_acqua"), 45);
        EXPECT_NEAR(numeroJson(r.out, "momento"), 217.726674, 5e-6);
        EXPECT_NEAR(numeroJson(r.out, "braccio"), 1.579771, 5e-7);
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
                            "sa2,z0,sovraccarico,spinta_totale,u1,u2,spinta_acqua,momento,"
                            "braccio\r");
    // RFC 4180: the name is quoted and its quotes doubled; a period whatever the locale.
    const std::string nome = "\"" + dir.path().toStdString() + "/a,\"\"b\"\".spt\"";
    EXPECT_EQ(uno.rfind(nome + ",1,2,18,0,30,0,0.33292484606633277,36,0,", 0), 0u) << uno;
    EXPECT_EQ(due.rfind(nome + ",2,3,20,5,25,1,", 0), 0u) << due;
    EXPECT_EQ(uno.back(), '\r');
}

struct CasoCsv {
    const char* nome;
    std::vector<std::string> opzioni;
    Separatori sep;
    bool puntoEVirgola;
};

class CsvItaliano : public testing::TestWithParam<CasoCsv> {};

// The two-layer example under 10 kPa, in a file whose name holds a semicolon: Ka
// 0.33292484606633277, Sv 46, Sa1 10·Ka, Sa2 46·Ka, thrust 137.821684, water 45, moment 217.726674,
// arm 1.579771.
TEST_P(CsvItaliano, SemicolonsAndDecimalCommas) {
    QTemporaryDir dir;
    const QString nome = dir.filePath("a;b.spt");
    ASSERT_TRUE(QFile::copy(QString::fromStdString(esempio), nome));
    std::vector<std::string> a = {"--sovraccarico", "10", "--formato", "csv"};
    a.insert(a.end(), GetParam().opzioni.begin(), GetParam().opzioni.end());
    a.push_back(nome.toStdString());
    const Risultato r = esegui(a, GetParam().sep);
    ASSERT_EQ(r.codice, 0) << r.err;
    const bool pv = GetParam().puntoEVirgola;
    const std::string righe[] = {
        pv ? "file;strato;potenza;gamma;coesione;attrito_interno;falda;ka;sv;sa1;sa2;z0;"
             "sovraccarico;spinta_totale;u1;u2;spinta_acqua;momento;braccio"
           : "file,strato,potenza,gamma,coesione,attrito_interno,falda,ka,sv,sa1,sa2,z0,"
             "sovraccarico,spinta_totale,u1,u2,spinta_acqua,momento,braccio",
        pv ? "\"" + nome.toStdString() +
                 "\";1;2;18;0;30;0;0,33292484606633277;46;3,3292484606633277;15,314542919051307;;"
                 "10;137,82168398137983;0;0;45;217,72667357163436;1,579770811689182"
           : nome.toStdString() +
                 ",1,2,18,0,30,0,0.33292484606633277,46,3.3292484606633277,15.314542919051307,,"
                 "10,137.82168398137983,0,0,45,217.72667357163436,1.579770811689182",
        pv ? "\"" + nome.toStdString() + "\";2;3;20;5;25;1;0,4053436754189356;106;"
           : nome.toStdString() + ",2,3,20,5,25,1,0.4053436754189356,106,"};
    std::istringstream testo(r.out);
    std::string riga;
    for (const std::string& attesa : righe) {
        ASSERT_TRUE(std::getline(testo, riga));
        EXPECT_EQ(riga.substr(0, attesa.size()), attesa);
        EXPECT_EQ(riga.back(), '\r');
    }
    EXPECT_FALSE(std::getline(testo, riga));
}

INSTANTIATE_TEST_SUITE_P(
    Casi, CsvItaliano,
    testing::Values(CasoCsv{"SemicolonWithRegionalComma", {"--separatore-csv", ";"}, virgola, true},
                    CasoCsv{"SemicolonWithRegionalPeriod", {"--separatore-csv=;"}, punto, true},
                    CasoCsv{"CommaIsRfc4180", {"--separatore-csv", ","}, virgola, false}),
    [](const auto& caso) { return std::string(caso.param.nome); });

// 1e100 m of γ 3e100: a finite thrust of 4.99e299 kN/m whose moment overflows.
TEST(Calcola, AnOverflowingMomentIsLeftEmptyAndTheRunGoesOn) {
    QTemporaryDir dir;
    const QString nome = dir.filePath("estremo.spt");
    QFile f(nome);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(" 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 1E+100 \r\n 3E+100 \r\n 0 \r\n 30 \r\n 0 \r\n");
    f.close();
    struct Caso {
        const char* formato;
        const char* vuoto;
    };
    for (const Caso& c : {Caso{"json", "\"momento\":null,\"braccio\":null,"}, Caso{"csv", ",,\r\n"},
                          Caso{"tabella", "base: -\n"}}) {
        const Risultato r = esegui({"--formato", c.formato, nome.toStdString(), esempio});
        EXPECT_EQ(r.codice, 0) << c.formato;
        EXPECT_NE(r.out.find(c.vuoto), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("due_strati.spt"), std::string::npos) << c.formato;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(r.err.find("estremo.spt: valori troppo grandi"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("momento ribaltante"), std::string::npos) << r.err;
    }
}

TEST(Calcola, TableUsesTheRegionalSeparator) {
    const Risultato r = esegui({"--sovraccarico", "10", esempio}, virgola);
    ASSERT_EQ(r.codice, 0) << r.err;
    // Layer 1: 2 m of 18 kN/m³ over 10 kPa: Sv 46; Sa2 = 46 × 0.332925 = 15.315.
    EXPECT_NE(r.out.find("0,332925"), std::string::npos);
    EXPECT_NE(r.out.find("46,000"), std::string::npos);
    EXPECT_NE(r.out.find("15,315"), std::string::npos);
    // (3.329248 + 15.314543) × 2 / 2 + (18.645809 + 60.806119) × 3 / 2 = 18.644 + 119.178
    EXPECT_NE(r.out.find("Spinta totale: 137,822 kN/m"), std::string::npos) << r.out;
    // Water 0 to 30 kPa over the 3 m below the table. Arms above the base: 3 + 2·(2·3.329248 +
    // 15.314543) / (3·18.643791) = 3.785717 and 3·(2·18.645809 + 60.806119) / (3·79.451928) =
    // 1.234680; 18.643791 × 3.785717 + 119.177893 × 1.234680 = 217.727; 217.727 / 137.822 = 1.580.
    EXPECT_NE(r.out.find("  0,000  30,000\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Spinta dell'acqua: 45,000 kN/m\n"
                         "Momento ribaltante rispetto alla base: 217,727 kN·m/m\n"
                         "Punto di applicazione sopra la base: 1,580 m\n"),
              std::string::npos)
        << r.out;
}

// The README shows the example command with what it prints (regional settings of "C").
TEST(Calcola, TheReadmeShowsWhatTheExampleCommandPrints) {
    std::ifstream in(SPINTARO_SORGENTE "/README.md");
    std::stringstream ss;
    ss << in.rdbuf();
    const std::string readme = ss.str();
    const std::string comando = "spintaro-calcola --sovraccarico 10 examples/due_strati.spt\n";
    const auto inizio = readme.find(comando);
    ASSERT_NE(inizio, std::string::npos) << "README.md lacks the example command";
    const auto fine = readme.find("```", inizio);
    ASSERT_NE(fine, std::string::npos);
    const std::string mostrato =
        readme.substr(inizio + comando.size(), fine - inizio - comando.size());
    std::filesystem::current_path(SPINTARO_SORGENTE);
    const Risultato r = esegui({"--sovraccarico", "10", "examples/due_strati.spt"});
    ASSERT_EQ(r.codice, 0) << r.err;
    EXPECT_EQ(mostrato, r.out);
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
    // Layer 1: Ka .33, Sv 46, Sa1 10 × 0.332925 = 3.33, Sa2 15.31. Layer 2 (φ 25, submerged):
    // Ka .41, Sv 106, Sa1 46 × 0.405344 = 18.65, Sa2 (106 − 30) × 0.405344 + 30 = 60.81.
    EXPECT_EQ(leggi(file),
              intestazione +
                  " 1             2             18            0             30       "
                  "    No            ,33           46,           3,33          15,31\r\n"
                  " 2             3             20            5             25       "
                  "    Si            ,41           106,          18,65         60,81\r\n");
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
    // A long path is quoted by its end, which holds the file's own name.
    const std::string& file = GetParam().file;
    EXPECT_NE(r.err.find(file.substr(file.rfind('/') + 1)), std::string::npos) << r.err;
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
        // Ka of 30°, 0.332925, with two decimals.
        EXPECT_NE(testo.find(std::string(" ") + c.separatore + "33 "), std::string::npos)
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

// --- The real program against hostile files and failing writes ---------------------------------

struct Uscita {
    int codice = -1;
    std::string out, err;
};

// A file's bytes, its name given as bytes.
std::string leggiByte(const std::string& percorso) {
    std::ifstream f(percorso, std::ios::binary);
    return f ? std::string(std::istreambuf_iterator<char>(f), {}) : "<assente>";
}

std::string contenutoDi(std::FILE* f) {
    std::rewind(f);
    std::string testo;
    char buf[4096];
    while (const std::size_t n = std::fread(buf, 1, sizeof buf, f))
        testo.append(buf, n);
    std::fclose(f);
    return testo;
}

// Runs the real program with the arguments as bytes (no shell, no conversion) and the extra
// environment, under `timeout 10`: a program that hangs ends with status 124 instead of blocking
// the suite.
Uscita lancia(const std::vector<std::string>& argomenti,
              const std::vector<std::string>& ambiente = {}) {
    std::vector<std::string> comando = {"timeout", "10", "env"};
    comando.insert(comando.end(), ambiente.begin(), ambiente.end());
    comando.push_back(SPINTARO_CALCOLA);
    comando.insert(comando.end(), argomenti.begin(), argomenti.end());
    std::vector<char*> argv;
    for (std::string& a : comando)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const pid_t figlio = fork();
    if (figlio == 0) {
        dup2(fileno(out), 1);
        dup2(fileno(err), 2);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int stato = 0;
    waitpid(figlio, &stato, 0);
    Uscita u;
    u.codice = WIFEXITED(stato) ? WEXITSTATUS(stato) : 128 + WTERMSIG(stato);
    u.out = contenutoDi(out);
    u.err = contenutoDi(err);
    return u;
}

// "" when the messages are short lines of text: no control character but the line ends, no byte
// that is not UTF-8 copied from a name (0xFF), at most a few hundred bytes.
std::string messaggiPuliti(const std::string& err) {
    if (err.size() > 300)
        return "too long: " + std::to_string(err.size()) + " bytes";
    for (const unsigned char c : err)
        if ((c < 0x20 && c != '\n') || c == 0x7F || c == 0xFF)
            return "raw byte " + std::to_string(c);
    return {};
}

// Empties a temporary folder before it goes: Qt neither lists nor removes names that are not
// UTF-8.
struct Sgombero {
    const QTemporaryDir& dir;
    ~Sgombero() {
        for (const auto& voce : std::filesystem::directory_iterator(dir.path().toStdString()))
            std::filesystem::remove_all(voce.path());
    }
};

// What a case puts under the name before the program runs; special files cannot live in git.
enum class Preparazione { Niente, Pipa, Socket, DevZero, Cartella, Enorme, Copia, Vuoto, Vecchio };
using enum Preparazione;

void prepara(Preparazione p, const std::string& file, const std::string& origine = esempio) {
    auto scrivi = [&](const std::string& byte) {
        std::FILE* f = std::fopen(file.c_str(), "wb");
        ASSERT_NE(f, nullptr) << file;
        std::fwrite(byte.data(), 1, byte.size(), f);
        std::fclose(f);
    };
    switch (p) {
    case Niente:
        break;
    case Pipa:
        ASSERT_EQ(mkfifo(file.c_str(), 0644), 0);
        break;
    case Socket: {
        const int s = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un indirizzo{};
        indirizzo.sun_family = AF_UNIX;
        ASSERT_LT(file.size(), sizeof indirizzo.sun_path);
        std::memcpy(indirizzo.sun_path, file.c_str(), file.size() + 1);
        ASSERT_EQ(bind(s, reinterpret_cast<sockaddr*>(&indirizzo), sizeof indirizzo), 0);
        close(s);
        break;
    }
    case DevZero:
        ASSERT_EQ(symlink("/dev/zero", file.c_str()), 0);
        break;
    case Cartella:
        ASSERT_EQ(mkdir(file.c_str(), 0755), 0);
        break;
    case Enorme: // one line of 15 MiB: a number too large for any field
        scrivi(std::string(15u << 20, '9') + "\r\n");
        break;
    case Copia:
        scrivi(leggiByte(origine));
        break;
    case Vuoto:
        scrivi("");
        break;
    case Vecchio:
        scrivi("vecchio");
        break;
    }
}

struct CasoOstile {
    const char* nome;
    std::string file; // bytes, in a fresh temporary folder
    Preparazione preparazione;
    std::string origine; // for Copia
    int codice;
    std::string parola; // in the message
};

void PrintTo(const CasoOstile& c, std::ostream* os) {
    *os << c.nome;
}

class FileOstile : public testing::TestWithParam<CasoOstile> {};

TEST_P(FileOstile, RefusedAtOnceWithAShortCleanMessage) {
    const CasoOstile& c = GetParam();
    QTemporaryDir dir;
    const Sgombero sgombero{dir};
    const std::string file = dir.path().toStdString() + "/" + c.file;
    prepara(c.preparazione, file, c.origine);
    const Uscita u = lancia({"--formato", "json", file});
    ASSERT_NE(u.codice, 124) << "the program hung";
    EXPECT_EQ(u.codice, c.codice) << u.err;
    EXPECT_NE(u.err.find(c.parola), std::string::npos) << u.err;
    EXPECT_EQ(messaggiPuliti(u.err), "") << u.err;
    EXPECT_EQ(std::count(u.out.begin(), u.out.end(), '\n'), c.codice == 0 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, FileOstile,
    testing::Values(
        CasoOstile{"PipaSenzaScrittore", "p.spt", Pipa, "", 1, "non è un file normale (è una pipe"},
        CasoOstile{"Socket", "s.spt", Socket, "", 1, "(è un socket)"},
        CasoOstile{"DispositivoACaratteri", "zero.spt", DevZero, "", 1, "(è un dispositivo"},
        CasoOstile{"Cartella", "c.spt", Cartella, "", 1, "è una cartella"},
        CasoOstile{"RigaDi15MiB", "g.spt", Enorme, "", 1,
                   "riga 1: valore fuori intervallo per la potenza: «" + std::string(39, '9') +
                       "…»"},
        // ESC [2J (clear screen), an OSC title ended by BEL and the C1 CSI, in one value.
        CasoOstile{"CaratteriDiControllo", "k.spt", Copia, dati + "/controllo.spt", 1,
                   "riga 5: valore fuori intervallo per l'indicatore di falda: "
                   "«1e99999\uFFFD[2J\uFFFD]0;titolo\uFFFD\uFFFD»"},
        CasoOstile{"NomeNonUtf8Valido", "b\xFF\x1B.spt", Copia, esempio, 0, ""},
        CasoOstile{"NomeNonUtf8Vuoto", "v\xFF\x1B.spt", Vuoto, "", 1,
                   "/v\uFFFD\uFFFD.spt: il file è vuoto"}),
    [](const auto& caso) { return std::string(caso.param.nome); });

// The export under faults injected into the system calls of the atomic write.
struct CasoScrittura {
    const char* nome;
    std::string guasto; // SPINTARO_GUASTO, empty for none
    bool corto;         // every write short
    std::string file;   // the export's name (bytes)
    Preparazione prima; // what stands there before
    std::string parola; // in the message; empty: the export succeeds
};

void PrintTo(const CasoScrittura& c, std::ostream* os) {
    *os << c.nome;
}

class ScritturaConGuasti : public testing::TestWithParam<CasoScrittura> {};

TEST_P(ScritturaConGuasti, FailsWithTheOldFileIntactOrWritesItWhole) {
    const CasoScrittura& c = GetParam();
    if (!QFile::exists(SPINTARO_GUASTI)) {
        if (std::getenv("CI") != nullptr)
            FAIL() << "fault library missing: " SPINTARO_GUASTI;
        GTEST_SKIP() << "fault library missing: " SPINTARO_GUASTI;
    }
    QTemporaryDir dir, altrove;
    const Sgombero sgombero{dir};
    const std::string cartella = dir.path().toStdString();
    const std::string file = cartella + "/" + c.file;
    const QString traccia = altrove.filePath("traccia");
    prepara(c.prima, file);
    std::vector<std::string> ambiente = {"LD_PRELOAD=" SPINTARO_GUASTI,
                                         "SPINTARO_GUASTO=" + c.guasto,
                                         "SPINTARO_GUASTO_TRACCIA=" + traccia.toStdString(),
                                         "ASAN_OPTIONS=verify_asan_link_order=0"};
    if (c.corto)
        ambiente.push_back("SPINTARO_GUASTO_CORTO=1");
    const Uscita u = lancia({"--esporta", file, esempio}, ambiente);
    ASSERT_NE(u.codice, 124) << "the program hung";
    EXPECT_EQ(messaggiPuliti(u.err), "") << u.err;
    if (!c.guasto.empty()) {
        EXPECT_EQ(leggi(traccia), c.guasto.substr(0, c.guasto.find(':')) + " " +
                                      c.guasto.substr(c.guasto.rfind(':') + 1) + "\n")
            << "the fault was not made: is the library loaded?";
    }
    // Only the file itself (when there is one) in the folder: no temporary left behind.
    std::vector<std::string> nomi;
    for (const auto& voce : std::filesystem::directory_iterator(cartella))
        nomi.push_back(voce.path().filename().string());
    const bool esiste = c.prima != Niente || c.parola.empty();
    EXPECT_EQ(nomi, esiste ? std::vector<std::string>{c.file} : std::vector<std::string>{});
    struct stat st {};
    if (!c.parola.empty()) {
        EXPECT_EQ(u.codice, UscitaFile);
        EXPECT_NE(u.err.find("esportazione non riuscita: " + c.parola), std::string::npos) << u.err;
        EXPECT_EQ(u.err.find("permessi"), std::string::npos) << u.err;
        if (c.prima == Pipa) {
            EXPECT_TRUE(lstat(file.c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
        } else if (c.prima == Vecchio) {
            EXPECT_EQ(leggiByte(file), "vecchio");
        }
        return;
    }
    EXPECT_EQ(u.codice, UscitaOk) << u.err;
    // Recoverable faults change nothing: the same bytes as an export written without them.
    const QString riferimento = altrove.filePath("riferimento.dat");
    ASSERT_EQ(lancia({"--esporta", riferimento.toStdString(), esempio}).codice, 0);
    const std::string scritto = leggiByte(file);
    EXPECT_EQ(scritto, leggi(riferimento));
    EXPECT_EQ(scritto.rfind(intestazione, 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, ScritturaConGuasti,
    testing::Values(CasoScrittura{"SyncFallito", "fdatasync:1:EIO", false, "e.dat", Vecchio,
                                  "errore di scrittura sul disco"},
                    CasoScrittura{"RinominaFallita", "rename:1:EXDEV", false, "e.dat", Vecchio,
                                  "il file e la sua cartella si trovano su dischi diversi"},
                    CasoScrittura{"ChiusuraFallita", "close:1:EIO", false, "e.dat", Vecchio,
                                  "errore di scrittura sul disco"},
                    CasoScrittura{"DiscoPieno", "write:1:ENOSPC", false, "e.dat", Vecchio,
                                  "non c'è più spazio sul disco"},
                    CasoScrittura{"CortaPoiDiscoPieno", "write:3:ENOSPC", true, "e.dat", Vecchio,
                                  "non c'è più spazio sul disco"},
                    CasoScrittura{"QuotaEsaurita", "write:1:EDQUOT", false, "e.dat", Niente,
                                  "è esaurito lo spazio disco assegnato all'utente (quota)"},
                    CasoScrittura{"DiscoInSolaLettura", "open:1:EROFS", false, "e.dat", Vecchio,
                                  "il disco è in sola lettura"},
                    CasoScrittura{"ErroreSenzaFrase", "fdatasync:1:EBADE", false, "e.dat", Vecchio,
                                  "scrittura non riuscita per un errore del sistema n. " +
                                      std::to_string(EBADE) + " (" + std::strerror(EBADE) + ")"},
                    CasoScrittura{"PipaConIlNomePredefinito", "", false, "Nuovo.dat", Pipa,
                                  "non è un file normale (è una pipe con nome)"},
                    CasoScrittura{"SoloScrittureCorte", "", true, "e.dat", Vecchio, ""},
                    CasoScrittura{"NomeDi250Byte", "", false, std::string(246, 'n') + ".dat",
                                  Vecchio, ""},
                    CasoScrittura{"NomeNonUtf8", "", false, "e\xFF.dat", Niente, ""}),
    [](const auto& caso) { return std::string(caso.param.nome); });

// The report under the same faults: a full disk, a folder under the name. The old file stays, no
// temporary is left, and the toolkit's own notes never reach stderr.
TEST(Relazione, ScritturaNonRiuscitaLasciaIlVecchioFile) {
    if (!QFile::exists(SPINTARO_GUASTI)) {
        if (std::getenv("CI") != nullptr)
            FAIL() << "fault library missing: " SPINTARO_GUASTI;
        GTEST_SKIP() << "fault library missing: " SPINTARO_GUASTI;
    }
    const struct {
        const char* guasto;
        Preparazione prima;
        const char* parola;
    } casi[] = {{"write:1:ENOSPC", Vecchio, "non c'è più spazio sul disco"},
                {"", Cartella, "cartella"}};
    for (const auto& c : casi) {
        QTemporaryDir dir;
        const std::string file = dir.path().toStdString() + "/r.pdf";
        prepara(c.prima, file);
        const Uscita u =
            lancia({"--sovraccarico", "10", "--relazione", file, esempio},
                   {"LD_PRELOAD=" SPINTARO_GUASTI, "SPINTARO_GUASTO=" + std::string(c.guasto),
                    "ASAN_OPTIONS=verify_asan_link_order=0"});
        EXPECT_EQ(u.codice, UscitaFile) << c.parola;
        EXPECT_EQ(messaggiPuliti(u.err), "") << u.err;
        EXPECT_NE(u.err.find("/r.pdf: relazione non scritta: "), std::string::npos) << u.err;
        EXPECT_NE(u.err.find(c.parola), std::string::npos) << u.err;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path().toStdString()),
                                std::filesystem::directory_iterator{}),
                  1);
        if (c.prima == Vecchio)
            EXPECT_EQ(leggiByte(file), "vecchio");
        else
            EXPECT_TRUE(std::filesystem::is_directory(file));
    }
}

} // namespace
} // namespace spintaro
