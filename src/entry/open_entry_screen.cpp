#include "entry/open_entry_screen.h"

#include "entry/frm_popolnuvawe.h"
#include "entry/frm_vnos.h"

#include <QApplication>
#include <QScreen>

namespace dorvik {

Screen* openEntryScreen(AppServices services, const ReportFile& file)
{
    auto* screen = new frmVnos(services, file);

    // The common values are asked for first; the file is loaded and the
    // screen shown once the dialog is closed, whichever way. The dialog is
    // modal for the whole program but does not block the caller, and it goes
    // with the screen should the program close meanwhile.
    auto* dialog = new frmPopolnuvawe(screen);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    QObject::connect(dialog, &QDialog::finished, screen, [screen] {
        if (screen->openReports())
            screen->show();
        else
            screen->deleteLater();
    });
    dialog->adjustSize();
    const QWidget* over = QApplication::activeWindow();
    const QRect area = over ? over->frameGeometry() : dialog->screen()->availableGeometry();
    dialog->move(area.center() - dialog->rect().center());
    dialog->show();
    return screen;
}

} // namespace dorvik
