#pragma once

#include "calc/Calculo.h"
#include "ui/DesenhoMapa.h"

#include <QDialog>
#include <QLocale>
#include <optional>

class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;

namespace ceravel {

class Mensageiro;
class AreaMapa;

// "Mapa do Campo": the regional model's field over the accepted box for the
// date of Main's last successful calculation, with that point marked. The
// coefficient files are read afresh, as a calculation reads them, when the
// window opens and whenever another element is chosen; if they cannot be read,
// or no longer give the calculated values, the map is withdrawn with a message
// and the window stays open.
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

    // Commands. `salvaEm` writes PNG, SVG or PDF by the name's extension (PNG
    // when it has none) through a temporary file renamed only when complete;
    // a failure is told to the user. Returns whether the file was written.
    void salvarImagem();
    bool salvaEm(const QString& caminho);
    void imprimir();
    // Draws the map as one landscape page on `impressora`; false if the page
    // could not be produced.
    bool imprimeEm(QPrinter& impressora);

private:
    void escolheElemento(int indice);
    void desenha(QPainter& p, const QRectF& area) const;
    QByteArray conteudoImagem(const QString& formato) const;

    Calculo m_ultimo;
    QString m_pasta;
    QLocale m_locale;
    Mensageiro& m_mensageiro;
    FronteirasMapa m_fronteiras;
    std::optional<ConjuntosCoeficientes> m_conjuntos;
    std::optional<CenaMapa> m_cena;

    QComboBox* m_elemento = nullptr;
    AreaMapa* m_area = nullptr;
    QLabel* m_leitura = nullptr;
    QPushButton *m_salvar = nullptr, *m_imprimir = nullptr, *m_fechar = nullptr;

    friend class AreaMapa;
};

}  // namespace ceravel
