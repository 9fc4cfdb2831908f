// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ConversaoRumos.h"

#include "present/TextosAngulo.h"
#include "present/TextosConversao.h"
#include "calc/RegrasRumos.h"
#include "present/TresNortes.h"
#include "ui/Controles.h"
#include "ui/DiagramaNortes.h"
#include "ui/Figuras.h"
#include "ui/Mensageiro.h"
#include "ui/Twips.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <array>
#include <variant>
#include <vector>

namespace ceravel {

namespace {

// Left column (position), right column (dates), then rows across both.
// The position's form and datum under both; the grid column right of everything.
constexpr double Margem = 240, LarguraDatas = 3255, LarguraTotal = 2775 + 240 + LarguraDatas;
constexpr double TopoPosicao = 2160, AlturaPosicao = 1110, LarguraQuadricula = 3840;
constexpr double TopoRumo = TopoPosicao + AlturaPosicao + 120, AlturaRumo = 1740, TopoBotoes = TopoRumo + AlturaRumo + 180,
                 TopoResultados = TopoBotoes + 375 + 210;
// Results: caption column, two value columns, row pitch; the model's line
// may take up to four lines.
constexpr double ColunaA = 2880, ColunaB = 4560, LarguraValor = 1560, Passo = 270;
constexpr double AlturaMaximaModelo = 1320;
constexpr double AlturaMaximaResultados = 240 + 10 * Passo + 90 + 90 + AlturaMaximaModelo + 90;

const NomesEntrada NomesAngulo{nullptr, "Ângulo", "BtAngGMS", "BtAngG", "AngGraus", "AngG", "AngM", "AngS",
                               "LbG3", "LbM3", "LbS3", 90, "o ângulo do rumo", "do ângulo do rumo"};

QString Dois(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

QRadioButton* CriaOpcao(QWidget* pai, const QString& nome, const QString& texto, double esquerda, double topo,
                        double largura)
{
    auto* o = new QRadioButton(texto, pai);
    o->setObjectName(nome);
    o->setGeometry(RetPx(esquerda, topo, largura, 255));
    o->setFont(FonteArial(8.25));
    return o;
}

// A date frame: day / month / year boxes sized and spaced as on Main.
void CriaData(QWidget* janela, const QString& moldura, const QString& legenda, double topo, const QString& sufixo,
              const QString& quando, QLineEdit*& dia, QLineEdit*& mes, QLineEdit*& ano)
{
    auto* m = CriaMoldura(janela, moldura, legenda, Margem + 2775 + 240, topo, LarguraDatas, 735,
                          FonteArial(8.25, true));
    // In line with the "Quadrante" box below.
    const double x = 1320;
    dia = CriaCaixaTexto(m, QStringLiteral("Dia") + sufixo, x, 360, 375, 285, QStringLiteral("Dia ") + quando);
    CriaRotulo(m, QStringLiteral("LbBarra1") + sufixo, QStringLiteral("/"), x + 405, 360, 60, 255, FonteArial(11.25));
    mes = CriaCaixaTexto(m, QStringLiteral("Mes") + sufixo, x + 495, 360, 375, 285, QStringLiteral("Mês ") + quando);
    CriaRotulo(m, QStringLiteral("LbBarra2") + sufixo, QStringLiteral("/"), x + 900, 360, 60, 255, FonteArial(11.25));
    ano = CriaCaixaTexto(m, QStringLiteral("Ano") + sufixo, x + 990, 360, 495, 285, QStringLiteral("Ano ") + quando);
}

// A row's caption, as the clipboard names it, with a colon.
QLabel* Legenda(QWidget* pai, const char* nome, const QString& texto)
{
    return CriaRotulo(pai, QString::fromLatin1(nome), texto + u':', 120, 0, ColunaA - 120, 240, FonteArial(8.25));
}

QLabel* Valor(QWidget* pai, const char* nome, double coluna, const QString& nomeAcessivel)
{
    auto* r = CriaRotulo(pai, QString::fromLatin1(nome), {}, coluna, 0, LarguraValor, 240, FonteArial(8.25, true),
                         Qt::AlignRight | Qt::AlignTop);
    r->setAccessibleName(nomeAcessivel);
    return r;
}

QLabel* Cabecalho(QWidget* pai, const char* nome, const QString& texto, double coluna)
{
    return CriaRotulo(pai, QString::fromLatin1(nome), texto, coluna, 0, LarguraValor, 240,
                      FonteArial(8.25, false, true), Qt::AlignRight | Qt::AlignTop);
}

}  // namespace

ConversaoRumos::ConversaoRumos(const QString& pastaPrograma, const QLocale& locale, Mensageiro& mensageiro,
                               const TextosEntrada* posicao, QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_pasta(pastaPrograma), m_locale(locale), m_mensageiro(mensageiro)
{
    setObjectName(QStringLiteral("ConversaoRumos"));
    setWindowTitle(QStringLiteral("Ceravel - Conversão de Rumos"));
    setWindowIcon(IconeCeravel());
    // Until the first conversion the window ends under its buttons.
    setFixedSize(Px(Margem + LarguraTotal + Margem + LarguraQuadricula + Margem), Px(TopoResultados - 210 + Margem));
    // The same background as Main's client area.
    DefineFundo(this, palette().color(QPalette::Midlight));

    criaEntradas();
    criaPosicao();
    criaRumo();
    criaResultados();
    criaQuadricula();
    defineOrdemTeclado();
    if (posicao)
        preenche(*posicao);
    vigiaEntradas();
    // The survey date is the one thing always left to type.
    m_diaLev->setFocus();
}

void ConversaoRumos::criaEntradas()
{
    m_latitude = CriaCoordenada(this, NomesLatitude, Margem, 240);
    m_longitude = CriaCoordenada(this, NomesLongitude, Margem, 1200);
    ligaFormas(m_latitude);
    ligaFormas(m_longitude);

    CriaData(this, QStringLiteral("DataLev_Frame"), QStringLiteral("Data do levantamento (dd/mm/aaaa)"), 240,
             QStringLiteral("Lev"), QStringLiteral("do levantamento"), m_diaLev, m_mesLev, m_anoLev);
    CriaData(this, QStringLiteral("DataConv_Frame"), QStringLiteral("Data da conversão (dd/mm/aaaa)"), 1200,
             QStringLiteral("Conv"), QStringLiteral("da conversão"), m_diaConv, m_mesConv, m_anoConv);
    const QDate hoje = QDate::currentDate();
    m_diaConv->setText(Dois(hoje.day()));
    m_mesConv->setText(Dois(hoje.month()));
    m_anoConv->setText(QString::number(hoje.year()));

    m_converter = CriaBotao(this, QStringLiteral("BtConverter"), QStringLiteral("Converter"), Margem, TopoBotoes,
                            1245, 375);
    m_copiar = CriaBotao(this, QStringLiteral("BtCopiar"), QStringLiteral("Copiar"), Margem + 1395, TopoBotoes, 1245,
                         375);
    m_copiar->setEnabled(false);
    m_copiar->setToolTip(QStringLiteral("Copiar os resultados para a área de transferência"));
    m_fechar = CriaBotao(this, QStringLiteral("BtFechar"), QStringLiteral("Fechar"),
                         Margem + LarguraTotal - 1245, TopoBotoes, 1245, 375);
    // Enter in any box converts.
    m_converter->setDefault(true);
    connect(m_converter, &QPushButton::clicked, this, &ConversaoRumos::converter);
    connect(m_copiar, &QPushButton::clicked, this, &ConversaoRumos::copiar);
    connect(m_fechar, &QPushButton::clicked, this, &QDialog::accept);
}

void ConversaoRumos::criaPosicao()
{
    auto* m = CriaMoldura(this, QStringLiteral("Posicao_Frame"), QStringLiteral("Posição"), Margem, TopoPosicao,
                          LarguraTotal, AlturaPosicao, FonteArial(8.25, true));
    CriaRotulo(m, QStringLiteral("LbForma"), QStringLiteral("Forma:"), 120, 315, 1005, 240, FonteArial(8.25));
    m_geograficas = CriaOpcao(m, QStringLiteral("OpGeograficas"), QStringLiteral("Geográficas"), 1200, 300, 1320);
    m_utm = CriaOpcao(m, QStringLiteral("OpUtm"), QStringLiteral("UTM"), 2520, 300, 900);
    auto* forma = new QButtonGroup(m);
    forma->addButton(m_geograficas);
    forma->addButton(m_utm);
    m_geograficas->setChecked(true);

    CriaRotulo(m, QStringLiteral("LbDatum"), QStringLiteral("Datum:"), 3420, 315, 700, 240, FonteArial(8.25),
               Qt::AlignRight | Qt::AlignTop);
    m_datum = new QComboBox(m);
    m_datum->setObjectName(QStringLiteral("Datum"));
    m_datum->setGeometry(RetPx(4200, 270, 1950, 315));
    m_datum->setFont(FonteArial(8.25));
    m_datum->setAccessibleName(QStringLiteral("Datum das coordenadas"));
    // In the order of geo::Datum, so the index is the value.
    for (const geo::DadosDatum& d : geo::Datums())
        m_datum->addItem(QString::fromUtf8(d.nome));

    CriaRotulo(m, QStringLiteral("LbZona"), QStringLiteral("Zona:"), 120, 735, 500, 240, FonteArial(8.25));
    m_zona = CriaCaixaTexto(m, QStringLiteral("Zona"), 620, 690, 420, 285, QStringLiteral("Zona UTM"));
    m_hemisferio = new QComboBox(m);
    m_hemisferio->setObjectName(QStringLiteral("Hemisferio"));
    m_hemisferio->setGeometry(RetPx(1080, 675, 540, 315));
    m_hemisferio->setFont(FonteArial(8.25));
    m_hemisferio->setAccessibleName(QStringLiteral("Hemisfério"));
    m_hemisferio->addItems({QStringLiteral("S"), QStringLiteral("N")});
    CriaRotulo(m, QStringLiteral("LbLeste"), QStringLiteral("E (m):"), 1740, 735, 540, 240, FonteArial(8.25));
    m_leste = CriaCaixaTexto(m, QStringLiteral("Leste"), 2280, 690, 1500, 285, QStringLiteral("Coordenada E em metros"));
    CriaRotulo(m, QStringLiteral("LbNorte"), QStringLiteral("N (m):"), 3900, 735, 540, 240, FonteArial(8.25));
    m_norte = CriaCaixaTexto(m, QStringLiteral("Norte"), 4440, 690, 1710, 285, QStringLiteral("Coordenada N em metros"));

    // Only the chosen form's boxes take input; the others keep their texts.
    const auto habilita = [this](bool utm) {
        m_latitude.decimal->parentWidget()->setEnabled(!utm);
        m_longitude.decimal->parentWidget()->setEnabled(!utm);
        for (QWidget* w : std::initializer_list<QWidget*>{m_zona, m_hemisferio, m_leste, m_norte})
            w->setEnabled(utm);
    };
    habilita(false);
    connect(m_utm, &QRadioButton::toggled, this, habilita);
}

void ConversaoRumos::criaRumo()
{
    // Three rows: the kind, the angle (its boxes under the coordinates'
    // boxes above), whether it is magnetic or true.
    auto* m = CriaMoldura(this, QStringLiteral("Rumo_Frame"), QStringLiteral("Rumo (opcional)"), Margem, TopoRumo,
                          LarguraTotal, AlturaRumo, FonteArial(8.25, true));

    CriaRotulo(m, QStringLiteral("LbTipo"), QStringLiteral("Tipo:"), 120, 315, 1005, 240, FonteArial(8.25));
    m_azimute = CriaOpcao(m, QStringLiteral("OpAzimute"), QStringLiteral("Azimute"), 1200, 300, 1080);
    m_rumo = CriaOpcao(m, QStringLiteral("OpRumo"), QStringLiteral("Rumo"), 2400, 300, 1080);
    auto* tipo = new QButtonGroup(m);
    tipo->addButton(m_azimute);
    tipo->addButton(m_rumo);
    m_azimute->setChecked(true);

    m_angulo = CriaEntrada(m, NomesAngulo, 0, 330);
    ligaFormas(m_angulo);

    auto* rotulo = CriaRotulo(m, QStringLiteral("LbQuadrante"), QStringLiteral("Quadrante:"), 3135, 720, 1080, 240,
                              FonteArial(8.25), Qt::AlignRight | Qt::AlignTop);
    m_quadrante = new QComboBox(m);
    m_quadrante->setObjectName(QStringLiteral("Quadrante"));
    m_quadrante->setGeometry(RetPx(4335, 675, 825, 315));
    m_quadrante->setFont(FonteArial(8.25));
    m_quadrante->setAccessibleName(QStringLiteral("Quadrante do rumo"));
    // In the order of Quadrante, so the index is the value.
    for (int q = 0; q <= static_cast<int>(Quadrante::NO); ++q)
        m_quadrante->addItem(TextoQuadrante(static_cast<Quadrante>(q)));
    m_quadrante->setCurrentIndex(static_cast<int>(Quadrante::NE));
    const auto habilita = [this, rotulo](bool rumo) {
        m_quadrante->setEnabled(rumo);
        rotulo->setEnabled(rumo);
    };
    habilita(false);
    connect(m_rumo, &QRadioButton::toggled, this, habilita);

    CriaRotulo(m, QStringLiteral("LbReferencia"), QStringLiteral("Referência:"), 120, 1095, 1005, 240,
               FonteArial(8.25));
    m_magnetico = CriaOpcao(m, QStringLiteral("OpMagnetico"), QStringLiteral("Magnético (na data do levantamento)"),
                            1200, 1080, 3015);
    m_verdadeiro = CriaOpcao(m, QStringLiteral("OpVerdadeiro"), QStringLiteral("Verdadeiro"), 4335, 1080, 1320);
    m_quadricula = CriaOpcao(m, QStringLiteral("OpQuadricula"),
                             QStringLiteral("De quadrícula (UTM, na zona informada ou na do ponto)"), 1200, 1380, 4800);
    auto* referencia = new QButtonGroup(m);
    referencia->addButton(m_magnetico);
    referencia->addButton(m_verdadeiro);
    referencia->addButton(m_quadricula);
    m_magnetico->setChecked(true);
}

void ConversaoRumos::criaResultados()
{
    m_resultados = CriaMoldura(this, QStringLiteral("FR"), QStringLiteral("Resultados"), Margem, TopoResultados,
                               LarguraTotal, AlturaMaximaResultados, FonteArial(9, true, true));
    QGroupBox* f = m_resultados;
    m_cabecalhoDatas = {nullptr, Cabecalho(f, "LbCabLev", LegendaLevantamento, ColunaA),
                        Cabecalho(f, "LbCabConv", LegendaConversao, ColunaB)};
    m_declinacao = {Legenda(f, "LbDec", LegendaDeclinacao),
                    Valor(f, "DecLev", ColunaA, QStringLiteral("Declinação na data do levantamento")),
                    Valor(f, "DecConv", ColunaB, QStringLiteral("Declinação na data da conversão"))};
    m_variacao = {Legenda(f, "LbVar", LegendaVariacao),
                  Valor(f, "VarLev", ColunaA, QStringLiteral("Variação anual da declinação no levantamento")),
                  Valor(f, "VarConv", ColunaB, QStringLiteral("Variação anual da declinação na conversão"))};
    m_regional = {Legenda(f, "LbReg", LegendaRegional),
                  Valor(f, "RegLev", ColunaA, QStringLiteral("Declinação do modelo regional no levantamento")),
                  Valor(f, "RegConv", ColunaB, QStringLiteral("Declinação do modelo regional na conversão"))};
    m_diferenca = {Legenda(f, "LbDifDec", LegendaMudanca), nullptr,
                   Valor(f, "DifDec", ColunaB, QStringLiteral("Mudança da declinação entre as datas"))};
    m_cabecalhoRumos = {nullptr, Cabecalho(f, "LbCabAz", LegendaAzimute, ColunaA),
                        Cabecalho(f, "LbCabRumo", LegendaRumo, ColunaB)};
    m_verdadeiroRes = {Legenda(f, "LbVerd", LegendaVerdadeiro),
                       Valor(f, "AzVerd", ColunaA, QStringLiteral("Azimute verdadeiro")),
                       Valor(f, "RumoVerd", ColunaB, QStringLiteral("Rumo verdadeiro"))};
    m_magneticoRes = {Legenda(f, "LbMagConv", LegendaMagnetico),
                      Valor(f, "AzMagConv", ColunaA, QStringLiteral("Azimute magnético na data da conversão")),
                      Valor(f, "RumoMagConv", ColunaB, QStringLiteral("Rumo magnético na data da conversão"))};
    m_quadriculaRes = {Legenda(f, "LbQuad", LegendaQuadricula),
                       Valor(f, "AzQuad", ColunaA, QStringLiteral("Azimute de quadrícula")),
                       Valor(f, "RumoQuad", ColunaB, QStringLiteral("Rumo de quadrícula"))};
    m_nota = CriaRotulo(f, QStringLiteral("NotaData"), {}, 120, 0, LarguraTotal - 240, 240, FonteArial(8.25));
    m_modelo = CriaRotulo(f, QStringLiteral("Modelo"), {}, 120, 0, LarguraTotal - 240, AlturaMaximaModelo,
                          FonteArial(8.25));
    m_modelo->setWordWrap(true);
    m_modelo->setAccessibleName(QStringLiteral("Modelo e precisão"));
    m_resultados->hide();
}

void ConversaoRumos::criaQuadricula()
{
    const double esquerda = Margem + LarguraTotal + Margem;
    m_frameQuadricula = CriaMoldura(this, QStringLiteral("FQ"), QStringLiteral("Posição e norte de quadrícula"),
                                    esquerda, 240, LarguraQuadricula, 4000, FonteArial(9, true, true));
    const auto rotulo = [this](const char* nome, const QString& acessivel) {
        QLabel* r = CriaRotulo(m_frameQuadricula, QString::fromLatin1(nome), {}, 120, 0, LarguraQuadricula - 240,
                               240, FonteArial(8.25));
        r->setWordWrap(true);
        r->setAccessibleName(acessivel);
        return r;
    };
    m_posicaoSirgas = rotulo("PosicaoSirgas", QStringLiteral("Posição em SIRGAS 2000"));
    m_utmProprio = rotulo("UtmProprio", QStringLiteral("UTM na zona do ponto"));
    m_utmDado = rotulo("UtmDado", QStringLiteral("UTM na zona informada"));
    m_convergencia = rotulo("Convergencia", QStringLiteral("Convergência meridiana"));
    m_escala = rotulo("Escala", QStringLiteral("Fator de escala"));
    m_transformacao = rotulo("Transformacao", QStringLiteral("Transformação de datum"));
    m_nortes = new DiagramaNortes(m_frameQuadricula);
    m_nortes->setObjectName(QStringLiteral("DiagramaNortes"));
    m_nortes->setAccessibleName(QStringLiteral("Os três nortes"));
    m_frameQuadricula->hide();
}

void ConversaoRumos::defineOrdemTeclado()
{
    const auto entrada = [](const EntradaCoordenada& e) {
        return std::array<QWidget*, 5>{e.botaoGMS, e.decimal, e.graus, e.minutos, e.segundos};
    };
    std::vector<QWidget*> ordem;
    for (const EntradaCoordenada* e : {&m_latitude, &m_longitude}) {
        const auto caixas = entrada(*e);
        ordem.insert(ordem.end(), caixas.begin(), caixas.end());
    }
    ordem.insert(ordem.end(), {m_diaLev, m_mesLev, m_anoLev, m_diaConv, m_mesConv, m_anoConv, m_geograficas, m_utm,
                               m_datum, m_zona, m_hemisferio, m_leste, m_norte, m_azimute, m_rumo});
    const auto angulo = entrada(m_angulo);
    ordem.insert(ordem.end(), angulo.begin(), angulo.end());
    // As on Main, the "G" buttons come last.
    ordem.insert(ordem.end(), {m_quadrante, m_magnetico, m_verdadeiro, m_quadricula, m_converter, m_copiar, m_fechar,
                               m_latitude.botaoG, m_longitude.botaoG, m_angulo.botaoG});
    for (size_t i = 1; i < ordem.size(); ++i)
        setTabOrder(ordem[i - 1], ordem[i]);
}

void ConversaoRumos::preenche(const TextosEntrada& p)
{
    DefinePosicao(m_latitude, m_longitude, p);
}

TextosConversao ConversaoRumos::entrada() const
{
    TextosConversao e;
    LePosicao(m_latitude, m_longitude, e);
    e.diaLev = m_diaLev->text();
    e.mesLev = m_mesLev->text();
    e.anoLev = m_anoLev->text();
    e.diaConv = m_diaConv->text();
    e.mesConv = m_mesConv->text();
    e.anoConv = m_anoConv->text();
    e.tipo = m_rumo->isChecked() ? TipoRumo::Rumo : TipoRumo::Azimute;
    e.formaAngulo = m_angulo.forma();
    e.angGraus = m_angulo.decimal->text();
    e.angG = m_angulo.graus->text();
    e.angM = m_angulo.minutos->text();
    e.angS = m_angulo.segundos->text();
    e.quadrante = static_cast<Quadrante>(m_quadrante->currentIndex());
    e.referencia = m_verdadeiro->isChecked()   ? ReferenciaRumo::Verdadeiro
                   : m_quadricula->isChecked() ? ReferenciaRumo::Quadricula
                                               : ReferenciaRumo::Magnetico;
    e.formaPosicao = m_utm->isChecked() ? FormaPosicao::Utm : FormaPosicao::Geograficas;
    e.utm = {m_zona->text(), m_hemisferio->currentText(), m_leste->text(), m_norte->text()};
    e.datum = static_cast<geo::Datum>(m_datum->currentIndex());
    return e;
}

void ConversaoRumos::converter()
{
    ResultadoConversao resultado = CalculaConversao(entrada(), m_locale, m_pasta);

    esvazia();
    if (const auto* falha = std::get_if<FalhaGuarda>(&resultado)) {
        m_mensageiro.informa(falha->mensagem);
        if (falha->foco != Campo::Nenhum)
            if (auto* caixa = findChild<QWidget*>(NomeCampo(falha->foco)))
                caixa->setFocus();
        return;
    }
    if (const auto* falha = std::get_if<FalhaModelo>(&resultado)) {
        m_mensageiro.informa(falha->mensagem);
        return;
    }
    m_ultima = std::move(std::get<Conversao>(resultado));
    mostra(*m_ultima);
}

void ConversaoRumos::mostra(const Conversao& c)
{
    const TextosResultadoConversao& t = c.textos;
    const std::pair<QLabel*, const QString*> valores[] = {
        {m_declinacao.a, &t.decLev}, {m_declinacao.b, &t.decConv}, {m_variacao.a, &t.varLev},
        {m_variacao.b, &t.varConv}, {m_regional.a, &t.regLev}, {m_regional.b, &t.regConv},
        {m_diferenca.b, &t.difDec}, {m_verdadeiroRes.a, &t.azVerd}, {m_verdadeiroRes.b, &t.rumoVerd},
        {m_magneticoRes.a, &t.azMagConv}, {m_magneticoRes.b, &t.rumoMagConv}, {m_quadriculaRes.a, &t.azQuad},
        {m_quadriculaRes.b, &t.rumoQuad}, {m_nota, &t.nota},
        {m_modelo, &t.modelo}};
    for (const auto& [rotulo, texto] : valores)
        rotulo->setText(*texto);

    // Shown rows follow one another; the frame ends under the last.
    double topo = 240;
    const auto linha = [&topo](const LinhaResultado& l, bool visivel) {
        for (QLabel* r : {l.legenda, l.a, l.b})
            if (r) {
                r->setVisible(visivel);
                r->move(r->x(), Px(topo));
            }
        if (visivel)
            topo += Passo;
    };
    const bool regional = !t.regLev.isEmpty() || !t.regConv.isEmpty();
    const bool rumos = c.rumos.has_value();
    linha(m_cabecalhoDatas, true);
    linha(m_declinacao, true);
    linha(m_variacao, true);
    linha(m_regional, regional);
    m_regional.a->setVisible(!t.regLev.isEmpty());
    m_regional.b->setVisible(!t.regConv.isEmpty());
    linha(m_diferenca, true);
    if (rumos)
        topo += 90;
    linha(m_cabecalhoRumos, rumos);
    linha(m_verdadeiroRes, rumos);
    linha(m_magneticoRes, rumos);
    linha(m_quadriculaRes, rumos && !t.azQuad.isEmpty());
    topo += 90;
    m_nota->setVisible(!t.nota.isEmpty());
    m_nota->move(m_nota->x(), Px(topo));
    if (!t.nota.isEmpty())
        topo += Passo;
    m_modelo->move(m_modelo->x(), Px(topo));
    m_modelo->resize(m_modelo->width(), std::min(m_modelo->heightForWidth(m_modelo->width()), Px(AlturaMaximaModelo)));
    m_resultados->resize(m_resultados->width(), m_modelo->geometry().bottom() + 1 + Px(90));
    m_resultados->show();
    // Grown once to the room the longest results take, so that it keeps its
    // size from one conversion to the next.
    setFixedSize(width(), Px(TopoResultados + AlturaMaximaResultados + Margem));
    mostraQuadricula(c);
    m_copiar->setEnabled(true);
}

// The grid column: one label under another, the three norths below them.
void ConversaoRumos::mostraQuadricula(const Conversao& c)
{
    if (!c.geodesia)
        return;
    const TextosResultadoConversao& t = c.textos;
    const std::pair<QLabel*, QString> linhas[] = {
        {m_posicaoSirgas, QStringLiteral("SIRGAS 2000: ") + t.posicaoSirgas},
        {m_utmProprio, QStringLiteral("UTM SIRGAS 2000 na zona do ponto, ") + t.utmProprio},
        {m_utmDado, t.utmDado.isEmpty() ? QString() : QStringLiteral("UTM SIRGAS 2000 na zona informada, ") + t.utmDado},
        {m_convergencia, QStringLiteral("Convergência meridiana %1: %2").arg(t.convergencia, t.sentidoConvergencia)},
        {m_escala, QStringLiteral("Fator de escala k = ") + t.escala},
        {m_transformacao, QStringLiteral("Datum: ") + t.transformacao}};
    double topo = 300;
    for (const auto& [rotulo, texto] : linhas) {
        rotulo->setText(texto);
        rotulo->setVisible(!texto.isEmpty());
        if (texto.isEmpty())
            continue;
        rotulo->move(rotulo->x(), Px(topo));
        rotulo->resize(rotulo->width(), rotulo->heightForWidth(rotulo->width()));
        topo += rotulo->height() * TwipsPorPixel + 60;
    }
    // The magnetic north of the conversion date; both angles as shown.
    const double gama = static_cast<double>(SegundosArredondados(c.geodesia->fatores.convergencia)) / 3600;
    const double declinacao = static_cast<double>(SegundosArredondados(c.conversao.D)) / 3600;
    m_nortes->mostra(DispoeTresNortes(gama, declinacao));
    const int altura = height() - Px(240 + Margem);
    m_frameQuadricula->resize(m_frameQuadricula->width(), altura);
    m_nortes->setGeometry(Px(120), Px(topo + 120), m_frameQuadricula->width() - Px(240),
                          std::min(Px(4200), altura - Px(topo + 240)));
    m_frameQuadricula->show();
}

void ConversaoRumos::esvazia()
{
    m_ultima.reset();
    for (QLabel* r : {m_declinacao.a, m_declinacao.b, m_variacao.a, m_variacao.b, m_regional.a, m_regional.b,
                      m_diferenca.b, m_verdadeiroRes.a, m_verdadeiroRes.b, m_magneticoRes.a, m_magneticoRes.b,
                      m_quadriculaRes.a, m_quadriculaRes.b, m_nota, m_modelo, m_posicaoSirgas, m_utmProprio, m_utmDado,
                      m_convergencia, m_escala, m_transformacao})
        r->clear();
    m_nortes->limpa();
    m_frameQuadricula->hide();
    m_resultados->hide();
    m_copiar->setEnabled(false);
}

// G and GMS switch the form of one entry, carrying a valid value over.
void ConversaoRumos::ligaFormas(EntradaCoordenada& entrada)
{
    connect(entrada.botaoG, &QPushButton::clicked, this, [this, e = entrada]() mutable {
        if (const auto decimal = GmsParaDecimal({e.graus->text(), e.minutos->text(), e.segundos->text()}, m_locale))
            e.decimal->setText(*decimal);
        e.paraGrausDecimais();
    });
    connect(entrada.botaoGMS, &QPushButton::clicked, this, [this, e = entrada]() mutable {
        if (const auto gms = DecimalParaGms(e.decimal->text(), m_locale)) {
            e.graus->setText(gms->graus);
            e.minutos->setText(gms->minutos);
            e.segundos->setText(gms->segundos);
        }
        e.paraGrausMinutosSegundos();
    });
    // This window's inputs write "°", as its results do.
    entrada.sinalGraus->setText(QString(u'\u00B0'));
}

// Any input that no longer matches what was converted empties the results.
// Connected last, after the form switches, so it sees each change made.
void ConversaoRumos::vigiaEntradas()
{
    const auto confere = [this] {
        if (m_ultima && entrada() != m_ultima->entrada)
            esvazia();
    };
    for (QLineEdit* caixa : findChildren<QLineEdit*>())
        connect(caixa, &QLineEdit::textChanged, this, confere);
    for (QAbstractButton* botao : findChildren<QAbstractButton*>())
        connect(botao, &QAbstractButton::clicked, this, confere);
    for (QRadioButton* opcao : findChildren<QRadioButton*>())
        connect(opcao, &QRadioButton::toggled, this, confere);
    for (QComboBox* escolha : {m_quadrante, m_datum, m_hemisferio})
        connect(escolha, &QComboBox::currentIndexChanged, this, confere);
}

void ConversaoRumos::copiar()
{
    if (!m_ultima)
        return;
    const TextoCopia copia = TextoCopiaConversao(*m_ultima, m_locale);
    auto* dados = new QMimeData;
    dados->setText(copia.texto);
    dados->setHtml(copia.html);
    QGuiApplication::clipboard()->setMimeData(dados);
}

}  // namespace ceravel
