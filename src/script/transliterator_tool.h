#pragma once

#include "script/rule_list.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// What the transliterator page shows and converts, apart from its widgets.
namespace TransliteratorTool {

inline const QString DevanagariItem = QStringLiteral("Деванагари (अ)");
inline const QString OwnSystemItem = QStringLiteral("Своя система");

// The target list at start: the nine systems and the own one.
QStringList InitialTargets();
// After a swap: the systems of each direction.
QStringList TargetsFromDevanagari(); // seven: those that can be read back, and the own system
QStringList SourcesIntoDevanagari();  // six

// The own system's fields: the Devanagari unit each one stands for, in the editor's groups.
struct OwnSystemGroup
{
    QString caption;
    QList<QPair<QString, QString>> fields; // field name, unit
};
const QList<OwnSystemGroup> &OwnSystemGroups();

// The rule list of the own system built from the fields' texts (unit -> text; a missing or
// empty field deletes its unit).
RuleList OwnSystemRules(const QHash<QString, QString> &fieldTexts);

// Converts as the page's "Перевести" does: from Devanagari into the target, or from the source
// into Devanagari; nothing (an empty optional) when the pair has no conversion.
bool Convert(const QString &source, const QString &target, const QString &text,
             const QHash<QString, QString> &ownFields, QString *result);

// Whether the name is one of the nine built-in systems Devanagari is written into.
bool IsSystemOfTheScheme(const QString &target);

// The scheme grid for a target system: the header row, then the 57 units and their values.
QList<QPair<QString, QString>> Scheme(const QString &target);

QString GuideText(const QString &target); // the guide's description of the target system
QString Example(const QString &source);   // the example text of a source system
QString AboutText();                       // the page's help text

} // namespace TransliteratorTool
