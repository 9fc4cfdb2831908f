// SPDX-License-Identifier: GPL-3.0-or-later
#include "memorial/ArquivoMemorial.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace ceravel::teste {
namespace {

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
        {texto, QStringLiteral("--levantamento 1987 --conversao 07/12/2026 --posicao -23,5;-46,625").split(u' '), "2"},
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
