// SPDX-License-Identifier: GPL-3.0-or-later
#include "memorial/TabelaMemorial.h"

#include "calc/RegrasRumos.h"
#include "present/Formatacao.h"
#include "present/TextosAngulo.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace ceravel {

namespace {

// Whole seconds as decimal degrees (six decimals at most).
QString Graus(long long segundos, const QLocale& locale)
{
    return TextoGrausDecimais(segundos / 3600.0, locale);
}

QString SemQuebras(QString t)
{
    for (QChar& c : t)
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    return t;
}

QString Csv(const QString& t)
{
    if (!t.contains(u';') && !t.contains(u'"') && !t.contains(u'\n') && !t.contains(u'\r'))
        return t;
    QString c = t;
    c.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + c + u'"';
}

}  // namespace

QString TituloColuna(ColunaMemorial coluna)
{
    switch (coluna) {
    case ColunaMemorial::De: return QStringLiteral("De");
    case ColunaMemorial::Para: return QStringLiteral("Para");
    case ColunaMemorial::Rumo: return QStringLiteral("Rumo ou azimute");
    case ColunaMemorial::Distancia: return QStringLiteral("Distância (m)");
    case ColunaMemorial::Confrontante: return QStringLiteral("Confrontante");
    case ColunaMemorial::AzVerdadeiro: return QStringLiteral("Azimute verdadeiro");
    case ColunaMemorial::RumoVerdadeiro: return QStringLiteral("Rumo verdadeiro");
    case ColunaMemorial::AzMagnetico: return QStringLiteral("Azimute magnético na conversão");
    case ColunaMemorial::RumoMagnetico: return QStringLiteral("Rumo magnético na conversão");
    case ColunaMemorial::DecLevantamento: return QStringLiteral("Declinação no levantamento");
    case ColunaMemorial::DecConversao: return QStringLiteral("Declinação na conversão");
    case ColunaMemorial::AzVerdadeiroGraus: return QStringLiteral("Azimute verdadeiro (graus)");
    case ColunaMemorial::AzMagneticoGraus: return QStringLiteral("Azimute magnético na conversão (graus)");
    case ColunaMemorial::DecLevantamentoGraus: return QStringLiteral("Declinação no levantamento (graus)");
    case ColunaMemorial::DecConversaoGraus: return QStringLiteral("Declinação na conversão (graus)");
    case ColunaMemorial::Mensagem: return QStringLiteral("Mensagem");
    }
    return {};
}

TabelaMemorial TabelaResultados(const ConversaoMemorial& c, const QLocale& locale)
{
    TabelaMemorial t;
    for (int i = 0; i < ColunasMemorial; ++i)
        t.titulos << TituloColuna(static_cast<ColunaMemorial>(i));
    t.linhas.reserve(c.segmentos.size());
    for (size_t i = 0; i < c.segmentos.size(); ++i) {
        const SegmentoMemorial& s = c.memorial.segmentos[i];
        const ResultadoSegmento& r = c.segmentos[i];
        QStringList l;
        l.reserve(ColunasMemorial);
        l << s.de << s.para << s.rumo;
        if (!r.convertido) {
            l << s.distancia << s.confrontante;
            for (int k = static_cast<int>(ColunaMemorial::AzVerdadeiro); k < ColunasMemorial - 1; ++k)
                l << QString();
            l << r.motivo;
        } else {
            const SegmentoConvertido& v = *r.convertido;
            const long long verd = SegundosArredondados(v.verdadeiro), mag = SegundosArredondados(v.magneticoConversao);
            const ValoresVertice d = ValoresUsados(c, r);
            l << TextoNumeroGeral(v.distancia, locale) << s.confrontante << TextoGms(verd, locale)
              << TextoRumo(verd, locale) << TextoGms(mag, locale) << TextoRumo(mag, locale)
              << TextoGms(d.levantamento, locale) << TextoGms(d.conversao, locale) << Graus(verd, locale)
              << Graus(mag, locale) << Graus(d.levantamento, locale) << Graus(d.conversao, locale) << QString();
        }
        t.linhas.push_back(std::move(l));
    }
    return t;
}

QStringList ResumoMemorial(const ConversaoMemorial& c, const QLocale& locale)
{
    const DadosMemorial& d = c.memorial.dados;
    QStringList r;
    r << QStringLiteral("Posição da declinação: latitude %1°, longitude %2° (graus decimais).")
             .arg(TextoGrausDecimais(c.latitude, locale), TextoGrausDecimais(c.longitude, locale));
    r << QStringLiteral("Modelo: %1.").arg(c.modelo == ModeloMemorial::Regional
                                               ? QStringLiteral("regional (1995 a 2005)")
                                               : QStringLiteral("IGRF-14 (IAGA), ao nível do mar"));
    if (!c.avisoModelo.isEmpty())
        r << c.avisoModelo;
    QString levantamento = QStringLiteral("Levantamento: %1").arg(d.levantamento.trimmed());
    if (c.levantamentoSoAno)
        levantamento += QStringLiteral(" (só o ano: tomado 1º de julho)");
    const QString declinacao = c.porVertice ? QStringLiteral("declinação na posição") : QStringLiteral("declinação");
    r << levantamento + QStringLiteral("; %1 %2 (variação anual %3'/ano).")
                            .arg(declinacao)
                            .arg(TextoGms(c.levantamento.segundos, locale),
                                 locale.toString(c.levantamento.dD * 60.0, 'f', 1));
    r << QStringLiteral("Conversão: %1; %2 %3 (variação anual %4'/ano).")
             .arg(d.conversao.trimmed(), declinacao, TextoGms(c.conversao.segundos, locale),
                  locale.toString(c.conversao.dD * 60.0, 'f', 1));
    switch (d.referencia) {
    case ReferenciaMemorial::Magnetico:
        r << QStringLiteral("Rumos do memorial: magnéticos no levantamento. Verdadeiro = magnético + declinação no "
                            "levantamento; magnético na conversão = verdadeiro − declinação na conversão "
                            "(declinação positiva a leste).");
        break;
    case ReferenciaMemorial::Verdadeiro:
        r << QStringLiteral("Rumos do memorial: verdadeiros. Magnético na conversão = verdadeiro − declinação na "
                            "conversão (declinação positiva a leste).");
        break;
    case ReferenciaMemorial::Quadricula:
        r << QStringLiteral("Rumos do memorial: de quadrícula (plano UTM, SIRGAS 2000, fuso %1). Convergência "
                            "meridiana%4 %2 (norte de quadrícula %3 do norte verdadeiro); verdadeiro = quadrícula + "
                            "convergência; magnético na conversão = verdadeiro − declinação na conversão.")
                 .arg(c.zona)
                 .arg(TextoGms(c.convergenciaSegundos, locale),
                      c.convergenciaSegundos < 0 ? QStringLiteral("a oeste") : QStringLiteral("a leste"),
                      c.porVertice ? QStringLiteral(" na posição") : QString());
        break;
    }
    r << FraseDeclinacao(c, locale);
    return r;
}

QString FraseDeclinacao(const ConversaoMemorial& c, const QLocale& locale)
{
    if (!c.perimetro)
        return QStringLiteral(
            "Uma só declinação, a da posição, serve ao memorial inteiro. No Brasil ela muda até cerca de 40 segundos "
            "de arco por quilômetro: entre vértices a poucos quilômetros um do outro, de segundos a um ou dois "
            "minutos, abaixo do que uma bússola permite ler. Com o vértice inicial do polígono, ela é comparada à de "
            "cada vértice e, num perímetro de mais de 10 km, cada segmento usa a do seu vértice de partida.");
    // The least and greatest of one value over the rows' start vertices, and the
    // largest difference from the position's.
    const auto extremos = [&c](long long ValoresVertice::*campo, long long daPosicao) {
        long long menor = 0, maior = 0, diferenca = 0;
        bool primeiro = true;
        for (const ResultadoSegmento& s : c.segmentos)
            if (s.vertice) {
                const long long v = (*s.vertice).*campo;
                menor = primeiro ? v : std::min(menor, v);
                maior = primeiro ? v : std::max(maior, v);
                diferenca = std::max(diferenca, std::abs(v - daPosicao));
                primeiro = false;
            }
        return std::array<long long, 3>{menor, maior, diferenca};
    };
    const auto lev = extremos(&ValoresVertice::levantamento, c.levantamento.segundos);
    const auto conv = extremos(&ValoresVertice::conversao, c.conversao.segundos);
    const auto gama = extremos(&ValoresVertice::convergencia, c.convergenciaSegundos);
    const QString km = locale.toString(*c.perimetro / 1000, 'f', 3);
    if (!c.porVertice) {
        QString f = QStringLiteral("Uma só declinação, a da posição, serve ao memorial inteiro (perímetro de %1 km, "
                                   "até 10 km): nos vértices de partida ela difere da usada em até %2 no levantamento "
                                   "e %3 na conversão")
                        .arg(km, TextoGms(lev[2], locale), TextoGms(conv[2], locale));
        if (c.convergencia)
            f += QStringLiteral(", e a convergência em até %1").arg(TextoGms(gama[2], locale));
        return f + u'.';
    }
    const auto faixa = [&locale](const std::array<long long, 3>& e) {
        return e[0] == e[1] ? TextoGms(e[0], locale)
                            : QStringLiteral("de %1 a %2").arg(TextoGms(e[0], locale), TextoGms(e[1], locale));
    };
    QString f = QStringLiteral("Perímetro de %1 km, mais de 10 km: cada segmento usa a declinação do seu vértice de "
                               "partida, pelas coordenadas do primeiro cálculo do polígono, %2 no levantamento e %3 "
                               "na conversão")
                    .arg(km, faixa(lev), faixa(conv));
    if (c.convergencia)
        f += QStringLiteral(", e a convergência desse vértice, %1").arg(faixa(gama));
    return f + QStringLiteral(". A declinação da posição não serve aos segmentos.");
}

QString CreditoModelo(ModeloMemorial modelo)
{
    if (modelo == ModeloMemorial::Regional)
        return QStringLiteral("Modelo regional do Ceravel (1995 a 2005), ajustado ao IGRF-14 (IAGA, CC BY 4.0). "
                              "Anomalias crustais locais podem afastar a declinação real da calculada.");
    return QStringLiteral("IGRF-14, International Geomagnetic Reference Field, IAGA (CC BY 4.0). O IGRF representa "
                          "apenas o campo principal da Terra; anomalias crustais locais podem afastar a declinação "
                          "real da calculada em até cerca de um grau ou mais.");
}

QString TextoTabulado(const TabelaMemorial& t)
{
    QString saida;
    const auto linha = [&saida](const QStringList& celulas) {
        for (qsizetype i = 0; i < celulas.size(); ++i) {
            if (i)
                saida += u'\t';
            saida += SemQuebras(celulas[i]);
        }
        saida += u'\n';
    };
    linha(t.titulos);
    for (const QStringList& l : t.linhas)
        linha(l);
    return saida;
}

QStringList LinhasCsv(const TabelaMemorial& t)
{
    QStringList saida;
    const auto linha = [&saida](const QStringList& celulas) {
        QStringList c;
        for (const QString& x : celulas)
            c << Csv(x);
        saida << c.join(u';');
    };
    linha(t.titulos);
    for (const QStringList& l : t.linhas)
        linha(l);
    return saida;
}

}  // namespace ceravel
