// SPDX-License-Identifier: GPL-3.0-or-later
// Every fuzz target on its seeds and on every input that ever broke it (corpus/<alvo>/, failures named
// "falha-..."), in every build; a broken invariant aborts with its name.
#include "tests/fuzz/Fuzz.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace ceravel::fuzz {
namespace {

struct Alvo {
    const char* nome;
    void (*roda)(QByteArrayView);
};

class Corpus : public testing::TestWithParam<Alvo> {};

TEST_P(Corpus, CadaEntradaGuardadaMantemAsInvariantes)
{
    const QDir pasta(QStringLiteral(CERAVEL_CORPUS_FUZZ "/") + QString::fromLatin1(GetParam().nome));
    const QStringList arquivos = pasta.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(arquivos.isEmpty()) << pasta.path().toStdString();
    for (const QString& nome : arquivos) {
        SCOPED_TRACE(nome.toStdString());
        QFile arquivo(pasta.filePath(nome));
        ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
        GetParam().roda(arquivo.readAll());
    }
}

INSTANTIATE_TEST_SUITE_P(Fuzz, Corpus,
                         testing::Values(Alvo{"numeros", AlvoNumeros}, Alvo{"coeficientes", AlvoCoeficientes},
                                         Alvo{"lote", AlvoLote}, Alvo{"windows1252", AlvoWindows1252},
                                         Alvo{"calculo", AlvoCalculo}, Alvo{"igrf", AlvoIgrf},
                                         Alvo{"conversao", AlvoConversao}, Alvo{"rumo", AlvoRumo},
                                         Alvo{"arquivomemorial", AlvoArquivoMemorial}),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace ceravel::fuzz
