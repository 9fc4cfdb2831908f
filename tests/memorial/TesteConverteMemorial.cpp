// SPDX-License-Identifier: GPL-3.0-or-later
#include "memorial/ConverteMemorial.h"
#include "memorial/TabelaMemorial.h"

#include <gtest/gtest.h>

namespace ceravel::teste {
namespace {

Memorial Escritura(const char* levantamento, ReferenciaMemorial referencia)
{
    Memorial m;
    m.dados.levantamento = QString::fromLatin1(levantamento);
    m.dados.conversao = QStringLiteral("07/12/2026");
    m.dados.referencia = referencia;
    m.dados.posicao.latGraus = QStringLiteral("-23,5");
    m.dados.posicao.lonGraus = QStringLiteral("-46,625");
    return m;
}

// The survey (1 July 1987, a year alone) and conversion (07/12/2026)
// declinations at -23,5; -46,625 from IGRF-14, as shown:
//   D(lev)  = -17°59'08''   D(conv) = -21°56'09''
// A magnetic deed: true = given + D(lev) = given - 17°59'08'';
// magnetic now = true - D(conv) = true + 21°56'09''. Worked by hand (the
// notations and the rules' other quadrants are the bearing rules' own tests):
const struct {
    const char *rumo, *distancia;
    const char *azVerd, *rumoVerd, *azMag, *rumoMag;
} Casos[] = {
    // 45°30' - 17°59'08'' = 27°30'52''; + 21°56'09'' = 49°27'01''
    {"45°30' NE", "120,50", "27°30'52''", "27°30'52'' NE", "49°27'01''", "49°27'01'' NE"},
    // 192°15' - 17°59'08'' = 174°15'52'' (180 - it = 5°44'08'' SE); + 21°56'09'' = 196°12'01''
    {"S 12°15' O", "87,30 m", "174°15'52''", "5°44'08'' SE", "196°12'01''", "16°12'01'' SO"},
    // 10° - 17°59'08'' = -7°59'08'' = 352°00'52''; + 21°56'09'' = 373°57'01'' = 13°57'01''
    {"N 10° L", "12", "352°00'52''", "7°59'08'' NO", "13°57'01''", "13°57'01'' NE"},
    // 17°59'08'' - 17°59'08'' = 0: true north exactly, with its own letter
    {"17°59'08\" NE", "15", "0°00'00''", "0°00'00'' N", "21°56'09''", "21°56'09'' NE"},
    // S 86°02'59'' W = 266°02'59'' -> 248°03'51'' (68°03'51'' SO); + 21°56'09'' = 270°: west, "90° O"
    {"S 86°02'59\" W", "19", "248°03'51''", "68°03'51'' SO", "270°00'00''", "90°00'00'' O"},
};

QString Dados() { return QStringLiteral(CERAVEL_DADOS_PROJETO); }

// A failure's message in the test's output, then the conversion.
ConversaoMemorial Convertido(const Memorial& m)
{
    const auto r = ConverteMemorial(m, QLocale(QStringLiteral("pt_BR")), Dados());
    if (const auto* f = std::get_if<FalhaMemorial>(&r))
        ADD_FAILURE() << f->mensagem.toStdString();
    return std::get<ConversaoMemorial>(r);
}

std::string Celula(const ConversaoMemorial& c, std::size_t linha, ColunaMemorial k)
{
    return TabelaResultados(c, QLocale(QStringLiteral("pt_BR"))).linhas.at(linha).at(static_cast<int>(k)).toStdString();
}

TEST(ConverteMemorial, SegmentosConvertidos)
{
    Memorial m = Escritura("1987", ReferenciaMemorial::Magnetico);
    for (const auto& d : Casos)
        m.segmentos.push_back({{}, {}, QString::fromUtf8(d.rumo), QString::fromUtf8(d.distancia), {}});
    const ConversaoMemorial c = Convertido(m);
    ASSERT_EQ(c.levantamento.segundos, -(17 * 3600 + 59 * 60 + 8));
    ASSERT_EQ(c.conversao.segundos, -(21 * 3600 + 56 * 60 + 9));
    EXPECT_TRUE(c.levantamentoSoAno);
    for (size_t i = 0; i < std::size(Casos); ++i) {
        SCOPED_TRACE(Casos[i].rumo);
        EXPECT_EQ(Celula(c, i, ColunaMemorial::Mensagem), "");
        EXPECT_EQ(Celula(c, i, ColunaMemorial::AzVerdadeiro), Casos[i].azVerd);
        EXPECT_EQ(Celula(c, i, ColunaMemorial::RumoVerdadeiro), Casos[i].rumoVerd);
        EXPECT_EQ(Celula(c, i, ColunaMemorial::AzMagnetico), Casos[i].azMag);
        EXPECT_EQ(Celula(c, i, ColunaMemorial::RumoMagnetico), Casos[i].rumoMag);
    }
    // The decimal columns carry the same seconds: 27°30'52'' = 27,514444...
    EXPECT_EQ(Celula(c, 0, ColunaMemorial::AzVerdadeiroGraus), "27,514444");
    EXPECT_EQ(Celula(c, 0, ColunaMemorial::DecLevantamentoGraus), "-17,985556");

    // A year alone is 1 July of that year.
    m.dados.levantamento = QStringLiteral("01/07/1987");
    const ConversaoMemorial julho = Convertido(m);
    EXPECT_EQ(julho.levantamento.D, c.levantamento.D);
    EXPECT_FALSE(julho.levantamentoSoAno);

    // The same place typed in UTM (SIRGAS 2000, 23S, by proj): the same declinations.
    Memorial emUtm = m;
    emUtm.dados.posicao.utm = true;
    emUtm.dados.posicao.posicaoUtm = {QStringLiteral("23"), QStringLiteral("S"), QStringLiteral("334071,933"),
                                      QStringLiteral("7400190,200")};
    const ConversaoMemorial utm = Convertido(emUtm);
    EXPECT_EQ(utm.levantamento.segundos, c.levantamento.segundos);
    EXPECT_EQ(utm.conversao.segundos, c.conversao.segundos);

    // A true deed keeps its bearings: 45°30' true; magnetic now 45°30' + 21°56'09'' = 67°26'09''.
    m.dados.referencia = ReferenciaMemorial::Verdadeiro;
    const ConversaoMemorial verdadeiro = Convertido(m);
    EXPECT_EQ(Celula(verdadeiro, 0, ColunaMemorial::AzVerdadeiro), "45°30'00''");
    EXPECT_EQ(Celula(verdadeiro, 0, ColunaMemorial::AzMagnetico), "67°26'09''");

    // A grid deed: γ at -23,5; -46,625 in 23S is +0,64811588° (GeoConvert -c), 0°38'53'' as shown;
    // true = 45°30' + 0°38'53'' = 46°08'53''; magnetic now + 21°56'09'' = 68°05'02''.
    m.dados.referencia = ReferenciaMemorial::Quadricula;
    const ConversaoMemorial quadricula = Convertido(m);
    EXPECT_EQ(quadricula.convergenciaSegundos, 38 * 60 + 53);
    EXPECT_EQ(Celula(quadricula, 0, ColunaMemorial::AzVerdadeiro), "46°08'53''");
    EXPECT_EQ(Celula(quadricula, 0, ColunaMemorial::AzMagnetico), "68°05'02''");
}

// The deed's data refused in the window's order, focus on the offending box.
TEST(ConverteMemorial, DadosRecusados)
{
    const struct {
        const char *levantamento, *conversao, *lat;
        const char* caixa;
        const char* zona = nullptr;  // a UTM position in this zone, 23S E 334071,933 N 7400190,200
    } casos[] = {
        {"1987", "07/12/2026", "", "Zona", ""},
        {"1987", "07/12/2026", "", "Leste", "18"},  // west of the territory
        {"1987", "07/12/2026", "", "LatGraus"},
        {"", "07/12/2026", "-23,5", "Levantamento"},
        {"1899", "07/12/2026", "-23,5", "Levantamento"},
        {"1987", "2026", "-23,5", "Conversao"},
        {"1987", "07/12/2030", "-23,5", "Conversao"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.levantamento) + " " + c.conversao + " " + c.lat);
        Memorial m = Escritura(c.levantamento, ReferenciaMemorial::Magnetico);
        m.dados.conversao = QString::fromLatin1(c.conversao);
        m.dados.posicao.latGraus = QString::fromLatin1(c.lat);
        if (c.zona) {
            m.dados.posicao.utm = true;
            m.dados.posicao.posicaoUtm = {QString::fromLatin1(c.zona), QStringLiteral("S"), QStringLiteral("334071,933"),
                                          QStringLiteral("7400190,200")};
        }
        const auto r = ConverteMemorial(m, QLocale(QStringLiteral("pt_BR")), Dados());
        ASSERT_TRUE(std::holds_alternative<FalhaMemorial>(r));
        EXPECT_EQ(std::get<FalhaMemorial>(r).caixa.toStdString(), c.caixa);
        EXPECT_FALSE(std::get<FalhaMemorial>(r).mensagem.isEmpty());
    }
}

}  // namespace
}  // namespace ceravel::teste
