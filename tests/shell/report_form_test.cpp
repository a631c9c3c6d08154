#include "shell/report_form.h"

#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace dorvik;

TEST(ReportForm, BoxesAreNamedAndDescribedForBothScreens)
{
    ReportForm review(ReportForm::Kind::Review);
    ReportForm entry(ReportForm::Kind::Entry);
    EXPECT_EQ(review.box(Field::VkRabCasovi)->objectName(), "txtCasovi");
    EXPECT_EQ(review.box(Field::RegistarskiBroj)->objectName(), "txtRegBroj");
    EXPECT_EQ(entry.box(Field::RegistarskiBroj)->objectName(), "txtRegBrojV");
    EXPECT_EQ(entry.box(Field::Firma)->toolTip(),
              "Naziv i sediste na obvrznikot (35 alfanumericki mesta)");
    EXPECT_EQ(review.box(Field::Godina)->toolTip(),
              "Godina za koja se odnesuva prijavata ( 2 numericki mesta)");
    EXPECT_EQ(review.box(Field::Godina)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(review.box(Field::Denari)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    // Every label of the form that carries a stand-in letter is shown as stored.
    QStringList texts;
    for (QLabel* label : entry.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains("04 Za mati`na evidencija"));
    EXPECT_TRUE(texts.contains("05 P R I J A V A - "));
    EXPECT_TRUE(texts.contains("[ifra"));
    const QString order = entry.findChild<QLabel*>("lblRabotenNalog")->text();
    EXPECT_EQ(order.size(), 77);
}

TEST(ReportForm, PaintedBoxesShowTheirColour)
{
    ReportForm form(ReportForm::Kind::Review);
    form.show();
    QLineEdit* box = form.box(Field::Mesec);
    auto pixel = [box] { return box->grab().toImage().pixelColor(3, box->height() / 2); };
    EXPECT_EQ(pixel(), QColor(192, 192, 192));
    paintBox(box, BoxColour::Red);
    EXPECT_EQ(pixel(), QColor(255, 0, 0));
    paintBox(box, BoxColour::Yellow);
    EXPECT_EQ(pixel(), QColor(255, 255, 0));
    paintBox(box, BoxColour::Silver);
    EXPECT_EQ(pixel(), QColor(192, 192, 192));
}
