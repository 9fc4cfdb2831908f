// SPDX-License-Identifier: GPL-3.0-or-later
// The memorial file reader: what opens saves to what opens alike, to the same bytes; a refusal has a reason
// and no memorial (never half-loaded).
#include "tests/fuzz/Fuzz.h"

#include "memorial/ArquivoMemorial.h"

namespace ceravel::fuzz {

void AlvoArquivoMemorial(QByteArrayView dados)
{
    const QByteArray bytes = dados.toByteArray();
    const LeituraMemorial l = DesserializaMemorial(bytes);
    if (!l.memorial) {
        Confere(TextoExibivel(l.erro), "memorial recusado com um motivo", QString::fromUtf8(bytes));
        return;
    }
    Confere(l.erro.isEmpty(), "memorial lido sem motivo de recusa", QString::fromUtf8(bytes));
    const QByteArray salvo = SerializaMemorial(*l.memorial);
    const LeituraMemorial relido = DesserializaMemorial(salvo);
    Confere(relido.memorial.has_value(), "o memorial salvo abre", QString::fromUtf8(salvo) + u'\n' + relido.erro);
    Confere(*relido.memorial == *l.memorial, "o memorial salvo abre igual", QString::fromUtf8(salvo));
    Confere(SerializaMemorial(*relido.memorial) == salvo, "salvar de novo dá os mesmos bytes",
            QString::fromUtf8(salvo));
}

}  // namespace ceravel::fuzz
