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

    QLineEdit* txtGodinaA() const { return txtGodinaA_; }
    QLineEdit* txtRegistarskiBrojA() const { return txtRegistarskiBrojA_; }
    QLineEdit* txtFirmaA() const { return txtFirmaA_; }
    QCheckBox* chkBox() const { return chkBox_; }
    QCheckBox* chkAktivB() const { return chkAktivB_; }
    QPushButton* cmdProdolzi() const { return cmdProdolzi_; }

private:
    void showValueBoxes(bool shown);
    void storeValues();

    QLineEdit* txtGodinaA_;
    QLineEdit* txtRegistarskiBrojA_;
    QLineEdit* txtFirmaA_;
    QCheckBox* chkBox_;
    QCheckBox* chkAktivB_;
    QPushButton* cmdProdolzi_;
    QLabel* label2_[3];
};

} // namespace dorvik
