# SPDX-License-Identifier: GPL-3.0-or-later
# The report printed (PDF files read back with poppler-utils, and the print
# server when scripts/start-cups.sh started one) and the export dialog.
ceravel_teste(test_impressao
  FONTES
    ${CMAKE_CURRENT_LIST_DIR}/AmbienteJanelas.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_impressao.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_exportar.cpp
  BIBLIOTECAS ceravel_ui)
