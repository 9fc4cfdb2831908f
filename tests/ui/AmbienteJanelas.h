#pragma once

#include "ui/Janelas.h"
#include "ui/Mensageiro.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>

namespace ceravel::teste {

// Answers every box at once and keeps what it said.
class MensageiroGravador : public Mensageiro {
public:
    void informa(const QString& texto) override { mensagens << texto; }
    QStringList mensagens;
};

// Coefficients k -> value of one file; the others are zero.
using Coeficientes31 = std::map<int, double>;
void EscreveCoeficientes(const QString& pasta, const QString& nome, const Coeficientes31& c, int itens = 31);

// A program folder of its own with a small model whose values are easy to
// check by hand at the date 1/7/2000 (decimal year 2000.5, t = 10.5):
//   D = -20 + 0.5 x + 0.25 y degrees, falling 7'30'' per year;
//   I = -30.125 degrees, constant;  F = 23456.74 nT, falling 25.50 nT per year.
class AmbienteJanelas : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Rebuilds the windows under another locale (the program folder stays).
    void usaLocale(const QLocale& locale);

    Main& main();
    QWidget& dcomp();
    QWidget& relatorio();

    // Controls by objectName; a missing one fails the test by exception.
    template <class T = QWidget>
    T& controle(QWidget& janela, const QString& nome)
    {
        T* c = janela.findChild<T*>(nome);
        if (!c)
            throw std::runtime_error(("no control " + nome + " in " + janela.objectName()).toStdString());
        return *c;
    }
    QString texto(QWidget& janela, const QString& nome);   // label caption or box text
    bool visivel(QWidget& janela, const QString& nome);    // visible once its window is shown
    bool habilitado(const QString& acao);                  // a menu entry of Main
    void aciona(const QString& acao);                      // chooses a menu entry of Main
    void digita(const QString& caixa, const QString& texto);
    void clica(QWidget& janela, const QString& botao);

    // Types a date and a position; each coordinate in the entry form of its texts
    // (one text: decimal degrees; three: degrees, minutes, seconds).
    void preenche(const QString& dia, const QString& mes, const QString& ano, const QStringList& latitude,
                  const QStringList& longitude);
    // A first calculation that succeeds (latitude -15, longitude -55, 1/7/2000: D = -20).
    void calculaComSucesso();

    // Runs `comando`, which opens a modal window; `noModal` sees that window while
    // it is open and must close or hide it. Returns the modal windows seen.
    int comModal(const std::function<void()>& comando, const std::function<void(QWidget&)>& noModal);

    QTemporaryDir pasta;
    MensageiroGravador mensageiro;
    int encerramentos = 0;
    std::unique_ptr<Janelas> janelas;
    QLocale locale = QLocale::c();
};

}  // namespace ceravel::teste
