// One language on every screen. Qt's own windows, boxes and context menus,
// as the program shows them, and what its command lines print, are walked
// on the offscreen platform with the program's translation of Qt's texts
// installed as at start-up: no text may hold a foreign word (Qt's or the
// system's English, or Cyrillic), and Qt may ask for no text that the
// translation lacks (the failure lists them as entries for
// resources/translations/dorvik_mk.ts). The program's own windows are read
// for foreign words with their captions (tests/texts/shown_texts_test.cpp).
// To add a window of Qt's, add a step to kSteps that shows it and looks at it.
#include "app/command_line.h"
#include "foreign_words.h"
#include "memory_file_system.h"
#include "platform/program_language.h"
#include "platform/qt_user_boxes.h"
#include "platform/settings_store.h"
#include "records.h"
#include "review/frm_kontrola.h"
#include "scripted_boxes.h"
#include "shell/report_form.h"
#include "temp_dir.h"
#include "transfer/frm_prenos.h"
#include "untranslated_texts.h"
#include "window_texts.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using namespace dorvik;
using namespace dorvik::testing;

namespace {

constexpr const char* kReport = "/a/PRIJAVA.TXT";

// What a step has at hand: screens' services, the real boxes, a folder for
// the file dialogs (a report file, a folder, links to both and a broken
// link), and what was seen.
struct Walk {
    ScriptedBoxes boxes;
    MemoryFileSystem files;
    FixedClock clock{std::chrono::year{2003} / 6 / 15};
    QtSettingsStore settings;
    AppServices services{boxes, files, clock};
    QtUserBoxes realBoxes;
    TempDir dir;
    std::vector<std::string> foreign;

    Walk()
    {
        // Record 2's year is in the future: the check run fails and lists it.
        files.files[kReport] = fileOf({recordLine(1), lineWith(2, {{Field::Godina, "04"}})});
        writeBytes(dir.file("PRIJAVA.TXT"), files.files[kReport]);
        std::filesystem::create_directory(dir.file("ARHIVA"));
        std::filesystem::create_symlink("PRIJAVA.TXT", dir.file("VRSKA.TXT"));
        std::filesystem::create_directory_symlink("ARHIVA", dir.file("KRATENKA"));
        std::filesystem::create_symlink("NEMA", dir.file("SKRSENA"));
    }

    // Every text the window can show, each foreign word in it noted.
    void look(QWidget* window, const char* what)
    {
        ASSERT_NE(window, nullptr) << what;
        for (const QString& text : textsOf(window))
            read(text, what);
    }

    // A text the user reads, each foreign word in it noted.
    void read(const QString& text, const char* what)
    {
        const QStringList words = foreignWordsIn(text);
        if (!words.isEmpty())
            foreign.push_back(std::string(what) + ": \"" + text.toStdString() + "\" ("
                              + words.join(", ").toStdString() + ")");
    }

    // Calls open, which shows a modal window or a popup menu and waits for
    // it; meanwhile look gets that window, which is closed after.
    static void whileShown(const std::function<void()>& open,
                           const std::function<void(QWidget*)>& look)
    {
        const QPointer<QWidget> before = shownNow();
        bool looked = false;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            QWidget* shown = shownNow();
            if (looked || !shown || shown == before)
                return;
            looked = true;
            look(shown);
            if (auto* dialog = qobject_cast<QDialog*>(shown))
                dialog->reject();
            else
                shown->close();
        });
        timer.start(1);
        open();
        // A context menu may open as a popup that does not wait.
        EXPECT_TRUE(QTest::qWaitFor([&] { return looked; }, 2000)) << "nothing was shown";
    }

    // Looks at the context menu the widget opens at the point.
    void lookAtContextMenu(QWidget* widget, const char* what, QPoint at = {4, 4})
    {
        whileShown(
            [&] {
                QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
                QApplication::sendEvent(widget, &event);
            },
            [&](QWidget* menu) { look(menu, what); });
    }

    void lookAtFileDialog(QFileDialog* dialog, const char* what);

private:
    static QWidget* shownNow()
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            return popup;
        return QApplication::activeModalWidget();
    }
};

// The file dialog in its detail view once its model has read the folder,
// and the context menu of its list.
void Walk::lookAtFileDialog(QFileDialog* dialog, const char* what)
{
    ASSERT_NE(dialog, nullptr);
    dialog->setViewMode(QFileDialog::Detail);
    auto* view = dialog->findChild<QTreeView*>();
    ASSERT_NE(view, nullptr);
    auto typesRead = [view] {
        const QModelIndex root = view->rootIndex();
        const int rows = view->model()->rowCount(root);
        for (int row = 0; row < rows; ++row)
            if (view->model()->index(row, 2, root).data().toString().isEmpty())
                return false;
        return rows >= 2;
    };
    EXPECT_TRUE(QTest::qWaitFor(typesRead, 5000)) << what;
    look(dialog, what);
    whileShown([&] { emit view->customContextMenuRequested(QPoint(4, 4)); },
               [&](QWidget* menu) { look(menu, what); });
}

struct Step {
    const char* name;
    std::function<void(Walk&)> show;
};

const Step kSteps[] = {
    {"ContextMenuOfAReviewBox",
     [](Walk& w) {
         frmKontrola screen(w.services, {kReport, false});
         screen.show();
         QLineEdit* box = screen.form()->box(Field::ImePrezime);
         box->selectAll();
         w.lookAtContextMenu(box, "context menu of a box");
     }},
    {"ErrorListWindow",
     [](Walk& w) {
         frmKontrola screen(w.services, {kReport, false});
         screen.show();
         w.boxes.answer(Answer::Yes);
         screen.check();
         ASSERT_NE(screen.errorList(), nullptr);
         w.look(screen.errorList(), "error list window");
         for (QScrollBar* bar : {screen.errorList()->table()->verticalScrollBar(),
                                 screen.errorList()->table()->horizontalScrollBar()})
             w.lookAtContextMenu(bar, "context menu of a scroll bar");
     }},
    {"InputBox",
     [](Walk& w) {
         w.whileShown([&] { w.realBoxes.input({"Prebaruvanje", "Vnesete go brojot", "123"}); },
                      [&](QWidget* box) {
                          w.look(box, "input box");
                          w.lookAtContextMenu(box->findChild<QLineEdit*>(),
                                              "context menu of the input box");
                      });
     }},
    {"OpenFileDialog",
     [](Walk& w) {
         FileDialogRequest request{"Otvori", w.dir.path().string(), "", "Only text (*.*)|*.*", false, ""};
         w.whileShown([&] { w.realBoxes.openFile(request); }, [&](QWidget* shown) {
             auto* dialog = qobject_cast<QFileDialog*>(shown);
             w.lookAtFileDialog(dialog, "open file dialog");
             // The name of no file, then Open.
             dialog->findChild<QLineEdit*>("fileNameEdit")->setText("NEMA.TXT");
             w.whileShown([&] { static_cast<QDialog*>(dialog)->accept(); },
                          [&](QWidget* box) { w.look(box, "file not found"); });
             // A new folder, then Delete on it; the places' context menu.
             dialog->findChild<QToolButton*>("newFolderButton")->click();
             w.look(dialog, "open file dialog with a new folder");
             w.whileShown([&] { dialog->findChild<QAction*>("qt_delete_action")->trigger(); },
                          [&](QWidget* box) { w.look(box, "delete the folder?"); });
             auto* places = dialog->findChild<QListView*>("sidebar");
             w.whileShown([&] { emit places->customContextMenuRequested(QPoint(4, 4)); },
                          [&](QWidget* menu) { w.look(menu, "context menu of the places"); });
         });
     }},
    {"SaveFileDialog",
     [](Walk& w) {
         FileDialogRequest request{"Snimi", w.dir.path().string(), "PRIJAVA.TXT",
                                   "Only text (*.*)|*.*", false, ""};
         w.whileShown([&] { w.realBoxes.saveFile(request); }, [&](QWidget* shown) {
             auto* dialog = qobject_cast<QFileDialog*>(shown);
             w.lookAtFileDialog(dialog, "save file dialog");
             w.whileShown([&] { static_cast<QDialog*>(dialog)->accept(); },
                          [&](QWidget* box) { w.look(box, "replace the file?"); });
         });
     }},
    {"ImportWindowAndItsBoxes",
     [](Walk& w) {
         // A row whose identifier gained zeros, two that fail (a check digit,
         // lost digits) and an empty one; Dodaj, its question and its offer.
         // (Its file dialogs are Qt's, as in the two steps above.)
         w.files.files["/a/plata.csv"] =
             "Godina;Registarski broj;Firma;Licen broj;EMBG;Ime i prezime;Period od;Period do;Casovi;Iznos\r\n"
             "3;1234567897;Firma DOO;189;2305853450009;Mia;0101;3112;2088;100\r\n"
             "03;1234567897;Firma DOO;1111111181;123;Ivo;0101;3112;2088;100\r\n;;;;\r\n"
             "03;1234567897;Firma DOO;1111111181;1.23457E+12;Eva;0101;3112;2088;100\r\n";
         frmPrenos screen(w.services, w.settings, {kReport, false}, "/a/plata.csv");
         screen.setAttribute(Qt::WA_DeleteOnClose, false);
         ASSERT_TRUE(screen.open());
         screen.show();
         w.look(&screen, "import window");
         w.boxes.clear();
         w.boxes.answer(Answer::Yes);
         screen.append();
         w.boxes.answerFile("");
         screen.saveRejected();
         ASSERT_EQ(w.boxes.shown().size(), 3u);
         for (const ShownBox& box : w.boxes.shown())
             w.read(QString::fromStdString(box.message.title + " " + box.message.text), "import window's box");
         w.look(&screen, "import window after the rows were added");
     }},
    // Qt's print dialogs, until the program's printing windows come to walk.
    {"PrintDialogs",
     [](Walk& w) {
         QPrinter printer;
         QPrintDialog print(&printer);
         w.whileShown([&] { print.exec(); }, [&](QWidget* dialog) {
             w.look(dialog, "print dialog");
             // "Options >>" (neither Print nor Cancel), then the options'
             // spin box's context menu, the printer's properties and the
             // file dialog of printing to a file.
             auto* buttons = dialog->findChild<QDialogButtonBox*>();
             for (QAbstractButton* button : buttons->buttons())
                 if (buttons->buttonRole(button) != QDialogButtonBox::AcceptRole
                     && buttons->buttonRole(button) != QDialogButtonBox::RejectRole)
                     button->click();
             w.look(dialog, "print dialog's options");
             w.lookAtContextMenu(dialog->findChild<QSpinBox*>("copies"), "context menu of a spin box");
             w.whileShown([&] { dialog->findChild<QPushButton*>("properties")->click(); },
                          [&](QWidget* shown) { w.look(shown, "printer properties"); });
             w.whileShown([&] { dialog->findChild<QToolButton*>("fileBrowser")->click(); },
                          [&](QWidget* shown) { w.look(shown, "print to file"); });
         });
         QPageSetupDialog setup(&printer);
         w.whileShown([&] { setup.exec(); }, [&](QWidget* shown) { w.look(shown, "page setup"); });
         QPrintPreviewDialog preview(&printer);
         w.whileShown([&] { preview.exec(); },
                      [&](QWidget* shown) { w.look(shown, "print preview"); });
     }},
    {"CommandLines",
     [](Walk& w) {
         // Qt's words of dorvik's help and complaints, asked for here.
         QCommandLineParser parser;
         describeCommandLine(parser);
         w.read(parser.helpText(), "dorvik --help");
         for (const char* wrong : {"--bogus", "-xy", "--version=1"}) {
             EXPECT_FALSE(parser.parse({"dorvik", wrong}));
             w.read(parser.errorText(), wrong);
         }
         // What the programs print, standard output and error alike.
         const std::pair<const char*, QStringList> runs[] = {
             {DORVIK_PROGRAM, {"--help"}},       {DORVIK_PROGRAM, {"-?"}},
             {DORVIK_PROGRAM, {"-platform", "offscreen", "--bogus"}}, {DORVIK_PROGRAM, {"-V"}},
             {DORVIK_CHECK_PROGRAM, {"--help"}}, {DORVIK_CHECK_PROGRAM, {"--bogus"}},
             {DORVIK_CHECK_PROGRAM, {}},         {DORVIK_CHECK_PROGRAM, {"-V"}},
             {DORVIK_IMPORT_PROGRAM, {"--help"}}, {DORVIK_IMPORT_PROGRAM, {"--bogus"}},
             {DORVIK_IMPORT_PROGRAM, {}},         {DORVIK_IMPORT_PROGRAM, {"-V"}},
         };
         // A runtime folder as a desktop session has, or Qt warns of its lack.
         const std::string runtime = w.dir.file("runtime");
         std::filesystem::create_directory(runtime);
         std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
         QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
         environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime));
         // No display: a question for text alone is answered without one.
         for (const char* display : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
             environment.remove(display);
         for (const auto& [program, arguments] : runs) {
             QProcess run;
             run.setProcessEnvironment(environment);
             run.setProcessChannelMode(QProcess::MergedChannels);
             run.start(QString::fromLatin1(program), arguments);
             ASSERT_TRUE(run.waitForFinished(10000)) << program;
             EXPECT_EQ(run.exitStatus(), QProcess::NormalExit) << program;
             // The help names the program by the path it was started from.
             const QString said = QString::fromLocal8Bit(run.readAll())
                                      .replace(QString::fromLatin1(program), "PROGRAM");
             EXPECT_FALSE(said.isEmpty()) << program;
             w.read(said, program);
         }
     }},
};

// The program's language as at start-up, for the whole run; and the texts
// Qt asks for that it lacks.
UntranslatedTexts* untranslated = nullptr;

class ProgramLanguage : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_TRUE(installProgramLanguage());
        untranslated = new UntranslatedTexts;
        ASSERT_TRUE(untranslated->loaded());
        QCoreApplication::installTranslator(untranslated);
    }
    void TearDown() override
    {
        QCoreApplication::removeTranslator(untranslated);
        delete untranslated;
    }
};

const auto* const kProgramLanguage = ::testing::AddGlobalTestEnvironment(new ProgramLanguage);

class OneLanguage : public ::testing::TestWithParam<Step> {};

} // namespace

TEST_P(OneLanguage, SpeaksTheProgramsLanguage)
{
    Walk walk;
    untranslated->take();
    GetParam().show(walk);
    for (const std::string& finding : walk.foreign)
        ADD_FAILURE() << finding;
    const std::set<QtText> missing = untranslated->take();
    EXPECT_TRUE(missing.empty()) << "Qt asked for texts that the translation lacks:\n"
                                 << asTsEntries(missing);
}

INSTANTIATE_TEST_SUITE_P(Walk, OneLanguage, ::testing::ValuesIn(kSteps),
                         [](const ::testing::TestParamInfo<Step>& info) {
                             return std::string(info.param.name);
                         });

// The real boxes: the text as given, the default button, the check box
// and whether the user ticked it, and the answer of the button pressed; the
// buttons answer to their letters, alone or with Alt, as the letters of their
// captions in the program's language say, and Escape to the escape answer;
// with each kind of icon, nothing on a box is in a foreign language.
TEST(ProgramLanguage, BoxesAnswerAsPressedAndToTheLettersOfTheirButtons)
{
    const QStringList yesNo{"&Da", "&Ne"}, yesNoCancel{"&Da", "&Ne", "&Otkazi"};
    const struct {
        Buttons buttons;
        Answer defaultButton;
        QStringList captions;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        Answer answer;
        const char* checkBox = ""; // none when empty
        bool tick = false;
    } cases[] = {
        {Buttons::YesNo, Answer::No, yesNo, Qt::Key_D, Qt::NoModifier, Answer::Yes},
        {Buttons::YesNo, Answer::No, yesNo, Qt::Key_N, Qt::NoModifier, Answer::No},
        {Buttons::YesNo, Answer::No, yesNo, Qt::Key_Escape, Qt::NoModifier, Answer::No},
        {Buttons::YesNoCancel, Answer::Yes, yesNoCancel, Qt::Key_O, Qt::NoModifier, Answer::Cancel},
        {Buttons::YesNoCancel, Answer::Yes, yesNoCancel, Qt::Key_D, Qt::AltModifier, Answer::Yes},
        {Buttons::YesNoCancel, Answer::Yes, yesNoCancel, Qt::Key_N, Qt::AltModifier, Answer::No},
        {Buttons::YesNoCancel, Answer::Cancel, yesNoCancel, Qt::Key_Escape, Qt::NoModifier, Answer::Cancel},
        {Buttons::Ok, Answer::Ok, {"OK"}, Qt::Key_Return, Qt::NoModifier, Answer::Ok, "Ne prikazuvaj", true},
        {Buttons::Ok, Answer::Ok, {"OK"}, Qt::Key_Escape, Qt::NoModifier, Answer::Ok, "Ne prikazuvaj"},
    };
    const char* const defaultCaptions[] = {"OK", "&Da", "&Ne", "&Otkazi"}; // by Answer
    const Icon icons[] = {Icon::None, Icon::Critical, Icon::Exclamation, Icon::Information};
    untranslated->take();
    for (const auto& c : cases) {
        MessageRequest request;
        request.text = "DALI ZAPOCNUVATE KONTROLA NA PRIJAVITE  DA/NE";
        request.buttons = c.buttons;
        request.defaultButton = c.defaultButton;
        request.icon = icons[(&c - cases) % 4]; // each icon on some box
        QtUserBoxes boxes;
        QStringList captions;
        bool ignoredTheKey = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (QAbstractButton* button : box->buttons())
                captions.append(button->text());
            EXPECT_EQ(box->text().toStdString(), request.text);
            EXPECT_EQ(box->windowTitle(), "Dorvik");
            EXPECT_EQ(box->defaultButton()->text(), defaultCaptions[static_cast<int>(c.defaultButton)]);
            EXPECT_EQ(box->checkBox() ? box->checkBox()->text() : QString(), c.checkBox);
            // And nothing else in a foreign language, whatever the icon.
            for (const QString& text : textsOf(box))
                EXPECT_TRUE(foreignWordsIn(text).isEmpty()) << text.toStdString();
            if (c.tick)
                box->checkBox()->setChecked(true);
            // Through the window, as a key from the keyboard comes, shortcuts first.
            QTest::keyClick(box->windowHandle(), c.key, c.modifiers);
            // A box that ignored the key is closed all the same.
            QTimer::singleShot(2000, box, [&, box] {
                ignoredTheKey = true;
                box->reject();
            });
        });
        bool ticked = !c.tick;
        EXPECT_EQ(*c.checkBox ? boxes.messageWithCheckBox(request, c.checkBox, ticked) : boxes.message(request),
                  c.answer)
            << c.key;
        EXPECT_FALSE(ignoredTheKey) << c.key;
        EXPECT_EQ(ticked, *c.checkBox ? c.tick : !c.tick);
        captions.sort();
        EXPECT_EQ(captions, c.captions);
    }
    const std::set<QtText> missing = untranslated->take();
    EXPECT_TRUE(missing.empty()) << "Qt asked for texts that the translation lacks:\n" << asTsEntries(missing);
}
