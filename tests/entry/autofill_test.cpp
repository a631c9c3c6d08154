// The auto-fill dialog and the opening of the entry screen behind it.
#include "entry_fixture.h"

#include "entry/frm_popolnuvawe.h"
#include "entry/open_entry_screen.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QScreen>

using namespace dorvik;
using namespace dorvik::testing;

TEST_F(EntryTest, TheDialogStoresWhatIsTickedAsTyped)
{
    Module1::AutoEfektStaz = "0000"; // from an earlier opening
    frmPopolnuvawe dialog;
    dialog.show();
    const auto labelColour = [&] {
        auto* label = dialog.findChild<QLabel*>("Label2_1");
        return label->palette().color(label->foregroundRole());
    };
    EXPECT_FALSE(dialog.txtGodinaA()->isVisible());
    EXPECT_EQ(labelColour(), QColor(128, 128, 128));
    dialog.chkBox()->click();
    EXPECT_TRUE(dialog.txtGodinaA()->isVisible());
    // Each box shows its whole value.
    const int digit = dialog.fontMetrics().horizontalAdvance('0');
    EXPECT_GE(dialog.txtGodinaA()->width(), 3 * digit);
    EXPECT_GE(dialog.txtFirmaA()->width(), 30 * digit);
    EXPECT_NE(labelColour(), QColor(128, 128, 128));
    QTest::keyClicks(dialog.txtGodinaA(), "ab7"); // letters pass here, cut at 2
    QApplication::clipboard()->setText("1234567897\r\n");
    dialog.txtRegistarskiBrojA()->paste();
    QApplication::clipboard()->setText("Tekstil\r DOO Stip, ul. Marsal Tito 15, 7000 Stip");
    dialog.txtFirmaA()->paste();
    dialog.cmdProdolzi()->click();
    EXPECT_EQ(Module1::AutoGodina, "ab");
    EXPECT_EQ(Module1::AutoRegistarskiBroj, "1234567897");
    EXPECT_EQ(Module1::AutoFirma, "Tekstil  DOO Stip, ul. Marsal Tito "); // CR: a blank
    EXPECT_EQ(Module1::AutoEfektStaz, "");

    // Unticked before the button: no common values; the benefit fields on.
    frmPopolnuvawe second;
    second.show();
    second.chkBox()->click();
    QTest::keyClicks(second.txtGodinaA(), "03");
    second.chkBox()->click();
    second.chkAktivB()->click();
    second.cmdProdolzi()->click();
    EXPECT_EQ(Module1::AutoGodina, "");
    EXPECT_EQ(Module1::AutoStepenZgolem, "     ");
    // The close box stores nothing.
    frmPopolnuvawe third;
    third.show();
    third.chkAktivB()->click();
    third.close();
    EXPECT_EQ(Module1::AutoEfektStaz, "0000");
    EXPECT_EQ(third.result(), QDialog::Rejected);
}

TEST_F(EntryTest, TheScreenLoadsAndShowsOnlyOnceTheDialogIsClosed)
{
    files.files[kReportPath] = fileOf(records(2)) + "too short\r\n";
    QPointer<Screen> opened = openEntryScreen(AppServices{boxes, files, clock}, ReportFile{kReportPath, false});
    QPointer<frmPopolnuvawe> dialog = qobject_cast<frmPopolnuvawe*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    const QRect area = dialog->screen()->availableGeometry();
    EXPECT_LE((dialog->frameGeometry().center() - area.center()).manhattanLength(), 4);
    EXPECT_FALSE(opened->isVisible());
    EXPECT_TRUE(boxes.shown().empty());
    dialog->chkBox()->click();
    QTest::keyClicks(dialog->txtGodinaA(), "99");
    dialog->cmdProdolzi()->click();
    settle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
    auto* entry = qobject_cast<frmVnos*>(opened.data());
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isVisible());
    EXPECT_EQ(boxes.shown().size(), 1u); // the store's note on the short line
    EXPECT_EQ(entry->box(Field::Godina)->text(), "99");
    EXPECT_EQ(entry->recordTotal(), 3);
    entry->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(opened.isNull());
}
