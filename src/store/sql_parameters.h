#pragma once

#include <QString>
#include <QVariantList>

class QSqlQuery;

// Values of a statement's parameters, of defaults, or of an answer record, in order.
using TArrValues = QVariantList;

// The statement with each parameter (a name marked by a leading colon, outside quoted text and
// bracketed names) replaced by a positional "?", and the number of parameters found.
QString PositionalStatement(const QString &statement, int *parameterCount);

// Prepares the statement on the query and binds the values to its parameters by position: the
// names play no role, their order does. Throws DatabaseError when the statement does not prepare.
void PrepareWithValues(QSqlQuery &query, const QString &statement, const TArrValues &values);
