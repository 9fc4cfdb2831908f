// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ValidaEntrada.h"
#include "tests/calc/EntradasTeste.h"
#include "tests/calc/MensagensTeste.h"

#include <gtest/gtest.h>

#include <string>

namespace ceravel::teste {
namespace {

// The main window's own period message.
const char* const Janela = "Este software é válido somente para datas entre 1995 e 2005.";

// The outcome as one readable text: the message and the box that gets the focus,
// or the position in decimal degrees bit for bit (17 digits, the sign of a zero too).
std::string Desfecho(const char* mensagem, Campo foco, double latitude = -23.5, double longitude = -47.875)
{
    return mensagem ? (mensagem + QStringLiteral(" | foco ") + NomeCampo(foco)).toStdString()
                    : QString::asprintf("passa %.17g %.17g", latitude, longitude).toStdString();
}

std::string Desfecho(const ResultadoValidacao& r)
{
    EXPECT_NE(r.pedido.has_value(), r.falha.has_value()) << "exactly one of request and failure";
    return r.falha ? (r.falha->mensagem + " | foco " + NomeCampo(r.falha->foco)).toStdString()
                   : Desfecho(Passa, Nenhum, r.pedido->latitude, r.pedido->longitude);
}

TEST(ValidaEntrada, PrimeiraGuardaQueFalha)
{
    const struct {
        const char* nome;
        FormaEntrada lat, lon;
        Caixas caixas;
        const char* mensagem;
        Campo foco = Nenhum;
        double latitude = -23.5, longitude = -47.875;  // on a pass
    } casos[] = {
        // Valid in the combinations: the boxes of the inactive form are neither tested nor read.
        {"GMS GMS", GMS, GMS, {{LatGraus, "x"}, {LonGraus, ""}}, Passa},
        {"Dec Dec", DEC, DEC, {{LatG, "abc"}, {LatM, "75"}, {LongS, ""}}, Passa},
        {"GMS Dec", GMS, DEC, {{LatGraus, ""}, {LongG, "abc"}, {LongM, "75"}, {LongS, ""}}, Passa},
        // Both out of range: only latitude in GMS with longitude in decimal tests the latitude first.
        {"ambas fora GMS GMS", GMS, GMS, {{LatG, "20"}, {LongG, "-20"}}, FaixaLon},
        {"ambas fora GMS Dec", GMS, DEC, {{LatG, "20"}, {LonGraus, "-20"}}, FaixaLat},
        // Range bounds pass; in GMS entry the degrees alone are tested.
        {"limites 10 e -30", DEC, DEC, {{LatGraus, "10"}, {LonGraus, "-30"}}, Passa, Nenhum, 10, -30},
        {"limites -35 e -75", DEC, DEC, {{LatGraus, "-35"}, {LonGraus, "-75"}}, Passa, Nenhum, -35, -75},
        {"latitude 10.01", DEC, DEC, {{LatGraus, "10.01"}}, FaixaLat},
        {"longitude -29.9", DEC, DEC, {{LonGraus, "-29.9"}}, FaixaLon},
        // bit-exact: the same three operations in double as the conversion
        {"GMS alem dos limites", GMS, GMS, {{LatG, "-35"}, {LongG, "-75"}, {LongM, "59"}, {LongS, "59"}}, Passa,
         Nenhum, -35.5, -75 - 59.0 / 60 - 59.0 / 3600},
        // The sign typed in the degrees box decides the hemisphere, for 0 degrees too.
        {"0 graus", GMS, DEC, {{LatG, "0"}, {LatM, "2"}, {LatS, "20"}}, Passa, Nenhum, 0.0 + 2.0 / 60 + 20.0 / 3600},
        {"-0 graus", GMS, DEC, {{LatG, " -0"}, {LatM, "2"}, {LatS, "20"}}, Passa, Nenhum,
         -0.0 - 2.0 / 60 - 20.0 / 3600},
        // Minutes and seconds: 0 to 59 with fractions, after both ranges, before the date.
        {"minutos e segundos 0 e 59", GMS, GMS, {{LatM, "59"}, {LatS, "0"}, {LongM, "0"}, {LongS, "59"}}, Passa, Nenhum,
         -23 - 59.0 / 60 - 0.0 / 3600, -47 - 0.0 / 60 - 59.0 / 3600},
        {"LatM 60", GMS, GMS, {{LatM, "60"}}, MinSeg},
        {"LatS 59.5", GMS, GMS, {{LatS, "59.5"}}, MinSeg},  // past 59, though under 60
        {"LongM -1", GMS, GMS, {{LongM, "-1"}}, MinSeg},
        {"faixa antes dos minutos", GMS, GMS, {{LatM, "60"}, {LongG, "-20"}}, FaixaLon},
        {"minutos antes da data", GMS, GMS, {{LatM, "60"}, {Mes, "13"}}, MinSeg},
        // Date guards in their order.
        {"29/02/1996", GMS, GMS, {{Dia, "29"}, {Mes, "02"}, {Ano, "1996"}}, Passa},
        {"29/02/1995", GMS, GMS, {{Dia, "29"}, {Mes, "02"}, {Ano, "1995"}}, DiaNoMes, Dia},
        {"31/04", GMS, GMS, {{Dia, "31"}, {Mes, "04"}}, DiaNoMes, Dia},
        {"dia 0", GMS, GMS, {{Dia, "0"}}, DiaPositivo, Dia},
        {"mes 13", GMS, GMS, {{Mes, "13"}}, MesErrado, Mes},
        {"dia antes do mes", GMS, GMS, {{Dia, "0"}, {Mes, "13"}}, DiaPositivo, Dia},
        {"dia no mes antes do ano", GMS, GMS, {{Dia, "31"}, {Mes, "06"}, {Ano, "05"}}, DiaNoMes, Dia},
        // An empty required box comes before every other guard.
        {"LongS vazio antes de tudo", GMS, GMS, {{LatG, "20"}, {Dia, "0"}, {LongS, ""}}, Todos},
        {"ano 05", GMS, GMS, {{Ano, "05"}}, QuatroAlgarismos, Ano},
        {"ano 1994", GMS, GMS, {{Ano, "1994"}}, Janela, Ano},
        {"ano 2006", GMS, GMS, {{Ano, "2006"}}, Janela, Ano},
        {"ano 1995", GMS, GMS, {{Ano, "1995"}}, Passa},
        {"ano 2005", GMS, GMS, {{Ano, "2005"}}, Passa},
        // February follows the leap rule of the typed year, of any size, before the year's own guards.
        {"29/02/2000", GMS, GMS, {{Dia, "29"}, {Mes, "2"}, {Ano, "2000"}}, Passa},
        {"29/02/1900", GMS, GMS, {{Dia, "29"}, {Mes, "2"}, {Ano, "1900"}}, DiaNoMes, Dia},
        // ... read only when a guard needs it, so the first guard in order decides.
        {"longitude lida antes GMS GMS", GMS, GMS, {{LatG, "abc"}, {LongG, "abc"}}, NaoNumero, LongG},
        {"latitude lida antes GMS Dec", GMS, DEC, {{LatG, "abc"}, {LonGraus, "abc"}}, NaoNumero, LatG},
        {"minutos ilegiveis antes dos fora da faixa", GMS, GMS, {{LatM, "abc"}, {LongM, "60"}}, NaoNumero, LatM},
        {"ano nao lido para abril", GMS, GMS, {{Dia, "31"}, {Mes, "04"}, {Ano, "abc"}}, DiaNoMes, Dia},
        {"ano lido para fevereiro", GMS, GMS, {{Dia, "15"}, {Mes, "02"}, {Ano, "abc"}}, NaoNumero, Ano},
        // Day, month and year are whole, and the leading-number reading finds the same number.
        {"dia 0.5", GMS, GMS, {{Dia, "0.5"}}, NaoNumero, Dia},
        {"data em formas que ambas leem", GMS, GMS, {{Dia, "+15.0"}, {Mes, "6e0"}, {Ano, " 2000 "}}, Passa},
        {"ano 2,0e3: a leitura inicial para na virgula", GMS, GMS, {{Ano, "2,0e3"}}, NaoNumero, Ano},
    };
    for (const QLocale& locale : Locales)
        for (const auto& caso : casos) {
            SCOPED_TRACE(locale.name().toStdString() + ": " + caso.nome);
            const ResultadoValidacao r = ValidaEntrada(Entrada(caso.lat, caso.lon, caso.caixas, locale), locale);
            EXPECT_EQ(Desfecho(r), Desfecho(caso.mensagem, caso.foco, caso.latitude, caso.longitude));
        }
}

}  // namespace
}  // namespace ceravel::teste
