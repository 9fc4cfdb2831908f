// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/LeituraRumo.h"

#include "calc/LeituraNumeros.h"
#include "calc/RegrasRumos.h"
#include "calc/SimbolosLocale.h"

#include <cmath>
#include <vector>

namespace ceravel {

namespace {

// Which part of the angle a number is, by the mark after it or its place.
enum class Parte { Graus = 0, Minutos = 1, Segundos = 2 };

struct Numero {
    QString texto;
    int parte = -1;  // -1: no mark, placed after the previous one
};

bool Letra(QChar c) { return c.isLetter(); }

// N, S, E, W as the quadrant letters read them (L is east, O west); 0 otherwise.
char Direcao(QChar c)
{
    switch (c.toUpper().unicode()) {
    case u'N': return 'N';
    case u'S': return 'S';
    case u'L':
    case u'E': return 'E';
    case u'O':
    case u'W': return 'W';
    default: return 0;
    }
}

bool MarcaGraus(QChar c) { return c == u'\u00B0' || c == u'\u00BA'; }
bool MarcaMinutos(QChar c) { return c == u'\'' || c == u'\u2032' || c == u'\u2019'; }
bool MarcaSegundos(QChar c) { return c == u'"' || c == u'\u2033' || c == u'\u201D'; }

QString Citado(QStringView t) { return u'\u00AB' + t.toString() + u'\u00BB'; }

LeituraRumo Recusa(const QString& motivo) { return {std::nullopt, motivo, false}; }

}  // namespace

LeituraRumo LeRumo(const QString& textoOriginal, const QLocale& locale)
{
    const QString texto = textoOriginal.trimmed();
    if (texto.isEmpty())
        return Recusa(QStringLiteral("Falta o rumo ou azimute."));
    const SimbolosLocale& simbolos = Simbolos(locale);
    const QChar separador = simbolos.separadorUnico;

    // Letters before the first digit and after the last one.
    qsizetype inicio = 0, fim = texto.size();
    QString antes, depois;
    while (inicio < fim && !texto[inicio].isDigit() && (Letra(texto[inicio]) || texto[inicio].isSpace())) {
        if (!texto[inicio].isSpace())
            antes += texto[inicio].toUpper();
        ++inicio;
    }
    while (fim > inicio && !texto[fim - 1].isDigit() && (Letra(texto[fim - 1]) || texto[fim - 1].isSpace())) {
        if (!texto[fim - 1].isSpace())
            depois.prepend(texto[fim - 1].toUpper());
        --fim;
    }
    for (const QString* l : {&antes, &depois})
        for (QChar c : *l)
            if (!Direcao(c))
                return Recusa(QStringLiteral("%1 não é um quadrante: use N, S, L (ou E) e O (ou W).").arg(Citado(*l)));

    // A cardinal direction alone.
    if (inicio == fim) {
        const QString& l = antes;
        if (l.size() == 1) {
            const double azimutes[] = {0, 90, 180, 270};
            const char d = Direcao(l[0]);
            const int i = d == 'N' ? 0 : d == 'E' ? 1 : d == 'S' ? 2 : 3;
            return {azimutes[i], {}, true};
        }
        return Recusa(QStringLiteral("Falta o ângulo depois de %1.").arg(Citado(l)));
    }

    // The quadrant, from letters before, after, or one on each side; a
    // cardinal letter alone goes with 0° (N, S) or 90° (L, O), as the
    // program writes exact cardinal directions ("90°00'00'' L").
    std::optional<Quadrante> quadrante;
    bool cardeal = false;
    if (!antes.isEmpty() || !depois.isEmpty()) {
        QString q;
        if (!antes.isEmpty() && !depois.isEmpty()) {
            if (antes.size() != 1 || depois.size() != 1)
                return Recusa(QStringLiteral("O quadrante está dos dois lados do ângulo: %1 e %2.")
                                  .arg(Citado(antes), Citado(depois)));
            q = antes + depois;
        } else {
            q = antes.isEmpty() ? depois : antes;
        }
        if (q.size() == 1) {
            cardeal = true;
            const char d = Direcao(q[0]);
            quadrante = d == 'N' ? Quadrante::N : d == 'S' ? Quadrante::S : d == 'E' ? Quadrante::L : Quadrante::O;
        } else if (q.size() == 2) {
            const char ns = Direcao(q[0]), lo = Direcao(q[1]);
            if ((ns != 'N' && ns != 'S') || (lo != 'E' && lo != 'W'))
                return Recusa(QStringLiteral("Quadrante %1 inválido: um rumo vai de N ou S para L (E) ou O (W).")
                                  .arg(Citado(q)));
            quadrante = ns == 'N' ? (lo == 'E' ? Quadrante::NE : Quadrante::NO)
                                  : (lo == 'E' ? Quadrante::SE : Quadrante::SO);
        } else {
            return Recusa(QStringLiteral("Quadrante %1 inválido: um rumo vai de N ou S para L (E) ou O (W), "
                                         "como NE, SE, SO ou NO.")
                              .arg(Citado(q)));
        }
    }

    // The numbers of the angle and their marks.
    std::vector<Numero> numeros;
    const QStringView meio = QStringView(texto).mid(inicio, fim - inicio);
    for (qsizetype i = 0; i < meio.size();) {
        const QChar c = meio[i];
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (c.isDigit()) {
            Numero n;
            while (i < meio.size() && (meio[i].isDigit() || meio[i] == separador))
                n.texto += meio[i++];
            numeros.push_back(n);
            continue;
        }
        int parte = -1;
        if (MarcaGraus(c))
            parte = 0;
        else if (MarcaMinutos(c))
            parte = (i + 1 < meio.size() && meio[i + 1] == u'\'') ? 2 : 1;
        else if (MarcaSegundos(c))
            parte = 2;
        if (parte < 0) {
            if ((c == u'.' || c == u',') && c != separador)
                return Recusa(QStringLiteral("O separador decimal é %1.").arg(Citado(simbolos.separador)));
            if (Letra(c))
                return Recusa(QStringLiteral("Letra %1 no meio do ângulo: o quadrante vai antes ou depois dele.")
                                  .arg(Citado(QString(c))));
            return Recusa(QStringLiteral("Caractere %1 não reconhecido no rumo.").arg(Citado(QString(c))));
        }
        if (numeros.empty() || numeros.back().parte >= 0)
            return Recusa(QStringLiteral("Marca %1 sem número antes dela.").arg(Citado(meio.mid(i, parte == 2 && c == u'\'' ? 2 : 1))));
        numeros.back().parte = parte;
        i += (parte == 2 && c == u'\'') ? 2 : 1;
    }
    if (numeros.size() > 3)
        return Recusa(QStringLiteral("O ângulo tem mais de três números (graus, minutos e segundos)."));

    double partes[3] = {0, 0, 0};
    int proxima = 0;
    for (size_t k = 0; k < numeros.size(); ++k) {
        const Numero& n = numeros[k];
        const int parte = n.parte >= 0 ? n.parte : proxima;
        if (parte < proxima || parte > 2)
            return Recusa(QStringLiteral("Graus, minutos e segundos fora de ordem."));
        const std::optional<double> v = LeNumeroLocal(n.texto, locale);
        if (!v)
            return Recusa(QStringLiteral("%1 não é um número.").arg(Citado(n.texto)));
        if (k + 1 < numeros.size() && *v != std::trunc(*v))
            return Recusa(QStringLiteral("Só o último número do ângulo pode ter decimais."));
        if (parte > 0 && *v >= 60)
            return Recusa(QStringLiteral("Minutos e segundos devem ser menores que 60."));
        partes[parte] = *v;
        proxima = parte + 1;
    }
    const double angulo = partes[0] + partes[1] / 60 + partes[2] / 3600;
    if (!std::isfinite(angulo) || angulo > 1e6)
        return Recusa(QStringLiteral("O ângulo é grande demais."));
    // Whole seconds from here on, as every bearing of the program.
    const long long segundos = SegundosArredondados(angulo);
    if (quadrante) {
        if (angulo > 90)
            return Recusa(QStringLiteral("O ângulo de um rumo vai de 0 a 90 graus."));
        if (cardeal) {
            const bool norteSul = *quadrante == Quadrante::N || *quadrante == Quadrante::S;
            if (segundos != (norteSul ? 0 : 90 * 3600))
                return Recusa(QStringLiteral("Falta a segunda letra do quadrante: só N ou S vão com 0°, e L ou O "
                                             "com 90°; os outros rumos vão como NE, SE, SO ou NO."));
        }
        return {AzimuteDeRumo(segundos, *quadrante) / 3600.0, {}, true};
    }
    if (angulo >= 360)
        return Recusa(QStringLiteral("O azimute deve ser maior ou igual a 0 e menor que 360 graus."));
    return {ReduzAzimute(segundos) / 3600.0, {}, false};
}

std::optional<double> LeDistancia(const QString& textoOriginal, const QLocale& locale, QString& motivo)
{
    QString texto = textoOriginal.trimmed();
    if (texto.isEmpty()) {
        motivo = QStringLiteral("Falta a distância.");
        return std::nullopt;
    }
    if (texto.endsWith(u'm', Qt::CaseInsensitive))
        texto = texto.chopped(1).trimmed();
    const std::optional<double> v = LeNumeroLocal(texto, locale);
    if (!v || !std::isfinite(*v)) {
        const SimbolosLocale& s = Simbolos(locale);
        motivo = QStringLiteral("A distância %1 não é um número em metros (separador decimal %2).")
                     .arg(Citado(textoOriginal.trimmed()), Citado(s.separador));
        return std::nullopt;
    }
    if (*v <= 0) {
        motivo = QStringLiteral("A distância deve ser maior que zero.");
        return std::nullopt;
    }
    return v;
}

}  // namespace ceravel
