#include "present/TextosConversao.h"

#include "calc/RegrasRumos.h"
#include "present/FormataResultados.h"
#include "present/Formatacao.h"

#include <utility>
#include <vector>

namespace ceravel {

namespace {

// A whole number of seconds as "Gº MM' SS''" without the blanks.
QString TextoSegundos(long long segundos, const QLocale& locale)
{
    const GrausMinutosSegundos p = SeparaSegundos(segundos);
    QString texto;
    if (p.negativo)
        texto += u'-';
    AcrescentaPadrao(texto, static_cast<double>(p.graus), Padrao::Inteiro, locale);
    texto += u'\u00BA';
    AcrescentaPadrao(texto, p.minutos, Padrao::DoisDigitos, locale);
    texto += u'\'';
    AcrescentaPadrao(texto, p.segundos, Padrao::DoisDigitos, locale);
    texto += QLatin1StringView("''");
    return texto;
}

QString TextoRegional(const DeclinacaoNaData& d, const QLocale& locale)
{
    if (d.regional)
        return TextoDeclinacao(*d.regional, locale);
    return d.erroRegional.isEmpty() ? QString() : QStringLiteral("indisponível");
}

// A coordinate or angle as typed: the decimal box, or the three boxes joined
// with the degree sign (U+00B0), minute and second marks, as the report does.
QString TextoDigitado(FormaEntrada forma, const QString& decimal, const QString& graus, const QString& minutos,
                      const QString& segundos)
{
    if (forma == FormaEntrada::GrausDecimais)
        return decimal;
    return graus + u'\u00B0' + minutos + u'\'' + segundos + QStringLiteral("''");
}

QString TextoData(const QString& dia, const QString& mes, const QString& ano)
{
    return dia + u'/' + mes + u'/' + ano;
}

using Linhas = std::vector<std::pair<QString, QString>>;

// A typed box may hold blanks the number reading skipped: tabs and line
// breaks would split the two columns (and both copies show the same rows).
QString SemQuebras(QString texto)
{
    for (QChar& ch : texto)
        if (ch == u'\t' || ch == u'\n' || ch == u'\r')
            ch = u' ';
    return texto;
}

}  // namespace

QString TextoQuadrante(Quadrante quadrante)
{
    switch (quadrante) {
    case Quadrante::NE: return QStringLiteral("NE");
    case Quadrante::SE: return QStringLiteral("SE");
    case Quadrante::SO: return QStringLiteral("SO");
    case Quadrante::NO: return QStringLiteral("NO");
    }
    return {};
}

QString TextoAzimute(double azimute, const QLocale& locale)
{
    return TextoSegundos(SegundosAzimute(azimute), locale);
}

QString TextoRumo(double azimute, const QLocale& locale)
{
    const RumoSegundos rumo = RumoDeSegundos(SegundosAzimute(azimute));
    return TextoSegundos(rumo.angulo, locale) + u' ' + TextoQuadrante(rumo.quadrante);
}

QString DescricaoModeloConversao()
{
    // The IGRF sources give no accuracy figure for a point on the ground;
    // what they do say is that the model is the main (core) field only.
    return QStringLiteral(
        "IGRF-14 (IAGA). Precisão típica da declinação: o IGRF representa apenas o campo principal da "
        "Terra; anomalias crustais locais podem afastar a declinação real da calculada em até cerca de "
        "um grau ou mais.");
}

TextosResultadoConversao FormataConversao(const DeclinacaoNaData& levantamento, const DeclinacaoNaData& conversao,
                                          const std::optional<RumosConvertidos>& rumos, const QLocale& locale)
{
    TextosResultadoConversao t;
    t.decLev = TextoDeclinacao(static_cast<float>(levantamento.D), locale);
    t.varLev = TextoVariacaoDeclinacao(static_cast<float>(levantamento.dD * 60.0), locale);
    t.decConv = TextoDeclinacao(static_cast<float>(conversao.D), locale);
    t.varConv = TextoVariacaoDeclinacao(static_cast<float>(conversao.dD * 60.0), locale);
    t.difDec = TextoDeclinacao(static_cast<float>(conversao.D - levantamento.D), locale);
    if (rumos) {
        t.azVerd = TextoAzimute(rumos->verdadeiro, locale);
        t.rumoVerd = TextoRumo(rumos->verdadeiro, locale);
        t.azMagConv = TextoAzimute(rumos->magneticoConversao, locale);
        t.rumoMagConv = TextoRumo(rumos->magneticoConversao, locale);
    }
    t.regLev = TextoRegional(levantamento, locale);
    t.regConv = TextoRegional(conversao, locale);
    t.modelo = QStringLiteral("Modelo: ") + DescricaoModeloConversao();
    return t;
}

TextoCopia TextoCopiaConversao(const Conversao& c, const QLocale& /*locale*/)
{
    const TextosConversao& e = c.entrada;
    const TextosResultadoConversao& t = c.textos;
    Linhas linhas = {
        {QStringLiteral("Latitude"), TextoDigitado(e.formaLatitude, e.latGraus, e.latG, e.latM, e.latS)},
        {QStringLiteral("Longitude"), TextoDigitado(e.formaLongitude, e.lonGraus, e.longG, e.longM, e.longS)},
        {QStringLiteral("Data do levantamento"), TextoData(e.diaLev, e.mesLev, e.anoLev)},
        {QStringLiteral("Data da conversão"), TextoData(e.diaConv, e.mesConv, e.anoConv)},
    };
    if (c.rumos) {
        const bool azimute = e.tipo == TipoRumo::Azimute;
        QString angulo = TextoDigitado(e.formaAngulo, e.angGraus, e.angG, e.angM, e.angS);
        if (!azimute)
            angulo += u' ' + TextoQuadrante(e.quadrante);
        const bool magnetico = e.referencia == ReferenciaRumo::Magnetico;
        linhas.insert(linhas.end(), {
            {QStringLiteral("Rumo informado"), angulo},
            {QStringLiteral("Tipo"), azimute ? QStringLiteral("Azimute") : QStringLiteral("Rumo")},
            {QStringLiteral("Referência"), magnetico ? QStringLiteral("Magnético na data do levantamento")
                                                     : QStringLiteral("Verdadeiro")},
        });
    }
    linhas.insert(linhas.end(), {
        {QStringLiteral("Declinação no levantamento"), t.decLev},
        {QStringLiteral("Variação anual no levantamento"), t.varLev},
        {QStringLiteral("Declinação na conversão"), t.decConv},
        {QStringLiteral("Variação anual na conversão"), t.varConv},
        {QStringLiteral("Variação da declinação entre as datas"), t.difDec},
    });
    if (c.rumos)
        linhas.insert(linhas.end(), {
            {QStringLiteral("Azimute verdadeiro"), t.azVerd},
            {QStringLiteral("Rumo verdadeiro"), t.rumoVerd},
            {QStringLiteral("Azimute magnético na data da conversão"), t.azMagConv},
            {QStringLiteral("Rumo magnético na data da conversão"), t.rumoMagConv},
        });
    if (!t.regLev.isEmpty())
        linhas.emplace_back(QStringLiteral("Declinação do modelo regional no levantamento"), t.regLev);
    if (!t.regConv.isEmpty())
        linhas.emplace_back(QStringLiteral("Declinação do modelo regional na conversão"), t.regConv);
    linhas.emplace_back(QStringLiteral("Modelo"), DescricaoModeloConversao());

    TextoCopia copia;
    copia.html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n");
    for (const auto& [titulo, valor] : linhas) {
        copia.texto += SemQuebras(titulo) + u'\t' + SemQuebras(valor) + u'\n';
        copia.html += QStringLiteral("<tr><td>") + SemQuebras(titulo).toHtmlEscaped() + QStringLiteral("</td><td>")
            + SemQuebras(valor).toHtmlEscaped() + QStringLiteral("</td></tr>\n");
    }
    copia.html += QStringLiteral("</table>\n");
    return copia;
}

}  // namespace ceravel
