#include "platform/file_list_texts.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QListView>
#include <QLocale>
#include <QSplitter>
#include <QTreeView>

namespace dorvik {

namespace {

// The columns of Qt's file model.
enum Column { Name, Size, Type, Modified };

} // namespace

QString fileSizeText(qint64 bytes)
{
    if (bytes == 1)
        return QStringLiteral("1 bajt");
    if (bytes < 1024)
        return QStringLiteral("%1 bajti").arg(bytes);
    static const char* const kUnits[] = {"KB", "MB", "GB", "TB"};
    double amount = static_cast<double>(bytes) / 1024;
    int unit = 0;
    // The next unit once the amount would round to 1024.0.
    while (amount >= 1023.95 && unit < 3) {
        amount /= 1024;
        ++unit;
    }
    return QLocale().toString(amount, 'f', 1) + QLatin1Char(' ') + QLatin1String(kUnits[unit]);
}

QString fileTypeText(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    return suffix.isEmpty() || suffix == fileName.mid(1) ? QStringLiteral("Datoteka")
                                                         : suffix.toUpper() + QStringLiteral(" datoteka");
}

QVariant FileListTexts::data(const QModelIndex& index, int role) const
{
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files || !index.isValid())
        return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    switch (index.column()) {
    case Size:
        if (!files->isDir(source))
            return fileSizeText(files->size(source));
        break;
    case Type:
        if (!files->isDir(source))
            return fileTypeText(files->fileName(source.siblingAtColumn(Name)));
        break;
    case Modified:
        return files->lastModified(source).toString(QStringLiteral("dd.MM.yyyy HH:mm"));
    default:
        break;
    }
    return QIdentityProxyModel::data(index, role);
}

void useProgramsWords(QFileDialog& dialog)
{
    dialog.setProxyModel(new FileListTexts(&dialog));
    auto* files = dialog.findChild<QFileSystemModel*>();
    auto* list = dialog.findChild<QTreeView*>();
    auto* splitter = dialog.findChild<QSplitter*>();
    if (!files || !list || !splitter)
        return;
    // The size, type and time as wide as they are, the names the rest.
    QHeaderView* header = list->header();
    header->setSectionResizeMode(Name, QHeaderView::Stretch);
    for (int column : {Size, Type, Modified})
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    // The places' names whole, once they are shown.
    QObject::connect(files, &QFileSystemModel::directoryLoaded, splitter, [splitter] {
        auto* places = qobject_cast<QListView*>(splitter->widget(0));
        const QList<int> sizes = splitter->sizes();
        if (!places || sizes.size() != 2)
            return;
        const int wanted = places->sizeHintForColumn(0) + 2 * places->frameWidth();
        if (wanted > sizes[0])
            splitter->setSizes({wanted, sizes[1] - (wanted - sizes[0])});
    });
}

} // namespace dorvik
