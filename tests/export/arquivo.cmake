# Writing the export file: code page, line ends, atomic replacement, refusals.
ceravel_teste(test_exportacao_arquivo
  FONTES
    ${CMAKE_CURRENT_LIST_DIR}/test_exportacao_arquivo.cpp)
