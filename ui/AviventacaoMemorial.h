// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "memorial/ConverteMemorial.h"
#include "ui/EntradaCoordenada.h"

#include <QLocale>
#include <QWidget>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace ceravel {

class Mensageiro;
class PainelPoligono;
struct TextosEntrada;

// "Aviventação de Memorial": every bearing of a deed carried from the survey
// date to true north and to the magnetic north of the conversion date. A
// window of its own, not modal. It only moves texts between its controls and
// the memorial core; the results always belong to the memorial as it is now
// (any change empties them), and nothing typed is lost: closing with changes
// asks to save them.
class AviventacaoMemorial : public QWidget {
    Q_OBJECT
public:
    AviventacaoMemorial(const QString& pastaPrograma, const QLocale& locale, Mensageiro& mensageiro,
                        const TextosEntrada* posicao, QWidget* pai = nullptr);

    // The memorial as typed, and the same put into the controls.
    Memorial memorial() const;
    void defineMemorial(const Memorial& memorial);
    bool alterado() const { return m_alterado; }
    const std::optional<ConversaoMemorial>& ultimaConversao() const { return m_ultima; }

    // Commands, as their buttons run them. Those that write a file return
    // whether it was written.
    void converter();
    bool salvar();
    void abrir();
    void copiar();
    bool exportarCsv();
    void imprimir();
    bool salvarPdf();
    // Rows from a pasted block (the clipboard's text by "Colar").
    void cola(const QString& texto);
    void adicionaLinha();
    void removeLinha();
    void moveLinha(int passo);
    // Asks "Salvar as alterações?" when there are changes: whether the window may go.
    bool podeFechar();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void criaDados();
    void criaSegmentos();
    void criaResultados();
    void alterou();
    void verificaCelula(int linha, int coluna);
    void mostra(const ConversaoMemorial& conversao);
    void insereLinha(int linha, const SegmentoMemorial& segmento);
    void atualizaTitulo();

    QString m_pasta;
    QLocale m_locale;
    Mensageiro& m_mensageiro;
    std::optional<ConversaoMemorial> m_ultima;
    QString m_caminho;  // the memorial file open, if any
    bool m_alterado = false;
    bool m_preenchendo = false;  // controls being filled by the program, not typed

    EntradaCoordenada m_latitude, m_longitude;
    // The position in UTM instead, and the datum of either form.
    QRadioButton *m_formaGeograficas = nullptr, *m_formaUtm = nullptr;
    QLineEdit *m_zona = nullptr, *m_leste = nullptr, *m_norte = nullptr;
    QComboBox *m_hemisferio = nullptr, *m_datum = nullptr;
    QLineEdit *m_levantamento = nullptr, *m_conversao = nullptr;
    QRadioButton *m_magnetico = nullptr, *m_verdadeiro = nullptr, *m_quadricula = nullptr, *m_igrf = nullptr, *m_regional = nullptr;
    QTableWidget* m_segmentos = nullptr;
    QTableWidget* m_resultados = nullptr;
    QLabel* m_resumo = nullptr;
    QPushButton *m_copiar = nullptr, *m_exportar = nullptr, *m_imprimir = nullptr, *m_pdf = nullptr;
    PainelPoligono* m_poligono = nullptr;
};

}  // namespace ceravel
