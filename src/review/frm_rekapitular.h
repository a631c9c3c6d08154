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

    QLineEdit* txtReg = nullptr;
    QLineEdit* txtIme = nullptr;
    QLineEdit* txtSlogovi = nullptr;
    QLineEdit* txtZbirnaMasa = nullptr;
    QAction* mnuPecati = nullptr;    // "&Rekapitulacija...", Ctrl+P
    QAction* mnuPecatiPdf = nullptr; // "Rekapitulacija vo &PDF..."

signals:
    void printRequested();
    void pdfRequested();
};

} // namespace dorvik
