// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace ceravel {

// Every message the user reads goes through here, so tests can answer the
// boxes without blocking.
class Mensageiro {
public:
    virtual ~Mensageiro() = default;
    // Information box titled "Ceravel" with one OK button; returns when dismissed.
    virtual void informa(const QString& texto) = 0;
    // Question box titled "Ceravel", "Sim" and "Não" ("Não" the default);
    // true for "Sim". One that cannot ask shows the text and answers "Não".
    virtual bool confirma(const QString& texto)
    {
        informa(texto);
        return false;
    }

    // A question titled "Ceravel" with Sim, Não and Cancelar. Not answered
    // (the default here), it is Cancelar: nothing is done, nothing is lost.
    enum class Resposta { Sim, Nao, Cancelar };
    virtual Resposta pergunta(const QString& texto);
    // The file a command writes or reads, chosen by the user; empty when
    // cancelled (the default here). `filtro` as QFileDialog takes it.
    virtual QString arquivoParaSalvar(const QString& titulo, const QString& sugestao, const QString& filtro);
    virtual QString arquivoParaAbrir(const QString& titulo, const QString& filtro);
};

// The real one: an application-modal QMessageBox.
class MensageiroCaixa : public Mensageiro {
public:
    void informa(const QString& texto) override;
    bool confirma(const QString& texto) override;
    Resposta pergunta(const QString& texto) override;
    QString arquivoParaSalvar(const QString& titulo, const QString& sugestao, const QString& filtro) override;
    QString arquivoParaAbrir(const QString& titulo, const QString& filtro) override;
};

}  // namespace ceravel
