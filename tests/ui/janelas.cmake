# SPDX-License-Identifier: GPL-3.0-or-later
# The calculator's windows, driven headless through their real widgets.
find_package(Qt6 REQUIRED COMPONENTS Test)
ceravel_teste(test_ui
  FONTES
    ${CMAKE_CURRENT_LIST_DIR}/AmbienteJanelas.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TesteMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TesteCalcular.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TesteConversaoRumos.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TesteJanelaMapa.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TesteModelo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TesteVariacaoSecular.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TesteAviventacaoMemorial.cpp
  BIBLIOTECAS ceravel_ui Qt6::Test)
