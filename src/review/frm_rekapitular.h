// The recapitulation window: the company's registration number and name,
// the number of records and the total amount, as "Rekap" last found them.
#pragma once

#include <QWidget>

class QLineEdit;

namespace dorvik {

class frmRekapitular : public QWidget {
    Q_OBJECT
public:
    explicit frmRekapitular(QWidget* parent = nullptr);

    void showValues(const QString& registrationNumber, const QString& employer,
                    const QString& records, const QString& total);

    QLineEdit* txtReg = nullptr;
    QLineEdit* txtIme = nullptr;
    QLineEdit* txtSlogovi = nullptr;
    QLineEdit* txtZbirnaMasa = nullptr;
};

} // namespace dorvik
