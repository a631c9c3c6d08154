// frmPopolnuvawe, "Avtomatsko popolnuvanje": asks once, as the entry screen
// opens, for the values that are the same on every new report (year,
// registration number, firm; the benefit-service fields). "Prodol`i" stores
// them in Module1; the window's own close box (or Escape) stores nothing.
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dorvik {

class frmPopolnuvawe : public QDialog {
    Q_OBJECT
public:
    explicit frmPopolnuvawe(QWidget* parent = nullptr);

    QLineEdit* txtGodinaA() const { return yearBox_; }
    QLineEdit* txtRegistarskiBrojA() const { return registrationBox_; }
    QLineEdit* txtFirmaA() const { return employerBox_; }
    QCheckBox* chkBox() const { return autoFillCheck_; }
    QCheckBox* chkAktivB() const { return benefitCheck_; }
    QPushButton* cmdProdolzi() const { return continueButton_; }

private:
    void showValueBoxes(bool shown);
    void storeValues();

    QLineEdit* yearBox_; // txtGodinaA
    QLineEdit* registrationBox_; // txtRegistarskiBrojA
    QLineEdit* employerBox_; // txtFirmaA
    QCheckBox* autoFillCheck_; // chkBox
    QCheckBox* benefitCheck_; // chkAktivB
    QPushButton* continueButton_; // cmdProdolzi
    QLabel* valueLabels_[3]; // Label2_0, Label2_1, Label2_2
};

} // namespace dorvik
