// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ValidaConversao.h"
#include "tests/calc/EntradasTeste.h"
#include "tests/calc/MensagensTeste.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

namespace ceravel::teste {
namespace {

constexpr TipoRumo AZ = TipoRumo::Azimute, RUMO = TipoRumo::Rumo;

const char* const Periodo = "A conversão de rumos é válida somente para datas entre 1900 e 2029.";
const char* const FaixaAz = "O azimute deve ser maior ou igual a 0 e menor que 360 graus.";
const char* const FaixaRumo = "O rumo deve estar entre 0 e 90 graus.";
const char* const GrausInteiros =
    "Por favor, entre com os graus sem decimais: as frações vão nos minutos e segundos.";
const char* const Vazia = "Por favor, preencha esta caixa.";

// Each box and the name its refusals start with.
using T = TextosConversao;
const std::map<Campo, std::pair<QString T::*, const char*>> CaixasConversao = {
    {LatGraus, {&T::latGraus, "Latitude em graus decimais"}}, {LatG, {&T::latG, "Graus da latitude"}},
    {LatM, {&T::latM, "Minutos da latitude"}}, {LatS, {&T::latS, "Segundos da latitude"}},
    {LonGraus, {&T::lonGraus, "Longitude em graus decimais"}}, {LongG, {&T::longG, "Graus da longitude"}},
    {LongM, {&T::longM, "Minutos da longitude"}}, {LongS, {&T::longS, "Segundos da longitude"}},
    {DiaLev, {&T::diaLev, "Dia do levantamento"}}, {MesLev, {&T::mesLev, "Mês do levantamento"}},
    {AnoLev, {&T::anoLev, "Ano do levantamento"}}, {DiaConv, {&T::diaConv, "Dia da conversão"}},
    {MesConv, {&T::mesConv, "Mês da conversão"}}, {AnoConv, {&T::anoConv, "Ano da conversão"}},
    {AngGraus, {&T::angGraus, "Rumo em graus decimais"}}, {AngG, {&T::angG, "Graus do rumo"}},
    {AngM, {&T::angM, "Minutos do rumo"}}, {AngS, {&T::angS, "Segundos do rumo"}}};

struct Formas {
    FormaEntrada lat = GMS, lon = GMS, angulo = GMS;
    TipoRumo tipo = AZ;
    Quadrante quadrante = Quadrante::NE;
};

// Every box valid, so a row writes only what it is about: -23° 30' 0'' / -23.5, -47° 52' 30'' / -47.875,
// survey 15/06/1940, conversion 10/03/2024, magnetic bearing 45° 30' 0'' / 45.5 (an azimuth or a NE rumo).
TextosConversao Entrada(const Formas& f, const Caixas& caixas, const QLocale& locale)
{
    T e{NoLocale("-23.5", locale), "-23", "30", "0", NoLocale("-47.875", locale), "-47", "52", "30", f.lat, f.lon,
        "15", "06", "1940", "10", "03", "2024", f.tipo, f.angulo, NoLocale("45.5", locale), "45", "30", "0",
        f.quadrante, ReferenciaRumo::Magnetico, {}, {}, {}};
    for (const auto& [campo, texto] : caixas)
        e.*CaixasConversao.at(campo).first = NoLocale(texto, locale);
    return e;
}

std::string Desfecho(const ResultadoValidacaoConversao& r)
{
    const FalhaGuarda* falha = std::get_if<FalhaGuarda>(&r);
    return falha ? (falha->mensagem + " | foco " + NomeCampo(falha->foco)).toStdString() : "passa";
}

std::string Desfecho(const char* mensagem, Campo foco)
{
    if (!mensagem)
        return "passa";
    const QString texto = QString::fromUtf8(mensagem);
    return (QString::fromUtf8(CaixasConversao.at(foco).second) + ": " + texto.front().toLower() + texto.mid(1)
            + " | foco " + NomeCampo(foco))
        .toStdString();
}

// The position and date guards are the main window's (tested there): here one
// row each shows they are wired, with the box named and focused.
TEST(ValidaConversao, PrimeiraGuardaQueFalha)
{
    const Formas gms, dec{DEC, DEC, DEC}, rumoGms{GMS, GMS, GMS, RUMO},
        rumoDec{GMS, GMS, DEC, RUMO}, azDec{GMS, GMS, DEC, AZ}, leste{GMS, GMS, GMS, RUMO, Quadrante::L},
        norte{GMS, GMS, DEC, RUMO, Quadrante::N};
    const struct {
        const char* nome;
        Formas formas;
        Caixas caixas;
        const char* mensagem;
        Campo foco = Nenhum;
    } casos[] = {
        {"tudo valido GMS", gms, {}, Passa},
        {"tudo valido decimal", dec, {}, Passa},
        // Position: an empty required box is named, minutes and seconds empty are 0.
        {"LatG vazio", gms, {{LatG, ""}}, Vazia, LatG},
        {"LongM e LongS vazios valem 0", gms, {{LongM, ""}, {LongS, ""}}, Passa},
        {"LongS 60", gms, {{LongS, "60"}}, MinSeg, LongS},
        // The survey date, then the conversion date: required boxes, the main
        // window's guards, then 1900 to 2029.
        {"MesLev e AnoLev vazios", gms, {{MesLev, ""}, {AnoLev, ""}}, Vazia, MesLev},
        {"so o ano do levantamento", gms, {{DiaLev, ""}, {MesLev, ""}}, Passa},
        {"so o ano do levantamento, fora", gms, {{DiaLev, ""}, {MesLev, ""}, {AnoLev, "1899"}}, Periodo, AnoLev},
        {"AnoConv 2030", gms, {{DiaConv, "01"}, {MesConv, "01"}, {AnoConv, "2030"}}, Periodo, AnoConv},
        {"datas antes do rumo", gms, {{AnoConv, "2030"}, {AngG, "400"}}, Periodo, AnoConv},
        // The bearing is optional: every box of its active form empty is none.
        {"sem rumo GMS", gms, {{AngG, ""}, {AngM, ""}, {AngS, ""}, {AngGraus, "abc"}}, Passa},
        {"AngG vazio", gms, {{AngG, ""}}, Vazia, AngG},
        // Azimuth: 0 <= az < 360.
        {"azimute 0", azDec, {{AngGraus, "0"}}, Passa},
        {"azimute 360", azDec, {{AngGraus, "360"}}, FaixaAz, AngGraus},
        {"azimute -0.1", azDec, {{AngGraus, "-0.1"}}, FaixaAz, AngGraus},
        {"azimute 360 0 0", gms, {{AngG, "360"}, {AngM, "0"}, {AngS, "0"}}, FaixaAz, AngG},
        {"azimute -0 30 0 e -0.5", gms, {{AngG, "-0"}}, FaixaAz, AngG},
        {"graus com fracao", gms, {{AngG, "12.5"}}, GrausInteiros, AngG},
        {"AngM 60", gms, {{AngM, "60"}}, MinSeg, AngM},
        {"graus fora antes dos minutos ilegiveis", gms, {{AngG, "400"}, {AngM, "abc"}}, FaixaAz, AngG},
        // Rumo: 0 <= angle <= 90.
        {"rumo 90", rumoDec, {{AngGraus, "90"}}, Passa},
        {"rumo 90.01", rumoDec, {{AngGraus, "90.01"}}, FaixaRumo, AngGraus},
        {"rumo 90 0 1", rumoGms, {{AngG, "90"}, {AngM, "0"}, {AngS, "1"}}, FaixaRumo, AngG},
        // The cardinal letters carry their own angle.
        {"rumo 90 L", leste, {{AngG, "90"}, {AngM, ""}, {AngS, ""}}, Passa},
        {"rumo 45 L", leste, {{AngG, "45"}}, "Com a direção L o rumo é de 90 graus.", AngG},
        {"rumo 1 N", norte, {{AngGraus, "1"}}, "Com a direção N o rumo é de 0 graus.", AngGraus},
        // Not numbers.
        {"AngGraus inf", azDec, {{AngGraus, "inf"}}, NaoNumero, AngGraus},
    };
    for (const QLocale& locale : Locales)
        for (const auto& caso : casos) {
            SCOPED_TRACE(locale.name().toStdString() + ": " + caso.nome);
            const ResultadoValidacaoConversao r = ValidaConversao(Entrada(caso.formas, caso.caixas, locale), locale);
            EXPECT_EQ(Desfecho(r), Desfecho(caso.mensagem, caso.foco));
        }
}

// What a request carries: the position (the sign typed in the degrees box
// decides), the decimal years, the bearing as an azimuth in whole seconds.
TEST(ValidaConversao, ValoresDoPedido)
{
    const double lev = 1940 + 167.0 / 366, conv = 2024 + 70.0 / 366;
    const struct {
        const char* nome;
        Formas formas;
        Caixas caixas;
        double latitude, anoLevantamento, anoConversao;
        std::optional<long long> azimute;
        bool soAno = false;
    } casos[] = {
        {"datas nos extremos", {DEC, DEC, GMS, AZ},
         {{DiaLev, "1"}, {MesLev, "1"}, {AnoLev, "1900"}, {DiaConv, "31"}, {MesConv, "12"}, {AnoConv, "2029"}},
         -23.5, 1900 + 1.0 / 365, 2030.0, 163800},
        {"so o ano: 1 de julho", {DEC, DEC, GMS, AZ}, {{DiaLev, ""}, {MesLev, ""}, {AnoLev, "1957"}}, -23.5,
         1957 + 182.0 / 365, conv, 163800, true},
        {"azimute 359 59 59.5 volta a 0", {GMS, GMS, GMS, AZ}, {{AngG, "359"}, {AngM, "59"}, {AngS, "59.5"}},
         -23.5, lev, conv, 0},
        {"sem rumo", {GMS, GMS, DEC, AZ}, {{AngGraus, ""}}, -23.5, lev, conv, std::nullopt},
    };
    for (const QLocale& locale : Locales)
        for (const auto& caso : casos) {
            SCOPED_TRACE(locale.name().toStdString() + ": " + caso.nome);
            const ResultadoValidacaoConversao r = ValidaConversao(Entrada(caso.formas, caso.caixas, locale), locale);
            ASSERT_TRUE(std::holds_alternative<PedidoConversao>(r)) << Desfecho(r);
            const PedidoConversao& p = std::get<PedidoConversao>(r);
            EXPECT_EQ(p.latitude, caso.latitude);
            EXPECT_EQ(p.longitude, -47.875);
            EXPECT_DOUBLE_EQ(p.anoLevantamento, caso.anoLevantamento);
            EXPECT_DOUBLE_EQ(p.anoConversao, caso.anoConversao);
            EXPECT_EQ(p.levantamentoSoAno, caso.soAno);
            EXPECT_EQ(p.azimute, caso.azimute);
        }
}

}  // namespace
}  // namespace ceravel::teste
