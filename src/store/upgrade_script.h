#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The staged upgrade script of the profile database. Each stage begins with "~~STAGE~~" and its
// number; its pieces are separated by lines "=next>". The first piece carries the number, every
// later one a statement.
struct UpgradeStage
{
    QString numberPiece;
    QStringList pieces; // every piece of the stage, the number's included
};

// The stages of the script in order; a stage with fewer than two pieces is left out.
QList<UpgradeStage> SplitUpgradeScript(const QString &script);

// The stage number, written with "." or "," whatever the locale; nothing when it is not a number.
std::optional<double> ReadStageNumber(const QString &numberPiece);

// Whether a piece is a statement to run: data definition (CREATE or ALTER of a DATABASE, TABLE or
// INDEX) or data change (INSERT INTO, DELETE FROM, UPDATE ... SET), in any letter case. Anything
// else (the stage number, an empty tail, a query) is passed over.
bool IsExecutedPiece(const QString &piece);

// The script the program carries.
QString ProgramUpgradeScript();
