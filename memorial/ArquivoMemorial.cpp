// SPDX-License-Identifier: GPL-3.0-or-later
#include "memorial/ArquivoMemorial.h"

#include "export/MotivoErro.h"
#include "geo/Datum.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <vector>

namespace ceravel {

namespace {

const QString Formato = QStringLiteral("ceravel-memorial");

// JSON text written by hand, keys in a fixed order, 4-blank indentation; the
// strings escaped by QJsonDocument itself.
QByteArray Texto(const QString& s)
{
    QByteArray b = QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact);
    return b.mid(1, b.size() - 2);  // strip "[" and "]"
}

void Campos(QByteArray& saida, const std::vector<std::pair<const char*, QByteArray>>& campos,
            const QByteArray& recuo)
{
    saida += "{\n";
    size_t i = 0;
    for (const auto& [nome, valor] : campos) {
        saida += recuo + "    \"" + nome + "\": " + valor;
        saida += ++i < campos.size() ? ",\n" : "\n";
    }
    saida += recuo + "}";
}

QByteArray Coordenada(FormaEntrada forma, const QString& graus, const QString& g, const QString& m,
                      const QString& s)
{
    QByteArray b;
    Campos(b, {{"forma", Texto(forma == FormaEntrada::GrausDecimais ? QStringLiteral("decimal") : QStringLiteral("gms"))},
               {"graus", Texto(graus)}, {"g", Texto(g)}, {"m", Texto(m)}, {"s", Texto(s)}},
           "        ");
    return b;
}

QString Referencia(ReferenciaMemorial r)
{
    switch (r) {
    case ReferenciaMemorial::Magnetico: return QStringLiteral("magnetico");
    case ReferenciaMemorial::Verdadeiro: return QStringLiteral("verdadeiro");
    case ReferenciaMemorial::Quadricula: return QStringLiteral("quadricula");
    }
    return {};
}

// ---- Reading: every field present and of its kind, or the file is refused.

// A value of the file quoted in a message: one line, printable, short.
QString Citavel(const QString& valor)
{
    QString t;
    for (QChar c : valor.left(40))
        t += c.isPrint() ? c : QChar(u' ');
    return valor.size() > 40 ? t + QStringLiteral("...") : t;
}

struct Leitor {
    QString erro;

    QString texto(const QJsonObject& o, const char* nome, const QString& onde)
    {
        const QJsonValue v = o.value(QLatin1StringView(nome));
        if (!v.isString()) {
            if (erro.isEmpty())
                erro = QStringLiteral("falta o texto \u201C%1\u201D%2").arg(QLatin1StringView(nome), onde);
            return {};
        }
        return v.toString();
    }
    bool booleano(const QJsonObject& o, const char* nome, const QString& onde)
    {
        const QJsonValue v = o.value(QLatin1StringView(nome));
        if (!v.isBool() && erro.isEmpty())
            erro = QStringLiteral("falta o sim/não \u201C%1\u201D%2").arg(QLatin1StringView(nome), onde);
        return v.toBool();
    }
    QJsonObject objeto(const QJsonObject& o, const char* nome)
    {
        const QJsonValue v = o.value(QLatin1StringView(nome));
        if (!v.isObject() && erro.isEmpty())
            erro = QStringLiteral("falta o grupo \u201C%1\u201D").arg(QLatin1StringView(nome));
        return v.toObject();
    }
    template <typename T>
    T escolha(const QJsonObject& o, const char* nome, std::initializer_list<std::pair<const char*, T>> opcoes)
    {
        const QString t = texto(o, nome, {});
        for (const auto& [n, valor] : opcoes)
            if (t == QLatin1StringView(n))
                return valor;
        if (erro.isEmpty())
            erro = QStringLiteral("\u201C%1\u201D não pode ser \u201C%2\u201D").arg(QLatin1StringView(nome), Citavel(t));
        return opcoes.begin()->second;
    }
};

// The "datum" of `o`: one of the command lines' --datum words.
QString DatumConhecido(Leitor& l, const QJsonObject& o)
{
    const QString datum = l.texto(o, "datum", {});
    const auto datums = geo::Datums();
    if (std::none_of(datums.begin(), datums.end(),
                     [&datum](const geo::DadosDatum& d) { return datum == QLatin1StringView(d.opcao); })
        && l.erro.isEmpty())
        l.erro = QStringLiteral("\u201Cdatum\u201D não pode ser \u201C%1\u201D").arg(Citavel(datum));
    return datum;
}

}  // namespace

QByteArray SerializaMemorial(const Memorial& m)
{
    const DadosMemorial& d = m.dados;
    const PosicaoMemorial& p = d.posicao;
    std::vector<std::pair<const char*, QByteArray>> camposPosicao = {
        {"latitude", Coordenada(p.formaLatitude, p.latGraus, p.latG, p.latM, p.latS)},
        {"longitude", Coordenada(p.formaLongitude, p.lonGraus, p.longG, p.longM, p.longS)}};
    if (p.utm || p.posicaoUtm != TextosUtm{} || p.datum != PosicaoMemorial{}.datum) {
        QByteArray utm;
        Campos(utm,
               {{"zona", Texto(p.posicaoUtm.zona)}, {"hemisferio", Texto(p.posicaoUtm.hemisferio)},
                {"leste", Texto(p.posicaoUtm.leste)}, {"norte", Texto(p.posicaoUtm.norte)}},
               "        ");
        camposPosicao.emplace_back("forma", Texto(p.utm ? QStringLiteral("utm") : QStringLiteral("geograficas")));
        camposPosicao.emplace_back("utm", utm);
        camposPosicao.emplace_back("datum", Texto(p.datum));
    }
    QByteArray posicao;
    Campos(posicao, camposPosicao, "    ");
    QByteArray segmentos = "[";
    for (size_t i = 0; i < m.segmentos.size(); ++i) {
        const SegmentoMemorial& s = m.segmentos[i];
        segmentos += i ? ",\n        " : "\n        ";
        Campos(segmentos,
               {{"de", Texto(s.de)}, {"para", Texto(s.para)}, {"rumo", Texto(s.rumo)},
                {"distancia", Texto(s.distancia)}, {"confrontante", Texto(s.confrontante)}},
               "        ");
    }
    segmentos += m.segmentos.empty() ? "]" : "\n    ]";
    std::vector<std::pair<const char*, QByteArray>> campos = {{"formato", Texto(Formato)}, {"versao", QByteArray::number(VersaoArquivoMemorial)},
            {"levantamento", Texto(d.levantamento)}, {"conversao", Texto(d.conversao)},
            {"referencia", Texto(Referencia(d.referencia))},
            {"modelo", Texto(d.modelo == ModeloMemorial::Regional ? QStringLiteral("regional")
                                                                   : QStringLiteral("igrf14"))},
            {"posicao", posicao}, {"segmentos", segmentos}};
    if (m.poligono != TextosPoligonoMemorial{}) {
        const TextosPoligonoMemorial& t = m.poligono;
        QByteArray poligono;
        Campos(poligono,
               {{"vertice", Texto(t.vertice)},
                {"forma", Texto(t.utm ? QStringLiteral("utm") : QStringLiteral("geograficas"))},
                {"zona", Texto(t.zona)}, {"hemisferio", Texto(t.hemisferio)}, {"leste", Texto(t.leste)},
                {"norte", Texto(t.norte)}, {"latitude", Texto(t.latitude)}, {"longitude", Texto(t.longitude)},
                {"datum", Texto(t.datum)}, {"altitude", Texto(t.altitude)},
                {"fator_escala", t.fatorEscala ? "true" : "false"}, {"compensar", t.compensar ? "true" : "false"}},
               "    ");
        campos.emplace_back("poligono", poligono);
    }
    QByteArray saida;
    Campos(saida, campos, "");
    return saida + "\n";
}

LeituraMemorial DesserializaMemorial(const QByteArray& bytes)
{
    QJsonParseError erroJson;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &erroJson);
    if (erroJson.error != QJsonParseError::NoError)
        return {std::nullopt, QStringLiteral("o arquivo está danificado (%1 no caractere %2)")
                                  .arg(erroJson.errorString())
                                  .arg(erroJson.offset)};
    if (!doc.isObject())
        return {std::nullopt, QStringLiteral("o arquivo não é um memorial do Ceravel")};
    const QJsonObject raiz = doc.object();
    if (raiz.value(QLatin1StringView("formato")).toString() != Formato)
        return {std::nullopt, QStringLiteral("o arquivo não é um memorial do Ceravel")};
    const QJsonValue versao = raiz.value(QLatin1StringView("versao"));
    if (!versao.isDouble() || versao.toDouble() < 1 || versao.toDouble() != std::floor(versao.toDouble()))
        return {std::nullopt, QStringLiteral("o arquivo está danificado (versão do formato inválida)")};
    if (versao.toDouble() > VersaoArquivoMemorial)
        return {std::nullopt, QStringLiteral("o arquivo foi salvo por uma versão mais nova do Ceravel (formato %1); "
                                             "esta versão lê o formato %2")
                                  .arg(versao.toDouble())
                                  .arg(VersaoArquivoMemorial)};

    Leitor l;
    Memorial m;
    DadosMemorial& d = m.dados;
    d.levantamento = l.texto(raiz, "levantamento", {});
    d.conversao = l.texto(raiz, "conversao", {});
    d.referencia = l.escolha<ReferenciaMemorial>(
        raiz, "referencia", {{"magnetico", ReferenciaMemorial::Magnetico}, {"verdadeiro", ReferenciaMemorial::Verdadeiro},
                   {"quadricula", ReferenciaMemorial::Quadricula}});
    d.modelo = l.escolha<ModeloMemorial>(raiz, "modelo",
                                         {{"igrf14", ModeloMemorial::Igrf14}, {"regional", ModeloMemorial::Regional}});
    const QJsonObject posicao = l.objeto(raiz, "posicao");
    const auto coordenada = [&l, &posicao](const char* nome, FormaEntrada& forma, QString& graus, QString& g,
                                           QString& mi, QString& s) {
        const QJsonObject o = l.objeto(posicao, nome);
        forma = l.escolha<FormaEntrada>(o, "forma", {{"decimal", FormaEntrada::GrausDecimais},
                                                     {"gms", FormaEntrada::GrausMinutosSegundos}});
        const QString onde = QStringLiteral(" da %1").arg(QLatin1StringView(nome));
        graus = l.texto(o, "graus", onde);
        g = l.texto(o, "g", onde);
        mi = l.texto(o, "m", onde);
        s = l.texto(o, "s", onde);
    };
    PosicaoMemorial& p = d.posicao;
    coordenada("latitude", p.formaLatitude, p.latGraus, p.latG, p.latM, p.latS);
    coordenada("longitude", p.formaLongitude, p.lonGraus, p.longG, p.longM, p.longS);
    if (posicao.contains(QLatin1StringView("forma")) && l.erro.isEmpty()) {
        const QString onde = QStringLiteral(" da posição UTM");
        p.utm = l.escolha<bool>(posicao, "forma", {{"geograficas", false}, {"utm", true}});
        const QJsonObject utm = l.objeto(posicao, "utm");
        p.posicaoUtm = {l.texto(utm, "zona", onde), l.texto(utm, "hemisferio", onde), l.texto(utm, "leste", onde),
                        l.texto(utm, "norte", onde)};
        p.datum = DatumConhecido(l, posicao);
    }

    const QJsonValue segmentos = raiz.value(QLatin1StringView("segmentos"));
    if (!segmentos.isArray() && l.erro.isEmpty())
        l.erro = QStringLiteral("falta a lista \u201Csegmentos\u201D");
    const QJsonArray lista = segmentos.toArray();
    m.segmentos.reserve(lista.size());
    for (qsizetype i = 0; i < lista.size() && l.erro.isEmpty(); ++i) {
        if (!lista[i].isObject()) {
            l.erro = QStringLiteral("o segmento %1 não é um grupo de textos").arg(i + 1);
            break;
        }
        const QJsonObject o = lista[i].toObject();
        const QString onde = QStringLiteral(" no segmento %1").arg(i + 1);
        m.segmentos.push_back({l.texto(o, "de", onde), l.texto(o, "para", onde), l.texto(o, "rumo", onde),
                               l.texto(o, "distancia", onde), l.texto(o, "confrontante", onde)});
    }
    if (raiz.contains(QLatin1StringView("poligono")) && l.erro.isEmpty()) {
        const QJsonObject o = l.objeto(raiz, "poligono");
        const QString onde = QStringLiteral(" do polígono");
        TextosPoligonoMemorial& t = m.poligono;
        t.vertice = l.texto(o, "vertice", onde);
        t.utm = l.escolha<bool>(o, "forma", {{"utm", true}, {"geograficas", false}});
        t.zona = l.texto(o, "zona", onde);
        t.hemisferio = l.escolha<QString>(o, "hemisferio", {{"S", QStringLiteral("S")}, {"N", QStringLiteral("N")}});
        t.leste = l.texto(o, "leste", onde);
        t.norte = l.texto(o, "norte", onde);
        t.latitude = l.texto(o, "latitude", onde);
        t.longitude = l.texto(o, "longitude", onde);
        t.datum = DatumConhecido(l, o);
        t.altitude = l.texto(o, "altitude", onde);
        t.fatorEscala = l.booleano(o, "fator_escala", onde);
        t.compensar = l.booleano(o, "compensar", onde);
    }
    if (!l.erro.isEmpty())
        return {std::nullopt, QStringLiteral("o arquivo está danificado (%1)").arg(l.erro)};
    return {std::move(m), {}};
}

QString SalvaMemorial(const QString& caminho, const Memorial& memorial)
{
    const QString nome = QDir::toNativeSeparators(caminho);
    QSaveFile arquivo(caminho);
    errno = 0;
    if (!arquivo.open(QIODevice::WriteOnly))
        return QStringLiteral("O memorial não pôde ser salvo em %1: %2.").arg(nome, MotivoErro(errno, arquivo.errorString()));
    const QByteArray bytes = SerializaMemorial(memorial);
    errno = 0;
    if (arquivo.write(bytes) != bytes.size() || !arquivo.commit())
        return QStringLiteral("O memorial não pôde ser salvo em %1: %2.").arg(nome, MotivoErro(errno, arquivo.errorString()));
    return {};
}

LeituraMemorial AbreMemorial(const QString& caminho)
{
    const QString nome = QDir::toNativeSeparators(caminho);
    QFile arquivo(caminho);
    errno = 0;
    if (!arquivo.open(QIODevice::ReadOnly))
        return {std::nullopt, QStringLiteral("O memorial %1 não pôde ser aberto: %2.")
                                  .arg(nome, MotivoErro(errno, arquivo.errorString()))};
    LeituraMemorial l = DesserializaMemorial(arquivo.readAll());
    if (!l.memorial)
        l.erro = QStringLiteral("O memorial %1 não pôde ser aberto: %2.").arg(nome, l.erro);
    return l;
}

}  // namespace ceravel
