// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ElementosCampo.h"
#include "model/igrf/ElementosIgrf.h"
#include "model/igrf/ModeloIgrf.h"

#include <QString>
#include <optional>
#include <span>

namespace ceravel {

// The IGRF-14 table the programs read beside themselves (IAGA, CC BY 4.0).
inline constexpr char ArquivoIgrf14[] = "igrf14coeffs.txt";

// Period the program answers for: 01/01/1900 to 31/12/2029, whose decimal
// year reaches 2030.0, the end of the 2025–2030 secular variation.
inline constexpr double AnoInicialIgrf14 = 1900.0, AnoFinalIgrf14 = 2030.0;

// The table as read: the model, or a Portuguese message naming the file.
struct LeituraIgrf14 {
    const igrf::ModeloIgrf* modelo = nullptr;
    QString erro;
};

// `pasta`/igrf14coeffs.txt, read on first use and kept for the life of the
// process (it is large and never changes while the program runs). A failed
// read is not kept: the next call tries again, so a user who puts the file
// back need not restart. Thread-safe.
LeituraIgrf14 CarregaIgrf14(const QString& pasta);

// The checks a table must pass besides being readable: every five-year model
// from 1900 to 2025 and the final secular variation. Empty when it passes.
QString ConfereIgrf14(const igrf::ModeloIgrf& modelo, const QString& caminho);

// IGRF-14 at sea level (height 0 on the WGS84 ellipsoid) at a geodetic
// latitude and longitude (degrees, north and east positive) and decimal year:
// D, I (degrees), H, F, X, Y, Z (nT, X north, Y east, Z down) and their
// annual rates (degrees per year, nT per year). Empty outside 1900.0–2030.0
// or for a position that is not finite.
std::optional<igrf::ElementosIgrf> CampoIgrf14(const igrf::ModeloIgrf& modelo, double latitude,
                                               double longitude, double ano);

// IGRF-14's elements in the calculator's terms: D, I, F in single precision
// as the regional model gives them, the variations of D and I in minutes of
// arc per year.
ElementosCampo ElementosDoIgrf(const igrf::ElementosIgrf& e);

// CampoIgrf14 for many points that share a few dates (a map, a chart's year,
// most batch files): the coefficients of the last decimal year asked are
// kept, so a point of the same date costs only the synthesis, and another
// date of the same five years little more (InterpoladorIgrf). Without rates
// (`comTaxas` false) the d* members are zero. One per thread; the model must
// outlive it.
class AvaliadorIgrf14 {
public:
    explicit AvaliadorIgrf14(const igrf::ModeloIgrf& modelo) : m_coeficientes(modelo) {}
    std::optional<igrf::ElementosIgrf> campo(double latitude, double longitude, double ano, bool comTaxas = true);
    // The same at every longitude of one latitude (finite), each the point's
    // own bits, into `saida`; false, with nothing written, outside the period.
    bool paralelo(double latitude, std::span<const double> longitudes, double ano, bool comTaxas,
                  std::span<igrf::ElementosIgrf> saida);
    const igrf::ModeloIgrf& modelo() const { return m_coeficientes.modelo(); }

private:
    igrf::InterpoladorIgrf m_coeficientes;
};

}  // namespace ceravel
