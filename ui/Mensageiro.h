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
    virtual bool pergunta(const QString& texto)
    {
        informa(texto);
        return false;
    }
};

// The real one: an application-modal QMessageBox.
class MensageiroCaixa : public Mensageiro {
public:
    void informa(const QString& texto) override;
    bool pergunta(const QString& texto) override;
};

}  // namespace ceravel
