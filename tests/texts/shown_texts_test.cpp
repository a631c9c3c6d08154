// Every message, question and caption the program shows, written out here as
// the user must read it, runs of blanks and the characters "~", "{", "[",
// "@", "^", "`" and "|" included: a slip of one character in a text fails
// this test, and no other test need spell a text out again. Texts kept in
// constants and functions are compared one by one; the captions, menus,
// tooltips and prompts written inside a window are looked for among all that
// the window shows, with the boxes its commands open, where no word of
// another language may stand (tests/app/one_language_test.cpp walks Qt's
// own windows).
//
// Spelled out beside the rule that shows them instead: the field rules'
// messages and error-list columns (tests/check/field_rules_test.cpp) and the
// check digits' messages (tests/check/check_digits_test.cpp).
#include "app/main_window.h"
#include "app/splash.h"
#include "check/check_run.h"
#include "check/entry_rules.h"
#include "check/error_list.h"
#include "data/customer_data_source.h"
#include "entry/frm_popolnuvawe.h"
#include "entry/frm_vnos.h"
#include "foreign_words.h"
#include "memory_file_system.h"
#include "platform/clock.h"
#include "platform/error_text.h"
#include "platform/file_system.h"
#include "platform/program_language.h"
#include "platform/settings_store.h"
#include "print/error_list_pages.h"
#include "print/recapitulation_page.h"
#include "review/error_list_window.h"
#include "review/frm_kontrola.h"
#include "review/frm_rekapitular.h"
#include "review/recapitulation.h"
#include "review/review_check_view.h"
#include "review/review_printing.h"
#include "records.h"
#include "scripted_boxes.h"
#include "shell/box_validator.h"
#include "shell/report_form.h"
#include "shell/screen_messages.h"
#include "transfer/frm_prenos.h"
#include "version.h"
#include "window_texts.h"

#include <QAction>
#include <QSettings>

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <memory>

using namespace dorvik;
using namespace dorvik::testing;

namespace {

struct Shown {
    std::string program; // the constant, or what the function gives
    std::string user;    // the text as the user must see it
};

// Two lines that are no records listed of five, three lines ended by a
// lone CR or LF, the first of them line 7.
const FileFaults kTwoShortLines{{{12, 146}, {40, 0}}, 5, 3, 7};

const std::string kPath = "/a/PRIJAVA.TXT";

const Shown kMessages[] = {
    // Paging, saving and closing (both screens).
    {kFirstRecordMessage,
     "Dojdovte do prvata  prijava, mozete samo da se navratite na predhodnite prijavi"},
    {kLastRecordMessage,
     "Dojdovte do krajnata prijava, mozete samo da se navratite na predhodnite prijavi"},
    {kStoreFullMessage, "Datotekata vekje ima 32767 prijavi i nemoze da primi nova prijava."},
    {kSaveBeforeCheckQuestion, "Promenite vo prijavite ne se snimeni. Kontrolata ja proveruva "
                               "datotekata na diskot. Dali da se snimat prvo?"},
    {kSaveNewReportQuestion, "Novata prijava ne e snimena. Dali da se snimi?"},
    {kNoEntryIntoIncompleteFileMessage,
     "Datotekata ne e procitana celosno, pa vo nea ne mozat da se dodavaat novi prijavi."},
    {kAppendedToChangedFileNote, " Datotekata bese promeneta od drug prozorec ili program; "
                                 "prijavata e dodadena po ona sto e vo nea sega."},
    {unsavedChangesQuestion(kPath), "Promenite vo PRIJAVA.TXT ne se snimeni. Dali da se snimat?"},
    {newReportOnCloseQuestion(kPath), "Novata prijava vo PRIJAVA.TXT ne e snimena. Dali da se snimi?"},
    {savedStatus(kPath, {.records = 12, .backupPath = {}}), "Snimeni se 12 prijavi vo PRIJAVA.TXT."},
    {backupNotice(kPath, {.records = 2, .backupPath = "/a/PRIJAVA.TXT.1.bak"}),
     "Linii od PRIJAVA.TXT sto ne se prijavi od 147 znaci ne se snimeni. Originalot e zacuvan vo "
     "PRIJAVA.TXT.1.bak."},
    {refusedCharacterMessage(QStringLiteral("Ж")).toStdString(),
     "Znakot 'Ж' go nema vo kodnata strana na datotekata"},
    // Reading and writing the report file.
    {kRecordLimitMessage, "Datotekata ima povekje od 32767 slogovi. Procitani se samo prvite 32767 i "
                          "datotekata nema da se snima."},
    {kIncompleteSaveMessage, "Datotekata ne e procitana celosno i nemoze da se snimi."},
    {kChangedOnDiskQuestion, "Datotekata e promeneta od drug prozorec ili program otkako e "
                             "procitana. Ako se snimi sega, tie promeni ke se izgubat. Dali sepak "
                             "da se snimi?"},
    {tooManyBadLinesMessage(100, 10),
     "REKAPITULACIJA: Disketata ima premnogu gresni slogovi koj ne se so propisanata golemina i "
     "nemoze da se kontrolira.                 Broj na slogovi= 100            Broj na gresni "
     "slogovi= 10                                                    VRATETE ja disketata na "
     "popravka i prilozite tehnicko upatstvo za izrabotka na istata."},
    {someBadLinesMessage(100, 3), "REKAPITULACIJA: Broj na slogovi na disketata 103 ot tie  3  "
                                  "slog-a ne se so regularna dolzina i nema da se zemat vo predvid "
                                  "vo ponatamoznata obrabotka"},
    {otherLineEndsMessage(kTwoShortLines),
     "3 linii ne zavrsuvaat so CR LF (prvata: linija 7). Kontrolata ne ja pominuva datotekata "
     "dodeka ne se snimi; pri snimanjeto site linii se zapisuvaat so CR LF."},
    {namedFailure(kPath, describeSystemError(ENOENT)),
     "/a/PRIJAVA.TXT: takva datoteka ili papka ne postoi"},
    // The system's failures in the program's words.
    {describeSystemError(kNotARegularFile), "ne e obicna datoteka"},
    {describeSystemError(kReadOnlyFile), "datotekata e samo za citanje"},
    {describeSystemError(kReadOnlyFolder), "papkata e samo za citanje, pa datotekata vo nea ne "
                                           "moze bezbedno da se zameni: snimete ja vo druga papka"},
    {describeSystemError(EACCES), "nema dozvola za pristap"},
    {describeSystemError(EPERM), "nema dozvola za pristap"},
    {describeSystemError(EROFS), "diskot e samo za citanje"},
    {describeSystemError(ENOSPC), "nema mesto na diskot"},
    {describeSystemError(EDQUOT), "nema mesto na diskot"},
    {describeSystemError(ENAMETOOLONG), "imeto e predolgo"},
    {describeSystemError(EISDIR), "ova e papka, a ne datoteka"},
    {describeSystemError(ENOTDIR), "del od patekata ne e papka"},
    {describeSystemError(EIO), "greska pri citanje ili zapisuvanje na diskot"},
    {describeSystemError(EBUSY), "datotekata e zafatena"},
    {describeSystemError(ETXTBSY), "datotekata e zafatena"},
    {describeSystemError(EMFILE), "otvoreni se premnogu datoteki"},
    {describeSystemError(ENFILE), "otvoreni se premnogu datoteki"},
    {describeSystemError(ELOOP), "patekata ima premnogu simbolicki vrski"},
    {describeSystemError(ENOMEM), "nema dovolno memorija"},
    {describeOtherFailure("zip"), "neocekuvana greska na sistemot (zip)"},
    // The check run and its error list.
    {kCheckQuestion, "DALI ZAPOCNUVATE KONTROLA NA PRIJAVITE  DA/NE"},
    {kCheckPassedMessage, "KONTROLATA USPESNO E IZVRSENA"},
    {kCheckFailedMessage, "Kontrolata ne e uspesna. Procitajte ja listata <IME>.ERR za pojasnuvanje "
                          "i popravete gi gresnite prijavi."},
    {kBadNumericDataMessage, "GRESEN SLOG - NUMERICKIOT  PODATOK NE E VO RED"},
    {kBadNumericDataColumn, " Gr. slog  numerickiot podatok ne e vo red,"},
    {kListNameClashMessage, "Imeto na listata na greski e isto so imeto na datotekata so prijavite. "
                            "Preimenuvajte ja datotekata i pocnete odnovo."},
    {kQuietFindingsCheckBox, "Ne prikazuvaj gi ostanatite poraki"},
    {kCheckTitle, "KONTROLA"},
    {errorListHeader("PRIJAVA"),
     "ELMARIN\r\nA  R  H  I  V  A\r\n_______________\r\n\r\n\r\n\r\nKontrola na podatocite na "
     "datotekata:\r\nPRIJAVA\r\n\r\n\r\n\r\nSlog # ,  Opis na greskite...\r\n"
     "_______________________________________________________________________________\r\n"},
    {fileFaultLines(kTwoShortLines).at(0), "Linija 12: 146 znaci namesto 147,"},
    {fileFaultLines(kTwoShortLines).at(2), "Uste 3 linii ne se slogovi od 147 znaci,"},
    {fileFaultLines(kTwoShortLines).at(3),
     "3 linii ne zavrsuvaat so CR LF (prvata: linija 7); Snimi gi zapisuva so CR LF,"},
    {kNoErrorListMessage, "Listata na greski ne postoi. Pritisnete Kontrola za da ja napravite."},
    // The entry screen's checks.
    {kYearMessage, "Gresna  godina. Prijavata moze da bide samo vo interval pomegu 1970 i "
                   "tekovnata godina"},
    {kPeriodMessage, "Periodot treba da bide vo interval 01-31"},
    {kIncompleteReportMessage, "Prijavata ne e popolneta celosno , nemoze da se snimi"},
    {kEntryNonDigitMessage, "- SLOGOT E GRESEN - NUMERICKIOT  PODATOK NE E VO RED, Izbrisete go so "
                            "nekoj text editor ili pocnete odnovo"},
    // Search, recapitulation and printing.
    {kNotFoundMessage, "Ne e najden brojot koj se bara"},
    {unreadableAmountsMessage({7}), "Iznosot na slogot 7 ne e broj i ne e vklucen vo zbirnata masa."},
    {unreadableAmountsMessage({3, 9}),
     "Iznosite na slogovite 3, 9 ne se broevi i ne se vkluceni vo zbirnata masa."},
    {kSaveBeforeRecapitulationQuestion, "Promenite vo prijavite ne se snimeni. Rekapitulacijata se "
                                        "pecati od datotekata na diskot. Dali da se snimat prvo?"},
    {kRecapCompany, "Elmarin"},
    {kRecapHeading, "REKAPITULACIJA:"},
    {kRecapRegistration, "Registarski broj na obvrznikot za uplata na pridonesi:"},
    {kRecapEmployer, "Naziv i sedi{te na obvrznikot:"},
    {kRecapRecords, "Vkupno pro~itani slogovi dojaveni na disketa :"},
    {kRecapTotal, "Zbirna masa za uplata na pridonesi:"},
    {kRecapCurrency, "Denari"},
    {listPageHeading(QStringLiteral("PRIJAVA"), 2, 5).toStdString(),
     "PRIJAVA - Lista na greski - strana 2 od 5"},
    // The import window.
    {appendDespiteFailuresQuestion(2, 40),
     "2 redovi so greski nema da bidat dodadeni. Da se dodadat 40 ispravni prijavi?"},
    {changedMeanwhileMessage("PRIJAVA.TXT"),
     "Datotekata PRIJAVA.TXT e promeneta od drug prozorec ili program otkako e procitana. Nisto ne "
     "e dodadeno: redovite se provereni povtorno so ona sto e sega vo nea."},
    {importSummary({.rows = std::vector<import::RowResult>(45), .emptyRows = 3, .good = 43, .failed = 2}),
     "Redovi: 45  Ispravni: 43  So greski: 2  Prazni: 3"},
    // Every box without a title of its own.
    {kAppTitle, "Dorvik"},
};

TEST(ShownTexts, MessagesAndQuestionsReadAsTheUserMustSeeThem)
{
    for (const Shown& row : kMessages)
        EXPECT_EQ(row.program, row.user);
}

// All that a window shows or will show, with what the boxes its commands
// opened showed.
QStringList shownTexts(QWidget* window, const ScriptedBoxes& boxes)
{
    QStringList texts = textsOf(window);
    for (const ShownBox& box : boxes.shown())
        for (const std::string* text : {&box.message.title, &box.message.text, &box.checkBox,
                                        &box.input.title, &box.input.prompt, &box.file.title,
                                        &box.file.filter})
            texts << QString::fromStdString(*text);
    return texts;
}

struct Window {
    const char* name;
    // Opens the window, runs the commands whose boxes hold texts of their
    // own, and returns it.
    std::function<std::unique_ptr<QWidget>(AppServices, SettingsStore&)> open;
    std::vector<const char*> texts;
};

void trigger(QWidget* window, std::initializer_list<const char*> actions)
{
    for (const char* name : actions)
        window->findChild<QAction*>(QLatin1String(name))->trigger();
}

const Window kWindows[] = {
    {"main window",
     [](AppServices services, SettingsStore& settings) {
         auto window = std::make_unique<MainWindow>(services, settings);
         trigger(window.get(), {"mnuFileOpen", "mnuPrenosNaPrijavi", "mnuPrenosOdTabela", "mnuHelpAbout"});
         return window;
     },
     {"Dorvik", "&IZBOR", "K&raj", "&PRENOS", "Vnos na prijavi", "Prenos od tabela...", "&KONTROLA",
      "&Kontrola i korekcija na prijavi...", "&POMOS", "&Info", "Status", "Otvori",
      "Only text (*.*)|*.*", "Otvori nova datoteka za vnesuvanje ...",
      "Otvori tabela so podatoci za prijavite",
      "Tabeli (*.csv *.txt *.xlsx *.ods)|*.csv *.txt *.xlsx *.ods", "Verzija na programot 1.0.0"}},
    {"splash",
     [](AppServices, SettingsStore&) { return std::make_unique<Splash>(); },
     {"Dorvik", "Version 1.0.0", "Windows 95/98/Me/2000", "Elmarin", "Godisni prijavi za staz, casovi i dohod"}},
    {"review screen",
     [](AppServices services, SettingsStore&) {
         auto window = std::make_unique<frmKontrola>(services, ReportFile{kPath, false});
         trigger(window.get(), {"mnuPoLicenBr", "mnuPoMaticenBr", "mnuPoRedenBroj"});
         return window;
     },
     {"Pregled i kontrola na prijavi... - PRIJAVA.TXT", "&PREBARUVANJE", "Po L&icen broj",
      "Po M&acen broj", "Po R&eden broj", "Prebaruvanje",
      "Vnesi Licen broj za prebaruvanje so 10 num cifri",
      "Vnesi Maticen broj za prebaruvanje so 13 num cifri", "Vnesi Reden  broj na slogot",
      "&GRESKI", "&Lista na greski...", "P&ecatenje", "&Rekapitulacija...",
      "Prijavata na &ekranot...", "Rekapitulacija vo &PDF...", "Lista na greski vo P&DF...",
      "Prijavata vo PD&F...", "Vk. prijavi:", "Vkupno prijavi", "Pozicija:", "Tekovna pozicija",
      "Po~etok", "Skok na prvata prijava", "Nazad", "Vrakjanje za edno mesto nanazat", "Napred",
      "Edno mesto napred", "Kraj", "Skok na poslednata prijava", "Nova Prijava", "Snimi",
      "Pregled", "Rekap", "Kontrola", "Kontrola na podatocite"}},
    {"recapitulation",
     [](AppServices, SettingsStore&) { return std::make_unique<frmRekapitular>(); },
     {"Rekapitular za kontroliranata firma", "Registarski broj na obvrznikot",
      "Naziv i sediste na obvrznikot", "Vkupno procitani slogovi",
      "Zbirna masa za uplata na pridonesi", "&Rekapitulacija...", "Rekapitulacija vo &PDF..."}},
    {"error list",
     [](AppServices, SettingsStore&) {
         auto window = std::make_unique<ErrorListWindow>(nullptr);
         window->showList(kPath, std::nullopt, errorListHeader("PRIJAVA"));
         return window;
     },
     {"Lista na greski", "Slog", "Opis na greskite"}},
    {"entry screen",
     [](AppServices services, SettingsStore&) {
         return std::make_unique<frmVnos>(services, ReportFile{kPath, false});
     },
     {"Vnos na novi prijavi... - PRIJAVA.TXT", "Vk. prijavi:", "Vkupno prijavi", "Pozicija:",
      "Tekovna pozicija", "Po~etok", "Skok na prvata prijava", "Nazad",
      "Vrakjanje za edno mesto nanazat", "Napred", "Edno mesto napred", "Kraj",
      "Skok na poslednata prijava", "vnesi", "snimi", "pregled"}},
    {"auto-fill",
     [](AppServices, SettingsStore&) { return std::make_unique<frmPopolnuvawe>(); },
     {"Avtomatsko popolnuvanje",
      "VKLU^ETE go poleto za avto popolnuvawe i popolnete gi so soodvetna sodr`ina ako poliwata "
      "koj se prezentirani se isti za site prijavi !",
      "Godina", "Registarski broj", "Naziv na firmat ", "Aktivirawe na avto popolnuvawe",
      "Prodol`i", "Poliwa za beneficiran staz",
      "Ako nemate potreba za vnesuvawe na beneficiran sta` toga{ poliwata avtomatski ke se "
      "popolnuvat"}},
    {"report form",
     [](AppServices, SettingsStore&) {
         auto window = std::make_unique<QWidget>();
         new ReportForm(ReportForm::Kind::Review, window.get());
         new ReportForm(ReportForm::Kind::Entry, window.get());
         return window;
     },
     {"01 Broj na MF rolna - Broj na pozicija", "05 P R I J A V A", "05 P R I J A V A - ",
      "02 Raboten nalog                                                       401040",
      "03 Mati~en broj na gra|aninot",
      "NA PODATOCITE ZA UTVRDUVAWE NA STA@OT   NA  OSIGURUVAWE  I  LI^EN  DOHOD  ZA",
      "04 Registarski broj na obrznikot za uplata na pridonesi", "04 Za mati`na evidencija",
      "06 Prezime i ime", "07 Naziv i sedi{te na rabotnata organizacija",
      "Utvrden sta` na osigurenikot", "Utvrden ~ist li~en dohod",
      "Nadomest na Li~en dohot do edna godina",
      "Podatoci za vreme pominato na rab. zada~i na koi sta`ot za vreme traeweto na "
      "osiguruvaweto se smeta so zgolemeno traewe",
      "OD\nden/mes", "DO\nden/mes", "mes.\nden.", "Za vk. broj na ~asovi", "Daenari",
      "Br. na ~asovi", "Iznos na osn. po eden ~as", "god.", "Efektivno traewe",
      "Naziv na rab. zada~a", "[ifra",
      "Godina za koja se odnesuva prijavata ( 2 numericki mesta)",
      "Licen broj na gragjaninot (10 numericki mesta)",
      "Maticen broj na gragjaninot (13 numericki mesta)",
      "Registarski broj na firmata ( 10 numericki mesta)",
      "Ime i Prezime na osigurenikot ( 35 alfabetski mesta)",
      "Naziv i sediste na obvrznikot (35 alfanumericki mesta)", "Pocetok na stazot (4 num mesta)",
      "Kraj na stasot (4 num mesta)", "Vkupno meseci i denovi (4 num mesta)",
      "Vkupen broj na casovi ( 4 num mesta)", "Vkupno denari (9 num mesta)",
      "Nadomest na plata ( 4 num mesta)", "Beneficii efektivno traenje ( 4 num mesta)",
      "Stepen na zgolemuvanje ( 5 alfanum mesta)", "Sifra ( 4 num mesta)"}},
    {"import window",
     [](AppServices services, SettingsStore& settings) {
         auto window = std::make_unique<frmPrenos>(services, settings, ReportFile{kPath, false},
                                                   "/a/plata.csv");
         window->open();
         return window;
     },
     {"Prenos na prijavi od tabela - PRIJAVA.TXT", "&Razdelnik:", "Avtomatski (;)",
      "; (tocka i zapirka)", ", (zapirka)", "TAB",
      "Znakot sto gi deli kolonite vo tekstualna tabela", "&Kodiranje:", "Avtomatski (Windows-1251)", "UTF-8", "UTF-16LE", "UTF-16BE",
      "Windows-1251",
      "Kodiranjeto na znacite vo tekstualna tabela", "Prviot red e naslov na kolonite",
      "iznosot vo tabelata e kako vo poleto", "Polinja na prijavata",
      "Vrednost za site redovi", "(nema)", "(presmetaj od periodot)", "vrednost:",
      "(bez vtora kolona)", "Imeto, od vtora kolona (prezimeto e vo prvata)", "&Prikazi redovi:",
      "site", "samo so greski", "Red", "Status", "Greska", "greska",
      "Zacuvaj gi odbienite...",
      "Redovite so greski, vo CSV so kolona Greska, za da se popravat vo tabelata", "Zatvori",
      "Datoteka so prijavi: /a/PRIJAVA.TXT", "Tabela: /a/plata.csv", "Dodaj gi ispravnite (0)"}},
};

TEST(ShownTexts, EachWindowShowsItsCaptionsAsTheUserMustSeeThem)
{
    ASSERT_TRUE(installProgramLanguage()); // as at start-up: dates and Qt's words
    for (const Window& window : kWindows) {
        SCOPED_TRACE(window.name);
        QSettings(QStringLiteral("Dorvik"), QStringLiteral("Dorvik")).clear();
        MemoryFileSystem files;
        files.files[kPath] = recordLine(1) + "\r\n";
        files.files["/a/plata.csv"] = "Licen broj;Ime\r\n1;Petko\r\n";
        ScriptedBoxes boxes;
        boxes.answerFile(""); // the review command's dialog
        boxes.answerFile(""); // the entry command's
        boxes.answerFile(kPath);
        boxes.answerFile(""); // the sheet's
        FixedClock clock{std::chrono::year{2003} / 6 / 15};
        QtSettingsStore settings;
        const auto shown = window.open(AppServices{boxes, files, clock}, settings);
        const QStringList texts = shownTexts(shown.get(), boxes);
        for (const char* text : window.texts)
            EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text;
        // Nothing in another language, but for the splash's own "Version"
        // and "Windows 95/98/Me/2000".
        for (const QString& text : texts)
            EXPECT_TRUE(window.name == std::string("splash") || foreignWordsIn(text).isEmpty())
                << text.toStdString();
    }
}

} // namespace
