ceravel_teste(test_export
  FONTES
    ${CMAKE_CURRENT_LIST_DIR}/TesteLinhasExportacao.cpp)
