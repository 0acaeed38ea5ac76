// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The parts of the report's layout that its sections share: the flow down the pages, the numbers
// of chapters and figures, tables and diagrams. Private to src/report.

#include "report/documento_relazione.h"
#include "report/numerazione.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spintaro {

// Blocks placed one below the other, a new page when the next block does not fit.
class Impaginatore {
public:
    // The content box of every page, points.
    static constexpr double Sinistra = 20 * PuntiPerMm;
    static constexpr double Destra = LarghezzaPagina - 20 * PuntiPerMm;
    static constexpr double Alto = 20 * PuntiPerMm;
    static constexpr double Fondo = AltezzaPagina - 22 * PuntiPerMm;
    static constexpr double Larghezza = Destra - Sinistra;

    // testata: the line at the top of every page after the first.
    explicit Impaginatore(std::string testata);

    double y() const { return m_y; }
    void avanza(double dy) { m_y += dy; }
    bool ciSta(double altezza) const { return m_y + altezza <= Fondo; }
    // Where the next block will start: the step it will be drawn from and its top.
    struct Segno {
        std::size_t passo = 0;
        double alto = 0;
        std::size_t pagina = 0;
    };
    Segno segno() const { return {m_doc.pagine.back().passi.size(), m_y, m_doc.pagine.size() - 1}; }
    // What was placed since the mark (a heading, the line that opens a table) stays on the page
    // of the next block: when that block does not fit, both start the new page.
    void legaAlSeguito(Segno da) { m_legato = da; }
    // A new page unless a block of that height fits below; the start of a block.
    void assicura(double altezza);
    void nuovaPagina();
    int pagina() const { return static_cast<int>(m_doc.pagine.size()) - 1; }

    void testo(double x, double linea, std::string t, Carattere c,
               Allineamento a = Allineamento::Sinistra, Inchiostro i = Inchiostro::Nero);
    void linea(double x1, double y1, double x2, double y2, Inchiostro i, double spessore);
    void rettangolo(double x, double y, double larghezza, double altezza, Inchiostro i,
                    double spessore, bool pieno);

    // Wrapped lines of text from the current position, kept on one page.
    void paragrafo(std::string_view t, Carattere c, double rientro = 0);
    // A section heading, kept on the page with altezzaSeguito points of what follows it, and at
    // least with the first block that follows it.
    void intestazione(std::string_view t, double altezzaSeguito);

    // The pages with their numbers "pagina N di M".
    DocumentoRelazione chiudi();

    DocumentoRelazione& documento() { return m_doc; }
    // The numbers of the chapters, sections and figures placed so far, and of the chapters to come.
    Numerazione& numerazione() { return m_numerazione; }

private:
    std::string m_testata;
    DocumentoRelazione m_doc;
    Numerazione m_numerazione;
    double m_y = Alto;
    std::optional<Segno> m_legato;
};

// The height of a line of text and where its baseline falls below the line's top.
double altezzaRiga(Carattere c);
double lineaDiBase(Carattere c);

// A table with a header of names and units, rules above, under the header and at the end, rows
// with a light band every other one. Columns take the room their widest text needs, the rest
// spread evenly; a table too wide in its own size falls back to a smaller one. Across pages the
// header is repeated.
struct Colonna {
    std::string nome;
    std::string unita;
    Allineamento allineamento = Allineamento::Destra;
};
void tabella(Impaginatore& p, const std::vector<Colonna>& colonne,
             const std::vector<std::vector<std::string>>& righe);

// A diagram drawn for paper: lines in data units (x in kPa, z depth in m, growing downward), the
// layer boundaries with what is written beside each, the point of application of the thrust.
struct SegmentoDiagramma {
    double x1 = 0, z1 = 0, x2 = 0, z2 = 0;
    Inchiostro inchiostro = Inchiostro::Rosso;
};
struct ConfineDiagramma {
    double z = 0;
    std::string valori; // the pressure or stress at the boundary
};
struct PuntoApplicazione {
    double z = 0; // depth
    std::string etichetta;
};
struct Diagramma {
    std::vector<SegmentoDiagramma> linee;
    std::vector<ConfineDiagramma> confini;
    std::string grandezza; // "σv", "σa"
    std::optional<PuntoApplicazione> spinta;
    std::string didascalia;
    std::string decimale;
    std::string sezione; // a section heading to keep on the page with the diagram, if any
};

// Places the diagram below the current position (on a new page if it does not fit) and returns
// where its plot lies; empty, with a line saying why, when its values cannot be drawn.
std::optional<RiquadroDiagramma> disegnaDiagramma(Impaginatore& p, const Diagramma& d);

} // namespace spintaro
