// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/Calculo.h"
#include "model/Igrf14.h"
#include "present/VariacaoSecular.h"

#include <QDialog>
#include <QLocale>
#include <optional>
#include <vector>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QPushButton;

namespace ceravel {

class Mensageiro;

// "Variação Secular": one element at the point of Main's last successful
// calculation from 1900 to 2029 under IGRF-14, the regional model's 1995–2005
// curve over it in its own colour, and a mark at the calculation's date
// with the value the main window shows. The mouse reads the nearest year;
// "Copiar tabela" puts IGRF-14's yearly values on the clipboard.
class VariacaoSecular : public QDialog {
    Q_OBJECT
public:
    VariacaoSecular(const Calculo& ultimo, const QString& pastaPrograma, const QLocale& locale,
                    Mensageiro& mensageiro, QWidget* pai = nullptr);
    ~VariacaoSecular() override;

    // The curves drawn (empty when IGRF-14 could not be read).
    const std::vector<PontoSecular>& serieIgrf() const { return m_igrf; }
    const std::vector<PontoSecular>& serieRegional() const { return m_regional; }
    // The readout at a point of the chart view: the nearest year's date and values.
    QString leituraEm(const QPointF& ponto) const;

    // Commands; `salvaEm` as the map's (PNG, JPEG, SVG, PDF by the extension).
    void salvarImagem();
    bool salvaEm(const QString& caminho);
    void copiarTabela();

private:
    void escolheElemento(int indice);

    Calculo m_ultimo;
    QString m_pasta;
    QLocale m_locale;
    Mensageiro& m_mensageiro;
    std::optional<AvaliadorIgrf14> m_avaliador;
    ElementoSecular m_elemento = ElementoSecular::D;
    std::vector<PontoSecular> m_igrf, m_regional;

    QComboBox* m_elementos = nullptr;
    QChart* m_grafico = nullptr;
    QChartView* m_vista = nullptr;
    QLabel* m_leitura = nullptr;
    QPushButton *m_salvar = nullptr, *m_copiar = nullptr, *m_fechar = nullptr;

    friend class VistaSecular;
};

}  // namespace ceravel
