// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/progetto.h"

#include "model/calcolo.h"
#include "model/errore.h"
#include "text/citazioni.h"
#include "text/testi_numerici.h"

namespace spintaro {

std::string ScriviProgetto(Modulo1& m) {
    std::string out;
    const long long n = m.NumStrati;
    percorri(m, 0, n, [&](int i) {
        const Strato& s = m.Strati(i);
        for (double v :
             {s.Potenza, s.Gamma, s.Coesione, s.AttritoInterno, static_cast<double>(s.Falda)}) {
            out += FormaStampa(v, ".");
            out += "\r\n";
        }
    });
    return out;
}

namespace {

// Sequential reader of values separated by spaces, commas and line ends, counting lines.
class LettoreValori {
public:
    explicit LettoreValori(std::string_view t) : m_t(t) {}

    // End of file: nothing but blanks and line ends is left.
    bool finito() {
        saltaVuoti();
        return m_p >= m_t.size();
    }

    int riga() const { return m_riga; }

    // The next value's text (its line is then rigaCampo()); false at the end of the file.
    bool prossimo(std::string_view& campo) {
        saltaVuoti();
        if (m_p >= m_t.size())
            return false;
        const std::size_t inizio = m_p;
        while (m_p < m_t.size() && !fineCampo(m_t[m_p]))
            ++m_p;
        campo = m_t.substr(inizio, m_p - inizio);
        m_rigaCampo = m_riga;
        while (m_p < m_t.size() && (m_t[m_p] == ' ' || m_t[m_p] == '\t'))
            ++m_p;
        if (m_p < m_t.size()) {
            if (m_t[m_p] == ',') {
                ++m_p;
            } else if (m_t[m_p] == '\r') {
                ++m_p;
                if (m_p < m_t.size() && m_t[m_p] == '\n')
                    ++m_p;
                ++m_riga;
            } else if (m_t[m_p] == '\n') {
                ++m_p;
                ++m_riga;
            }
        }
        return true;
    }

    int rigaCampo() const { return m_rigaCampo; }

private:
    static bool fineCampo(char c) {
        return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n';
    }

    void saltaVuoti() {
        while (m_p < m_t.size()) {
            const char c = m_t[m_p];
            if (c == '\n' || (c == '\r' && (m_p + 1 >= m_t.size() || m_t[m_p + 1] != '\n'))) {
                ++m_riga;
            } else if (c != ' ' && c != '\t' && c != '\r') {
                break;
            }
            ++m_p;
        }
    }

    std::string_view m_t;
    std::size_t m_p = 0;
    int m_riga = 1;
    int m_rigaCampo = 1;
};

LetturaProgetto errore(std::string messaggio, int riga) {
    LetturaProgetto r;
    r.messaggio = std::move(messaggio);
    r.riga = riga;
    return r;
}

} // namespace

LetturaProgetto LeggiProgetto(std::string_view testo) {
    LettoreValori lettore(testo);
    LetturaProgetto r;
    if (lettore.finito())
        return errore("il file è vuoto: non contiene nessun dato", 0);
    static const char* const nomiCampi[] = {"la potenza", "il peso di volume", "la coesione",
                                            "l'attrito interno", "l'indicatore di falda"};
    while (!lettore.finito()) {
        if (r.record.size() == NumeroRecord)
            return errore("il file contiene più di " + std::to_string(NumeroRecord) +
                              " record: il progetto può avere al massimo " +
                              std::to_string(UltimoRecord) + " strati",
                          lettore.riga());
        Strato s;
        double* const campi[] = {&s.Potenza, &s.Gamma, &s.Coesione, &s.AttritoInterno};
        for (int k = 0; k < 5; ++k) {
            std::string_view campo;
            if (!lettore.prossimo(campo))
                return errore("il file termina a metà del record " +
                                  std::to_string(r.record.size()) + ": manca " + nomiCampi[k],
                              lettore.riga());
            try {
                const double v = LeggiNumeroIniziale(campo);
                if (k < 4)
                    *campi[k] = v;
                else
                    s.Falda = arrotondaIntero16(v);
            } catch (const Errore&) {
                return errore("valore fuori intervallo per " + std::string(nomiCampi[k]) + ": «" +
                                  citaTesto(campo) + "»",
                              lettore.rigaCampo());
            }
        }
        r.record.push_back(s);
    }
    r.ok = true;
    return r;
}

EsitoApertura ApriProgetto(Modulo1& m, std::string_view testo, std::optional<double> sovraccarico) {
    const LetturaProgetto lettura = LeggiProgetto(testo);
    EsitoApertura esito;
    if (!lettura.ok) {
        esito.messaggio = lettura.messaggio;
        esito.riga = lettura.riga;
        return esito;
    }
    Modulo1 nuovo = m;
    const auto n = static_cast<long long>(lettura.record.size()) - 1;
    for (long long i = 0; i <= n; ++i) {
        Strato& s = nuovo.Strati(i);
        const Strato& letto = lettura.record[static_cast<std::size_t>(i)];
        s.Potenza = letto.Potenza;
        s.Gamma = letto.Gamma;
        s.Coesione = letto.Coesione;
        s.AttritoInterno = letto.AttritoInterno;
        s.Falda = letto.Falda;
    }
    nuovo.NumStrati = aIntero16(n);
    if (sovraccarico)
        nuovo.Strati(0).Sv = *sovraccarico;
    try {
        CalcolaStrati(nuovo, n);
    } catch (const Errore& e) {
        esito.messaggio = "i valori dello strato " + std::to_string(nuovo.IndiceStrato) +
                          " danno un risultato non calcolabile (" + e.what() + ")";
        return esito;
    }
    nuovo.IndiceStrato = 0;
    m = nuovo;
    esito.ok = true;
    return esito;
}

} // namespace spintaro
