// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace ceravel {

// A point of the UTM plane, metres: E east, N north, in one zone.
struct PontoEN {
    double E = 0, N = 0;
};

// A point on the SIRGAS 2000 ellipsoid, decimal degrees (north and east positive).
struct PontoGeografico {
    double latitude = 0, longitude = 0;
};

// What the plane of one UTM zone says at a point. γ is the meridian convergence
// in degrees, the bearing of grid north clockwise from true north, so
// true azimuth = grid azimuth + γ; k is the point scale factor (grid length over
// ellipsoid length). The real ones come from PROJ; tests pass plain functions.
struct PlanoUtm {
    std::function<double(PontoEN)> convergencia;
    std::function<double(PontoEN)> escala;
    // Latitude and longitude of a plane point; empty: no geographic results
    // and no ellipsoidal area.
    std::function<PontoGeografico(PontoEN)> geograficas;
};

// One segment of the deed, from vertex `de` to vertex `para`: the true azimuth
// in degrees clockwise from true north, [0, 360), and the deed's distance in
// metres, measured on the ground.
struct SegmentoPoligonal {
    QString de, para;
    double azimuteVerdadeiro = 0;
    double distancia = 0;
};

// The mean earth radius of the elevation factor R/(R+h), metres.
inline constexpr double RaioElevacao = 6378000;

struct OpcoesPoligonal {
    // The start vertex: its name (empty: the first segment's "De") and its place.
    QString verticeInicial;
    PontoEN inicio;
    // grid distance = distance × k at the segment's middle × R/(R+h).
    bool fatorEscala = true;
    std::optional<double> altitudeMedia;  // h in metres; empty: no elevation factor
    // The compass rule (Bowditch): corrected coordinates beside the raw ones.
    bool compensar = false;
};

// One segment as traversed on the plane.
struct SegmentoPlano {
    double convergencia = 0;   // γ at the segment's starting vertex, degrees
    double azimutePlano = 0;   // grid azimuth = true azimuth − γ, [0, 360)
    double fatorEscala = 1;    // k at the segment's middle (1 when switched off)
    double fatorElevacao = 1;  // R/(R+h) (1 without an elevation)
    double distanciaPlano = 0; // distance × k × R/(R+h)
};

// Area and perimeter of the polygon through the vertices (compensated when the
// compass rule was applied, else as traversed, the last side ending at the start vertex).
struct AreasPoligono {
    double plana = 0;                   // on the UTM plane (shoelace), m²
    double perimetroPlano = 0;          // m
    std::optional<double> elipsoidal;   // on the SIRGAS 2000 ellipsoid (geodesic sides), m²
    std::optional<double> perimetroElipsoidal;  // m
};

struct VerticePlano {
    QString nome;
    PontoEN plano;                              // as traversed
    std::optional<PontoEN> compensado;          // by the compass rule, when asked for and closed
    std::optional<PontoGeografico> geograficas;    // of the coordinates used (compensated when present)
};

// The closure of a deed whose last "Para" is its first "De".
struct Fechamento {
    double erroE = 0, erroN = 0;   // computed end − start, metres
    double erroLinear = 0;         // metres
    double azimuteErro = 0;        // grid azimuth of the gap from start to computed end, degrees
    double perimetro = 0;          // the deed's distances summed, metres
    std::optional<double> precisao; // N of 1:N = perimeter / misclosure; empty when it closes exactly
    // The deflections between consecutive bearings summed, degrees: ±360 for a
    // polygon that turns once. Bearings alone carry no angle measurement, so
    // this is the only angular check they allow: another sum means a bearing in
    // the wrong quadrant or a figure that crosses itself.
    double somaDeflexoes = 0;
};

struct ResultadoPoligonal {
    QString mensagem;  // empty: computed
    std::vector<SegmentoPlano> segmentos;  // in the deed's order
    std::vector<VerticePlano> vertices;    // segment i goes from vertex i to vertex i+1
    // A closed deed has one vertex per segment (segment n−1 ends at vertex 0)
    // and its traverse comes back to the start vertex at `chegada`; an open one
    // has n+1 vertices.
    std::optional<Fechamento> fechamento;
    std::optional<PontoEN> chegada;
    std::optional<AreasPoligono> areas;    // closed deeds only
    int indiceInicial = 0;                 // the start vertex among `vertices`
    double convergenciaInicial = 0;        // γ at the start vertex, degrees
};

// Whether the deed closes: its last "Para" is its first "De" (names compared
// ignoring case and surrounding blanks).
bool PoligonoFechado(const std::vector<SegmentoPoligonal>& segmentos);

// Traverses the deed on the plane from the start vertex. Each segment's grid
// azimuth takes γ at its starting vertex and its grid distance k at its middle
// (found by iteration, since the middle depends on the distance). A start
// vertex inside the deed is reached from both sides: a closed deed is
// traversed around from it, an open one forward and backward from it.
ResultadoPoligonal CalculaPoligonal(const std::vector<SegmentoPoligonal>& segmentos, const PlanoUtm& plano,
                                    const OpcoesPoligonal& opcoes);

// The compass rule on a closed traverse of points p[0..n] (p[n] computed back at
// p[0]): each point moves against the gap in proportion to the distance
// travelled to it. Returns the n+1 corrected points; the last equals the first.
std::vector<PontoEN> CompensaBowditch(const std::vector<PontoEN>& pontos,
                                         const std::vector<double>& distancias);

}  // namespace ceravel
