// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ajuste/RelatorioAjuste.h"

#include "tools/ajuste/ConfiguracaoAjuste.h"
#include "tools/ajuste/PontosAmostra.h"

#include <cstdarg>
#include <cstdio>

namespace ceravel::ajuste {

namespace {

// printf into a std::string; the C locale of a tool keeps the full stop.
std::string Texto(const char* formato, ...) {
    char buffer[2048];
    va_list args;
    va_start(args, formato);
    std::vsnprintf(buffer, sizeof buffer, formato, args);
    va_end(args);
    return buffer;
}

// The unit as written after a number: "'" joined, "nT" after a space.
std::string Unidade(const std::string& unidade) {
    return unidade.starts_with("'") ? unidade : " " + unidade;
}

// "0.56' (≤ 1') ✓": value, goal and whether it is met.
std::string Celula(double valor, double meta, const std::string& unidade) {
    const std::string u = Unidade(unidade);
    return Texto("%.2f%s (≤ %g%s) %s", valor, u.c_str(), meta, u.c_str(), valor <= meta ? "✓" : "✗");
}

std::string Ponto(const PontoAmostra& p) {
    return Texto("lat %g, lon %g, %.2f", p.latitude, p.longitude, p.ano);
}

std::string UnidadeTaxa(Elemento e) {
    return std::string(Descricao(e).unidade) + "/yr";
}

}  // namespace

std::string RelatorioAjuste(const std::vector<ResultadoElemento>& resultados, const ResumoGrades& grades) {
    std::string r;
    r += "# Regional model fitted to IGRF-14: accuracy report\n\n";
    r += "Written by `ceravel-ajuste` together with `COEF-D2000`, `COEF-I2000` and `COEF-F2000`; "
         "run it again rather than editing this file.\n\n";

    r += "## Source and method\n\n";
    r += "- Reference: IGRF-14 (IAGA, CC BY 4.0; `igrf14coeffs.txt`), evaluated at sea level (height 0 "
         "on the WGS84 ellipsoid), degree 13, linear in time between the five-year models; the annual "
         "rates are those of that linear time dependence (1995–2000, 2000–2005 and 2005–2010 models).\n";
    r += Texto("- Training grid: latitude %g to %g and longitude %g to %g every %g°, %.1f to %.1f every "
               "%g year: %zu points, %zu of them in Brazil or within %g° of its border.\n",
               LatitudeMinima, LatitudeMaxima, LongitudeMinima, LongitudeMaxima, PassoGraus, AnoInicial,
               AnoFinal, PassoAnos, grades.pontosTreino, grades.pontosTreinoBrasil, MargemBrasilGraus);
    r += Texto("- Held-out grid (all figures below): the training grid shifted by half a step in latitude, "
               "longitude and time, plus the box edges and the period ends, without any training point: "
               "%zu points, %zu of them inside Brazil (Natural Earth 1:50m border).\n",
               grades.pontosValidacao, grades.pontosValidacaoBrasil);
    r += "- Fit: for each element, weighted least squares on the values and the annual rates at once, each "
         "observation measured in units of its Brazil RMS goal; Householder QR with column pivoting "
         "(Eigen) on the column-scaled design matrix, whose columns are the 31 monomials in the program's "
         "term order. The worst-case goals enter as constraints: observations beyond a margin of their goal "
         "are pulled back by a quadratic penalty whose weight grows from 10 to 10⁴, the set of such "
         "observations being updated until it settles.\n";
    r += "- Evaluation: the coefficients as read back from the written files by the program's own reader, "
         "through the program's `CalculaElemento` and `CalculaVariacao` (single-precision groups and all). "
         "Residual = polynomial − IGRF. D and I in minutes of arc, F in nT.\n\n";

    r += "## Accuracy on held-out points\n\n";
    r += "| where | D | I | F | dD | dI | dF |\n|---|---|---|---|---|---|---|\n";
    std::string rms = "| Brazil, RMS |", maxB = "| Brazil, max |", maxC = "| whole accepted box, max |";
    std::string taxasRms, taxasMaxB = "", taxasMaxC = "";
    for (const auto& res : resultados) {
        const DescricaoElemento& d = Descricao(res.elemento);
        rms += " " + Celula(res.validacao.rmsBrasil, d.metas.rmsBrasil, d.unidade) + " |";
        maxB += " " + Celula(res.validacao.maxBrasil, d.metas.maxBrasil, d.unidade) + " |";
        maxC += " " + Celula(res.validacao.maxCaixa, d.metas.maxCaixa, d.unidade) + " |";
        const std::string ut = Unidade(UnidadeTaxa(res.elemento));
        taxasRms += " " + Celula(res.validacao.rmsTaxaBrasil, d.metas.rmsTaxaBrasil, UnidadeTaxa(res.elemento)) + " |";
        taxasMaxB += Texto(" %.2f%s (no goal) |", res.validacao.maxTaxaBrasil, ut.c_str());
        taxasMaxC += Texto(" %.2f%s (no goal) |", res.validacao.maxTaxaCaixa, ut.c_str());
    }
    r += rms + taxasRms + "\n" + maxB + taxasMaxB + "\n" + maxC + taxasMaxC + "\n\n";

    r += "Where the value residual is worst:\n\n";
    for (const auto& res : resultados) {
        const DescricaoElemento& d = Descricao(res.elemento);
        r += Texto("- %s: in Brazil at %s; in the box at %s.\n", d.simbolo, Ponto(res.validacao.piorBrasil).c_str(),
                   Ponto(res.validacao.piorCaixa).c_str());
    }
    r += "\n";

    r += "## Settings per element\n\n";
    r += "| element | weight outside Brazil | weight of rates | Brazil constraint | box constraint |\n";
    r += "|---|---|---|---|---|\n";
    for (const auto& res : resultados) {
        const DescricaoElemento& d = Descricao(res.elemento);
        const std::string u = Unidade(d.unidade);
        r += Texto("| %s | %g | %g | %g × %g%s | %g × %g%s |\n", d.simbolo, res.opcoes.pesoForaDoBrasil,
                   res.opcoes.pesoTaxas, res.opcoes.margemBrasil, d.metas.maxBrasil, u.c_str(),
                   res.opcoes.margemCaixa, d.metas.maxCaixa, u.c_str());
    }
    r += "\n";

    for (const auto& res : resultados) {
        if (res.compromisso.empty()) {
            continue;
        }
        const DescricaoElemento& d = Descricao(res.elemento);
        r += Texto("## Trade-off measured for %s\n\n", d.simbolo);
        r += Texto("The fit found no set of 31 coefficients that meets every goal of %s at once. The shipped "
                   "set keeps the worst-case goals and the rate goal, and the Brazil RMS takes what is left. "
                   "Relaxing only the box constraint (all else as shipped) moves the balance as follows:\n\n",
                   d.simbolo);
        const std::string u = Unidade(d.unidade);
        const std::string ut = Unidade(UnidadeTaxa(res.elemento));
        r += Texto("| box constraint | Brazil RMS (≤ %g%s) | Brazil max (≤ %g%s) | box max (≤ %g%s) | Brazil RMS of d%s (≤ %g%s) |\n",
                   d.metas.rmsBrasil, u.c_str(), d.metas.maxBrasil, u.c_str(), d.metas.maxCaixa, u.c_str(),
                   d.simbolo, d.metas.rmsTaxaBrasil, ut.c_str());
        r += "|---|---|---|---|---|\n";
        for (const auto& p : res.compromisso) {
            std::string limite =
                p.margemCaixa > 0 ? Texto("%g%s", p.margemCaixa * d.metas.maxCaixa, u.c_str()) : std::string("none");
            if (p.margemCaixa == res.opcoes.margemCaixa) {
                limite += " (shipped)";
            }
            r += Texto("| %s | %.2f | %.2f | %.2f | %.3f |\n", limite.c_str(), p.residuos.rmsBrasil,
                       p.residuos.maxBrasil, p.residuos.maxCaixa, p.residuos.rmsTaxaBrasil);
        }
        r += "\n";
    }
    return r;
}

}  // namespace ceravel::ajuste
