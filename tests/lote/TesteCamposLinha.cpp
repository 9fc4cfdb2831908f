// Splitting a line into latitude; longitude; date, and the boxes they fill.
#include "lote/CamposLinha.h"

#include <gtest/gtest.h>

namespace ceravel::teste {
namespace {

using lote::LinhaSeparada;
using Tipo = LinhaSeparada::Tipo;

struct CasoSeparacao {
    const char* nome;
    const char* linha;
    Tipo tipo;
    const char* latitude;
    const char* longitude;
    const char* data;
};

void PrintTo(const CasoSeparacao& c, std::ostream* os) { *os << c.nome; }

class Separacao : public testing::TestWithParam<CasoSeparacao> {};

TEST_P(Separacao, CamposSemBrancosEmVolta)
{
    const CasoSeparacao& caso = GetParam();
    const QString linha = QString::fromUtf8(caso.linha);
    const LinhaSeparada s = lote::SeparaLinha(linha);
    ASSERT_EQ(s.tipo, caso.tipo);
    if (caso.tipo == Tipo::Ignorada)
        return;
    EXPECT_EQ(s.latitude.toString().toStdString(), caso.latitude);
    EXPECT_EQ(s.longitude.toString().toStdString(), caso.longitude);
    EXPECT_EQ(s.data.toString().toStdString(), caso.data);
    EXPECT_EQ(s.mensagem.isEmpty(), caso.tipo == Tipo::Ponto);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, Separacao,
    testing::Values(
        CasoSeparacao{"Simples", "-23.5;-46.625;15/06/2000", Tipo::Ponto, "-23.5", "-46.625", "15/06/2000"},
        CasoSeparacao{"BrancosETabulacoes", " -23.5\t; -46 52 30 ;\t15/06/2000 ", Tipo::Ponto, "-23.5",
                      "-46 52 30", "15/06/2000"},
        CasoSeparacao{"CamposVaziosNoFimComoPlanilhas", "-23.5;-46;1/1/2000;;", Tipo::Ponto, "-23.5", "-46",
                      "1/1/2000"},
        CasoSeparacao{"FaltaAData", "-23.5;-46", Tipo::Ponto, "-23.5", "-46", ""},
        CasoSeparacao{"SoUmCampo", "-23.5", Tipo::Ponto, "-23.5", "", ""},
        CasoSeparacao{"CampoDoMeioVazio", "-23.5;;1/1/2000", Tipo::Ponto, "-23.5", "", "1/1/2000"},
        CasoSeparacao{"QuartoCampoPreenchido", "-23.5;-46;1/1/2000;obs", Tipo::Invalida, "-23.5", "-46",
                      "1/1/2000"},
        CasoSeparacao{"Vazia", "", Tipo::Ignorada, "", "", ""},
        CasoSeparacao{"SoBrancos", " \t ", Tipo::Ignorada, "", "", ""},
        CasoSeparacao{"SoSeparadores", " ; ;; ", Tipo::Ignorada, "", "", ""},
        CasoSeparacao{"Comentario", "# pontos do levantamento", Tipo::Ignorada, "", "", ""},
        CasoSeparacao{"ComentarioRecuado", "   #-23;-46;1/1/2000", Tipo::Ignorada, "", "", ""},
        CasoSeparacao{"CerquilhaNoMeioNaoEComentario", "-23;#;1/1/2000", Tipo::Ponto, "-23", "#", "1/1/2000"}),
    [](const auto& info) { return std::string(info.param.nome); });

struct CasoCabecalho {
    const char* nome;
    const char* linha;
    bool cabecalho;
};

void PrintTo(const CasoCabecalho& c, std::ostream* os) { *os << c.nome; }

class Cabecalho : public testing::TestWithParam<CasoCabecalho> {};

TEST_P(Cabecalho, NomesDeColunaSemAlgarismos)
{
    EXPECT_EQ(lote::EhCabecalho(QString::fromUtf8(GetParam().linha)), GetParam().cabecalho);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, Cabecalho,
    testing::Values(CasoCabecalho{"Minusculas", "latitude;longitude;data", true},
                    CasoCabecalho{"ComAcentosEUnidades", "Latitude (graus); Longitude (graus); Data (dd/mm/aaaa)", true},
                    CasoCabecalho{"MaisColunas", "lat;lon;data;observação", true},
                    CasoCabecalho{"Ponto", "-23.5;-46.625;15/06/2000", false},
                    CasoCabecalho{"NomeComAlgarismo", "lat1;lon1;data", false},
                    CasoCabecalho{"SoSinais", "-;-;/", false}),
    [](const auto& info) { return std::string(info.param.nome); });

// ---- the boxes of the calculator

struct CasoEntrada {
    const char* nome;
    const char* separador;  // the locale's decimal separator
    const char* linha;
    const char* mensagem;   // nullptr: boxes filled
    FormaEntrada formaLat = FormaEntrada::GrausDecimais;
    FormaEntrada formaLon = FormaEntrada::GrausDecimais;
    // latGraus, latG, latM, latS, lonGraus, longG, longM, longS, dia, mes, ano
    const char* caixas[11] = {};
};

void PrintTo(const CasoEntrada& c, std::ostream* os) { *os << c.nome; }

constexpr FormaEntrada GMS = FormaEntrada::GrausMinutosSegundos;
constexpr FormaEntrada DEC = FormaEntrada::GrausDecimais;
const char* const MensagemLatitude =
    "A latitude deve ser um número em graus decimais ou três números separados por espaços "
    "(graus, minutos e segundos).";
const char* const MensagemLongitude =
    "A longitude deve ser um número em graus decimais ou três números separados por espaços "
    "(graus, minutos e segundos).";
const char* const MensagemData = "A data deve estar na forma dd/mm/aaaa.";

class Entrada : public testing::TestWithParam<CasoEntrada> {};

TEST_P(Entrada, PreencheAsCaixasDaCalculadora)
{
    const CasoEntrada& caso = GetParam();
    const QString linha = QString::fromUtf8(caso.linha);
    const lote::EntradaPonto e =
        lote::MontaEntrada(lote::SeparaLinha(linha), QString::fromUtf8(caso.separador));
    if (caso.mensagem) {
        EXPECT_EQ(e.mensagem.toStdString(), caso.mensagem);
        return;
    }
    ASSERT_TRUE(e.mensagem.isEmpty()) << e.mensagem.toStdString();
    const TextosEntrada& t = e.textos;
    EXPECT_EQ(t.formaLatitude, caso.formaLat);
    EXPECT_EQ(t.formaLongitude, caso.formaLon);
    const QString* caixas[] = {&t.latGraus, &t.latG, &t.latM, &t.latS, &t.lonGraus, &t.longG,
                               &t.longM,    &t.longS, &t.dia, &t.mes,  &t.ano};
    const char* nomes[] = {"latGraus", "latG", "latM", "latS", "lonGraus", "longG",
                           "longM",    "longS", "dia", "mes",  "ano"};
    for (int i = 0; i < 11; ++i) {
        // An empty box must stay empty, not blanks, for the required-fields check.
        EXPECT_EQ(caixas[i]->toStdString(), caso.caixas[i] ? caso.caixas[i] : "") << nomes[i];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, Entrada,
    testing::Values(
        CasoEntrada{"DecimalAmbas", ".", "-23.5;-46.625;15/06/2000", nullptr, DEC, DEC,
                    {"-23.5", nullptr, nullptr, nullptr, "-46.625", nullptr, nullptr, nullptr, "15", "06", "2000"}},
        CasoEntrada{"GmsAmbas", ".", "-23 30 0;-47  52\t30;5/6/2000", nullptr, GMS, GMS,
                    {nullptr, "-23", "30", "0", nullptr, "-47", "52", "30", "5", "6", "2000"}},
        CasoEntrada{"Misturadas", ".", "-27.5;-48 30 0;5/6/2000", nullptr, DEC, GMS,
                    {"-27.5", nullptr, nullptr, nullptr, nullptr, "-48", "30", "0", "5", "6", "2000"}},
        CasoEntrada{"DataComoDigitada", ".", "-23;-46; 05 /6/ 2000", nullptr, DEC, DEC,
                    {"-23", nullptr, nullptr, nullptr, "-46", nullptr, nullptr, nullptr, "05 ", "6", " 2000"}},
        CasoEntrada{"PontoViraVirgula", ",", "-23.5;-46 52 30.5;15/06/2000", nullptr, DEC, GMS,
                    {"-23,5", nullptr, nullptr, nullptr, nullptr, "-46", "52", "30,5", "15", "06", "2000"}},
        CasoEntrada{"VirgulaFicaEmPtBr", ",", "-23,5;-46,5;15/06/2000", nullptr, DEC, DEC,
                    {"-23,5", nullptr, nullptr, nullptr, "-46,5", nullptr, nullptr, nullptr, "15", "06", "2000"}},
        CasoEntrada{"VirgulaFicaEmC", ".", "-23,5;-46,5;15/06/2000", nullptr, DEC, DEC,
                    {"-23,5", nullptr, nullptr, nullptr, "-46,5", nullptr, nullptr, nullptr, "15", "06", "2000"}},
        CasoEntrada{"DataNaoMudaDeSeparador", ",", "-23;-46;1.5/06/2000", nullptr, DEC, DEC,
                    {"-23", nullptr, nullptr, nullptr, "-46", nullptr, nullptr, nullptr, "1.5", "06", "2000"}},
        CasoEntrada{"CamposVaziosDeixamCaixasVazias", ".", "-23;;", nullptr, DEC, DEC,
                    {"-23", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr}},
        CasoEntrada{"DiaVazio", ".", "-23;-46;/6/2000", nullptr, DEC, DEC,
                    {"-23", nullptr, nullptr, nullptr, "-46", nullptr, nullptr, nullptr, nullptr, "6", "2000"}},
        CasoEntrada{"LatitudeComDoisNumeros", ".", "-23 30;-46;1/1/2000", MensagemLatitude},
        CasoEntrada{"LatitudeComQuatroNumeros", ".", "-23 30 0 0;-46;1/1/2000", MensagemLatitude},
        CasoEntrada{"LongitudeComDoisNumeros", ".", "-23;-46 30;1/1/2000", MensagemLongitude},
        CasoEntrada{"DataComHifens", ".", "-23;-46;15-06-2000", MensagemData},
        CasoEntrada{"DataSemAno", ".", "-23;-46;15/06", MensagemData},
        CasoEntrada{"DataComQuatroPartes", ".", "-23;-46;15/06/2000/1", MensagemData}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace ceravel::teste
