// SPDX-License-Identifier: GPL-3.0-or-later
// The IGRF table reader on any content: a model (increasing epochs, finite coefficients) or a message naming
// the file; a table the program accepts gives finite elements over Brazil throughout its period.
#include "tests/fuzz/Fuzz.h"

#include "model/Igrf14.h"
#include "model/igrf/LeModeloIgrf.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>

namespace ceravel::fuzz {

namespace {

bool Finitos(const igrf::CoeficientesGauss& c)
{
    for (int n = 0; n <= igrf::CoeficientesGauss::GrauMaximo; ++n)
        for (int m = 0; m <= igrf::CoeficientesGauss::GrauMaximo; ++m)
            if (!std::isfinite(c.g[n][m]) || !std::isfinite(c.h[n][m]))
                return false;
    return true;
}

}  // namespace

void AlvoIgrf(QByteArrayView dados)
{
    static const QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QString::fromLatin1(ArquivoIgrf14));
    {
        QFile arquivo(caminho);
        Confere(arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate) && arquivo.write(dados.data(), dados.size())
                    == dados.size(),
                "o arquivo de teste foi gravado");
    }
    const igrf::LeituraModelo lido = igrf::LeTabelaIgrf(QFile::encodeName(caminho).toStdString());
    Confere(lido.modelo.has_value() == lido.erro.empty(), "um modelo ou uma mensagem, nunca ambos");
    if (!lido.modelo) {
        Confere(lido.erro.find(QFile::encodeName(caminho).toStdString()) != std::string::npos,
                "a mensagem nomeia o arquivo", QString::fromStdString(lido.erro));
        return;
    }
    const igrf::ModeloIgrf& modelo = *lido.modelo;
    Confere(!modelo.epocas.empty() && modelo.instantaneos.size() == modelo.epocas.size(), "uma foto por época");
    for (std::size_t i = 0; i < modelo.epocas.size(); ++i) {
        Confere(std::isfinite(modelo.epocas[i]) && (i == 0 || modelo.epocas[i] > modelo.epocas[i - 1]),
                "épocas finitas e crescentes");
        Confere(Finitos(modelo.instantaneos[i]), "coeficientes finitos");
    }
    Confere(modelo.variacaoFinal && Finitos(*modelo.variacaoFinal), "variação secular finita");

    // What CarregaIgrf14 accepts, the windows and the batch program use.
    if (!ConfereIgrf14(modelo, caminho).isEmpty() || lido.coeficientes != 195)
        return;
    for (const double ano : {1900.0, 1957.3, 2024.99, 2030.0})
        for (const auto& [latitude, longitude] : {std::pair{-35.0, -75.0}, {10.0, -30.0}, {-15.79, -47.88}}) {
            const auto campo = CampoIgrf14(modelo, latitude, longitude, ano);
            Confere(campo.has_value(), "há campo em todo o período");
            for (const double v : {campo->D, campo->I, campo->H, campo->F, campo->X, campo->Y, campo->Z, campo->dD,
                                   campo->dI, campo->dH, campo->dF, campo->dX, campo->dY, campo->dZ})
                Confere(std::isfinite(v), "uma tabela aceita dá valores finitos");
        }
}

}  // namespace ceravel::fuzz
