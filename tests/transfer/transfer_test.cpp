// The import window: what it shows of a sheet, the append it asks about,
// the rejected rows, and the mapping it remembers.
#include "transfer_fixture.h"

#include "data/customer_data_source.h"
#include "import/mapping.h"
#include "transfer/mapping_editor.h"
#include "transfer/preview_model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>

using namespace dorvik;
using namespace dorvik::testing;

namespace {

const std::string kHeader = "Licen broj;EMBG;Prezime;Ime;Period od;Period do;Casovi;Iznos\r\n";

std::string row(const std::string& mb, const std::string& surname, const std::string& amount = "12345,50")
{
    return "1111111181;" + mb + ";" + surname + ";Ana;1.1.2026;31.12.2026;2088;" + amount + "\r\n";
}

// Five rows, of which the second and the fifth fail.
const std::string kSheet = kHeader + row("0101980450008", "Petrova") + row("123", "Losa")
                           + row("2305853450009", "Ilieva") + row("3112704450021", "Mileva")
                           + row("1206881450039", "Vtora", "-5");

void setValue(MappingEditor* editor, Field field, const QString& value)
{
    QComboBox* source = editor->source(field);
    source->setCurrentIndex(source->count() - 1); // "vrednost:"
    editor->value(field)->setText(value);
    emit editor->value(field)->textEdited(value);
    emit editor->value(field)->editingFinished();
}

} // namespace

struct TransferWindow : TransferTest {
    void SetUp() override
    {
        TransferTest::SetUp();
        Module1::AutoRegistarskiBroj = "1234567897";
        Module1::AutoFirma = "Firma DOO Skopje";
        Module1::AutoGodina = "26";
        files.files[kReportPath] = fileOf(records(3));
        ASSERT_TRUE(open(kSheet));
    }
    QString rows() const { return screen->findChild<QLabel*>("lblRedovi")->text(); }
    QVariant cell(int row, Field field, int role) const
    {
        const PreviewModel* model = screen->previewModel();
        return model->data(model->index(row, PreviewModel::kFirstFieldColumn + static_cast<int>(field)), role);
    }
};

TEST_F(TransferWindow, ThePreviewShowsEveryRowAsItWillBeStored)
{
    EXPECT_EQ(rows(), "Redovi: 5  Ispravni: 3  So greski: 2  Prazni: 0");
    EXPECT_EQ(button("cmdDodaj")->text(), "Dodaj gi ispravnite (3)");
    // The auto-fill values of the entry screen fill what the sheet lacks.
    EXPECT_EQ(cell(0, Field::Firma, Qt::DisplayRole).toString(), "Firma DOO Skopje");
    // A failing cell is red and says why.
    EXPECT_EQ(cell(1, Field::MaticenBroj, Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 0, 0));
    EXPECT_EQ(cell(1, Field::MaticenBroj, Qt::ToolTipRole).toString(),
              "MATICNIOT BROJ NA GRAGANINOT E GRESEN PO MODUL OD 11");
    EXPECT_FALSE(cell(0, Field::MaticenBroj, Qt::BackgroundRole).isValid());

    screen->findChild<QComboBox*>("cboPrikaz")->setCurrentIndex(1); // "samo so greski"
    const PreviewModel* model = screen->previewModel();
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->data(model->index(1, PreviewModel::kRowColumn), Qt::DisplayRole).toInt(), 6);
    EXPECT_EQ(model->data(model->index(1, PreviewModel::kStatusColumn), Qt::ToolTipRole).toString(),
              "Denari '-5': negativen broj");
    EXPECT_EQ(model->data(model->index(1, PreviewModel::kProblemsColumn), Qt::DisplayRole).toString(),
              "Denari '-5': negativen broj");
    EXPECT_EQ(files.files.at(kReportPath), fileOf(records(3))); // nothing written before "Dodaj"
}

TEST_F(TransferWindow, DodajAsksFirstAndAppendsAllGoodRowsOrNone)
{
    const std::string before = file();

    boxes.answer(Answer::No);
    click("cmdDodaj");
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_TRUE(isBox(boxes.shown()[0], "Dorvik",
                      "2 redovi so greski nema da bidat dodadeni. Da se dodadat 3 ispravni prijavi?",
                      Icon::None, Buttons::YesNo, Answer::No));
    EXPECT_EQ(file(), before);

    // A failed write is told (that the file and the rows to be added stay as
    // they were: the import core's test).
    files.commitError = "Input/output error";
    boxes.clear();
    boxes.answer(Answer::Yes);
    click("cmdDodaj");
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{appendDespiteFailuresQuestion(2, 3),
                                                       "/a/PRIJAVA.TXT: Input/output error"}));

    files.commitError.clear();
    boxes.clear();
    boxes.answer(Answer::Yes);
    boxes.answer(Answer::Yes);
    click("cmdDodaj");
    // The good rows after the old lines, in the sheet's order: the import core's test.
    EXPECT_EQ(linesOf(file()).size(), 6u);
    EXPECT_TRUE(isBox(boxes.shown().at(1), "Dorvik",
                      "Dodadeni se 3 prijavi vo PRIJAVA.TXT. Da se otvori datotekata za kontrola?",
                      Icon::None, Buttons::YesNo, Answer::No));
    // The review it asks for and the saved file's status line: the main window's test.
    EXPECT_EQ(button("cmdDodaj")->text(), "Dodaj gi ispravnite (0)");
    EXPECT_FALSE(button("cmdDodaj")->isEnabled());
    EXPECT_EQ(screen->previewModel()->data(screen->previewModel()->index(0, PreviewModel::kStatusColumn),
                                           Qt::DisplayRole),
              "dodadena");

    // The same rows again are the file's: nothing more to add.
    setValue(screen->mappingEditor(), Field::Firma, "Firma DOO Skopje");
    EXPECT_EQ(rows(), "Redovi: 5  Ispravni: 0  So greski: 5  Prazni: 0");
}

TEST_F(TransferWindow, AFileWrittenMeanwhileIsCheckedAgainBeforeAnythingIsAdded)
{
    // Another window added the first good row's record in the meantime.
    const std::string meanwhile = file() + std::string(screen->plan().rows[0].line()) + "\r\n";
    files.files[kReportPath] = meanwhile;
    click("cmdDodaj");
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{changedMeanwhileMessage("PRIJAVA.TXT")});
    EXPECT_EQ(file(), meanwhile);
    EXPECT_EQ(rows(), "Redovi: 5  Ispravni: 2  So greski: 3  Prazni: 0");
    boxes.answer(Answer::Yes);
    boxes.answer(Answer::No);
    click("cmdDodaj");
    EXPECT_EQ(linesOf(file()).size(), 6u);
    EXPECT_EQ(file().substr(0, meanwhile.size()), meanwhile);
}

TEST_F(TransferWindow, TheRejectedRowsGoWhereTheUserSays)
{
    boxes.answerFile("/b/odbieni.csv");
    click("cmdOdbieni");
    const FileDialogRequest& request = boxes.shown().at(0).file;
    EXPECT_EQ(boxes.shown().at(0).kind, ShownBox::Kind::SaveFile);
    EXPECT_EQ(request.initialFolder, "/a");
    EXPECT_EQ(request.initialName, "plata-odbieni.csv");
    // The header and the two failed rows; what a rejected row holds: the import core's test.
    EXPECT_EQ(linesOf(files.files.at("/b/odbieni.csv")).size(), 3u);
    // A failure names the file.
    files.readOnlyPath = "/b/ro.csv";
    boxes.answerFile("/b/ro.csv");
    click("cmdOdbieni");
    EXPECT_EQ(boxes.texts().back().rfind("/b/ro.csv: ", 0), 0u) << boxes.texts().back();
}

TEST_F(TransferWindow, TheMappingIsRememberedByHeaderWhereverTheColumnMoves)
{
    // The amount from a column no header names, and the firm as a value.
    const std::string bruto = "Bruto;EMBG;Prezime;Ime;Period od;Period do;Casovi;Licen broj\r\n"
                              "12345,50;0101980450008;Petrova;Ana;1.1.2026;31.12.2026;2088;1111111181\r\n";
    ASSERT_TRUE(open(bruto));
    MappingEditor* editor = screen->mappingEditor();
    QComboBox* denari = editor->source(Field::Denari);
    denari->setCurrentIndex(denari->findText("A: Bruto"));
    EXPECT_FALSE(editor->value(Field::Denari)->isEnabled()); // a column gives it
    setValue(editor, Field::Firma, "Nova Firma");
    setValue(editor, Field::Godina, "26");
    EXPECT_EQ(screen->plan().good, 1);
    click("cmdZatvori");
    EXPECT_FALSE(screen->isVisible());

    // The columns reordered, and the entry screen's auto-fill values cleared.
    Module1::AutoFirma.clear();
    Module1::AutoGodina.clear();
    ASSERT_TRUE(open("Casovi;Period do;Bruto;Licen broj;Period od;Prezime;EMBG;Ime\r\n"
                     "2088;31.12.2026;12345,50;1111111181;1.1.2026;Petrova;0101980450008;Ana\r\n"));
    const import::Mapping mapping = screen->mappingEditor()->mapping();
    EXPECT_EQ(mapping[Field::Denari].column, 2);
    EXPECT_EQ(mapping[Field::Firma].value, "Nova Firma");
    // That the year is not kept from one import to the next: the main window's test.
}

TEST_F(TransferWindow, TheSeparatorAndTheHeaderAsTheUserSetsThem)
{
    QComboBox* separator = screen->findChild<QComboBox*>("cboRazdelnik");
    separator->setCurrentIndex(separator->findData(int(',')));
    emit separator->activated(separator->currentIndex());
    // Cut at the commas, the sheet has no header and no row passes.
    EXPECT_FALSE(screen->findChild<QCheckBox*>("chkNaslov")->isChecked());
    EXPECT_EQ(screen->plan().good, 0);
    separator->setCurrentIndex(0);
    emit separator->activated(0);
    EXPECT_EQ(screen->plan().good, 3);
    // A value typed is checked once the keys pause, and at once on Dodaj.
    QTest::keyClicks(screen->mappingEditor()->value(Field::Godina), "1");
    EXPECT_EQ(screen->plan().good, 3);
    QTest::qWait(400);
    EXPECT_EQ(screen->plan().good, 0); // the year 261
    QTest::keyClick(screen->mappingEditor()->value(Field::Godina), Qt::Key_Backspace);
    boxes.answer(Answer::No);
    screen->append();
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{appendDespiteFailuresQuestion(2, 3)});
    // Without the header, the header row is a row of its own, and fails.
    screen->findChild<QCheckBox*>("chkNaslov")->setChecked(false);
    EXPECT_EQ(screen->plan().rows.size(), 6u);
    EXPECT_EQ(screen->mappingEditor()->source(Field::MaticenBroj)->currentText(), "B");
}

TEST_F(TransferTest, ASheetOrAReportThatCannotBeUsedOpensNoWindow)
{
    files.files[kReportPath] = fileOf(records(1));
    EXPECT_FALSE(open(std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8)));
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"Ova e tabela vo star format. Zacuvajte ja kako CSV ili .xlsx."});
    boxes.clear();
    files.failReadAfterBlocks = 0;
    EXPECT_FALSE(open(kSheet));
    EXPECT_EQ(boxes.texts().back(), std::string(kSheetPath) + ": " + files.readError);
    files.failReadAfterBlocks = -1;
    boxes.clear();
    files.files[kReportPath] = "kratok\r\n"; // not one record
    EXPECT_FALSE(open(kSheet));
    EXPECT_EQ(boxes.texts().back(), kIncompleteSaveMessage);
    // A missing report file is made by the append.
    boxes.clear();
    files.files.erase(kReportPath);
    Module1::AutoRegistarskiBroj = "1234567897";
    Module1::AutoGodina = "26";
    ASSERT_TRUE(open(kSheet));
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(files.files.count(kReportPath), 0u);
    boxes.answer(Answer::Yes);
    screen->append();
    EXPECT_EQ(linesOf(file()).size(), 3u);
}
