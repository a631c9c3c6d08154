// The recapitulation window: the company's registration number and name,
// the number of records and the total amount, as "Rekap" last found them.
// Ctrl+P and its context menu print the recapitulation or save it as PDF.
#pragma once

#include <QWidget>

class QAction;
class QLineEdit;

namespace dorvik {

class frmRekapitular : public QWidget {
    Q_OBJECT
public:
    explicit frmRekapitular(QWidget* parent = nullptr);

    void showValues(const QString& registrationNumber, const QString& employer,
                    const QString& records, const QString& total);
    void setPrintingEnabled(bool enabled);

signals:
    void printRequested();
    void pdfRequested();

private:
    QLineEdit* registrationBox_ = nullptr; // txtReg
    QLineEdit* employerBox_ = nullptr; // txtIme
    QLineEdit* recordsBox_ = nullptr; // txtSlogovi
    QLineEdit* totalBox_ = nullptr; // txtZbirnaMasa
    QAction* printAction_ = nullptr; // mnuPecati: "&Rekapitulacija...", Ctrl+P
    QAction* pdfAction_ = nullptr; // mnuPecatiPdf: "Rekapitulacija vo &PDF..."
};

} // namespace dorvik
