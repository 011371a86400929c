// Measures the conversions on long texts: a 250 KB Devanagari text into each system and back, and
// a 20 KB text, the size of a long page in the transliterator's automatic mode. Prints the best
// of several runs for each; build in release mode for figures that mean anything.

#include "script/from_devanagari.h"
#include "script/into_devanagari.h"
#include "script/letter_generators.h"
#include "script/repertoire.h"
#include "script/writing_systems.h"
#include "shell/random_source.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Random words of the whole repertoire with spaces, dandas and line breaks, until the text takes
// the given number of bytes in UTF-8.
QString makeText(qsizetype utf8Bytes)
{
    const QString consonants = Devanagari::Consonants.toString();
    QString text;
    qsizetype bytes = 0;
    int words = 0;
    while (bytes < utf8Bytes) {
        const QString word = MakeRandomWord(2, 4, consonants, Devanagari::IndependentVowels.toString(),
                                            Devanagari::VowelSigns.toString(), true, 3);
        const QString gap = ++words % 12 == 0 ? QStringLiteral(" ।\n") : QStringLiteral(" ");
        text += word + gap;
        bytes += (word + gap).toUtf8().size();
    }
    return text;
}

double bestMilliseconds(const std::function<QString()> &convert, int runs)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QString result = convert();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
        if (result.isEmpty())
            std::puts("empty result");
    }
    return best;
}

void measure(const char *title, qsizetype bytes, int runs)
{
    const QString text = makeText(bytes);
    std::printf("%s: %lld bytes of UTF-8, %lld UTF-16 code units\n", title,
                static_cast<long long>(text.toUtf8().size()), static_cast<long long>(text.size()));
    for (const WritingSystem &system : WritingSystems()) {
        const QString written = DevanagariTo(*system.target, text);
        const double forth = bestMilliseconds([&] { return DevanagariTo(*system.target, text); }, runs);
        std::printf("  devanagari -> %-14s %8.3f ms", qPrintable(system.code), forth);
        if (system.source) {
            const double back =
                bestMilliseconds([&] { return ToDevanagari(*system.source, written); }, runs);
            std::printf("   %-14s -> devanagari %8.3f ms", qPrintable(system.code), back);
        }
        std::printf("\n");
    }
}

} // namespace

int main()
{
    RandomSource::instance().seed(2026);
    measure("Long text", 250 * 1024, 7);
    measure("Transliterator page", 20 * 1024, 25);
    return 0;
}
