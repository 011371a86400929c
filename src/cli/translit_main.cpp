// samvidra-translit: the program's transliteration from the command line.

#include "cli/translit_command.h"

#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));

    const TranslitOutcome outcome = RunTranslit(arguments, [] {
        QFile input;
        if (!input.open(stdin, QIODevice::ReadOnly))
            return QByteArray();
        return input.readAll();
    });

    std::fwrite(outcome.err.constData(), 1, outcome.err.size(), stderr);
    if (std::fwrite(outcome.out.constData(), 1, outcome.out.size(), stdout)
            != static_cast<size_t>(outcome.out.size())
        || std::fflush(stdout) != 0) {
        std::fputs("samvidra-translit: не удалось записать результат.\n", stderr);
        return 1;
    }
    return outcome.status;
}
