// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/ExportaPoligono.h"

#include "export/Windows1252.h"

#include <algorithm>
#include <cmath>

namespace ceravel {

namespace {

// DXF is pairs of lines: a group code, then its value. Texts are in the
// drawing's code page, Windows-1252 ($DWGCODEPAGE), and a character outside it
// is written \U+XXXX, which CAD programs turn back into the character.
class Dxf {
public:
    void Par(int codigo, const QString& valor)
    {
        bytes_ += QByteArray::number(codigo).rightJustified(3, ' ') + "\r\n";
        for (const char32_t c : valor.toUcs4()) {
            if (c < 0x20)
                continue;
            const QString caractere = QString::fromUcs4(&c, 1);
            if (!AcrescentaWindows1252(bytes_, caractere))
                bytes_ += "\\U+" + QByteArray::number(static_cast<uint>(c), 16).toUpper().rightJustified(4, '0');
        }
        bytes_ += "\r\n";
    }
    void Numero(int codigo, double valor) { Par(codigo, QString::number(valor, 'f', 4)); }
    void Ponto(double E, double N)
    {
        Numero(10, E);
        Numero(20, N);
        Numero(30, 0);
    }
    const QByteArray& Bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

const QString CamadaPoligono = QStringLiteral("POLIGONO");
const QString CamadaVertices = QStringLiteral("VERTICES");
const QString CamadaNomes = QStringLiteral("NOMES");

}  // namespace

QByteArray ConteudoDxf(const PoligonoExportado& p)
{
    double minE = 0, minN = 0, maxE = 0, maxN = 0;
    for (std::size_t i = 0; i < p.vertices.size(); ++i) {
        const PontoEN& v = p.vertices[i].plano;
        minE = i ? std::min(minE, v.E) : v.E;
        maxE = i ? std::max(maxE, v.E) : v.E;
        minN = i ? std::min(minN, v.N) : v.N;
        maxN = i ? std::max(maxN, v.N) : v.N;
    }
    // Names a hundredth of the drawing's size, but never under 0.5 m.
    const double altura = std::max(0.5, std::max(maxE - minE, maxN - minN) / 100);

    Dxf d;
    d.Par(0, QStringLiteral("SECTION"));
    d.Par(2, QStringLiteral("HEADER"));
    d.Par(9, QStringLiteral("$ACADVER"));
    d.Par(1, QStringLiteral("AC1009"));
    d.Par(9, QStringLiteral("$DWGCODEPAGE"));
    d.Par(3, QStringLiteral("ANSI_1252"));
    d.Par(9, QStringLiteral("$EXTMIN"));
    d.Ponto(minE, minN);
    d.Par(9, QStringLiteral("$EXTMAX"));
    d.Ponto(maxE, maxN);
    d.Par(0, QStringLiteral("ENDSEC"));

    d.Par(0, QStringLiteral("SECTION"));
    d.Par(2, QStringLiteral("TABLES"));
    d.Par(0, QStringLiteral("TABLE"));
    d.Par(2, QStringLiteral("LTYPE"));
    d.Par(70, QStringLiteral("1"));
    d.Par(0, QStringLiteral("LTYPE"));
    d.Par(2, QStringLiteral("CONTINUOUS"));
    d.Par(70, QStringLiteral("0"));
    d.Par(3, QStringLiteral("Solid line"));
    d.Par(72, QStringLiteral("65"));
    d.Par(73, QStringLiteral("0"));
    d.Numero(40, 0);
    d.Par(0, QStringLiteral("ENDTAB"));
    d.Par(0, QStringLiteral("TABLE"));
    d.Par(2, QStringLiteral("LAYER"));
    d.Par(70, QStringLiteral("3"));
    const std::pair<const QString&, int> camadas[] = {{CamadaPoligono, 1}, {CamadaVertices, 5}, {CamadaNomes, 7}};
    for (const auto& [nome, cor] : camadas) {
        d.Par(0, QStringLiteral("LAYER"));
        d.Par(2, nome);
        d.Par(70, QStringLiteral("0"));
        d.Par(62, QString::number(cor));
        d.Par(6, QStringLiteral("CONTINUOUS"));
    }
    d.Par(0, QStringLiteral("ENDTAB"));
    d.Par(0, QStringLiteral("ENDSEC"));

    d.Par(0, QStringLiteral("SECTION"));
    d.Par(2, QStringLiteral("ENTITIES"));
    d.Par(0, QStringLiteral("POLYLINE"));
    d.Par(8, CamadaPoligono);
    d.Par(66, QStringLiteral("1"));
    d.Ponto(0, 0);
    d.Par(70, p.fechado ? QStringLiteral("1") : QStringLiteral("0"));
    for (const VerticeExportado& v : p.vertices) {
        d.Par(0, QStringLiteral("VERTEX"));
        d.Par(8, CamadaPoligono);
        d.Ponto(v.plano.E, v.plano.N);
    }
    d.Par(0, QStringLiteral("SEQEND"));
    d.Par(8, CamadaPoligono);
    for (const VerticeExportado& v : p.vertices) {
        d.Par(0, QStringLiteral("POINT"));
        d.Par(8, CamadaVertices);
        d.Ponto(v.plano.E, v.plano.N);
    }
    for (const VerticeExportado& v : p.vertices) {
        d.Par(0, QStringLiteral("TEXT"));
        d.Par(8, CamadaNomes);
        d.Ponto(v.plano.E + altura / 2, v.plano.N + altura / 2);
        d.Numero(40, altura);
        d.Par(1, v.nome);
    }
    d.Par(0, QStringLiteral("ENDSEC"));
    d.Par(0, QStringLiteral("EOF"));
    return d.Bytes();
}

}  // namespace ceravel
