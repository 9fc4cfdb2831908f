// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Bussola.h"

#include "ui/Controles.h"
#include "ui/Forma.h"
#include "ui/Linha.h"
#include "ui/Twips.h"

#include <QLabel>

namespace ceravel {

void Agulha::mostra(bool visivel)
{
    linha->setVisible(visivel);
    circulo->setVisible(visivel);
    texto->setVisible(visivel);
}

void Agulha::posiciona(const GeometriaAgulha& g)
{
    linha->defineX2(g.x2);
    linha->defineY2(g.y2);
    circulo->move(g.circEsquerda, g.circTopo);
    texto->move(Px(g.txtEsquerda), Px(g.txtTopo));
}

Agulha CriaBussola(QWidget* pai, double dx, double dy, const NomesLetras& letras,
                   const QString& prefixo)
{
    const auto nome = [&](const char* n) { return prefixo + QString::fromLatin1(n); };
    const auto linha = [&](const char* n, double x1, double y1, double x2, double y2, int largura) {
        new Linha(pai, nome(n), x1 + dx, y1 + dy, x2 + dx, y2 + dy, Qt::black, largura);
    };

    // Back to front: the shapes, then the lines, then the letters, the needle on top.
    new Forma(pai, nome("Shape6"), Forma::Tipo::Circulo, 4320 + dx, 720 + dy, 2175, 2175, Qt::white);
    new Forma(pai, nome("Shape5"), Forma::Tipo::Circulo, 4560 + dx, 960 + dy, 1695, 1695, Qt::black);
    new Forma(pai, nome("Shape4"), Forma::Tipo::Elipse, 4560 + dx, 1080 + dy, 1695, 1455,
              QColor(255, 192, 128), QColor(255, 192, 128));

    linha("Line1", 4080, 1800, 6720, 1800, 1);
    linha("Line2", 5400, 480, 5400, 3120, 1);

    // Four-pointed star: each tip joined to its two neighbouring inner corners.
    const struct { const char* n; double x1, y1, x2, y2; } estrela[] = {
        {"Line3", 4200, 1800, 5280, 1680}, {"Line4", 4200, 1800, 5280, 1920},
        {"Line5", 5400, 600, 5280, 1680},  {"Line6", 5400, 600, 5520, 1680},
        {"Line7", 6600, 1800, 5520, 1680}, {"Line8", 6600, 1800, 5520, 1920},
        {"Line9", 5400, 3000, 5280, 1920}, {"Line10", 5400, 3000, 5520, 1920},
    };
    for (const auto& s : estrela)
        linha(s.n, s.x1, s.y1, s.x2, s.y2, 4);

    linha("Line13", 4560, 1800, 5040, 1800, 7);
    linha("Line14", 5760, 1800, 6240, 1800, 7);
    linha("Line15", 5400, 960, 5400, 1440, 7);
    linha("Line16", 5400, 2160, 5400, 2640, 7);
    linha("Line11", 5040, 1800, 5760, 1800, 15);
    linha("Line12", 5400, 1440, 5400, 2160, 15);

    const QFont fonteLetra = FonteTimes(14.25, true, true);
    const struct { const QString& nome; const char* letra; const char* dica; double x, y, largura; } pontos[] = {
        {letras.norte, "NG", "Norte Geográfico", 4920, 120, 975},
        {letras.sul, "S", "Sul", 4920, 3120, 975},
        {letras.oeste, "O", "Oeste", 3720, 1680, 375},
        {letras.leste, "L", "Leste", 6720, 1680, 375},
    };
    for (const auto& p : pontos) {
        auto* r = CriaRotulo(pai, p.nome, QString::fromLatin1(p.letra), p.x + dx, p.y + dy, p.largura, 375,
                             fonteLetra, Qt::AlignHCenter | Qt::AlignTop);
        r->setToolTip(QString::fromUtf8(p.dica));
        r->setAccessibleName(QString::fromUtf8(p.dica));
    }

    Agulha a;
    a.linha = new Linha(pai, QStringLiteral("NVLine"), 5400 + dx, 1800 + dy, 6480 + dx, 120 + dy,
                        QColor(255, 0, 0), 2);
    a.circulo = new Forma(pai, QStringLiteral("NVCirc"), Forma::Tipo::Circulo, 6600 + dx, 720 + dy,
                          135, 135, VermelhoEscuro, VermelhoEscuro);
    a.texto = CriaRotulo(pai, QStringLiteral("NVTxt"), QStringLiteral("NM"), 6960 + dx, 600 + dy, 255, 255,
                         FonteArial(9, true), Qt::AlignLeft | Qt::AlignTop);
    a.texto->setToolTip(QStringLiteral("Norte Magnético"));
    a.texto->setAccessibleName(QStringLiteral("Norte Magnético"));
    QPalette p = a.texto->palette();
    p.setColor(QPalette::WindowText, VermelhoEscuro);
    a.texto->setPalette(p);
    a.mostra(false);
    return a;
}

}  // namespace ceravel
