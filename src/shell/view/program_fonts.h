#pragma once

#include <QStringList>

// The fonts the program carries. Six Devanagari faces for the learner to choose from, in the order
// the settings offer them, and one text face; all are registered for this process only.
namespace ProgramFonts {

QStringList DevanagariFamilies(); // "Noto Sans Devanagari", ..., "Annapurna SIL"
QString RecommendedDevanagariFamily(); // "Annapurna SIL", the default trainer font
QString TextFamily();                   // "Noto Sans"

// Registers the carried fonts from memory and makes the faces the windows are described with
// ("Tahoma", "Lucida Sans Unicode", "Mangal") render with them. A font that fails to register is
// passed over. Returns the families registered.
QStringList Register();

} // namespace ProgramFonts
