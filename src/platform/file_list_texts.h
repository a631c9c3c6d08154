// The file dialog's list in the program's language. Qt's file model gives a
// file's size, type and time in the system's words and locale ("298 bytes",
// "plain text document", "7 Dec 2026 15:22:46"); this proxy over it gives
// them the program's way ("298 bajti", "TXT datoteka", "07.12.2026 15:22").
// Folders' types come from Qt's model, through the program's translation.
#pragma once

#include <QIdentityProxyModel>

class QFileDialog;

namespace dorvik {

class FileListTexts : public QIdentityProxyModel {
    Q_OBJECT
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

// Puts the texts into the dialog's list and fits its columns and its places
// to them: they are longer than the widths Qt's dialog allows for English.
void useProgramsWords(QFileDialog& dialog);

// "0 bajti", "1 bajt", "1023 bajti", then KB, MB, GB and TB of 1024 with
// one decimal in the locale's way ("1,5 KB").
QString fileSizeText(qint64 bytes);

// "TXT datoteka" from "PRIJAVA.TXT", "Datoteka" for a name without a suffix.
QString fileTypeText(const QString& fileName);

} // namespace dorvik
