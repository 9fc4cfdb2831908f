// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/Geodesia.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <array>
#include <cmath>
#include <proj.h>
#include <vector>

namespace ceravel::geo {

namespace {

constexpr int NumeroDatums = 5;

int Indice(Datum datum) { return static_cast<int>(datum); }

// The folder of the proj.db a fresh context finds (PROJ_DATA or the system's);
// empty when there is none.
QString PastaProjDb()
{
    PJ_CONTEXT* ctx = proj_context_create();
    proj_log_level(ctx, PJ_LOG_NONE);
    const char* caminho = proj_context_get_database_path(ctx);
    QString pasta = caminho ? QFileInfo(QString::fromUtf8(caminho)).absolutePath() : QString();
    proj_context_destroy(ctx);
    return pasta;
}

struct Destroi {
    void operator()(PJ* pj) const { proj_destroy(pj); }
};
using Pj = std::unique_ptr<PJ, Destroi>;

// A lazily created PROJ object; `tentado` keeps a failed creation from being retried.
struct Cache {
    Pj pj;
    bool tentado = false;
};

// SIRGAS 2000 / UTM as PROJ's own projection on GRS 1980 (radians in).
QByteArray ProjecaoUtm(int zona, bool sul)
{
    return "+proj=utm +zone=" + QByteArray::number(zona) + (sul ? " +south" : "") + " +ellps=GRS80";
}

QByteArray Epsg(int codigo) { return "EPSG:" + QByteArray::number(codigo); }

struct Definicao {
    QByteArray de, para;
};

FalhaGeo Falha(FalhaGeo::Motivo motivo, QString mensagem) { return FalhaGeo{motivo, std::move(mensagem)}; }

QString Nome(Datum datum) { return QString::fromUtf8(Dados(datum).nome); }

}  // namespace

struct Geodesia::Estado {
    QString pasta, erro;
    PJ_CONTEXT* ctx = nullptr;
    std::array<std::array<std::array<Cache, 2>, 8>, NumeroDatums> utmParaGeo;  // datum, zone 18–25, south
    std::array<Cache, NumeroDatums> paraSirgas;
    std::array<std::array<Cache, 2>, 60> utmSirgas;  // zone 1–60, south
    struct Area {
        double oeste = -180, sul = -90, leste = 180, norte = 90;
        bool lida = false;
    };
    std::array<Area, NumeroDatums> areas;
    std::array<bool, NumeroDatums> temGrade{};

    // The operations PROJ has said it used from each datum, kept so that a
    // later point is matched to one by redoing it, instead of by asking PROJ
    // again (a copy of the operation each time, some 60 µs).
    struct OperacaoConhecida {
        Pj pj;
        bool ballpark = false;
        Operacao descricao;
    };
    std::array<std::vector<OperacaoConhecida>, NumeroDatums> conhecidas;

    const OperacaoConhecida* Usada(Datum datum, PJ* transformacao, const PJ_COORD& entrada, const PJ_COORD& saida)
    {
        auto& lista = conhecidas[Indice(datum)];
        for (const OperacaoConhecida& k : lista) {
            const PJ_COORD r = proj_trans(k.pj.get(), PJ_FWD, entrada);
            if (r.v[0] == saida.v[0] && r.v[1] == saida.v[1])
                return &k;
        }
        Pj usada(proj_trans_get_last_used_operation(transformacao));
        if (!usada)
            return nullptr;
        OperacaoConhecida nova;
        nova.ballpark = proj_coordoperation_has_ballpark_transformation(ctx, usada.get());
        nova.descricao.nome = QString::fromUtf8(proj_get_name(usada.get()));
        nova.descricao.precisao = proj_coordoperation_get_accuracy(ctx, usada.get());
        const char* grade = nullptr;
        if (proj_coordoperation_get_grid_used_count(ctx, usada.get()) > 0 &&
            proj_coordoperation_get_grid_used(ctx, usada.get(), 0, &grade, nullptr, nullptr, nullptr, nullptr,
                                              nullptr, nullptr) &&
            grade)
            nova.descricao.grade = QString::fromUtf8(grade);
        for (const OperacaoConhecida& k : lista)
            if (k.descricao.nome == nova.descricao.nome)
                return &k;  // the same operation, whose copy gives other bits: answer without keeping it twice
        nova.pj = std::move(usada);
        lista.push_back(std::move(nova));
        return &lista.back();
    }

    // `definicoes` gives the PROJ text of the object, or of the two CRSs
    // between which it transforms; called only on the first use.
    template <class Definicoes>
    PJ* CriaUma(Cache& c, Definicoes definicoes)
    {
        if (!c.tentado) {
            c.tentado = true;
            const auto [de, para] = definicoes();
            c.pj.reset(para.isEmpty() ? proj_create(ctx, de.constData())
                                      : proj_create_crs_to_crs(ctx, de.constData(), para.constData(), nullptr));
        }
        return c.pj.get();
    }

    // SIRGAS 2000 / UTM `zona` (1–60); nullptr for another zone.
    PJ* Utm(int zona, bool sul)
    {
        if (zona < 1 || zona > 60)
            return nullptr;
        return CriaUma(utmSirgas[zona - 1][sul ? 1 : 0], [&] { return Definicao{ProjecaoUtm(zona, sul), {}}; });
    }

    const Area& AreaDe(Datum datum)
    {
        Area& a = areas[Indice(datum)];
        if (!a.lida) {
            a.lida = true;
            const QByteArray codigo = "EPSG:" + QByteArray::number(Dados(datum).epsgGeografico);
            Pj crs(proj_create(ctx, codigo.constData()));
            if (crs)
                proj_get_area_of_use(ctx, crs.get(), &a.oeste, &a.sul, &a.leste, &a.norte, nullptr);
        }
        return a;
    }
};

Geodesia::Geodesia(const QString& pastaPrograma) : estado(std::make_unique<Estado>())
{
    Estado& e = *estado;
    e.pasta = pastaPrograma;
    const QString pastaDb = PastaProjDb();
    e.ctx = proj_context_create();
    proj_log_level(e.ctx, PJ_LOG_NONE);
    proj_context_set_enable_network(e.ctx, 0);
    const QByteArray programa = QFile::encodeName(pastaPrograma), sistema = QFile::encodeName(pastaDb);
    const char* caminhos[] = {programa.constData(), sistema.constData()};
    proj_context_set_search_paths(e.ctx, pastaDb.isEmpty() ? 1 : 2, caminhos);
    if (pastaDb.isEmpty() || !proj_context_get_database_path(e.ctx))
        e.erro = QStringLiteral("O banco de dados de sistemas de coordenadas do PROJ (proj.db) não foi encontrado. "
                                "As conversões de UTM e de datum ficam indisponíveis; instale o pacote proj-data.");
    for (const DadosDatum& d : Datums())
        if (d.grade)
            e.temGrade[Indice(d.datum)] = QFileInfo::exists(QDir(pastaPrograma).filePath(QString::fromUtf8(d.grade))) ||
                                          QFileInfo::exists(QDir(pastaDb).filePath(QString::fromUtf8(d.grade)));
}

Geodesia::~Geodesia()
{
    estado->utmParaGeo = {};
    estado->paraSirgas = {};
    estado->conhecidas = {};
    estado->utmSirgas = {};
    proj_context_destroy(estado->ctx);
}

const QString& Geodesia::erro() const { return estado->erro; }
const QString& Geodesia::pastaPrograma() const { return estado->pasta; }

ResultadoGeo<Geografico> Geodesia::UtmParaGeografico(Datum datum, const PontoUtm& utm)
{
    Estado& e = *estado;
    if (!e.erro.isEmpty())
        return Falha(FalhaGeo::Motivo::SemProj, e.erro);
    const int epsg = EpsgUtm(datum, utm.zona, utm.sul);
    if (epsg == 0 && datum == Datum::Sirgas2000) {
        // A SIRGAS 2000 zone without an EPSG code of its own (25N): the same projection.
        PJ* pj = e.Utm(utm.zona, utm.sul);
        const PJ_COORD r = pj ? proj_trans(pj, PJ_INV, proj_coord(utm.leste, utm.norte, 0, 0)) : PJ_COORD{};
        if (pj && std::isfinite(r.v[0]) && std::isfinite(r.v[1]))
            return Geografico{proj_todeg(r.v[1]), proj_todeg(r.v[0])};
    }
    if (epsg == 0)
        return Falha(FalhaGeo::Motivo::ZonaForaDoDatum,
                     QStringLiteral("O datum %1 não tem a zona UTM %2%3: sua área não chega a essa zona. "
                                    "Verifique a zona, o hemisfério e o datum.")
                         .arg(Nome(datum))
                         .arg(utm.zona)
                         .arg(utm.sul ? QLatin1Char('S') : QLatin1Char('N')));
    Cache& c = e.utmParaGeo[Indice(datum)][utm.zona - 18][utm.sul ? 1 : 0];
    PJ* pj = e.CriaUma(c, [&] { return Definicao{Epsg(epsg), Epsg(Dados(datum).epsgGeografico)}; });
    // Authority axis order: easting, northing in; latitude, longitude out.
    const PJ_COORD r = pj ? proj_trans(pj, PJ_FWD, proj_coord(utm.leste, utm.norte, 0, 0)) : PJ_COORD{};
    if (!pj || !std::isfinite(r.v[0]) || !std::isfinite(r.v[1]) || r.v[0] == HUGE_VAL)
        return Falha(FalhaGeo::Motivo::Falhou,
                     QStringLiteral("O PROJ não conseguiu converter esse ponto UTM. Verifique as coordenadas."));
    return Geografico{r.v[0], r.v[1]};
}

ResultadoGeo<PosicaoSirgas> Geodesia::ParaSirgas(Datum datum, const Geografico& ponto)
{
    Estado& e = *estado;
    if (!e.erro.isEmpty())
        return Falha(FalhaGeo::Motivo::SemProj, e.erro);
    if (datum == Datum::Sirgas2000)
        return PosicaoSirgas{ponto, {}};
    const auto& a = e.AreaDe(datum);
    if (ponto.latitude < a.sul || ponto.latitude > a.norte || ponto.longitude < a.oeste || ponto.longitude > a.leste)
        return Falha(FalhaGeo::Motivo::ForaDaArea,
                     QStringLiteral("O ponto fica fora da área de uso do datum %1. Verifique o datum e as coordenadas.")
                         .arg(Nome(datum)));
    PJ* pj = e.CriaUma(e.paraSirgas[Indice(datum)],
                       [&] { return Definicao{Epsg(Dados(datum).epsgGeografico), Epsg(4674)}; });
    const PJ_COORD entrada = proj_coord(ponto.latitude, ponto.longitude, 0, 0);
    const PJ_COORD r = pj ? proj_trans(pj, PJ_FWD, entrada) : PJ_COORD{};
    if (!pj || !std::isfinite(r.v[0]) || !std::isfinite(r.v[1]))
        return Falha(FalhaGeo::Motivo::Falhou,
                     QStringLiteral("O PROJ não conseguiu levar esse ponto do datum %1 ao SIRGAS 2000.").arg(Nome(datum)));

    // Which transformation PROJ chose: a ballpark one would be a guess.
    const auto* usada = e.Usada(datum, pj, entrada, r);
    if (!usada)
        return Falha(FalhaGeo::Motivo::Falhou,
                     QStringLiteral("O PROJ não informou a transformação usada do datum %1 ao SIRGAS 2000.")
                         .arg(Nome(datum)));
    if (usada->ballpark) {
        const QString grade = QString::fromUtf8(Dados(datum).grade);
        if (e.temGrade[Indice(datum)])
            return Falha(FalhaGeo::Motivo::ForaDaArea,
                         QStringLiteral("O ponto fica fora da área da grade de transformação do IBGE (%1) do datum %2; "
                                        "o PROJ só daria um deslocamento aproximado. Verifique o datum e as coordenadas.")
                             .arg(grade, Nome(datum)));
        return Falha(FalhaGeo::Motivo::SemGrade,
                     QStringLiteral("Falta a grade de transformação do IBGE %1 para converter do datum %2 ao SIRGAS "
                                    "2000 (procurada em %3). Sem ela o PROJ só daria um deslocamento aproximado, "
                                    "por isso a conversão não foi feita.")
                         .arg(grade, Nome(datum), QDir::toNativeSeparators(e.pasta)));
    }
    return PosicaoSirgas{{r.v[0], r.v[1]}, usada->descricao};
}

ResultadoGeo<PontoUtm> Geodesia::ParaUtm(const Geografico& sirgas, int zona, bool sul)
{
    Estado& e = *estado;
    if (!e.erro.isEmpty())
        return Falha(FalhaGeo::Motivo::SemProj, e.erro);
    PJ* pj = e.Utm(zona, sul);
    const PJ_COORD r =
        pj ? proj_trans(pj, PJ_FWD, proj_coord(proj_torad(sirgas.longitude), proj_torad(sirgas.latitude), 0, 0))
           : PJ_COORD{};
    if (!pj || !std::isfinite(r.v[0]) || !std::isfinite(r.v[1]))
        return Falha(FalhaGeo::Motivo::Falhou, QStringLiteral("O PROJ não conseguiu projetar esse ponto em UTM."));
    return PontoUtm{zona, sul, r.v[0], r.v[1]};
}

ResultadoGeo<FatoresUtm> Geodesia::Fatores(const Geografico& sirgas, int zona, bool sul)
{
    Estado& e = *estado;
    if (!e.erro.isEmpty())
        return Falha(FalhaGeo::Motivo::SemProj, e.erro);
    PJ* pj = e.Utm(zona, sul);
    if (!pj)
        return Falha(FalhaGeo::Motivo::Falhou, QStringLiteral("O PROJ não conseguiu criar a projeção UTM."));
    const PJ_FACTORS f =
        proj_factors(pj, proj_coord(proj_torad(sirgas.longitude), proj_torad(sirgas.latitude), 0, 0));
    if (proj_errno(pj)) {
        proj_errno_reset(pj);
        return Falha(FalhaGeo::Motivo::Falhou,
                     QStringLiteral("O PROJ não conseguiu calcular a convergência meridiana nesse ponto."));
    }
    return FatoresUtm{proj_todeg(f.meridian_convergence), f.meridional_scale};
}

Geodesia& GeodesiaDaThread(const QString& pastaPrograma)
{
    thread_local std::unique_ptr<Geodesia> geodesia;
    if (!geodesia || geodesia->pastaPrograma() != pastaPrograma)
        geodesia = std::make_unique<Geodesia>(pastaPrograma);
    return *geodesia;
}

}  // namespace ceravel::geo
