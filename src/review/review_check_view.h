// The review screen as the check run sees it: the store's current record for
// the field texts, the bound boxes for the colours, txtPozicija and prgView.
// The walk moves far faster than a screen can follow, so the boxes, the
// position and the bar are brought up to date at a bounded rate, and at once
// whenever a box is painted or a message box opens, so that the user always
// sees the record under test beside its message.
#pragma once

#include "check/check_run.h"
#include "platform/user_boxes.h"

#include <QElapsedTimer>

#include <array>
#include <functional>

class QLineEdit;
class QProgressBar;

namespace dorvik {

// Long walks over the records (the check run, the recapitulation) bring the
// screen up to date this often: about 25 pictures a second, smooth to the
// eye, and the walk spends almost all its time on the records.
inline constexpr qint64 kRepaintIntervalMs = 40;

class RecordBinding;
class Recordset;

class ReviewCheckView : public CheckRunView {
public:
    // stopped: whether the screen was closed under the run.
    ReviewCheckView(Recordset& records, RecordBinding& binding,
                    const std::array<QLineEdit*, kFieldCount>& boxes, QLineEdit& position,
                    QProgressBar& progress, int shownPosition, std::function<bool()> stopped);

    std::string fieldText(Field field) override;
    std::string_view fieldView(Field field, std::string& scratch) override;
    void setColour(Field field, BoxColour colour) override;
    void showPosition(int position) override;
    void showProgress(int maximum, int value) override;
    void hideProgress() override;
    bool stopped() override { return stopped_(); }

    // Brings the boxes, the position and the bar up to the record under test.
    void showNow();

private:
    void showIfDue();

    Recordset& records_;
    RecordBinding& binding_;
    std::array<QLineEdit*, kFieldCount> boxes_;
    QLineEdit& positionBox_;
    QProgressBar& progress_;
    int position_ = 0;
    int maximum_ = 0;
    int value_ = 0;
    QElapsedTimer sinceShown_;
    std::function<bool()> stopped_;
};

inline constexpr const char* kQuietFindingsCheckBox = "Ne prikazuvaj gi ostanatite poraki";

// The user's boxes during a run: each box opens only after the screen shows
// the record it speaks of. Every finding's box carries the check box
// "Ne prikazuvaj gi ostanatite poraki"; once it is ticked, the run's further
// findings are confirmed without a box (they are listed and painted all the
// same). The question and the verdict always show.
class RunBoxes : public UserBoxes {
public:
    RunBoxes(UserBoxes& inner, ReviewCheckView& view) : inner_(inner), view_(view) {}

    Answer message(const MessageRequest& request) override;
    std::string input(const InputRequest& request) override;
    std::string openFile(const FileDialogRequest& request) override;
    std::string saveFile(const FileDialogRequest& request) override;

private:
    UserBoxes& inner_;
    ReviewCheckView& view_;
    bool quiet_ = false;
};

} // namespace dorvik
