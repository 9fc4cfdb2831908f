// SPDX-License-Identifier: GPL-3.0-or-later
#include "poligono/Area.h"

#include <geodesic.h>

#include <cmath>

namespace ceravel {

double AreaPlana(const std::vector<PontoEN>& pontos)
{
    // Coordinates taken from the first point, so that the products of UTM
    // magnitudes (10⁵ by 10⁶ m) do not swallow the area's last digits.
    if (pontos.size() < 3)
        return 0;
    const PontoEN o = pontos.front();
    double dobro = 0;
    for (std::size_t i = 1; i + 1 < pontos.size(); ++i) {
        const double xa = pontos[i].E - o.E, ya = pontos[i].N - o.N;
        const double xb = pontos[i + 1].E - o.E, yb = pontos[i + 1].N - o.N;
        dobro += xa * yb - xb * ya;
    }
    return std::fabs(dobro) / 2;
}

double PerimetroPlano(const std::vector<PontoEN>& pontos)
{
    double soma = 0;
    for (std::size_t i = 0; i < pontos.size(); ++i) {
        const PontoEN& a = pontos[i];
        const PontoEN& b = pontos[(i + 1) % pontos.size()];
        soma += std::hypot(b.E - a.E, b.N - a.N);
    }
    return soma;
}

AreaGeodesica AreaElipsoidal(const std::vector<PontoGeografico>& pontos)
{
    // GRS80, the ellipsoid of SIRGAS 2000.
    geod_geodesic g;
    geod_init(&g, 6378137, 1 / 298.257222101);
    std::vector<double> lat, lon;
    lat.reserve(pontos.size());
    lon.reserve(pontos.size());
    for (const PontoGeografico& p : pontos) {
        lat.push_back(p.latitude);
        lon.push_back(p.longitude);
    }
    AreaGeodesica r;
    geod_polygonarea(&g, lat.data(), lon.data(), static_cast<int>(pontos.size()), &r.area, &r.perimetro);
    r.area = std::fabs(r.area);
    return r;
}

}  // namespace ceravel
