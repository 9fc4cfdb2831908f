#include "ui/EntradaCoordenada.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <initializer_list>

namespace ceravel {

// isHidden, not isVisible: the form must read the same while Main is off screen.
bool EntradaCoordenada::emGrausDecimais() const
{
    return !decimal->isHidden();
}

void EntradaCoordenada::paraGrausDecimais()
{
    decimal->show();
    botaoGMS->show();
    botaoG->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{graus, minutos, segundos, sinalGraus,
                                                      sinalMinutos, sinalSegundos})
        w->hide();
}

void EntradaCoordenada::paraGrausMinutosSegundos()
{
    decimal->hide();
    botaoGMS->hide();
    botaoG->show();
    for (QWidget* w : std::initializer_list<QWidget*>{graus, minutos, segundos, sinalGraus,
                                                      sinalMinutos, sinalSegundos})
        w->show();
}

}  // namespace ceravel
