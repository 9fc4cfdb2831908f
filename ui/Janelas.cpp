// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Janelas.h"

#include "ui/AviventacaoMemorial.h"
#include "ui/ConversaoRumos.h"
#include "ui/DComp.h"
#include "ui/Exportar.h"
#include "ui/Figuras.h"
#include "ui/Help.h"
#include "ui/Main.h"
#include "ui/MapaCampo.h"
#include "ui/Mensageiro.h"
#include "ui/Relatorio.h"
#include "ui/Sobre.h"
#include "ui/TextoWindows1252.h"
#include "ui/VariacaoSecular.h"

#include <QCoreApplication>
#include <QDir>

namespace ceravel {

namespace {

template <class T>
void Destroi(QPointer<T>& janela)
{
    delete janela.data();
    janela.clear();
}

}  // namespace

Janelas::Janelas(const QString& pastaPrograma, const QLocale& locale, Mensageiro& mensageiro,
                 std::function<void()> encerra)
    : m_pasta(pastaPrograma), m_locale(locale), m_mensageiro(mensageiro), m_encerra(std::move(encerra))
{
    if (!m_encerra)
        m_encerra = [] { QCoreApplication::exit(0); };
}

Janelas::~Janelas()
{
    for (Janela j : {Janela::Memorial, Janela::VariacaoSecular, Janela::MapaCampo, Janela::ConversaoRumos, Janela::DComp, Janela::Exportar, Janela::Help, Janela::Relatorio,
                     Janela::Sobre, Janela::Main})
        descarrega(j);
}

Main& Janelas::main()
{
    if (!m_main)
        m_main = new Main(*this);
    return *m_main;
}

DComp& Janelas::dcomp()
{
    if (!m_dcomp)
        m_dcomp = new DComp;
    return *m_dcomp;
}

Relatorio& Janelas::relatorio()
{
    if (!m_relatorio) {
        m_relatorio = new Relatorio;
        m_relatorio->setWindowIcon(IconeCeravel());
    }
    return *m_relatorio;
}

bool Janelas::existe(Janela janela) const
{
    switch (janela) {
    case Janela::Main: return !m_main.isNull();
    case Janela::DComp: return !m_dcomp.isNull();
    case Janela::Relatorio: return !m_relatorio.isNull();
    case Janela::Exportar: return !m_exportar.isNull();
    case Janela::Help: return !m_help.isNull();
    case Janela::Sobre: return !m_sobre.isNull();
    case Janela::ConversaoRumos: return !m_conversao.isNull();
    case Janela::MapaCampo: return !m_mapa.isNull();
    case Janela::VariacaoSecular: return !m_variacao.isNull();
    case Janela::Memorial: return !m_memorial.isNull();
    }
    return false;
}

void Janelas::descarrega(Janela janela)
{
    switch (janela) {
    case Janela::Main: Destroi(m_main); break;
    case Janela::DComp: Destroi(m_dcomp); break;
    case Janela::Relatorio: Destroi(m_relatorio); break;
    case Janela::Exportar: Destroi(m_exportar); break;
    case Janela::Help: Destroi(m_help); break;
    case Janela::Sobre: Destroi(m_sobre); break;
    case Janela::ConversaoRumos: Destroi(m_conversao); break;
    case Janela::MapaCampo: Destroi(m_mapa); break;
    case Janela::VariacaoSecular: Destroi(m_variacao); break;
    case Janela::Memorial: Destroi(m_memorial); break;
    }
}

void Janelas::mostraDComp()
{
    dcomp().exec();
}

void Janelas::mostraHelp()
{
    const QString caminho = QDir(m_pasta).filePath(QStringLiteral("Termov.txt"));
    const std::optional<QString> texto = LeTextoWindows1252(caminho);
    if (!texto) {
        m_mensageiro.informa(QStringLiteral("Não foi possível ler o arquivo de informações gerais:\n%1\n\n"
                                            "Verifique se o arquivo Termov.txt está na pasta do programa.")
                                 .arg(QDir::toNativeSeparators(caminho)));
        return;
    }
    descarrega(Janela::Help);
    m_help = new Help(*texto);
    m_help->exec();
    descarrega(Janela::Help);
}

void Janelas::mostraSobre()
{
    descarrega(Janela::Sobre);
    m_sobre = new Sobre;
    m_sobre->exec();
    descarrega(Janela::Sobre);
}

void Janelas::mostraExportar(const Calculo& ultimo)
{
    descarrega(Janela::Exportar);
    m_exportar = new Exportar(ultimo, m_pasta, m_mensageiro);
    m_exportar->setWindowIcon(IconeCeravel());
    m_exportar->exec();
    descarrega(Janela::Exportar);
}

void Janelas::mostraConversaoRumos()
{
    descarrega(Janela::ConversaoRumos);
    const std::optional<Calculo>* ultimo = m_main ? &m_main->ultimoCalculo() : nullptr;
    m_conversao = new ConversaoRumos(m_pasta, m_locale, m_mensageiro,
                                     ultimo && *ultimo ? &(*ultimo)->entrada : nullptr);
    m_conversao->exec();
    descarrega(Janela::ConversaoRumos);
}

void Janelas::mostraMapaCampo()
{
    if (!m_main || !m_main->ultimoCalculo())
        return;
    descarrega(Janela::MapaCampo);
    m_mapa = new MapaCampo(*m_main->ultimoCalculo(), m_pasta, m_locale, m_mensageiro);
    m_mapa->exec();
    descarrega(Janela::MapaCampo);
}

void Janelas::mostraVariacaoSecular()
{
    if (!m_main || !m_main->ultimoCalculo())
        return;
    descarrega(Janela::VariacaoSecular);
    m_variacao = new VariacaoSecular(*m_main->ultimoCalculo(), m_pasta, m_locale, m_mensageiro);
    m_variacao->exec();
    descarrega(Janela::VariacaoSecular);
}

void Janelas::mostraMemorial()
{
    if (!m_memorial) {
        const std::optional<Calculo>* ultimo = m_main ? &m_main->ultimoCalculo() : nullptr;
        m_memorial = new AviventacaoMemorial(m_pasta, m_locale, m_mensageiro,
                                             ultimo && *ultimo ? &(*ultimo)->entrada : nullptr);
        // Closed (after its changes were saved or let go), it is gone.
        m_memorial->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_memorial->show();
    m_memorial->raise();
    m_memorial->activateWindow();
}

bool Janelas::podeEncerrar()
{
    return !m_memorial || m_memorial->close();
}

void Janelas::aoFecharMain()
{
    // Main is inside its own close event: it goes once control is back in the
    // event loop, or with this owner if the loop has already stopped.
    if (m_main)
        m_main->deleteLater();
    for (Janela j : {Janela::Memorial, Janela::VariacaoSecular, Janela::MapaCampo, Janela::ConversaoRumos, Janela::DComp, Janela::Exportar, Janela::Help, Janela::Relatorio,
                     Janela::Sobre})
        descarrega(j);
    m_encerra();
}

}  // namespace ceravel
