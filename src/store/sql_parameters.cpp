#include "store/sql_parameters.h"

#include "store/database_error.h"

#include <QSqlError>
#include <QSqlQuery>

QString PositionalStatement(const QString &statement, int *parameterCount)
{
    QString result;
    result.reserve(statement.size());
    int count = 0;
    QChar closing; // the end of the quoted text or bracketed name we are in, or null
    for (qsizetype i = 0; i < statement.size(); ++i) {
        const QChar c = statement[i];
        if (!closing.isNull()) {
            if (c == closing)
                closing = QChar();
            result += c;
            continue;
        }
        if (c == u'\'' || c == u'"') {
            closing = c;
        } else if (c == u'[') {
            closing = u']';
        } else if (c == u':' && i + 1 < statement.size()
                   && (statement[i + 1].isLetter() || statement[i + 1] == u'_')) {
            qsizetype end = i + 1;
            while (end < statement.size() && (statement[end].isLetterOrNumber() || statement[end] == u'_'))
                ++end;
            result += u'?';
            ++count;
            i = end - 1;
            continue;
        }
        result += c;
    }
    if (parameterCount)
        *parameterCount = count;
    return result;
}

void PrepareWithValues(QSqlQuery &query, const QString &statement, const TArrValues &values)
{
    int parameters = 0;
    const QString positional = values.isEmpty() ? statement : PositionalStatement(statement, &parameters);
    if (!query.prepare(positional))
        throw DatabaseError(query.lastError().text());
    for (int i = 0; i < parameters && i < values.size(); ++i)
        query.bindValue(i, values[i]);
}
