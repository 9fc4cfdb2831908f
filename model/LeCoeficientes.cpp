// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/LeCoeficientes.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace ceravel {

namespace {

// Blanks, tabs, commas and both halves of a line break all end an item; a run
// of them counts as one separator, so blank lines and ",," hold no empty item.
bool Separador(char ch)
{
    return ch == ',' || ch == '\n' || ch == '\r' || ch == ' ' || ch == '\t' || ch == '\f' || ch == '\v';
}

bool Digito(char ch) { return ch >= '0' && ch <= '9'; }

// A garbage token of megabytes must not be kept whole: no sane number is this long.
constexpr std::size_t TamanhoMaximoItem = 1024;

enum class SituacaoItem { Valido, NaoNumero, ForaDoLimite };

struct ItemLido {
    SituacaoItem situacao = SituacaoItem::NaoNumero;
    double valor = 0;
};

// Checks [sign] digits [. digits] [(e|E) [sign] digits] with at least one
// mantissa digit, and estimates the decimal order of magnitude, which tells
// an overflow (too big: an error) from an underflow (too small: zero).
ItemLido LeItem(std::string_view texto)
{
    if (texto.size() > TamanhoMaximoItem)
        return {};
    std::size_t i = 0;
    const std::size_t n = texto.size();
    if (i < n && (texto[i] == '+' || texto[i] == '-'))
        ++i;
    long long digitosInteiros = 0;  // integer digits after leading zeros
    long long zerosFracao = 0;      // fraction zeros before the first non-zero digit
    bool temDigito = false;
    bool achouNaoZero = false;
    while (i < n && Digito(texto[i])) {
        temDigito = true;
        achouNaoZero = achouNaoZero || texto[i] != '0';
        if (achouNaoZero)
            ++digitosInteiros;
        ++i;
    }
    if (i < n && texto[i] == '.') {
        ++i;
        while (i < n && Digito(texto[i])) {
            temDigito = true;
            if (!achouNaoZero && texto[i] == '0')
                ++zerosFracao;
            achouNaoZero = achouNaoZero || texto[i] != '0';
            ++i;
        }
    }
    if (!temDigito)
        return {};
    long long expoente = 0;
    if (i < n && (texto[i] == 'e' || texto[i] == 'E')) {
        ++i;
        bool negativo = false;
        if (i < n && (texto[i] == '+' || texto[i] == '-'))
            negativo = texto[i++] == '-';
        if (i >= n || !Digito(texto[i]))
            return {};
        while (i < n && Digito(texto[i])) {
            expoente = std::min(expoente * 10 + (texto[i] - '0'), 1000000LL);
            ++i;
        }
        if (negativo)
            expoente = -expoente;
    }
    if (i != n)
        return {};

    // from_chars never takes a leading '+' and never looks at any locale.
    const char* inicio = texto.data() + (texto[0] == '+' ? 1 : 0);
    const char* fim = texto.data() + n;
    double valor = 0;
    const auto [ptr, ec] = std::from_chars(inicio, fim, valor);
    if (ec == std::errc() && ptr == fim)
        return {SituacaoItem::Valido, valor};
    if (ec == std::errc::result_out_of_range && ptr == fim) {
        const long long ordem = expoente + (digitosInteiros > 0 ? digitosInteiros : -zerosFracao);
        if (ordem <= 0)
            return {SituacaoItem::Valido, texto[0] == '-' ? -0.0 : 0.0};
        return {SituacaoItem::ForaDoLimite, 0};
    }
    return {};
}

// The offending item as the user wrote it, shortened for a message box: only
// printable characters are quoted; a control, format or unassigned character
// (NUL, a tab pasted in, a stray escape) is shown by its code, "<U+0000>",
// so it can never garble a terminal or a message box.
QString TextoDoItem(std::string_view item)
{
    constexpr qsizetype limite = 20;  // characters of the item
    const QByteArrayView bytes(item.data(), static_cast<qsizetype>(item.size()));
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString decodificado = utf8(bytes);
    if (utf8.hasError())
        decodificado = QString::fromLatin1(bytes);
    const QList<uint> codigos = decodificado.toUcs4();
    QString texto;
    for (qsizetype i = 0; i < codigos.size() && i < limite; ++i) {
        const char32_t codigo = codigos[i];
        if (QChar::isPrint(codigo))
            texto += QString::fromUcs4(&codigo, 1);
        else
            texto += QStringLiteral("<U+%1>").arg(QString::number(static_cast<uint>(codigo), 16).toUpper(), 4,
                                                  QLatin1Char('0'));
    }
    if (codigos.size() > limite)
        texto += QChar(0x2026);
    return texto;
}

QString MensagemItensInsuficientes(const QString& nome, int itens)
{
    if (itens == 0)
        return QStringLiteral("O arquivo de coeficientes %1 está vazio: são necessários %2 coeficientes.")
            .arg(nome)
            .arg(Coeficientes::Quantidade);
    return QStringLiteral("O arquivo de coeficientes %1 terminou antes do %2º coeficiente: contém apenas %3 %4.")
        .arg(nome)
        .arg(Coeficientes::Quantidade)
        .arg(itens)
        .arg(itens == 1 ? QStringLiteral("item") : QStringLiteral("itens"));
}

}  // namespace

LeituraCoeficientes LeCoeficientes(const QString& pasta, const QString& nomeArquivo, OrigemPasta origem)
{
    const QString pastaVisivel = origem == OrigemPasta::DoPrograma
        ? QStringLiteral("na pasta do programa (%1)").arg(QDir::toNativeSeparators(pasta))
        : QStringLiteral("na pasta %1").arg(QDir::toNativeSeparators(pasta));
    const auto ilegivel = [&] {
        return QStringLiteral("O arquivo de coeficientes %1 não pôde ser lido %2.").arg(nomeArquivo, pastaVisivel);
    };
    QFile arquivo(QDir(pasta).filePath(nomeArquivo));
    // Opening first spares a second look at the disk on the usual path; a
    // folder of that name fails to open and is reported as unreadable.
    if (!arquivo.open(QIODevice::ReadOnly)) {
        if (!arquivo.exists())
            return {std::nullopt,
                    QStringLiteral("O arquivo de coeficientes %1 não foi encontrado %2.")
                        .arg(nomeArquivo, pastaVisivel)};
        return {std::nullopt, ilegivel()};
    }

    Coeficientes coeficientes;
    int lidos = 0;
    std::string item;
    bool inicioDoArquivo = true;

    // Returns the failure message, if the item just completed is not a number.
    auto guardaItem = [&]() -> std::optional<QString> {
        const ItemLido lido = LeItem(item);
        if (lido.situacao == SituacaoItem::NaoNumero)
            return QStringLiteral("O item %1 do arquivo de coeficientes %2 não é um número válido: \"%3\".")
                .arg(lidos + 1)
                .arg(nomeArquivo, TextoDoItem(item));
        if (lido.situacao == SituacaoItem::ForaDoLimite)
            return QStringLiteral("O item %1 do arquivo de coeficientes %2 está fora do limite numérico: \"%3\".")
                .arg(lidos + 1)
                .arg(nomeArquivo, TextoDoItem(item));
        coeficientes.valores[static_cast<std::size_t>(lidos)] = lido.valor;
        ++lidos;
        item.clear();
        return std::nullopt;
    };

    // Read in blocks and stop at the 31st item: the rest of the file may be
    // anything and is never looked at.
    char bloco[4096];
    for (;;) {
        const qint64 tamanho = arquivo.read(bloco, sizeof bloco);
        if (tamanho < 0)
            return {std::nullopt, ilegivel()};
        std::string_view dados(bloco, static_cast<std::size_t>(tamanho));
        // Editors on some systems start a text file with a UTF-8 byte order mark.
        if (inicioDoArquivo && dados.starts_with("\xEF\xBB\xBF"))
            dados.remove_prefix(3);
        inicioDoArquivo = false;
        if (tamanho == 0) {
            if (!item.empty()) {
                if (auto erro = guardaItem())
                    return {std::nullopt, *erro};
            }
            break;
        }
        for (const char ch : dados) {
            if (!Separador(ch)) {
                if (item.size() <= TamanhoMaximoItem)
                    item.push_back(ch);
                continue;
            }
            if (item.empty())
                continue;
            if (auto erro = guardaItem())
                return {std::nullopt, *erro};
            if (lidos == Coeficientes::Quantidade)
                return {coeficientes, QString()};
        }
    }

    if (lidos < Coeficientes::Quantidade)
        return {std::nullopt, MensagemItensInsuficientes(nomeArquivo, lidos)};
    return {coeficientes, QString()};
}

LeituraConjuntos LeConjuntos(const QString& pasta, OrigemPasta origem)
{
    ConjuntosCoeficientes conjuntos;
    const std::pair<const char*, Coeficientes*> arquivos[] = {{ArquivoDeclinacao, &conjuntos.declinacao},
                                                              {ArquivoInclinacao, &conjuntos.inclinacao},
                                                              {ArquivoIntensidade, &conjuntos.intensidade}};
    for (const auto& [nome, destino] : arquivos) {
        LeituraCoeficientes lido = LeCoeficientes(pasta, QString::fromLatin1(nome), origem);
        if (!lido.coeficientes)
            return {std::nullopt, lido.erro};
        *destino = *lido.coeficientes;
    }
    return {conjuntos, QString()};
}

}  // namespace ceravel
