// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/DesenhoPoligono.h"

#include "present/Formatacao.h"
#include "calc/RegrasRumos.h"
#include "present/TextosAngulo.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ceravel {

namespace {

// Room for names and labels around the figure, pixels.
constexpr double Margem = 70;
// About the width of a character of the labels (8 points), pixels.
constexpr double LarguraCaractere = 5.5;
// The grid's spacing: the round length that gives at most this many lines across.
constexpr int LinhasGrade = 6;

struct Caixa {
    double minE = 0, maxE = 0, minN = 0, maxN = 0;
    void Inclui(PontoEN p, bool primeiro)
    {
        minE = primeiro ? p.E : std::min(minE, p.E);
        maxE = primeiro ? p.E : std::max(maxE, p.E);
        minN = primeiro ? p.N : std::min(minN, p.N);
        maxN = primeiro ? p.N : std::max(maxN, p.N);
    }
};

QString TextoMetros(double metros, const QLocale& locale)
{
    if (metros >= 1000)
        return QString::number(metros / 1000) + QStringLiteral(" km");
    return QString::number(metros).replace(u'.', locale.decimalPoint()) + QStringLiteral(" m");
}

QString RotuloSegmento(const SegmentoPoligonal& s, const QLocale& locale)
{
    return TextoGms(ReduzAzimute(SegundosArredondados(s.azimuteVerdadeiro)), locale) + QStringLiteral("  ") +
           FormataPadrao(s.distancia, Padrao::DuasDecimais, locale) + QStringLiteral(" m");
}

// A direction turned to point away from `centro`.
QPointF ParaFora(QPointF normal, QPointF ponto, QPointF centro)
{
    const QPointF d = ponto - centro;
    return d.x() * normal.x() + d.y() * normal.y() < 0 ? -normal : normal;
}

QPointF Unitario(QPointF v)
{
    const double n = std::hypot(v.x(), v.y());
    return n > 0 ? v / n : QPointF(0, -1);
}

}  // namespace

double ComprimentoRedondo(double maximo)
{
    if (!(maximo > 0))
        return 1;
    const double potencia = std::pow(10.0, std::floor(std::log10(maximo)));
    for (const double m : {5.0, 2.0, 1.0})
        if (m * potencia <= maximo)
            return m * potencia;
    return potencia;
}

DesenhoPoligono CalculaDesenhoPoligono(const ResultadoPoligonal& r, const std::vector<SegmentoPoligonal>& segmentos,
                                       QSizeF tamanho, const QLocale& locale,
                                       const std::vector<QString>& rotulosSegmentos,
                                       std::optional<double> declinacao)
{
    DesenhoPoligono d;
    if (r.vertices.empty())
        return d;
    d.fechado = r.fechamento.has_value();

    Caixa c;
    for (std::size_t i = 0; i < r.vertices.size(); ++i)
        c.Inclui(r.vertices[i].plano, i == 0);
    if (r.chegada)
        c.Inclui(*r.chegada, false);
    const double extE = std::max(c.maxE - c.minE, 1e-3), extN = std::max(c.maxN - c.minN, 1e-3);
    // The norths' corner is left to them: the figure fits beside it or under
    // it, whichever draws it larger. A canvas too small for both (the figure
    // under half its size) keeps the figure and leaves the norths out.
    const auto escala = [&](double largura, double altura) {
        return std::min(std::max(largura - 2 * Margem, 1.0) / extE, std::max(altura - 2 * Margem, 1.0) / extN);
    };
    const double aoLado = escala(tamanho.width() - LarguraSimboloNortes, tamanho.height());
    const double acima = escala(tamanho.width(), tamanho.height() - AlturaSimboloNortes);
    if (declinacao && std::max(aoLado, acima) < escala(tamanho.width(), tamanho.height()) / 2)
        declinacao.reset();
    double reservaLado = 0, reservaTopo = 0;
    if (declinacao && aoLado >= acima)
        reservaLado = LarguraSimboloNortes;
    else if (declinacao)
        reservaTopo = AlturaSimboloNortes;
    const double largura = std::max(tamanho.width() - reservaLado - 2 * Margem, 1.0);
    const double altura = std::max(tamanho.height() - reservaTopo - 2 * Margem, 1.0);
    d.pixelsPorMetro = std::min(largura / extE, altura / extN);
    // The figure centred in the canvas.
    const double meioE = (c.minE + c.maxE) / 2, meioN = (c.minN + c.maxN) / 2;
    const double centroX = (tamanho.width() - reservaLado) / 2, centroY = (tamanho.height() + reservaTopo) / 2;
    const auto tela = [&](PontoEN p) {
        return QPointF(centroX + (p.E - meioE) * d.pixelsPorMetro, centroY - (p.N - meioN) * d.pixelsPorMetro);
    };
    const auto terreno = [&](QPointF q) {
        return PontoEN{meioE + (q.x() - centroX) / d.pixelsPorMetro, meioN - (q.y() - centroY) / d.pixelsPorMetro};
    };

    QPointF centro;
    for (const VerticePlano& v : r.vertices) {
        d.vertices.push_back(tela(v.plano));
        centro += d.vertices.back();
    }
    centro /= static_cast<double>(d.vertices.size());
    d.inicial = d.vertices[static_cast<std::size_t>(r.indiceInicial)];
    if (r.chegada && r.fechamento && r.fechamento->precisao)
        d.lacuna = QLineF(tela(*r.chegada), d.inicial);

    // Names just outside the figure, away from its centre.
    for (std::size_t i = 0; i < d.vertices.size(); ++i) {
        const QPointF fora = Unitario(d.vertices[i] - centro);
        Qt::Alignment h = fora.x() > 0.3 ? Qt::AlignLeft : fora.x() < -0.3 ? Qt::AlignRight : Qt::AlignHCenter;
        Qt::Alignment v = fora.y() > 0.3 ? Qt::AlignTop : fora.y() < -0.3 ? Qt::AlignBottom : Qt::AlignVCenter;
        d.nomes.push_back({d.vertices[i] + fora * 8, r.vertices[i].nome, h | v, 0});
    }

    // Labels along each segment, upright, on its outer side.
    for (std::size_t i = 0; i < segmentos.size() && i < r.vertices.size(); ++i) {
        const QPointF a = d.vertices[i];
        const QPointF b = i + 1 < d.vertices.size() ? d.vertices[i + 1] : d.vertices[0];
        const QPointF meio = (a + b) / 2;
        const QPointF dir = Unitario(b - a);
        const QPointF normal = ParaFora(QPointF(dir.y(), -dir.x()), meio, centro);
        double angulo = -std::atan2(dir.y(), dir.x()) * 180 / std::numbers::pi;
        if (angulo > 90)
            angulo -= 180;
        else if (angulo <= -90)
            angulo += 180;
        const QString texto = i < rotulosSegmentos.size() ? rotulosSegmentos[i] : RotuloSegmento(segmentos[i], locale);
        // A label longer than its side would cover its neighbours: left out (the table has it).
        if (QLineF(a, b).length() < texto.size() * LarguraCaractere)
            continue;
        // Screen-up of the turned text: the side the normal points to decides the alignment.
        const double th = angulo * std::numbers::pi / 180;
        const QPointF cima(-std::sin(th), -std::cos(th));
        const bool acima = cima.x() * normal.x() + cima.y() * normal.y() > 0;
        d.rotulos.push_back({meio + normal * 4, texto, Qt::AlignHCenter | (acima ? Qt::AlignBottom : Qt::AlignTop),
                             angulo});
    }

    // The UTM grid over the whole canvas, at round metres, labelled on the left and bottom edges.
    const PontoEN canto0 = terreno(QPointF(0, tamanho.height())), canto1 = terreno(QPointF(tamanho.width(), 0));
    const double passo = ComprimentoRedondo(std::max(canto1.E - canto0.E, canto1.N - canto0.N) / LinhasGrade * 2);
    QLocale agrupado = locale;
    agrupado.setNumberOptions(QLocale::DefaultNumberOptions);
    for (double e = std::ceil(canto0.E / passo) * passo; e <= canto1.E; e += passo) {
        const double x = tela({e, meioN}).x();
        d.grade.emplace_back(x, 0, x, tamanho.height());
        d.rotulosGrade.push_back({QPointF(x, tamanho.height() - 2),
                                  QStringLiteral("E ") + agrupado.toString(static_cast<qlonglong>(std::llround(e))),
                                  Qt::AlignHCenter | Qt::AlignBottom, 0});
    }
    for (double n = std::ceil(canto0.N / passo) * passo; n <= canto1.N; n += passo) {
        const double y = tela({meioE, n}).y();
        d.grade.emplace_back(0, y, tamanho.width(), y);
        d.rotulosGrade.push_back({QPointF(2, y - 2),
                                  QStringLiteral("N ") + agrupado.toString(static_cast<qlonglong>(std::llround(n))),
                                  Qt::AlignLeft | Qt::AlignBottom, 0});
    }

    // Scale bar at the bottom right, at most a quarter of the width.
    const double metros = ComprimentoRedondo(tamanho.width() / 4 / d.pixelsPorMetro);
    const double comprimento = metros * d.pixelsPorMetro;
    const QPointF fim(tamanho.width() - 20, tamanho.height() - 24);
    const QPointF inicio = fim - QPointF(comprimento, 0);
    d.barraEscala = QLineF(inicio, fim);
    for (const double f : {0.0, 0.5, 1.0}) {
        const QPointF p = inicio + QPointF(comprimento * f, 0);
        d.divisoesBarra.emplace_back(p - QPointF(0, 5), f == 0.5 ? p : p + QPointF(0, 5));
    }
    d.textoEscala = {(inicio + fim) / 2 - QPointF(0, 7), TextoMetros(metros, locale),
                     Qt::AlignHCenter | Qt::AlignBottom, 0};

    if (declinacao)
        d.nortes = DispoeSimboloNortes(DispoeTresNortes(r.convergenciaInicial, *declinacao),
                                       QPointF(tamanho.width() - 4, 4));
    return d;
}

}  // namespace ceravel
