// SPDX-License-Identifier: GPL-3.0-or-later
// The locale and leading-number readings: finite values, the fast paths as QLocale, blanks around a box and
// a character that cannot continue a number change nothing.
#include "tests/fuzz/Fuzz.h"

#include "calc/LeituraNumeros.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace ceravel::fuzz {

namespace {

bool MesmoValor(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

}  // namespace

void AlvoNumeros(QByteArrayView dados)
{
    if (dados.isEmpty())
        return;
    const QLocale locale = LocaleDoByte(static_cast<std::uint8_t>(dados[0]));
    const QString texto = QString::fromUtf8(dados.sliced(1));

    const std::optional<double> local = LeNumeroLocal(texto, locale);
    if (local) {
        Confere(std::isfinite(*local), "LeNumeroLocal: valor finito", texto);
        // The same value the general way: QLocale without digit grouping.
        QLocale semAgrupamento = locale;
        semAgrupamento.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
        bool ok = false;
        const double geral = semAgrupamento.toDouble(texto.trimmed(), &ok);
        Confere(ok && MesmoValor(geral, *local), "LeNumeroLocal: o mesmo valor que o QLocale", texto);
    }
    const std::optional<double> comBrancos = LeNumeroLocal(QStringLiteral(" \t") + texto + u' ', locale);
    Confere(comBrancos.has_value() == local.has_value() && (!local || MesmoValor(*comBrancos, *local)),
            "LeNumeroLocal: brancos nas pontas não mudam a leitura", texto);

    const double inicial = LeNumeroInicial(texto);
    Confere(std::isfinite(inicial), "LeNumeroInicial: valor finito", texto);
    Confere(MesmoValor(LeNumeroInicial(texto + u'#'), inicial), "LeNumeroInicial: para no que não é número",
            texto);
    Confere(MesmoValor(LeNumeroInicial(QStringLiteral(" \t") + texto), inicial),
            "LeNumeroInicial: pula brancos iniciais", texto);
    // A plain C-locale number is read the same by both.
    if (const std::optional<double> c = LeNumeroLocal(texto, QLocale::c());
        c && !texto.contains(u'+') && !texto.contains(u'e', Qt::CaseInsensitive) && texto.trimmed() == texto
        && !texto.startsWith(u'.') && !texto.startsWith(QStringLiteral("-.")) && !texto.endsWith(u'.'))
        Confere(MesmoValor(LeNumeroInicial(texto), *c), "as duas leituras concordam num número simples", texto);
}

}  // namespace ceravel::fuzz
