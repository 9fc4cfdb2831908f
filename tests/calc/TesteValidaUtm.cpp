// SPDX-License-Identifier: GPL-3.0-or-later
// A UTM position's checks, in order, each with its message and its box.
#include "calc/ValidaUtm.h"
#include "MensagensTeste.h"

#include <gtest/gtest.h>

namespace ceravel {
namespace {

struct Caso {
    const char* locale;
    const char* zona;
    const char* hemisferio;
    const char* leste;
    const char* norte;
    geo::Datum datum;
    const char* mensagem;  // the message or a part of it; nullptr: accepted
    Campo foco;
};

class ValidaUtm : public testing::TestWithParam<Caso> {};

TEST_P(ValidaUtm, FirstFailingCheckAndItsBox)
{
    const Caso& c = GetParam();
    const QLocale locale(QString::fromLatin1(c.locale));
    const TextosUtm textos{QString::fromUtf8(c.zona), QString::fromUtf8(c.hemisferio), QString::fromUtf8(c.leste),
                           QString::fromUtf8(c.norte)};
    geo::PontoUtm ponto;
    Guarda falha = GuardasUtm(textos, locale, ponto);
    PosicaoGeodesica posicao;
    if (!falha)
        falha = GuardasGeodesicas(geo::GeodesiaDaThread(QStringLiteral(CERAVEL_DADOS_PROJETO)), c.datum, ponto, {},
                                  locale, posicao);
    if (!c.mensagem) {
        ASSERT_FALSE(falha) << falha->mensagem.toStdString();
        EXPECT_GE(posicao.sirgas.ponto.latitude, -35);
        return;
    }
    ASSERT_TRUE(falha);
    EXPECT_TRUE(falha->mensagem.contains(QString::fromUtf8(c.mensagem))) << falha->mensagem.toStdString();
    EXPECT_EQ(NomeCampo(falha->foco), NomeCampo(c.foco));
}

using geo::Datum;
constexpr const char* Zona = "A zona UTM deve ser um número inteiro de 18 a 25.";
constexpr const char* Hemisferio = "O hemisfério deve ser S (sul) ou N (norte).";
constexpr const char* Leste =
    "A coordenada E deve estar entre 100 000 e 900 000 metros. Verifique também o separador de decimais.";
constexpr const char* Norte =
    "A coordenada N deve estar entre 0 e 10 000 000 metros. Verifique também o separador de decimais.";

INSTANTIATE_TEST_SUITE_P(
    Casos, ValidaUtm,
    testing::Values(
        Caso{"pt_BR", "23", "S", "192848,93", "8252943,25", Datum::Sirgas2000, teste::Passa, Campo::Nenhum},
        Caso{"pt_BR", "23", "S", "192848.93", "8252943,25", Datum::Sirgas2000, teste::NaoNumero, Campo::Leste},
        Caso{"pt_BR", "", "S", "192848,93", "8252943,25", Datum::Sirgas2000, teste::Todos, Campo::Zona},
        Caso{"C", "25", "S", "254000", "9359000", Datum::Sirgas2000, teste::Passa, Campo::Nenhum},  // Natal
        Caso{"pt_BR", "26", "S", "192848,93", "8252943,25", Datum::Sirgas2000, Zona, Campo::Zona},
        Caso{"pt_BR", "23", "L", "192848,93", "8252943,25", Datum::Sirgas2000, Hemisferio, Campo::Hemisferio},
        Caso{"pt_BR", "23", "S", "99999,99", "8252943,25", Datum::Sirgas2000, Leste, Campo::Leste},
        Caso{"pt_BR", "23", "S", "192848,93", "10000000,01", Datum::Sirgas2000, Norte, Campo::Norte},
        // 23S at N 5 000 000: latitude -45, south of the territory.
        Caso{"pt_BR", "23", "S", "500000", "5000000", Datum::Sirgas2000, "latitude -45,", Campo::Leste},
        Caso{"C", "23", "S", "500000", "5000000", Datum::Sirgas2000, "latitude -45.", Campo::Leste},
        Caso{"pt_BR", "20", "S", "500000", "9650000", Datum::CorregoAlegre61, "zona UTM 20S", Campo::Zona},
        Caso{"pt_BR", "24", "S", "555000", "9590000", Datum::CorregoAlegre61, "área de uso do datum Córrego Alegre 1961",
             Campo::Datum},
        Caso{"pt_BR", "22", "S", "673000", "7186000", Datum::CorregoAlegre61, teste::Passa, Campo::Nenhum}));

}  // namespace
}  // namespace ceravel
