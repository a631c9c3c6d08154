// The review screen's "P&ecatenje" menu and the recapitulation window's
// printing: which documents, under which names, through which boxes, and
// that a cancel or a failure leaves no file behind.
#include "review_fixture.h"

#include "check/error_list.h"
#include "pdf_pages.h"
#include "print/pdf_document.h"
#include "review/error_list_window.h"
#include "review/frm_rekapitular.h"
#include "review/review_printing.h"

#include <QMenu>
#include <QMenuBar>

using namespace dorvik;
using namespace dorvik::testing;

namespace {

const char* const kPdfPath = "/a/out.pdf";

struct PrintTest : ReviewTest {
    PrintTest() { files.files[kListPath] = errorListHeader("/a/PRIJAVA") + std::string(kErrorListFooter); }

    // Triggers a menu item, answering its save dialog with the path.
    void toPdf(const char* item, const std::string& path = kPdfPath)
    {
        boxes.answerFile(path);
        action(item)->trigger();
    }
    std::string pdf(const std::string& path = kPdfPath) const
    {
        const auto it = files.files.find(path);
        return it == files.files.end() ? std::string() : it->second;
    }
};

const char* const kPrintItems[] = {"mnuPecatiRekapitulacija", "mnuPecatiListaNaGreski",
                                   "mnuPecatiPrijava", "mnuRekapitulacijaPdf",
                                   "mnuListaNaGreskiPdf", "mnuPrijavaPdf"};

} // namespace

TEST_F(PrintTest, TheMenuComesLastAndOffersWhatCanBePrinted)
{
    open(fileOf(records(2)));
    auto* bar = screen->findChild<QMenuBar*>();
    QStringList menus;
    for (QAction* menu : bar->actions())
        menus << menu->text();
    EXPECT_EQ(menus, QStringList({"&PREBARUVANJE", "&GRESKI", "P&ecatenje"}));
    QStringList captions;
    for (QAction* item : screen->findChild<QMenu*>("mnuPecatenje")->actions())
        captions << (item->isSeparator() ? QStringLiteral("-") : item->text());
    EXPECT_EQ(captions, QStringList({"&Rekapitulacija...", "&Lista na greski...",
                                     "Prijavata na &ekranot...", "-", "Rekapitulacija vo &PDF...",
                                     "Lista na greski vo P&DF...", "Prijavata vo PD&F..."}));

    // Which items are enabled: recapitulation, list, record; preview and PDF alike.
    struct Case {
        const char* what;
        int records;
        bool newReport;
        bool typedAndSaved;
        std::array<bool, 3> enabled;
    };
    const Case cases[] = {
        {"records", 2, false, false, {true, true, true}},
        {"no records", 0, false, false, {false, false, false}},
        {"a new report", 2, true, false, {true, true, false}},
        {"the first report saved", 0, true, true, {true, true, false}},
    };
    for (const Case& c : cases) {
        open(fileOf(records(c.records)));
        if (c.newReport)
            click("cmdAddNew");
        if (c.typedAndSaved) {
            typeRecord(1);
            click("cmdRec");
        }
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(action(kPrintItems[i])->isEnabled(), c.enabled[i % 3]) << c.what << " " << kPrintItems[i];
    }
}

// Each document to PDF through its save dialog, and to its preview.
TEST_F(PrintTest, EachPdfGoesBesideTheReportUnderItsOwnName)
{
    LocaleGuard english(kEnglish);
    open(fileOf({lineWith(1, {{Field::Denari, "000150000"}}), lineWith(2, {{Field::Denari, "000250050"}})}));
    click("cmdNext");
    struct Case {
        const char* item;
        const char* title;
        const char* name;
        const char* size;
        const char* preview;
        const char* previewTitle;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"mnuRekapitulacijaPdf", "Rekapitulacija vo PDF", "PRIJAVA-rekap.pdf", "595 x 842 pts (A4)",
         "mnuPecatiRekapitulacija", "PRIJAVA - Rekapitulacija",
         {"Zbirna masa za uplata na pridonesi: 4,000.00 Denari", "/a/PRIJAVA.TXT", "6/15/2003",
          "Vkupno pro~itani slogovi dojaveni na disketa : 2"}},
        {"mnuListaNaGreskiPdf", "Lista na greski vo PDF", "PRIJAVA-lista.pdf", "595 x 842 pts (A4)",
         "mnuPecatiListaNaGreski", "PRIJAVA - Lista na greski",
         {"PRIJAVA - Lista na greski - strana 1 od 1", "Kontrola na podatocite na datotekata:"}},
        {"mnuPrijavaPdf", "Prijavata vo PDF", "PRIJAVA-slog-2.pdf", "842 x 595 pts (A4)", "mnuPecatiPrijava",
         "PRIJAVA - prijava 2", {"Nov Covek", "PRIJAVA.TXT - prijava 2 od 2", "6/15/2003", "000250050"}},
    };
    for (const Case& c : cases) {
        boxes.clear();
        files.files.erase(kPdfPath);
        if (c.item == std::string("mnuPrijavaPdf"))
            type(Field::ImePrezime, "Nov Covek"); // not saved: the record prints as shown
        toPdf(c.item);
        ASSERT_EQ(boxes.shown().size(), 1u) << c.item;
        const FileDialogRequest& dialog = boxes.shown()[0].file;
        EXPECT_EQ(boxes.shown()[0].kind, ShownBox::Kind::SaveFile);
        EXPECT_EQ(dialog.title, c.title);
        EXPECT_EQ(dialog.initialFolder, "/a");
        EXPECT_EQ(dialog.initialName, c.name);
        EXPECT_EQ(dialog.defaultSuffix, "pdf");
        action(c.preview)->trigger();
        const ShownPreview& preview = printing.previews().back();
        EXPECT_EQ(preview.title, c.previewTitle);
        for (const std::string& bytes : {pdf(), preview.pdf}) {
            EXPECT_EQ(pdfPageCountOf(bytes), 1) << c.item;
            EXPECT_EQ(pdfPageSizeOf(bytes), c.size) << c.item;
            for (const std::string& text : c.texts)
                EXPECT_TRUE(holds(foldBlanks(pdfTextOf(bytes)), text)) << c.item << ": " << text;
        }
    }
    EXPECT_EQ(file(), fileOf({lineWith(1, {{Field::Denari, "000150000"}}),
                              lineWith(2, {{Field::Denari, "000250050"}})}));
}

TEST_F(PrintTest, APdfIsWrittenWholeOrNotAtAll)
{
    open(fileOf(records(3)));
    std::string list = errorListHeader("/a/PRIJAVA");
    for (int line = 0; line < 200; ++line)
        list += "000001 ,x\r\n";
    files.files[kListPath] = list;

    // Printed to a file from the preview's print dialog, in the layout chosen there.
    click("cmdLast");
    printing.answerPreview({PrintOutcome::Kind::ToFile, "/a/printed.pdf", a4Page(QPageLayout::Portrait)});
    action("mnuPecatiPrijava")->trigger();
    EXPECT_EQ(pdfPageSizeOf(pdf("/a/printed.pdf")), "595 x 842 pts (A4)");
    EXPECT_TRUE(holds(foldBlanks(pdfTextOf(pdf("/a/printed.pdf"))), "PRIJAVA.TXT - prijava 3 od 3"));
    EXPECT_EQ(files.files.size(), 3u); // the report, its list and the printed file
    // A preview whose drawing was cancelled writes nothing.
    printing.cancelAt(1);
    printing.answerPreview({PrintOutcome::Kind::ToFile, "/a/cancelled.pdf", a4Page(QPageLayout::Portrait)});
    action("mnuPecatiListaNaGreski")->trigger();
    EXPECT_FALSE(printing.previews().back().drawn);
    EXPECT_EQ(files.files.count("/a/cancelled.pdf"), 0u);
    // The save dialog cancelled.
    toPdf("mnuRekapitulacijaPdf", "");
    EXPECT_EQ(pdf(), "");
    // The drawing cancelled from its progress box: the old file stays.
    files.files[kPdfPath] = "old";
    printing.cancelAt(61);
    toPdf("mnuListaNaGreskiPdf");
    EXPECT_EQ(pdf(), "old");
    ASSERT_EQ(printing.progresses().size(), 2u);
    EXPECT_EQ(printing.progresses()[1].maximum, 213);
    EXPECT_EQ(printing.lastSteps()[1], 61);
    // Not written (a full disk): the platform's message naming the file.
    boxes.clear();
    files.writeRoom = 1000;
    toPdf("mnuPrijavaPdf");
    EXPECT_EQ(pdf(), "old");
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"/a/out.pdf: nema mesto na diskot"});
    // A list that cannot be read: the platform's message naming it; no dialog.
    boxes.clear();
    files.failReadAfterBlocks = 0;
    action("mnuListaNaGreskiPdf")->trigger();
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"/a/PRIJAVA.err: greska pri citanje ili zapisuvanje na diskot"});
    // Without a list, what the list window says (its box: tests/review/review_check_test.cpp).
    boxes.clear();
    files.failReadAfterBlocks = -1;
    files.files.erase(kListPath);
    action("mnuPecatiListaNaGreski")->trigger();
    action("mnuListaNaGreskiPdf")->trigger();
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{kNoErrorListMessage, kNoErrorListMessage}));
    EXPECT_EQ(printing.previews().size(), 2u);
}

TEST_F(PrintTest, TheRecapitulationIsPrintedFromTheFileAsSaved)
{
    LocaleGuard english(kEnglish);
    open(fileOf(records(2)));
    type(Field::Denari, "000990000");
    // No: nothing printed, nothing saved (the question's box: tests/review/review_check_test.cpp).
    boxes.answer(Answer::No);
    action("mnuPecatiRekapitulacija")->trigger();
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{kSaveBeforeRecapitulationQuestion});
    EXPECT_TRUE(printing.previews().empty());
    EXPECT_EQ(file(), fileOf(records(2)));
    // Yes: saved first, then printed with the new amount.
    boxes.answer(Answer::Yes);
    action("mnuRekapitulacijaPdf")->trigger();
    EXPECT_EQ(file(), fileOf({lineWith(1, {{Field::Denari, "000990000"}}), recordLine(2)}));
    ASSERT_EQ(boxes.shown().size(), 3u); // the question twice, then the save dialog
    EXPECT_EQ(boxes.shown()[2].kind, ShownBox::Kind::SaveFile);

    // The recapitulation window prints too: Ctrl+P to the preview, its context menu to PDF.
    click("cmdRekap");
    frmRekapitular* window = screen->rekapitular();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->actions().size(), 2);
    EXPECT_EQ(window->contextMenuPolicy(), Qt::ActionsContextMenu);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(printing.previews().size(), 1u);
    EXPECT_EQ(printing.previews()[0].title, "PRIJAVA - Rekapitulacija");
    boxes.answerFile(kPdfPath);
    window->findChild<QAction*>("mnuPecatiPdf")->trigger();
    EXPECT_EQ(pdfPageCountOf(pdf()), 1);
}
