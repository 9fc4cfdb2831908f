// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/Calculo.h"
#include "ui/Bussola.h"
#include "ui/EntradaCoordenada.h"

#include <QMainWindow>
#include <optional>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ceravel {

class Janelas;

// The calculator's main window: the typed position and date, the declination
// with its compass needle, the commands and the menus.
class Main : public QMainWindow {
    Q_OBJECT
public:
    explicit Main(Janelas& janelas);

    // Written by the presentation of a successful calculation.
    void escreveEpoca(const QString& epoca);
    void escreveDeclinacao(const QString& dmin, const QString& vd);
    Agulha& agulha() { return m_agulha; }
    // FD shown, export, print and the map enabled, "Mais Dados" shown.
    void mostraResultados();

    // The boxes as typed, with each coordinate's entry form.
    TextosEntrada entrada() const;
    // The last successful calculation, until "Limpar Dados".
    const std::optional<Calculo>& ultimoCalculo() const { return m_ultimo; }

    // Commands, as their controls run them.
    void calcular();
    void limpar();
    // The model of the next calculations, remembered for the next run. A
    // change hides the shown results and keeps what is typed.
    ModeloCalculo modelo() const { return m_modelo; }
    void escolheModelo(ModeloCalculo modelo);

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void criaEntradas(QWidget* area);
    void criaResultados(QWidget* area);
    void criaRodape(QWidget* area);
    void criaMenus();
    void defineOrdemTeclado();
    void exportar();
    void escondeResultados();

    Janelas& m_janelas;
    std::optional<Calculo> m_ultimo;

    QLineEdit *m_dia = nullptr, *m_mes = nullptr, *m_ano = nullptr;
    EntradaCoordenada m_latitude, m_longitude;
    QPushButton *m_calcular = nullptr, *m_limpar = nullptr, *m_maisDados = nullptr;
    QLabel *m_epoca = nullptr, *m_longExp = nullptr, *m_latExp = nullptr;
    QGroupBox* m_fd = nullptr;
    QLabel *m_dmin3 = nullptr, *m_vd2 = nullptr;
    Agulha m_agulha;
    QAction *m_imprimir = nullptr, *m_exportar = nullptr, *m_mapa = nullptr, *m_variacao = nullptr;
    QAction *m_modeloRegional = nullptr, *m_modeloIgrf = nullptr;
    ModeloCalculo m_modelo = ModeloCalculo::Regional;
};

}  // namespace ceravel
