// frmVnos, "Vnos na novi prijavi...": the facsimile of the printed report
// form on which the employer types new reports one at a time. Digit boxes take
// digits only and hand the focus on when full; the year, the periods and the
// three identifiers are checked the moment they are full; "vnesi" starts a
// report with the auto-fill values, "snimi" appends it and rewrites the file,
// "pregled" shows the stored reports read-only with four paging buttons.
#pragma once

#include "check/checked_screen.h"
#include "data/customer_data_source.h"
#include "shell/record_binding.h"
#include "shell/screen.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class QBoxLayout;
class QLineEdit;
class QPushButton;

namespace dorvik {

class FocusStepper;
class ReportForm;

class frmVnos : public Screen, public CheckedScreen {
    Q_OBJECT
public:
    // Builds the screen over the file; nothing is loaded yet.
    frmVnos(AppServices platform, const ReportFile& file, QWidget* parent = nullptr);
    ~frmVnos() override;

    // The opening sequence once the auto-fill dialog is closed: loads the
    // store (its messages included) and starts a new report as "vnesi" does.
    // False, having told the user, when the file could not be read whole:
    // the screen is not to open.
    bool openReports();

    QLineEdit* box(Field field) const;
    ReportForm* form() const { return form_; }
    CustomerDataSource& store() { return *store_; }
    // The number of reports, the one being typed included; the screen's own,
    // not the review screen's.
    std::int16_t recordTotal() const { return recordTotal_; }
    bool previewing() const { return previewing_; }

    // CheckedScreen: the entry boxes as the check-digit routines see them.
    std::string fieldText(Field field) override;
    void setColour(Field field, BoxColour colour) override;

    // The buttons' work, as their clicks run it.
    void newReport(); // cmdNovaPrijava, "vnesi"
    bool save();      // cmdSnimi, "snimi": true when the report was appended
    void preview();   // cmdPregled, "pregled"
    void first();     // cmdFirstV
    void previous();  // cmdPrevV
    void next();      // cmdNextV
    void last();      // cmdLastV

protected:
    bool mayClose() override;

private:
    // Whether the boxes hold something the user typed since the new report
    // started (auto-fill values are not the user's).
    bool typedWork() const;
    // Before typed work is left: true once it is saved, or the user gave it
    // up; false when it stays on the screen.
    bool typedWorkSettled(bool closing);
    void buildBottomRow(QBoxLayout* layout);
    void setTabOrder();
    bool startNewReport();
    void setPreviewing(bool previewing);
    void showCounters();
    void onBoxChanged(Field field);
    void advance();
    void checkYear();
    void checkPeriod(Field field);
    void checkIdentifier(Field field);
    void failWithMessage(Field field, const char* text);
    void wipe(Field field);

    FocusStepper* focus_;
    ReportForm* form_ = nullptr;
    QLineEdit* recordsBox_ = nullptr; // txtRecordsV
    QLineEdit* positionBox_ = nullptr; // txtPozicijaV
    QPushButton* firstButton_ = nullptr; // cmdFirstV
    QPushButton* previousButton_ = nullptr; // cmdPrevV
    QPushButton* nextButton_ = nullptr; // cmdNextV
    QPushButton* lastButton_ = nullptr; // cmdLastV
    QPushButton* newReportButton_ = nullptr; // cmdNovaPrijava
    QPushButton* saveButton_ = nullptr; // cmdSnimi
    QPushButton* previewButton_ = nullptr; // cmdPregled

    std::unique_ptr<CustomerDataSource> store_;
    std::unique_ptr<RecordBinding> binding_;
    std::int16_t recordTotal_ = 0; // RecordTotal
    std::int16_t recordPosition_ = 0; // RecordPosition
    std::int16_t faultCode_ = 0;
    bool previewing_ = false;
    // The boxes' texts when the new report started.
    std::array<QString, kFieldCount> started_;
    // While "vnesi" fills the boxes, their passing values queue no steps:
    // the new report always starts in its first box.
    bool filling_ = false;
};

} // namespace dorvik
