#include "entry/frm_popolnuvawe.h"
#include "entry_fixture.h"
#include "entry/open_entry_screen.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>

using namespace dorvik;
using namespace dorvik::testing;

namespace {
QColor labelColour(frmPopolnuvawe& dialog, int index)
{
    auto* label = dialog.findChild<QLabel*>(QStringLiteral("Label2_%1").arg(index));
    return label->palette().color(label->foregroundRole());
}
} // namespace

TEST_F(EntryTest, AutoFillDialogOpensWithEverythingOffAndTheValueBoxesHidden)
{
    frmPopolnuvawe dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Avtomatsko popolnuvanje");
    EXPECT_FALSE(dialog.chkBox()->isChecked());
    EXPECT_FALSE(dialog.chkAktivB()->isChecked());
    EXPECT_EQ(dialog.chkBox()->text(), "Aktivirawe na avto popolnuvawe");
    EXPECT_EQ(dialog.chkAktivB()->text(), "Poliwa za beneficiran staz");
    EXPECT_EQ(dialog.cmdProdolzi()->text(), "Prodol`i");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label2_2")->text(), "Naziv na firmat ");
    EXPECT_EQ(dialog.txtGodinaA()->maxLength(), 2);
    EXPECT_EQ(dialog.txtRegistarskiBrojA()->maxLength(), 10);
    EXPECT_EQ(dialog.txtFirmaA()->maxLength(), 35);
    EXPECT_FALSE(dialog.txtGodinaA()->isVisible());
    EXPECT_EQ(labelColour(dialog, 0), QColor(128, 128, 128));

    dialog.chkBox()->click();
    EXPECT_TRUE(dialog.txtGodinaA()->isVisible());
    EXPECT_TRUE(dialog.txtFirmaA()->isVisible());
    EXPECT_NE(labelColour(dialog, 1), QColor(128, 128, 128));
    dialog.chkBox()->click();
    EXPECT_FALSE(dialog.txtRegistarskiBrojA()->isVisible());
    EXPECT_EQ(labelColour(dialog, 1), QColor(128, 128, 128));
}

TEST_F(EntryTest, ProdolziStoresTheTickedValuesAsTypedAndEmptiesTheOthers)
{
    Module1::AutoEfektStaz = "0000"; // from an earlier opening
    Module1::AutoStepenZgolem = "     ";
    frmPopolnuvawe dialog;
    dialog.show();
    dialog.chkBox()->click();
    QTest::keyClicks(dialog.txtGodinaA(), "ab7"); // letters pass here, cut at 2
    QTest::keyClicks(dialog.txtRegistarskiBrojA(), "1234567897");
    QTest::keyClicks(dialog.txtFirmaA(), "Tekstil DOO Stip");
    dialog.cmdProdolzi()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Module1::AutoGodina, "ab");
    EXPECT_EQ(Module1::AutoRegistarskiBroj, "1234567897");
    EXPECT_EQ(Module1::AutoFirma, "Tekstil DOO Stip");
    EXPECT_EQ(Module1::AutoEfektStaz, "");
    EXPECT_EQ(Module1::AutoStepenZgolem, "");
}

TEST_F(EntryTest, UntickingBeforeProdolziStoresNoCommonValues)
{
    frmPopolnuvawe dialog;
    dialog.show();
    dialog.chkBox()->click();
    QTest::keyClicks(dialog.txtGodinaA(), "03");
    QTest::keyClicks(dialog.txtFirmaA(), "Firma");
    dialog.chkBox()->click();
    dialog.chkAktivB()->click();
    dialog.cmdProdolzi()->click();
    EXPECT_EQ(Module1::AutoGodina, "");
    EXPECT_EQ(Module1::AutoFirma, "");
    EXPECT_EQ(Module1::AutoEfektStaz, "0000");
    EXPECT_EQ(Module1::AutoStepenZgolem, "     ");
}

TEST_F(EntryTest, TheCloseBoxKeepsTheValuesOfTheLastProdolzi)
{
    {
        frmPopolnuvawe first;
        first.show();
        first.chkBox()->click();
        QTest::keyClicks(first.txtGodinaA(), "03");
        QTest::keyClicks(first.txtRegistarskiBrojA(), "1234567897");
        first.cmdProdolzi()->click();
    }
    frmPopolnuvawe second;
    second.show();
    second.chkBox()->click();
    QTest::keyClicks(second.txtGodinaA(), "99");
    second.close();
    EXPECT_EQ(second.result(), QDialog::Rejected);
    EXPECT_EQ(Module1::AutoGodina, "03");
    EXPECT_EQ(Module1::AutoRegistarskiBroj, "1234567897");
}

// The real opening: the modal dialog first, then the file and the screen.
TEST_F(EntryTest, OpeningShowsTheModalDialogBeforeTheScreen)
{
    withRecords(2);
    files.files[kFile] += "too short\r\n";
    QPointer<QWidget> opened = openEntryScreen(AppServices{boxes, files, clock}, ReportFile{kFile, false});
    auto* entry = qobject_cast<frmVnos*>(opened.data());
    ASSERT_NE(entry, nullptr);
    auto* dialog = qobject_cast<frmPopolnuvawe*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    // Nothing is loaded or shown while the dialog is open.
    EXPECT_FALSE(entry->isVisible());
    EXPECT_TRUE(boxes.shown().empty());

    dialog->chkBox()->click();
    dialog->txtGodinaA()->setText("99");
    dialog->chkAktivB()->click();
    dialog->cmdProdolzi()->click();
    settle();
    EXPECT_EQ(boxes.shown().size(), 1u); // the store's note on the short line
    EXPECT_EQ(entry->objectName(), "frmVnos");
    EXPECT_EQ(entry->windowTitle(), "Vnos na novi prijavi...");
    EXPECT_TRUE(entry->isVisible());
    EXPECT_EQ(entry->box(Field::Godina)->text(), "99");
    EXPECT_EQ(entry->box(Field::SifraStaz)->text(), "0000");
    EXPECT_EQ(entry->recordTotal(), 3);
    EXPECT_EQ(QApplication::focusWidget(), entry->box(Field::LicenBroj));
    entry->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(opened.isNull());
}

TEST_F(EntryTest, ClosingTheDialogWithItsCloseBoxStillOpensTheScreen)
{
    Module1::AutoFirma = "Firma";
    QPointer<QWidget> opened = openEntryScreen(AppServices{boxes, files, clock}, ReportFile{kFile, false});
    auto* dialog = qobject_cast<frmPopolnuvawe*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->close();
    settle();
    auto* entry = qobject_cast<frmVnos*>(opened.data());
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isVisible());
    EXPECT_EQ(entry->box(Field::Firma)->text(), "Firma");
    delete opened;
}

TEST_F(EntryTest, ClosingTheScreenBeforeTheDialogTakesTheDialogAlong)
{
    QPointer<QWidget> opened = openEntryScreen(AppServices{boxes, files, clock}, ReportFile{kFile, false});
    QPointer<QWidget> dialog = QApplication::activeModalWidget();
    ASSERT_FALSE(dialog.isNull());
    opened->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(opened.isNull());
    EXPECT_TRUE(dialog.isNull());
    EXPECT_TRUE(boxes.shown().empty());
}
