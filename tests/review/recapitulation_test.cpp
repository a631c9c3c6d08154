// "Rekap": the sums and the recapitulation window.
#include "review_fixture.h"

#include "review/frm_rekapitular.h"
#include "review/recapitulation.h"

#include <numeric>

using namespace dorvik;
using namespace dorvik::testing;

TEST(Recapitulation, AmountsTotalsAndTheirNotice)
{
    const std::pair<const char*, std::optional<std::int64_t>> amounts[] = {
        {"000250050", 2500}, {"         ", 0},         {"   123456", 1234}, {"9999999  ", 9999999},
        {"0001A0000", {}},   {"00 150000", {}},        {"       12", {}},    {"12", {}}};
    for (const auto& [denari, whole] : amounts)
        EXPECT_EQ(wholeDenari(denari), whole) << denari;
    EXPECT_EQ(formatTotal(0, kEnglish), ".00");
    EXPECT_EQ(formatTotal(999, kEnglish), "999.00");
    EXPECT_EQ(formatTotal(std::int64_t{32767} * 9999999, kEnglish), "327,669,967,233.00");
    EXPECT_EQ(formatTotal(4000, QLocale(QLocale::German, QLocale::Germany)), "4.000,00");
    // Twenty records are named, then "...".
    std::vector<int> many(21);
    std::iota(many.begin(), many.end(), 1);
    EXPECT_TRUE(unreadableAmountsMessage({many.begin(), many.end() - 1})
                    .ends_with(" 19, 20 ne se broevi i ne se vkluceni vo zbirnata masa."));
    EXPECT_TRUE(
        unreadableAmountsMessage(many).ends_with(" 19, 20, ... ne se broevi i ne se vkluceni vo zbirnata masa."));
}

TEST_F(ReviewTest, RekapShowsTheCompanyTheCountAndTheTotal)
{
    LocaleGuard english(kEnglish);
    const std::string firm(35, 'W');
    open(fileOf({lineWith(1, {{Field::Firma, firm}}), lineWith(2, {{Field::Denari, "000250050"}}),
                 lineWith(3, {{Field::Denari, "00A150000"}})}));
    click("cmdNext");
    type(Field::Denari, "000250050"); // not saved: it counts all the same
    click("cmdRekap");
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{unreadableAmountsMessage({3})});
    frmRekapitular* window = screen->rekapitular();
    ASSERT_NE(window, nullptr);
    auto value = [window](const char* name) { return window->findChild<QLineEdit*>(name); };
    EXPECT_EQ(value("txtZbirnaMasa")->text(), "4,000.00");
    EXPECT_EQ(value("txtSlogovi")->text(), "3");
    EXPECT_EQ(value("txtReg")->text(), "1234567897");
    QLineEdit* employer = value("txtIme");
    EXPECT_EQ(employer->text(), QString::fromStdString(firm));
    // The whole name shows.
    EXPECT_GE(employer->width() - 8, employer->fontMetrics().horizontalAdvance(employer->text()));
    EXPECT_EQ(counters(), "2/3");
    EXPECT_FALSE(screen->findChild<QProgressBar*>("prgView")->isVisible());
    click("cmdNext"); // the screen goes on
    EXPECT_EQ(counters(), "3/3");
}
