// SPDX-License-Identifier: GPL-3.0-or-later
// The Calculate command without windows on random boxes and entry forms: a refusal has a message and its
// focus on a box of the active form; a success is in the model's box and period, finite, fully shown and exported.
#include "tests/fuzz/Fuzz.h"

#include "calc/Calculo.h"
#include "export/LinhasExportacao.h"

#include <cmath>
#include <variant>

namespace ceravel::fuzz {

void AlvoCalculo(QByteArrayView dados)
{
    if (dados.isEmpty())
        return;
    const auto opcoes = static_cast<std::uint8_t>(dados[0]);
    const QLocale locale = LocaleDoByte(opcoes >> 2);
    const QList<QString> t = Textos(dados.sliced(1), 11);
    TextosEntrada e{t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9], t[10]};
    const bool latGms = !(opcoes & 1), lonGms = !(opcoes & 2);
    e.formaLatitude = latGms ? FormaEntrada::GrausMinutosSegundos : FormaEntrada::GrausDecimais;
    e.formaLongitude = lonGms ? FormaEntrada::GrausMinutosSegundos : FormaEntrada::GrausDecimais;

    const ResultadoCalculo r = Calcula(e, locale, QStringLiteral(CERAVEL_DADOS_PROJETO));
    if (const auto* falha = std::get_if<FalhaGuarda>(&r)) {
        Confere(TextoExibivel(falha->mensagem), "uma recusa tem mensagem");
        const Campo f = falha->foco;
        const bool ativa = f == Campo::LatGraus ? !latGms
                           : f == Campo::LatG || f == Campo::LatM || f == Campo::LatS ? latGms
                           : f == Campo::LonGraus ? !lonGms
                           : f == Campo::LongG || f == Campo::LongM || f == Campo::LongS ? lonGms
                           : f == Campo::Nenhum || f == Campo::Dia || f == Campo::Mes || f == Campo::Ano;
        Confere(ativa, "o foco vai para uma caixa da forma ativa", NomeCampo(f));
        return;
    }
    Confere(!std::holds_alternative<FalhaModelo>(r), "com os arquivos do programa o modelo nunca falha",
            std::holds_alternative<FalhaModelo>(r) ? std::get<FalhaModelo>(r).mensagem : QString());
    const Calculo& c = std::get<Calculo>(r);
    const PedidoValidado& p = c.pedido;
    Confere(p.latitude >= -36 && p.latitude <= 11 && p.longitude >= -76 && p.longitude <= -29,
            "a posição aceita fica na caixa do modelo");
    // 31/12/2005 is 2006.0.
    Confere(p.anoDecimal >= 1995 && p.anoDecimal <= 2006, "a data aceita fica no período do modelo");
    const ElementosCampo& m = c.elementos;
    for (const double v : {double(m.D), double(m.I), double(m.F), m.X, m.Y, m.Z, double(m.m), double(m.n),
                           double(m.dF), m.dX, m.dY, m.dZ})
        Confere(std::isfinite(v), "todo valor calculado é finito");
    const TextosResultado& x = c.textos;
    for (const QString* texto : {&x.epoca, &x.dmin, &x.vd, &x.latExp, &x.longExp, &x.cx, &x.cy, &x.cz, &x.cf,
                                 &x.vx2, &x.vy2, &x.vz2, &x.vf2, &x.inc2, &x.aimin2, &x.vi2, &x.relData,
                                 &x.relEpoca, &x.relLatitude, &x.relLongitude})
        Confere(TextoExibivel(*texto), "todo texto de um resultado é exibível", *texto);
    // The fields of each export line, fixed by the file's layout.
    constexpr int Separadores[26] = {0, 0, 0, 0, 0, 3, 1, 0, 1, 1, 0, 0, 0, 3, 3, 3, 3, 0, 0, 3, 0, 0, 3, 0, 0, 3};
    const QStringList linhas = LinhasExportacao(c);
    Confere(linhas.size() == 26, "26 linhas de exportação");
    for (qsizetype i = 0; i < linhas.size(); ++i)
        Confere(!linhas[i].contains(u'\r') && !linhas[i].contains(u'\n') && linhas[i].count(u';') == Separadores[i],
                "cada linha exportada tem os seus campos e nenhuma quebra", linhas[i]);
}

}  // namespace ceravel::fuzz
