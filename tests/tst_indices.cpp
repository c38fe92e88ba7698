// Known answers for the measurement record: decoding, derivation, rounding
// and the text of every shown value.

#include "measure/indices.h"
#include "measure/measurement_record.h"

#include <QTest>

class TestIndices : public QObject {
    Q_OBJECT
private slots:
    void rowsShowTheDerivedQuantities_data();
    void rowsShowTheDerivedQuantities();
    void wordsDecodeToTenths_data();
    void wordsDecodeToTenths();
    void halvesRoundToTheEvenTenth_data();
    void halvesRoundToTheEvenTenth();
    void valuesUseTheRegionalDecimalSeparator_data();
    void valuesUseTheRegionalDecimalSeparator();
    void timeTextIsTheTimeOfDay();
};

void TestIndices::rowsShowTheDerivedQuantities_data()
{
    QTest::addColumn<int>("rh");
    QTest::addColumn<int>("ta");
    QTest::addColumn<int>("tg");
    QTest::addColumn<QStringList>("live");     // columns 1..9 of a live row
    QTest::addColumn<QString>("loggerTg");    // column 5 of a logger row

    // RH 50 %, ta 20, tg 25.
    QTest::newRow("50 %, 20, 25") << 500 << 200 << 250
                                  << QStringList{"17.5", "17", "50", "20", "25", "14.3", "9.3", "28.3", "49.7"} << "25";
    // tg below ta: THC and WBGT from tg as measured, tr and W from tg' = ta.
    QTest::newRow("tg below ta") << 1000 << 300 << 280
                                 << QStringList{"29.4", "29.6", "100", "30", "28", "30", "30", "30", "0"} << "30";
    // RH 0: no dew point; the cell says so instead of showing a number.
    QTest::newRow("RH 0") << 0 << 250 << 250
                          << QStringList{"14.5", "14.5", "0", "25", "25", "10", "-", "25", "0"} << "25";
    QTest::newRow("tg equals ta") << 300 << 222 << 222
                                  << QStringList{"15.9", "15.9", "30", "22.2", "22.2", "13.2", "3.8", "22.2", "0"}
                                  << "22.2";
    // tw of -5.94 shows -5.9; nothing shows "-0".
    QTest::newRow("all zero words") << 0 << 0 << 0
                                    << QStringList{"-4.1", "-4.1", "0", "0", "0", "-5.9", "-", "0", "0"} << "0";
    QTest::newRow("RH one tenth") << 1 << 0 << 0
                                  << QStringList{"-4.1", "-4.1", "0.1", "0", "0", "-5.9", "-68.3", "0", "0"} << "0";
    QTest::newRow("all words 65535")
        << 65535 << 65535 << 65535
        << QStringList{"107831.2", "107831.2", "6553.5", "6553.5", "6553.5", "151236", "-1426.8", "6553.5", "0"}
        << "6553.5";
}

void TestIndices::rowsShowTheDerivedQuantities()
{
    QFETCH(int, rh);
    QFETCH(int, ta);
    QFETCH(int, tg);
    QFETCH(QStringList, live);
    QFETCH(QString, loggerTg);
    const auto word = [](int w) { return static_cast<std::uint16_t>(w); };

    const velt::MeasurementRecord liveRow =
        velt::MakeRecord("12:00:00", word(rh), word(ta), word(tg), velt::TgShown::Measured);
    QCOMPARE(liveRow.cells(), QStringList{"12:00:00"} + live);

    QStringList logger = live;
    logger[4] = loggerTg;
    const velt::MeasurementRecord loggerRow =
        velt::MakeRecord("7:5 9.3.17", word(rh), word(ta), word(tg), velt::TgShown::Raised);
    QCOMPARE(loggerRow.cells(), QStringList{"7:5 9.3.17"} + logger);
    QCOMPARE(loggerRow.cells().size(), velt::kRecordColumns);
}

void TestIndices::wordsDecodeToTenths_data()
{
    QTest::addColumn<int>("word");
    QTest::addColumn<float>("value");
    QTest::newRow("0") << 0 << 0.0f;
    QTest::newRow("1") << 1 << 0.1f;
    QTest::newRow("500") << 500 << 50.0f;
    QTest::newRow("65535") << 65535 << 6553.5f;
}

void TestIndices::wordsDecodeToTenths()
{
    QFETCH(int, word);
    QFETCH(float, value);
    QCOMPARE(velt::DecodeTenths(static_cast<std::uint16_t>(word)), value);
}

void TestIndices::halvesRoundToTheEvenTenth_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("0.25") << 0.25f << "0.2";
    QTest::newRow("0.75") << 0.75f << "0.8";
    QTest::newRow("2.25") << 2.25f << "2.2";
    QTest::newRow("-0.25") << -0.25f << "-0.2";
    QTest::newRow("-0.04 is 0, not -0") << -0.04f << "0";
    QTest::newRow("20.0") << 20.0f << "20";
    QTest::newRow("23.44") << 23.44f << "23.4";
}

void TestIndices::halvesRoundToTheEvenTenth()
{
    QFETCH(float, value);
    QFETCH(QString, shown);
    QCOMPARE(velt::FormatValue(velt::RoundToTenth(value), QLocale::c()), shown);
}

void TestIndices::valuesUseTheRegionalDecimalSeparator_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ru 23.4") << QLocale(QLocale::Russian, QLocale::Russia) << 23.4 << "23,4";
    QTest::newRow("ru -5.9") << QLocale(QLocale::Russian, QLocale::Russia) << -5.9 << "-5,9";
    QTest::newRow("ru 1234.5 has no group separator") << QLocale(QLocale::Russian, QLocale::Russia) << 1234.5
                                                      << "1234,5";
    QTest::newRow("de 6553.5") << QLocale(QLocale::German, QLocale::Germany) << 6553.5 << "6553,5";
    QTest::newRow("en 20") << QLocale(QLocale::English, QLocale::UnitedStates) << 20.0 << "20";
}

void TestIndices::valuesUseTheRegionalDecimalSeparator()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, shown);
    QCOMPARE(velt::FormatValue(value, locale), shown);
}

void TestIndices::timeTextIsTheTimeOfDay()
{
    const QString text = velt::TimeText(QTime(14, 5, 7));
    QVERIFY2(text.contains("14") && text.contains("05") && text.contains("07"), qPrintable(text));
    QVERIFY2(!text.contains("UTC") && text == text.trimmed(), qPrintable(text));
}

QTEST_GUILESS_MAIN(TestIndices)
#include "tst_indices.moc"
