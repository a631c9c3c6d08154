#include "foreign_words.h"

#include <QRegularExpression>
#include <QSet>

namespace dorvik::testing {

namespace {

// Words of Qt's buttons, dialogs, context menus and print dialogs, of the
// command line's help, of dates in English and of the system's failure
// descriptions. None of them is a word of the program's Macedonian ("a" and
// "list" are), a key's name ("Ctrl", "Del"), "OK", or a word of the
// program's own English filter "Only text (*.*)".
constexpr const char* kEnglish[] = {
    // buttons and boxes
    "Yes", "No", "Cancel", "Close", "Apply", "Reset", "Abort", "Retry", "Ignore", "Discard",
    "Help", "Open", "Save", "Restore", "Defaults", "Error", "Warning", "Question",
    "Information", "Details", "Show", "Hide", "Please", "sure", "want", "you", "the",
    // the file dialog and its model
    "File", "Files", "Look", "Directory", "Directories", "Folder", "Folders", "Name", "Size",
    "Type", "Kind", "Date", "Modified", "Back", "Forward", "Parent", "Create", "New", "Detail",
    "View", "Rename", "hidden", "Computer", "Recent", "Places", "Drive", "Drives", "bytes",
    "document", "plain", "already", "exists", "replace", "found", "verify", "given", "Unknown",
    // context menus
    "Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "Select", "All", "Insert", "Unicode",
    "control", "character", "Link", "Location", "Scroll", "here", "Left", "Right", "Top",
    "Bottom", "edge", "Page", "up", "down", "Step",
    // printing
    "Print", "Printer", "Printing", "Preview", "Setup", "Properties", "Paper", "Source",
    "Orientation", "Portrait", "Landscape", "Copies", "Collate", "Reverse", "Pages", "Range",
    "Current", "Selection", "Margins", "Zoom", "Fit", "width", "First", "Last", "Next",
    "Previous", "Single", "Facing", "Overview", "Export", "Options", "Duplex", "Color",
    "Grayscale", "Custom", "Local", "Output", "Envelope", "Postcard",
    // the command line
    "Usage", "Arguments", "Displays", "help", "version", "information", "option", "options",
    "unknown", "missing", "value", "expected",
    // dates and times
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec",
    "January", "February", "March", "April", "June", "July", "August", "September",
    "October", "November", "December", "Monday", "Tuesday", "Wednesday", "Thursday",
    "Friday", "Saturday", "Sunday", "AM", "PM",
    // the system's failure descriptions
    "Permission", "denied", "such", "or", "space", "left", "device", "read", "writable",
    "Input", "output", "too", "long", "not",
};

} // namespace

QStringList foreignWordsIn(const QString& text)
{
    static const QSet<QString> english = [] {
        QSet<QString> set;
        for (const char* word : kEnglish)
            set.insert(QString::fromLatin1(word).toLower());
        return set;
    }();
    static const QRegularExpression notALetter(QStringLiteral("[^\\p{L}]+"));
    static const QRegularExpression optionName(QStringLiteral("(?<![\\p{L}-])--?\\p{L}[\\p{L}-]*"));
    static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
    QString plain = text;
    plain.remove(QLatin1Char('&'));
    plain.remove(optionName);
    QStringList found;
    for (const QString& word : plain.split(notALetter, Qt::SkipEmptyParts))
        if ((english.contains(word.toLower()) || word.contains(cyrillic)) && !found.contains(word))
            found.append(word);
    return found;
}

} // namespace dorvik::testing
