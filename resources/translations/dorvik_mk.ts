<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mk_MK">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Papka</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <comment>All other platforms</comment>
        <translation>Kratenka</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nepoznato</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>Izberi &amp;se</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>Z&amp;golemi</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>&amp;Namali</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Arguments:</source>
        <translation>Argumenti:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcii:</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Neocekuvana vrednost po &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Nepoznata opcija &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Nepoznati opcii: %1.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Upotreba: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opcii]</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Banner Pages</source>
        <translation>Naslovni stranici</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Podatoci za naplata:</translation>
    </message>
    <message>
        <source>Classified</source>
        <comment>CUPS Banner page</comment>
        <translation>Klasificirano</translation>
    </message>
    <message>
        <source>Confidential</source>
        <comment>CUPS Banner page</comment>
        <translation>Doverlivo</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Den (06:00 do 17:59)</translation>
    </message>
    <message>
        <source>End:</source>
        <comment>Banner page at end</comment>
        <translation>Na krajot:</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Zadrzi do ponatamosno</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Zadaca</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Upravuvanje so zadacata</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Prioritet na zadacata:</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Nokj (18:00 do 05:59)</translation>
    </message>
    <message>
        <source>None</source>
        <comment>CUPS Banner page</comment>
        <translation>Bez</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Pecati vednas</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Zakazano pecatenje:</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Vtora smena (16:00 do 23:59)</translation>
    </message>
    <message>
        <source>Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>Tajno</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>Odredeno vreme</translation>
    </message>
    <message>
        <source>Standard</source>
        <comment>CUPS Banner page</comment>
        <translation>Standardno</translation>
    </message>
    <message>
        <source>Start:</source>
        <comment>Banner page at start</comment>
        <translation>Na pocetokot:</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Treta smena (00:00 do 07:59)</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>Strogo tajno</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <comment>CUPS Banner page</comment>
        <translation>Neklasificirano</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Vikend (sabota do nedela)</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Datotekata ne e najdena.
Proverete dali imeto na datotekata e tocno.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 vekje postoi.
Dali da se zameni?</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Izbrisi</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Nova papka</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>O&amp;tvori</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Preimenuvaj</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Snimi</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Site datoteki (*)</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Dali sigurno da se izbrise &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazad</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Prikaz so detali</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Prikaz kako lista</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Nova papka</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Napravi nova papka</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbrisi</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Prikaz so detali</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Ime na datoteka:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Datoteki</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Vid na datoteki:</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Napred</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Odi nazad</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Odi napred</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Odi vo nadredenata papka</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Prikaz kako lista</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Lista na mesta i obelezuvaci</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Baraj vo:</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nova papka</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Nadredena papka</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Otstrani</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Prikazi </translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Prikazi &amp;skrieni datoteki</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Strana lenta</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>Kompjuter</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Datum na promena</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ime</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Golemina</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>Vid</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Zalepi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Povtori</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Vrati</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Ise&amp;ci</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbrisi</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izberi se</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Cicero (CC)</source>
        <translation>Cicero (CC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Po izbor</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Dido (DD)</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Visina:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Inci (in)</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontalno</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margini</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Milimetri (mm)</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Polozba</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Raspored na stranicite</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Redosled na stranicite:</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Golemina na stranicata:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Stranici na list:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Hartija</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Izvor na hartija:</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pika (P̸)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Tocki (pt)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertikalno</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Obratno horizontalno</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Obratno vertikalno</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Sirina:</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>dolna margina</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>leva margina</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>desna margina</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>gorna margina</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>%1 x %2 in</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>%1 x %2 in</translation>
    </message>
    <message>
        <source>A0</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>A0</translation>
    </message>
    <message>
        <source>A1</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>A1</translation>
    </message>
    <message>
        <source>A10</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>A10</translation>
    </message>
    <message>
        <source>A2</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>A2</translation>
    </message>
    <message>
        <source>A3</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>A3</translation>
    </message>
    <message>
        <source>A3 Extra</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>A3 Extra</translation>
    </message>
    <message>
        <source>A4</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>A4</translation>
    </message>
    <message>
        <source>A4 Extra</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>A4 Extra</translation>
    </message>
    <message>
        <source>A4 Plus</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>A4 Plus</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>A4 Small</translation>
    </message>
    <message>
        <source>A5</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>A5</translation>
    </message>
    <message>
        <source>A5 Extra</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>A5 Extra</translation>
    </message>
    <message>
        <source>A6</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>A6</translation>
    </message>
    <message>
        <source>A7</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>A7</translation>
    </message>
    <message>
        <source>A8</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>A8</translation>
    </message>
    <message>
        <source>A9</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>A9</translation>
    </message>
    <message>
        <source>ANSI C</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>ANSI C</translation>
    </message>
    <message>
        <source>ANSI D</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>ANSI D</translation>
    </message>
    <message>
        <source>ANSI E</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>ANSI E</translation>
    </message>
    <message>
        <source>Architect A</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Arhitektonski A</translation>
    </message>
    <message>
        <source>Architect B</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Arhitektonski B</translation>
    </message>
    <message>
        <source>Architect C</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Arhitektonski C</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Arhitektonski D</translation>
    </message>
    <message>
        <source>Architect E</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Arhitektonski E</translation>
    </message>
    <message>
        <source>B0</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>B0</translation>
    </message>
    <message>
        <source>B1</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>B1</translation>
    </message>
    <message>
        <source>B10</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>B10</translation>
    </message>
    <message>
        <source>B2</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>B2</translation>
    </message>
    <message>
        <source>B3</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>B3</translation>
    </message>
    <message>
        <source>B4</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>B4</translation>
    </message>
    <message>
        <source>B5</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>B5</translation>
    </message>
    <message>
        <source>B5 Extra</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>B5 Extra</translation>
    </message>
    <message>
        <source>B6</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>B6</translation>
    </message>
    <message>
        <source>B7</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>B7</translation>
    </message>
    <message>
        <source>B8</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>B8</translation>
    </message>
    <message>
        <source>B9</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>B9</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Dvojna dopisnica</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta C6</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta C65</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta C7</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta Chou 4</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta DL</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta Invite</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta Italian</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta Kaku 3</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta Monarch</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta PRC 10</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta PRC 9</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta Personal</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta US 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta US 14</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Koverta US 9</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Executive (7.25 x 10.5 in)</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Executive (7.5 x 10 in)</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Beskonecna germanska (8.5 x 12 in)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Beskonecna germanska Legal (8.5 x 13 in)</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Beskonecna US (14.875 x 11 in)</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Folio (8.27 x 13 in)</translation>
    </message>
    <message>
        <source>JIS B0</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>JIS B0</translation>
    </message>
    <message>
        <source>JIS B1</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>JIS B1</translation>
    </message>
    <message>
        <source>JIS B10</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>JIS B10</translation>
    </message>
    <message>
        <source>JIS B2</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>JIS B2</translation>
    </message>
    <message>
        <source>JIS B3</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>JIS B3</translation>
    </message>
    <message>
        <source>JIS B4</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>JIS B4</translation>
    </message>
    <message>
        <source>JIS B5</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>JIS B5</translation>
    </message>
    <message>
        <source>JIS B6</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>JIS B6</translation>
    </message>
    <message>
        <source>JIS B7</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>JIS B7</translation>
    </message>
    <message>
        <source>JIS B8</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>JIS B8</translation>
    </message>
    <message>
        <source>JIS B9</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>JIS B9</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Ledger / ANSI B</translation>
    </message>
    <message>
        <source>Legal</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Legal Extra</translation>
    </message>
    <message>
        <source>Letter / ANSI A</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Letter / ANSI A</translation>
    </message>
    <message>
        <source>Letter Extra</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Letter Extra</translation>
    </message>
    <message>
        <source>Letter Plus</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Letter Plus</translation>
    </message>
    <message>
        <source>Letter Small</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Letter Small</translation>
    </message>
    <message>
        <source>Note</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Note</translation>
    </message>
    <message>
        <source>PRC 16K</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>PRC 16K</translation>
    </message>
    <message>
        <source>PRC 32K</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>PRC 32K</translation>
    </message>
    <message>
        <source>PRC 32K Big</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>PRC 32K Big</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Dopisnica</translation>
    </message>
    <message>
        <source>Quarto</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Quarto</translation>
    </message>
    <message>
        <source>Statement</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Statement</translation>
    </message>
    <message>
        <source>Super A</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Super A</translation>
    </message>
    <message>
        <source>Super B</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Super B</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Tabloid / ANSI B</translation>
    </message>
    <message>
        <source>Tabloid Extra</source>
        <translatorcomment>Paper formats keep their names; envelopes, postcards and the like are named in Macedonian.</translatorcomment>
        <translation>Tabloid Extra</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>&amp;Otkazi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvori</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Snimi</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>Op&amp;cii &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>Op&amp;cii &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Pecati</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4x4)</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Site stranici</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Odozdola nagore, odlevo nadesno</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Odozdola nagore, oddesno nalevo</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Parni stranici</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Odlevo nadesno, odozdola nagore</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Odlevo nadesno, odgore nadolu</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Datoteka na ovoj kompjuter</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Neparni stranici</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Pecatenje</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Pecati vo datoteka ...</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Pecati vo datoteka (PDF)</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Oddesno nalevo, odozdola nagore</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Oddesno nalevo, odgore nadolu</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Odgore nadolu, odlevo nadesno</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Odgore nadolu, oddesno nalevo</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Zapisuva PDF datoteka</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Prva stranica</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Cela stranica</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Cela sirina</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontalno</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Posledna stranica</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Sledna stranica</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Postavuvanje na stranicata</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Postavuvanje na stranicata</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertikalno</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Prethodna stranica</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Pecati</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Pregled pred pecatenje</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>Prikazi po dve stranici</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>Prikazi gi site stranici</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>Prikazi edna stranica</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zgolemi</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Namali</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Job Options</source>
        <translation>Opcii na zadacata</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>Svojstva na pecatacot</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Napredno</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Stranica</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Nekoi opcii se vo sudir. Popravete gi.</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Collate</source>
        <translation>Podredi gi kopiite</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Vo boja</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Boja</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Kopii</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Kopii:</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Tekovnata stranica</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Dvostrano pecatenje</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Nijansi na sivo</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Povrzuvanje po dolgata strana</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Iskluceno</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcii</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Postavki na pecatenjeto</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Izbor na stranici:</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Stranici</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Stranici od</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Pecati se</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Sto da se pecati</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Obraten redosled</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Izbranoto</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Povrzuvanje po kratkata strana</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Navedete stranici ili opsezi razdeleni so zapirki. Opsegot se naveduva so dva broja razdeleni so crticka. Na primer: 3,5-7,9 gi pecati stranicite 3, 5, 6, 7 i 9.</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Ime:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Mesto:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>Izlezna &amp;datoteka:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Svojstva</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pregled</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Pecatac</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Vid:</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Bottom</source>
        <translation>Najdolu</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Najlevo</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Stranica nadolu</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Stranica nalevo</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Stranica nadesno</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Stranica nagore</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Najdesno</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Lizgaj nadolu</translation>
    </message>
    <message>
        <source>Scroll here</source>
        <translation>Lizgaj dotuka</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Lizgaj nalevo</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Lizgaj nadesno</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Lizgaj nagore</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Najgore</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>+</source>
        <translatorcomment>Keys are named as their caps print them, on Macedonian keyboards too.</translatorcomment>
        <translation>+</translation>
    </message>
    <message>
        <source>Alt</source>
        <translatorcomment>Keys are named as their caps print them, on Macedonian keyboards too.</translatorcomment>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translatorcomment>Keys are named as their caps print them, on Macedonian keyboards too.</translatorcomment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Backtab</source>
        <translatorcomment>Keys are named as their caps print them, on Macedonian keyboards too.</translatorcomment>
        <translation>Backtab</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translatorcomment>Keys are named as their caps print them, on Macedonian keyboards too.</translatorcomment>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Del</source>
        <translatorcomment>Keys are named as their caps print them, on Macedonian keyboards too.</translatorcomment>
        <translation>Del</translation>
    </message>
    <message>
        <source>End</source>
        <translatorcomment>Keys are named as their caps print them, on Macedonian keyboards too.</translatorcomment>
        <translation>End</translation>
    </message>
    <message>
        <source>Enter</source>
        <translatorcomment>Keys are named as their caps print them, on Macedonian keyboards too.</translatorcomment>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Esc</source>
        <translatorcomment>Keys are named as their caps print them, on Macedonian keyboards too.</translatorcomment>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Home</source>
        <translatorcomment>Keys are named as their caps print them, on Macedonian keyboards too.</translatorcomment>
        <translation>Home</translation>
    </message>
    <message>
        <source>Ins</source>
        <translatorcomment>Keys are named as their caps print them, on Macedonian keyboards too.</translatorcomment>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Left</source>
        <translatorcomment>Keys are named as their caps print them, on Macedonian keyboards too.</translatorcomment>
        <translation>Left</translation>
    </message>
    <message>
        <source>Meta</source>
        <translatorcomment>Keys are named as their caps print them, on Macedonian keyboards too.</translatorcomment>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Num</source>
        <translatorcomment>Keys are named as their caps print them, on Macedonian keyboards too.</translatorcomment>
        <translation>Num</translation>
    </message>
    <message>
        <source>Pause</source>
        <translatorcomment>Keys are named as their caps print them, on Macedonian keyboards too.</translatorcomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Print</source>
        <translatorcomment>Keys are named as their caps print them, on Macedonian keyboards too.</translatorcomment>
        <translation>Print</translation>
    </message>
    <message>
        <source>Return</source>
        <translatorcomment>Keys are named as their caps print them, on Macedonian keyboards too.</translatorcomment>
        <translation>Return</translation>
    </message>
    <message>
        <source>Right</source>
        <translatorcomment>Keys are named as their caps print them, on Macedonian keyboards too.</translatorcomment>
        <translation>Right</translation>
    </message>
    <message>
        <source>Shift</source>
        <translatorcomment>Keys are named as their caps print them, on Macedonian keyboards too.</translatorcomment>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Space</source>
        <translatorcomment>Keys are named as their caps print them, on Macedonian keyboards too.</translatorcomment>
        <translation>Space</translation>
    </message>
    <message>
        <source>SysReq</source>
        <translatorcomment>Keys are named as their caps print them, on Macedonian keyboards too.</translatorcomment>
        <translation>SysReq</translation>
    </message>
    <message>
        <source>Tab</source>
        <translatorcomment>Keys are named as their caps print them, on Macedonian keyboards too.</translatorcomment>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Up</source>
        <translatorcomment>Keys are named as their caps print them, on Macedonian keyboards too.</translatorcomment>
        <translation>Up</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Lizgaj nalevo</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Lizgaj nadesno</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Zalepi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Povtori</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Vrati</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Ise&amp;ci</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbrisi</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izberi se</translation>
    </message>
</context>
</TS>
