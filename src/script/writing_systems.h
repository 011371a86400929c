#pragma once

#include "script/from_devanagari.h"
#include "script/into_devanagari.h"

#include <QList>
#include <QString>

#include <optional>

// A system that Devanagari is transliterated into, and perhaps read back from.
struct WritingSystem
{
    QString code;         // its name on the command line
    QString settingsCode; // its trainer setting "settings_pismo", for the five systems trainers offer
    QString settingsItem; // its item in the trainers' settings
    QString toolName;     // its name in the transliterator
    std::optional<TargetSystem> target; // conversion from Devanagari
    std::optional<SourceSystem> source; // conversion into Devanagari, where there is one
};

// Every built-in system, in the order of the trainers' settings followed by the others.
const QList<WritingSystem> &WritingSystems();

// The system with that command-line or settings code, or null.
const WritingSystem *FindWritingSystem(const QString &code);
