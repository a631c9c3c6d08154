#include "review/frm_rekapitular.h"

#include "print/recapitulation_page.h"
#include "shell/report_form.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace dorvik {

namespace {

constexpr int kWidth = 695;
constexpr int kHeight = 717;

QFrame* rule(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setStyleSheet(QStringLiteral("color: rgb(128,128,128);"));
    return line;
}

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(formFont());
    label->setStyleSheet(QStringLiteral("color: black;"));
    return label;
}

QLineEdit* valueBox(const char* name, int width, const char* colour, Qt::Alignment align,
                    const QString& tooltip, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setFont(formFont());
    if (width > 0)
        box->setFixedWidth(width);
    box->setAlignment(align | Qt::AlignVCenter);
    box->setToolTip(tooltip);
    box->setStyleSheet(QStringLiteral("QLineEdit { background-color: white; color: %1;"
                                      " border: 1px solid rgb(128,128,128); }")
                           .arg(QLatin1String(colour)));
    return box;
}

} // namespace

frmRekapitular::frmRekapitular(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmRekapitular"));
    setWindowTitle(QStringLiteral("Rekapitular za kontroliranata firma"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("frmRekapitular { background-color: white; }"));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setFixedSize(kWidth, kHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 30, 14, 30);
    layout->setSpacing(18);

    auto* company = new QLabel(QLatin1String(kRecapCompany), this);
    QFont companyFont = formFont();
    companyFont.setPointSizeF(24);
    company->setFont(companyFont);
    company->setAlignment(Qt::AlignCenter);
    company->setStyleSheet(QStringLiteral("color: rgb(0,0,128);"));
    layout->addWidget(company);
    layout->addWidget(rule(this));

    auto* heading = new QLabel(QLatin1String(kRecapHeading), this);
    QFont headingFont = formFont();
    headingFont.setPointSizeF(14);
    heading->setFont(headingFont);
    heading->setStyleSheet(QStringLiteral("color: black;"));
    layout->addWidget(heading);
    layout->addSpacing(10);

    const char* navy = "rgb(0,0,128)";
    registrationBox_ = valueBox("txtReg", 130, navy, Qt::AlignLeft,
                      QStringLiteral("Registarski broj na obvrznikot"), this);
    employerBox_ = valueBox("txtIme", 0, navy, Qt::AlignLeft,
                      QStringLiteral("Naziv i sediste na obvrznikot"), this);
    // Room for a name of 35 of the widest letters.
    employerBox_->setFixedWidth(employerBox_->fontMetrics().horizontalAdvance(QString(35, QLatin1Char('W')))
                          + 12);
    recordsBox_ = valueBox("txtSlogovi", 100, navy, Qt::AlignLeft,
                          QStringLiteral("Vkupno procitani slogovi"), this);
    totalBox_ = valueBox("txtZbirnaMasa", 180, "rgb(192,0,0)", Qt::AlignRight,
                             QStringLiteral("Zbirna masa za uplata na pridonesi"), this);

    // One grid, so that the four boxes start under one another.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(14);
    int row = 0;
    // wide: the box starts right after its own label, not under the others.
    auto addLine = [&](const QString& text, QLineEdit* box, QWidget* after = nullptr,
                       bool wide = false) {
        QLabel* label = caption(text, this);
        label->setMinimumWidth(label->sizeHint().width());
        auto* cell = new QHBoxLayout;
        cell->setSpacing(8);
        if (wide)
            cell->addWidget(label);
        else
            grid->addWidget(label, row, 0);
        cell->addWidget(box);
        if (after)
            cell->addWidget(after);
        cell->addStretch(1);
        grid->addLayout(cell, row, wide ? 0 : 1, 1, wide ? 2 : 1);
        ++row;
    };
    auto addRule = [&] { grid->addWidget(rule(this), row++, 0, 1, 2); };
    addLine(QLatin1String(kRecapRegistration), registrationBox_);
    addLine(QLatin1String(kRecapEmployer), employerBox_, nullptr, true);
    addRule();
    addLine(QLatin1String(kRecapRecords), recordsBox_);
    addRule();
    addLine(QLatin1String(kRecapTotal), totalBox_,
            caption(QLatin1String(kRecapCurrency), this));
    addRule();
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    layout->addStretch(1);

    printAction_ = new QAction(QStringLiteral("&Rekapitulacija..."), this);
    printAction_->setObjectName(QStringLiteral("mnuPecati"));
    printAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(printAction_, &QAction::triggered, this, &frmRekapitular::printRequested);
    pdfAction_ = new QAction(QStringLiteral("Rekapitulacija vo &PDF..."), this);
    pdfAction_->setObjectName(QStringLiteral("mnuPecatiPdf"));
    connect(pdfAction_, &QAction::triggered, this, &frmRekapitular::pdfRequested);
    addAction(printAction_);
    addAction(pdfAction_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void frmRekapitular::setPrintingEnabled(bool enabled)
{
    printAction_->setEnabled(enabled);
    pdfAction_->setEnabled(enabled);
}

void frmRekapitular::showValues(const QString& registrationNumber, const QString& employer,
                                const QString& records, const QString& total)
{
    registrationBox_->setText(registrationNumber);
    employerBox_->setText(employer);
    recordsBox_->setText(records);
    totalBox_->setText(total);
    registrationBox_->setCursorPosition(0);
    employerBox_->setCursorPosition(0);
}

} // namespace dorvik
