// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DComp.h"

#include "ui/Controles.h"
#include "ui/Figuras.h"
#include "ui/Linha.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace ceravel {

namespace {

const Qt::Alignment Direita = Qt::AlignRight | Qt::AlignTop;

QLabel* Valor(QWidget* pai, const char* nome, const char* design, double esquerda, double largura,
              const QString& nomeAcessivel)
{
    auto* r = CriaRotulo(pai, QString::fromLatin1(nome), QString::fromLatin1(design), esquerda, 225, largura,
                         240, FonteArial(8.25, true), Direita);
    r->setAccessibleName(nomeAcessivel);
    return r;
}

}  // namespace

DComp::DComp(QWidget* pai) : QDialog(pai, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("DComp"));
    setWindowTitle(QStringLiteral("Dados Complementares"));
    setWindowIcon(IconeCeravel());
    setFixedSize(Px(4395), Px(4710));
    DefineFundo(this, CinzaClaro);

    auto* titulo = CriaRotulo(this, QStringLiteral("Label1"),
                              QStringLiteral("Componentes Cartesianas do Campo Geomagnético no Brasil"), 135, 135,
                              3165, 510, FonteArial(9.75, true, true));
    titulo->setWordWrap(true);

    const QFont fonteMoldura = FonteArial(9, true, true);
    const auto moldura = [&](const char* nome, const QString& legenda, double topo) {
        auto* m = CriaMoldura(this, QString::fromLatin1(nome), legenda, 135, topo, 4065, 510, fonteMoldura);
        CriaRotulo(m, QStringLiteral("Label2"), QStringLiteral("Componente:"), 90, 225, 1050, 240,
                   FonteArial(8.25));
        CriaRotulo(m, QStringLiteral("Label3"), QStringLiteral("Variação:"), 2070, 225, 1095, 240,
                   FonteArial(8.25));
        m->hide();
        return m;
    };
    const struct { Moldura* destino; const char* nome; const char* legenda; double topo;
                   const char *valor, *design, *variacao, *designVariacao, *acessivel, *acessivelVariacao; }
        componentes[] = {
            {&m_x, "FX", "X", 720, "CX", "CX", "VX2", "VX", "Componente X (norte)", "Variação anual de X"},
            {&m_y, "FY", "Y", 1350, "CY", "CY", "VY2", "VY", "Componente Y (leste)", "Variação anual de Y"},
            {&m_z, "FZ", "Z", 1950, "CZ", "CZ", "VZ2", "VZ", "Componente Z (vertical)", "Variação anual de Z"},
            {&m_f, "FF", "Intensidade Total", 2850, "CF", "CF", "VF2", "VF", "Intensidade total",
             "Variação anual da intensidade total"},
        };
    for (const auto& c : componentes) {
        QGroupBox* m = moldura(c.nome, QString::fromUtf8(c.legenda), c.topo);
        *c.destino = {m, Valor(m, c.valor, c.design, 1080, 735, QString::fromUtf8(c.acessivel)),
                      Valor(m, c.variacao, c.designVariacao, 2655, 1275, QString::fromUtf8(c.acessivelVariacao)),
                      nullptr};
    }
    QGroupBox* fi = moldura("FI", QStringLiteral("Inclinação"), 3390);
    m_i = {fi, Valor(fi, "INC2", "INC", 1035, 330, QStringLiteral("Inclinação, graus")),
           Valor(fi, "VI2", "VI", 2655, 1275, QStringLiteral("Variação anual da inclinação")),
           Valor(fi, "AIMIN2", "AIMIN", 1440, 510, QStringLiteral("Inclinação, minutos"))};

    new Linha(this, QStringLiteral("Line1"), 135, 2610, 4200, 2610, Qt::black, 1);

    auto* ok = CriaBotao(this, QStringLiteral("Command1"), QStringLiteral("OK"), 2835, 4140, 1365, 375);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void DComp::escreveComponentes(const TextosResultado& t)
{
    m_x.valor->setText(t.cx);
    m_x.variacao->setText(t.vx2);
    m_y.valor->setText(t.cy);
    m_y.variacao->setText(t.vy2);
    m_z.valor->setText(t.cz);
    m_z.variacao->setText(t.vz2);
    m_f.valor->setText(t.cf);
    m_f.variacao->setText(t.vf2);
}

void DComp::escreveInclinacao(const TextosResultado& t)
{
    m_i.valor->setText(t.inc2);
    m_i.minutos->setText(t.aimin2);
    m_i.variacao->setText(t.vi2);
}

void DComp::escreveModelo(ModeloCalculo modelo)
{
    setWindowTitle(modelo == ModeloCalculo::Igrf14 ? QStringLiteral("Dados Complementares - Modelo IGRF-14 (IAGA)")
                                                   : QStringLiteral("Dados Complementares"));
}

void DComp::mostraMolduras()
{
    for (const Moldura* m : {&m_x, &m_y, &m_z, &m_f, &m_i})
        m->moldura->show();
}

}  // namespace ceravel
