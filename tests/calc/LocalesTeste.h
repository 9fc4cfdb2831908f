#pragma once

#include <QLocale>
#include <QString>
#include <ostream>
#include <vector>

namespace ceravel::teste {

// The locale column of the tables: a full-stop locale and a decimal-comma one.
struct LocaleTeste {
    const char* nome;
    QLocale locale;
};

inline std::vector<LocaleTeste> LocalesTeste()
{
    return {{"C", QLocale::c()}, {"ptBR", QLocale(QLocale::Portuguese, QLocale::Brazil)}};
}

inline void PrintTo(const LocaleTeste& l, std::ostream* os)
{
    *os << l.nome;
}

// A number written with "." in the tables, as a user of `locale` types it.
inline QString NoLocale(const char* texto, const QLocale& locale)
{
    return QString::fromUtf8(texto).replace(u'.', locale.decimalPoint());
}

}  // namespace ceravel::teste
