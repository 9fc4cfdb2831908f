// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PainelPoligono.h"

#include "calc/LeituraNumeros.h"
#include "geo/Geodesia.h"
#include "memorial/NomesPoligono.h"
#include "poligono/DeclinacaoVertices.h"
#include "present/TextosPoligono.h"
#include "ui/Controles.h"
#include "ui/DesenhoPoligonoTela.h"
#include "ui/Mensageiro.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace ceravel {

namespace {

template <class T>
T* Nomeado(T* w, const char* nome, const QString& acessivel = {})
{
    w->setObjectName(QString::fromLatin1(nome));
    if (!acessivel.isEmpty())
        w->setAccessibleName(acessivel);
    return w;
}

}  // namespace

PainelPoligono::PainelPoligono(const QString& pastaPrograma, const QLocale& locale, Mensageiro& mensageiro,
                               QWidget* pai)
    : QWidget(pai), m_pasta(pastaPrograma), m_locale(locale), m_mensageiro(mensageiro)
{
    setObjectName(QStringLiteral("PainelPoligono"));
    auto* coluna = new QVBoxLayout(this);
    coluna->setContentsMargins(0, 0, 0, 0);

    auto* entrada = Nomeado(new QGroupBox(QStringLiteral("Polígono no terreno: vértice inicial"), this), "FRPoligono");
    auto* g = new QGridLayout(entrada);
    m_vertice = Nomeado(new QLineEdit(entrada), "VerticeInicial", QStringLiteral("Vértice inicial"));
    m_vertice->setPlaceholderText(QStringLiteral("o primeiro \"De\""));
    m_utm = Nomeado(new QRadioButton(QStringLiteral("UTM"), entrada), "FormaUtmInicial");
    m_geograficas = Nomeado(new QRadioButton(QStringLiteral("Geográficas"), entrada), "FormaGeograficasInicial");
    m_utm->setChecked(true);
    m_zona = Nomeado(new QLineEdit(entrada), "ZonaInicial", QStringLiteral("Zona UTM do vértice inicial"));
    m_hemisferio = Nomeado(new QComboBox(entrada), "HemisferioInicial", QStringLiteral("Hemisfério"));
    m_hemisferio->addItems({QStringLiteral("S"), QStringLiteral("N")});
    m_leste = Nomeado(new QLineEdit(entrada), "LesteInicial", QStringLiteral("E do vértice inicial (m)"));
    m_norte = Nomeado(new QLineEdit(entrada), "NorteInicial", QStringLiteral("N do vértice inicial (m)"));
    m_latitude = Nomeado(new QLineEdit(entrada), "LatitudeInicial", QStringLiteral("Latitude do vértice inicial"));
    m_longitude = Nomeado(new QLineEdit(entrada), "LongitudeInicial", QStringLiteral("Longitude do vértice inicial"));
    m_datum = Nomeado(new QComboBox(entrada), "DatumInicial", QStringLiteral("Datum do vértice inicial"));
    for (const geo::DadosDatum& d : geo::Datums())
        m_datum->addItem(QString::fromUtf8(d.nome), static_cast<int>(d.datum));
    m_escala = Nomeado(new QCheckBox(QStringLiteral("Fator de escala k (distâncias no terreno)"), entrada), "FatorEscala");
    m_escala->setChecked(true);
    m_altitude = Nomeado(new QLineEdit(entrada), "AltitudeMedia", QStringLiteral("Altitude média do imóvel (m)"));
    m_altitude->setPlaceholderText(QStringLiteral("sem fator de elevação"));
    m_compensar = Nomeado(new QCheckBox(QStringLiteral("Compensar o erro (regra da bússola)"), entrada), "Compensar");
    int l = 0;
    g->addWidget(new QLabel(QStringLiteral("Vértice:"), entrada), l, 0);
    g->addWidget(m_vertice, l, 1);
    g->addWidget(m_utm, l, 2);
    g->addWidget(m_geograficas, l, 3);
    g->addWidget(new QLabel(QStringLiteral("Datum:"), entrada), l, 4);
    g->addWidget(m_datum, l, 5, 1, 3);
    ++l;
    g->addWidget(new QLabel(QStringLiteral("Zona:"), entrada), l, 0);
    g->addWidget(m_zona, l, 1);
    g->addWidget(m_hemisferio, l, 2);
    g->addWidget(new QLabel(QStringLiteral("E (m):"), entrada), l, 3);
    g->addWidget(m_leste, l, 4);
    g->addWidget(new QLabel(QStringLiteral("N (m):"), entrada), l, 5);
    g->addWidget(m_norte, l, 6, 1, 2);
    ++l;
    g->addWidget(new QLabel(QStringLiteral("Latitude:"), entrada), l, 0);
    g->addWidget(m_latitude, l, 1);
    g->addWidget(new QLabel(QStringLiteral("Longitude:"), entrada), l, 3);
    g->addWidget(m_longitude, l, 4);
    ++l;
    g->addWidget(m_escala, l, 0, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("Altitude média (m):"), entrada), l, 3);
    g->addWidget(m_altitude, l, 4);
    g->addWidget(m_compensar, l, 5, 1, 3);
    coluna->addWidget(entrada);

    auto* resultados = new QHBoxLayout;
    auto* esquerda = new QVBoxLayout;
    m_vertices = Nomeado(new QTableWidget(0, 7, this), "VerticesPoligono", QStringLiteral("Vértices do polígono"));
    m_vertices->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_vertices->setHorizontalHeaderLabels(TitulosVertices(true));
    m_vertices->horizontalHeader()->setStretchLastSection(true);
    esquerda->addWidget(m_vertices, 1);
    auto* botoes = new QHBoxLayout;
    const std::pair<const char*, const char*> nomes[] = {{"BtExportarKml", "KML..."},
                                                         {"BtExportarGeoJson", "GeoJSON..."},
                                                         {"BtExportarDxf", "DXF..."},
                                                         {"BtExportarVertices", "Vértices CSV..."}};
    const FormatoPoligono formatos[] = {FormatoPoligono::Kml, FormatoPoligono::GeoJson, FormatoPoligono::Dxf,
                                        FormatoPoligono::Csv};
    for (int i = 0; i < 4; ++i) {
        auto* b = Nomeado(new QPushButton(QString::fromUtf8(nomes[i].second), this), nomes[i].first);
        b->setEnabled(false);
        connect(b, &QPushButton::clicked, this, [this, f = formatos[i]] { exporta(f); });
        botoes->addWidget(b);
        m_exportar.push_back(b);
    }
    botoes->addStretch();
    esquerda->addLayout(botoes);
    resultados->addLayout(esquerda, 2);
    m_resumo = Nomeado(new QLabel(this), "ResumoPoligono");
    m_resumo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_resumo->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_resumo->setWordWrap(true);
    resultados->addWidget(m_resumo, 1);
    m_desenho = new DesenhoPoligonoTela(locale, this);
    resultados->addWidget(m_desenho, 3);
    coluna->addLayout(resultados, 1);

    // A change of any box: the results no longer belong to them.
    for (QLineEdit* e : {m_vertice, m_zona, m_leste, m_norte, m_latitude, m_longitude, m_altitude})
        connect(e, &QLineEdit::textChanged, this, &PainelPoligono::limpa);
    for (QComboBox* c : {m_hemisferio, m_datum})
        connect(c, &QComboBox::currentIndexChanged, this, &PainelPoligono::limpa);
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{m_utm, m_escala, m_compensar})
        connect(b, &QAbstractButton::toggled, this, &PainelPoligono::limpa);
    for (QLineEdit* e : {m_vertice, m_zona, m_leste, m_norte, m_latitude, m_longitude, m_altitude})
        connect(e, &QLineEdit::textEdited, this, &PainelPoligono::editado);
    for (QComboBox* c : {m_hemisferio, m_datum})
        connect(c, &QComboBox::activated, this, &PainelPoligono::editado);
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{m_utm, m_geograficas, m_escala, m_compensar})
        connect(b, &QAbstractButton::clicked, this, &PainelPoligono::editado);
    const auto forma = [this] {
        for (QLineEdit* e : {m_zona, m_leste, m_norte})
            e->setEnabled(m_utm->isChecked());
        m_hemisferio->setEnabled(m_utm->isChecked());
        for (QLineEdit* e : {m_latitude, m_longitude})
            e->setEnabled(!m_utm->isChecked());
    };
    connect(m_utm, &QRadioButton::toggled, this, forma);
    forma();
}

TextosPoligonoMemorial PainelPoligono::textos() const
{
    TextosPoligonoMemorial t;
    t.vertice = m_vertice->text();
    t.utm = m_utm->isChecked();
    t.zona = m_zona->text();
    t.hemisferio = m_hemisferio->currentText();
    t.leste = m_leste->text();
    t.norte = m_norte->text();
    t.latitude = m_latitude->text();
    t.longitude = m_longitude->text();
    for (const geo::DadosDatum& d : geo::Datums())
        if (static_cast<int>(d.datum) == m_datum->currentData().toInt())
            t.datum = QString::fromLatin1(d.opcao);
    t.altitude = m_altitude->text();
    t.fatorEscala = m_escala->isChecked();
    t.compensar = m_compensar->isChecked();
    return t;
}

void PainelPoligono::defineTextos(const TextosPoligonoMemorial& t)
{
    m_vertice->setText(t.vertice);
    (t.utm ? m_utm : m_geograficas)->setChecked(true);
    m_zona->setText(t.zona);
    m_hemisferio->setCurrentText(t.hemisferio);
    m_leste->setText(t.leste);
    m_norte->setText(t.norte);
    m_latitude->setText(t.latitude);
    m_longitude->setText(t.longitude);
    for (const geo::DadosDatum& d : geo::Datums())
        if (t.datum == QLatin1StringView(d.opcao))
            m_datum->setCurrentIndex(m_datum->findData(static_cast<int>(d.datum)));
    m_altitude->setText(t.altitude);
    m_escala->setChecked(t.fatorEscala);
    m_compensar->setChecked(t.compensar);
    limpa();
}

bool PainelPoligono::pedido() const
{
    const auto preenchida = [](const QLineEdit* e) { return !e->text().trimmed().isEmpty(); };
    return m_utm->isChecked() ? preenchida(m_zona) || preenchida(m_leste) || preenchida(m_norte)
                              : preenchida(m_latitude) || preenchida(m_longitude);
}

void PainelPoligono::limpa()
{
    m_ultimo.reset();
    m_impresso.reset();
    m_resumo->clear();
    m_vertices->setRowCount(0);
    m_desenho->limpa();
    for (QPushButton* b : m_exportar)
        b->setEnabled(false);
}

std::optional<ConversaoMemorial> PainelPoligono::calcula(const ConversaoMemorial& conversao)
{
    limpa();
    if (!pedido())
        return std::nullopt;
    PedidoPoligono p;
    p.inicio = {m_vertice->text(), m_utm->isChecked(),
                {m_zona->text(), m_hemisferio->currentText(), m_leste->text(), m_norte->text()},
                m_latitude->text(), m_longitude->text()};
    p.datum = static_cast<geo::Datum>(m_datum->currentData().toInt());
    p.fatorEscala = m_escala->isChecked();
    p.compensar = m_compensar->isChecked();
    if (!m_altitude->text().trimmed().isEmpty()) {
        p.altitude = LeNumeroLocal(m_altitude->text(), m_locale);
        if (!p.altitude || *p.altitude < -500 || *p.altitude > 9000) {
            m_mensageiro.informa(QStringLiteral("A altitude média deve ser um número de metros, de -500 a 9000."));
            m_altitude->setFocus();
            return std::nullopt;
        }
    }
    auto r = CalculaMemorialNoTerreno(conversao, p, m_locale, m_pasta);
    if (const auto* f = std::get_if<FalhaGuarda>(&r)) {
        m_mensageiro.informa(f->mensagem);
        QWidget* foco = m_vertice;
        switch (f->foco) {
        case Campo::Zona: foco = m_zona; break;
        case Campo::Hemisferio: foco = m_hemisferio; break;
        case Campo::Leste: foco = m_leste; break;
        case Campo::Norte: foco = m_norte; break;
        case Campo::LatGraus: foco = m_latitude; break;
        case Campo::LonGraus: foco = m_longitude; break;
        case Campo::Datum: foco = m_datum; break;
        default: break;
        }
        foco->setFocus();
        return std::nullopt;
    }
    MemorialNoTerreno& terreno = std::get<MemorialNoTerreno>(r);
    m_ultimo = std::move(terreno.poligono);
    const ResultadoPoligonal& pol = m_ultimo->poligonal;
    const DescricaoPlano plano{m_ultimo->inicio.zona, m_ultimo->inicio.sul, p.fatorEscala, p.altitude,
                               p.compensar && pol.fechamento};
    QStringList resumo;
    for (const auto& [legenda, valor] : ResumoPoligono(pol, plano, m_locale))
        resumo << legenda + QStringLiteral(": ") + valor;
    m_resumo->setText(resumo.join(u'\n'));
    const std::vector<QStringList> linhas = LinhasVertices(pol, m_locale);
    m_vertices->setRowCount(static_cast<int>(linhas.size()));
    for (int i = 0; i < static_cast<int>(linhas.size()); ++i)
        for (int k = 0; k < linhas[static_cast<std::size_t>(i)].size(); ++k)
            m_vertices->setItem(i, k, new QTableWidgetItem(linhas[static_cast<std::size_t>(i)][k]));
    m_vertices->setColumnHidden(5, !plano.compensado);
    m_vertices->setColumnHidden(6, !plano.compensado);
    // The norths show the declination the start vertex's side used (its own
    // beyond 10 km, the position's otherwise), on the conversion date.
    const auto& lados = terreno.conversao.segmentos;
    const auto& ladoInicial = lados[std::min<std::size_t>(pol.indiceInicial, lados.size() - 1)];
    m_impresso = {pol, std::get<std::vector<SegmentoPoligonal>>(LadosDoMemorial(terreno.conversao)), plano,
                  static_cast<double>(ValoresUsados(terreno.conversao, ladoInicial).conversao) / 3600};
    m_desenho->define(pol, m_impresso->segmentos, m_impresso->declinacao);
    for (QPushButton* b : m_exportar)
        b->setEnabled(true);
    return std::move(terreno.conversao);
}

void PainelPoligono::defineArquivo(const QString& caminhoMemorial) { m_arquivoMemorial = caminhoMemorial; }

bool PainelPoligono::exporta(FormatoPoligono formato)
{
    if (!m_ultimo)
        return false;
    const struct {
        const char* titulo;
        const char* filtro;
    } dados[] = {{"Exportar KML", "KML (*.kml)"},
                 {"Exportar GeoJSON", "GeoJSON (*.geojson *.json)"},
                 {"Exportar DXF", "DXF (*.dxf)"},
                 {"Exportar vértices", "CSV (*.csv)"}};
    const auto& d = dados[static_cast<int>(formato)];
    const QString caminho = m_mensageiro.arquivoParaSalvar(
        QString::fromUtf8(d.titulo), ArquivoDoPoligono(m_arquivoMemorial, formato), QString::fromUtf8(d.filtro));
    if (caminho.isEmpty())
        return false;
    const QString erro = ExportaPoligono(
        formato, caminho,
        PoligonoParaExportar(m_ultimo->poligonal, NomeDoPoligono(m_arquivoMemorial), m_ultimo->inicio.zona,
                             m_ultimo->inicio.sul),
        m_locale);
    m_mensageiro.informa(erro.isEmpty() ? QStringLiteral("O polígono foi salvo no arquivo %1").arg(caminho) : erro);
    return erro.isEmpty();
}

}  // namespace ceravel
