// SPDX-License-Identifier: GPL-3.0-or-later
#include "memorial/TabelaMemorial.h"

#include "calc/RegrasRumos.h"
#include "present/Formatacao.h"
#include "present/TextosAngulo.h"

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
    const QString decLev = TextoGms(c.levantamento.segundos, locale);
    const QString decConv = TextoGms(c.conversao.segundos, locale);
    const QString decLevGraus = Graus(c.levantamento.segundos, locale);
    const QString decConvGraus = Graus(c.conversao.segundos, locale);
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
            l << TextoNumeroGeral(v.distancia, locale) << s.confrontante << TextoGms(verd, locale)
              << TextoRumo(verd, locale) << TextoGms(mag, locale) << TextoRumo(mag, locale)
              << decLev << decConv << Graus(verd, locale) << Graus(mag, locale) << decLevGraus
              << decConvGraus << QString();
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
    r << levantamento + QStringLiteral("; declinação %1 (variação anual %2'/ano).")
                            .arg(TextoGms(c.levantamento.segundos, locale),
                                 locale.toString(c.levantamento.dD * 60.0, 'f', 1));
    r << QStringLiteral("Conversão: %1; declinação %2 (variação anual %3'/ano).")
             .arg(d.conversao.trimmed(), TextoGms(c.conversao.segundos, locale),
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
                            "meridiana %2 (norte de quadrícula %3 do norte verdadeiro); verdadeiro = quadrícula + "
                            "convergência; magnético na conversão = verdadeiro − declinação na conversão.")
                 .arg(c.zona)
                 .arg(TextoGms(c.convergenciaSegundos, locale),
                      c.convergenciaSegundos < 0 ? QStringLiteral("a oeste") : QStringLiteral("a leste"));
        break;
    }
    r << QStringLiteral("Uma só declinação serve ao memorial inteiro: numa propriedade de poucos quilômetros a "
                        "declinação muda bem menos de um segundo de arco de um vértice a outro. Num perímetro de "
                        "mais de 10 km, calcule-a em cada vértice de partida quando as coordenadas forem conhecidas.");
    return r;
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
