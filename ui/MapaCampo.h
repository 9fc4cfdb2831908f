// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/Calculo.h"
#include "ui/DesenhoMapa.h"

#include <QDialog>
#include <QLocale>
#include <optional>

class QComboBox;
class QSpinBox;
class QLabel;
class QPrinter;
class QPushButton;

namespace ceravel {

class Mensageiro;
class AreaMapa;

// "Mapa do Campo": the field of the model of Main's last successful
// calculation over the accepted box at its date, with that point marked.
// The regional model's coefficient files are read afresh, as a calculation
// reads them, when the window opens and whenever another element is chosen;
// if they cannot be read, or no longer give the calculated values, the map is
// withdrawn with a message and the window stays open. Under IGRF-14 a year
// box ("Ano", 1900 to 2029) moves the map to the same day of another year.
class MapaCampo : public QDialog {
    Q_OBJECT
public:
    MapaCampo(const Calculo& ultimo, const QString& pastaPrograma, const QLocale& locale, Mensageiro& mensageiro,
              QWidget* pai = nullptr);
    ~MapaCampo() override;

    // The map shown, if any.
    const std::optional<CenaMapa>& cena() const { return m_cena; }
    // Where the map's box lies in the map widget at its present size.
    ProjecaoMapa projecao() const;
    // The hover text at a point of the map widget: latitude, longitude and
    // the element there; empty outside the box or without a map.
    QString leituraEm(const QPointF& ponto) const;

    // Commands. `salvaEm` writes PNG, JPEG, SVG or PDF by the name's
    // extension (another extension, or none, gets ".png" added) through a
    // temporary file renamed only when complete, and tells the user where it
    // went, or why it failed. Returns whether the file was written.
    void salvarImagem();
    bool salvaEm(const QString& caminho);
    void imprimir();
    // Draws the map as one landscape page on `impressora`; false if the page
    // could not be produced.
    bool imprimeEm(QPrinter& impressora);

private:
    void escolheElemento(int indice);
    // Same day and month in `ano` (29/02 becomes 28/02 outside leap years).
    void escolheAno(int ano);
    void desenha(QPainter& p, const QRectF& area) const;

    Calculo m_ultimo;
    QString m_pasta;
    QLocale m_locale;
    Mensageiro& m_mensageiro;
    FronteirasMapa m_fronteiras;
    std::optional<ConjuntosCoeficientes> m_conjuntos;
    mutable std::optional<AvaliadorIgrf14> m_igrf;  // its cache changes as it is read
    double m_anoDecimal = 0;  // the date drawn, for the readout
    QString m_data;
    std::optional<CenaMapa> m_cena;

    QComboBox* m_elemento = nullptr;
    QSpinBox* m_ano = nullptr;
    AreaMapa* m_area = nullptr;
    QLabel* m_leitura = nullptr;
    QPushButton *m_salvar = nullptr, *m_imprimir = nullptr, *m_fechar = nullptr;

    friend class AreaMapa;
};

}  // namespace ceravel
