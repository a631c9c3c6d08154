#include "shell/screen.h"

#include "data/customer_data_source.h"
#include "platform/qt_print_boxes.h"
#include "shell/screen_messages.h"

#include <QCloseEvent>
#include <QFile>

namespace dorvik {

// The screen's boxes: the platform's, counted while open, and declined once
// the screen is abandoned.
class Screen::ScreenBoxes : public UserBoxes {
public:
    ScreenBoxes(Screen& screen, UserBoxes& inner) : screen_(screen), inner_(inner) {}

    Answer message(const MessageRequest& request) override
    {
        return open([&] { return inner_.message(request); }, escapeAnswer(request.buttons));
    }
    Answer messageWithCheckBox(const MessageRequest& request, const std::string& checkBox,
                               bool& ticked) override
    {
        return open([&] { return inner_.messageWithCheckBox(request, checkBox, ticked); },
                    escapeAnswer(request.buttons));
    }
    std::string input(const InputRequest& request) override
    {
        return open([&] { return inner_.input(request); }, std::string());
    }
    std::string openFile(const FileDialogRequest& request) override
    {
        return open([&] { return inner_.openFile(request); }, std::string());
    }
    std::string saveFile(const FileDialogRequest& request) override
    {
        return open([&] { return inner_.saveFile(request); }, std::string());
    }

private:
    template <typename Show, typename Result>
    Result open(Show show, Result whenAbandoned)
    {
        return screen_.whileOpen(show, whenAbandoned);
    }

    Screen& screen_;
    UserBoxes& inner_;
};

// The same for the print preview and the progress box. A job under a
// progress box is cancelled once the screen is abandoned.
class Screen::ScreenPrintBoxes : public PrintBoxes {
public:
    ScreenPrintBoxes(Screen& screen, PrintBoxes& inner) : screen_(screen), inner_(inner) {}

    PrintOutcome preview(const PrintRequest& request) override
    {
        return screen_.whileOpen([&] { return inner_.preview(request); }, PrintOutcome{});
    }
    bool withProgress(const ProgressRequest& request,
                      const std::function<bool(const ProgressStep&)>& work) override
    {
        return screen_.whileOpen(
            [&] {
                return inner_.withProgress(request, [&](const ProgressStep& step) {
                    return work([&](int done) { return step(done) && !screen_.abandoned_; });
                });
            },
            false);
    }

private:
    Screen& screen_;
    PrintBoxes& inner_;
};

template <typename Show, typename Result>
Result Screen::whileOpen(Show show, Result whenAbandoned)
{
    if (abandoned_)
        return whenAbandoned;
    ++openBoxes_;
    Result result = show();
    if (--openBoxes_ == 0 && abandoned_)
        deleteLater();
    return abandoned_ ? whenAbandoned : result;
}

Screen::Screen(AppServices services, const ReportFile& file, QWidget* parent)
    : QWidget(parent, Qt::Window),
      boxes_(std::make_unique<ScreenBoxes>(*this, services.boxes)),
      printBoxes_(std::make_unique<ScreenPrintBoxes>(
          *this, services.printing ? *services.printing : applicationPrintBoxes())),
      services_{*boxes_, services.files, services.clock, printBoxes_.get()}, file_(file)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void Screen::setCaption(const QString& caption)
{
    const QString path = QFile::decodeName(QByteArray::fromStdString(file_.path));
    setWindowTitle(caption + QStringLiteral(" - ")
                   + QFile::decodeName(QByteArray::fromStdString(fileNameOf(file_.path))));
    setWindowFilePath(path);
    setToolTip(path);
}

Screen::~Screen() = default;

void Screen::closeEvent(QCloseEvent* event)
{
    if (openBoxes_ > 0) {
        abandoned_ = true;
        // Deleted once the boxes have returned (see ScreenBoxes).
        setAttribute(Qt::WA_DeleteOnClose, false);
        event->accept();
        return;
    }
    if (!mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
}

void Screen::reportSave(const CustomerDataSource& store, const char* note)
{
    const std::string status = savedStatus(store.fileName(), store.lastSave()) + note;
    statusShown_ = true;
    emit saved(QFile::decodeName(QByteArray::fromStdString(status)));
    const std::string notice = backupNotice(store.fileName(), store.lastSave());
    if (!notice.empty())
        tell(services_.boxes, notice, Icon::Information);
}

void Screen::clearStatus()
{
    if (!statusShown_)
        return;
    statusShown_ = false;
    emit statusCleared();
}

bool Screen::mayLeaveNewReport(bool closing, const std::function<bool()>& save)
{
    MessageRequest question;
    question.text = closing ? newReportOnCloseQuestion(file_.path) : kSaveNewReportQuestion;
    question.icon = Icon::Exclamation;
    question.buttons = Buttons::YesNoCancel;
    question.defaultButton = Answer::Yes;
    switch (services_.boxes.message(question)) {
    case Answer::Yes: return save();
    case Answer::No: return true;
    default: return false;
    }
}

} // namespace dorvik
