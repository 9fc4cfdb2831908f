// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ceravel::teste {

// The checks' messages exactly as the user reads them, shared by the main
// window's and the bearing window's tables.
inline const char* const Todos = "Por favor entre com todos os dados";
inline const char* const NaoNumero =
    "Por favor, entre somente com números. Verifique também o separador de decimais.";
inline const char* const FaixaLat = "A latitude do território brasileiro varia de aproximadamente +10 a -35 graus. "
                                    "Verifique também o separador de decimais.";
inline const char* const FaixaLon = "A longitude do território brasileiro varia de aproximadamente -30 a -75 graus. "
                                    "Verifique também o separador de decimais.";
inline const char* const MinSeg = "Por favor verifique os minutos e segundos.";
inline const char* const DiaPositivo = "Por favor, corrija o dia. Ele deve ser maior que zero!";
inline const char* const MesErrado = "Por favor, corrija o mês.";
inline const char* const DiaNoMes = "Por favor, corrija o dia. Não pode ser maior do que o número de dias no mês!";
inline const char* const QuatroAlgarismos = "Por favor, insira o ano com 4 algarismos";
inline const char* const Passa = nullptr;

}  // namespace ceravel::teste
