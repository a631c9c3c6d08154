// "Kontrola": the check run on the screen's own boxes, position and bar.
#include "review_fixture.h"

#include "platform/settings_store.h"
#include "app/main_window.h"

#include <QApplication>

using namespace dorvik;
using namespace dorvik::testing;

namespace {

const std::string kQuestion = "DALI ZAPOCNUVATE KONTROLA NA PRIJAVITE  DA/NE";
const std::string kPassed = "KONTROLATA USPESNO E IZVRSENA";
const std::string kFailed = "Kontrolata ne e uspesna. Procitajte ja listata <IME>.ERR za "
                            "pojasnuvanje i popravete gi gresnite prijavi.";
const std::string kBadData = "GRESEN SLOG - NUMERICKIOT  PODATOK NE E VO RED";

std::string expectedList(const std::vector<std::string>& recordLines)
{
    std::string list = "ELMARIN\r\nA  R  H  I  V  A\r\n" + std::string(15, '_') + "\r\n\r\n\r\n\r\n"
                       + "Kontrola na podatocite na datotekata:\r\n/a/PRIJAVA\r\n\r\n\r\n\r\n"
                       + "Slog # ,  Opis na greskite...\r\n" + std::string(79, '_') + "\r\n";
    for (const auto& line : recordLines)
        list += line + "\r\n";
    return list + std::string(79, '_') + "\r\n";
}

struct Seen {
    std::string text;
    QString position;
    QString licenBroj;
    QString godina;
    QColor licenColour;
    QColor godinaColour;
    QColor casoviColour;
    QColor boleduvanjeColour;
    bool progressVisible = false;
};

struct CheckTest : ReviewTest {
    std::vector<Seen> seen;
    // Records what the screen shows while each message box is open.
    void watch()
    {
        boxes.onShow([this](const ShownBox& shown) {
            if (shown.kind != ShownBox::Kind::Message)
                return;
            seen.push_back({shown.message.text, position(), text(Field::LicenBroj),
                            text(Field::Godina), background(box(Field::LicenBroj)),
                            background(box(Field::Godina)), background(box(Field::VkRabCasovi)),
                            background(box(Field::Boleduvanje)), progress()->isVisible()});
        });
    }
    const Seen& at(const std::string& text)
    {
        for (const Seen& s : seen)
            if (s.text == text)
                return s;
        ADD_FAILURE() << "no box " << text;
        static Seen none;
        return none;
    }
};

const QColor kSilver(192, 192, 192);
const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);

} // namespace

TEST_F(CheckTest, CleanFilePassesWithAnEmptyListAndStandsOnTheLastRecord)
{
    open(cleanLines(3));
    watch();
    boxes.answer(Answer::Yes);
    click("cmdKontrola");
    EXPECT_EQ(boxes.messageTexts(), (std::vector<std::string>{kQuestion, kPassed}));
    const MessageRequest& question = boxes.shown()[0].message;
    EXPECT_EQ(question.buttons, Buttons::YesNo);
    EXPECT_EQ(question.defaultButton, Answer::No);
    const MessageRequest& verdict = boxes.shown()[1].message;
    EXPECT_EQ(verdict.title, "KONTROLA");
    EXPECT_EQ(verdict.icon, Icon::Information);
    EXPECT_EQ(files.files[kListPath], expectedList({}));

    // While the verdict is open the screen already shows where it ends.
    EXPECT_EQ(at(kPassed).position, "3");
    EXPECT_FALSE(at(kPassed).progressVisible);
    EXPECT_EQ(position(), "3");
    EXPECT_EQ(name(), "Ime Prezime 3");
    EXPECT_FALSE(progress()->isVisible());
    // The shown record is a real one: paging and saving act on it.
    click("cmdPrev");
    EXPECT_EQ(name(), "Ime Prezime 2");
    EXPECT_EQ(position(), "2");
    const std::string report = file();
    click("cmdRec");
    EXPECT_EQ(file(), report);
    // A second run writes the same list again.
    files.files.erase(kListPath);
    boxes.answer(Answer::Yes);
    click("cmdKontrola");
    EXPECT_EQ(files.files[kListPath], expectedList({}));
    EXPECT_EQ(files.files.size(), 2u);
}

TEST_F(CheckTest, LuhnFailurePaintsTheBoxWhileItsMessageIsOpen)
{
    open({lineWith(1, {{Field::LicenBroj, "1111111191"}}), recordLine(2)});
    watch();
    boxes.answer(Answer::Yes);
    click("cmdKontrola");
    const Seen& luhn = at("LICNIOT  BROJ E GRESEN  PO MODUL 10");
    EXPECT_EQ(luhn.position, "1");
    EXPECT_EQ(luhn.licenBroj, "1111111191");
    EXPECT_EQ(luhn.licenColour, kRed);
    EXPECT_TRUE(luhn.progressVisible);
    EXPECT_EQ(boxes.shown()[1].message.title, "Kontrola");
    EXPECT_EQ(lastMessage(), kPassed);
    EXPECT_EQ(files.files[kListPath], expectedList({"000001 ,1111111191 Gr. mod 10 ,"}));
    EXPECT_EQ(background(box(Field::LicenBroj)), kSilver);
}

TEST_F(CheckTest, BadYearAndBadNumericDataStandBesideTheirRecords)
{
    open({recordLine(1), lineWith(2, {{Field::Godina, "69"}}), lineWith(3, {{Field::Godina, "9A"}}),
          recordLine(4)});
    watch();
    boxes.answer(Answer::Yes);
    click("cmdKontrola");
    EXPECT_EQ(boxes.messageTexts(),
              (std::vector<std::string>{
                  kQuestion,
                  "Gresna  godina. Prijavata moze da bide samo vo interval pomegu 1970 i tekovnata godina",
                  kBadData, kFailed}));
    const Seen& year = seen[1];
    EXPECT_EQ(year.position, "2");
    EXPECT_EQ(year.godina, "69");
    EXPECT_EQ(year.godinaColour, kRed);
    EXPECT_EQ(year.licenColour, kSilver);
    const Seen& data = at(kBadData);
    EXPECT_EQ(data.position, "3");
    EXPECT_EQ(data.godina, "9A");
    EXPECT_EQ(data.godinaColour, kSilver);
    EXPECT_EQ(files.files[kListPath],
              expectedList({"000002 ,69       Gr. godina ,",
                            "000003 ,9A Gr. slog  numerickiot podatok ne e vo red,"}));
    EXPECT_EQ(position(), "4");
    EXPECT_EQ(background(box(Field::Godina)), kSilver);
}

TEST_F(CheckTest, HoursWarningPaintsYellow)
{
    open({lineWith(1, {{Field::Godina, "90"}, {Field::VkRabCasovi, "2050"}})});
    watch();
    boxes.answer(Answer::Yes);
    click("cmdKontrola");
    const Seen& warning = at("Mozna greska vo casovite");
    EXPECT_EQ(warning.casoviColour, kYellow);
    EXPECT_EQ(warning.boleduvanjeColour, kYellow);
    EXPECT_EQ(lastMessage(), kPassed);
    EXPECT_EQ(background(box(Field::VkRabCasovi)), kSilver);
}

TEST_F(CheckTest, NoLeavesAnOldListAndTheScreenAlone)
{
    open(cleanLines(5));
    files.files[kListPath] = "old list";
    click("cmdNext");
    watch();
    boxes.answer(Answer::No);
    click("cmdKontrola");
    EXPECT_EQ(boxes.messageTexts(), std::vector<std::string>{kQuestion});
    // The question stands beside the record shown.
    EXPECT_EQ(at(kQuestion).position, "2");
    EXPECT_EQ(files.files[kListPath], "old list");
    EXPECT_EQ(position(), "2");
    EXPECT_EQ(name(), "Ime Prezime 2");
}

TEST_F(CheckTest, EmptyFilePassesWithHeaderAndFooterOnly)
{
    open({});
    boxes.answer(Answer::Yes);
    click("cmdKontrola");
    EXPECT_EQ(lastMessage(), kPassed);
    EXPECT_EQ(files.files[kListPath], expectedList({}));
    EXPECT_EQ(position(), "0");
    EXPECT_EQ(total(), "0");
}

TEST_F(CheckTest, ListThatCannotBeWrittenEndsTheRunWhereItStood)
{
    open(cleanLines(3));
    click("cmdLast");
    files.openError = "Permission denied";
    boxes.answer(Answer::Yes);
    click("cmdKontrola");
    EXPECT_EQ(lastMessage(), "Permission denied");
    EXPECT_EQ(position(), "3");
    EXPECT_EQ(name(), "Ime Prezime 3");
}

TEST_F(CheckTest, NothingElseRunsAndNothingClosesDuringTheRun)
{
    struct NoSettings : SettingsStore {
        std::optional<double> number(const QString&, const QString&) const override { return {}; }
        void setNumber(const QString&, const QString&, double) override {}
    } settings;
    files.files[kReportPath] = fileOf({lineWith(1, {{Field::LicenBroj, "1111111191"}}),
                                       recordLine(2), recordLine(3)});
    MainWindow main({boxes, files, clock}, settings);
    main.show();
    boxes.answerFile(kReportPath);
    main.openForReview();
    ASSERT_EQ(main.openScreens().size(), 1u);
    auto* review = qobject_cast<frmKontrola*>(main.openScreens()[0]);
    ASSERT_NE(review, nullptr);
    auto* pozicija = review->findChild<QLineEdit*>("txtPozicija");
    QPointer<frmKontrola> alive(review);

    bool screenClosed = true;
    bool mainClosed = true;
    QString positionAfterClicks;
    int boxesBefore = 0;
    int boxesAfter = 0;
    boxes.onShow([&](const ShownBox& shown) {
        if (shown.message.text != "LICNIOT  BROJ E GRESEN  PO MODUL 10")
            return;
        screenClosed = review->close();
        mainClosed = main.close();
        boxesBefore = static_cast<int>(boxes.shown().size());
        review->findChild<QToolButton*>("cmdNext")->click();
        review->findChild<QToolButton*>("cmdAddNew")->click();
        review->findChild<QAction*>("mnuPoRedenBroj")->trigger();
        review->findChild<QToolButton*>("cmdRekap")->click();
        review->findChild<QToolButton*>("cmdKontrola")->click();
        boxesAfter = static_cast<int>(boxes.shown().size());
        positionAfterClicks = pozicija->text();
    });
    boxes.answer(Answer::Yes);
    review->findChild<QToolButton*>("cmdKontrola")->click();
    EXPECT_FALSE(screenClosed);
    EXPECT_FALSE(mainClosed);
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(boxesAfter, boxesBefore);
    EXPECT_EQ(positionAfterClicks, "1");
    EXPECT_EQ(review->rekapitular(), nullptr);
    ASSERT_FALSE(alive.isNull());
    EXPECT_EQ(pozicija->text(), "3");
    EXPECT_TRUE(review->findChild<QToolButton*>("cmdNext")->isVisible());

    // Once the run is over both close as usual.
    boxes.onShow({});
    EXPECT_TRUE(main.close());
    QApplication::processEvents();
    EXPECT_TRUE(alive.isNull());
}

TEST_F(CheckTest, KontrolaIsOffWhileANewReportIsTyped)
{
    open(cleanLines(2));
    click("cmdAddNew");
    EXPECT_FALSE(button("cmdKontrola")->isEnabled());
    screen->check();
    EXPECT_TRUE(boxes.shown().empty());
    click("cmdPreview");
    EXPECT_TRUE(button("cmdKontrola")->isEnabled());
}

TEST_F(CheckTest, EditsOnScreenAreCheckedAndListedAsShown)
{
    open(cleanLines(2));
    click("cmdNext");
    QLineEdit* year = box(Field::Godina);
    year->selectAll();
    QTest::keyClicks(year, "04"); // after 2003
    boxes.answer(Answer::Yes);
    click("cmdKontrola");
    EXPECT_EQ(files.files[kListPath], expectedList({"000002 ,04       Gr. godina ,"}));
    EXPECT_EQ(lastMessage(), kFailed);
}
