// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AviventacaoMemorial.h"

#include "ui/PainelPoligono.h"

#include "geo/Datum.h"
#include "memorial/ArquivoMemorial.h"
#include "memorial/CsvMemorial.h"
#include "memorial/LeituraSegmentos.h"
#include "memorial/TabelaMemorial.h"
#include "ui/Controles.h"
#include "ui/Figuras.h"
#include "ui/ImpressaoMemorial.h"
#include "ui/Mensageiro.h"
#include "ui/Twips.h"

#include <algorithm>
#include <QButtonGroup>
#include <QComboBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDate>
#include <QFontMetrics>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <variant>

namespace ceravel {

namespace {

enum ColunaSegmento { ColDe, ColPara, ColRumo, ColDistancia, ColConfrontante, ColunasSegmento };

// The results shown on screen; Copiar and the files carry every column.
constexpr ColunaMemorial ColunasTela[] = {
    ColunaMemorial::De, ColunaMemorial::Para, ColunaMemorial::Distancia, ColunaMemorial::AzVerdadeiro,
    ColunaMemorial::RumoVerdadeiro, ColunaMemorial::AzMagnetico, ColunaMemorial::RumoMagnetico,
    ColunaMemorial::DecLevantamento, ColunaMemorial::DecConversao, ColunaMemorial::Mensagem,
};

const QColor FundoRecusado(255, 214, 214);

QPushButton* Botao(QWidget* pai, const char* nome, const QString& texto, const QString& dica = {})
{
    auto* b = new QPushButton(texto, pai);
    b->setObjectName(QString::fromLatin1(nome));
    b->setFont(FonteArial(8.25));
    b->setMinimumSize(Px(1245), Px(375));
    b->setAutoDefault(false);
    if (!dica.isEmpty())
        b->setToolTip(dica);
    PressionaComEnter(b);
    return b;
}

QRadioButton* Opcao(QWidget* pai, const char* nome, const QString& texto)
{
    auto* o = new QRadioButton(texto, pai);
    o->setObjectName(QString::fromLatin1(nome));
    o->setFont(FonteArial(8.25));
    return o;
}

QGroupBox* Moldura(QWidget* pai, const char* nome, const QString& titulo)
{
    auto* m = new QGroupBox(titulo, pai);
    m->setObjectName(QString::fromLatin1(nome));
    m->setFont(FonteArial(8.25, true));
    // As CriaMoldura's frames: only the caption takes the frame's font and
    // colour; the children set their own.
    m->setStyleSheet(QStringLiteral(
        "QGroupBox#%1 { background-color: %2; border: 1px solid #a0a0a0; margin-top: 8px; padding-top: 6px; }"
        "QGroupBox#%1::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 6px; padding: 0 2px; color: %3; }")
        .arg(m->objectName(), CinzaClaro.name(), VermelhoEscuro.name()));
    return m;
}

QLabel* Rotulo(QWidget* pai, const char* nome, const QString& texto)
{
    auto* r = new QLabel(texto, pai);
    r->setObjectName(QString::fromLatin1(nome));
    r->setFont(FonteArial(8.25));
    return r;
}

QString Dois(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

}  // namespace

AviventacaoMemorial::AviventacaoMemorial(const QString& pastaPrograma, const QLocale& locale, Mensageiro& mensageiro,
                                         const TextosEntrada* posicao, QWidget* pai)
    : QWidget(pai, Qt::Window), m_pasta(pastaPrograma), m_locale(locale), m_mensageiro(mensageiro)
{
    setObjectName(QStringLiteral("AviventacaoMemorial"));
    setWindowIcon(IconeCeravel());
    DefineFundo(this, palette().color(QPalette::Midlight));
    auto* coluna = new QVBoxLayout(this);
    coluna->setContentsMargins(Px(240), Px(240), Px(240), Px(240));
    criaDados();
    criaSegmentos();
    criaResultados();
    m_preenchendo = true;
    if (posicao)
        DefinePosicao(m_latitude, m_longitude, *posicao);
    const QDate hoje = QDate::currentDate();
    m_conversao->setText(Dois(hoje.day()) + u'/' + Dois(hoje.month()) + u'/' + QString::number(hoje.year()));
    m_preenchendo = false;
    atualizaTitulo();
    resize(Px(15000), Px(12000));
    m_levantamento->setFocus();
}

void AviventacaoMemorial::criaDados()
{
    auto* linha = new QHBoxLayout;
    static_cast<QVBoxLayout*>(layout())->addLayout(linha);

    // The position frames of the main window, in a panel of their size.
    auto* posicao = new QWidget(this);
    posicao->setObjectName(QStringLiteral("Posicao"));
    posicao->setFixedSize(Px(2775), Px(735 + 240 + 735));
    m_latitude = CriaCoordenada(posicao, NomesLatitude, 0, 0);
    m_longitude = CriaCoordenada(posicao, NomesLongitude, 0, 735 + 240);
    m_latitude.ligaBotoes();
    m_longitude.ligaBotoes();
    linha->addWidget(posicao);

    // Or in UTM, as the bearing window takes it; either form in its datum.
    auto* utm = Moldura(this, "Utm_Frame", QStringLiteral("Posição"));
    auto* gu = new QGridLayout(utm);
    m_formaGeograficas = Opcao(utm, "FormaGeograficas", QStringLiteral("Geográficas"));
    m_formaUtm = Opcao(utm, "FormaUtm", QStringLiteral("UTM"));
    m_formaGeograficas->setChecked(true);
    const auto caixa = [utm](const char* nome, const QString& acessivel) {
        auto* c = new QLineEdit(utm);
        c->setObjectName(QString::fromLatin1(nome));
        c->setAccessibleName(acessivel);
        return c;
    };
    m_zona = caixa("Zona", QStringLiteral("Zona UTM"));
    m_leste = caixa("Leste", QStringLiteral("E (m)"));
    m_norte = caixa("Norte", QStringLiteral("N (m)"));
    m_hemisferio = new QComboBox(utm);
    m_hemisferio->setObjectName(QStringLiteral("Hemisferio"));
    m_hemisferio->addItems({QStringLiteral("S"), QStringLiteral("N")});
    m_datum = new QComboBox(utm);
    m_datum->setObjectName(QStringLiteral("Datum"));
    m_datum->setAccessibleName(QStringLiteral("Datum da posição"));
    for (const geo::DadosDatum& d : geo::Datums())
        m_datum->addItem(QString::fromUtf8(d.nome), QString::fromLatin1(d.opcao));
    gu->addWidget(m_formaGeograficas, 0, 0);
    gu->addWidget(m_formaUtm, 0, 1);
    gu->addWidget(m_datum, 0, 2, 1, 2);
    gu->addWidget(Rotulo(utm, "LbZona", QStringLiteral("Zona:")), 1, 0);
    gu->addWidget(m_zona, 1, 1);
    gu->addWidget(m_hemisferio, 1, 2);
    gu->addWidget(Rotulo(utm, "LbLeste", QStringLiteral("E (m):")), 2, 0);
    gu->addWidget(m_leste, 2, 1);
    gu->addWidget(Rotulo(utm, "LbNorte", QStringLiteral("N (m):")), 2, 2);
    gu->addWidget(m_norte, 2, 3);
    auto* forma = new QButtonGroup(utm);
    forma->addButton(m_formaGeograficas);
    forma->addButton(m_formaUtm);
    for (QLineEdit* c : {m_zona, m_leste, m_norte})
        connect(c, &QLineEdit::textEdited, this, &AviventacaoMemorial::alterou);
    for (QComboBox* c : {m_hemisferio, m_datum})
        connect(c, &QComboBox::activated, this, &AviventacaoMemorial::alterou);
    for (QRadioButton* o : {m_formaGeograficas, m_formaUtm})
        connect(o, &QRadioButton::clicked, this, &AviventacaoMemorial::alterou);
    linha->addWidget(utm);

    auto* datas = Moldura(this, "Datas_Frame", QStringLiteral("Datas"));
    auto* grade = new QGridLayout(datas);
    m_levantamento = new QLineEdit(datas);
    m_levantamento->setObjectName(QStringLiteral("Levantamento"));
    m_levantamento->setAccessibleName(QStringLiteral("Data do levantamento"));
    m_levantamento->setToolTip(QStringLiteral("dd/mm/aaaa, ou só o ano (tomado como 1º de julho)"));
    m_conversao = new QLineEdit(datas);
    m_conversao->setObjectName(QStringLiteral("Conversao"));
    m_conversao->setAccessibleName(QStringLiteral("Data da conversão"));
    for (QLineEdit* c : {m_levantamento, m_conversao}) {
        c->setFont(FonteArial(8.25));
        c->setFixedWidth(Px(1500));
        connect(c, &QLineEdit::textEdited, this, &AviventacaoMemorial::alterou);
    }
    grade->addWidget(Rotulo(datas, "LbLevantamento", QStringLiteral("Levantamento (dd/mm/aaaa ou aaaa):")), 0, 0);
    grade->addWidget(m_levantamento, 0, 1);
    grade->addWidget(Rotulo(datas, "LbConversao", QStringLiteral("Conversão (dd/mm/aaaa):")), 1, 0);
    grade->addWidget(m_conversao, 1, 1);
    linha->addWidget(datas);

    auto* opcoes = Moldura(this, "Opcoes_Frame", QStringLiteral("Rumos do memorial e modelo"));
    auto* g = new QGridLayout(opcoes);
    g->addWidget(Rotulo(opcoes, "LbReferencia", QStringLiteral("Referência:")), 0, 0);
    m_magnetico = Opcao(opcoes, "OpMagnetico", QStringLiteral("Magnético (no levantamento)"));
    m_verdadeiro = Opcao(opcoes, "OpVerdadeiro", QStringLiteral("Verdadeiro"));
    g->addWidget(m_magnetico, 0, 1);
    m_quadricula = Opcao(opcoes, "OpQuadricula", QStringLiteral("De quadrícula (UTM)"));
    g->addWidget(m_verdadeiro, 0, 2);
    g->addWidget(m_quadricula, 0, 3);
    auto* referencia = new QButtonGroup(opcoes);
    referencia->addButton(m_magnetico);
    referencia->addButton(m_verdadeiro);
    referencia->addButton(m_quadricula);
    m_magnetico->setChecked(true);
    g->addWidget(Rotulo(opcoes, "LbModelo", QStringLiteral("Modelo:")), 1, 0);
    m_igrf = Opcao(opcoes, "OpIgrf14", QStringLiteral("IGRF-14"));
    m_regional = Opcao(opcoes, "OpRegional", QStringLiteral("Regional (1995 a 2005)"));
    g->addWidget(m_igrf, 1, 1);
    g->addWidget(m_regional, 1, 2);
    auto* modelo = new QButtonGroup(opcoes);
    modelo->addButton(m_igrf);
    modelo->addButton(m_regional);
    m_igrf->setChecked(true);
    for (QRadioButton* o : {m_magnetico, m_verdadeiro, m_quadricula, m_igrf, m_regional})
        connect(o, &QRadioButton::clicked, this, &AviventacaoMemorial::alterou);
    linha->addWidget(opcoes, 1);

    // Typing in a position box is a change too.
    for (QLineEdit* c : findChild<QWidget*>(QStringLiteral("Posicao"))->findChildren<QLineEdit*>())
        connect(c, &QLineEdit::textEdited, this, &AviventacaoMemorial::alterou);
    for (QPushButton* b : findChild<QWidget*>(QStringLiteral("Posicao"))->findChildren<QPushButton*>())
        connect(b, &QPushButton::clicked, this, &AviventacaoMemorial::alterou);
}

void AviventacaoMemorial::criaSegmentos()
{
    auto* divisor = new QSplitter(Qt::Vertical, this);
    divisor->setObjectName(QStringLiteral("Divisor"));
    static_cast<QVBoxLayout*>(layout())->addWidget(divisor, 1);

    auto* moldura = Moldura(divisor, "Segmentos_Frame", QStringLiteral("Segmentos do memorial"));
    auto* coluna = new QVBoxLayout(moldura);
    m_segmentos = new QTableWidget(0, ColunasSegmento, moldura);
    m_segmentos->setObjectName(QStringLiteral("Segmentos"));
    m_segmentos->setFont(FonteArial(8.25));
    m_segmentos->setHorizontalHeaderLabels({QStringLiteral("De"), QStringLiteral("Para"),
                                            QStringLiteral("Rumo ou azimute"), QStringLiteral("Distância (m)"),
                                            QStringLiteral("Confrontante")});
    m_segmentos->horizontalHeader()->setStretchLastSection(true);
    m_segmentos->setStyleSheet(QStringLiteral("QHeaderView::section { font: bold 8pt \"Arial\"; padding: 1px 4px; }"));
    m_segmentos->verticalHeader()->setDefaultSectionSize(QFontMetrics(m_segmentos->font()).height() + Px(120));
    m_segmentos->setColumnWidth(ColRumo, Px(2400));
    m_segmentos->setColumnWidth(ColDistancia, Px(1500));
    m_segmentos->setAccessibleName(QStringLiteral("Segmentos do memorial"));
    connect(m_segmentos, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (m_preenchendo)
            return;
        verificaCelula(item->row(), item->column());
        alterou();
    });
    coluna->addWidget(m_segmentos);
    // Ctrl+V on the table pastes a block as rows, as "Colar" does.
    auto* colar = new QShortcut(QKeySequence::Paste, m_segmentos, nullptr, nullptr, Qt::WidgetShortcut);
    connect(colar, &QShortcut::activated, this, [this] { cola(QGuiApplication::clipboard()->text()); });

    auto* botoes = new QHBoxLayout;
    coluna->addLayout(botoes);
    const auto liga = [this](QPushButton* b, auto funcao) { connect(b, &QPushButton::clicked, this, funcao); };
    liga(Botao(moldura, "BtAdicionar", QStringLiteral("Adicionar")), [this] { adicionaLinha(); });
    liga(Botao(moldura, "BtRemover", QStringLiteral("Remover")), [this] { removeLinha(); });
    liga(Botao(moldura, "BtSubir", QStringLiteral("Subir")), [this] { moveLinha(-1); });
    liga(Botao(moldura, "BtDescer", QStringLiteral("Descer")), [this] { moveLinha(1); });
    liga(Botao(moldura, "BtColar", QStringLiteral("Colar"),
               QStringLiteral("Acrescentar as linhas copiadas de uma planilha ou do texto do memorial")),
         [this] { cola(QGuiApplication::clipboard()->text()); });
    for (const char* nome : {"BtAdicionar", "BtRemover", "BtSubir", "BtDescer", "BtColar"})
        botoes->addWidget(moldura->findChild<QPushButton*>(QString::fromLatin1(nome)));
    botoes->addStretch();
    liga(Botao(moldura, "BtAbrir", QStringLiteral("Abrir...")), [this] { abrir(); });
    liga(Botao(moldura, "BtSalvar", QStringLiteral("Salvar...")), [this] { salvar(); });
    liga(Botao(moldura, "BtConverter", QStringLiteral("Converter")), [this] { converter(); });
    for (const char* nome : {"BtAbrir", "BtSalvar", "BtConverter"})
        botoes->addWidget(moldura->findChild<QPushButton*>(QString::fromLatin1(nome)));
}

void AviventacaoMemorial::criaResultados()
{
    auto* divisor = findChild<QSplitter*>(QStringLiteral("Divisor"));
    auto* moldura = Moldura(divisor, "FR", QStringLiteral("Resultados"));
    moldura->setFont(FonteArial(9, true, true));
    auto* coluna = new QVBoxLayout(moldura);
    m_resumo = Rotulo(moldura, "Resumo", {});
    m_resumo->setWordWrap(true);
    m_resumo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    coluna->addWidget(m_resumo);
    m_resultados = new QTableWidget(0, static_cast<int>(std::size(ColunasTela)), moldura);
    m_resultados->setObjectName(QStringLiteral("Resultados"));
    m_resultados->setFont(FonteArial(8.25));
    m_resultados->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_resultados->setAccessibleName(QStringLiteral("Resultados da aviventação"));
    QStringList titulos;
    for (ColunaMemorial c : ColunasTela)
        titulos << TituloColuna(c);
    m_resultados->setHorizontalHeaderLabels(titulos);
    m_resultados->horizontalHeader()->setStretchLastSection(true);
    // The frame's style sheet reaches the headers: their font is set there too.
    m_resultados->setStyleSheet(QStringLiteral("QHeaderView::section { font: bold 8pt \"Arial\"; padding: 1px 4px; }"));
    // Column widths from the first rows' texts (they all have the same form),
    // not from every cell of a long deed.
    m_resultados->horizontalHeader()->setResizeContentsPrecision(40);
    m_resultados->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_resultados->verticalHeader()->setDefaultSectionSize(QFontMetrics(m_resultados->font()).height() + Px(90));
    coluna->addWidget(m_resultados, 1);

    auto* botoes = new QHBoxLayout;
    coluna->addLayout(botoes);
    m_copiar = Botao(moldura, "BtCopiar", QStringLiteral("Copiar"),
                     QStringLiteral("Copiar a tabela, com os ângulos também em graus decimais"));
    m_exportar = Botao(moldura, "BtExportarCsv", QStringLiteral("Exportar CSV..."));
    m_imprimir = Botao(moldura, "BtImprimir", QStringLiteral("Imprimir"),
                       QStringLiteral("Imprimir o relatório na impressora padrão"));
    m_pdf = Botao(moldura, "BtSalvarPdf", QStringLiteral("Salvar PDF..."));
    auto* fechar = Botao(moldura, "BtFechar", QStringLiteral("Fechar"));
    connect(m_copiar, &QPushButton::clicked, this, &AviventacaoMemorial::copiar);
    connect(m_exportar, &QPushButton::clicked, this, &AviventacaoMemorial::exportarCsv);
    connect(m_imprimir, &QPushButton::clicked, this, &AviventacaoMemorial::imprimir);
    connect(m_pdf, &QPushButton::clicked, this, &AviventacaoMemorial::salvarPdf);
    connect(fechar, &QPushButton::clicked, this, &QWidget::close);
    for (QPushButton* b : {m_copiar, m_exportar, m_imprimir, m_pdf}) {
        botoes->addWidget(b);
        b->setEnabled(false);
    }
    botoes->addStretch();
    botoes->addWidget(fechar);
    m_poligono = new PainelPoligono(m_pasta, m_locale, m_mensageiro, divisor);
    divisor->addWidget(m_poligono);
    connect(m_poligono, &PainelPoligono::editado, this, &AviventacaoMemorial::alterou);
    divisor->setStretchFactor(0, 2);
    divisor->setStretchFactor(1, 3);
    divisor->setStretchFactor(2, 3);
}

void AviventacaoMemorial::atualizaTitulo()
{
    QString titulo = QStringLiteral("Ceravel - Aviventação de Memorial");
    if (!m_caminho.isEmpty())
        titulo += QStringLiteral(" - ") + QFileInfo(m_caminho).fileName();
    setWindowTitle(titulo + (m_alterado ? QStringLiteral(" *") : QString()));
}

// Any change: the results no longer belong to what is typed.
void AviventacaoMemorial::alterou()
{
    if (m_preenchendo)
        return;
    m_alterado = true;
    m_ultima.reset();
    m_resultados->setRowCount(0);
    m_resumo->clear();
    for (QPushButton* b : {m_copiar, m_exportar, m_imprimir, m_pdf})
        b->setEnabled(false);
    if (m_poligono)
        m_poligono->limpa();
    atualizaTitulo();
}

void AviventacaoMemorial::verificaCelula(int linha, int coluna)
{
    if (coluna != ColRumo && coluna != ColDistancia)
        return;
    SegmentoMemorial s;
    const auto texto = [this, linha](int c) {
        const QTableWidgetItem* i = m_segmentos->item(linha, c);
        return i ? i->text() : QString();
    };
    s.rumo = texto(ColRumo);
    s.distancia = texto(ColDistancia);
    const VerificacaoSegmento v = VerificaSegmento(s, m_locale);
    const bool vazia = s.rumo.trimmed().isEmpty() && s.distancia.trimmed().isEmpty();
    const bool preenchendo = std::exchange(m_preenchendo, true);
    for (int c = 0; c < ColunasSegmento; ++c) {
        QTableWidgetItem* i = m_segmentos->item(linha, c);
        if (!i)
            m_segmentos->setItem(linha, c, i = new QTableWidgetItem);
        const bool recusada = !vazia
            && ((c == ColRumo && !v.motivoRumo.isEmpty()) || (c == ColDistancia && !v.motivoDistancia.isEmpty()));
        i->setBackground(recusada ? QBrush(FundoRecusado) : QBrush());
        i->setToolTip(vazia ? QString() : v.motivo());
    }
    m_preenchendo = preenchendo;
}

void AviventacaoMemorial::insereLinha(int linha, const SegmentoMemorial& s)
{
    const bool preenchendo = std::exchange(m_preenchendo, true);
    m_segmentos->insertRow(linha);
    const QString textos[] = {s.de, s.para, s.rumo, s.distancia, s.confrontante};
    for (int c = 0; c < ColunasSegmento; ++c)
        m_segmentos->setItem(linha, c, new QTableWidgetItem(textos[c]));
    m_preenchendo = preenchendo;
    verificaCelula(linha, ColRumo);
}

Memorial AviventacaoMemorial::memorial() const
{
    Memorial m;
    DadosMemorial& d = m.dados;
    d.levantamento = m_levantamento->text();
    d.conversao = m_conversao->text();
    d.referencia = m_verdadeiro->isChecked()    ? ReferenciaMemorial::Verdadeiro
                   : m_quadricula->isChecked() ? ReferenciaMemorial::Quadricula
                                               : ReferenciaMemorial::Magnetico;
    d.modelo = m_regional->isChecked() ? ModeloMemorial::Regional : ModeloMemorial::Igrf14;
    LePosicao(m_latitude, m_longitude, d.posicao);
    d.posicao.utm = m_formaUtm->isChecked();
    d.posicao.posicaoUtm = {m_zona->text(), m_hemisferio->currentText(), m_leste->text(), m_norte->text()};
    d.posicao.datum = m_datum->currentData().toString();
    m.segmentos.reserve(m_segmentos->rowCount());
    for (int l = 0; l < m_segmentos->rowCount(); ++l) {
        const auto texto = [this, l](int c) {
            const QTableWidgetItem* i = m_segmentos->item(l, c);
            return i ? i->text() : QString();
        };
        m.segmentos.push_back({texto(ColDe), texto(ColPara), texto(ColRumo), texto(ColDistancia),
                               texto(ColConfrontante)});
    }
    m.poligono = m_poligono->textos();
    return m;
}

void AviventacaoMemorial::defineMemorial(const Memorial& m)
{
    m_preenchendo = true;
    const DadosMemorial& d = m.dados;
    m_levantamento->setText(d.levantamento);
    m_conversao->setText(d.conversao);
    (d.referencia == ReferenciaMemorial::Verdadeiro    ? m_verdadeiro
     : d.referencia == ReferenciaMemorial::Quadricula ? m_quadricula
                                                      : m_magnetico)
        ->setChecked(true);
    (d.modelo == ModeloMemorial::Regional ? m_regional : m_igrf)->setChecked(true);
    const PosicaoMemorial& p = d.posicao;
    DefinePosicao(m_latitude, m_longitude, p);
    (p.utm ? m_formaUtm : m_formaGeograficas)->setChecked(true);
    m_zona->setText(p.posicaoUtm.zona);
    m_hemisferio->setCurrentText(p.posicaoUtm.hemisferio);
    m_leste->setText(p.posicaoUtm.leste);
    m_norte->setText(p.posicaoUtm.norte);
    m_datum->setCurrentIndex(std::max(0, m_datum->findData(p.datum)));
    m_segmentos->setRowCount(0);
    for (const SegmentoMemorial& s : m.segmentos)
        insereLinha(m_segmentos->rowCount(), s);
    m_poligono->defineTextos(m.poligono);
    m_preenchendo = false;
    alterou();
}

void AviventacaoMemorial::converter()
{
    ResultadoMemorial r = ConverteMemorial(memorial(), m_locale, m_pasta);
    if (const auto* falha = std::get_if<FalhaMemorial>(&r)) {
        m_mensageiro.informa(falha->mensagem);
        if (!falha->caixa.isEmpty())
            if (auto* caixa = findChild<QWidget*>(falha->caixa))
                caixa->setFocus();
        return;
    }
    m_ultima = std::move(std::get<ConversaoMemorial>(r));
    mostra(*m_ultima);
    // The polygon tells which declination each row used, and beyond 10 km converts them again.
    if (auto terreno = m_poligono->calcula(*m_ultima)) {
        m_ultima = std::move(*terreno);
        mostra(*m_ultima);
    }
}

void AviventacaoMemorial::mostra(const ConversaoMemorial& c)
{
    m_resumo->setText(ResumoMemorial(c, m_locale).join(u'\n'));
    const TabelaMemorial t = TabelaResultados(c, m_locale);
    m_resultados->setUpdatesEnabled(false);
    m_resultados->setRowCount(0);
    m_resultados->setRowCount(static_cast<int>(t.linhas.size()));
    for (int l = 0; l < static_cast<int>(t.linhas.size()); ++l) {
        const bool recusada = !t.linhas[l].last().isEmpty();
        for (int k = 0; k < static_cast<int>(std::size(ColunasTela)); ++k) {
            auto* item = new QTableWidgetItem(t.linhas[l][static_cast<int>(ColunasTela[k])]);
            if (recusada)
                item->setBackground(FundoRecusado);
            if (k >= 2 && k < 9)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_resultados->setItem(l, k, item);
        }
    }
    m_resultados->resizeColumnsToContents();
    // Never narrower than the column's title.
    for (int k = 0; k < m_resultados->columnCount(); ++k)
        m_resultados->setColumnWidth(
            k, std::max(m_resultados->columnWidth(k), m_resultados->horizontalHeader()->sectionSizeHint(k)));
    m_resultados->setUpdatesEnabled(true);
    for (QPushButton* b : {m_copiar, m_exportar, m_imprimir, m_pdf})
        b->setEnabled(true);
}

bool AviventacaoMemorial::salvar()
{
    QString caminho = m_mensageiro.arquivoParaSalvar(
        QStringLiteral("Salvar memorial"), m_caminho.isEmpty() ? QStringLiteral("memorial.memorial.json") : m_caminho,
        QStringLiteral("Memorial do Ceravel (*.memorial.json)"));
    if (caminho.isEmpty())
        return false;
    if (!caminho.endsWith(QLatin1StringView(ExtensaoMemorial)))
        caminho += QLatin1StringView(ExtensaoMemorial);
    const QString erro = SalvaMemorial(caminho, memorial());
    if (!erro.isEmpty()) {
        m_mensageiro.informa(erro);
        return false;
    }
    m_caminho = caminho;
    m_poligono->defineArquivo(m_caminho);
    m_alterado = false;
    atualizaTitulo();
    return true;
}

void AviventacaoMemorial::abrir()
{
    if (!podeFechar())
        return;
    const QString caminho = m_mensageiro.arquivoParaAbrir(QStringLiteral("Abrir memorial"),
                                                         QStringLiteral("Memorial do Ceravel (*.memorial.json)"));
    if (caminho.isEmpty())
        return;
    const LeituraMemorial l = AbreMemorial(caminho);
    if (!l.memorial) {
        m_mensageiro.informa(l.erro);  // what is open stays as it was
        return;
    }
    defineMemorial(*l.memorial);
    m_caminho = caminho;
    m_poligono->defineArquivo(m_caminho);
    m_alterado = false;
    atualizaTitulo();
}

void AviventacaoMemorial::copiar()
{
    if (!m_ultima)
        return;
    const TabelaMemorial t = TabelaResultados(*m_ultima, m_locale);
    auto* dados = new QMimeData;
    dados->setText(QStringList(ResumoMemorial(*m_ultima, m_locale)).join(u'\n') + QStringLiteral("\n\n")
                   + TextoTabulado(t));
    QGuiApplication::clipboard()->setMimeData(dados);
}

bool AviventacaoMemorial::exportarCsv()
{
    if (!m_ultima)
        return false;
    const QString sugestao = m_caminho.isEmpty() ? QStringLiteral("memorial.csv")
                                                 : m_caminho.chopped(static_cast<qsizetype>(std::size(ExtensaoMemorial) - 1)) + QStringLiteral(".csv");
    const QString caminho = m_mensageiro.arquivoParaSalvar(QStringLiteral("Exportar CSV"), sugestao,
                                                          QStringLiteral("Tabela separada por ponto e vírgula (*.csv)"));
    if (caminho.isEmpty())
        return false;
    const GravacaoCsv g = GravaCsv(caminho, LinhasCsv(TabelaResultados(*m_ultima, m_locale)));
    m_mensageiro.informa(g.mensagem);
    return g.gravado;
}

void AviventacaoMemorial::imprimir()
{
    if (m_ultima)
        ImprimeMemorialNaImpressoraPadrao(*m_ultima, m_locale, m_mensageiro, m_poligono->impresso());
}

bool AviventacaoMemorial::salvarPdf()
{
    if (!m_ultima)
        return false;
    const QString caminho = m_mensageiro.arquivoParaSalvar(QStringLiteral("Salvar PDF"), QStringLiteral("memorial.pdf"),
                                                          QStringLiteral("PDF (*.pdf)"));
    return !caminho.isEmpty() && SalvaMemorialPdf(*m_ultima, m_locale, caminho, m_mensageiro, m_poligono->impresso());
}

void AviventacaoMemorial::cola(const QString& texto)
{
    const int fim = m_segmentos->rowCount();
    const QTableWidgetItem* ultimo = fim ? m_segmentos->item(fim - 1, ColPara) : nullptr;
    const std::vector<LinhaSegmento> linhas = LeSegmentos(texto, m_locale, ultimo ? ultimo->text() : QString());
    int lidas = 0;
    for (const LinhaSegmento& l : linhas)
        if (l.motivo.isEmpty()) {
            insereLinha(m_segmentos->rowCount(), l.segmento);
            ++lidas;
        }
    if (lidas)
        alterou();
    const QString recusadas = MensagemLinhasRecusadas(linhas);
    if (!recusadas.isEmpty())
        m_mensageiro.informa(QStringLiteral("%1 linha(s) acrescentada(s). Estas linhas não puderam ser lidas:\n\n%2")
                                 .arg(lidas)
                                 .arg(recusadas));
    else if (linhas.empty())
        m_mensageiro.informa(QStringLiteral("Não há segmentos no texto copiado."));
}

void AviventacaoMemorial::adicionaLinha()
{
    const int fim = m_segmentos->rowCount();
    SegmentoMemorial s;
    if (fim)
        if (const QTableWidgetItem* para = m_segmentos->item(fim - 1, ColPara))
            s.de = para->text();
    insereLinha(fim, s);
    alterou();
    m_segmentos->setCurrentCell(fim, s.de.isEmpty() ? ColDe : ColPara);
}

void AviventacaoMemorial::removeLinha()
{
    const int linha = m_segmentos->currentRow();
    if (linha < 0)
        return;
    m_segmentos->removeRow(linha);
    alterou();
}

void AviventacaoMemorial::moveLinha(int passo)
{
    const int linha = m_segmentos->currentRow(), destino = linha + passo;
    if (linha < 0 || destino < 0 || destino >= m_segmentos->rowCount())
        return;
    const bool preenchendo = std::exchange(m_preenchendo, true);
    for (int c = 0; c < ColunasSegmento; ++c) {
        QTableWidgetItem* a = m_segmentos->takeItem(linha, c);
        QTableWidgetItem* b = m_segmentos->takeItem(destino, c);
        m_segmentos->setItem(linha, c, b);
        m_segmentos->setItem(destino, c, a);
    }
    m_preenchendo = preenchendo;
    m_segmentos->setCurrentCell(destino, m_segmentos->currentColumn());
    alterou();
}

bool AviventacaoMemorial::podeFechar()
{
    if (!m_alterado)
        return true;
    switch (m_mensageiro.pergunta(QStringLiteral("Salvar as alterações?"))) {
    case Mensageiro::Resposta::Sim: return salvar();
    case Mensageiro::Resposta::Nao: return true;
    case Mensageiro::Resposta::Cancelar: return false;
    }
    return false;
}

void AviventacaoMemorial::closeEvent(QCloseEvent* evento)
{
    if (podeFechar()) {
        m_alterado = false;  // asked once: the owner's unloading does not ask again
        evento->accept();
    } else {
        evento->ignore();
    }
}

}  // namespace ceravel
