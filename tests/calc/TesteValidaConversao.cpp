#include "calc/ValidaConversao.h"
#include "tests/calc/EntradasTeste.h"
#include "tests/calc/MensagensTeste.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <tuple>

namespace ceravel::teste {
namespace {

constexpr TipoRumo AZ = TipoRumo::Azimute, RUMO = TipoRumo::Rumo;

// The bearing window's own messages.
const char* const Periodo = "A conversão de rumos é válida somente para datas entre 1900 e 2029.";
const char* const FaixaAz = "O azimute deve ser maior ou igual a 0 e menor que 360 graus.";
const char* const FaixaRumo = "O rumo deve estar entre 0 e 90 graus.";
const char* const GrausInteiros =
    "Por favor, entre com os graus sem decimais: as frações vão nos minutos e segundos.";
const char* const Vazia = "Por favor, preencha esta caixa.";

// Every refusal names its box first.
const std::map<Campo, const char*> NomesCaixas = {
    {LatGraus, "Latitude em graus decimais"}, {LatG, "Graus da latitude"}, {LatM, "Minutos da latitude"},
    {LatS, "Segundos da latitude"}, {LonGraus, "Longitude em graus decimais"}, {LongG, "Graus da longitude"},
    {LongM, "Minutos da longitude"}, {LongS, "Segundos da longitude"}, {DiaLev, "Dia do levantamento"},
    {MesLev, "Mês do levantamento"}, {AnoLev, "Ano do levantamento"}, {DiaConv, "Dia da conversão"},
    {MesConv, "Mês da conversão"}, {AnoConv, "Ano da conversão"}, {AngGraus, "Rumo em graus decimais"},
    {AngG, "Graus do rumo"}, {AngM, "Minutos do rumo"}, {AngS, "Segundos do rumo"}};

QString& CaixaDe(TextosConversao& e, Campo campo)
{
    switch (campo) {
    case LatGraus: return e.latGraus;
    case LatG: return e.latG;
    case LatM: return e.latM;
    case LatS: return e.latS;
    case LonGraus: return e.lonGraus;
    case LongG: return e.longG;
    case LongM: return e.longM;
    case LongS: return e.longS;
    case DiaLev: return e.diaLev;
    case MesLev: return e.mesLev;
    case AnoLev: return e.anoLev;
    case DiaConv: return e.diaConv;
    case MesConv: return e.mesConv;
    case AnoConv: return e.anoConv;
    case AngGraus: return e.angGraus;
    case AngG: return e.angG;
    case AngM: return e.angM;
    case AngS: return e.angS;
    default: break;
    }
    ADD_FAILURE() << "no such box in the conversion window";
    static QString nenhuma;
    return nenhuma;
}

struct Formas {
    FormaEntrada lat = GMS, lon = GMS, angulo = GMS;
    TipoRumo tipo = AZ;
    Quadrante quadrante = Quadrante::NE;
};

// Every box of both forms holds a valid value, so a row writes only what it is
// about: -23° 30' 0'' / -23.5, -47° 52' 30'' / -47.875, survey 15/06/1940,
// conversion 10/03/2024, magnetic bearing 45° 30' 0'' / 45.5 (an azimuth or a NE rumo).
TextosConversao Entrada(const Formas& f, const Caixas& caixas, const QLocale& locale)
{
    TextosConversao e;
    e.latGraus = NoLocale("-23.5", locale);
    e.latG = "-23", e.latM = "30", e.latS = "0";
    e.lonGraus = NoLocale("-47.875", locale);
    e.longG = "-47", e.longM = "52", e.longS = "30";
    e.formaLatitude = f.lat;
    e.formaLongitude = f.lon;
    e.diaLev = "15", e.mesLev = "06", e.anoLev = "1940";
    e.diaConv = "10", e.mesConv = "03", e.anoConv = "2024";
    e.tipo = f.tipo;
    e.quadrante = f.quadrante;
    e.formaAngulo = f.angulo;
    e.angGraus = NoLocale("45.5", locale);
    e.angG = "45", e.angM = "30", e.angS = "0";
    for (const auto& [campo, texto] : caixas)
        CaixaDe(e, campo) = NoLocale(texto, locale);
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
    return (QString::fromUtf8(NomesCaixas.at(foco)) + ": " + texto.front().toLower() + texto.mid(1) + " | foco "
            + NomeCampo(foco))
        .toStdString();
}

TEST(ValidaConversao, PrimeiraGuardaQueFalha)
{
    const Formas gms, dec{DEC, DEC, DEC}, gmsDec{GMS, DEC}, rumoGms{GMS, GMS, GMS, RUMO},
        rumoDec{GMS, GMS, DEC, RUMO}, azDec{GMS, GMS, DEC, AZ}, leste{GMS, GMS, GMS, RUMO, Quadrante::L},
        norte{GMS, GMS, DEC, RUMO, Quadrante::N}, oeste{GMS, GMS, DEC, RUMO, Quadrante::O};
    const struct {
        const char* nome;
        Formas formas;
        Caixas caixas;
        const char* mensagem;
        Campo foco = Nenhum;
    } casos[] = {
        {"tudo valido GMS", gms, {}, Passa},
        {"tudo valido decimal", dec, {}, Passa},
        // Position: the main window's rules, the focus on the offending box.
        {"LatG vazio", gms, {{LatG, ""}}, Vazia, LatG},
        {"LatS vazio vale 0", gms, {{LatS, ""}}, Passa},
        {"LatGraus vazio", dec, {{LatGraus, ""}}, Vazia, LatGraus},
        {"LonGraus vazio", dec, {{LonGraus, ""}}, Vazia, LonGraus},
        {"LongM e LongS vazios valem 0", gms, {{LongM, ""}, {LongS, ""}}, Passa},
        {"latitude vazia antes da longitude", gms, {{LongG, ""}, {LatG, ""}}, Vazia, LatG},
        {"vazio antes de fora da faixa", gms, {{LatG, "20"}, {LongG, ""}}, Vazia, LongG},
        {"caixas da forma inativa vazias", gmsDec, {{LatGraus, ""}, {LongG, ""}, {LongM, ""}}, Passa},
        {"latitude 20 decimal", dec, {{LatGraus, "20"}}, FaixaLat, LatGraus},
        {"latitude 20 GMS", gms, {{LatG, "20"}}, FaixaLat, LatG},
        {"latitude -35.01", dec, {{LatGraus, "-35.01"}}, FaixaLat, LatGraus},
        {"longitude -29.9", dec, {{LonGraus, "-29.9"}}, FaixaLon, LonGraus},
        {"longitude -76 GMS", gms, {{LongG, "-76"}}, FaixaLon, LongG},
        {"limites 10 e -75", dec, {{LatGraus, "10"}, {LonGraus, "-75"}}, Passa},
        {"ambas fora GMS GMS: longitude primeiro", gms, {{LatG, "20"}, {LongG, "-20"}}, FaixaLon, LongG},
        {"ambas fora GMS Dec: latitude primeiro", gmsDec, {{LatG, "20"}, {LonGraus, "-20"}}, FaixaLat, LatG},
        {"LatM 60", gms, {{LatM, "60"}}, MinSeg, LatM},
        {"LatS 59.5", gms, {{LatS, "59.5"}}, MinSeg, LatS},
        {"LongM -1", gms, {{LongM, "-1"}}, MinSeg, LongM},
        {"LongS 60", gms, {{LongS, "60"}}, MinSeg, LongS},
        {"faixa antes dos minutos", gms, {{LatM, "60"}, {LongG, "-20"}}, FaixaLon, LongG},
        {"LatG nao numero", gms, {{LatG, "abc"}}, NaoNumero, LatG},
        {"LonGraus em branco", dec, {{LonGraus, " "}}, NaoNumero, LonGraus},
        {"LongS 3o", gms, {{LongS, "3o"}}, NaoNumero, LongS},
        // The survey date, then the conversion date: required boxes, the main
        // window's guards, then 1900 to 2029.
        {"DiaLev vazio", gms, {{DiaLev, ""}}, Vazia, DiaLev},
        {"MesLev e AnoLev vazios", gms, {{MesLev, ""}, {AnoLev, ""}}, Vazia, MesLev},
        {"so o ano do levantamento", gms, {{DiaLev, ""}, {MesLev, ""}}, Passa},
        {"so o ano do levantamento, fora", gms, {{DiaLev, ""}, {MesLev, ""}, {AnoLev, "1899"}}, Periodo, AnoLev},
        {"so o ano da conversao nao", gms, {{DiaConv, ""}, {MesConv, ""}}, Vazia, DiaConv},
        {"AnoConv vazio", gms, {{AnoConv, ""}}, Vazia, AnoConv},
        {"posicao antes da data", gms, {{LatM, "60"}, {DiaLev, ""}}, MinSeg, LatM},
        {"DiaLev 0", gms, {{DiaLev, "0"}}, DiaPositivo, DiaLev},
        {"MesLev 13", gms, {{MesLev, "13"}}, MesErrado, MesLev},
        {"31/04 no levantamento", gms, {{DiaLev, "31"}, {MesLev, "04"}}, DiaNoMes, DiaLev},
        {"29/02/1900 nao e bissexto", gms, {{DiaLev, "29"}, {MesLev, "02"}, {AnoLev, "1900"}}, DiaNoMes, DiaLev},
        {"29/02/1940", gms, {{DiaLev, "29"}, {MesLev, "02"}}, Passa},
        {"AnoLev 05", gms, {{AnoLev, "05"}}, QuatroAlgarismos, AnoLev},
        {"AnoLev 1899", gms, {{AnoLev, "1899"}}, Periodo, AnoLev},
        {"AnoLev 1900", gms, {{DiaLev, "01"}, {MesLev, "01"}, {AnoLev, "1900"}}, Passa},
        {"AnoLev 2000.5", gms, {{AnoLev, "2000.5"}}, NaoNumero, AnoLev},
        {"AnoLev abc", gms, {{AnoLev, "abc"}}, NaoNumero, AnoLev},
        {"DiaConv 0", gms, {{DiaConv, "0"}}, DiaPositivo, DiaConv},
        {"MesConv 0", gms, {{MesConv, "0"}}, MesErrado, MesConv},
        {"31/06 na conversao", gms, {{DiaConv, "31"}, {MesConv, "6"}}, DiaNoMes, DiaConv},
        {"AnoConv 203", gms, {{AnoConv, "203"}}, Periodo, AnoConv},
        {"31/12/2029", gms, {{DiaConv, "31"}, {MesConv, "12"}, {AnoConv, "2029"}}, Passa},
        {"AnoConv 2030", gms, {{DiaConv, "01"}, {MesConv, "01"}, {AnoConv, "2030"}}, Periodo, AnoConv},
        {"levantamento inteiro antes da conversao", gms, {{AnoLev, "1899"}, {DiaConv, ""}}, Periodo, AnoLev},
        {"datas antes do rumo", gms, {{AnoConv, "2030"}, {AngG, "400"}}, Periodo, AnoConv},
        // The bearing is optional: every box of its active form empty is none.
        {"sem rumo GMS", gms, {{AngG, ""}, {AngM, ""}, {AngS, ""}, {AngGraus, "abc"}}, Passa},
        {"sem rumo decimal", azDec, {{AngGraus, ""}, {AngG, "abc"}, {AngM, "75"}}, Passa},
        {"so os graus do rumo", gms, {{AngM, ""}, {AngS, ""}}, Passa},
        {"AngG vazio", gms, {{AngG, ""}}, Vazia, AngG},
        // Azimuth: 0 <= az < 360.
        {"azimute 0", azDec, {{AngGraus, "0"}}, Passa},
        {"azimute 359.999", azDec, {{AngGraus, "359.999"}}, Passa},
        {"azimute 360", azDec, {{AngGraus, "360"}}, FaixaAz, AngGraus},
        {"azimute -0.1", azDec, {{AngGraus, "-0.1"}}, FaixaAz, AngGraus},
        {"azimute 359 59 59.99", gms, {{AngG, "359"}, {AngM, "59"}, {AngS, "59.99"}}, Passa},
        {"azimute 360 0 0", gms, {{AngG, "360"}, {AngM, "0"}, {AngS, "0"}}, FaixaAz, AngG},
        {"azimute -1 GMS", gms, {{AngG, "-1"}}, FaixaAz, AngG},
        {"azimute -0 30 0 e -0.5", gms, {{AngG, "-0"}}, FaixaAz, AngG},
        {"graus com fracao", gms, {{AngG, "12.5"}}, GrausInteiros, AngG},
        {"AngM 60", gms, {{AngM, "60"}}, MinSeg, AngM},
        {"AngM 59.99", gms, {{AngM, "59.99"}}, Passa},
        {"AngM -1", gms, {{AngM, "-1"}}, MinSeg, AngM},
        {"AngS 60", gms, {{AngS, "60"}}, MinSeg, AngS},
        {"AngS 59.999", gms, {{AngS, "59.999"}}, Passa},
        {"graus fora antes dos minutos ilegiveis", gms, {{AngG, "400"}, {AngM, "abc"}}, FaixaAz, AngG},
        // Rumo: 0 <= angle <= 90.
        {"rumo 90", rumoDec, {{AngGraus, "90"}}, Passa},
        {"rumo 0", rumoDec, {{AngGraus, "0"}}, Passa},
        {"rumo 90.01", rumoDec, {{AngGraus, "90.01"}}, FaixaRumo, AngGraus},
        {"rumo -1", rumoDec, {{AngGraus, "-1"}}, FaixaRumo, AngGraus},
        {"rumo 90 0 0", rumoGms, {{AngG, "90"}, {AngM, "0"}, {AngS, "0"}}, Passa},
        {"rumo 90 0 1", rumoGms, {{AngG, "90"}, {AngM, "0"}, {AngS, "1"}}, FaixaRumo, AngG},
        {"rumo 89 59 59.9", rumoGms, {{AngG, "89"}, {AngM, "59"}, {AngS, "59.9"}}, Passa},
        {"rumo 91 0 0", rumoGms, {{AngG, "91"}, {AngM, "0"}}, FaixaRumo, AngG},
        {"rumo AngS 60", rumoGms, {{AngS, "60"}}, MinSeg, AngS},
        // The cardinal letters carry their own angle.
        {"rumo 90 L", leste, {{AngG, "90"}, {AngM, ""}, {AngS, ""}}, Passa},
        {"rumo 89 59 59.6 L", leste, {{AngG, "89"}, {AngM, "59"}, {AngS, "59.6"}}, Passa},
        {"rumo 45 L", leste, {{AngG, "45"}}, "Com a direção L o rumo é de 90 graus.", AngG},
        {"rumo 0 N", norte, {{AngGraus, "0"}}, Passa},
        {"rumo 1 N", norte, {{AngGraus, "1"}}, "Com a direção N o rumo é de 0 graus.", AngGraus},
        {"rumo 0 O", oeste, {{AngGraus, "0"}}, "Com a direção O o rumo é de 90 graus.", AngGraus},
        // Not numbers.
        {"AngGraus abc", azDec, {{AngGraus, "abc"}}, NaoNumero, AngGraus},
        {"AngGraus inf", azDec, {{AngGraus, "inf"}}, NaoNumero, AngGraus},
        {"AngS x", gms, {{AngS, "x"}}, NaoNumero, AngS},
        {"AngG ilegivel antes dos minutos", gms, {{AngG, "abc"}, {AngM, "60"}}, NaoNumero, AngG},
    };
    for (const QLocale& locale : Locales)
        for (const auto& caso : casos) {
            SCOPED_TRACE(locale.name().toStdString() + ": " + caso.nome);
            const ResultadoValidacaoConversao r = ValidaConversao(Entrada(caso.formas, caso.caixas, locale), locale);
            EXPECT_EQ(Desfecho(r), Desfecho(caso.mensagem, caso.foco));
        }
}

TEST(ValidaConversao, SoOSeparadorDoUsuario)
{
    const std::tuple<QLocale, Campo, const char*, const char*, Campo> casos[] = {
        {PtBr, AngGraus, "45.5", NaoNumero, AngGraus},
        {QLocale::c(), AngGraus, "45,5", NaoNumero, AngGraus},
        {PtBr, AngS, "1,5", Passa, Nenhum},
        {PtBr, LatGraus, "-23.5", NaoNumero, LatGraus},
        {PtBr, AnoLev, "1.940", NaoNumero, AnoLev},  // grouping, not a year
    };
    for (const auto& [locale, campo, texto, mensagem, foco] : casos) {
        SCOPED_TRACE(locale.name().toStdString() + ": " + texto);
        TextosConversao e = Entrada({DEC, DEC, campo == AngS ? GMS : DEC}, {}, locale);
        CaixaDe(e, campo) = texto;
        EXPECT_EQ(Desfecho(ValidaConversao(e, locale)), Desfecho(mensagem, foco));
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
        {"0 30 0 ao norte", {GMS, GMS, GMS, AZ}, {{LatG, "0"}}, 0.5, lev, conv, 163800},
        {"-0 30 0 ao sul", {GMS, GMS, GMS, AZ}, {{LatG, "-0"}}, -0.5, lev, conv, 163800},
        {"datas nos extremos", {DEC, DEC, GMS, AZ},
         {{DiaLev, "1"}, {MesLev, "1"}, {AnoLev, "1900"}, {DiaConv, "31"}, {MesConv, "12"}, {AnoConv, "2029"}},
         -23.5, 1900 + 1.0 / 365, 2030.0, 163800},
        {"so o ano: 1 de julho", {DEC, DEC, GMS, AZ}, {{DiaLev, ""}, {MesLev, ""}, {AnoLev, "1957"}}, -23.5,
         1957 + 182.0 / 365, conv, 163800, true},
        {"rumo 35 20 10 NO", {GMS, GMS, GMS, RUMO, Quadrante::NO}, {{AngG, "35"}, {AngM, "20"}, {AngS, "10"}},
         -23.5, lev, conv, 1296000 - 127210},
        {"rumo 90 O", {GMS, GMS, DEC, RUMO, Quadrante::O}, {{AngGraus, "90"}}, -23.5, lev, conv, 972000},
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
