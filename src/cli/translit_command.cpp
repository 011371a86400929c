#include "cli/translit_command.h"

#include "script/writing_systems.h"

#include <QStringDecoder>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString devanagariCode = u"devanagari"_s;

QString systemList()
{
    QString list = u"Коды систем:\n  devanagari     деванагари\n"_s;
    for (const WritingSystem &system : WritingSystems()) {
        const QString directions = system.source ? u"в обе стороны"_s : u"только из деванагари"_s;
        list += u"  %1%2 (%3)\n"_s.arg(system.code, -15).arg(system.toolName, directions);
    }
    return list;
}

QString usage()
{
    return u"Использование: samvidra-translit --from КОД --to КОД [ТЕКСТ ...]\n"
           "\n"
           "Переводит санскритский текст из деванагари в другую систему письма или из неё\n"
           "в деванагари. Текст берётся из аргументов, соединённых одним пробелом, а если их\n"
           "нет, из стандартного ввода. Результат выводится в UTF-8 в точности таким, каким\n"
           "его даёт программа: ничего не нормализуется, перевод строки не добавляется и не\n"
           "убирается. Ровно одна из сторон должна быть devanagari.\n"
           "\n"_s
        + systemList()
        + u"\n"
          "Пример:\n"
          "  samvidra-translit --from devanagari --to iast \"ॐ पूर्णमदः\"\n"
          "\n"
          "Коды возврата: 0 готово, 1 входной текст не в UTF-8, 2 неверный вызов.\n"_s;
}

// Decodes text that must be UTF-8; a byte order mark is kept as it is, like every other
// character.
std::optional<QString> decodeUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

TranslitOutcome wrongUse(const QString &problem)
{
    TranslitOutcome outcome;
    outcome.status = 2;
    outcome.err = (u"samvidra-translit: "_s + problem + u"\n\n"_s + systemList()
                   + u"Подробнее: samvidra-translit --help\n"_s)
                      .toUtf8();
    return outcome;
}

TranslitOutcome unreadable(const QString &what)
{
    TranslitOutcome outcome;
    outcome.status = 1;
    outcome.err = (u"samvidra-translit: "_s + what
                   + u" не в кодировке UTF-8; ничего не переведено.\n"_s)
                      .toUtf8();
    return outcome;
}

bool isKnownCode(const QString &code)
{
    return code == devanagariCode || FindWritingSystem(code);
}

} // namespace

TranslitOutcome RunTranslit(const QList<QByteArray> &arguments,
                            const std::function<QByteArray()> &readInput)
{
    std::optional<QString> from;
    std::optional<QString> to;
    QList<QByteArray> texts;
    bool optionsEnded = false;

    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QByteArray &argument = arguments[i];
        if (optionsEnded || !argument.startsWith('-') || argument == "-") {
            texts.append(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "--help" || argument == "-h") {
            TranslitOutcome outcome;
            outcome.out = usage().toUtf8();
            return outcome;
        }
        QByteArray name = argument;
        std::optional<QByteArray> value;
        if (const qsizetype equals = argument.indexOf('='); equals > 0) {
            name = argument.left(equals);
            value = argument.mid(equals + 1);
        }
        std::optional<QString> *target = name == "--from" ? &from : name == "--to" ? &to : nullptr;
        if (!target)
            return wrongUse(u"неизвестный параметр «%1»."_s.arg(QString::fromUtf8(name)));
        if (target->has_value())
            return wrongUse(u"параметр %1 указан дважды."_s.arg(QString::fromUtf8(name)));
        if (!value) {
            if (i + 1 >= arguments.size())
                return wrongUse(u"после %1 нужен код системы."_s.arg(QString::fromUtf8(name)));
            value = arguments[++i];
        }
        *target = QString::fromUtf8(*value);
    }

    for (const std::optional<QString> &code : {from, to}) {
        if (code && !isKnownCode(*code))
            return wrongUse(u"неизвестный код системы «%1»."_s.arg(*code));
    }
    if (!from)
        return wrongUse(u"не указан параметр --from."_s);
    if (!to)
        return wrongUse(u"не указан параметр --to."_s);
    if ((*from == devanagariCode) == (*to == devanagariCode))
        return wrongUse(u"ровно одна из сторон должна быть devanagari: программа переводит из "
                        "деванагари в другую систему или из другой системы в деванагари."_s);

    const bool intoDevanagari = *to == devanagariCode;
    const WritingSystem &system = *FindWritingSystem(intoDevanagari ? *from : *to);
    if (intoDevanagari && !system.source)
        return wrongUse(u"из системы %1 в деванагари программа не переводит; в эту систему "
                        "можно только переводить из деванагари."_s.arg(system.code));

    QString text;
    if (texts.isEmpty()) {
        const std::optional<QString> input = decodeUtf8(readInput());
        if (!input)
            return unreadable(u"стандартный ввод"_s);
        text = *input;
    } else {
        QStringList parts;
        for (const QByteArray &part : texts) {
            const std::optional<QString> decoded = decodeUtf8(part);
            if (!decoded)
                return unreadable(u"аргумент"_s);
            parts.append(*decoded);
        }
        text = parts.join(u' ');
    }

    TranslitOutcome outcome;
    const QString result = intoDevanagari ? ToDevanagari(*system.source, text)
                                          : DevanagariTo(*system.target, text);
    outcome.out = result.toUtf8();
    return outcome;
}
