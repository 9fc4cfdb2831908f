# SPDX-License-Identifier: GPL-3.0-or-later
# The program reads its coefficient, help and grid files from its own folder, so the
# build copies them beside the executables (all of them live in CERAVEL_BIN_DIR).
set(CERAVEL_DADOS
  ${CMAKE_SOURCE_DIR}/data/COEF-D2000
  ${CMAKE_SOURCE_DIR}/data/COEF-I2000
  ${CMAKE_SOURCE_DIR}/data/COEF-F2000
  ${CMAKE_SOURCE_DIR}/data/Termov.txt
  ${CMAKE_SOURCE_DIR}/data/igrf14coeffs.txt
  ${CMAKE_SOURCE_DIR}/data/brasil-contorno.txt
  ${CMAKE_SOURCE_DIR}/data/vizinhos-contorno.txt
  # IBGE's datum grids, found by PROJ in the program's folder.
  ${CMAKE_SOURCE_DIR}/data/br_ibge_CA61_003.tif
  ${CMAKE_SOURCE_DIR}/data/br_ibge_CA7072_003.tif
  ${CMAKE_SOURCE_DIR}/data/br_ibge_SAD69_003.tif
  ${CMAKE_SOURCE_DIR}/data/br_ibge_SAD96_003.tif
  ${CMAKE_SOURCE_DIR}/data/br_ibge_README.txt)

function(ceravel_copia_dados)
  set(copias)
  foreach(arquivo IN LISTS CERAVEL_DADOS)
    get_filename_component(nome ${arquivo} NAME)
    add_custom_command(
      OUTPUT ${CERAVEL_BIN_DIR}/${nome}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CERAVEL_BIN_DIR}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${arquivo} ${CERAVEL_BIN_DIR}/${nome}
      DEPENDS ${arquivo}
      COMMENT "Copying ${nome} beside the executables")
    list(APPEND copias ${CERAVEL_BIN_DIR}/${nome})
  endforeach()
  add_custom_target(ceravel_dados ALL DEPENDS ${copias})
endfunction()
