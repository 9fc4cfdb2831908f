// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/TresNortes.h"

#include <cmath>

namespace ceravel {

namespace {

QString Sentido(const QString& norte, double angulo)
{
    const QString texto = TextoAnguloGms(angulo);
    if (std::llround(std::abs(angulo) * 3600) == 0)
        return QStringLiteral("%1 sobre o norte verdadeiro").arg(norte);
    return QStringLiteral("%1 %2 a %3 do norte verdadeiro")
        .arg(norte, texto, angulo > 0 ? QStringLiteral("leste") : QStringLiteral("oeste"));
}

// A real angle drawn at least AnguloMinimo wide, on its own side; zero stays zero.
double Ampliado(double real)
{
    if (real == 0 || std::abs(real) >= AnguloMinimo)
        return real;
    return std::copysign(AnguloMinimo, real);
}

}  // namespace

QString TextoAnguloGms(double graus)
{
    // std::llround rounds half away from zero.
    const long long segundos = std::llround(std::abs(graus) * 3600);
    return QStringLiteral("%1°%2'%3''")
        .arg(segundos / 3600)
        .arg(segundos / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(segundos % 60, 2, 10, QLatin1Char('0'));
}

QString SentidoConvergencia(double convergencia)
{
    return Sentido(QStringLiteral("norte de quadrícula"), convergencia);
}

QString SentidoDeclinacao(double declinacao) { return Sentido(QStringLiteral("norte magnético"), declinacao); }

DiagramaTresNortes DispoeTresNortes(double convergencia, double declinacao)
{
    DiagramaTresNortes d;
    d.verdadeiro = {QStringLiteral("NV"), 0, 0};
    double q = Ampliado(convergencia), m = Ampliado(declinacao);
    // Same side and too close: the one really farther from true north moves out.
    if (convergencia != declinacao && (q > 0) == (m > 0) && q != 0 && m != 0 && std::abs(q - m) < AnguloMinimo) {
        const bool quadriculaFora = std::abs(convergencia) > std::abs(declinacao);
        double& fora = quadriculaFora ? q : m;
        const double dentro = quadriculaFora ? m : q;
        fora = dentro + std::copysign(AnguloMinimo, dentro);
    }
    d.quadricula = {QStringLiteral("NQ"), convergencia, q};
    d.magnetico = {QStringLiteral("NM"), declinacao, m};
    d.convergencia = {0, q, QStringLiteral("γ ") + TextoAnguloGms(convergencia)};
    d.declinacao = {0, m, QStringLiteral("D ") + TextoAnguloGms(declinacao)};
    d.foraDeEscala = q != convergencia || m != declinacao;
    if (d.foraDeEscala)
        d.nota = QStringLiteral("Ângulos fora de escala, ampliados para a leitura.");
    return d;
}

}  // namespace ceravel
