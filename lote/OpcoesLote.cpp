// SPDX-License-Identifier: GPL-3.0-or-later
#include "lote/OpcoesLote.h"

namespace ceravel::lote {

OpcoesLote InterpretaArgumentos(const QStringList& argumentos)
{
    OpcoesLote opcoes;
    bool soArquivos = false;  // after "--" every argument is a file name
    QStringList arquivos;

    for (qsizetype i = 0; i < argumentos.size(); ++i) {
        const QString& argumento = argumentos[i];
        if (soArquivos || argumento == QLatin1StringView("-") || !argumento.startsWith(u'-')) {
            arquivos << argumento;
            continue;
        }
        if (argumento == QLatin1StringView("--")) {
            soArquivos = true;
            continue;
        }
        // "--opcao=valor" and "--opcao valor" alike.
        QString nome = argumento;
        QString valor;
        bool valorJunto = false;
        const qsizetype igual = argumento.indexOf(u'=');
        if (argumento.startsWith(QLatin1StringView("--")) && igual > 0) {
            nome = argumento.first(igual);
            valor = argumento.sliced(igual + 1);
            valorJunto = true;
        }
        const auto leValor = [&](QString& destino) {
            if (!valorJunto) {
                if (i + 1 >= argumentos.size()) {
                    opcoes.erro = QStringLiteral("a opção %1 precisa de um valor.").arg(nome);
                    return;
                }
                valor = argumentos[++i];
            }
            if (valor.isEmpty())
                opcoes.erro = QStringLiteral("a opção %1 precisa de um valor.").arg(nome);
            destino = valor;
        };
        const auto semValor = [&] {
            if (valorJunto)
                opcoes.erro = QStringLiteral("a opção %1 não aceita valor.").arg(nome);
            return true;
        };

        if (nome == QLatin1StringView("-o") || nome == QLatin1StringView("--saida"))
            leValor(opcoes.saida);
        else if (nome == QLatin1StringView("--coeficientes"))
            leValor(opcoes.coeficientes);
        else if (nome == QLatin1StringView("--locale"))
            leValor(opcoes.locale);
        else if (nome == QLatin1StringView("-j") || nome == QLatin1StringView("--nucleos")) {
            QString texto;
            leValor(texto);
            bool ok = false;
            const int n = texto.toInt(&ok);
            if (opcoes.erro.isEmpty() && (!ok || n < 1 || n > MaximoNucleos))
                opcoes.erro = QStringLiteral("a opção %1 precisa de um número inteiro de 1 a %2.")
                                  .arg(nome)
                                  .arg(MaximoNucleos);
            opcoes.nucleos = n;
        } else if (nome == QLatin1StringView("--modelo")) {
            QString modelo;
            leValor(modelo);
            if (modelo.compare(QLatin1StringView("regional"), Qt::CaseInsensitive) == 0)
                opcoes.modelo = ModeloCampo::Regional;
            else if (modelo.compare(QLatin1StringView("igrf14"), Qt::CaseInsensitive) == 0)
                opcoes.modelo = ModeloCampo::Igrf14;
            else if (opcoes.erro.isEmpty())
                opcoes.erro = QStringLiteral("modelo desconhecido: %1 (use regional ou igrf14).").arg(modelo);
        }
        else if (nome == QLatin1StringView("--codificacao")) {
            QString codificacao;
            leValor(codificacao);
            if (codificacao.compare(QLatin1StringView("utf8"), Qt::CaseInsensitive) == 0)
                opcoes.codificacao = CodificacaoSaida::Utf8;
            else if (codificacao.compare(QLatin1StringView("windows1252"), Qt::CaseInsensitive) == 0)
                opcoes.codificacao = CodificacaoSaida::Windows1252;
            else if (opcoes.erro.isEmpty())
                opcoes.erro =
                    QStringLiteral("codificação desconhecida: %1 (use utf8 ou windows1252).").arg(codificacao);
        } else if (nome == QLatin1StringView("--entrada")) {
            QString forma;
            leValor(forma);
            if (forma == QLatin1StringView("utm") || forma == QLatin1StringView("geograficas"))
                opcoes.entradaUtm = forma == QLatin1StringView("utm");
            else if (opcoes.erro.isEmpty())
                opcoes.erro = QStringLiteral("forma de entrada desconhecida: %1 (use geograficas ou utm).").arg(forma);
        } else if (nome == QLatin1StringView("--datum")) {
            QString nomeDatum;
            leValor(nomeDatum);
            for (const geo::DadosDatum& d : geo::Datums())
                if (nomeDatum == QLatin1StringView(d.opcao))
                    opcoes.datum = d.datum;
            if (!opcoes.datum && opcoes.erro.isEmpty())
                opcoes.erro = QStringLiteral("datum desconhecido: %1 (use sirgas2000, sad69, sad69-96, "
                                             "corrego-alegre-1970 ou corrego-alegre-1961).")
                                  .arg(nomeDatum);
        } else if (nome == QLatin1StringView("--utf8") && semValor())
            opcoes.codificacao = CodificacaoSaida::Utf8;
        else if (nome == QLatin1StringView("-q") || nome == QLatin1StringView("--silencioso"))
            opcoes.silencioso = semValor();
        else if (nome == QLatin1StringView("-h") || nome == QLatin1StringView("--ajuda")
                 || nome == QLatin1StringView("--help"))
            opcoes.ajuda = semValor();
        else if (nome == QLatin1StringView("--versao"))
            opcoes.versao = semValor();
        else
            opcoes.erro = QStringLiteral("opção desconhecida: %1").arg(nome);
        if (!opcoes.erro.isEmpty())
            return opcoes;
    }

    if (arquivos.size() > 1) {
        opcoes.erro = QStringLiteral("só um arquivo de entrada é aceito (foram dados %1).").arg(arquivos.size());
        return opcoes;
    }
    if (!arquivos.isEmpty())
        opcoes.entrada = arquivos.front();
    // "-o -" names standard output, as "-" names standard input.
    if (opcoes.saida == QLatin1StringView("-"))
        opcoes.saida.clear();
    return opcoes;
}

CodificacaoSaida CodificacaoEscolhida(std::optional<CodificacaoSaida> pedida, bool terminal)
{
    return pedida.value_or(terminal ? CodificacaoSaida::Utf8 : CodificacaoSaida::Windows1252);
}

QString TextoAjuda(const QString& localeSistema, int nucleosSistema)
{
    return QStringLiteral(
               "Uso: ceravel-lote [opções] [ENTRADA]\n"
               "\n"
               "Calcula o campo magnético da Terra sobre o Brasil para uma lista de pontos,\n"
               "com o mesmo modelo e as mesmas verificações da calculadora Ceravel, ou com o\n"
               "IGRF-14 para datas de 1900 a 2029 (--modelo igrf14).\n"
               "\n"
               "ENTRADA é um arquivo de texto, em UTF-8 ou em Windows-1252, com um ponto por\n"
               "linha: latitude; longitude; data. As coordenadas vão em graus decimais (com o\n"
               "separador de decimais da localidade ou com ponto) ou em graus, minutos e\n"
               "segundos separados por espaços; a data vai na forma dd/mm/aaaa. Uma primeira\n"
               "linha com os nomes das colunas é reconhecida e pulada; linhas em branco e\n"
               "linhas que começam com # são ignoradas. Sem ENTRADA, ou com -, lê a entrada\n"
               "padrão.\n"
               "\n"
               "A saída, separada por ponto e vírgula, tem uma linha de cabeçalho e uma linha\n"
               "por ponto: o número da linha na entrada, os textos de entrada, o ano decimal,\n"
               "D, dD, I, dI, F, dF, X, dX, Y, dY, Z, dZ e a declinação como a calculadora a\n"
               "mostra. D e I em graus, dD e dI em minutos de arco por ano, F, X, Y e Z em nT\n"
               "e suas variações em nT por ano, com os algarismos necessários para o valor\n"
               "exato. Um ponto recusado aparece com a mensagem da calculadora na última\n"
               "coluna, e o lote continua.\n"
               "\n"
               "Opções:\n"
               "  -o, --saida ARQUIVO     grava em ARQUIVO, que só é substituído ao final, por\n"
               "                          inteiro; sem esta opção, grava na saída padrão\n"
               "      --codificacao NOME  utf8 ou windows1252 (padrão: utf8 num terminal, a\n"
               "                          codificação dele; windows1252, a da exportação da\n"
               "                          calculadora, em arquivos e pipes)\n"
               "      --utf8              o mesmo que --codificacao utf8\n"
               "      --locale NOME       localidade dos números, por exemplo pt_BR ou C\n"
               "                          (padrão: a do sistema, agora %1)\n"
               "      --modelo NOME       regional (padrão): o modelo regional da calculadora,\n"
               "                          datas de 1995 a 2005; igrf14: o International\n"
               "                          Geomagnetic Reference Field (IAGA), datas de 1900 a\n"
               "                          2029, no nível do mar; as mesmas colunas\n"
               "      --coeficientes PASTA\n"
               "                          lê COEF-D2000, COEF-I2000 e COEF-F2000 (ou, com\n"
               "                          --modelo igrf14, igrf14coeffs.txt) de PASTA\n"
               "                          (padrão: a pasta do programa)\n"
               "      --entrada FORMA     geograficas (padrão): latitude; longitude; data;\n"
               "                          utm: zona com a letra do hemisfério; E; N; data,\n"
               "                          por exemplo 23S;192848,93;8252943,25;15/06/2000\n"
               "                          (zonas 18 a 25, E e N em metros)\n"
               "      --datum NOME        datum das coordenadas de entrada: sirgas2000\n"
               "                          (padrão), sad69, sad69-96, corrego-alegre-1970 ou\n"
               "                          corrego-alegre-1961; convertidas ao SIRGAS 2000 pelas\n"
               "                          grades do IBGE (sem a grade, o ponto é recusado)\n"
               "                          Com --entrada utm ou --datum, cada linha ganha quatro\n"
               "                          colunas no fim: Latitude SIRGAS 2000, Longitude\n"
               "                          SIRGAS 2000 (graus decimais), Convergência (graus; o\n"
               "                          norte de quadrícula a leste do verdadeiro é positivo:\n"
               "                          azimute verdadeiro = azimute de quadrícula +\n"
               "                          convergência) e Fator de escala, na zona dada (UTM)\n"
               "                          ou na do ponto (geográficas)\n"
               "  -j, --nucleos N         usa N núcleos do processador (padrão: todos, agora\n"
               "                          %2); a saída é a mesma com qualquer N\n"
               "  -q, --silencioso        não mostra o progresso nem o resumo final\n"
               "  -h, --ajuda             mostra esta ajuda\n"
               "      --versao            mostra a versão\n"
               "\n"
               "Código de saída: 0 se todos os pontos foram calculados, 1 se alguma linha foi\n"
               "recusada, 2 se nada foi calculado (opção inválida, arquivo de coeficientes\n"
               "ausente ou incompleto, entrada ou saída inacessível).\n"
               "\n"
               "Exemplo, com o arquivo pontos.txt, cujos números usam a vírgula e por isso\n"
               "pedem --locale pt_BR (na localidade C o separador é o ponto: -23.5):\n"
               "    latitude;longitude;data\n"
               "    -23,5;-46,625;15/06/2000\n"
               "    -15 47 30;-47 52 30;01/01/1998\n"
               "\n"
               "    ceravel-lote --locale pt_BR pontos.txt -o campo.csv\n")
        .arg(localeSistema)
        .arg(nucleosSistema);
}

}  // namespace ceravel::lote

namespace ceravel::lote {

std::optional<QLocale> LocaleDoNome(const QString& nome)
{
    if (nome.isEmpty())
        return QLocale::system();
    const QLocale locale(nome);
    // QLocale falls back to C for a name it does not know.
    const bool pedidoC = nome.compare(QLatin1StringView("C"), Qt::CaseInsensitive) == 0
        || nome == QLatin1StringView("POSIX");
    if (locale.language() == QLocale::C && !pedidoC)
        return std::nullopt;
    return locale;
}

}  // namespace ceravel::lote
