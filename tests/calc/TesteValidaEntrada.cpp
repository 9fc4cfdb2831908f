#include "calc/ValidaEntrada.h"
#include "tests/calc/LocalesTeste.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace ceravel::teste {
namespace {

constexpr FormaEntrada GMS = FormaEntrada::GrausMinutosSegundos;
constexpr FormaEntrada DEC = FormaEntrada::GrausDecimais;

// The messages exactly as the user reads them.
const char* const Todos = "Por favor entre com todos os dados";
const char* const NaoNumero =
    "Por favor, entre somente com números. Verifique também o separador de decimais.";
const char* const FaixaLat =
    "A latitude do território brasileiro varia de aproximadamente +10 a -35 graus. "
    "Verifique também o separador de decimais.";
const char* const FaixaLon =
    "A longitude do território brasileiro varia de aproximadamente -30 a -75 graus. "
    "Verifique também o separador de decimais.";
const char* const MinSeg = "Por favor verifique os minutos e segundos.";
const char* const DiaPositivo = "Por favor, corrija o dia. Ele deve ser maior que zero!";
const char* const Mes = "Por favor, corrija o mês.";
const char* const DiaNoMes =
    "Por favor, corrija o dia. Não pode ser maior do que o número de dias no mês!";
const char* const QuatroAlgarismos = "Por favor, insira o ano com 4 algarismos";
const char* const Janela = "Este software é válido somente para datas entre 1995 e 2005.";
const char* const Passa = nullptr;

QString& CaixaDe(TextosEntrada& e, Campo campo)
{
    switch (campo) {
    case Campo::Dia: return e.dia;
    case Campo::Mes: return e.mes;
    case Campo::Ano: return e.ano;
    case Campo::LatGraus: return e.latGraus;
    case Campo::LatG: return e.latG;
    case Campo::LatM: return e.latM;
    case Campo::LatS: return e.latS;
    case Campo::LonGraus: return e.lonGraus;
    case Campo::LongG: return e.longG;
    case Campo::LongM: return e.longM;
    case Campo::LongS: return e.longS;
    case Campo::Nenhum: break;
    }
    ADD_FAILURE() << "no box for Campo::Nenhum";
    static QString nenhuma;
    return nenhuma;
}

using Caixas = std::vector<std::pair<Campo, const char*>>;

// Every box of both forms holds a valid value (inactive ones too), so a row
// only writes what it is about: -23° 30' 0'' / -23.5, -47° 52' 30'' / -47.875,
// 15/06/2000. Numbers are written with "." and typed in the locale's form.
TextosEntrada Entrada(FormaEntrada lat, FormaEntrada lon, const Caixas& caixas, const QLocale& locale)
{
    TextosEntrada e;
    e.formaLatitude = lat;
    e.formaLongitude = lon;
    const Caixas base = {{Campo::LatGraus, "-23.5"}, {Campo::LatG, "-23"},     {Campo::LatM, "30"},
                         {Campo::LatS, "0"},         {Campo::LonGraus, "-47.875"}, {Campo::LongG, "-47"},
                         {Campo::LongM, "52"},       {Campo::LongS, "30"},     {Campo::Dia, "15"},
                         {Campo::Mes, "06"},         {Campo::Ano, "2000"}};
    for (const auto& [campo, texto] : base)
        CaixaDe(e, campo) = NoLocale(texto, locale);
    for (const auto& [campo, texto] : caixas)
        CaixaDe(e, campo) = NoLocale(texto, locale);
    return e;
}

void ConfereResultado(const ResultadoValidacao& r, const char* mensagem, Campo foco)
{
    ASSERT_NE(r.pedido.has_value(), r.falha.has_value()) << "exactly one of request and failure";
    if (mensagem == Passa) {
        ASSERT_TRUE(r.pedido.has_value()) << r.falha->mensagem.toStdString();
        return;
    }
    ASSERT_TRUE(r.falha.has_value()) << "expected: " << mensagem;
    EXPECT_EQ(r.falha->mensagem, QString::fromUtf8(mensagem));
    EXPECT_EQ(r.falha->foco, foco) << "focus on " << NomeCampo(r.falha->foco).toStdString()
                                   << ", expected " << NomeCampo(foco).toStdString();
}

// ---- Guards and their order, rows that read alike in every locale.

struct CasoGuarda {
    const char* nome;
    FormaEntrada lat, lon;
    Caixas caixas;
    const char* mensagem;  // Passa: every check passes
    Campo foco = Campo::Nenhum;
};

void PrintTo(const CasoGuarda& c, std::ostream* os) { *os << c.nome; }

const Caixas TudoVazio = {{Campo::Dia, ""},      {Campo::Mes, ""},   {Campo::Ano, ""},
                          {Campo::LatGraus, ""}, {Campo::LatG, ""},  {Campo::LatM, ""},
                          {Campo::LatS, ""},     {Campo::LonGraus, ""}, {Campo::LongG, ""},
                          {Campo::LongM, ""},    {Campo::LongS, ""}};
const Caixas AmbasForaDaFaixa = {{Campo::LatGraus, "20"}, {Campo::LatG, "20"},
                                 {Campo::LonGraus, "-20"}, {Campo::LongG, "-20"}};

const std::vector<CasoGuarda> CasosGuarda = {
    // Valid entries in the four combinations.
    {"ValidaGMSGMS", GMS, GMS, {}, Passa},
    {"ValidaDecDec", DEC, DEC, {}, Passa},
    {"ValidaGMSDec", GMS, DEC, {}, Passa},
    {"ValidaDecGMS", DEC, GMS, {}, Passa},

    // Required fields come first, whatever else is wrong.
    {"TudoVazioGMSGMS", GMS, GMS, TudoVazio, Todos},
    {"TudoVazioDecDec", DEC, DEC, TudoVazio, Todos},
    {"TudoVazioGMSDec", GMS, DEC, TudoVazio, Todos},
    {"TudoVazioDecGMS", DEC, GMS, TudoVazio, Todos},
    {"AnoVazioAntesDaFaixa", GMS, GMS, {{Campo::Ano, ""}, {Campo::LatG, "20"}}, Todos},
    {"BrancoNaoEhVazio", DEC, DEC, {{Campo::LatGraus, " "}}, NaoNumero, Campo::LatGraus},

    // Both coordinates out of range: only latitude in degrees-minutes-seconds
    // with longitude in decimal degrees tests the latitude first.
    {"AmbasForaGMSGMSLongitudePrimeiro", GMS, GMS, AmbasForaDaFaixa, FaixaLon},
    {"AmbasForaDecDecLongitudePrimeiro", DEC, DEC, AmbasForaDaFaixa, FaixaLon},
    {"AmbasForaGMSDecLatitudePrimeiro", GMS, DEC, AmbasForaDaFaixa, FaixaLat},
    {"AmbasForaDecGMSLongitudePrimeiro", DEC, GMS, AmbasForaDaFaixa, FaixaLon},
    {"LatitudeForaGMSGMS", GMS, GMS, {{Campo::LatG, "20"}}, FaixaLat},
    {"LatitudeForaDecGMS", DEC, GMS, {{Campo::LatGraus, "20"}}, FaixaLat},
    {"LongitudeForaGMSDec", GMS, DEC, {{Campo::LonGraus, "-20"}}, FaixaLon},
    {"PosicaoForaAntesDaData", GMS, GMS, {{Campo::LatG, "20"}, {Campo::Dia, "0"}}, FaixaLat},

    // Range bounds, decimal entry.
    {"LongitudeMenos30Passa", DEC, DEC, {{Campo::LonGraus, "-30"}}, Passa},
    {"LongitudeMenos75Passa", DEC, DEC, {{Campo::LonGraus, "-75"}}, Passa},
    {"LongitudeMenos29_9Falha", DEC, DEC, {{Campo::LonGraus, "-29.9"}}, FaixaLon},
    {"LongitudeMenos75_1Falha", DEC, DEC, {{Campo::LonGraus, "-75.1"}}, FaixaLon},
    {"LatitudeDezPassa", DEC, DEC, {{Campo::LatGraus, "10"}}, Passa},
    {"LatitudeMenos35Passa", DEC, DEC, {{Campo::LatGraus, "-35"}}, Passa},
    {"Latitude10_01Falha", DEC, DEC, {{Campo::LatGraus, "10.01"}}, FaixaLat},
    {"LatitudeMenos35_01Falha", DEC, DEC, {{Campo::LatGraus, "-35.01"}}, FaixaLat},

    // Range bounds, degrees-minutes-seconds entry: the degrees alone are tested.
    {"LatitudeMenos35_30_0Passa", GMS, GMS, {{Campo::LatG, "-35"}, {Campo::LatM, "30"}}, Passa},
    {"LongitudeMenos75_59_59Passa", GMS, GMS,
     {{Campo::LongG, "-75"}, {Campo::LongM, "59"}, {Campo::LongS, "59"}}, Passa},
    {"LongitudeMenos30_59_59Passa", GMS, GMS,
     {{Campo::LongG, "-30"}, {Campo::LongM, "59"}, {Campo::LongS, "59"}}, Passa},
    {"GrausFracionariosForaDaFaixa", GMS, GMS, {{Campo::LatG, "10.01"}}, FaixaLat},

    // Minutes and seconds: 0 to 59, fractions allowed.
    {"Minutos59Passa", GMS, GMS, {{Campo::LatM, "59"}, {Campo::LatS, "0"}}, Passa},
    {"Segundos59Passa", GMS, GMS, {{Campo::LongS, "59"}}, Passa},
    {"Minutos59_5Falha", GMS, GMS, {{Campo::LatM, "59.5"}}, MinSeg},
    {"Minutos60Falha", GMS, GMS, {{Campo::LatM, "60"}}, MinSeg},
    {"MinutosMenos1Falha", GMS, GMS, {{Campo::LatM, "-1"}}, MinSeg},
    {"Segundos59_5Falha", GMS, GMS, {{Campo::LatS, "59.5"}}, MinSeg},
    {"MinutosLongitude60Falha", GMS, GMS, {{Campo::LongM, "60"}}, MinSeg},
    {"SegundosLongitudeMenos1Falha", GMS, GMS, {{Campo::LongS, "-1"}}, MinSeg},
    {"MinutosDepoisDasFaixas", GMS, GMS, {{Campo::LatM, "60"}, {Campo::LongG, "-20"}}, FaixaLon},
    {"MinutosLatitudeGMSDec", GMS, DEC, {{Campo::LatS, "60"}}, MinSeg},
    {"MinutosLongitudeDecGMS", DEC, GMS, {{Campo::LongM, "60"}}, MinSeg},
    {"MinutosAntesDaData", GMS, GMS, {{Campo::LatM, "60"}, {Campo::Mes, "13"}}, MinSeg},

    // Boxes of the inactive form are neither tested nor read.
    {"LatMIgnoradoEmDecimal", DEC, GMS, {{Campo::LatM, "75"}, {Campo::LatG, "abc"}}, Passa},
    {"LatGrausVazioIgnoradoEmGMS", GMS, DEC, {{Campo::LatGraus, ""}}, Passa},
    {"LongGMSVaziosIgnoradosEmDecimal", GMS, DEC,
     {{Campo::LongG, ""}, {Campo::LongM, ""}, {Campo::LongS, "abc"}}, Passa},
    {"LonGrausForaIgnoradoEmGMS", GMS, GMS, {{Campo::LonGraus, "-20"}, {Campo::LatGraus, "x"}}, Passa},
    {"MinutosIgnoradosEmDecDec", DEC, DEC, {{Campo::LatM, "75"}, {Campo::LongS, "75"}}, Passa},

    // Date guards in their order.
    {"VinteENoveDeFevereiro1996Passa", GMS, GMS, {{Campo::Dia, "29"}, {Campo::Mes, "02"}, {Campo::Ano, "1996"}},
     Passa},
    {"VinteENoveDeFevereiro2000Passa", GMS, GMS, {{Campo::Dia, "29"}, {Campo::Mes, "2"}, {Campo::Ano, "2000"}},
     Passa},
    {"VinteENoveDeFevereiro1995Falha", GMS, GMS,
     {{Campo::Dia, "29"}, {Campo::Mes, "02"}, {Campo::Ano, "1995"}}, DiaNoMes, Campo::Dia},
    {"VinteENoveDeFevereiro2005Falha", GMS, GMS,
     {{Campo::Dia, "29"}, {Campo::Mes, "02"}, {Campo::Ano, "2005"}}, DiaNoMes, Campo::Dia},
    {"TrintaDeFevereiroFalha", GMS, GMS, {{Campo::Dia, "30"}, {Campo::Mes, "02"}, {Campo::Ano, "2000"}},
     DiaNoMes, Campo::Dia},
    {"TrintaEUmDeAbrilFalha", GMS, GMS, {{Campo::Dia, "31"}, {Campo::Mes, "04"}}, DiaNoMes, Campo::Dia},
    {"TrintaDeAbrilPassa", GMS, GMS, {{Campo::Dia, "30"}, {Campo::Mes, "04"}}, Passa},
    {"TrintaEDoisDeDezembroFalha", GMS, GMS, {{Campo::Dia, "32"}, {Campo::Mes, "12"}}, DiaNoMes, Campo::Dia},
    {"DiaZeroFalha", GMS, GMS, {{Campo::Dia, "0"}, {Campo::Mes, "05"}}, DiaPositivo, Campo::Dia},
    {"DiaNegativoFalha", GMS, GMS, {{Campo::Dia, "-1"}}, DiaPositivo, Campo::Dia},
    {"Mes13Falha", GMS, GMS, {{Campo::Mes, "13"}}, Mes, Campo::Mes},
    {"MesZeroFalha", GMS, GMS, {{Campo::Mes, "0"}}, Mes, Campo::Mes},
    {"MesEnormeFalha", GMS, GMS, {{Campo::Mes, "1e300"}}, Mes, Campo::Mes},
    {"DiaAntesDoMes", GMS, GMS, {{Campo::Dia, "0"}, {Campo::Mes, "13"}}, DiaPositivo, Campo::Dia},
    {"DiaEnormeFalhaNoMes", GMS, GMS, {{Campo::Dia, "1e300"}}, DiaNoMes, Campo::Dia},
    {"DiaNoMesAntesDoAno", GMS, GMS, {{Campo::Dia, "31"}, {Campo::Mes, "06"}, {Campo::Ano, "05"}}, DiaNoMes,
     Campo::Dia},
    {"AnoComDoisAlgarismos", GMS, GMS, {{Campo::Ano, "05"}}, QuatroAlgarismos, Campo::Ano},
    {"AnoNegativo", GMS, GMS, {{Campo::Ano, "-2000"}}, QuatroAlgarismos, Campo::Ano},
    {"Ano100ForaDaJanela", GMS, GMS, {{Campo::Ano, "100"}}, Janela, Campo::Ano},
    {"Ano995ForaDaJanela", GMS, GMS, {{Campo::Ano, "995"}}, Janela, Campo::Ano},
    {"UltimoDiaDe1994", GMS, GMS, {{Campo::Dia, "31"}, {Campo::Mes, "12"}, {Campo::Ano, "1994"}}, Janela,
     Campo::Ano},
    {"PrimeiroDiaDe2006", GMS, GMS, {{Campo::Dia, "01"}, {Campo::Mes, "01"}, {Campo::Ano, "2006"}}, Janela,
     Campo::Ano},
    {"PrimeiroDiaDe1995Passa", GMS, GMS, {{Campo::Dia, "01"}, {Campo::Mes, "01"}, {Campo::Ano, "1995"}}, Passa},
    {"UltimoDiaDe2005Passa", GMS, GMS, {{Campo::Dia, "31"}, {Campo::Mes, "12"}, {Campo::Ano, "2005"}}, Passa},
    // February is judged by the leap rule before the year's own guards.
    {"VinteENoveDeFevereiro1900", GMS, GMS, {{Campo::Dia, "29"}, {Campo::Mes, "2"}, {Campo::Ano, "1900"}},
     DiaNoMes, Campo::Dia},
    {"VinteENoveDeFevereiro2400", GMS, GMS, {{Campo::Dia, "29"}, {Campo::Mes, "2"}, {Campo::Ano, "2400"}},
     Janela, Campo::Ano},
    {"FevereiroDeAnoBissextoAlemDoInt", GMS, GMS,
     {{Campo::Dia, "29"}, {Campo::Mes, "2"}, {Campo::Ano, "4000000000"}}, Janela, Campo::Ano},
    {"FevereiroDeSeculoComumAlemDoInt", GMS, GMS,
     {{Campo::Dia, "29"}, {Campo::Mes, "2"}, {Campo::Ano, "4000000100"}}, DiaNoMes, Campo::Dia},
    {"AnoEnormeForaDaJanela", GMS, GMS, {{Campo::Ano, "1e300"}}, Janela, Campo::Ano},

    // A box that is not a number: message with the focus on it.
    {"LatGLetras", GMS, GMS, {{Campo::LatG, "abc"}}, NaoNumero, Campo::LatG},
    {"LatMLetras", GMS, GMS, {{Campo::LatM, "abc"}}, NaoNumero, Campo::LatM},
    {"LatSBranco", GMS, GMS, {{Campo::LatS, " "}}, NaoNumero, Campo::LatS},
    {"LongGLetras", GMS, GMS, {{Campo::LongG, "x"}}, NaoNumero, Campo::LongG},
    {"LongMLetras", GMS, GMS, {{Campo::LongM, "abc"}}, NaoNumero, Campo::LongM},
    {"LongSNumeroComLetras", GMS, GMS, {{Campo::LongS, "3o"}}, NaoNumero, Campo::LongS},
    {"LatGrausInfinito", DEC, DEC, {{Campo::LatGraus, "inf"}}, NaoNumero, Campo::LatGraus},
    {"LonGrausBranco", DEC, DEC, {{Campo::LonGraus, " "}}, NaoNumero, Campo::LonGraus},
    {"DiaLetras", GMS, GMS, {{Campo::Dia, "abc"}}, NaoNumero, Campo::Dia},
    {"DiaNumeroComLetras", GMS, GMS, {{Campo::Dia, "12abc"}}, NaoNumero, Campo::Dia},
    {"MesBranco", GMS, GMS, {{Campo::Mes, " "}}, NaoNumero, Campo::Mes},
    {"AnoEstouro", GMS, GMS, {{Campo::Ano, "1e999"}}, NaoNumero, Campo::Ano},

    // ... read lazily: the first box a guard needs decides.
    {"LongitudeLidaAntesGMSGMS", GMS, GMS, {{Campo::LatG, "abc"}, {Campo::LongG, "abc"}}, NaoNumero,
     Campo::LongG},
    {"LatitudeLidaAntesGMSDec", GMS, DEC, {{Campo::LatG, "abc"}, {Campo::LonGraus, "abc"}}, NaoNumero,
     Campo::LatG},
    {"FaixaDaLongitudeAntesDaLatitudeIlegivel", GMS, GMS, {{Campo::LatG, "abc"}, {Campo::LongG, "-20"}},
     FaixaLon},
    {"FaixasAntesDeMinutosIlegiveis", GMS, GMS, {{Campo::LatM, "abc"}, {Campo::LongG, "-20"}}, FaixaLon},
    {"MinutosForaAntesDeSegundosIlegiveis", GMS, GMS, {{Campo::LatM, "60"}, {Campo::LongS, "abc"}}, MinSeg},
    {"MinutosIlegiveisAntesDeMinutosFora", GMS, GMS, {{Campo::LatM, "abc"}, {Campo::LongM, "60"}}, NaoNumero,
     Campo::LatM},
    {"PosicaoAntesDaDataIlegivel", GMS, GMS, {{Campo::Dia, "abc"}, {Campo::LatG, "20"}}, FaixaLat},
    {"DiaZeroAntesDoMesIlegivel", GMS, GMS, {{Campo::Dia, "0"}, {Campo::Mes, "abc"}}, DiaPositivo,
     Campo::Dia},
    {"MesIlegivelAntesDoAno", GMS, GMS, {{Campo::Mes, "abc"}, {Campo::Ano, "abc"}}, NaoNumero, Campo::Mes},
    {"AnoIlegivelNaoLidoParaAbril", GMS, GMS, {{Campo::Dia, "31"}, {Campo::Mes, "04"}, {Campo::Ano, "abc"}},
     DiaNoMes, Campo::Dia},
    {"AnoIlegivelLidoParaFevereiro", GMS, GMS,
     {{Campo::Dia, "15"}, {Campo::Mes, "02"}, {Campo::Ano, "abc"}}, NaoNumero, Campo::Ano},
    {"AnoIlegivelLidoNaSuaVez", GMS, GMS, {{Campo::Ano, "abc"}}, NaoNumero, Campo::Ano},

    // Day, month and year are whole numbers.
    {"DiaFracionario", GMS, GMS, {{Campo::Dia, "1.5"}}, NaoNumero, Campo::Dia},
    {"DiaFracionarioAbaixoDeUm", GMS, GMS, {{Campo::Dia, "0.5"}}, NaoNumero, Campo::Dia},
    {"MesFracionario", GMS, GMS, {{Campo::Mes, "2.5"}}, NaoNumero, Campo::Mes},
    {"AnoFracionario", GMS, GMS, {{Campo::Ano, "2000.5"}}, NaoNumero, Campo::Ano},
    {"DiaComZeroDecimalPassa", GMS, GMS, {{Campo::Dia, "15.0"}}, Passa},
    {"AnoComZeroDecimalPassa", GMS, GMS, {{Campo::Ano, "2000.0"}}, Passa},
    // ... and both readings of them agree on these texts.
    {"AnoComBrancoAntes", GMS, GMS, {{Campo::Ano, " 2000"}}, Passa},
    {"AnoComBrancoDepois", GMS, GMS, {{Campo::Ano, "2000 "}}, Passa},
    {"DiaComSinalMais", GMS, GMS, {{Campo::Dia, "+5"}}, Passa},
    {"DiaComZeroAEsquerda", GMS, GMS, {{Campo::Dia, "05"}}, Passa},
    {"AnoComExpoente", GMS, GMS, {{Campo::Ano, "2e3"}}, Passa},
    {"MesComExpoenteZero", GMS, GMS, {{Campo::Mes, "6e0"}}, Passa},
    {"AnoComQuebraDeLinhaAntes", GMS, GMS, {{Campo::Ano, "\n2000"}}, NaoNumero, Campo::Ano},
};

class GuardasValidacao : public testing::TestWithParam<std::tuple<CasoGuarda, LocaleTeste>> {};

TEST_P(GuardasValidacao, PrimeiraFalhaOuPedido)
{
    const auto& [caso, loc] = GetParam();
    ConfereResultado(ValidaEntrada(Entrada(caso.lat, caso.lon, caso.caixas, loc.locale), loc.locale),
                     caso.mensagem, caso.foco);
}

INSTANTIATE_TEST_SUITE_P(Tabela, GuardasValidacao,
                         testing::Combine(testing::ValuesIn(CasosGuarda), testing::ValuesIn(LocalesTeste())),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).nome) + "_"
                                 + std::get<1>(info.param).nome;
                         });

// ---- Each required field of each combination, emptied alone.

struct CasoObrigatorio {
    std::string nome;
    FormaEntrada lat, lon;
    Campo vazio;
};

void PrintTo(const CasoObrigatorio& c, std::ostream* os) { *os << c.nome; }

std::vector<CasoObrigatorio> CasosObrigatorios()
{
    struct Combinacao {
        const char* nome;
        FormaEntrada lat, lon;
        std::vector<Campo> obrigatorios;
    };
    const Combinacao combinacoes[] = {
        {"DecDec", DEC, DEC, {Campo::LonGraus, Campo::LatGraus, Campo::Dia, Campo::Mes, Campo::Ano}},
        {"GMSGMS", GMS, GMS,
         {Campo::LongG, Campo::LongM, Campo::LongS, Campo::LatG, Campo::LatM, Campo::LatS, Campo::Dia,
          Campo::Mes, Campo::Ano}},
        {"GMSDec", GMS, DEC,
         {Campo::LonGraus, Campo::LatG, Campo::LatM, Campo::LatS, Campo::Dia, Campo::Mes, Campo::Ano}},
        {"DecGMS", DEC, GMS,
         {Campo::LongG, Campo::LongM, Campo::LongS, Campo::LatGraus, Campo::Dia, Campo::Mes, Campo::Ano}},
    };
    std::vector<CasoObrigatorio> casos;
    for (const Combinacao& c : combinacoes)
        for (Campo campo : c.obrigatorios)
            casos.push_back({std::string(c.nome) + "_" + NomeCampo(campo).toStdString(), c.lat, c.lon, campo});
    return casos;
}

class CamposObrigatorios : public testing::TestWithParam<std::tuple<CasoObrigatorio, LocaleTeste>> {};

TEST_P(CamposObrigatorios, UmVazioBastaParaAMensagem)
{
    const auto& [caso, loc] = GetParam();
    // The rest is out of range too: emptiness is tested before anything else.
    const Caixas caixas = {{Campo::LatGraus, "20"}, {Campo::LatG, "20"}, {Campo::Dia, "0"}, {caso.vazio, ""}};
    ConfereResultado(ValidaEntrada(Entrada(caso.lat, caso.lon, caixas, loc.locale), loc.locale), Todos,
                     Campo::Nenhum);
}

INSTANTIATE_TEST_SUITE_P(Tabela, CamposObrigatorios,
                         testing::Combine(testing::ValuesIn(CasosObrigatorios()),
                                          testing::ValuesIn(LocalesTeste())),
                         [](const auto& info) {
                             return std::get<0>(info.param).nome + "_" + std::get<1>(info.param).nome;
                         });

// ---- Rows whose answer depends on the locale's separator (texts as typed).

struct CasoSeparador {
    const char* nome;
    QLocale locale;
    FormaEntrada lat, lon;
    Campo campo;
    const char* texto;
    const char* mensagem;
    Campo foco = Campo::Nenhum;
};

void PrintTo(const CasoSeparador& c, std::ostream* os) { *os << c.nome; }

const QLocale Brasil(QLocale::Portuguese, QLocale::Brazil);
const QLocale C = QLocale::c();

const CasoSeparador CasosSeparador[] = {
    {"BrasilPontoDecimalNaLatitude", Brasil, DEC, DEC, Campo::LatGraus, "-23.5", NaoNumero, Campo::LatGraus},
    {"BrasilVirgulaNaLatitude", Brasil, DEC, DEC, Campo::LatGraus, "-23,5", Passa},
    {"CVirgulaNaLongitude", C, DEC, DEC, Campo::LonGraus, "-47,875", NaoNumero, Campo::LonGraus},
    {"BrasilMilComAgrupamentoNaoEhAno", Brasil, GMS, GMS, Campo::Ano, "1.000", NaoNumero, Campo::Ano},
    {"CMilComPontoEhUm", C, GMS, GMS, Campo::Ano, "1.000", QuatroAlgarismos, Campo::Ano},
    {"BrasilAnoComZeroDecimal", Brasil, GMS, GMS, Campo::Ano, "2000,0", Passa},
    {"CAnoComVirgula", C, GMS, GMS, Campo::Ano, "2000,0", NaoNumero, Campo::Ano},
    // The leading-number reading stops at the comma: 2 and 1, not 2000 and 15.
    {"BrasilAnoComVirgulaEExpoente", Brasil, GMS, GMS, Campo::Ano, "2,0e3", NaoNumero, Campo::Ano},
    {"CAnoComPontoEExpoente", C, GMS, GMS, Campo::Ano, "2.0e3", Passa},
    {"BrasilDiaComVirgulaEExpoente", Brasil, GMS, GMS, Campo::Dia, "1,5e1", NaoNumero, Campo::Dia},
    {"CDiaComPontoEExpoente", C, GMS, GMS, Campo::Dia, "1.5e1", Passa},
    {"BrasilMinutosComPonto", Brasil, GMS, GMS, Campo::LatM, "30.5", NaoNumero, Campo::LatM},
};

class SeparadorDoLocale : public testing::TestWithParam<CasoSeparador> {};

TEST_P(SeparadorDoLocale, SoOSeparadorDoUsuario)
{
    const CasoSeparador& caso = GetParam();
    TextosEntrada e = Entrada(caso.lat, caso.lon, {}, caso.locale);
    CaixaDe(e, caso.campo) = QString::fromUtf8(caso.texto);
    ConfereResultado(ValidaEntrada(e, caso.locale), caso.mensagem, caso.foco);
}

INSTANTIATE_TEST_SUITE_P(Tabela, SeparadorDoLocale, testing::ValuesIn(CasosSeparador),
                         [](const auto& info) { return std::string(info.param.nome); });

// ---- What a successful validation yields.

struct CasoPedido {
    const char* nome;
    FormaEntrada lat, lon;
    Caixas caixas;
    double latitude, longitude;
    const char* latExp;  // "." stands for the locale's separator
    const char* longExp;
};

void PrintTo(const CasoPedido& c, std::ostream* os) { *os << c.nome; }

const CasoPedido CasosPedido[] = {
    {"DecimalTalComoDigitado", DEC, DEC, {{Campo::LatGraus, "-23.50"}, {Campo::LonGraus, "-047.875"}}, -23.5,
     -47.875, "-23.50", "-047.875"},
    {"DecimalComBrancosTalComoDigitado", DEC, DEC, {{Campo::LatGraus, " -23.5 "}}, -23.5, -47.875, " -23.5 ",
     "-47.875"},
    {"GMSConvertido", GMS, GMS, {}, -23.5, -47.875, "-23.5", "-47.875"},
    {"GMSPositivo", GMS, DEC, {{Campo::LatG, "3"}, {Campo::LatM, "30"}, {Campo::LatS, "0"}}, 3.5, -47.875, "3.5",
     "-47.875"},
    {"GMSZeroGrausEhSul", GMS, DEC, {{Campo::LatG, "0"}, {Campo::LatM, "30"}, {Campo::LatS, "0"}}, -0.5, -47.875,
     "-0.5", "-47.875"},
    {"GMSMenosZeroGrausEhSul", GMS, DEC, {{Campo::LatG, "-0"}, {Campo::LatM, "30"}, {Campo::LatS, "0"}}, -0.5,
     -47.875, "-0.5", "-47.875"},
    {"GMSGrausFracionarios", GMS, DEC, {{Campo::LatG, "-23.5"}, {Campo::LatM, "30"}, {Campo::LatS, "0"}}, -24.0,
     -47.875, "-24", "-47.875"},
    {"GMSAlemDaFaixaPelosMinutos", GMS, GMS, {{Campo::LatG, "-35"}, {Campo::LatM, "30"}, {Campo::LatS, "0"}},
     -35.5, -47.875, "-35.5", "-47.875"},
    // bit-exact: -75 - 59/60 - 59/3600 in double is the double nearest -75.99972222222222.
    {"GMSLongitudeNoLimite", DEC, GMS, {{Campo::LongG, "-75"}, {Campo::LongM, "59"}, {Campo::LongS, "59"}},
     -23.5, -75.99972222222222, "-23.5", "-75.9997222222222"},
    {"MistoDecimalEGMS", DEC, GMS, {{Campo::LatGraus, "-27.50"}}, -27.5, -47.875, "-27.50", "-47.875"},
};

class PedidoDaValidacao : public testing::TestWithParam<std::tuple<CasoPedido, LocaleTeste>> {};

TEST_P(PedidoDaValidacao, PosicaoETextosDeExportacao)
{
    const auto& [caso, loc] = GetParam();
    const ResultadoValidacao r = ValidaEntrada(Entrada(caso.lat, caso.lon, caso.caixas, loc.locale), loc.locale);
    ASSERT_TRUE(r.pedido.has_value()) << r.falha->mensagem.toStdString();
    // bit-exact: short decimals, or the same three double operations.
    EXPECT_EQ(r.pedido->latitude, caso.latitude);
    EXPECT_EQ(r.pedido->longitude, caso.longitude);
    EXPECT_EQ(r.pedido->latExp, NoLocale(caso.latExp, loc.locale));
    EXPECT_EQ(r.pedido->longExp, NoLocale(caso.longExp, loc.locale));
}

INSTANTIATE_TEST_SUITE_P(Tabela, PedidoDaValidacao,
                         testing::Combine(testing::ValuesIn(CasosPedido), testing::ValuesIn(LocalesTeste())),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).nome) + "_"
                                 + std::get<1>(info.param).nome;
                         });

// ---- The model's inputs.

struct CasoEntradasModelo {
    const char* nome;
    Caixas caixas;
    double x, y, anoDecimal, t;
};

void PrintTo(const CasoEntradasModelo& c, std::ostream* os) { *os << c.nome; }

const CasoEntradasModelo CasosEntradasModelo[] = {
    {"QuinzeDeJunho2000", {{Campo::LatGraus, "-27.5"}, {Campo::LonGraus, "-48.5"}}, -12.5, 6.5,
     2000.4562841530055, 10.456284153005527},
    {"PrimeiroDeJaneiro1995",
     {{Campo::LatGraus, "-15"}, {Campo::LonGraus, "-55"}, {Campo::Dia, "1"}, {Campo::Mes, "1"},
      {Campo::Ano, "1995"}},
     0.0, 0.0, 1995.0027397260274, 5.002739726027357},
    {"VinteENoveDeFevereiro1996",
     {{Campo::LatGraus, "10"}, {Campo::LonGraus, "-30"}, {Campo::Dia, "29"}, {Campo::Mes, "02"},
      {Campo::Ano, "1996"}},
     25.0, 25.0, 1996.1639344262296, 6.163934426229616},
    {"UltimoDiaDe2004",
     {{Campo::LatGraus, "-35"}, {Campo::LonGraus, "-75"}, {Campo::Dia, "31"}, {Campo::Mes, "12"},
      {Campo::Ano, "2004"}},
     -20.0, -20.0, 2005.0, 15.0},
    {"DataComZeroDecimalEExpoente",
     {{Campo::LatGraus, "-27.5"}, {Campo::LonGraus, "-48.5"}, {Campo::Dia, "15.0"}, {Campo::Mes, "6e0"},
      {Campo::Ano, " 2000"}},
     -12.5, 6.5, 2000.4562841530055, 10.456284153005527},
};

class EntradasDoModelo : public testing::TestWithParam<std::tuple<CasoEntradasModelo, LocaleTeste>> {};

TEST_P(EntradasDoModelo, XYEAnoDecimal)
{
    const auto& [caso, loc] = GetParam();
    const ResultadoValidacao r = ValidaEntrada(Entrada(DEC, DEC, caso.caixas, loc.locale), loc.locale);
    ASSERT_TRUE(r.pedido.has_value()) << r.falha->mensagem.toStdString();
    // bit-exact: sums of short decimals that doubles hold exactly, and decimal
    // years computed with the same double operations.
    EXPECT_EQ(r.pedido->x, caso.x);
    EXPECT_EQ(r.pedido->y, caso.y);
    EXPECT_EQ(r.pedido->anoDecimal, caso.anoDecimal);
    EXPECT_EQ(r.pedido->t, caso.t);
}

INSTANTIATE_TEST_SUITE_P(Tabela, EntradasDoModelo,
                         testing::Combine(testing::ValuesIn(CasosEntradasModelo),
                                          testing::ValuesIn(LocalesTeste())),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).nome) + "_"
                                 + std::get<1>(info.param).nome;
                         });

// ---- The focus names are the objectNames of the boxes.

TEST(NomeCampo, NomeDeCadaCaixa)
{
    const std::pair<Campo, const char*> nomes[] = {
        {Campo::Nenhum, ""},         {Campo::Dia, "Dia"},     {Campo::Mes, "Mes"},     {Campo::Ano, "Ano"},
        {Campo::LatGraus, "LatGraus"}, {Campo::LatG, "LatG"},   {Campo::LatM, "LatM"},   {Campo::LatS, "LatS"},
        {Campo::LonGraus, "LonGraus"}, {Campo::LongG, "LongG"}, {Campo::LongM, "LongM"}, {Campo::LongS, "LongS"}};
    for (const auto& [campo, nome] : nomes)
        EXPECT_EQ(NomeCampo(campo), QString::fromUtf8(nome));
}

}  // namespace
}  // namespace ceravel::teste
