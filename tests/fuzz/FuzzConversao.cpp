// SPDX-License-Identifier: GPL-3.0-or-later
// The bearing conversion without windows on random boxes, forms, kinds and references: a refusal focuses a
// box the window shows; a success has finite declinations, azimuths in [0, 360) and every text it promises.
#include "tests/fuzz/Fuzz.h"

#include "calc/ConversaoRumos.h"

#include <cmath>
#include <variant>

namespace ceravel::fuzz {

namespace {

bool CaixaAtiva(Campo foco, const TextosConversao& e)
{
    const bool utm = e.formaPosicao == FormaPosicao::Utm,
               latGms = e.formaLatitude == FormaEntrada::GrausMinutosSegundos,
               lonGms = e.formaLongitude == FormaEntrada::GrausMinutosSegundos,
               angGms = e.formaAngulo == FormaEntrada::GrausMinutosSegundos;
    switch (foco) {
    case Campo::Zona: case Campo::Hemisferio: case Campo::Leste: case Campo::Norte: return utm;
    case Campo::LatGraus: return !utm && !latGms;
    case Campo::LatG: case Campo::LatM: case Campo::LatS: return !utm && latGms;
    case Campo::LonGraus: return !utm && !lonGms;
    case Campo::LongG: case Campo::LongM: case Campo::LongS: return !utm && lonGms;
    case Campo::AngGraus: return !angGms;
    case Campo::AngG: case Campo::AngM: case Campo::AngS: return angGms;
    case Campo::Dia: case Campo::Mes: case Campo::Ano: return false;  // the main window's dates
    default: return true;
    }
}

bool Azimute(long long segundos) { return segundos >= 0 && segundos < 360LL * 3600; }

}  // namespace

void AlvoConversao(QByteArrayView dados)
{
    if (dados.size() < 2)
        return;
    const auto a = static_cast<std::uint8_t>(dados[0]), b = static_cast<std::uint8_t>(dados[1]);
    const QList<QString> t = Textos(dados.sliced(2), 22);
    TextosConversao e;
    e.latGraus = t[0], e.latG = t[1], e.latM = t[2], e.latS = t[3], e.lonGraus = t[4], e.longG = t[5], e.longM = t[6];
    e.longS = t[7], e.diaLev = t[8], e.mesLev = t[9], e.anoLev = t[10], e.diaConv = t[11], e.mesConv = t[12];
    e.anoConv = t[13], e.angGraus = t[14], e.angG = t[15], e.angM = t[16], e.angS = t[17];
    const auto forma = [](bool d) { return d ? FormaEntrada::GrausDecimais : FormaEntrada::GrausMinutosSegundos; };
    e.formaLatitude = forma(a & 1), e.formaLongitude = forma(a & 2), e.formaAngulo = forma(a & 4);
    e.tipo = a & 8 ? TipoRumo::Rumo : TipoRumo::Azimute;
    e.referencia = a & 16 ? ReferenciaRumo::Verdadeiro : ReferenciaRumo::Magnetico;
    e.quadrante = static_cast<Quadrante>((a >> 5) % 4);
    const QLocale locale = LocaleDoByte(b);
    // The rest of the second byte: UTM or not, the datum, a grid bearing (none of them for bytes 0–2).
    e.formaPosicao = (b / 3) % 2 ? FormaPosicao::Utm : FormaPosicao::Geograficas;
    e.datum = geo::Datums()[(b / 6) % 5].datum;
    if ((b / 30) % 2)
        e.referencia = ReferenciaRumo::Quadricula;
    e.utm = {t[18], t[19], t[20], t[21]};

    const ResultadoConversao r = CalculaConversao(e, locale, QStringLiteral(CERAVEL_DADOS_PROJETO));
    if (const auto* falha = std::get_if<FalhaGuarda>(&r)) {
        Confere(TextoExibivel(falha->mensagem) && CaixaAtiva(falha->foco, e),
                "uma recusa tem mensagem e põe o foco numa caixa que a janela mostra", NomeCampo(falha->foco));
        return;
    }
    Confere(!std::holds_alternative<FalhaModelo>(r), "com a tabela do programa o IGRF nunca falha",
            std::holds_alternative<FalhaModelo>(r) ? std::get<FalhaModelo>(r).mensagem : QString());
    const Conversao& c = std::get<Conversao>(r);
    for (const DeclinacaoNaData* d : {&c.levantamento, &c.conversao}) {
        Confere(std::isfinite(d->D) && std::isfinite(d->dD) && d->anoDecimal >= 1900 && d->anoDecimal <= 2030,
                "declinação finita numa data do período");
        Confere(!d->regional || (std::isfinite(*d->regional) && d->anoDecimal >= 1995 && d->anoDecimal <= 2006),
                "declinação regional finita, só no seu período");
    }
    const TextosResultadoConversao& x = c.textos;
    for (const QString* texto : {&x.decLev, &x.varLev, &x.decConv, &x.varConv, &x.difDec, &x.modelo})
        Confere(TextoExibivel(*texto), "todo texto de uma conversão é exibível", *texto);
    Confere(c.rumos.has_value() == !x.azVerd.isEmpty(), "há texto de rumo exatamente quando há rumo");
    if (c.rumos) {
        Confere(Azimute(c.rumos->verdadeiro) && Azimute(c.rumos->magneticoConversao), "azimutes em [0, 360)");
        Confere(!c.rumos->quadricula || Azimute(*c.rumos->quadricula), "azimute de quadrícula em [0, 360)");
        Confere(c.rumos->quadricula.has_value() == c.geodesia.has_value(), "rumo de quadrícula com a quadrícula");
        for (const QString* texto : {&x.azVerd, &x.rumoVerd, &x.azMagConv, &x.rumoMagConv})
            Confere(TextoExibivel(*texto), "todo texto de rumo é exibível", *texto);
    }
}

}  // namespace ceravel::fuzz
