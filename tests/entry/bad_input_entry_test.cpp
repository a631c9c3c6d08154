// Bad input on the entry screen and its auto-fill dialog: text pasted into
// every box. Whatever is pasted, a box holds at most its field's width of
// code-page characters, and nothing but a complete report reaches the file.
#include "entry/frm_popolnuvawe.h"
#include "check/entry_rules.h"
#include "check/check_digits.h"
#include "entry_fixture.h"

#include <QCheckBox>
#include <QClipboard>

using namespace dorvik;
using namespace dorvik::testing;

namespace {
const std::string kYear =
    "Gresna  godina. Prijavata moze da bide samo vo interval pomegu 1970 i tekovnata godina";
const std::string kPeriod = "Periodot treba da bide vo interval 01-31";

void pasteInto(QLineEdit* box, const QString& text)
{
    QApplication::clipboard()->setText(text);
    box->setFocus();
    box->selectAll();
    box->paste();
    QApplication::processEvents();
}
} // namespace

TEST_F(EntryTest, TextPastedIntoEveryBoxIsCutToItsFieldAndNeverSavedAsAReport)
{
    open();
    // A character outside the file's code page: the paste is refused whole.
    for (int i = 0; i < kFieldCount; ++i) {
        pasteInto(box(fieldAt(i)), QStringLiteral("1") + QChar(0x4E2D));
        EXPECT_EQ(text(fieldAt(i)), "") << i;
    }
    EXPECT_TRUE(boxes.shown().empty());

    // Letters, blanks and a line break, longer than any field: cut at the
    // width, then judged as the box judges typed text.
    const QString pasted = QStringLiteral("ab cd\nef gh ij kl mn op qr st uv wx yz AB CD EF GH");
    for (int i = 0; i < kFieldCount; ++i)
        pasteInto(box(fieldAt(i)), pasted);
    for (int i = 0; i < kFieldCount; ++i)
        EXPECT_LE(text(fieldAt(i)).size(), fieldWidth(fieldAt(i))) << i;
    // The year and both periods fail their rules and are wiped; the three
    // identifiers are told to hold no number (the personal number by both of
    // its tests) and are kept for the user to correct.
    EXPECT_EQ(boxes.messageTexts(),
              (std::vector<std::string>{kYear, kEntryNonDigitMessage, kEntryNonDigitMessage,
                                        kEntryNonDigitMessage, kEntryNonDigitMessage, kPeriod,
                                        kPeriod}));
    EXPECT_EQ(text(Field::Godina), "");
    EXPECT_EQ(text(Field::PeriodOd), "");
    EXPECT_EQ(text(Field::LicenBroj), pasted.left(10));
    EXPECT_EQ(text(Field::Denari), pasted.left(9));

    boxes.clear();
    pressButton("cmdSnimi");
    EXPECT_EQ(boxes.messageTexts(), std::vector<std::string>{kIncompleteReportMessage});
    EXPECT_EQ(files.files[kFile], "");
    EXPECT_EQ(text(Field::Denari), pasted.left(9));
}

TEST_F(EntryTest, TextPastedIntoTheAutoFillBoxesIsCutOrRefused)
{
    frmPopolnuvawe dialog;
    dialog.show();
    dialog.chkBox()->click();
    for (QLineEdit* b : {dialog.txtGodinaA(), dialog.txtRegistarskiBrojA(), dialog.txtFirmaA()}) {
        pasteInto(b, QChar(0x4E2D) + QStringLiteral(" Tekstil"));
        EXPECT_EQ(b->text(), "") << b->objectName().toStdString();
        pasteInto(b, QStringLiteral("Tekstil DOO Bitola, ul. Marsal Tito 15, 7000 Bitola"));
    }
    dialog.cmdProdolzi()->click();
    EXPECT_EQ(Module1::AutoGodina, "Te");
    EXPECT_EQ(Module1::AutoRegistarskiBroj, "Tekstil DO");
    EXPECT_EQ(Module1::AutoFirma, "Tekstil DOO Bitola, ul. Marsal Tito");

    // The entry screen meets these values with its own rules on "vnesi".
    open();
    EXPECT_EQ(boxes.messageTexts(), (std::vector<std::string>{kEntryNonDigitMessage, kYear}));
    EXPECT_EQ(text(Field::Godina), "");
    typeCompleteReport();
    pressButton("cmdSnimi");
    EXPECT_EQ(boxes.messageTexts().back(), kIncompleteReportMessage);
    EXPECT_EQ(files.files[kFile], "");
}

TEST_F(EntryTest, AFileThatCannotBeReadTakesNoReport)
{
    withRecords(3);
    const std::string before = files.files[kFile];
    files.readError = "Input/output error";
    open();
    EXPECT_EQ(boxes.messageTexts(), std::vector<std::string>{"Input/output error"});
    // A save over a file read only in part would cost the rest of the file:
    // the store refuses it and says why.
    typeCompleteReport();
    boxes.clear();
    pressButton("cmdSnimi");
    EXPECT_EQ(boxes.messageTexts(), std::vector<std::string>{kIncompleteSaveMessage});
    EXPECT_EQ(files.files[kFile], before);
}
