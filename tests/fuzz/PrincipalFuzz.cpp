// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer's entry point for the target named by CERAVEL_ALVO_FUZZ.
#include "tests/fuzz/Fuzz.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    ceravel::fuzz::CERAVEL_ALVO_FUZZ(QByteArrayView(dados, static_cast<qsizetype>(tamanho)));
    return 0;
}
