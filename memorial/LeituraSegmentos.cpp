// SPDX-License-Identifier: GPL-3.0-or-later
#include "memorial/LeituraSegmentos.h"

#include "calc/LeituraRumo.h"

#include <QRegularExpression>

namespace ceravel {

namespace {

const QRegularExpression& PalavraRumo()
{
    static const QRegularExpression r(QStringLiteral("\\b(rumo|azimute)\\b\\s*(?:de\\s+|:\\s*)?"),
                                      QRegularExpression::CaseInsensitiveOption
                                          | QRegularExpression::UseUnicodePropertiesOption);
    return r;
}

// Where the bearing after "rumo" ends: ", " (a comma before a blank), " e ",
// ";", " com ", "distância" or " até ".
const QRegularExpression& FimRumo()
{
    static const QRegularExpression r(
        QStringLiteral(",\\s|;|\\s+e\\s+|\\s+com\\s+|\\s+até\\s+|dist[aâ]ncia|$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return r;
}

const QRegularExpression& Distancia()
{
    static const QRegularExpression r(
        QStringLiteral("(?:dist[aâ]ncia\\s*(?:de\\s+|:\\s*)?([0-9][0-9.,]*)\\s*(?:m\\b|metros\\b)?)|"
                       "(?:\\b([0-9][0-9.,]*[0-9]|[0-9])\\s*(?:m|metros)\\b)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return r;
}

const QRegularExpression& Vertice(const char* antes)
{
    static const QRegularExpression ate(
        QStringLiteral("\\baté\\s+(?:[oa]\\s+)?(?:(?:marco|vértice|vertice|ponto|estaca)\\s+)?([^\\s,;]+)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression de(
        QStringLiteral("\\b(?:d[oa]|de|no|na)\\s+(?:marco|vértice|vertice|ponto|estaca)\\s+([^\\s,;]+)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return antes[0] == 'a' ? ate : de;
}

const QRegularExpression& Confrontante()
{
    static const QRegularExpression r(QStringLiteral("\\bconfronta(?:ndo|-se)?\\s+com\\s+([^;]+)"),
                                      QRegularExpression::CaseInsensitiveOption
                                          | QRegularExpression::UseUnicodePropertiesOption);
    return r;
}

QString SemPontoFinal(QString t)
{
    t = t.trimmed();
    while (t.endsWith(u'.') || t.endsWith(u','))
        t.chop(1);
    return t.trimmed();
}

// One clause of deed text that names a bearing; `texto` runs to the next such clause.
SegmentoMemorial SegmentoDeTexto(const QString& texto, const QRegularExpressionMatch& palavra)
{
    SegmentoMemorial s;
    const qsizetype inicioRumo = palavra.capturedEnd();
    const QRegularExpressionMatch fim = FimRumo().match(texto, inicioRumo);
    s.rumo = texto.mid(inicioRumo, fim.capturedStart() - inicioRumo).trimmed();
    const QString resto = texto.mid(fim.capturedStart());
    if (const QRegularExpressionMatch d = Distancia().match(resto); d.hasMatch())
        s.distancia = d.captured(1).isEmpty() ? d.captured(2) : d.captured(1);
    if (const QRegularExpressionMatch p = Vertice("ate").match(resto); p.hasMatch())
        s.para = SemPontoFinal(p.captured(1));
    if (const QRegularExpressionMatch p = Vertice("de").match(texto.left(palavra.capturedStart())); p.hasMatch())
        s.de = SemPontoFinal(p.captured(1));
    if (const QRegularExpressionMatch c = Confrontante().match(texto); c.hasMatch())
        s.confrontante = SemPontoFinal(c.captured(1));
    return s;
}

// Fields of a spreadsheet or segments-file line.
bool SegmentoDeCampos(const QStringList& campos, SegmentoMemorial& s, QString& motivo)
{
    const auto campo = [&campos](int i) { return i < campos.size() ? campos[i].trimmed() : QString(); };
    if (campos.size() == 2) {
        s.rumo = campo(0);
        s.distancia = campo(1);
        return true;
    }
    if (campos.size() >= 4 && campos.size() <= 5) {
        s.de = campo(0);
        s.para = campo(1);
        s.rumo = campo(2);
        s.distancia = campo(3);
        s.confrontante = campo(4);
        return true;
    }
    motivo = QStringLiteral("%1 colunas: são lidas 2 (Rumo, Distância) ou de 4 a 5 (De, Para, Rumo, Distância, "
                            "Confrontante).")
                 .arg(campos.size());
    return false;
}

// A bearing then a distance: the last word is the distance (a trailing "m"
// may stand apart).
SegmentoMemorial SegmentoDeRumoDistancia(QString linha)
{
    linha = linha.trimmed();
    QStringList palavras = linha.split(QRegularExpression(QStringLiteral("\\s+")));
    QString distancia;
    if (palavras.size() >= 2 && (palavras.last().compare(u"m", Qt::CaseInsensitive) == 0))
        distancia = palavras.takeLast();
    if (!palavras.isEmpty())
        distancia = palavras.takeLast() + distancia;
    return {{}, {}, palavras.join(u' '), distancia, {}};
}

bool Cabecalho(const QString& linha)
{
    for (QChar c : linha)
        if (c.isDigit())
            return false;
    return linha.contains(QStringLiteral("rumo"), Qt::CaseInsensitive)
        || linha.contains(QStringLiteral("azimute"), Qt::CaseInsensitive);
}

}  // namespace

QString VerificacaoSegmento::motivo() const
{
    if (motivoRumo.isEmpty())
        return motivoDistancia;
    if (motivoDistancia.isEmpty())
        return motivoRumo;
    return motivoRumo + u' ' + motivoDistancia;
}

VerificacaoSegmento VerificaSegmento(const SegmentoMemorial& segmento, const QLocale& locale)
{
    VerificacaoSegmento v;
    const LeituraRumo rumo = LeRumo(segmento.rumo, locale);
    if (!rumo.azimute)
        v.motivoRumo = QStringLiteral("Rumo: ") + rumo.motivo;
    QString motivo;
    const std::optional<double> distancia = LeDistancia(segmento.distancia, locale, motivo);
    if (!distancia)
        v.motivoDistancia = QStringLiteral("Distância: ") + motivo;
    if (rumo.azimute && distancia)
        v.lido = SegmentoLido{*rumo.azimute, *distancia};
    return v;
}

std::vector<LinhaSegmento> LeSegmentos(const QString& texto, const QLocale& locale, const QString& paraAnterior)
{
    std::vector<LinhaSegmento> saida;
    QString anterior = paraAnterior;
    const QStringList linhas = texto.split(u'\n');
    bool primeira = true;
    for (qsizetype n = 0; n < linhas.size(); ++n) {
        QString linha = linhas[n];
        if (linha.endsWith(u'\r'))
            linha.chop(1);
        if (linha.startsWith(u'\uFEFF'))
            linha.remove(0, 1);
        const QString limpa = linha.trimmed();
        if (limpa.isEmpty() || limpa.startsWith(u'#'))
            continue;
        const bool eraPrimeira = std::exchange(primeira, false);
        if (eraPrimeira && Cabecalho(limpa))
            continue;

        std::vector<SegmentoMemorial> segmentos;
        QString motivo;
        if (PalavraRumo().match(limpa).hasMatch() && !limpa.contains(u'\t')) {
            // Deed text: one segment per mention of a bearing.
            std::vector<QRegularExpressionMatch> palavras;
            for (auto it = PalavraRumo().globalMatch(limpa); it.hasNext();)
                palavras.push_back(it.next());
            for (size_t k = 0; k < palavras.size(); ++k) {
                // A clause starts after the ";" that ends the previous one.
                qsizetype inicio = k == 0 ? 0 : palavras[k - 1].capturedEnd();
                if (k > 0)
                    if (const qsizetype ponto = limpa.lastIndexOf(u';', palavras[k].capturedStart()); ponto >= inicio)
                        inicio = ponto + 1;
                const qsizetype fim = k + 1 < palavras.size() ? palavras[k + 1].capturedStart() : limpa.size();
                const QString trecho = limpa.mid(inicio, fim - inicio);
                const QRegularExpressionMatch m = PalavraRumo().match(trecho, palavras[k].capturedStart() - inicio);
                segmentos.push_back(SegmentoDeTexto(trecho, m));
            }
        } else if (linha.contains(u'\t') || linha.contains(u';')) {
            SegmentoMemorial s;
            if (SegmentoDeCampos(linha.split(linha.contains(u'\t') ? u'\t' : u';'), s, motivo))
                segmentos.push_back(s);
        } else {
            segmentos.push_back(SegmentoDeRumoDistancia(limpa));
        }
        if (segmentos.empty()) {
            saida.push_back({static_cast<int>(n + 1), {}, motivo});
            continue;
        }
        for (SegmentoMemorial& s : segmentos) {
            if (s.de.isEmpty())
                s.de = anterior;
            anterior = s.para;
            LinhaSegmento l{static_cast<int>(n + 1), s, VerificaSegmento(s, locale).motivo()};
            saida.push_back(std::move(l));
        }
    }
    return saida;
}

QString MensagemLinhasRecusadas(const std::vector<LinhaSegmento>& linhas)
{
    QString m;
    for (const LinhaSegmento& l : linhas)
        if (!l.motivo.isEmpty())
            m += QStringLiteral("Linha %1: %2\n").arg(l.linha).arg(l.motivo);
    return m;
}

}  // namespace ceravel
