// Measures the transliterator page in automatic mode: with a 20 KB Devanagari text on the left,
// the time from a key that changes the text to the right text updated. Runs offscreen.

#include "script/letter_generators.h"
#include "script/repertoire.h"
#include "script/view/transliterator_page.h"
#include "shell/random_source.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPlainTextEdit>

#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RandomSource::instance().seed(2026);
    QString text;
    while (text.toUtf8().size() < 20 * 1024)
        text += MakeRandomWord(2, 4, Devanagari::Consonants.toString(), Devanagari::IndependentVowels.toString(),
                               Devanagari::VowelSigns.toString(), true, 3)
            + QStringLiteral(" ");

    TransliteratorPage page;
    page.resize(1200, 800);
    page.show();
    auto *left = page.findChild<QPlainTextEdit *>(QStringLiteral("sMemo_i1_left"));
    auto *to = page.findChild<QComboBox *>(QStringLiteral("sComboBox_i1_v"));
    page.findChild<QCheckBox *>(QStringLiteral("sCheckBox_i1_avto"))->click();
    left->setPlainText(text);
    std::printf("Transliterator page, automatic mode, %lld bytes of UTF-8 on the left:\n",
                static_cast<long long>(text.toUtf8().size()));
    for (int target : {0, 6}) {
        to->setCurrentIndex(target);
        double best = 1e9;
        double worst = 0;
        for (int i = 0; i < 30; ++i) {
            QTextCursor end = left->textCursor();
            end.movePosition(QTextCursor::End);
            end.insertText(i % 2 ? QStringLiteral("क") : QStringLiteral("म"));
            QElapsedTimer timer;
            timer.start();
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QStringLiteral("क"));
            QApplication::sendEvent(left, &release);
            QApplication::processEvents();
            const double ms = timer.nsecsElapsed() / 1e6;
            best = std::min(best, ms);
            worst = std::max(worst, ms);
        }
        std::printf("  into %-28s key to updated result: best %.2f ms, worst %.2f ms\n",
                    qPrintable(to->currentText()), best, worst);
    }
    return 0;
}
