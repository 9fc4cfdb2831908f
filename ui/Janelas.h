// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QPointer>
#include <QString>
#include <functional>

namespace ceravel {

class AviventacaoMemorial;
class ConversaoRumos;
class DComp;
class Exportar;
class Help;
class Main;
class MapaCampo;
class Mensageiro;
class Relatorio;
class Sobre;
class VariacaoSecular;
struct Calculo;

enum class Janela { Main, DComp, Relatorio, Exportar, Help, Sobre, ConversaoRumos, MapaCampo, VariacaoSecular, Memorial };

// The one owner of the nine windows. A window is built with its design-time
// contents on first reference and destroyed when unloaded; the next reference
// builds it afresh. Secondary windows open application-modal, without owner,
// except "Aviventação de Memorial", which stays open beside the others.
class Janelas {
public:
    // `encerra` ends the program; by default it stops the application's event loop.
    Janelas(const QString& pastaPrograma, const QLocale& locale, Mensageiro& mensageiro,
            std::function<void()> encerra = {});
    ~Janelas();
    Janelas(const Janelas&) = delete;
    Janelas& operator=(const Janelas&) = delete;

    Main& main();
    DComp& dcomp();
    Relatorio& relatorio();

    bool existe(Janela janela) const;
    void descarrega(Janela janela);

    // Each returns when its window has been closed or hidden.
    void mostraDComp();
    void mostraHelp();
    void mostraSobre();
    void mostraExportar(const Calculo& ultimo);
    // Starts from the position of Main's last successful calculation, if any.
    void mostraConversaoRumos();
    // The field map for Main's last successful calculation; nothing without one.
    void mostraMapaCampo();
    // The secular variation chart for Main's last successful calculation.
    void mostraVariacaoSecular();

    // "Aviventação de Memorial", not modal: brought to the front if open,
    // else built with the position of Main's last successful calculation.
    void mostraMemorial();
    // Whether the program may end: the memorial window asks to save its changes.
    bool podeEncerrar();

    // Main was closed: every other window goes, then the program ends.
    void aoFecharMain();

    const QString& pastaPrograma() const { return m_pasta; }
    const QLocale& locale() const { return m_locale; }
    Mensageiro& mensageiro() { return m_mensageiro; }

private:
    QString m_pasta;
    QLocale m_locale;
    Mensageiro& m_mensageiro;
    std::function<void()> m_encerra;

    QPointer<Main> m_main;
    QPointer<DComp> m_dcomp;
    QPointer<Relatorio> m_relatorio;
    QPointer<Exportar> m_exportar;
    QPointer<Help> m_help;
    QPointer<Sobre> m_sobre;
    QPointer<ConversaoRumos> m_conversao;
    QPointer<MapaCampo> m_mapa;
    QPointer<VariacaoSecular> m_variacao;
    QPointer<AviventacaoMemorial> m_memorial;
};

}  // namespace ceravel
