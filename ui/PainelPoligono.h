// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/ExportaPoligono.h"
#include "memorial/ConverteMemorial.h"
#include "poligono/PoligonoMemorial.h"
#include "ui/ImpressaoMemorial.h"

#include <QLocale>
#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace ceravel {

class DesenhoPoligonoTela;
class Mensageiro;

// "Polígono no terreno", in the deed window: the start vertex and the plane's
// options, and, once the deed is converted, the vertices' coordinates, the
// closure and areas, the drawing and the exports. Without a start vertex it
// stays empty and the window works as before. It only moves texts between
// its controls and the core (CalculaMemorialNoTerreno); any change of its
// boxes empties its results.
class PainelPoligono : public QWidget {
    Q_OBJECT
public:
    PainelPoligono(const QString& pastaPrograma, const QLocale& locale, Mensageiro& mensageiro, QWidget* pai = nullptr);

    // What its boxes hold, for the memorial file; defining them empties the results.
    TextosPoligonoMemorial textos() const;
    void defineTextos(const TextosPoligonoMemorial& textos);
    // Whether any coordinate of the start vertex is typed.
    bool pedido() const;
    // Traverses the converted deed; a refusal says why and focuses its box.
    // Returns the conversion as the polygon left it (CalculaMemorialNoTerreno:
    // converted again at the start vertices beyond 10 km), empty when refused.
    std::optional<ConversaoMemorial> calcula(const ConversaoMemorial& conversao);
    void limpa();
    // Writes the polygon in `formato` to a file the user chooses; whether it was written.
    bool exporta(FormatoPoligono formato);
    // The memorial file open or saved, whose name the exports take (NomesPoligono).
    void defineArquivo(const QString& caminhoMemorial);
    // The polygon as computed, for the printed report; empty without one.
    const std::optional<PoligonoImpresso>& impresso() const { return m_impresso; }

signals:
    void editado();  // the user changed a box or an option

private:
    QString m_pasta;
    QLocale m_locale;
    Mensageiro& m_mensageiro;
    std::optional<PoligonoMemorial> m_ultimo;
    std::optional<PoligonoImpresso> m_impresso;
    QString m_arquivoMemorial;  // open or saved, for the exports' names

    QLineEdit *m_vertice = nullptr, *m_zona = nullptr, *m_leste = nullptr, *m_norte = nullptr;
    QLineEdit *m_latitude = nullptr, *m_longitude = nullptr, *m_altitude = nullptr;
    QRadioButton *m_utm = nullptr, *m_geograficas = nullptr;
    QComboBox *m_hemisferio = nullptr, *m_datum = nullptr;
    QCheckBox *m_escala = nullptr, *m_compensar = nullptr;
    QLabel* m_resumo = nullptr;
    QTableWidget* m_vertices = nullptr;
    DesenhoPoligonoTela* m_desenho = nullptr;
    std::vector<QPushButton*> m_exportar;
};

}  // namespace ceravel
