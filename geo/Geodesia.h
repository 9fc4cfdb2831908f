// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geo/Datum.h"

#include <QString>
#include <memory>
#include <optional>
#include <variant>

namespace ceravel::geo {

struct Geografico {
    double latitude = 0, longitude = 0;  // decimal degrees, north and east positive
};

struct PontoUtm {
    int zona = 0;  // 1–60
    bool sul = true;
    double leste = 0, norte = 0;  // metres
};

// The transformation PROJ used to reach SIRGAS 2000.
struct Operacao {
    QString nome;       // PROJ's name of the operation; empty for a point already in SIRGAS 2000
    QString grade;      // the grid it read, empty for one without a grid
    double precisao = 0;  // metres; negative where PROJ knows none
};

struct PosicaoSirgas {
    Geografico ponto;
    Operacao operacao;
};

// The meridian convergence and point scale factor of a UTM projection at a point.
struct FatoresUtm {
    double convergencia = 0;  // degrees: the bearing of grid north clockwise from true north
    double escala = 1;        // k
};

// Why a conversion was not made: the message the user reads and what it is about.
struct FalhaGeo {
    enum class Motivo {
        SemProj,          // proj.db not found: no conversion at all
        ZonaForaDoDatum,  // the datum has no projection in that zone
        ForaDaArea,       // the point lies outside the datum's area (or its grid's)
        SemGrade,         // the datum's grid is missing: PROJ could only guess
        Falhou            // PROJ could not compute the point
    };
    Motivo motivo = Motivo::Falhou;
    QString mensagem;
};

template <class T>
using ResultadoGeo = std::variant<FalhaGeo, T>;

// The conversions of one thread over one PROJ context: its search paths are
// the program's folder (where the IBGE grids lie) and the folder of the
// system's proj.db; the network stays off. The projections and
// transformations are created once, on their first use, and kept.
class Geodesia {
public:
    explicit Geodesia(const QString& pastaPrograma);
    ~Geodesia();
    Geodesia(const Geodesia&) = delete;
    Geodesia& operator=(const Geodesia&) = delete;

    // Why nothing converts (proj.db missing), empty when PROJ is ready.
    const QString& erro() const;
    const QString& pastaPrograma() const;

    // A UTM point of `datum` to that datum's geographic coordinates.
    ResultadoGeo<Geografico> UtmParaGeografico(Datum datum, const PontoUtm& utm);
    // A point of `datum` to SIRGAS 2000: refused outside the datum's area and
    // wherever PROJ would only have a ballpark shift, never a silent zero shift.
    ResultadoGeo<PosicaoSirgas> ParaSirgas(Datum datum, const Geografico& ponto);
    // A SIRGAS 2000 point in UTM, in any zone and hemisphere.
    ResultadoGeo<PontoUtm> ParaUtm(const Geografico& sirgas, int zona, bool sul);
    // γ and k of SIRGAS 2000 / UTM `zona` at a SIRGAS 2000 point.
    ResultadoGeo<FatoresUtm> Fatores(const Geografico& sirgas, int zona, bool sul);

private:
    struct Estado;
    std::unique_ptr<Estado> estado;
};

// This thread's Geodesia over `pastaPrograma`, created on first use (and again
// only when another folder is asked for).
Geodesia& GeodesiaDaThread(const QString& pastaPrograma);

}  // namespace ceravel::geo
