// SPDX-License-Identifier: GPL-3.0-or-later
#include "lote/CamposLinha.h"

#include <QVarLengthArray>

#include <algorithm>

namespace ceravel::lote {

namespace {

const QString MensagemCampos = QStringLiteral(
    "A linha deve ter três campos separados por ponto e vírgula: latitude, longitude e data.");
const QString MensagemCamposUtm = QStringLiteral(
    "A linha deve ter quatro campos separados por ponto e vírgula: zona, E, N e data.");
const QString MensagemLatitude = QStringLiteral(
    "A latitude deve ser um número em graus decimais ou três números separados por espaços "
    "(graus, minutos e segundos).");
const QString MensagemLongitude = QStringLiteral(
    "A longitude deve ser um número em graus decimais ou três números separados por espaços "
    "(graus, minutos e segundos).");
const QString MensagemData = QStringLiteral("A data deve estar na forma dd/mm/aaaa.");

// A box that refers to the line's characters: no copy for each of the
// millions of points.
QString Caixa(QStringView texto)
{
    return QString::fromRawData(texto.data(), texto.size());
}

// QStringView::trimmed, without the call for the usual field that starts and
// ends with a visible ASCII character.
QStringView Apara(QStringView texto)
{
    const auto visivel = [](QChar ch) { return ch.unicode() > u' ' && ch.unicode() < 0x7F; };
    if (!texto.isEmpty() && visivel(texto.front()) && visivel(texto.back()))
        return texto;
    return texto.trimmed();
}

// Where the next `ch` at or after `inicio` is in `texto`; -1 if none. A plain
// loop: the fields are a few characters long, shorter than a library call.
qsizetype Procura(QStringView texto, char16_t ch, qsizetype inicio)
{
    for (qsizetype i = inicio; i < texto.size(); ++i) {
        if (texto[i] == ch)
            return i;
    }
    return -1;
}

// The pieces of `texto` between runs of blanks.
QVarLengthArray<QStringView, 4> Palavras(QStringView texto)
{
    QVarLengthArray<QStringView, 4> palavras;
    qsizetype i = 0;
    while (i < texto.size()) {
        while (i < texto.size() && texto[i].isSpace())
            ++i;
        const qsizetype inicio = i;
        while (i < texto.size() && !texto[i].isSpace())
            ++i;
        if (i > inicio)
            palavras.append(texto.sliced(inicio, i - inicio));
    }
    return palavras;
}

// Numbers in files often come from programs that always write the full stop.
// A coordinate holding a full stop never reads under a locale whose separator
// is something else (the locale's reading refuses it, and rejects digit
// grouping), so the full stop is replaced by that separator before the
// calculator's checks: the same as retrying after the locale's reading fails.
QString ComSeparadorDoLocale(QStringView texto, QStringView separador)
{
    const bool separadorPonto = separador.size() == 1 && separador.front() == u'.';
    if (separadorPonto || Procura(texto, u'.', 0) < 0)
        return Caixa(texto);
    return texto.toString().replace(u'.', separador.toString());
}

// The boxes of one coordinate, filled in place.
struct CaixasCoordenada {
    FormaEntrada& forma;
    QString &graus, &g, &m, &s;
};

// False when the field is neither one number nor three.
bool PreencheCoordenada(QStringView campo, QStringView separador, const CaixasCoordenada& caixas)
{
    const auto palavras = Palavras(campo);
    if (palavras.size() == 3) {
        caixas.forma = FormaEntrada::GrausMinutosSegundos;
        caixas.g = ComSeparadorDoLocale(palavras[0], separador);
        caixas.m = ComSeparadorDoLocale(palavras[1], separador);
        caixas.s = ComSeparadorDoLocale(palavras[2], separador);
        return true;
    }
    // No number at all leaves the decimal box empty, for the calculator's own message.
    caixas.forma = FormaEntrada::GrausDecimais;
    if (palavras.size() == 1)
        caixas.graus = ComSeparadorDoLocale(palavras[0], separador);
    return palavras.size() <= 1;
}

}  // namespace

LinhaSeparada SeparaLinha(QStringView linha, bool utm)
{
    const qsizetype quantos = utm ? 4 : 3;
    LinhaSeparada separada;
    if (Apara(linha).startsWith(u'#'))
        return separada;

    QVarLengthArray<QStringView, 4> campos;
    bool algumPreenchido = false;
    bool excesso = false;
    qsizetype inicio = 0;
    for (;;) {
        const qsizetype fim = Procura(linha, u';', inicio);
        const QStringView campo = Apara(linha.sliced(inicio, (fim < 0 ? linha.size() : fim) - inicio));
        algumPreenchido = algumPreenchido || !campo.isEmpty();
        if (campos.size() < quantos)
            campos.append(campo);
        else if (!campo.isEmpty())
            excesso = true;  // trailing empty fields, as spreadsheets write them, are fine
        if (fim < 0)
            break;
        inicio = fim + 1;
    }
    if (!algumPreenchido)
        return separada;
    const qsizetype primeiro = utm ? 1 : 0;
    if (utm)
        separada.zona = campos.value(0);
    separada.latitude = campos.value(primeiro);
    separada.longitude = campos.value(primeiro + 1);
    separada.data = campos.value(primeiro + 2);
    separada.tipo = excesso ? LinhaSeparada::Tipo::Invalida : LinhaSeparada::Tipo::Ponto;
    if (excesso)
        separada.mensagem = utm ? MensagemCamposUtm : MensagemCampos;
    return separada;
}

bool EhCabecalho(QStringView linha)
{
    const bool temDigito = std::any_of(linha.begin(), linha.end(), [](QChar ch) { return ch.isDigit(); });
    const bool temLetra = std::any_of(linha.begin(), linha.end(), [](QChar ch) { return ch.isLetter(); });
    return temLetra && !temDigito;
}

EntradaPonto MontaEntrada(const LinhaSeparada& linha, QStringView separador)
{
    EntradaPonto entrada;
    TextosEntrada& t = entrada.textos;

    if (!PreencheCoordenada(linha.latitude, separador, {t.formaLatitude, t.latGraus, t.latG, t.latM, t.latS})) {
        entrada.mensagem = MensagemLatitude;
        return entrada;
    }
    if (!PreencheCoordenada(linha.longitude, separador,
                            {t.formaLongitude, t.lonGraus, t.longG, t.longM, t.longS})) {
        entrada.mensagem = MensagemLongitude;
        return entrada;
    }

    // An empty date is three empty boxes, for the calculator's own message.
    if (!linha.data.isEmpty()) {
        QVarLengthArray<QStringView, 3> partes;
        qsizetype inicio = 0;
        for (;;) {
            const qsizetype fim = Procura(linha.data, u'/', inicio);
            if (partes.size() == 3) {
                entrada.mensagem = MensagemData;
                return entrada;
            }
            partes.append(linha.data.sliced(inicio, (fim < 0 ? linha.data.size() : fim) - inicio));
            if (fim < 0)
                break;
            inicio = fim + 1;
        }
        if (partes.size() != 3) {
            entrada.mensagem = MensagemData;
            return entrada;
        }
        // Each part is a box exactly as typed, blanks included.
        t.dia = Caixa(partes[0]);
        t.mes = Caixa(partes[1]);
        t.ano = Caixa(partes[2]);
    }
    return entrada;
}

}  // namespace ceravel::lote
