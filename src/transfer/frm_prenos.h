// frmPrenos, "Prenos na prijavi od tabela": the rows of a payroll sheet
// added to a report file as reports. The user sets how the sheet is read
// (separator, encoding, whether its first row is a header) and where each
// field comes from; the preview shows every row as it will be stored, its
// failures in red; "Dodaj gi ispravnite" appends the good rows, all or none,
// and nothing is written before it.
#pragma once

#include "import/import_plan.h"
#include "import/text_sheet.h"
#include "shell/screen.h"

#include <memory>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTimer;

namespace dorvik {

class MappingEditor;
class PreviewModel;
class SettingsStore;

class frmPrenos : public Screen {
    Q_OBJECT
public:
    frmPrenos(AppServices services, SettingsStore& settings, const ReportFile& report,
              std::string sheetPath, QWidget* parent = nullptr);
    ~frmPrenos() override;

    // Reads the sheet and the report file. False, the user told why, when
    // either cannot be used; the window is then not to be shown.
    bool open();

    // The buttons' work, as their clicks run it.
    void append();       // cmdDodaj, "Dodaj gi ispravnite (N)"
    void saveRejected(); // cmdOdbieni, "Zacuvaj gi odbienite..."

    const import::ImportPlan& plan() const { return plan_; }
    MappingEditor* mappingEditor() const { return mapping_; }
    QTableView* preview() const { return table_; }
    PreviewModel* previewModel() const { return model_; }

signals:
    // The user wants the report file opened for review after an append.
    void reviewRequested(const std::string& path);

protected:
    bool mayClose() override;

private:
    bool readSheet();
    void chooseMapping();
    void showColumns();
    void replan();
    void showCounts();
    void remember();
    import::TextSheetOptions textOptions() const;

    SettingsStore& settings_;
    std::string sheetPath_;
    std::string sheetBytes_;
    import::Sheet sheet_;
    std::unique_ptr<CustomerDataSource> store_;
    bool reportWasMissing_ = false; // the store began a new file
    import::ImportPlan plan_;

    QComboBox* separatorBox_ = nullptr; // cboRazdelnik
    QComboBox* encodingBox_ = nullptr; // cboKodiranje
    QCheckBox* headerCheck_ = nullptr; // chkNaslov
    QCheckBox* amountsCheck_ = nullptr; // chkIznos
    MappingEditor* mapping_ = nullptr;
    QComboBox* filterBox_ = nullptr; // cboPrikaz
    QTableView* table_ = nullptr; // tblPregled
    PreviewModel* model_ = nullptr;
    QLabel* summaryLabel_ = nullptr; // lblRedovi
    QPushButton* appendButton_ = nullptr; // cmdDodaj
    QPushButton* rejectedButton_ = nullptr; // cmdOdbieni
    QTimer* replanSoon_ = nullptr;
};

// "M redovi so greski nema da bidat dodadeni. Da se dodadat N ispravni prijavi?"
std::string appendDespiteFailuresQuestion(int failed, int good);
// "Datotekata NAME e promeneta od drug prozorec ili program ... Nisto ne e
// dodadeno: redovite se provereni povtorno ..."
std::string changedMeanwhileMessage(const std::string& name);
// "Redovi: N  Ispravni: N  So greski: N  Prazni: N"
std::string importSummary(const import::ImportPlan& plan);

} // namespace dorvik
