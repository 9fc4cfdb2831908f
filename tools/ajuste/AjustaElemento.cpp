// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ajuste/AjustaElemento.h"

#include "tools/ajuste/TermosPolinomio.h"

#include <Eigen/Dense>

#include <cmath>
#include <limits>

namespace ceravel::ajuste {

namespace {

constexpr int colunas = Coeficientes::Quantidade;

// One row per observation: design row, target, scale to goal units, base
// weight and the limit (in goal units) beyond which the penalty pulls on it.
struct Sistema {
    Eigen::MatrixXd A;
    Eigen::VectorXd b;
    Eigen::VectorXd escala;
    Eigen::VectorXd pesoBase;
    Eigen::VectorXd limite;
};

Sistema MontaSistema(const std::vector<Amostra>& treino, Elemento e, const OpcoesAjuste& opcoes) {
    const DescricaoElemento& d = Descricao(e);
    const auto linhas = static_cast<Eigen::Index>(2 * treino.size());
    Sistema s{Eigen::MatrixXd(linhas, colunas), Eigen::VectorXd(linhas), Eigen::VectorXd(linhas),
              Eigen::VectorXd(linhas), Eigen::VectorXd(linhas)};
    Eigen::Index i = 0;
    for (const Amostra& a : treino) {
        const double x = a.ponto.latitude + 15.0;
        const double y = a.ponto.longitude + 55.0;
        const double t = a.ponto.ano - 1990.0;
        const double pesoLugar = a.pertoDoBrasil ? 1.0 : opcoes.pesoForaDoBrasil;
        const double limiteValor =
            (a.pertoDoBrasil ? opcoes.margemBrasil * d.metas.maxBrasil : opcoes.margemCaixa * d.metas.maxCaixa) /
            d.metas.rmsBrasil;

        const auto valor = Monomios(x, y, t);
        s.A.row(i) = Eigen::Map<const Eigen::RowVectorXd>(valor.data(), colunas);
        s.b(i) = Valor(a.igrf, e);
        s.escala(i) = d.paraRelatorio / d.metas.rmsBrasil;
        s.pesoBase(i) = pesoLugar;
        s.limite(i) = limiteValor;
        ++i;

        const auto taxa = DerivadasNoTempo(x, y, t);
        s.A.row(i) = Eigen::Map<const Eigen::RowVectorXd>(taxa.data(), colunas);
        s.b(i) = Taxa(a.igrf, e);
        s.escala(i) = d.paraRelatorio / d.metas.rmsTaxaBrasil;
        s.pesoBase(i) = pesoLugar * opcoes.pesoTaxas;
        s.limite(i) = std::numeric_limits<double>::infinity();  // rates have an RMS goal only
        ++i;
    }
    return s;
}

// min Σ w (escala · (A c − alvo))², with the columns scaled to unit norm so
// that monomials from 1 to 25⁴ weigh alike in the factorisation.
Eigen::VectorXd Resolve(const Sistema& s, const Eigen::VectorXd& pesos, const Eigen::VectorXd& alvo) {
    const Eigen::VectorXd fator = (pesos.array().sqrt() * s.escala.array()).matrix();
    Eigen::MatrixXd M = fator.asDiagonal() * s.A;
    const Eigen::VectorXd normas = M.colwise().norm().transpose();
    for (Eigen::Index j = 0; j < colunas; ++j) {
        if (normas(j) > 0) {
            M.col(j) /= normas(j);
        }
    }
    const Eigen::VectorXd z = M.colPivHouseholderQr().solve(fator.cwiseProduct(alvo));
    Eigen::VectorXd c(colunas);
    for (Eigen::Index j = 0; j < colunas; ++j) {
        c(j) = normas(j) > 0 ? z(j) / normas(j) : 0.0;
    }
    return c;
}

// Exterior penalty for |residual| <= limit: an observation beyond its limit
// adds mu · (residual ∓ limit)², which joins its own term w · residual² as
// one term (w + mu) · (A c − alvo')² with the target moved towards the
// limit's edge. The set of such observations is updated until it settles.
Eigen::VectorXd ResolveComLimites(const Sistema& s, Eigen::VectorXd c, double mu, int passos) {
    std::vector<signed char> ativos(static_cast<std::size_t>(s.b.size()), 0);
    for (int passo = 0; passo < passos; ++passo) {
        const Eigen::VectorXd r = (s.A * c - s.b).cwiseProduct(s.escala);
        Eigen::VectorXd pesos = s.pesoBase;
        Eigen::VectorXd alvo = s.b;
        bool mudou = false;
        for (Eigen::Index i = 0; i < r.size(); ++i) {
            const signed char lado = r(i) > s.limite(i) ? 1 : (r(i) < -s.limite(i) ? -1 : 0);
            signed char& ativo = ativos[static_cast<std::size_t>(i)];
            if (lado != ativo) {
                ativo = lado;
                mudou = true;
            }
            if (ativo != 0) {
                const double w = s.pesoBase(i);
                pesos(i) = w + mu;
                alvo(i) = s.b(i) + mu * ativo * s.limite(i) / s.escala(i) / (w + mu);
            }
        }
        if (!mudou) {
            break;
        }
        c = Resolve(s, pesos, alvo);
    }
    return c;
}

}  // namespace

Coeficientes AjustaElemento(const std::vector<Amostra>& treino, Elemento e, const OpcoesAjuste& opcoes) {
    const Sistema s = MontaSistema(treino, e, opcoes);
    Eigen::VectorXd c = Resolve(s, s.pesoBase, s.b);
    for (const double mu : opcoes.penalidades) {
        c = ResolveComLimites(s, c, mu, opcoes.passosPorPenalidade);
    }
    Coeficientes r;
    for (int k = 1; k <= colunas; ++k) {
        r.c(k) = c(k - 1);
    }
    return r;
}

}  // namespace ceravel::ajuste
