#pragma once

#include <QString>

// Replaces every stored sound-class key in text by the term the learner reads ("sparsha" by
// "sparśa"). The keys ",ghosha" and ",talavya" carry their comma: they are replaced only where a
// comma stands right before them, so that "aghosha" and "kanthatalavya" keep their own terms.
QString ClassKeysToTerms(const QString &text);
