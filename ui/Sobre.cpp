// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Sobre.h"

#include "ui/Controles.h"
#include "ui/Figuras.h"
#include "ui/Linha.h"
#include "ui/Twips.h"

#include <QLabel>

namespace ceravel {

namespace {

void Colore(QLabel* rotulo, QColor cor)
{
    QPalette p = rotulo->palette();
    p.setColor(QPalette::WindowText, cor);
    rotulo->setPalette(p);
}

// Labels of one kind share one name; the index tells them apart.
QLabel* Elemento(QLabel* rotulo, int indice)
{
    rotulo->setProperty("indice", indice);
    return rotulo;
}

}  // namespace

Sobre::Sobre(QWidget* pai) : QDialog(pai, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Sobre"));
    setWindowTitle(QStringLiteral("Sobre o Ceravel"));
    setWindowIcon(IconeCeravel());
    setFixedSize(Px(6375), Px(5775));
    DefineFundo(this, Qt::white);

    auto* faixa = CriaRotulo(this, QStringLiteral("Picture2"), {}, 120, 120, 6075, 855, FonteArial(8.25));
    faixa->setPixmap(FaixaCeravel());
    faixa->setAccessibleName(QStringLiteral("Faixa do Ceravel"));
    auto* titulo = CriaRotulo(faixa, QStringLiteral("Label1"), QStringLiteral("Ceravel - versão 2.0"),
                              2400, 240, 3555, 375, FonteArial(14.25, true),
                              Qt::AlignRight | Qt::AlignVCenter);
    Colore(titulo, QColor(0, 0, 192));

    int regua = 0;
    for (double y : {1080, 2280, 3360, 5580})
        new Linha(this, QStringLiteral("Line%1").arg(++regua), 120, y, 6255, y, Marinho, 1);

    auto* info = CriaRotulo(this, QStringLiteral("Label2"), QStringLiteral("Informações Gerais"), 3720, 1200,
                            2535, 255, FonteTahoma(9.75, true), Qt::AlignRight | Qt::AlignTop);
    Colore(info, Marinho);

    auto* descricao = CriaRotulo(
        this, QStringLiteral("lblDescription"),
        QStringLiteral("O Ceravel calcula a declinação, a inclinação, a intensidade total e as "
                       "componentes X, Y e Z do campo geomagnético, com suas variações anuais, "
                       "em qualquer ponto do território brasileiro, para datas de 1995 a 2005."),
        120, 1560, 6135, 735, FonteArial(8.25), Qt::AlignHCenter | Qt::AlignTop);
    descricao->setWordWrap(true);

    auto* logotipo = CriaRotulo(this, QStringLiteral("Picture3"), {}, 135, 2520, 1935, 615, FonteArial(8.25));
    logotipo->setPixmap(LogotipoCeravel());
    logotipo->setAccessibleName(QStringLiteral("Logotipo do Ceravel"));

    auto* desenvolvimento = CriaRotulo(
        this, QStringLiteral("lblDevelopment"),
        QStringLiteral("Desenvolvido pela equipe do projeto Ceravel como ferramenta aberta para "
                       "levantamentos de campo, cartografia, navegação e ensino de geomagnetismo."),
        2280, 2400, 3975, 855, FonteArial(8.25), Qt::AlignHCenter | Qt::AlignVCenter);
    desenvolvimento->setWordWrap(true);

    // Credits: role headings (Label3 array) with navy bold names below (Label8 array).
    const struct { int indice; const char* papel; double x, y; const char* nomes[2]; } creditos[] = {
        {0, "Desenvolvimento:", 120, 3480, {"Equipe Ceravel", "Grupo de Cálculo Numérico"}},
        {1, "Orientação:", 3480, 3480, {"Grupo de Geomagnetismo Ceravel", nullptr}},
        {4, "Interface Gráfica:", 120, 4380, {"Equipe Ceravel", nullptr}},
        {3, "Colaboração:", 3480, 4380, {"Usuários das versões de teste", nullptr}},
        {2, "Internet:", 120, 4920, {"ceravel.org.br", nullptr}},
    };
    int nome = 0;
    for (const auto& c : creditos) {
        Elemento(CriaRotulo(this, QStringLiteral("Label3"), QString::fromUtf8(c.papel), c.x, c.y, 2700, 240,
                            FonteArial(8.25)),
                 c.indice);
        double y = c.y + 225;
        for (const char* n : c.nomes) {
            if (!n)
                break;
            auto* r = Elemento(CriaRotulo(this, QStringLiteral("Label8"), QString::fromUtf8(n), c.x + 120, y,
                                          2760, 225, FonteArial(8.25, true)),
                               nome++);
            Colore(r, Marinho);
            y += 210;
        }
    }

    CriaRotulo(this, QStringLiteral("Label4"), QStringLiteral("Versão: 2.0.4 - 08/07/2003"), 4200, 5340, 2055,
               240, FonteArial(8.25));
}

}  // namespace ceravel
