#include "shell/view/program_fonts.h"

#include <QApplication>
#include <QFont>
#include <QTest>

using namespace Qt::StringLiterals;

class TestProgramFonts : public QObject
{
    Q_OBJECT

private slots:
    // The fonts the program carries register from its own resources, whatever the system has.
    void carriedFontsRegister()
    {
        const QStringList registered = ProgramFonts::Register();
        for (const QString &family : ProgramFonts::DevanagariFamilies())
            QVERIFY2(registered.contains(family), qPrintable(family));
        QVERIFY(registered.contains(ProgramFonts::TextFamily()));
        QCOMPARE(ProgramFonts::DevanagariFamilies().size(), 6);
        QCOMPARE(ProgramFonts::DevanagariFamilies().last(), ProgramFonts::RecommendedDevanagariFamily());
    }

    void describedFacesRenderWithCarriedOnes()
    {
        ProgramFonts::Register();
        // Qt keeps substitutes in lower case; families compare without regard to it.
        QCOMPARE(QFont::substitute(u"Tahoma"_s).toLower(), u"noto sans"_s);
        QCOMPARE(QFont::substitute(u"Lucida Sans Unicode"_s).toLower(), u"noto sans"_s);
        QCOMPARE(QFont::substitute(u"Mangal"_s).toLower(), u"noto sans devanagari"_s);
    }
};

QTEST_MAIN(TestProgramFonts)
#include "tst_program_fonts.moc"
