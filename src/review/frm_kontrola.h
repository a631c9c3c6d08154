// frmKontrola: the review screen. Shows the records of one report file on a
// facsimile of the printed form, pages through them, searches, corrects,
// adds and saves, recapitulates, and runs the check of the whole file.
// frm_kontrola.cpp builds the screen and pages; frm_kontrola_saving.cpp
// corrects, adds and saves; frm_kontrola_documents.cpp recapitulates, checks,
// and prints.
#pragma once

#include "data/report_record.h"
#include "review/error_list_window.h"
#include "review/frm_rekapitular.h"
#include "review/review_error_list.h"
#include "review/review_printing.h"
#include "shell/screen.h"

#include <QPointer>

#include <array>
#include <cstdint>
#include <memory>

class QAction;
class QLineEdit;
class QMenu;
class QMenuBar;
class QProgressBar;
class QToolButton;

namespace dorvik {

class CustomerDataSource;
class RecordBinding;
class ReportForm;

inline constexpr const char* kNotFoundMessage = "Ne e najden brojot koj se bara";

class frmKontrola : public Screen {
    Q_OBJECT
public:
    // Loads the file into a store of its own.
    frmKontrola(AppServices platform, const ReportFile& file, QWidget* parent = nullptr);
    ~frmKontrola() override;

    // The commands, as the buttons and the menu items call them.
    void first();          // cmdFirst
    void previous();       // cmdPrev
    void next();           // cmdNext
    void last();           // cmdLast
    void addNew();         // cmdAddNew
    void save();           // cmdRec
    void preview();        // cmdPreview
    void recapitulate();   // cmdRekap
    void check();          // cmdKontrola
    void searchByPersonalNumber(); // mnuPoLicenBr
    void searchByMasterNumber();   // mnuPoMaticenBr
    void searchByPosition();       // mnuPoRedenBroj
    void showErrorList();          // mnuListaNaGreski
    // The "P&ecatenje" menu: each document to the print preview or a PDF.
    void printRecapitulation();    // mnuPecatiRekapitulacija
    void printErrorList();         // mnuPecatiListaNaGreski
    void printRecord();            // mnuPecatiPrijava
    void recapitulationToPdf();    // mnuRekapitulacijaPdf
    void errorListToPdf();         // mnuListaNaGreskiPdf
    void recordToPdf();            // mnuPrijavaPdf
    // Shows the record with the 1-based number, as a search by position
    // does, with the boxes of its findings painted.
    void showFindingsOf(int record);

    // The error list window, once opened.
    ErrorListWindow* errorList() const { return errorList_.window(); }

    ReportForm* form() const { return form_; }
    const CustomerDataSource& store() const { return *store_; }
    // The recapitulation window, while it is open.
    frmRekapitular* rekapitular() const { return rekap_; }

protected:
    bool mayClose() override;

private:
    void buildBand(QWidget* band);
    void buildMenu(QMenuBar* bar);
    void buildPrintMenu(QMenuBar* bar);
    void enablePrinting();
    void print(PrintedDocument document, PrintTarget target);
    void setTabOrder();

    // Review: the boxes show the bound record and the commands walk the
    // records. NewReport: a new report waits in the boxes, bound to nothing,
    // until "Snimi" appends it or "Pregled" gives it up.
    enum class Mode { Review, NewReport };
    bool reviewMode() const { return mode_ == Mode::Review; }
    // Binds the boxes to the store's current record: review mode.
    void bind();
    // Lets go of the record: the boxes hold a new report.
    void unbind();
    void enterMode();
    void moveTo(int position);
    void showCounters();
    void searchByField(Field field, const char* prompt);
    // "Snimi": true when the file was written (or there was nothing to write).
    bool saveNow();
    // Before a new report is left: true once a typed one is saved, or the
    // user gave it up; false when it stays.
    bool newReportSettled();
    // Before a check run or a printed recapitulation, which are to be the
    // file's as it is on the disk: unsaved corrections are saved first after
    // the question (or nothing is done), and in review mode a file another
    // window or program changed is read anew. False: nothing is to be done.
    bool checkWhatIsOnTheDisk(const char* question);
    void clearFindings();
    std::string askSearch(const char* prompt);
    void notFound();

    ReportForm* form_ = nullptr;
    QProgressBar* progress_ = nullptr; // prgView
    QLineEdit* recordsBox_ = nullptr; // txtRecords
    QLineEdit* positionBox_ = nullptr; // txtPozicija
    QToolButton* firstButton_ = nullptr; // cmdFirst
    QToolButton* previousButton_ = nullptr; // cmdPrev
    QToolButton* nextButton_ = nullptr; // cmdNext
    QToolButton* lastButton_ = nullptr; // cmdLast
    QToolButton* newReportButton_ = nullptr; // cmdAddNew
    QToolButton* saveButton_ = nullptr; // cmdRec
    QToolButton* previewButton_ = nullptr; // cmdPreview
    QToolButton* recapButton_ = nullptr; // cmdRekap
    QToolButton* checkButton_ = nullptr; // cmdKontrola
    QMenuBar* menuBar_ = nullptr;
    QMenu* searchMenu_ = nullptr; // mnuPREBARUVANJE
    QMenu* errorsMenu_ = nullptr; // mnuGRESKI
    QMenu* printMenu_ = nullptr; // mnuPecatenje
    ReviewErrorList errorList_;

    // The store before the binding: the binding lets go of the store first.
    std::unique_ptr<CustomerDataSource> store_;
    std::unique_ptr<RecordBinding> binding_; // none while a new report is typed
    Mode mode_ = Mode::Review;
    QPointer<frmRekapitular> rekap_;

    // This screen's own counters: another screen never changes them.
    std::int16_t recordTotal_ = 0; // RecordTotal
    std::int16_t recordPosition_ = 0; // RecordPosition
    std::int16_t newRecordPending_ = 0; // NewRecordPending
    QString lastSearchText_; // LastSearchText
    // The position shown before "Nova Prijava", for an abandoned new report.
    std::int16_t positionBeforeNew_ = 0;
    // The user typed into the boxes of a new report since it was started or saved.
    bool newReportTyped_ = false;
    // Boxes are painted with the findings of the record shown.
    bool findingsShown_ = false;
    bool busy_ = false;
};

} // namespace dorvik
