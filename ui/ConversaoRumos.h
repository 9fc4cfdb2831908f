// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/ConversaoRumos.h"
#include "ui/EntradaCoordenada.h"

#include <QDialog>
#include <QLocale>
#include <optional>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ceravel {

class DiagramaNortes;
class Mensageiro;

// "Conversão de Rumos": the declination on a survey date and on a conversion
// date at one position, and a bearing of a deed carried between them. The
// window only moves texts between its controls and CalculaConversao; results
// and "Copiar" show only while the boxes hold what was converted: a change
// of any input, or a refusal, empties them.
class ConversaoRumos : public QDialog {
    Q_OBJECT
public:
    // `posicao`: the boxes of Main's last successful calculation, if any,
    // whose position and entry forms the window starts with.
    ConversaoRumos(const QString& pastaPrograma, const QLocale& locale, Mensageiro& mensageiro,
                   const TextosEntrada* posicao, QWidget* pai = nullptr);

    // The boxes as typed, with the entry forms and the options chosen.
    TextosConversao entrada() const;
    const std::optional<Conversao>& ultimaConversao() const { return m_ultima; }

    // Commands, as their buttons run them.
    void converter();
    void copiar();

private:
    // One row of the results: its caption and up to two values.
    struct LinhaResultado {
        QLabel* legenda;
        QLabel *a, *b;
    };

    void criaEntradas();
    void criaPosicao();
    void criaRumo();
    void criaQuadricula();
    void criaResultados();
    void defineOrdemTeclado();
    void preenche(const TextosEntrada& posicao);
    void ligaFormas(EntradaCoordenada& entrada);
    void vigiaEntradas();
    void mostra(const Conversao& conversao);
    void mostraQuadricula(const Conversao& conversao);
    void esvazia();

    QString m_pasta;
    QLocale m_locale;
    Mensageiro& m_mensageiro;
    std::optional<Conversao> m_ultima;

    EntradaCoordenada m_latitude, m_longitude, m_angulo;
    QLineEdit *m_diaLev = nullptr, *m_mesLev = nullptr, *m_anoLev = nullptr;
    QLineEdit *m_diaConv = nullptr, *m_mesConv = nullptr, *m_anoConv = nullptr;
    QRadioButton *m_azimute = nullptr, *m_rumo = nullptr, *m_magnetico = nullptr, *m_verdadeiro = nullptr,
                 *m_quadricula = nullptr;
    // The position's form and datum, and the UTM boxes.
    QRadioButton *m_geograficas = nullptr, *m_utm = nullptr;
    QComboBox *m_datum = nullptr, *m_hemisferio = nullptr;
    QLineEdit *m_zona = nullptr, *m_leste = nullptr, *m_norte = nullptr;
    QComboBox* m_quadrante = nullptr;
    QPushButton *m_converter = nullptr, *m_copiar = nullptr, *m_fechar = nullptr;

    QGroupBox* m_resultados = nullptr;
    LinhaResultado m_cabecalhoDatas{}, m_declinacao{}, m_variacao{}, m_regional{}, m_diferenca{};
    LinhaResultado m_cabecalhoRumos{}, m_verdadeiroRes{}, m_magneticoRes{}, m_quadriculaRes{};
    // Beside the results: the position in SIRGAS 2000 and on the grid, and the three norths.
    QGroupBox* m_frameQuadricula = nullptr;
    QLabel *m_posicaoSirgas = nullptr, *m_utmProprio = nullptr, *m_utmDado = nullptr, *m_convergencia = nullptr,
           *m_escala = nullptr, *m_transformacao = nullptr;
    DiagramaNortes* m_nortes = nullptr;
    QLabel *m_nota = nullptr, *m_modelo = nullptr;
};

}  // namespace ceravel
