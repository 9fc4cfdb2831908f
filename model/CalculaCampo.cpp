// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/CalculaCampo.h"

#include "model/CalculaElemento.h"
#include "model/CalculaVariacao.h"
#include "model/LeCoeficientes.h"

#include <cmath>

namespace ceravel {

namespace {

bool Finito(const ElementosCampo& e)
{
    for (const double v : {double(e.D), double(e.I), double(e.F), e.X, e.Y, e.Z, double(e.m), double(e.n),
                           double(e.dF), e.dX, e.dY, e.dZ}) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

}  // namespace

ElementosCampo DerivaComponentes(float D, float I, float F, float dD, float dI, float dF)
{
    const double k = FatorGrausRadianos;
    ElementosCampo e;
    e.D = D;
    e.I = I;
    e.F = F;
    e.dF = dF;
    e.m = dD * 60.0f;
    e.n = dI * 60.0f;

    const double cosI = std::cos(k * I);
    const double senI = std::sin(k * I);
    const double cosD = std::cos(k * D);
    const double senD = std::sin(k * D);

    const double H = F * cosI;
    e.Z = F * senI;
    e.X = H * cosD;
    e.Y = H * senD;

    // m and n are minutes of arc per year: × k / 60 makes them radians per
    // year. F × n is formed in single precision, as the model always has.
    const float Fn = F * e.n;
    const double dH = dF * cosI - (((Fn * senI) * k) / 60.0);
    e.dZ = dF * senI + (((Fn * cosI) * k) / 60.0);
    e.dX = dH * cosD - ((((H * e.m) * senD) * k) / 60.0);
    e.dY = dH * senD + ((((H * e.m) * cosD) * k) / 60.0);
    return e;
}

ResultadoModelo CalculaCampo(const Coeficientes& cD, const Coeficientes& cI, const Coeficientes& cF, double x,
                             double y, double t)
{
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(t))
        return {std::nullopt,
                QStringLiteral("O cálculo do modelo recebeu uma posição ou data inválida (valor não finito).")};

    const float D = CalculaElemento(x, y, cD, t);
    const float I = CalculaElemento(x, y, cI, t);
    const float F = CalculaElemento(x, y, cF, t);
    const float dD = CalculaVariacao(x, y, cD, t);
    const float dI = CalculaVariacao(x, y, cI, t);
    const float dF = CalculaVariacao(x, y, cF, t);

    // With finite inputs, anything not finite here or below started as an
    // overflow (a group beyond the float range, or inf − inf after one).
    const ElementosCampo elementos = DerivaComponentes(D, I, F, dD, dI, dF);
    if (!Finito(elementos))
        return {std::nullopt, QStringLiteral("O cálculo do modelo ultrapassou o limite numérico (estouro). "
                                             "Verifique os arquivos de coeficientes.")};
    return {elementos, QString()};
}

ResultadoModelo CalculaCampo(const QString& pasta, double x, double y, double t)
{
    // All three files are read before any evaluation; the first failure ends the run.
    const LeituraConjuntos leitura = LeConjuntos(pasta);
    if (!leitura.conjuntos)
        return {std::nullopt, leitura.erro};
    const ConjuntosCoeficientes& c = *leitura.conjuntos;
    return CalculaCampo(c.declinacao, c.inclinacao, c.intensidade, x, y, t);
}

}  // namespace ceravel
