// "Rekap" and the recapitulation window.
#include "review_fixture.h"

#include "review/frm_rekapitular.h"
#include "review/recapitulation.h"

using namespace dorvik;
using namespace dorvik::testing;

namespace {

struct LocaleGuard {
    explicit LocaleGuard(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(QLocale::system()); }
};

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

struct RekapTest : ReviewTest {
    frmRekapitular* window() const { return screen->rekapitular(); }
    QString shown(const char* name) const
    {
        return window()->findChild<QLineEdit*>(QLatin1String(name))->text();
    }
};

} // namespace

TEST(WholeDenari, FirstSevenCharactersAsDigitsBlankIsZero)
{
    EXPECT_EQ(wholeDenari("000150000"), 1500);
    EXPECT_EQ(wholeDenari("000250050"), 2500); // the last two do not count
    EXPECT_EQ(wholeDenari("         "), 0);
    EXPECT_EQ(wholeDenari("   123456"), 1234); // blanks, then the first four digits
    EXPECT_EQ(wholeDenari("1500   00"), 1500);
    EXPECT_EQ(wholeDenari("9999999  "), 9999999);
    for (const char* bad : {"0001A0000", "-00150000", "00 150000", "       12", "0,0150000", "12"})
        EXPECT_FALSE(wholeDenari(bad).has_value()) << bad;
}

TEST(FormatTotal, GroupsByThreeInTheLocalesSeparators)
{
    EXPECT_EQ(formatTotal(4000, kEnglish), "4,000.00");
    EXPECT_EQ(formatTotal(4000, kGerman), "4.000,00");
    EXPECT_EQ(formatTotal(0, kEnglish), ".00");
    EXPECT_EQ(formatTotal(0, kGerman), ",00");
    EXPECT_EQ(formatTotal(999, kEnglish), "999.00");
    EXPECT_EQ(formatTotal(12345678, kEnglish), "12,345,678.00");
    // 32767 records of 9999999 denari each: beyond the pattern's eight digits.
    EXPECT_EQ(formatTotal(std::int64_t{32767} * 9999999, kEnglish), "327,669,967,233.00");
}

TEST(UnreadableAmounts, OneSeveralAndMoreThanTwenty)
{
    EXPECT_EQ(unreadableAmountsMessage({}), "");
    EXPECT_EQ(unreadableAmountsMessage({7}),
              "Iznosot na slogot 7 ne e broj i ne e vklucen vo zbirnata masa.");
    EXPECT_EQ(unreadableAmountsMessage({2, 5, 9}),
              "Iznosite na slogovite 2, 5, 9 ne se broevi i ne se vkluceni vo zbirnata masa.");
    std::vector<int> many;
    std::string listed;
    for (int i = 1; i <= 21; ++i) {
        many.push_back(i);
        if (i <= 20)
            listed += (i > 1 ? ", " : "") + std::to_string(i);
    }
    EXPECT_EQ(unreadableAmountsMessage(many),
              "Iznosite na slogovite " + listed + ", ... ne se broevi i ne se vkluceni vo zbirnata masa.");
}

TEST_F(RekapTest, TotalOfThreeAmountsInBothLocales)
{
    LocaleGuard english(kEnglish);
    open({lineWith(1, {{Field::Denari, "000150000"}, {Field::RegistarskiBroj, "1234567897"},
                       {Field::Firma, "Tekstil DOO Bitola"}}),
          lineWith(2, {{Field::Denari, "000250050"}}), lineWith(3, {{Field::Denari, "         "}})});
    click("cmdNext");
    click("cmdRekap");
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(window()->windowTitle(), "Rekapitular za kontroliranata firma");
    EXPECT_EQ(shown("txtZbirnaMasa"), "4,000.00");
    EXPECT_EQ(shown("txtReg"), "1234567897");
    EXPECT_EQ(shown("txtIme"), QString("Tekstil DOO Bitola").leftJustified(35));
    EXPECT_EQ(shown("txtSlogovi"), "3");
    EXPECT_TRUE(boxes.shown().empty());
    // The screen stands where it stood.
    EXPECT_EQ(position(), "2");
    EXPECT_EQ(name(), "Ime Prezime 2");
    EXPECT_FALSE(progress()->isVisible());
    click("cmdNext");
    EXPECT_EQ(name(), "Ime Prezime 3");

    LocaleGuard german(kGerman);
    click("cmdRekap");
    EXPECT_EQ(shown("txtZbirnaMasa"), "4.000,00");
}

TEST_F(RekapTest, CorrectedAmountShowsInTheWindowAlreadyOpen)
{
    LocaleGuard english(kEnglish);
    open(cleanLines(2)); // 1500 each
    click("cmdRekap");
    frmRekapitular* first = window();
    EXPECT_EQ(shown("txtZbirnaMasa"), "3,000.00");
    QLineEdit* denari = box(Field::Denari);
    denari->selectAll();
    QTest::keyClicks(denari, "001000000");
    click("cmdRec");
    click("cmdRekap");
    EXPECT_EQ(window(), first);
    EXPECT_EQ(shown("txtZbirnaMasa"), "11,500.00");
    // Even before a save, the shown record's amount is what counts.
    denari->selectAll();
    QTest::keyClicks(denari, "000000000");
    click("cmdRekap");
    EXPECT_EQ(shown("txtZbirnaMasa"), "1,500.00");
}

TEST_F(RekapTest, AmountsThatAreNotNumbersAreLeftOutAndNamed)
{
    LocaleGuard english(kEnglish);
    open({recordLine(1), lineWith(2, {{Field::Denari, "00A150000"}}), recordLine(3),
          lineWith(4, {{Field::Denari, "-00150000"}})});
    click("cmdRekap");
    ASSERT_EQ(boxes.shown().size(), 1u);
    const MessageRequest& m = boxes.shown()[0].message;
    EXPECT_EQ(m.text, "Iznosite na slogovite 2, 4 ne se broevi i ne se vkluceni vo zbirnata masa.");
    EXPECT_EQ(m.title, "KONTROLA");
    EXPECT_EQ(m.icon, Icon::Information);
    EXPECT_EQ(shown("txtZbirnaMasa"), "3,000.00");
    EXPECT_EQ(shown("txtSlogovi"), "4");
}

TEST_F(RekapTest, EmptyFileAndNewReportCountOnlyStoredRecords)
{
    LocaleGuard english(kEnglish);
    open({});
    click("cmdRekap");
    EXPECT_EQ(shown("txtZbirnaMasa"), ".00");
    EXPECT_EQ(shown("txtSlogovi"), "0");
    EXPECT_EQ(shown("txtReg"), "");
    EXPECT_EQ(shown("txtIme"), "");
    EXPECT_TRUE(boxes.shown().empty());

    open(cleanLines(2));
    click("cmdAddNew");
    QTest::keyClicks(box(Field::Godina), "98");
    click("cmdRekap");
    EXPECT_EQ(shown("txtSlogovi"), "2");
    EXPECT_EQ(total(), "3");
    // The new report is still there to save.
    EXPECT_EQ(text(Field::Godina), "98");
    click("cmdRec");
    EXPECT_EQ(file().size(), 3u * 149);
}

TEST_F(RekapTest, WindowColours)
{
    LocaleGuard english(kEnglish);
    open(cleanLines(1));
    click("cmdRekap");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));
    const QImage image = window()->grab().toImage();
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::white));
    QLineEdit* total = window()->findChild<QLineEdit*>("txtZbirnaMasa");
    EXPECT_EQ(total->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(total->grab().toImage().pixelColor(4, 4), QColor(Qt::white));
}
