#pragma once

#include "calc/Calculo.h"
#include "ui/Mensageiro.h"

#include <QImage>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace ceravel::teste {

// Answers every box at once and keeps what it said.
class MensageiroRegistro : public Mensageiro {
public:
    void informa(const QString& texto) override { mensagens << texto; }
    QStringList mensagens;
};

// Writes a small model into `pasta` whose results are worked out by hand at
// the date 31/12/2004 (decimal year exactly 2005, t = 15), whatever the
// position, because only the constant and t terms are non-zero:
//   D = -18.625 - 0.125 t = -20.5 degrees,   m = -7.5 '/year
//   I = -31.0625 + 0.0625 t = -30.125 degrees, n = 3.75 '/year
//   F = 23839.25 - 25.5 t = 23456.75 nT,   dF = -25.5 nT/year
// All of them are exact in single precision.
void EscreveModeloDeTeste(const QString& pasta);

// Both entry forms of each coordinate filled at 31/12/2004: latitude
// -27 35 10 or -27.5, longitude -48 30 45 or -48.25 (decimal texts in the
// locale's separator).
TextosEntrada EntradaDeTeste(FormaEntrada latitude, FormaEntrada longitude, const QLocale& locale);

// Calcula on the model of EscreveModeloDeTeste; fails the test if it does not
// succeed.
Calculo CalculoDeTeste(const TextosEntrada& entrada, const QLocale& locale, const QString& pasta);

// poppler-utils: text of a PDF (reading order), its page count, a page as an
// image, and the number of images in it.
QString TextoDoPdf(const QString& pdf);
int PaginasDoPdf(const QString& pdf);
QImage PaginaDoPdf(const QString& pdf, int pontosPorPolegada);
int ImagensDoPdf(const QString& pdf);

// Bytes of a file; empty if it cannot be read.
QByteArray ConteudoDe(const QString& caminho);

}  // namespace ceravel::teste
