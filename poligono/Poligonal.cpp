// SPDX-License-Identifier: GPL-3.0-or-later
#include "poligono/Poligonal.h"

#include "poligono/Area.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ceravel {

namespace {

// An azimuth in [0, 360).
double Normaliza(double graus)
{
    double a = std::fmod(graus, 360.0);
    if (a < 0)
        a += 360;
    return a >= 360 ? 0 : a;
}

// East and north components of a unit step along `azimute` degrees.
PontoEN Direcao(double azimute)
{
    const double r = azimute * (std::numbers::pi / 180);
    return {std::sin(r), std::cos(r)};
}

bool MesmoNome(const QString& a, const QString& b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

struct Passo {
    SegmentoPlano plano;
    PontoEN fim;
};

// Iterations for the factor at a segment's middle, starting from k at its
// start: the middle moves by d·δk/2 between them, millimetres after the first
// and nothing k can feel after the second. Each is one call to PROJ.
constexpr int IteracoesMeio = 2;

double Escala(const PlanoUtm& plano, const OpcoesPoligonal& o, PontoEN p)
{
    return o.fatorEscala && plano.escala ? plano.escala(p) : 1.0;
}

double Gama(const PlanoUtm& plano, PontoEN p)
{
    return plano.convergencia ? plano.convergencia(p) : 0.0;
}

double Elevacao(const OpcoesPoligonal& o)
{
    return o.altitudeMedia ? RaioElevacao / (RaioElevacao + *o.altitudeMedia) : 1.0;
}

PontoEN Meio(PontoEN a, PontoEN b)
{
    return {(a.E + b.E) / 2, (a.N + b.N) / 2};
}

PontoEN Desloca(PontoEN p, PontoEN u, double d)
{
    return {p.E + d * u.E, p.N + d * u.N};
}

// The segment from a known start.
Passo Avanca(const SegmentoPoligonal& s, PontoEN inicio, const PlanoUtm& plano, const OpcoesPoligonal& o)
{
    Passo r;
    r.plano.convergencia = Gama(plano, inicio);
    r.plano.azimutePlano = Normaliza(s.azimuteVerdadeiro - r.plano.convergencia);
    r.plano.fatorElevacao = Elevacao(o);
    const PontoEN u = Direcao(r.plano.azimutePlano);
    r.plano.fatorEscala = Escala(plano, o, inicio);
    for (int i = 0; i <= IteracoesMeio; ++i) {
        r.plano.distanciaPlano = s.distancia * r.plano.fatorEscala * r.plano.fatorElevacao;
        r.fim = Desloca(inicio, u, r.plano.distanciaPlano);
        if (i < IteracoesMeio)
            r.plano.fatorEscala = Escala(plano, o, Meio(inicio, r.fim));
    }
    return r;
}

// The segment from a known end: its start, where γ is taken, found by iteration.
Passo Recua(const SegmentoPoligonal& s, PontoEN fim, const PlanoUtm& plano, const OpcoesPoligonal& o)
{
    PontoEN inicio = fim;
    Passo r;
    for (int i = 0; i <= IteracoesMeio; ++i) {
        r = Avanca(s, inicio, plano, o);
        inicio = {fim.E - (r.fim.E - inicio.E), fim.N - (r.fim.N - inicio.N)};
    }
    r = Avanca(s, inicio, plano, o);
    r.fim = inicio;  // the start, which the caller wants
    return r;
}

double SomaDeflexoes(const std::vector<SegmentoPoligonal>& segmentos)
{
    double soma = 0;
    for (std::size_t i = 0; i < segmentos.size(); ++i) {
        double d = Normaliza(segmentos[(i + 1) % segmentos.size()].azimuteVerdadeiro -
                             segmentos[i].azimuteVerdadeiro);
        if (d > 180)
            d -= 360;
        soma += d;
    }
    return soma;
}

// Below a micrometre a gap is rounding, not the deed.
constexpr double FechamentoExato = 1e-6;

}  // namespace

bool PoligonoFechado(const std::vector<SegmentoPoligonal>& segmentos)
{
    return !segmentos.empty() && MesmoNome(segmentos.back().para, segmentos.front().de);
}

std::vector<PontoEN> CompensaBowditch(const std::vector<PontoEN>& pontos, const std::vector<double>& distancias)
{
    std::vector<PontoEN> r = pontos;
    if (pontos.size() < 2)
        return r;
    double total = 0;
    for (double d : distancias)
        total += d;
    if (total <= 0)
        return r;
    const double eE = pontos.back().E - pontos.front().E;
    const double eN = pontos.back().N - pontos.front().N;
    double percorrido = 0;
    for (std::size_t i = 1; i < r.size(); ++i) {
        percorrido += distancias[i - 1];
        const double f = percorrido / total;
        r[i].E -= eE * f;
        r[i].N -= eN * f;
    }
    r.back() = r.front();  // exactly, whatever the rounding of the last fraction
    return r;
}

ResultadoPoligonal CalculaPoligonal(const std::vector<SegmentoPoligonal>& segmentos, const PlanoUtm& plano,
                                    const OpcoesPoligonal& o)
{
    ResultadoPoligonal r;
    const std::size_t n = segmentos.size();
    if (n == 0) {
        r.mensagem = QStringLiteral("O memorial não tem segmentos.");
        return r;
    }
    for (const SegmentoPoligonal& s : segmentos) {
        if (!std::isfinite(s.azimuteVerdadeiro) || !std::isfinite(s.distancia) || s.distancia <= 0) {
            r.mensagem = QStringLiteral("O segmento de \"%1\" a \"%2\" não tem rumo e distância positiva.")
                             .arg(s.de, s.para);
            return r;
        }
    }
    const bool fechado = PoligonoFechado(segmentos);
    const std::size_t nv = fechado ? n : n + 1;
    r.vertices.resize(nv);
    for (std::size_t i = 0; i < n; ++i)
        r.vertices[i].nome = segmentos[i].de.trimmed();
    if (!fechado)
        r.vertices[n].nome = segmentos[n - 1].para.trimmed();

    std::size_t s = 0;
    if (!o.verticeInicial.trimmed().isEmpty()) {
        s = nv;
        for (std::size_t i = 0; i < nv && s == nv; ++i)
            if (MesmoNome(r.vertices[i].nome, o.verticeInicial))
                s = i;
        if (s == nv) {
            r.vertices.clear();
            r.mensagem = QStringLiteral("O vértice inicial \"%1\" não está no memorial.").arg(o.verticeInicial.trimmed());
            return r;
        }
    }
    r.indiceInicial = static_cast<int>(s);
    r.convergenciaInicial = Gama(plano, o.inicio);
    r.segmentos.resize(n);
    r.vertices[s].plano = o.inicio;

    // Around a closed deed from the start vertex: the traverse in its order,
    // with the distances the compass rule weighs.
    std::vector<PontoEN> percurso{o.inicio};
    std::vector<double> distancias;
    if (fechado) {
        for (std::size_t j = 0; j < n; ++j) {
            const std::size_t i = (s + j) % n;
            const Passo p = Avanca(segmentos[i], percurso.back(), plano, o);
            r.segmentos[i] = p.plano;
            percurso.push_back(p.fim);
            distancias.push_back(p.plano.distanciaPlano);
            if (j + 1 < n)
                r.vertices[(i + 1) % n].plano = p.fim;
        }
        r.chegada = percurso.back();
    } else {
        for (std::size_t i = s; i < n; ++i) {
            const Passo p = Avanca(segmentos[i], r.vertices[i].plano, plano, o);
            r.segmentos[i] = p.plano;
            r.vertices[i + 1].plano = p.fim;
        }
        for (std::size_t i = s; i-- > 0;) {
            const Passo p = Recua(segmentos[i], r.vertices[i + 1].plano, plano, o);
            r.segmentos[i] = p.plano;
            r.vertices[i].plano = p.fim;
        }
    }

    if (fechado) {
        Fechamento f;
        f.erroE = r.chegada->E - o.inicio.E;
        f.erroN = r.chegada->N - o.inicio.N;
        f.erroLinear = std::hypot(f.erroE, f.erroN);
        f.azimuteErro = f.erroLinear > 0 ? Normaliza(std::atan2(f.erroE, f.erroN) * (180 / std::numbers::pi)) : 0;
        for (const SegmentoPoligonal& seg : segmentos)
            f.perimetro += seg.distancia;
        if (f.erroLinear >= FechamentoExato)
            f.precisao = f.perimetro / f.erroLinear;
        f.somaDeflexoes = SomaDeflexoes(segmentos);
        r.fechamento = f;
        if (o.compensar) {
            const std::vector<PontoEN> c = CompensaBowditch(percurso, distancias);
            for (std::size_t j = 0; j < n; ++j)
                r.vertices[(s + j) % n].compensado = c[j];
        }
    }

    // A point PROJ could not convert leaves NaN behind it.
    for (std::size_t i = 0; i < nv; ++i)
        if (!std::isfinite(r.vertices[i].plano.E) || !std::isfinite(r.vertices[i].plano.N) ||
            !std::isfinite(r.segmentos[std::min(i, n - 1)].azimutePlano)) {
            const QString nome = r.vertices[i].nome;
            r = {};
            r.mensagem = QStringLiteral("Não foi possível calcular o vértice \"%1\" no plano UTM.").arg(nome);
            return r;
        }

    std::vector<PontoEN> usados;
    for (const VerticePlano& v : r.vertices)
        usados.push_back(v.compensado.value_or(v.plano));
    if (plano.geograficas)
        for (std::size_t i = 0; i < nv; ++i)
            r.vertices[i].geograficas = plano.geograficas(usados[i]);

    if (fechado) {
        AreasPoligono a;
        a.plana = AreaPlana(usados);
        a.perimetroPlano = PerimetroPlano(usados);
        if (plano.geograficas && n >= 3) {
            std::vector<PontoGeografico> geo;
            for (const VerticePlano& v : r.vertices)
                geo.push_back(*v.geograficas);
            const AreaGeodesica g = AreaElipsoidal(geo);
            a.elipsoidal = g.area;
            a.perimetroElipsoidal = g.perimetro;
        }
        r.areas = a;
    }
    return r;
}

}  // namespace ceravel
