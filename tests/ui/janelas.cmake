# The calculator's windows, driven headless through their real widgets.
find_package(Qt6 REQUIRED COMPONENTS Test)
ceravel_teste(test_ui
  FONTES
    ${CMAKE_CURRENT_SOURCE_DIR}/PrincipalTestesJanelas.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/AmbienteJanelas.h
    ${CMAKE_CURRENT_SOURCE_DIR}/AmbienteJanelas.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/TesteInicioEntrada.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/TesteCalcular.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/TesteLimparFechar.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/TesteAjudaSobre.cpp
  BIBLIOTECAS ceravel_ui Qt6::Test)
