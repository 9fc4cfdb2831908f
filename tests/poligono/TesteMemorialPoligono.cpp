// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Execucao {
    int status = -1;
    QStringList linhas;
    QString erro;
};

Execucao Executa(const QTemporaryDir& pasta, const QStringList& opcoes)
{
    const QString entrada = pasta.filePath(QStringLiteral("quadrado.txt"));
    QFile f(entrada);
    f.open(QIODevice::WriteOnly);
    f.write("M1;M2;0;100\nM2;M3;90;100\nM3;M4;180;100\nM4;M1;270;100\n");
    f.close();
    QProcess p;
    p.start(QStringLiteral(CERAVEL_MEMORIAL_EXECUTAVEL),
            QStringList{entrada} +
                QStringLiteral("--utf8 --levantamento 2000 --conversao 07/12/2026 --posicao -15,78;-47,87 "
                               "--referencia verdadeiro").split(u' ') +
                opcoes);
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()).split(QStringLiteral("\r\n")),
            QString::fromUtf8(p.readAllStandardError())};
}

// A 100 m square of true bearings from M1 at UTM 23S, through the options of
// the polygon: its columns come before the message, its summary after the
// rows, in the locale's form, and the KML is written. Without --inicio the
// polygon's options are refused before any work.
TEST(MemorialPoligono, ColunasResumoEKml)
{
    QTemporaryDir pasta;
    const QString kml = pasta.filePath(QStringLiteral("q.kml"));
    const Execucao e = Executa(
        pasta, QStringLiteral("--locale pt_BR --inicio M1;192848,93;8252943,25;23S --sem-fator-escala --kml").split(u' ')
                   << kml);
    ASSERT_EQ(e.status, 0) << e.erro.toStdString();
    EXPECT_TRUE(e.linhas[0].endsWith(QStringLiteral(
        ";E (m);N (m);Latitude SIRGAS 2000;Longitude SIRGAS 2000;Convergência (graus);Mensagem")));
    // The last side ends at M1, where the traverse started.
    EXPECT_TRUE(e.linhas[4].endsWith(QStringLiteral(";192848,930;8252943,250;-15,783299987;-47,866700022;0,780102;")))
        << e.linhas[4].toStdString();
    EXPECT_TRUE(e.linhas.contains(QStringLiteral("Perímetro (m);400,000")));
    QFile k(kml);
    ASSERT_TRUE(k.open(QIODevice::ReadOnly));
    EXPECT_EQ(k.readAll().count("<Placemark>"), 5);

    const Execucao sem = Executa(pasta, {QStringLiteral("--compensar")});
    EXPECT_EQ(sem.status, 2);
    EXPECT_TRUE(sem.erro.contains(QStringLiteral("--inicio")));
}

}  // namespace
