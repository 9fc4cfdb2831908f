// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Relatorio.h"

#include "ui/Controles.h"
#include "ui/Figuras.h"
#include "ui/Linha.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>

namespace ceravel {

namespace {

// The banner of the report's header, the program's own, painted rather than
// held as a picture so that it prints as sharp as the text.
class Faixa : public QWidget {
public:
    Faixa(QWidget* pai, double esquerda, double topo, double largura, double altura)
        : QWidget(pai)
    {
        setObjectName(QStringLiteral("Picture1"));
        setGeometry(RetPx(esquerda, topo, largura, altura));
        setAccessibleName(QStringLiteral("Faixa do Ceravel"));
        DefineFundo(this, Qt::white);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        DesenhaFaixaCeravel(p);
    }
};

const QFont& FonteLegenda()
{
    static const QFont f = FonteArial(9.75);
    return f;
}

const QFont& FonteValor()
{
    static const QFont f = FonteArial(9.75, true);
    return f;
}

QGroupBox* Moldura(QWidget* pai, const char* nome, const QString& titulo, double esquerda,
                   double topo, double largura, double altura)
{
    return CriaMoldura(pai, QString::fromLatin1(nome), titulo, esquerda, topo, largura, altura,
                       FonteArial(12, true, true), VermelhoEscuro, Qt::white);
}

// A value label: bold, its design caption until the first calculation, and a
// name a screen reader can say.
QLabel* Valor(QWidget* pai, const char* nome, const char* design, const QString& nomeAcessivel,
              double esquerda, double topo, double largura, double altura, const QFont& fonte,
              Qt::Alignment alinhamento)
{
    QLabel* r = CriaRotulo(pai, QString::fromLatin1(nome), QString::fromLatin1(design), esquerda,
                           topo, largura, altura, fonte, alinhamento | Qt::AlignTop);
    r->setAccessibleName(nomeAcessivel);
    return r;
}

// One of the five frames of complementary data: "Componente:" and its value,
// "Variação:" and the annual variation.
struct DadosMoldura {
    const char* moldura;
    const char* titulo;
    double esquerda, topo;
    const char* valor;        // value label and its design caption
    const char* designValor;
    const char* variacao;     // variation label and its design caption
    const char* designVariacao;
    const char* nomeAcessivel;
};

void CriaMolduraComponente(QWidget* pai, const DadosMoldura& d)
{
    QGroupBox* m = Moldura(pai, d.moldura, QString::fromUtf8(d.titulo), d.esquerda, d.topo, 4920, 825);
    const QString nome = QString::fromUtf8(d.nomeAcessivel);
    const QString sufixo = QString::fromLatin1(d.moldura).mid(1);
    CriaRotulo(m, QStringLiteral("RotuloComponente") + sufixo, QStringLiteral("Componente:"), 120,
               420, 1200, 255, FonteLegenda());
    if (d.valor)
        Valor(m, d.valor, d.designValor, nome, 1320, 420, 1080, 255, FonteValor(), Qt::AlignRight);
    CriaRotulo(m, QStringLiteral("RotuloVariacao") + sufixo, QStringLiteral("Variação:"), 2520, 420,
               840, 255, FonteLegenda());
    Valor(m, d.variacao, d.designVariacao, QStringLiteral("Variação anual: ") + nome, 3360, 420, 1440,
          255, FonteValor(), Qt::AlignRight);
}

}  // namespace

Relatorio::Relatorio(QWidget* pai) : QWidget(pai)
{
    setObjectName(QStringLiteral("Relatorio"));
    setWindowTitle(QStringLiteral("Relatório"));
    setFixedSize(Px(10680), Px(11145));
    DefineFundo(this, Qt::white);

    // Header: title, rule, banner with the three institution lines.
    CriaRotulo(this, QStringLiteral("Label1"), QStringLiteral("Ceravel"), 360, 105, 3000, 375,
               FonteArial(14.25, true, true));
    new Linha(this, QStringLiteral("Line1"), 360, 495, 10395, 495);
    auto* faixa = new Faixa(this, 990, 585, 9435, 855);
    EscreveLinhasFaixa(faixa, 4680, 4635, 1);

    // Input data.
    QGroupBox* entrada = Moldura(this, "Frame1", QStringLiteral("Dados de Entrada"), 360, 1755, 10065, 1140);
    CriaRotulo(entrada, QStringLiteral("RotuloData"), QStringLiteral("Data:"), 240, 360, 1100, 255, FonteLegenda());
    Valor(entrada, "Data", "Data", QStringLiteral("Data"), 1440, 360, 2400, 255, FonteValor(), Qt::AlignLeft);
    CriaRotulo(entrada, QStringLiteral("RotuloEpoca"), QStringLiteral("Época:"), 240, 720, 1100, 255, FonteLegenda());
    Valor(entrada, "Epoca", "Epoca", QStringLiteral("Época"), 1440, 720, 2400, 255, FonteValor(), Qt::AlignLeft);
    CriaRotulo(entrada, QStringLiteral("RotuloLatitude"), QStringLiteral("Latitude:"), 5160, 360, 1320, 255,
               FonteLegenda());
    Valor(entrada, "Latitude", "Lat", QStringLiteral("Latitude"), 6600, 360, 1395, 255, FonteValor(),
          Qt::AlignRight);
    CriaRotulo(entrada, QStringLiteral("Label16"), QStringLiteral("graus"), 8040, 360, 720, 255, FonteLegenda());
    CriaRotulo(entrada, QStringLiteral("RotuloLongitude"), QStringLiteral("Longitude:"), 5160, 720, 1320, 255,
               FonteLegenda());
    Valor(entrada, "Longitude", "Long", QStringLiteral("Longitude"), 6600, 720, 1395, 255, FonteValor(),
          Qt::AlignRight);
    CriaRotulo(entrada, QStringLiteral("Label15"), QStringLiteral("graus"), 8040, 720, 720, 255, FonteLegenda());

    // Declination: the compass with its needle and the declination frame.
    // The rose's own lines are prefixed so they do not clash with Line1 above.
    m_agulha = CriaBussola(this, -2475, 3210,
                           {QStringLiteral("Label5"), QStringLiteral("Label4"), QStringLiteral("Label17"),
                            QStringLiteral("Label18")},
                           QStringLiteral("Rosa"));
    QGroupBox* declinacao = Moldura(this, "FD", QStringLiteral("Ceravel"), 6360, 4320, 4020, 1230);
    CriaRotulo(declinacao, QStringLiteral("RotuloComponenteD"), QStringLiteral("Componente:"), 240, 450,
               1500, 285, FonteArial(11.25));
    Valor(declinacao, "DMIN2", "DMIN", QStringLiteral("Declinação"), 1680, 450, 2100, 285,
          FonteArial(11.25, true), Qt::AlignRight);
    CriaRotulo(declinacao, QStringLiteral("RotuloVariacaoD"), QStringLiteral("Variação:"), 240, 810, 1500,
               285, FonteArial(11.25));
    Valor(declinacao, "VD2", "VD", QStringLiteral("Variação anual da declinação"), 1680, 810, 2100, 285,
          FonteArial(11.25, true), Qt::AlignRight);

    // Complementary data.
    new Linha(this, QStringLiteral("Line18"), 240, 6720, 10440, 6720);
    CriaRotulo(this, QStringLiteral("Label8"), QStringLiteral("Dados Complementares"), 360, 6840, 4800,
               375, FonteArial(12, true))
        ->setProperty("indice", 0);
    QLabel* subtitulo = CriaRotulo(this, QStringLiteral("Label8"),
                                   QStringLiteral("Componentes Cartesianas do Campo Geomagnético no Brasil"),
                                   360, 7440, 3315, 615, FonteArial(11.25, false, true));
    subtitulo->setProperty("indice", 2);
    subtitulo->setWordWrap(true);

    const DadosMoldura molduras[] = {
        {"FX", "X", 360, 8040, "CX", "CX", "VX2", "VX", "Componente X"},
        {"FY", "Y", 360, 9000, "CY", "CY", "VY2", "VY", "Componente Y"},
        {"FZ", "Z", 360, 9960, "CZ", "CZ", "VZ2", "VZ", "Componente Z"},
        {"FF", "Intensidade Total", 5520, 8040, "CF", "CF", "VF2", "VF", "Intensidade total"},
        {"FI", "Inclinação", 5520, 9000, nullptr, nullptr, "VI2", "VI", "Inclinação"},
    };
    for (const auto& d : molduras)
        CriaMolduraComponente(this, d);
    // The inclination shows whole degrees and decimal minutes side by side.
    auto* fi = findChild<QGroupBox*>(QStringLiteral("FI"));
    Valor(fi, "INC2", "INC", QStringLiteral("Inclinação, graus"), 1320, 420, 495, 255, FonteValor(),
          Qt::AlignRight);
    Valor(fi, "AIMIN2", "AIMIN", QStringLiteral("Inclinação, minutos"), 1860, 420, 540, 255, FonteValor(),
          Qt::AlignRight);
}

QLabel* Relatorio::rotulo(const char* nome) const
{
    QLabel* r = findChild<QLabel*>(QString::fromLatin1(nome));
    Q_ASSERT(r);
    return r;
}

void Relatorio::preencheTextos(const TextosResultado& t)
{
    rotulo("Data")->setText(t.relData);
    rotulo("Epoca")->setText(t.relEpoca);
    rotulo("Longitude")->setText(t.relLongitude);
    rotulo("Label15")->setVisible(t.relGrausLongitude);
    rotulo("Latitude")->setText(t.relLatitude);
    rotulo("Label16")->setVisible(t.relGrausLatitude);
    rotulo("CX")->setText(t.cx);
    rotulo("VX2")->setText(t.vx2);
    rotulo("CY")->setText(t.cy);
    rotulo("VY2")->setText(t.vy2);
    rotulo("CZ")->setText(t.cz);
    rotulo("VZ2")->setText(t.vz2);
    rotulo("CF")->setText(t.cf);
    rotulo("VF2")->setText(t.vf2);
    rotulo("DMIN2")->setText(t.dmin);
    rotulo("VD2")->setText(t.vd);
    rotulo("INC2")->setText(t.inc2);
    rotulo("AIMIN2")->setText(t.aimin2);
    rotulo("VI2")->setText(t.vi2);
}

}  // namespace ceravel
