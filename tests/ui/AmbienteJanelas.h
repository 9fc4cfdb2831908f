// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/DComp.h"
#include "ui/Janelas.h"
#include "ui/Main.h"
#include "ui/Mensageiro.h"
#include "ui/Relatorio.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>

namespace ceravel::teste {

// Answers every box at once and keeps what it said: questions get `resposta`,
// file choices `arquivo` (empty: cancelled).
class MensageiroGravador : public Mensageiro {
public:
    void informa(const QString& texto) override { mensagens << texto; }
    bool confirma(const QString& texto) override { mensagens << texto; return confirmacao; }
    Resposta pergunta(const QString& texto) override { perguntas << texto; return resposta; }
    QString arquivoParaSalvar(const QString&, const QString&, const QString&) override { return arquivo; }
    QString arquivoParaAbrir(const QString&, const QString&) override { return arquivo; }
    std::string todas() const { return mensagens.join(u'\n').toStdString(); }
    QStringList mensagens, perguntas;
    bool confirmacao = false;
    Resposta resposta = Resposta::Cancelar;
    QString arquivo;
};

// Coefficients k -> value of one file; the others are zero.
void EscreveCoeficientes(const QString& pasta, const QString& nome, const std::map<int, double>& c, int itens = 31);

// A program folder of its own with a small model easy to check by hand at
// 1/7/2000 (decimal year 2000.5, t = 10.5):
//   D = -20 + 0.5 (lat + 15) + 0.25 (lon + 55) degrees, falling 7'30'' per year;
//   I = -30.125 degrees, constant;  F = 23456.74 nT, falling 25.50 nT per year.
class AmbienteJanelas : public ::testing::Test {
protected:
    void SetUp() override;
    void usaLocale(const QLocale& locale);  // rebuilds the windows (the program folder stays)
    void copiaIgrf()  // IGRF-14's table beside the program
    {
        ASSERT_TRUE(QFile::copy(CERAVEL_DADOS_PROJETO "/igrf14coeffs.txt", pasta.filePath("igrf14coeffs.txt")));
    }

    Main& main() { return janelas->main(); }
    QWidget& dcomp() { return janelas->dcomp(); }
    QWidget& relatorio() { return janelas->relatorio(); }

    // Controls by objectName; a missing one fails the test by exception.
    template <class T = QWidget>
    T& controle(QWidget& janela, const QString& nome)
    {
        if (T* c = janela.findChild<T*>(nome))
            return *c;
        throw std::runtime_error(("no control " + nome + " in " + janela.objectName()).toStdString());
    }
    QString texto(QWidget& janela, const QString& nome);  // label caption or box text
    bool visivel(QWidget& janela, const QString& nome) { return controle(janela, nome).isVisibleTo(&janela); }
    bool habilitado(const QString& acao) { return controle<QAction>(main(), acao).isEnabled(); }
    void aciona(const QString& acao) { controle<QAction>(main(), acao).trigger(); }
    void digita(const QString& caixa, const QString& t) { controle<QLineEdit>(main(), caixa).setText(t); }
    void clica(QWidget& janela, const QString& botao) { controle<QAbstractButton>(janela, botao).click(); }

    // A date and a position, each coordinate in the form of its texts (one:
    // decimal degrees; three: degrees, minutes, seconds).
    void preenche(const QString& dia, const QString& mes, const QString& ano, const QStringList& latitude,
                  const QStringList& longitude);
    void calculaComSucesso();  // latitude -15, longitude -55, 1/7/2000: D = -20

    // Runs `comando`, which opens a modal window; `noModal` sees that window
    // while it is open and must close it. Returns the modal windows seen.
    int comModal(const std::function<void()>& comando, const std::function<void(QWidget&)>& noModal);
    // Opens the modal window J by Main's action `acao` for `naJanela`, closes it
    // by its "Fechar" if still open, and checks that it went and was unloaded.
    template <class J>
    void abreModal(const QString& acao, Janela tipo, const std::function<void(J&)>& naJanela)
    {
        EXPECT_EQ(comModal([&] { aciona(acao); }, [&](QWidget& janela) {
            auto* j = qobject_cast<J*>(&janela);
            ASSERT_NE(j, nullptr) << janela.objectName().toStdString();
            naJanela(*j);
            if (j->isVisible())
                clica(*j, "BtFechar");
        }), 1);
        EXPECT_FALSE(janelas->existe(tipo));
    }
    // The shown top-level window of class J (one that stays beside Main), or null.
    template <class J>
    J* janelaAberta()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* j = qobject_cast<J*>(w); j && j->isVisible())
                return j;
        return nullptr;
    }

    QTemporaryDir pasta;
    QTemporaryDir perfil;  // the user's settings (Ceravel/Ceravel.ini)
    MensageiroGravador mensageiro;
    int encerramentos = 0;
    std::unique_ptr<Janelas> janelas;
    QLocale locale = QLocale::c();
};

}  // namespace ceravel::teste
