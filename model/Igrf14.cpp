// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Igrf14.h"

#include "model/igrf/CalculaIgrf.h"
#include "model/igrf/LeModeloIgrf.h"

#include <QDir>
#include <QFile>
#include <cmath>
#include <map>
#include <memory>
#include <mutex>

namespace ceravel {

namespace {

// The first and last five-year models of IGRF-14, and the bounds of its
// dipole term g(1,0) over 1900–2025 (-31543 to -29350 nT) with a margin: a
// table whose columns were shifted or mangled falls outside them.
constexpr double PrimeiraEpoca = 1900, UltimaEpoca = 2025, PassoEpocas = 5;
constexpr double DipoloMinimo = -33000, DipoloMaximo = -28000;
// One g row for m = 0 and a g and an h row for each m = 1..n, n = 1..13.
constexpr std::size_t CoeficientesGrau13 = 13 * 15;

QString MensagemAlterado(const QString& caminho)
{
    return QStringLiteral("O arquivo %1 não traz os modelos do IGRF-14 de 1900 a 2025 com a variação "
                          "secular até 2030: ele parece alterado. Reinstale o programa.")
        .arg(QDir::toNativeSeparators(caminho));
}

}  // namespace

QString ConfereIgrf14(const igrf::ModeloIgrf& modelo, const QString& caminho)
{
    const auto& e = modelo.epocas;
    const std::size_t epocas = static_cast<std::size_t>((UltimaEpoca - PrimeiraEpoca) / PassoEpocas) + 1;
    bool completo = e.size() == epocas && modelo.instantaneos.size() == epocas && modelo.variacaoFinal;
    for (std::size_t i = 0; completo && i < epocas; ++i) {
        const double g10 = modelo.instantaneos[i].g[1][0];
        completo = e[i] == PrimeiraEpoca + PassoEpocas * static_cast<double>(i) && g10 >= DipoloMinimo
            && g10 <= DipoloMaximo;
    }
    return completo ? QString() : MensagemAlterado(caminho);
}

LeituraIgrf14 CarregaIgrf14(const QString& pasta)
{
    static std::mutex guarda;
    static std::map<QString, std::unique_ptr<const igrf::ModeloIgrf>> lidos;

    const QString caminho = QDir(pasta).filePath(QString::fromLatin1(ArquivoIgrf14));
    const std::lock_guard<std::mutex> trava(guarda);
    if (const auto achado = lidos.find(caminho); achado != lidos.end())
        return {achado->second.get(), {}};

    igrf::LeituraModelo leitura = igrf::LeTabelaIgrf(QFile::encodeName(caminho).toStdString());
    if (!leitura.modelo)
        return {nullptr, QString::fromStdString(leitura.erro)};
    QString erro = ConfereIgrf14(*leitura.modelo, caminho);
    if (erro.isEmpty() && leitura.coeficientes != CoeficientesGrau13)
        erro = MensagemAlterado(caminho);
    if (!erro.isEmpty())
        return {nullptr, erro};
    const auto& guardado =
        lidos.emplace(caminho, std::make_unique<const igrf::ModeloIgrf>(std::move(*leitura.modelo))).first->second;
    return {guardado.get(), {}};
}

std::optional<igrf::ElementosIgrf> CampoIgrf14(const igrf::ModeloIgrf& modelo, double latitude, double longitude,
                                               double ano)
{
    if (!(ano >= AnoInicialIgrf14 && ano <= AnoFinalIgrf14) || !std::isfinite(latitude)
        || !std::isfinite(longitude))
        return std::nullopt;
    return igrf::CalculaIgrf(modelo, latitude, longitude, 0.0, ano);
}

ElementosCampo ElementosDoIgrf(const igrf::ElementosIgrf& e)
{
    ElementosCampo c;
    c.D = static_cast<float>(e.D);
    c.I = static_cast<float>(e.I);
    c.F = static_cast<float>(e.F);
    c.X = e.X;
    c.Y = e.Y;
    c.Z = e.Z;
    c.m = static_cast<float>(e.dD * 60);
    c.n = static_cast<float>(e.dI * 60);
    c.dF = static_cast<float>(e.dF);
    c.dX = e.dX;
    c.dY = e.dY;
    c.dZ = e.dZ;
    return c;
}

bool AvaliadorIgrf14::paralelo(double latitude, std::span<const double> longitudes, double ano, bool comTaxas,
                               std::span<igrf::ElementosIgrf> saida)
{
    if (!(ano >= AnoInicialIgrf14 && ano <= AnoFinalIgrf14) || !std::isfinite(latitude))
        return false;
    const igrf::CoeficientesNoAno* coeficientes = m_coeficientes.em(ano);
    if (!coeficientes)
        return false;
    igrf::CalculaIgrfParalelo(*coeficientes, latitude, longitudes, 0.0, comTaxas, saida);
    return true;
}

std::optional<igrf::ElementosIgrf> AvaliadorIgrf14::campo(double latitude, double longitude, double ano,
                                                          bool comTaxas)
{
    if (!(ano >= AnoInicialIgrf14 && ano <= AnoFinalIgrf14) || !std::isfinite(latitude)
        || !std::isfinite(longitude))
        return std::nullopt;
    const igrf::CoeficientesNoAno* coeficientes = m_coeficientes.em(ano);
    if (!coeficientes)
        return std::nullopt;
    return igrf::CalculaIgrf(*coeficientes, latitude, longitude, 0.0, comTaxas);
}

}  // namespace ceravel
