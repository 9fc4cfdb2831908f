// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded run of random actions on Main (odd texts in every box, valid points, forms,
// Calcular, Limpar): the program lives, the result frame shows exactly when Imprimir,
// Exportar and the map are on, a refusal keeps the results. CERAVEL_SEMENTE replays a run.
#include "AmbienteJanelas.h"

#include <random>

namespace ceravel::teste {
namespace {

using Aleatorio = AmbienteJanelas;

TEST_F(Aleatorio, MilAcoesMantemAsInvariantes)
{
    const unsigned semente = qEnvironmentVariableIsSet("CERAVEL_SEMENTE")
        ? qEnvironmentVariable("CERAVEL_SEMENTE").toUInt() : std::random_device{}();
    RecordProperty("semente", std::to_string(semente));
    std::mt19937 sorteio(semente);
    const auto um = [&](const QStringList& l) { return l[std::uniform_int_distribution<qsizetype>(0, l.size() - 1)(sorteio)]; };
    const QStringList pedacos = {"", "5", "15", "2000", "-23", "30", "60", ".", ",", "-", "\u2212", " ", "5e1",
                                 "abc", "\u5317\u4eac", "\r", "º", "1.000", "0,5", "nan"};
    const QStringList caixas = {"Dia", "Mes", "Ano", "LatGraus", "LatG", "LatM", "LatS",
                                "LonGraus", "LongG", "LongM", "LongS"};
    const QStringList botoes = {"BtLatG", "BtLatGMS", "BtLonG", "BtLonGMS", "BtLimpar"};
    int sucessos = 0, recusas = 0;
    for (int acao = 0; acao < 1000; ++acao) {
        SCOPED_TRACE("ação " + std::to_string(acao) + ", CERAVEL_SEMENTE=" + std::to_string(semente));
        const int tipo = std::uniform_int_distribution<int>(0, 9)(sorteio);
        if (tipo < 4) {
            digita(um(caixas), um(pedacos) + um(pedacos));
        } else if (tipo < 5) {
            preenche(um({"1", "15", "28"}), um({"2", "7"}), um({"1995", "2005"}), {um({"-15", "-23", "-3"})},
                     {um({"-55", "-47", "-60"}), "0", "0"});
        } else if (tipo < 8) {
            const auto mostrado = [&] {
                return texto(main(), "DMIN3") + texto(main(), "VD2") + (visivel(main(), "FD") ? "FD" : "");
            };
            const QString antes = mostrado();
            const qsizetype mensagens = mensageiro.mensagens.size();
            clica(main(), "BtCalcular");
            const bool recusado = mensageiro.mensagens.size() > mensagens;
            (recusado ? recusas : sucessos)++;
            ASSERT_TRUE(!recusado || mostrado() == antes) << "uma recusa mudou os resultados";
        } else {
            clica(main(), um(botoes));
        }
        ASSERT_EQ(encerramentos, 0);
        for (const char* acao : {"MAImp", "MAExp", "MAMapa"})
            ASSERT_EQ(habilitado(acao), visivel(main(), "FD")) << acao;
    }
    EXPECT_GT(sucessos, 20);
    EXPECT_GT(recusas, 20);
}

}  // namespace
}  // namespace ceravel::teste
