// SPDX-License-Identifier: GPL-3.0-or-later
#include "memorial/ArquivoMemorial.h"
#include "memorial/ConverteMemorial.h"
#include "memorial/LeituraSegmentos.h"
#include "memorial/TabelaMemorial.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

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
        {"1987", "2026", "-23,5", "Conversao"},
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
    }
}

// Ten lines in every shape a paste takes, two of them unreadable: the eight
// good ones become rows, the two bad ones are named with their line numbers.
TEST(LeituraSegmentos, ColagemComDuasLinhasRuins)
{
    const QString texto = QStringLiteral(
        "De\tPara\tRumo\tDistância\tConfrontante\n"                           // 1: titles, skipped
        "M1\tM2\t45°30' NE\t120,50\tFulano\n"                                 // 2
        "M2\tM3\tS 12°15' O\t87,30\n"                                         // 3 (no confrontante)
        "M3\tM4\t95° NE\t10\n"                                                // 4: bad bearing
        "\n"                                                                  // 5: blank
        "87 41 06\t33,3\n"                                                    // 6: bearing, distance
        "do marco M5 segue com rumo N 10° L e distância de 20,5 m até o marco M6, confrontando com Beltrano\n"  // 7
        "daí segue com azimute 200,5, 30 m, até M7; daí segue com rumo S, 40 m, até M8\n"  // 8: two segments
        "N 33°00' W 55,1\n"                                                   // 9
        "M9;M10;O;12,5;Sicrano\n"                                             // 10
        "M10\tM11\t10 NE\tdez\n");                                           // 11: bad distance
    const std::vector<LinhaSegmento> l = LeSegmentos(texto, QLocale(QStringLiteral("pt_BR")), QStringLiteral("M0"));
    // line: from, to, bearing, distance, confrontante; "!" when refused
    const char* esperado[] = {
        "2:M1|M2|45°30' NE|120,50|Fulano", "3:M2|M3|S 12°15' O|87,30|", "4:M3|M4|95° NE|10|!", "6:M4||87 41 06|33,3|",
        "7:M5|M6|N 10° L|20,5|Beltrano",   "8:M6|M7|200,5|30|",         "8:M7|M8|S|40|",       "9:M8||N 33°00' W|55,1|",
        "10:M9|M10|O|12,5|Sicrano",        "11:M10|M11|10 NE|dez|!"};
    ASSERT_EQ(l.size(), std::size(esperado));
    for (size_t i = 0; i < l.size(); ++i) {
        const SegmentoMemorial& s = l[i].segmento;
        EXPECT_EQ(QStringLiteral("%1:%2|%3|%4|%5|%6").arg(l[i].linha).arg(s.de, s.para, s.rumo, s.distancia,
                                                                     l[i].motivo.isEmpty() ? s.confrontante : QStringLiteral("!"))
                      .toStdString(), esperado[i]);
    }
    EXPECT_EQ(MensagemLinhasRecusadas(l).toStdString(),
              "Linha 4: Rumo: O ângulo de um rumo vai de 0 a 90 graus.\n"
              "Linha 11: Distância: A distância «dez» não é um número em metros (separador decimal «,»).\n");
}

// ceravel-memorial end to end: a segments file with one bad line, and the
// same deed saved by the window, give the same rows (Windows-1252, CR LF);
// the bad line keeps its row with its message and the status is 1.
TEST(ExecutavelMemorial, ArquivoDeSegmentosEMemorialSalvo)
{
    QTemporaryDir pasta;
    const QString texto = pasta.filePath(QStringLiteral("memorial.txt"));
    QFile f(texto);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("De;Para;Rumo;Dist\xc3\xa2ncia\n"
            "M1;M2;45\xc2\xb0" "30' NE;120,50\n"
            "M2;M3;95 NE;10\n");
    f.close();
    Memorial m;
    m.dados.levantamento = QStringLiteral("1987");
    m.dados.conversao = QStringLiteral("07/12/2026");
    m.dados.posicao.latGraus = QStringLiteral("-23,5");
    m.dados.posicao.lonGraus = QStringLiteral("-46,625");
    m.segmentos = {{QStringLiteral("M1"), QStringLiteral("M2"), QStringLiteral("45°30' NE"), QStringLiteral("120,50"), {}},
                   {QStringLiteral("M2"), QStringLiteral("M3"), QStringLiteral("95 NE"), QStringLiteral("10"), {}}};
    const QString salvo = pasta.filePath(QStringLiteral("m.memorial.json"));
    ASSERT_EQ(SalvaMemorial(salvo, m), QString());

    const struct {
        QString entrada;
        QStringList opcoes;
        const char* primeiraLinha;  // its line number in the input
    } casos[] = {
        {texto, QStringLiteral("--levantamento 1987 --conversao 07/12/2026 --posicao-utm 23S;334071,933;7400190,200").split(u' '),
         "2"},
        {salvo, {}, "1"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.entrada.toStdString());
        const QString saida = pasta.filePath(QStringLiteral("saida.csv"));
        QProcess p;
        p.start(QStringLiteral(CERAVEL_MEMORIAL_EXECUTAVEL),
                QStringList{c.entrada, QStringLiteral("--locale"), QStringLiteral("pt_BR"), QStringLiteral("-o"), saida}
                    + c.opcoes);
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), 1) << p.readAllStandardError().toStdString();
        QFile r(saida);
        ASSERT_TRUE(r.open(QIODevice::ReadOnly));
        const QList<QByteArray> linhas = r.readAll().split('\n');
        ASSERT_EQ(linhas.size(), 4);  // titles, two rows, the empty end
        EXPECT_TRUE(linhas[0].startsWith("Linha;De;Para;Rumo ou azimute;Dist\xe2ncia (m);"));
        EXPECT_EQ(linhas[1], QByteArray(c.primeiraLinha) + ";M1;M2;45\xb0" "30' NE;120,5;;27\xb0" "30'52'';27\xb0"
                  "30'52'' NE;49\xb0" "27'01'';49\xb0" "27'01'' NE;-17\xb0" "59'08'';-21\xb0" "56'09'';27,514444;"
                  "49,450278;-17,985556;-21,935833;\r");
        EXPECT_TRUE(linhas[2].endsWith(";Rumo: O \xe2ngulo de um rumo vai de 0 a 90 graus.\r"));
    }
}

}  // namespace
}  // namespace ceravel::teste
