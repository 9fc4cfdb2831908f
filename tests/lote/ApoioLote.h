#pragma once

#include "lote/CalculaPonto.h"
#include "model/LeCoeficientes.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QLocale>
#include <QString>

#include <charconv>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace ceravel::teste {

// The locale column of the tables: a full-stop locale and a decimal-comma one.
struct LocaleTeste {
    const char* nome;
    QLocale locale;
};

inline std::vector<LocaleTeste> LocalesTeste()
{
    return {{"C", QLocale::c()}, {"ptBR", QLocale(QLocale::Portuguese, QLocale::Brazil)}};
}

inline void PrintTo(const LocaleTeste& l, std::ostream* os) { *os << l.nome; }

// A number written with "." in the tables, as a user of `locale` types it.
inline QString NoLocale(const char* texto, const QLocale& locale)
{
    return QString::fromUtf8(texto).replace(u'.', locale.decimalPoint());
}

// A model whose results are known by hand: D = 0 and I = 0 everywhere, F =
// 25000 + 10 t nT. So X = F, Y = Z = 0, dF = dX = 10 nT/ano, every other
// variation 0, and the declination text is 0º00'00''.
inline lote::ModeloLote ModeloSimples()
{
    lote::ModeloLote modelo;
    modelo.intensidade.c(1) = 25000;
    modelo.intensidade.c(4) = 10;
    return modelo;
}

// The three coefficient files of `modelo` in `pasta`, one value per line in
// shortest round-trip form.
inline void EscreveModelo(const QString& pasta, const lote::ModeloLote& modelo)
{
    const std::pair<const char*, const Coeficientes*> arquivos[] = {{ArquivoDeclinacao, &modelo.declinacao},
                                                                   {ArquivoInclinacao, &modelo.inclinacao},
                                                                   {ArquivoIntensidade, &modelo.intensidade}};
    for (const auto& [nome, coeficientes] : arquivos) {
        QByteArray texto;
        for (const double v : coeficientes->valores) {
            char numero[32];
            const auto fim = std::to_chars(numero, numero + sizeof numero, v).ptr;
            texto.append(numero, fim - numero).append("\r\n");
        }
        QFile arquivo(QDir(pasta).filePath(QString::fromLatin1(nome)));
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate)) << nome;
        ASSERT_EQ(arquivo.write(texto), texto.size());
    }
}

// An output that refuses every write, as a full disk does.
class DispositivoCheio : public QIODevice {
public:
    DispositivoCheio() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override
    {
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }
};

}  // namespace ceravel::teste
