#include "shell/screen.h"

#include "data/customer_data_source.h"

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
        if (screen_.abandoned_)
            return whenAbandoned;
        ++screen_.openBoxes_;
        Result result = show();
        if (--screen_.openBoxes_ == 0 && screen_.abandoned_)
            screen_.deleteLater();
        return screen_.abandoned_ ? whenAbandoned : result;
    }

    Screen& screen_;
    UserBoxes& inner_;
};

Screen::Screen(AppServices services, QWidget* parent)
    : QWidget(parent, Qt::Window),
      boxes_(std::make_unique<ScreenBoxes>(*this, services.boxes)),
      services_{*boxes_, services.files, services.clock}
{
    setAttribute(Qt::WA_DeleteOnClose);
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

void Screen::reportSave(const CustomerDataSource& store)
{
    const std::string status = savedStatus(store.fileName(), store.lastSave());
    emit saved(QFile::decodeName(QByteArray::fromStdString(status)));
}

bool Screen::mayDropNewReport()
{
    return askYesNo(services_.boxes, kDropNewReportQuestion, Icon::Exclamation);
}

} // namespace dorvik
