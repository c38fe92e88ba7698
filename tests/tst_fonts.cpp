// Installation of the two display fonts the program carries.

#include "ui/font_installer.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QTemporaryDir>
#include <QTest>

class TestFonts : public QObject {
    Q_OBJECT
private slots:
    void installsOnlyMissingFaces_data();
    void installsOnlyMissingFaces();
    void unwritableFolderStopsAtTheFirstFont();
    void carriedFontsRegisterUnderTheirFaceNames();
};

void TestFonts::installsOnlyMissingFaces_data()
{
    QTest::addColumn<QString>("families");
    QTest::addColumn<QStringList>("written");

    QTest::newRow("both installed") << "DejaVu Sans\nGOST type A\nDigital Readout Thick Upright" << QStringList{};
    QTest::newRow("face inside a longer name") << "My GOST type A Pro\nDigital Readout Thick Upright Wide"
                                               << QStringList{};
    QTest::newRow("only the digit face missing") << "GOST type A\nDejaVu Sans" << QStringList{"Digirtu_.ttf"};
    QTest::newRow("only the drawing face missing") << "Digital Readout Thick Upright"
                                                   << QStringList{"GOST_type_A.TTF"};
    QTest::newRow("case differs") << "gost type a\ndigital readout thick upright"
                                  << QStringList{"GOST_type_A.TTF", "Digirtu_.ttf"};
    QTest::newRow("none installed") << "" << QStringList{"GOST_type_A.TTF", "Digirtu_.ttf"};
}

void TestFonts::installsOnlyMissingFaces()
{
    QFETCH(QString, families);
    QFETCH(QStringList, written);
    QTemporaryDir dir;
    QStringList registered;
    const velt::FontInstallResult result = velt::InstallFonts(families, dir.path(), [&](const QString &path) {
        registered << QFileInfo(path).fileName();
        return 1;
    });
    QVERIFY(result.errorText.isEmpty());
    QCOMPARE(registered, written);
    QCOMPARE(result.registeredFonts, written.size());
    QStringList onDisk = QDir(dir.path()).entryList(QDir::Files);
    QStringList expected = written;
    onDisk.sort();
    expected.sort();
    QCOMPARE(onDisk, expected);
    for (const QString &name : written) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.size() > 10000);
    }
}

void TestFonts::unwritableFolderStopsAtTheFirstFont()
{
    QTemporaryDir dir;
    // A folder below a plain file cannot be made, whoever runs the test.
    QFile blocker(dir.filePath("not-a-folder"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString fontDir = dir.filePath("not-a-folder/fonts");
    int registrations = 0;
    const velt::FontInstallResult result = velt::InstallFonts("", fontDir, [&](const QString &) {
        return ++registrations;
    });
    QCOMPARE(result.errorText,
             QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(fontDir + "/GOST_type_A.TTF")));
    QVERIFY(result.writtenFiles.isEmpty());
    QCOMPARE(registrations, 0);
}

void TestFonts::carriedFontsRegisterUnderTheirFaceNames()
{
    QTemporaryDir dir;
    const velt::FontInstallResult result = velt::InstallFonts("", dir.path(), velt::RegisterFontFile);
    QCOMPARE(result.registeredFonts, 2);
    const QStringList families = QFontDatabase::families();
    QVERIFY(families.contains("GOST type A"));
    QVERIFY(families.contains("Digital Readout Thick Upright"));
}

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
