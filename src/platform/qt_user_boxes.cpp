#include "platform/qt_user_boxes.h"

#include "platform/file_list_texts.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QMessageBox>

namespace dorvik {

namespace {

QMessageBox::Icon toQt(Icon icon)
{
    switch (icon) {
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Information: return QMessageBox::Information;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton toQt(Answer answer)
{
    switch (answer) {
    case Answer::Yes: return QMessageBox::Yes;
    case Answer::No: return QMessageBox::No;
    case Answer::Cancel: return QMessageBox::Cancel;
    case Answer::Ok: break;
    }
    return QMessageBox::Ok;
}

QWidget* parentWindow()
{
    return QApplication::activeWindow();
}

// "Only text (*.*)|*.*" -> the entry "Only text (*.*)". Where the filter
// comes from, "*.*" matches every file, names without a dot included.
QString filterLabel(const std::string& filter)
{
    const QString text = QString::fromStdString(filter);
    const qsizetype bar = text.indexOf('|');
    return bar < 0 ? text : text.left(bar);
}

bool matchesEveryFile(const std::string& filter)
{
    const QString text = QString::fromStdString(filter);
    const qsizetype bar = text.indexOf('|');
    const QString patterns = bar < 0 ? QStringLiteral("*.*") : text.mid(bar + 1);
    return patterns == QLatin1String("*.*") || patterns == QLatin1String("*");
}

} // namespace

Answer QtUserBoxes::message(const MessageRequest& request)
{
    bool ticked = false;
    return messageWithCheckBox(request, std::string(), ticked);
}

Answer QtUserBoxes::messageWithCheckBox(const MessageRequest& request,
                                        const std::string& checkBox, bool& ticked)
{
    QMessageBox box(parentWindow());
    box.setWindowTitle(QString::fromStdString(request.title));
    // Plain text: the runs of blanks that lay out the messages must survive.
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(request.text));
    box.setIcon(toQt(request.icon));
    switch (request.buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    // A default the box does not have falls back to its escape answer.
    const Answer escape = escapeAnswer(request.buttons);
    const bool hasDefault = box.button(toQt(request.defaultButton)) != nullptr;
    box.setDefaultButton(toQt(hasDefault ? request.defaultButton : escape));
    box.setEscapeButton(toQt(escape));
    if (!checkBox.empty())
        box.setCheckBox(new QCheckBox(QString::fromStdString(checkBox)));
    const int result = box.exec();
    ticked = box.checkBox() && box.checkBox()->isChecked();
    for (const Answer answer : {Answer::Ok, Answer::Yes, Answer::No, Answer::Cancel})
        if (result == toQt(answer) && box.button(toQt(answer)))
            return answer;
    return escape;
}

std::string QtUserBoxes::input(const InputRequest& request)
{
    bool ok = false;
    const QString text = QInputDialog::getText(
        parentWindow(), QString::fromStdString(request.title),
        QString::fromStdString(request.prompt), QLineEdit::Normal,
        QString::fromStdString(request.defaultText), &ok);
    return ok ? text.toStdString() : std::string();
}

std::string QtUserBoxes::openFile(const FileDialogRequest& request)
{
    return chooseFile(request, false);
}

std::string QtUserBoxes::saveFile(const FileDialogRequest& request)
{
    return chooseFile(request, true);
}

std::string QtUserBoxes::chooseFile(const FileDialogRequest& request, bool saving)
{
    QFileDialog dialog(parentWindow(), QString::fromStdString(request.title));
    // The non-native dialog behaves the same on every desktop, speaks the
    // program's language there, and can be driven from the keyboard alone.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Sizes, types and times of the files in the program's words too.
    useProgramsWords(dialog);
    dialog.setNameFilter(filterLabel(request.filter));
    if (matchesEveryFile(request.filter)) {
        // Qt reads "*.*" as names with a dot; widen the listing to every file.
        if (auto* model = dialog.findChild<QFileSystemModel*>())
            model->setNameFilters({QStringLiteral("*")});
    }
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultSuffix));
    dialog.setFileMode(saving || request.mayNotExist ? QFileDialog::AnyFile
                                                     : QFileDialog::ExistingFile);
    // Opening a new report file creates it empty, which replaces nothing;
    // a save replaces a file, so it asks first.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !saving);
    const QString folder = request.initialFolder.empty()
                               ? lastFolder_
                               : QFile::decodeName(QByteArray::fromStdString(request.initialFolder));
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    const QString name = request.initialName.empty()
                             ? (request.filter == lastFilter_ ? lastFileName_ : QString())
                             : QFile::decodeName(QByteArray::fromStdString(request.initialName));
    if (!name.isEmpty())
        dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    lastFolder_ = QFileInfo(chosen).absolutePath();
    lastFileName_ = QFileInfo(chosen).fileName();
    lastFilter_ = request.filter;
    return QFile::encodeName(QFileInfo(chosen).absoluteFilePath()).toStdString();
}

UserBoxes& applicationBoxes()
{
    static QtUserBoxes boxes;
    return boxes;
}

} // namespace dorvik
