#include "store/upgrade_script.h"

#include "shell/text_trim.h"

#include <QFile>

using namespace Qt::StringLiterals;

QList<UpgradeStage> SplitUpgradeScript(const QString &script)
{
    QList<UpgradeStage> stages;
    for (const QString &stageText : script.split(u"~~STAGE~~"_s, Qt::SkipEmptyParts)) {
        const QStringList pieces = stageText.split(u"=next>"_s, Qt::SkipEmptyParts);
        if (pieces.size() < 2)
            continue;
        stages.append({pieces.front(), pieces});
    }
    return stages;
}

std::optional<double> ReadStageNumber(const QString &numberPiece)
{
    QString number = TrimControls(numberPiece);
    number.replace(u',', u'.');
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

bool IsExecutedPiece(const QString &piece)
{
    const QString upper = TrimControls(piece).toUpper();
    const bool definition = (upper.contains(u"CREATE"_s) || upper.contains(u"ALTER"_s))
        && (upper.contains(u" DATABASE "_s) || upper.contains(u"TABLE"_s)
            || upper.contains(u" INDEX"_s));
    const bool change = upper.contains(u"INSERT INTO "_s) || upper.contains(u"DELETE FROM "_s)
        || (upper.contains(u"UPDATE "_s) && upper.contains(u"SET "_s));
    return definition || change;
}

QString ProgramUpgradeScript()
{
    QFile file(u":/store/upgrade.sql"_s);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}
