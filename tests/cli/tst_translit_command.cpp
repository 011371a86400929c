#include "cli/translit_command.h"
#include "script/from_devanagari.h"
#include "script/into_devanagari.h"
#include "script/letter_generators.h"
#include "script/repertoire.h"
#include "script/writing_systems.h"
#include "shell/random_source.h"

#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QList<QByteArray> args(std::initializer_list<const char *> list)
{
    QList<QByteArray> result;
    for (const char *a : list)
        result.append(QByteArray(a));
    return result;
}

struct ProgramRun
{
    int status;
    QByteArray out;
    QByteArray err;
};

ProgramRun runProgram(const QStringList &arguments, const QByteArray &input)
{
    QProcess process;
    process.start(QStringLiteral(TRANSLIT_PROGRAM), arguments);
    process.waitForStarted();
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(30000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

class TestTranslitCommand : public QObject
{
    Q_OBJECT

private slots:
    void wrongUse_data()
    {
        QTest::addColumn<QList<QByteArray>>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no options") << args({}) << u"не указан параметр --from"_s;
        QTest::newRow("no target") << args({"--from", "devanagari"}) << u"не указан параметр --to"_s;
        QTest::newRow("missing value") << args({"--from", "devanagari", "--to"})
                                       << u"после --to нужен код системы"_s;
        QTest::newRow("unknown code") << args({"--from", "devanagari", "--to", "hunterian"})
                                      << u"неизвестный код системы «hunterian»"_s;
        QTest::newRow("codes are exact") << args({"--from", "Devanagari", "--to", "iast"})
                                         << u"неизвестный код системы «Devanagari»"_s;
        QTest::newRow("two romanisations") << args({"--from", "iast", "--to", "slp1"})
                                           << u"ровно одна из сторон должна быть devanagari"_s;
        QTest::newRow("devanagari twice") << args({"--from=devanagari", "--to=devanagari"})
                                          << u"ровно одна из сторон должна быть devanagari"_s;
        QTest::newRow("no reading of Velthuis") << args({"--from", "velthuis", "--to", "devanagari"})
                                                << u"из системы velthuis в деванагари"_s;
        QTest::newRow("no reading of plain Cyrillic")
            << args({"--from", "cyr-plain", "--to", "devanagari"})
            << u"из системы cyr-plain в деванагари"_s;
        QTest::newRow("unknown option") << args({"--form", "iast"}) << u"неизвестный параметр «--form»"_s;
        QTest::newRow("option twice") << args({"--to", "iast", "--to", "slp1"})
                                      << u"параметр --to указан дважды"_s;
    }

    void wrongUse()
    {
        QFETCH(QList<QByteArray>, arguments);
        QFETCH(QString, message);
        bool inputRead = false;
        const TranslitOutcome outcome = RunTranslit(arguments, [&] {
            inputRead = true;
            return QByteArray();
        });
        QCOMPARE(outcome.status, 2);
        QVERIFY(outcome.out.isEmpty());
        const QString err = QString::fromUtf8(outcome.err);
        QVERIFY2(err.contains(message), qPrintable(err));
        // The message lists every valid code.
        for (const WritingSystem &system : WritingSystems())
            QVERIFY2(err.contains(system.code), qPrintable(system.code));
        QVERIFY(err.contains(u"devanagari"_s));
        QVERIFY(!inputRead);
    }

    void convertsArgumentsJoinedBySpaces()
    {
        const TranslitOutcome outcome = RunTranslit(
            args({"--from", "devanagari", "--to", "iast", "राम", "--", "-कृष्ण"}),
            [] { return QByteArray("not read"); });
        QCOMPARE(outcome.status, 0);
        QCOMPARE(QString::fromUtf8(outcome.out), u"rāma -kṛṣṇa"_s);
        QVERIFY(outcome.err.isEmpty());
    }

    void helpPrintsUsage()
    {
        const TranslitOutcome outcome = RunTranslit(args({"--help"}), [] { return QByteArray(); });
        QCOMPARE(outcome.status, 0);
        QVERIFY(QString::fromUtf8(outcome.out).startsWith(u"Использование: samvidra-translit"_s));
    }

    void invalidUtf8WritesNothing_data()
    {
        QTest::addColumn<QList<QByteArray>>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::newRow("standard input") << args({"--from", "iast", "--to", "devanagari"})
                                        << QByteArray("r\xc4\x81ma \xff\xfe");
        QTest::newRow("truncated sequence") << args({"--from", "iast", "--to", "devanagari"})
                                            << QByteArray("rama\xe0\xa4");
        QTest::newRow("argument") << args({"--from", "iast", "--to", "devanagari", "r\xc4"})
                                  << QByteArray();
    }

    void invalidUtf8WritesNothing()
    {
        QFETCH(QList<QByteArray>, arguments);
        QFETCH(QByteArray, input);
        const TranslitOutcome outcome = RunTranslit(arguments, [&] { return input; });
        QCOMPARE(outcome.status, 1);
        QVERIFY(outcome.out.isEmpty());
        QVERIFY(QString::fromUtf8(outcome.err).contains(u"UTF-8"_s));
    }

    // The program itself: standard input in, exactly the conversion's bytes out.
    void programKeepsTheTextByteForByte()
    {
        const QByteArray input = QString(u"\uFEFFॐ नमः\r\nराम\n\n"_s).toUtf8();
        const ProgramRun run = runProgram({u"--from"_s, u"devanagari"_s, u"--to"_s, u"cyr"_s}, input);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QString(u"\uFEFFом\u0307 намах\u0323\r\nра\u0304ма\n\n"_s).toUtf8());
        QVERIFY(run.err.isEmpty());

        const ProgramRun noNewline =
            runProgram({u"--from"_s, u"iast"_s, u"--to"_s, u"devanagari"_s}, "rāma");
        QCOMPARE(noNewline.out, QString(u"राम"_s).toUtf8());
    }

    void programReportsFailuresByStatus()
    {
        const ProgramRun wrong = runProgram({u"--from"_s, u"iast"_s, u"--to"_s, u"itrans"_s}, {});
        QCOMPARE(wrong.status, 2);
        QVERIFY(wrong.out.isEmpty());
        QVERIFY(!wrong.err.isEmpty());

        const ProgramRun broken =
            runProgram({u"--from"_s, u"devanagari"_s, u"--to"_s, u"iast"_s}, "\xc0\xaf");
        QCOMPARE(broken.status, 1);
        QVERIFY(broken.out.isEmpty());
    }

    // For texts made up on the spot, the program answers exactly as the conversions do, in every
    // system and in both directions.
    void programMatchesTheConversions()
    {
        RandomSource::instance().seed(424242);
        const QString consonants = Devanagari::Consonants.toString();
        QString text;
        for (int i = 0; i < 300; ++i) {
            text += MakeRandomWord(1, 5, consonants, Devanagari::IndependentVowels.toString(),
                                   Devanagari::VowelSigns.toString(), true, 3);
            text += (i % 7 == 6) ? u" ।\n"_s : u" "_s;
        }
        for (const WritingSystem &system : WritingSystems()) {
            const ProgramRun forth = runProgram(
                {u"--from"_s, u"devanagari"_s, u"--to"_s, system.code}, text.toUtf8());
            QCOMPARE(forth.status, 0);
            const QString written = DevanagariTo(*system.target, text);
            QCOMPARE(QString::fromUtf8(forth.out), written);
            if (!system.source)
                continue;
            const ProgramRun back = runProgram(
                {u"--from"_s, system.code, u"--to"_s, u"devanagari"_s}, forth.out);
            QCOMPARE(back.status, 0);
            QCOMPARE(QString::fromUtf8(back.out), ToDevanagari(*system.source, written));
        }
    }
};

QTEST_GUILESS_MAIN(TestTranslitCommand)
#include "tst_translit_command.moc"
