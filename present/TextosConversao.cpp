// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/TextosConversao.h"

#include "calc/RegrasRumos.h"
#include "calc/SimbolosLocale.h"
#include "present/Formatacao.h"
#include "present/TextosAngulo.h"
#include "present/TresNortes.h"

#include <utility>
#include <vector>

namespace ceravel {

namespace {

// "-6'00''/ano": minutes (a whole degree is 60 of them) and seconds of arc per year.
QString TextoVariacao(long long segundosPorAno, const QLocale& locale)
{
    const GrausMinutosSegundos p = SeparaSegundos(segundosPorAno);
    QString texto = p.negativo ? Simbolos(locale).menos : QString();
    AcrescentaPadrao(texto, static_cast<double>(p.graus * 60 + p.minutos), Padrao::Inteiro, locale);
    texto += u'\'';
    AcrescentaPadrao(texto, p.segundos, Padrao::DoisDigitos, locale);
    return texto + QStringLiteral("''/ano");
}

std::optional<long long> SegundosRegional(const DeclinacaoNaData& d)
{
    return d.regional ? std::optional(SegundosArredondados(*d.regional)) : std::nullopt;
}

QString TextoRegional(const DeclinacaoNaData& d, const QLocale& locale)
{
    if (const auto s = SegundosRegional(d))
        return TextoGms(*s, locale);
    return d.erroRegional.isEmpty() ? QString() : QStringLiteral("indisponível");
}

QString TextoData(const ValoresData& d)
{
    return QStringLiteral("%1/%2/%3")
        .arg(static_cast<int>(d.dia), 2, 10, QLatin1Char('0'))
        .arg(static_cast<int>(d.mes), 2, 10, QLatin1Char('0'))
        .arg(static_cast<int>(d.ano));
}

// A typed box may hold blanks the number reading skipped: tabs and line
// breaks would split the columns.
QString SemQuebras(QString texto)
{
    for (QChar& ch : texto)
        if (ch == u'\t' || ch == u'\n' || ch == u'\r')
            ch = u' ';
    return texto;
}

}  // namespace

QString TextoUtm(const geo::PontoUtm& utm, const QLocale& locale)
{
    QLocale semGrupos = locale;
    semGrupos.setNumberOptions(QLocale::OmitGroupSeparator);
    return QStringLiteral("%1%2: E %3 m; N %4 m")
        .arg(utm.zona)
        .arg(QChar(utm.sul ? u'S' : u'N'))
        .arg(semGrupos.toString(utm.leste, 'f', 2), semGrupos.toString(utm.norte, 'f', 2));
}

QString TextoTransformacao(geo::Datum datum, const geo::Operacao& operacao, const QLocale& locale)
{
    const QString nome = QString::fromUtf8(geo::Dados(datum).nome);
    if (datum == geo::Datum::Sirgas2000)
        return QStringLiteral("SIRGAS 2000: nenhuma transformação");
    const QString como = operacao.grade.isEmpty()
        ? QStringLiteral("parâmetros (%1)").arg(operacao.nome)
        : QStringLiteral("grade do IBGE %1").arg(operacao.grade);
    const QString precisao = operacao.precisao < 0
        ? QStringLiteral("precisão desconhecida")
        : QStringLiteral("precisão %1 m").arg(locale.toString(operacao.precisao, 'g', 3));
    return QStringLiteral("%1 → SIRGAS 2000: %2, %3").arg(nome, como, precisao);
}

QString DescricaoModeloConversao()
{
    // The IGRF sources give no accuracy figure for a point on the ground;
    // what they do say is that the model is the main (core) field only.
    return QStringLiteral(
        "IGRF-14 (IAGA). Precisão típica da declinação: o IGRF representa apenas o campo principal da "
        "Terra; anomalias crustais locais podem afastar a declinação real da calculada em até cerca de "
        "um grau ou mais. Ângulos arredondados ao segundo (a metade para longe do zero); os rumos são "
        "calculados com as declinações mostradas, e as somas conferem.");
}

TextosResultadoConversao FormataConversao(const Conversao& c, const QLocale& locale)
{
    const long long decLev = SegundosArredondados(c.levantamento.D);
    const long long decConv = SegundosArredondados(c.conversao.D);
    TextosResultadoConversao t;
    t.decLev = TextoGms(decLev, locale);
    t.varLev = TextoVariacao(SegundosArredondados(c.levantamento.dD), locale);
    t.decConv = TextoGms(decConv, locale);
    t.varConv = TextoVariacao(SegundosArredondados(c.conversao.dD), locale);
    t.difDec = TextoGms(decConv - decLev, locale);
    if (c.rumos) {
        t.azVerd = TextoGms(c.rumos->verdadeiro, locale);
        t.rumoVerd = TextoRumo(c.rumos->verdadeiro, locale);
        t.azMagConv = TextoGms(c.rumos->magneticoConversao, locale);
        t.rumoMagConv = TextoRumo(c.rumos->magneticoConversao, locale);
        if (c.rumos->quadricula) {
            t.azQuad = TextoGms(*c.rumos->quadricula, locale);
            t.rumoQuad = TextoRumo(*c.rumos->quadricula, locale);
        }
    }
    if (c.geodesia) {
        const GeodesiaConversao& g = *c.geodesia;
        const geo::Geografico& p = g.posicao.sirgas.ponto;
        t.posicaoSirgas = QStringLiteral("latitude %1°; longitude %2°")
                              .arg(TextoGrausDecimais(p.latitude, locale), TextoGrausDecimais(p.longitude, locale));
        t.utmProprio = TextoUtm(g.utmProprio, locale);
        if (g.utmDado)
            t.utmDado = TextoUtm(*g.utmDado, locale);
        const long long gama = SegundosArredondados(g.fatores.convergencia);
        t.convergencia = TextoGms(gama, locale);
        t.sentidoConvergencia = SentidoConvergencia(static_cast<double>(gama) / 3600);
        t.escala = locale.toString(g.fatores.escala, 'f', 7);
        t.transformacao = TextoTransformacao(c.entrada.datum, g.posicao.sirgas.operacao, locale);
    }
    t.regLev = TextoRegional(c.levantamento, locale);
    t.regConv = TextoRegional(c.conversao, locale);
    if (c.levantamentoSoAno)
        t.nota = QStringLiteral("Data do levantamento tomada como %1: só o ano foi informado.")
                     .arg(TextoData(c.dataLevantamento));
    t.modelo = QStringLiteral("Modelo: ") + DescricaoModeloConversao();
    return t;
}

TextoCopia TextoCopiaConversao(const Conversao& c, const QLocale& locale)
{
    const TextosConversao& e = c.entrada;
    const TextosResultadoConversao& t = c.textos;
    std::vector<std::pair<QString, QString>> colunas;
    const auto texto = [&colunas](const QString& titulo, const QString& valor) { colunas.emplace_back(titulo, valor); };
    // An angle's text and its number, or two empty cells.
    const auto angulo = [&](const QString& titulo, const QString& valor, std::optional<double> graus,
                            const QString& unidade = QStringLiteral("graus")) {
        texto(titulo, valor);
        texto(titulo + QStringLiteral(" (") + unidade + u')', graus ? TextoGrausDecimais(*graus, locale) : QString());
    };
    const auto emGraus = [](std::optional<long long> s) {
        return s ? std::optional(static_cast<double>(*s) / 3600) : std::nullopt;
    };
    const auto de = [](const QString& linha, const QString& coluna) { return linha + QStringLiteral(" – ") + coluna; };

    angulo(QStringLiteral("Latitude"), TextoGms(SegundosArredondados(c.latitude), locale), c.latitude);
    angulo(QStringLiteral("Longitude"), TextoGms(SegundosArredondados(c.longitude), locale), c.longitude);
    texto(QStringLiteral("Data do levantamento"), TextoData(c.dataLevantamento));
    texto(QStringLiteral("Data da conversão"), TextoData(c.dataConversao));
    const bool azimute = e.tipo == TipoRumo::Azimute, magnetico = e.referencia == ReferenciaRumo::Magnetico;
    const std::optional<RumosConvertidos>& r = c.rumos;
    angulo(QStringLiteral("Rumo informado"),
           !r ? QString() : azimute ? TextoGms(r->informado, locale) : TextoRumo(r->informado, locale),
           emGraus(r ? std::optional(r->informado) : std::nullopt), QStringLiteral("azimute em graus"));
    texto(QStringLiteral("Tipo"), !r ? QString() : azimute ? LegendaAzimute : LegendaRumo);
    const bool quadricula = e.referencia == ReferenciaRumo::Quadricula;
    texto(QStringLiteral("Referência"), !r ? QString()
                                          : magnetico ? QStringLiteral("Magnético na data do levantamento")
                                          : quadricula ? LegendaQuadricula
                                                      : LegendaVerdadeiro);
    texto(QStringLiteral("Datum"), QString::fromUtf8(geo::Dados(e.datum).nome));
    // Empty for latitude and longitude, so that every conversion has the same columns.
    texto(QStringLiteral("UTM informado"),
          e.formaPosicao != FormaPosicao::Utm
              ? QString()
              : SemQuebras(QStringLiteral("%1%2: E %3; N %4").arg(e.utm.zona, e.utm.hemisferio, e.utm.leste, e.utm.norte)));

    const long long decLev = SegundosArredondados(c.levantamento.D);
    const long long decConv = SegundosArredondados(c.conversao.D);
    angulo(de(LegendaDeclinacao, LegendaLevantamento), t.decLev, emGraus(decLev));
    angulo(de(LegendaDeclinacao, LegendaConversao), t.decConv, emGraus(decConv));
    angulo(de(LegendaVariacao, LegendaLevantamento), t.varLev, emGraus(SegundosArredondados(c.levantamento.dD)),
           QStringLiteral("graus/ano"));
    angulo(de(LegendaVariacao, LegendaConversao), t.varConv, emGraus(SegundosArredondados(c.conversao.dD)),
           QStringLiteral("graus/ano"));
    angulo(de(LegendaRegional, LegendaLevantamento), t.regLev, emGraus(SegundosRegional(c.levantamento)));
    angulo(de(LegendaRegional, LegendaConversao), t.regConv, emGraus(SegundosRegional(c.conversao)));
    angulo(LegendaMudanca, t.difDec, emGraus(decConv - decLev));
    angulo(de(LegendaVerdadeiro, LegendaAzimute), t.azVerd, emGraus(r ? std::optional(r->verdadeiro) : std::nullopt));
    texto(de(LegendaVerdadeiro, LegendaRumo), t.rumoVerd);
    angulo(de(LegendaMagnetico, LegendaAzimute), t.azMagConv,
           emGraus(r ? std::optional(r->magneticoConversao) : std::nullopt));
    texto(de(LegendaMagnetico, LegendaRumo), t.rumoMagConv);
    angulo(de(LegendaQuadricula, LegendaAzimute), t.azQuad,
           emGraus(r ? r->quadricula : std::nullopt));
    texto(de(LegendaQuadricula, LegendaRumo), t.rumoQuad);
    const auto* g = c.geodesia ? &*c.geodesia : nullptr;
    texto(QStringLiteral("Latitude SIRGAS 2000 (graus)"),
          g ? TextoGrausDecimais(g->posicao.sirgas.ponto.latitude, locale) : QString());
    texto(QStringLiteral("Longitude SIRGAS 2000 (graus)"),
          g ? TextoGrausDecimais(g->posicao.sirgas.ponto.longitude, locale) : QString());
    texto(QStringLiteral("UTM na zona do ponto"), t.utmProprio);
    texto(QStringLiteral("UTM na zona informada"), t.utmDado);
    angulo(QStringLiteral("Convergência meridiana"), t.convergencia,
           emGraus(g ? std::optional(SegundosArredondados(g->fatores.convergencia)) : std::nullopt));
    texto(QStringLiteral("Norte de quadrícula"), t.sentidoConvergencia);
    // The diagram's angles in words: NQ and NM (conversion date) from NV.
    texto(QStringLiteral("Três nortes"),
          g ? t.sentidoConvergencia + QStringLiteral("; ") + SentidoDeclinacao(static_cast<double>(decConv) / 3600) +
                  QStringLiteral(" (na data da conversão)")
            : QString());
    texto(QStringLiteral("Fator de escala"), g ? locale.toString(g->fatores.escala, 'f', 7) : QString());
    texto(QStringLiteral("Transformação"), t.transformacao);
    texto(QStringLiteral("Observação"), t.nota);
    texto(QStringLiteral("Modelo"), DescricaoModeloConversao());

    TextoCopia copia;
    QString cabecalho, dados, htmlCabecalho, htmlDados;
    for (const auto& [titulo, valor] : colunas) {
        const QChar tab = cabecalho.isEmpty() ? QChar() : QChar(u'\t');
        if (!tab.isNull()) {
            cabecalho += tab;
            dados += tab;
        }
        cabecalho += titulo;
        dados += SemQuebras(valor);
        htmlCabecalho += QStringLiteral("<th>") + titulo.toHtmlEscaped() + QStringLiteral("</th>");
        htmlDados += QStringLiteral("<td>") + SemQuebras(valor).toHtmlEscaped() + QStringLiteral("</td>");
    }
    copia.texto = cabecalho + u'\n' + dados + u'\n';
    copia.html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<tr>") + htmlCabecalho
        + QStringLiteral("</tr>\n<tr>") + htmlDados + QStringLiteral("</tr>\n</table>\n");
    return copia;
}

}  // namespace ceravel
