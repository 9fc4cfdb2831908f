// SPDX-License-Identifier: GPL-3.0-or-later
// ceravel-memorial: every bearing of a deed converted at once, from a text file
// of segments or a saved memorial, to a semicolon-separated table.
#include "export/ExportaPoligono.h"
#include "export/MotivoErro.h"
#include "export/Windows1252.h"
#include "lote/OpcoesLote.h"
#include "memorial/ArquivoMemorial.h"
#include "memorial/ConverteMemorial.h"
#include "memorial/CsvMemorial.h"
#include "memorial/LeituraSegmentos.h"
#include "memorial/NomesPoligono.h"
#include "memorial/TabelaMemorial.h"
#include "calc/LeituraNumeros.h"
#include "geo/Geodesia.h"
#include "poligono/DeclinacaoVertices.h"
#include "present/TextosPoligono.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <cerrno>
#include <cstdio>
#include <optional>

using namespace ceravel;

namespace {

enum CodigoSaida { TodosConvertidos = 0, AlgumaFalha = 1, NadaConvertido = 2 };

void EscreveErro(const QString& texto)
{
    const QByteArray bytes = QStringLiteral("ceravel-memorial: %1\n").arg(texto).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

QString Ajuda()
{
    return QStringLiteral(
        "Uso: ceravel-memorial ENTRADA [-o SAIDA] --levantamento DATA [--conversao DATA]\n"
        "                      --posicao \"LAT;LON\" | --posicao-utm \"ZONA;E;N\"\n"
        "                      [--referencia magnetico|verdadeiro|quadricula]\n"
        "                      [--modelo igrf14|regional] [--locale NOME] [--utf8]\n"
        "                      [--inicio \"VERTICE;E;N;ZONA\" | --inicio \"VERTICE;LAT;LON\"]\n"
        "                      [--datum NOME] [--sem-fator-escala] [--altitude H]\n"
        "                      [--compensar] [--kml ARQ] [--geojson ARQ] [--dxf ARQ]\n"
        "\n"
        "Aviventação de um memorial descritivo: converte todos os rumos do memorial,\n"
        "medidos na data do levantamento, em rumos verdadeiros e em rumos magnéticos na\n"
        "data da conversão, com as mesmas regras da janela Aviventação de Memorial.\n"
        "\n"
        "ENTRADA é um arquivo de texto (UTF-8 ou Windows-1252) com um segmento por linha,\n"
        "De;Para;Rumo ou azimute;Distância[;Confrontante] (ou Rumo;Distância, ou o texto\n"
        "do memorial: \"do marco M1 segue com rumo 45°30' NE e distância de 120,50 m até\n"
        "o marco M2\"), ou um memorial salvo pela janela (.memorial.json), cujos dados\n"
        "valem quando as opções não os dão. Com -, lê a entrada padrão.\n"
        "Rumos: 87°41'06\", 87 41 06, 87,685, 45°30' NE, NE 45°30', N 45°30' E, S 12°15' O\n"
        "(L ou E para leste, O ou W para oeste), ou N, S, L, O sozinhos.\n"
        "\n"
        "Opções:\n"
        "  -o, --saida ARQUIVO     grava em ARQUIVO, substituído só ao final, por inteiro;\n"
        "                          sem esta opção, grava na saída padrão\n"
        "      --levantamento DATA data do levantamento, dd/mm/aaaa ou só o ano aaaa\n"
        "                          (tomado como 1º de julho)\n"
        "      --conversao DATA    data da conversão, dd/mm/aaaa (padrão: hoje)\n"
        "      --posicao \"LAT;LON\" onde a declinação é calculada, em graus decimais com\n"
        "                          o separador decimal da localidade\n"
        "      --posicao-utm \"ZONA;E;N\" ou em UTM SIRGAS 2000: \"23S;334071,9;7400190,2\"\n"
        "      --referencia NOME   magnetico (padrão): rumos magnéticos no levantamento;\n"
        "                          verdadeiro: rumos verdadeiros; quadricula: rumos\n"
        "                          de quadrícula (plano UTM SIRGAS 2000 no fuso da\n"
        "                          posição; verdadeiro = quadrícula + convergência)\n"
        "      --modelo NOME       igrf14 (padrão), datas de 1900 a 2029; regional: o\n"
        "                          modelo regional, quando as duas datas estão entre 1995\n"
        "                          e 2005\n"
        "      --locale NOME       localidade dos números, por exemplo pt_BR ou C\n"
        "                          (padrão: a do sistema)\n"
        "      --utf8              grava em UTF-8 em vez de Windows-1252\n"
        "\n"
        "O polígono no terreno (com --inicio, ou o vértice inicial de um memorial salvo,\n"
        "cujas opções do polígono valem quando estas não as dão):\n"
        "      --inicio TEXTO      as coordenadas de um vértice do memorial: \"M1;E;N;23S\"\n"
        "                          (UTM, zona com a letra do hemisfério) ou \"M1;LAT;LON\"\n"
        "                          (graus decimais); sem nome, o primeiro \"De\". Os\n"
        "                          vértices seguem no plano UTM SIRGAS 2000 da zona:\n"
        "                          azimute plano = verdadeiro - convergência no início do\n"
        "                          lado; distância plana = distância x k no meio do\n"
        "                          lado. Num perímetro de mais de 10 km, cada segmento\n"
        "                          é convertido de novo com a declinação (e a\n"
        "                          convergência) do seu vértice de partida\n"
        "      --datum NOME        sirgas2000 (padrão), sad69, sad69-96,\n"
        "                          corrego-alegre-1970 ou corrego-alegre-1961\n"
        "      --sem-fator-escala  as distâncias já estão no plano: sem o fator k\n"
        "      --altitude H        altitude média do imóvel em metros: aplica R/(R+h),\n"
        "                          R = 6 378 000 m\n"
        "      --compensar         distribui o erro de fechamento pela regra da bússola\n"
        "                          (Bowditch); as coordenadas compensadas vêm ao lado\n"
        "      --kml, --geojson, --dxf ARQUIVO\n"
        "                          grava o polígono e os vértices nesse formato\n"
        "  -h, --ajuda             mostra esta ajuda\n"
        "\n"
        "A saída, separada por ponto e vírgula, tem uma linha de cabeçalho e uma linha\n"
        "por segmento: o número da linha na entrada, De, Para, o rumo como escrito, a\n"
        "distância, o confrontante, os azimutes e rumos verdadeiro e magnético na\n"
        "conversão como texto, as declinações, \"Azimute verdadeiro (graus)\" e \"Azimute\n"
        "magnético na conversão (graus)\" com 6 decimais, as declinações em graus e a\n"
        "mensagem de uma linha recusada. Com --inicio, antes da mensagem: \"E (m)\" e\n"
        "\"N (m)\" do vértice final do segmento, sua \"Latitude SIRGAS 2000\" e \"Longitude\n"
        "SIRGAS 2000\", a \"Convergência (graus)\" no início do segmento (e \"E compensado\n"
        "(m)\", \"N compensado (m)\" com --compensar); depois das linhas, o resumo:\n"
        "perímetro, áreas plana e elipsoidal, erro de fechamento, precisão relativa e\n"
        "a declinação usada (a da posição, ou a de cada vértice de partida).\n"
        "\n"
        "Código de saída: 0 se todos os segmentos foram convertidos, 1 se alguma linha\n"
        "foi recusada, 2 se nada foi convertido (opção, dados do memorial, arquivo do\n"
        "modelo, entrada ou saída).\n");
}

struct Opcoes {
    QString entrada, saida, levantamento, conversao, posicao, posicaoUtm, referencia, modelo, locale;
    bool utf8 = false, ajuda = false;
    QString inicio, datum, altitude, kml, geojson, dxf;
    bool semFatorEscala = false, compensar = false;
};

std::optional<Opcoes> LeOpcoes(const QStringList& args, QString& erro)
{
    Opcoes o;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const auto valor = [&](QString& destino) {
            if (i + 1 >= args.size()) {
                erro = QStringLiteral("falta o valor de %1").arg(a);
                return false;
            }
            destino = args[++i];
            return true;
        };
        bool ok = true;
        if (a == u"-h" || a == u"--ajuda" || a == u"--help")
            o.ajuda = true;
        else if (a == u"-o" || a == u"--saida")
            ok = valor(o.saida);
        else if (a == u"--levantamento")
            ok = valor(o.levantamento);
        else if (a == u"--conversao")
            ok = valor(o.conversao);
        else if (a == u"--posicao")
            ok = valor(o.posicao);
        else if (a == u"--posicao-utm")
            ok = valor(o.posicaoUtm);
        else if (a == u"--referencia")
            ok = valor(o.referencia);
        else if (a == u"--modelo")
            ok = valor(o.modelo);
        else if (a == u"--locale")
            ok = valor(o.locale);
        else if (a == u"--utf8")
            o.utf8 = true;
        else if (a == u"--inicio")
            ok = valor(o.inicio);
        else if (a == u"--datum")
            ok = valor(o.datum);
        else if (a == u"--altitude")
            ok = valor(o.altitude);
        else if (a == u"--kml")
            ok = valor(o.kml);
        else if (a == u"--geojson")
            ok = valor(o.geojson);
        else if (a == u"--dxf")
            ok = valor(o.dxf);
        else if (a == u"--sem-fator-escala")
            o.semFatorEscala = true;
        else if (a == u"--compensar")
            o.compensar = true;
        else if (a.startsWith(u'-') && a != u"-") {
            erro = QStringLiteral("opção desconhecida %1 (veja --ajuda)").arg(a);
            return std::nullopt;
        } else if (o.entrada.isEmpty())
            o.entrada = a;
        else {
            erro = QStringLiteral("mais de um arquivo de entrada: %1").arg(a);
            return std::nullopt;
        }
        if (!ok)
            return std::nullopt;
    }
    if (!o.ajuda && o.entrada.isEmpty()) {
        erro = QStringLiteral("falta o arquivo de entrada (veja --ajuda)");
        return std::nullopt;
    }
    return o;
}

QString Decodifica(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString texto = utf8.decode(bytes);
    if (!utf8.hasError())
        return texto;
    return DecodificadorWindows1252().decodifica(bytes);
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QString erro;
    const std::optional<Opcoes> opcoes = LeOpcoes(app.arguments(), erro);
    if (!opcoes) {
        EscreveErro(erro);
        return NadaConvertido;
    }
    if (opcoes->ajuda) {
        const QByteArray b = Ajuda().toLocal8Bit();
        std::fwrite(b.constData(), 1, static_cast<std::size_t>(b.size()), stdout);
        return TodosConvertidos;
    }
    const std::optional<QLocale> locale = lote::LocaleDoNome(opcoes->locale);
    if (!locale) {
        EscreveErro(QStringLiteral("localidade desconhecida: %1").arg(opcoes->locale));
        return NadaConvertido;
    }

    QFile arquivo;
    errno = 0;
    const bool aberto = opcoes->entrada == u"-" ? arquivo.open(stdin, QIODevice::ReadOnly)
                                                : (arquivo.setFileName(opcoes->entrada), arquivo.open(QIODevice::ReadOnly));
    if (!aberto) {
        EscreveErro(QStringLiteral("%1 não pôde ser aberto: %2").arg(opcoes->entrada, MotivoErro(errno, arquivo.errorString())));
        return NadaConvertido;
    }
    const QByteArray bytes = arquivo.readAll();

    // A saved memorial, or a text of segments.
    Memorial memorial;
    std::vector<LinhaSegmento> linhas;
    if (bytes.trimmed().startsWith('{')) {
        LeituraMemorial l = DesserializaMemorial(bytes);
        if (!l.memorial) {
            EscreveErro(QStringLiteral("%1: %2").arg(opcoes->entrada, l.erro));
            return NadaConvertido;
        }
        memorial = std::move(*l.memorial);
        for (size_t i = 0; i < memorial.segmentos.size(); ++i)
            linhas.push_back({static_cast<int>(i + 1), memorial.segmentos[i], {}});
    } else {
        linhas = LeSegmentos(Decodifica(bytes), *locale);
        for (const LinhaSegmento& l : linhas)
            memorial.segmentos.push_back(l.segmento);
        memorial.dados.conversao = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    }
    DadosMemorial& d = memorial.dados;
    if (!opcoes->levantamento.isEmpty())
        d.levantamento = opcoes->levantamento;
    if (!opcoes->conversao.isEmpty())
        d.conversao = opcoes->conversao;
    if (!opcoes->posicao.isEmpty()) {
        const QStringList p = opcoes->posicao.split(u';');
        if (p.size() != 2) {
            EscreveErro(QStringLiteral("--posicao deve ser \"LAT;LON\", em graus decimais"));
            return NadaConvertido;
        }
        d.posicao = {};
        d.posicao.latGraus = p[0].trimmed();
        d.posicao.lonGraus = p[1].trimmed();
    }
    if (!opcoes->posicaoUtm.isEmpty()) {
        const QStringList p = opcoes->posicaoUtm.split(u';');
        const QString zona = p[0].trimmed();
        if (p.size() != 3 || zona.isEmpty() || !zona.back().isLetter()) {
            EscreveErro(QStringLiteral("--posicao-utm deve ser \"ZONA;E;N\", a zona com a letra do hemisfério (23S)"));
            return NadaConvertido;
        }
        d.posicao = {};
        d.posicao.utm = true;
        d.posicao.posicaoUtm = {zona.chopped(1), zona.right(1).toUpper(), p[1].trimmed(), p[2].trimmed()};
    }
    if (opcoes->referencia == u"verdadeiro")
        d.referencia = ReferenciaMemorial::Verdadeiro;
    else if (opcoes->referencia == u"magnetico")
        d.referencia = ReferenciaMemorial::Magnetico;
    else if (opcoes->referencia == u"quadricula")
        d.referencia = ReferenciaMemorial::Quadricula;
    else if (!opcoes->referencia.isEmpty()) {
        EscreveErro(QStringLiteral("--referencia deve ser magnetico, verdadeiro ou quadricula"));
        return NadaConvertido;
    }
    if (opcoes->modelo == u"regional")
        d.modelo = ModeloMemorial::Regional;
    else if (opcoes->modelo == u"igrf14")
        d.modelo = ModeloMemorial::Igrf14;
    else if (!opcoes->modelo.isEmpty()) {
        EscreveErro(QStringLiteral("--modelo deve ser igrf14 ou regional"));
        return NadaConvertido;
    }

    // The polygon's options are checked before any work. A saved memorial's
    // start vertex and options hold where the options do not give them.
    PedidoPoligono pedido;
    const TextosPoligonoMemorial& salvo = memorial.poligono;
    const bool inicioSalvo = opcoes->inicio.isEmpty() && (salvo.utm ? !salvo.leste.trimmed().isEmpty()
                                                                    : !salvo.latitude.trimmed().isEmpty());
    const bool comPoligono = !opcoes->inicio.isEmpty() || inicioSalvo;
    if (!opcoes->inicio.isEmpty()) {
        const auto inicio = DivideVerticeInicial(opcoes->inicio);
        if (!inicio) {
            EscreveErro(QStringLiteral("--inicio deve ser \"VERTICE;E;N;ZONA\" ou \"VERTICE;LAT;LON\""));
            return NadaConvertido;
        }
        pedido.inicio = *inicio;
    } else if (inicioSalvo) {
        pedido.inicio = {salvo.vertice, salvo.utm, {salvo.zona, salvo.hemisferio, salvo.leste, salvo.norte},
                         salvo.latitude, salvo.longitude};
        if (!salvo.altitude.trimmed().isEmpty())
            pedido.altitude = LeNumeroLocal(salvo.altitude, *locale);
        pedido.fatorEscala = salvo.fatorEscala;
        pedido.compensar = salvo.compensar;
    } else if (!opcoes->datum.isEmpty() || !opcoes->altitude.isEmpty() || opcoes->semFatorEscala || opcoes->compensar ||
               !opcoes->kml.isEmpty() || !opcoes->geojson.isEmpty() || !opcoes->dxf.isEmpty()) {
        EscreveErro(QStringLiteral("as opções do polígono pedem --inicio ou um memorial salvo com o vértice inicial (veja --ajuda)"));
        return NadaConvertido;
    }
    const QString datum = opcoes->datum.isEmpty() && inicioSalvo ? salvo.datum : opcoes->datum;
    if (!datum.isEmpty()) {
        bool achou = false;
        for (const geo::DadosDatum& d : geo::Datums())
            if (datum == QLatin1String(d.opcao)) {
                pedido.datum = d.datum;
                achou = true;
            }
        if (!achou) {
            EscreveErro(QStringLiteral("--datum deve ser sirgas2000, sad69, sad69-96, corrego-alegre-1970 ou "
                                       "corrego-alegre-1961"));
            return NadaConvertido;
        }
    }
    if (!opcoes->altitude.isEmpty()) {
        pedido.altitude = LeNumeroLocal(opcoes->altitude, *locale);
        if (!pedido.altitude || *pedido.altitude < -500 || *pedido.altitude > 9000) {
            EscreveErro(QStringLiteral("--altitude deve ser a altitude média em metros, de -500 a 9000"));
            return NadaConvertido;
        }
    }
    if (opcoes->semFatorEscala || !inicioSalvo)
        pedido.fatorEscala = !opcoes->semFatorEscala;
    if (opcoes->compensar || !inicioSalvo)
        pedido.compensar = opcoes->compensar;
    if (inicioSalvo && salvo.altitude.trimmed().size() && opcoes->altitude.isEmpty()
        && (!pedido.altitude || *pedido.altitude < -500 || *pedido.altitude > 9000)) {
        EscreveErro(QStringLiteral("a altitude média do memorial salvo deve ser de -500 a 9000 metros"));
        return NadaConvertido;
    }

    const ResultadoMemorial resultado = ConverteMemorial(memorial, *locale, QCoreApplication::applicationDirPath());
    if (const auto* falha = std::get_if<FalhaMemorial>(&resultado)) {
        EscreveErro(falha->mensagem);
        return NadaConvertido;
    }
    const ConversaoMemorial& convertido = std::get<ConversaoMemorial>(resultado);
    bool falhou = false;

    // The polygon first: beyond 10 km it converts the rows again at their start vertices.
    std::optional<MemorialNoTerreno> terreno;
    if (comPoligono) {
        auto r = CalculaMemorialNoTerreno(convertido, pedido, *locale, QCoreApplication::applicationDirPath());
        if (const auto* f = std::get_if<FalhaGuarda>(&r)) {
            EscreveErro(QStringLiteral("o polígono não foi calculado: %1").arg(f->mensagem));
            falhou = true;
        } else {
            terreno = std::get<MemorialNoTerreno>(std::move(r));
        }
    }
    const ConversaoMemorial& c = terreno ? terreno->conversao : convertido;
    TabelaMemorial tabela = TabelaResultados(c, *locale);
    tabela.titulos.prepend(QStringLiteral("Linha"));
    for (size_t i = 0; i < tabela.linhas.size(); ++i) {
        QStringList& l = tabela.linhas[i];
        if (!linhas[i].motivo.isEmpty() && l.last().isEmpty())
            l.last() = linhas[i].motivo;  // a line whose fields could not even be found
        falhou = falhou || !l.last().isEmpty();
        l.prepend(QString::number(linhas[i].linha));
    }

    // The polygon: its columns before the message, its summary after the rows.
    std::vector<std::pair<QString, QString>> resumo;
    if (terreno) {
        const PoligonoMemorial& p = terreno->poligono;
        const auto colunas = ColunasPoligono(p.poligonal, *locale);
        const QStringList titulos = TitulosPoligono(pedido.compensar && p.poligonal.fechamento);
        for (qsizetype k = 0; k < titulos.size(); ++k)
            tabela.titulos.insert(tabela.titulos.size() - 1, titulos[k]);
        for (size_t i = 0; i < tabela.linhas.size(); ++i)
            for (const QString& x : colunas[i])
                tabela.linhas[i].insert(tabela.linhas[i].size() - 1, x);
        resumo = ResumoPoligono(p.poligonal,
                                {p.inicio.zona, p.inicio.sul, pedido.fatorEscala, pedido.altitude, pedido.compensar},
                                *locale);
        resumo.emplace_back(QStringLiteral("Declinação"), FraseDeclinacao(c, *locale));
        const PoligonoExportado exportado = PoligonoParaExportar(
            p.poligonal, NomeDoPoligono(opcoes->entrada), p.inicio.zona, p.inicio.sul);
        const std::pair<const QString&, FormatoPoligono> exportacoes[] = {
            {opcoes->kml, FormatoPoligono::Kml}, {opcoes->geojson, FormatoPoligono::GeoJson},
            {opcoes->dxf, FormatoPoligono::Dxf}};
        for (const auto& [arquivo, formato] : exportacoes) {
            if (arquivo.isEmpty())
                continue;
            if (const QString erro = ExportaPoligono(formato, arquivo, exportado, *locale); !erro.isEmpty()) {
                EscreveErro(erro);
                falhou = true;
            }
        }
    }
    QStringList csv = LinhasCsv(tabela);
    if (!resumo.empty())
        csv << QString();
    for (const auto& [legenda, valor] : resumo)
        csv << LinhasCsv({{legenda, valor}, {}}).front();

    QByteArray saida;
    if (opcoes->utf8) {
        for (const QString& l : csv)
            saida += l.toUtf8() + "\r\n";
    } else {
        saida = CodificaCsv(csv).bytes;
    }
    if (opcoes->saida.isEmpty()) {
        if (std::fwrite(saida.constData(), 1, static_cast<std::size_t>(saida.size()), stdout)
            != static_cast<std::size_t>(saida.size())) {
            EscreveErro(QStringLiteral("a saída não pôde ser gravada"));
            return NadaConvertido;
        }
    } else {
        QSaveFile destino(opcoes->saida);
        errno = 0;
        if (!destino.open(QIODevice::WriteOnly) || destino.write(saida) != saida.size() || !destino.commit()) {
            EscreveErro(QStringLiteral("%1 não pôde ser gravado: %2").arg(opcoes->saida, MotivoErro(errno, destino.errorString())));
            return NadaConvertido;
        }
    }
    return falhou ? AlgumaFalha : TodosConvertidos;
}
