// Splitting a line into latitude; longitude; date, and the boxes they fill.
#include "lote/CamposLinha.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace ceravel::teste {
namespace {

using lote::LinhaSeparada;
using Tipo = LinhaSeparada::Tipo;

TEST(Separacao, CamposSemBrancosEmVolta)
{
    const std::tuple<const char*, Tipo, const char*> casos[] = {
        {" -23.5\t; -46 52 30 ;\t15/06/2000 ", Tipo::Ponto, "-23.5|-46 52 30|15/06/2000"},
        {"-23.5;-46;1/1/2000;;", Tipo::Ponto, "-23.5|-46|1/1/2000"},  // as spreadsheets end rows
        {"-23.5", Tipo::Ponto, "-23.5||"},
        {"-23.5;;1/1/2000", Tipo::Ponto, "-23.5||1/1/2000"},
        {"-23;#;1/1/2000", Tipo::Ponto, "-23|#|1/1/2000"},
        {"-23.5;-46;1/1/2000;obs", Tipo::Invalida, "-23.5|-46|1/1/2000"},
        {"", Tipo::Ignorada, "||"},
        {" ; ;; ", Tipo::Ignorada, "||"},
        {"   # comentário", Tipo::Ignorada, "||"},
    };
    for (const auto& [linha, tipo, campos] : casos) {
        const QString texto = QString::fromUtf8(linha);
        const LinhaSeparada s = lote::SeparaLinha(texto);
        EXPECT_EQ(s.tipo, tipo) << linha;
        const QString obtidos = s.latitude.toString() + u'|' + s.longitude.toString() + u'|' + s.data.toString();
        EXPECT_EQ(obtidos.toStdString(), campos) << linha;
        EXPECT_EQ(s.mensagem.isEmpty(), tipo != Tipo::Invalida) << linha;
    }
}

TEST(Cabecalho, NomesDeColunaSemAlgarismos)
{
    EXPECT_TRUE(lote::EhCabecalho(u"latitude;longitude;data"));
    EXPECT_TRUE(lote::EhCabecalho(u"Latitude (graus); Longitude; Data (dd/mm/aaaa); Observação"));
    EXPECT_FALSE(lote::EhCabecalho(u"-23.5;-46.625;15/06/2000"));
    EXPECT_FALSE(lote::EhCabecalho(u"lat1;lon1;data"));
    EXPECT_FALSE(lote::EhCabecalho(u"-;-;/"));
}

struct CasoEntrada {
    const char* nome;
    const char* separador;  // the locale's decimal separator
    const char* linha;
    // "D" or "G" for each coordinate's entry form, then the eleven boxes:
    // latGraus|latG|latM|latS|lonGraus|longG|longM|longS|dia|mes|ano; or the message.
    const char* esperado;
};

void PrintTo(const CasoEntrada& c, std::ostream* os) { *os << c.nome; }

class Entrada : public testing::TestWithParam<CasoEntrada> {};

TEST_P(Entrada, PreencheAsCaixasDaCalculadora)
{
    const CasoEntrada& caso = GetParam();
    const QString linha = QString::fromUtf8(caso.linha);
    const lote::EntradaPonto e = lote::MontaEntrada(lote::SeparaLinha(linha), QString::fromUtf8(caso.separador));
    if (!e.mensagem.isEmpty()) {
        EXPECT_EQ(e.mensagem.toStdString(), caso.esperado);
        return;
    }
    const TextosEntrada& t = e.textos;
    const auto forma = [](FormaEntrada f) { return f == FormaEntrada::GrausDecimais ? "D" : "G"; };
    const QStringList caixas{t.latGraus, t.latG, t.latM, t.latS, t.lonGraus, t.longG, t.longM, t.longS,
                             t.dia,      t.mes,  t.ano};
    const std::string obtido =
        std::string(forma(t.formaLatitude)) + forma(t.formaLongitude) + " " + caixas.join(u'|').toStdString();
    EXPECT_EQ(obtido, caso.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, Entrada,
    testing::Values(
        CasoEntrada{"DecimalAmbas", ".", "-23.5;-46.625;15/06/2000", "DD -23.5||||-46.625||||15|06|2000"},
        CasoEntrada{"GmsComBrancosRepetidos", ".", "-23 30 0;-47  52\t30;5/6/2000",
                    "GG |-23|30|0||-47|52|30|5|6|2000"},
        CasoEntrada{"DataComoDigitada", ".", "-23;-46; 05 /6/ 2000", "DD -23||||-46||||05 |6| 2000"},
        CasoEntrada{"PontoViraOSeparadorDoLocale", ",", "-23.5;-46 52 30.5;1.5/06/2000",
                    "DG -23,5|||||-46|52|30,5|1.5|06|2000"},
        CasoEntrada{"VirgulaFicaComoEsta", ".", "-23,5;-46;1/1/2000", "DD -23,5||||-46||||1|1|2000"},
        CasoEntrada{"CamposVaziosDeixamCaixasVazias", ".", "-23;;/6/", "DD -23|||||||||6|"},
        CasoEntrada{"LatitudeComDoisNumeros", ".", "-23 30;-46;1/1/2000",
                    "A latitude deve ser um número em graus decimais ou três números separados por espaços "
                    "(graus, minutos e segundos)."},
        CasoEntrada{"LongitudeComQuatroNumeros", ".", "-23;-46 30 0 0;1/1/2000",
                    "A longitude deve ser um número em graus decimais ou três números separados por espaços "
                    "(graus, minutos e segundos)."},
        CasoEntrada{"DataComHifens", ".", "-23;-46;15-06-2000", "A data deve estar na forma dd/mm/aaaa."},
        CasoEntrada{"DataComQuatroPartes", ".", "-23;-46;15/06/2000/1", "A data deve estar na forma dd/mm/aaaa."}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace ceravel::teste
