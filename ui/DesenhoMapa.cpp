// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DesenhoMapa.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace ceravel {

namespace {

// Map margins for the graticule labels, the legend's width, in logical pixels.
constexpr double MargemEsquerda = 46, MargemDireita = 12, MargemTopo = 14, MargemBaixo = 26;

QFont Fonte(double pixels, bool negrito = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    f.setBold(negrito);
    return f;
}

double LarguraLegenda(const QRectF& area)
{
    return std::clamp(area.width() * 0.28, 200.0, 300.0);
}

QString Maiuscula(QString texto)
{
    if (!texto.isEmpty())
        texto[0] = texto[0].toUpper();
    return texto;
}

QColor Cor(std::uint32_t rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

QPainterPath CaminhoAneis(const ContornoMapa& c, const ProjecaoMapa& proj)
{
    QPainterPath caminho;
    for (const auto& anel : c.aneis) {
        QPolygonF poligono;
        poligono.reserve(static_cast<qsizetype>(anel.size()));
        for (const PontoPlano& p : anel)
            poligono << proj.paraTela(p.y, p.x);
        caminho.addPolygon(poligono);
        caminho.closeSubpath();
    }
    return caminho;
}

void DesenhaSombreado(QPainter& p, const CenaMapa& cena, const ProjecaoMapa& proj)
{
    // Pixel centres of the image are the grid's nodes: the image reaches half
    // a cell beyond the box, and the clip cuts that off.
    const GradeValores& g = cena.grade;
    const QPointF no = proj.paraTela(g.y0 + (g.linhas - 1) * g.dy, g.x0);
    const double w = g.dx * proj.pixelsPorGrauLongitude(), h = g.dy * proj.pixelsPorGrauLatitude();
    const QRectF alvo(no.x() - w / 2, no.y() - h / 2, w * g.colunas, h * g.linhas);
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(alvo, cena.sombreado);
    p.restore();
}

void DesenhaGraticula(QPainter& p, const ProjecaoMapa& proj)
{
    const QRectF caixa = proj.caixa();
    p.save();
    p.setFont(Fonte(11));
    for (int lat = static_cast<int>(LatitudeMinimaMapa); lat <= LatitudeMaximaMapa; lat += 5) {
        const double y = proj.paraTela(lat, LongitudeMinimaMapa).y();
        p.setPen(QPen(QColor(90, 90, 90, 110), 0.6));
        p.drawLine(QPointF(caixa.left(), y), QPointF(caixa.right(), y));
        p.setPen(QColor(40, 40, 40));
        p.drawText(QRectF(caixa.left() - MargemEsquerda, y - 8, MargemEsquerda - 5, 16),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(lat) + u'\u00B0');
    }
    for (int lon = static_cast<int>(LongitudeMinimaMapa); lon <= LongitudeMaximaMapa; lon += 5) {
        const double x = proj.paraTela(LatitudeMinimaMapa, lon).x();
        p.setPen(QPen(QColor(90, 90, 90, 110), 0.6));
        p.drawLine(QPointF(x, caixa.top()), QPointF(x, caixa.bottom()));
        p.setPen(QColor(40, 40, 40));
        p.drawText(QRectF(x - 25, caixa.bottom() + 4, 50, 16), Qt::AlignHCenter | Qt::AlignTop,
                   QString::number(lon) + u'\u00B0');
    }
    p.restore();
}

// A text on a white box, centred on the origin of the painter.
void RotuloComFundo(QPainter& p, const QString& texto, const QFont& fonte)
{
    p.setFont(fonte);
    const QRectF caixa = p.fontMetrics().boundingRect(texto).toRectF();
    const QRectF fundo(-caixa.width() / 2 - 2, -caixa.height() / 2, caixa.width() + 4, caixa.height());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 215));
    p.drawRoundedRect(fundo, 2, 2);
    p.setPen(QColor(20, 20, 20));
    p.drawText(fundo, Qt::AlignCenter, texto);
}

void DesenhaIsolinhas(QPainter& p, const CenaMapa& cena, const ProjecaoMapa& proj, const QLocale& locale)
{
    const double escala = std::max(proj.caixa().width(), 1.0) / 700;
    std::vector<std::pair<QPolygonF, const Isolinha*>> projetadas;
    std::vector<std::size_t> nivelDe;
    for (std::size_t k = 0; k < cena.niveis.size(); ++k) {
        const bool zero = cena.niveis[k] == 0;
        p.setPen(zero ? QPen(QColor(0, 0, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                      : QPen(QColor(45, 45, 45), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        for (const Isolinha& l : cena.linhas[k]) {
            QPolygonF poligono;
            poligono.reserve(static_cast<qsizetype>(l.pontos.size()) + 1);
            for (const PontoPlano& ponto : l.pontos)
                poligono << proj.paraTela(ponto.y, ponto.x);
            if (l.fechada)
                p.drawPolygon(poligono);
            else
                p.drawPolyline(poligono);
            projetadas.emplace_back(std::move(poligono), &l);
            nivelDe.push_back(k);
        }
    }
    // Labels after every line, so no line crosses a label.
    const QFont fonte = Fonte(11), fonteZero = Fonte(11, true);
    for (std::size_t n = 0; n < projetadas.size(); ++n) {
        const auto& [poligono, linha] = projetadas[n];
        Isolinha tela;
        tela.fechada = linha->fechada;
        tela.pontos.reserve(static_cast<std::size_t>(poligono.size()));
        for (const QPointF& q : poligono)
            tela.pontos.push_back({q.x(), q.y()});
        const double nivel = cena.niveis[nivelDe[n]];
        const QString texto = TextoNivelMapa(cena.elemento, nivel, locale);
        // Staggered by level so labels of neighbouring lines do not line up.
        const double primeiro = (70 + 45 * static_cast<double>(nivelDe[n] % 4)) * escala;
        for (const PosicaoRotulo& r : PosicoesRotulos(tela, primeiro, 280 * escala, 30 * escala)) {
            if (!proj.caixa().adjusted(12, 8, -12, -8).contains(QPointF(r.ponto.x, r.ponto.y)))
                continue;
            p.save();
            p.translate(r.ponto.x, r.ponto.y);
            p.rotate(r.angulo * 180 / std::numbers::pi);
            RotuloComFundo(p, texto, nivel == 0 ? fonteZero : fonte);
            p.restore();
        }
    }
}

void DesenhaMarcador(QPainter& p, const QPointF& centro)
{
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(CorMarcadorMapa);
    p.drawEllipse(centro, 6, 6);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centro, 7.5, 7.5);
}

// Writes `texto` in the legend's column from `y`, wrapped; returns the next y.
double Texto(QPainter& p, double x, double y, double largura, const QString& texto, const QFont& fonte,
             QColor cor = QColor(20, 20, 20))
{
    p.setFont(fonte);
    p.setPen(cor);
    QRectF ocupado;
    p.drawText(QRectF(x, y, largura, 1000), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, texto, &ocupado);
    return y + ocupado.height();
}

void DesenhaLegenda(QPainter& p, const QRectF& area, const CenaMapa& cena, const FronteirasMapa& fronteiras,
                    const QLocale& locale)
{
    const double largura = LarguraLegenda(area) - 24;
    const double x = area.right() - LarguraLegenda(area) + 8;
    double y = area.top() + MargemTopo;
    const QFont normal = Fonte(12), pequena = Fonte(11);

    y = Texto(p, x, y, largura, NomeElementoMapa(cena.elemento), Fonte(15, true)) + 2;
    y = Texto(p, x, y, largura, QStringLiteral("Unidade: ") + UnidadeElementoMapa(cena.elemento), normal) + 8;

    // Colour bar over the values on the map, highest at the top.
    const double alturaBarra = std::clamp(area.height() * 0.34, 90.0, 260.0), larguraBarra = 20;
    const QRectF barra(x, y, larguraBarra, alturaBarra);
    const double faixa = cena.maximo - cena.minimo;
    QImage gradiente(1, 256, QImage::Format_RGB32);
    for (int k = 0; k < 256; ++k)
        gradiente.setPixel(0, k, 0xff000000u | cena.escala.cor(cena.maximo - faixa * k / 255.0));
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(barra, gradiente);
    p.restore();
    p.setPen(QPen(QColor(60, 60, 60), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(barra);
    p.setFont(pequena);
    const double passoTela = faixa > 0 ? alturaBarra * cena.intervalo / faixa : alturaBarra;
    const std::size_t salto = std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil(14 / passoTela)));
    for (std::size_t k = 0; k < cena.niveis.size(); ++k) {
        const double nivel = cena.niveis[k];
        // Every `salto`-th level, counted from zero so that zero keeps its tick.
        if (static_cast<long long>(std::llround(nivel / cena.intervalo)) % static_cast<long long>(salto) != 0)
            continue;
        const double yn = faixa > 0 ? barra.top() + (cena.maximo - nivel) / faixa * alturaBarra : barra.center().y();
        p.setPen(QPen(QColor(20, 20, 20), nivel == 0 ? 2.2 : 0.9));
        p.drawLine(QPointF(barra.left(), yn), QPointF(barra.right() + 4, yn));
        p.setPen(QColor(20, 20, 20));
        p.drawText(QRectF(barra.right() + 7, yn - 8, largura - larguraBarra - 7, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   TextoNivelMapa(cena.elemento, nivel, locale));
    }
    y = barra.bottom() + 12;

    // The kinds of line, the point.
    const auto amostra = [&](const QPen& caneta, const QString& texto) {
        p.setPen(caneta);
        p.drawLine(QPointF(x, y + 8), QPointF(x + 26, y + 8));
        y = Texto(p, x + 34, y, largura - 34, texto, normal) + 4;
    };
    amostra(QPen(QColor(45, 45, 45), 0.9),
            QStringLiteral("Isolinhas (%1) a cada %2")
                .arg(NomeLinhasMapa(cena.elemento), TextoIntervaloMapa(cena.elemento, cena.intervalo, locale)));
    if (!NomeLinhaZeroMapa(cena.elemento).isEmpty())
        amostra(QPen(Qt::black, 2.6), Maiuscula(NomeLinhaZeroMapa(cena.elemento)));
    DesenhaMarcador(p, QPointF(x + 13, y + 9));
    y = Texto(p, x + 34, y, largura - 34,
              QStringLiteral("Ponto calculado: %1, %2\n%3")
                  .arg(TextoCoordenadaMapa(cena.latitude, locale), TextoCoordenadaMapa(cena.longitude, locale),
                       TextoValorMapa(cena.elemento, cena.valorPonto, locale)),
              normal) +
        8;

    y = Texto(p, x, y, largura,
              (cena.igrf ? QStringLiteral("Modelo IGRF-14 (IAGA), ao nível do mar")
                         : QStringLiteral("Modelo regional do Ceravel (COEF-D2000, COEF-I2000, COEF-F2000)")) +
                  QStringLiteral("\nData: %1 (época %2)").arg(cena.data, cena.epoca),
              normal) +
        8;
    if (cena.igrf) {
        Texto(p, x, y, largura,
              fronteiras.erro.isEmpty() ? QStringLiteral("Fronteiras: Natural Earth (1:50 milhões).") : fronteiras.erro,
              pequena, fronteiras.erro.isEmpty() ? QColor(70, 70, 70) : QColor(160, 0, 0));
        return;
    }

    // What the paler shading means: a swatch as inside Brazil, one as outside.
    const QColor exemplo = Cor(cena.escala.cor(cena.minimo + faixa * 0.3));
    const QRectF dentro(x, y + 2, 12, 12), fora(x + 14, y + 2, 12, 12);
    p.setPen(QPen(QColor(60, 60, 60), 0.8));
    p.setBrush(exemplo);
    p.drawRect(dentro);
    p.drawRect(fora);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawRect(fora);
    y = Texto(p, x + 34, y, largura - 34, TextoPrecisaoMapa(cena.elemento, locale), pequena) + 8;

    Texto(p, x, y, largura,
          fronteiras.erro.isEmpty() ? QStringLiteral("Fronteiras: Natural Earth (1:50 milhões).") : fronteiras.erro,
          pequena, fronteiras.erro.isEmpty() ? QColor(70, 70, 70) : QColor(160, 0, 0));
}

}  // namespace

FronteirasMapa LeFronteirasMapa(const QString& pastaPrograma)
{
    FronteirasMapa f;
    LeituraContornoMapa brasil = LeContornoMapa(QDir(pastaPrograma).filePath(QString::fromLatin1(ArquivoContornoBrasil)));
    LeituraContornoMapa vizinhos =
        LeContornoMapa(QDir(pastaPrograma).filePath(QString::fromLatin1(ArquivoContornoVizinhos)));
    f.brasil = std::move(brasil.contorno);
    f.vizinhos = std::move(vizinhos.contorno);
    f.erro = brasil.erro.isEmpty() ? vizinhos.erro : brasil.erro;
    return f;
}

namespace {

CenaMapa MontaCena(GradeValores grade, ElementoMapa elemento)
{
    CenaMapa c;
    c.elemento = elemento;
    c.grade = std::move(grade);
    double minimo = INFINITY, maximo = -INFINITY;
    for (const double v : c.grade.valores)
        if (!std::isnan(v)) {
            minimo = std::min(minimo, v);
            maximo = std::max(maximo, v);
        }
    if (!(minimo <= maximo))
        minimo = maximo = 0;
    c.minimo = minimo;
    c.maximo = maximo;
    c.intervalo = IntervaloIsolinhas(elemento, minimo, maximo);
    c.niveis = NiveisIsolinhas(minimo, maximo, c.intervalo);
    c.linhas.reserve(c.niveis.size());
    for (const double nivel : c.niveis)
        c.linhas.push_back(TracaIsolinhas(c.grade, nivel));
    c.escala = EscalaCores(EscalaDivergente(elemento), minimo, maximo);

    const GradeValores& g = c.grade;
    c.sombreado = QImage(g.colunas, g.linhas, QImage::Format_RGB32);
    for (int j = 0; j < g.linhas; ++j) {
        auto* linha = reinterpret_cast<QRgb*>(c.sombreado.scanLine(g.linhas - 1 - j));
        for (int i = 0; i < g.colunas; ++i) {
            const double v = g.valor(i, j);
            linha[i] = std::isnan(v) ? qRgb(200, 200, 200) : (0xff000000u | c.escala.cor(v));
        }
    }
    return c;
}

}  // namespace

CenaMapa MontaCenaMapa(const ConjuntosCoeficientes& conjuntos, ElementoMapa elemento, double t)
{
    return MontaCena(GradeElementoMapa(conjuntos, elemento, t, ColunasGradeMapa, LinhasGradeMapa), elemento);
}

CenaMapa MontaCenaMapa(AvaliadorIgrf14& igrf, ElementoMapa elemento, double ano)
{
    CenaMapa c = MontaCena(GradeElementoMapa(igrf, elemento, ano, ColunasGradeMapa, LinhasGradeMapa), elemento);
    c.igrf = true;
    return c;
}


QRectF AreaGeograficaMapa(const QRectF& area)
{
    return QRectF(area.left() + MargemEsquerda, area.top() + MargemTopo,
                  std::max(1.0, area.width() - LarguraLegenda(area) - MargemEsquerda - MargemDireita),
                  std::max(1.0, area.height() - MargemTopo - MargemBaixo));
}

void DesenhaMapa(QPainter& p, const QRectF& area, const CenaMapa& cena, const FronteirasMapa& fronteiras,
                 const QLocale& locale)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.fillRect(area, Qt::white);
    const ProjecaoMapa proj(AreaGeograficaMapa(area));
    const QRectF caixa = proj.caixa();

    p.save();
    p.setClipRect(caixa);
    DesenhaSombreado(p, cena, proj);
    if (fronteiras.brasil && !cena.igrf) {
        // Outside Brazil the shading is veiled: the box with Brazil's rings as holes.
        QPainterPath fora;
        fora.addRect(caixa);
        fora.addPath(CaminhoAneis(*fronteiras.brasil, proj));
        fora.setFillRule(Qt::OddEvenFill);
        p.fillPath(fora, QColor(255, 255, 255, 150));
    }
    p.restore();

    DesenhaGraticula(p, proj);

    p.save();
    p.setClipRect(caixa);
    p.setBrush(Qt::NoBrush);
    if (fronteiras.vizinhos) {
        p.setPen(QPen(QColor(80, 80, 80), 0.8));
        p.drawPath(CaminhoAneis(*fronteiras.vizinhos, proj));
    }
    if (fronteiras.brasil) {
        p.setPen(QPen(QColor(20, 20, 20), 1.5));
        p.drawPath(CaminhoAneis(*fronteiras.brasil, proj));
    }
    DesenhaIsolinhas(p, cena, proj, locale);

    const QPointF ponto = proj.paraTela(cena.latitude, cena.longitude);
    DesenhaMarcador(p, ponto);
    // The value beside the point, on the side with more room.
    p.save();
    const QString valor = TextoValorMapa(cena.elemento, cena.valorPonto, locale);
    const QFont fonte = Fonte(12, true);
    const QFontMetricsF medida(fonte);
    const QRectF rotulo =
        RetanguloRotuloPonto(ponto, QSizeF(medida.horizontalAdvance(valor) + 4, medida.height()), caixa);
    p.translate(rotulo.center());
    RotuloComFundo(p, valor, fonte);
    p.restore();
    p.restore();

    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(caixa);

    DesenhaLegenda(p, area, cena, fronteiras, locale);
    p.restore();
}

}  // namespace ceravel
