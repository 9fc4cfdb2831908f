#pragma once

class QLabel;
class QLineEdit;
class QPushButton;

namespace ceravel {

// The controls of one coordinate's frame. The entry form lives only in the
// visibility of the decimal box: visible means decimal degrees.
struct EntradaCoordenada {
    QLineEdit* decimal = nullptr;                         // LatGraus / LonGraus
    QPushButton* botaoG = nullptr;                        // "G": switch to decimal degrees
    QPushButton* botaoGMS = nullptr;                      // "GMS": switch back
    QLineEdit *graus = nullptr, *minutos = nullptr, *segundos = nullptr;
    QLabel *sinalGraus = nullptr, *sinalMinutos = nullptr, *sinalSegundos = nullptr;

    bool emGrausDecimais() const;
    // Only visibility changes: the hidden boxes keep their texts.
    void paraGrausDecimais();
    void paraGrausMinutosSegundos();
};

}  // namespace ceravel
