<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Brindlecap Vex ai File Editor</source>
        <translation>Brindlecap Vex ai File Editor</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AppendMessages</name>
    <message>
        <source>No insertion point is defined (click in list to define one). 
Do you want to append?</source>
        <translation>Es ist keine Einfügestelle festgelegt (klicken Sie in die Liste, um eine festzulegen). 
Möchten Sie anhängen?</translation>
    </message>
    <message>
        <source>Huh?</source>
        <translation>Wie bitte?</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>QZ Vex AI File Editor</source>
        <translation>QZ Vex AI File Editor</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>BackupCopy</name>
    <message>
        <source>%1 beside it</source>
        <translation>%1 daneben</translation>
    </message>
</context>
<context>
    <name>BuildListTextEdit</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
</context>
<context>
    <name>CheckOrderWindow</name>
    <message>
        <source>Check Order</source>
        <translation>Reihenfolge prüfen</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Problems: %1</source>
        <translation>Probleme: %1</translation>
    </message>
    <message>
        <source>Every line stands where the picker would offer it.</source>
        <translation>Jede Zeile steht dort, wo die Auswahl sie anbieten würde.</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 Problem</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 Probleme</translation>
    </message>
    <message>
        <source>Lines the picker would not have offered where they stand; choose one to select it</source>
        <translation>Zeilen, die die Auswahl an ihrer Stelle nicht angeboten hätte; wählen Sie eine, um sie zu markieren</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Edits the build lists (.ai files) of a real-time strategy game&apos;s computer
players. Without options it opens its window, and FILE in it; a FILE that
does not exist yet starts an empty build list that Save writes there.
Files of more than 4 MiB are refused, as the window refuses them.

Exit status: 0 all went well (--check: every file sound), 1 --check found
a problem, 2 a file refused or not written, or a wrong command line.</source>
        <translation>Bearbeitet die Baulisten (.ai-Dateien), nach denen die Computerspieler eines
Echtzeit-Strategiespiels bauen. Ohne Optionen öffnet es sein Fenster und FILE
darin; ein FILE, das es noch nicht gibt, beginnt eine leere Bauliste, die
Speichern dorthin schreibt. Dateien über 4 MiB werden abgelehnt, wie das
Fenster sie ablehnt.

Rückgabewert: 0 alles ging gut (--check: jede Datei in Ordnung), 1 --check
hat ein Problem gefunden, 2 eine Datei abgelehnt oder nicht geschrieben, oder
eine falsche Befehlszeile.</translation>
    </message>
    <message>
        <source>Copyright (c) the Vexdit developers. MIT licence.</source>
        <translation>Copyright (c) die Entwickler von Vexdit. MIT-Lizenz.</translation>
    </message>
    <message>
        <source>
Window options (only without --check, --normalize, --help, --version):
  -platform &lt;name&gt;         The window system plugin (xcb, wayland...).
  -display &lt;name&gt;          The X display to open the window on.
  -style &lt;name&gt;            The widget style.
  -stylesheet &lt;file&gt;       A style sheet for the window.
  -reverse                 Lays the window out right to left.
  -qwindowgeometry &lt;geom&gt;  The window&apos;s size and place.
  -qwindowtitle &lt;title&gt;    The window&apos;s title.
</source>
        <translation>
Fensteroptionen (nur ohne --check, --normalize, --help, --version):
  -platform &lt;Name&gt;         Das Modul des Fenstersystems (xcb, wayland ...).
  -display &lt;Name&gt;          Die X-Anzeige, auf der das Fenster öffnet.
  -style &lt;Name&gt;            Der Stil der Bedienelemente.
  -stylesheet &lt;Datei&gt;      Ein Stylesheet für das Fenster.
  -reverse                 Ordnet das Fenster von rechts nach links an.
  -qwindowgeometry &lt;Geom&gt;  Größe und Lage des Fensters.
  -qwindowtitle &lt;Titel&gt;    Der Titel des Fensters.
</translation>
    </message>
    <message>
        <source>holds a tab character; fix it by hand</source>
        <translation>enthält ein Tabulatorzeichen; von Hand beheben</translation>
    </message>
    <message>
        <source>changed on disk while it was read or written</source>
        <translation>wurde auf der Festplatte geändert, während sie gelesen oder geschrieben wurde</translation>
    </message>
    <message>
        <source>no copy of the old file could be kept (%1), and it is not rewritten without one</source>
        <translation>von der alten Datei konnte keine Kopie behalten werden (%1), und ohne eine wird sie nicht neu geschrieben</translation>
    </message>
    <message>
        <source>replaced or moved while it was read</source>
        <translation>wurde ersetzt oder verschoben, während sie gelesen wurde</translation>
    </message>
    <message>
        <source>would be larger than 4 MiB</source>
        <translation>wäre größer als 4 MiB</translation>
    </message>
    <message>
        <source>%1; the old file is kept in %2</source>
        <translation>%1; die alte Datei bleibt in %2 erhalten</translation>
    </message>
    <message>
        <source>standard input has no file to rewrite</source>
        <translation>die Standardeingabe hat keine Datei, die neu geschrieben werden könnte</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>larger than 4 MiB</source>
        <translation>größer als 4 MiB</translation>
    </message>
    <message>
        <source>holds a NUL byte</source>
        <translation>enthält ein NUL-Byte</translation>
    </message>
    <message>
        <source>Checks each file&apos;s order: would the picker have offered each line where it stands? Prints FILE:LINE: message per problem. FILE - is standard input.</source>
        <translation>Prüft die Reihenfolge jeder Datei: Hätte die Auswahl jede Zeile dort angeboten, wo sie steht? Gibt je Problem FILE:LINE: Meldung aus. FILE - ist die Standardeingabe.</translation>
    </message>
    <message>
        <source>Rewrites each file as Open followed by Save would: CR LF breaks, 48-character lines, names from numbers.</source>
        <translation>Schreibt jede Datei neu, wie Öffnen und danach Speichern es täten: CR-LF-Umbrüche, Zeilen von 48 Zeichen, Namen statt Nummern.</translation>
    </message>
    <message>
        <source>A build list to open in the window (- reads standard input), at the file&apos;s line LINE when written +LINE FILE or FILE:LINE; with --check or --normalize, any number.</source>
        <translation>Eine Bauliste, die im Fenster geöffnet wird (- liest die Standardeingabe), bei Zeile LINE der Datei, wenn als +LINE FILE oder FILE:LINE geschrieben; mit --check oder --normalize beliebig viele.</translation>
    </message>
    <message>
        <source>invalid line number &apos;%1&apos;</source>
        <translation>ungültige Zeilennummer »%1«</translation>
    </message>
    <message>
        <source>the window opens one FILE at a time</source>
        <translation>das Fenster öffnet nur ein FILE auf einmal</translation>
    </message>
    <message>
        <source>--check and --normalize go one at a time</source>
        <translation>--check und --normalize gehen nur einzeln</translation>
    </message>
    <message>
        <source>name at least one FILE</source>
        <translation>mindestens ein FILE angeben</translation>
    </message>
    <message>
        <source>a save that did not finish left the old file in %1</source>
        <translation>ein nicht beendetes Speichern hat die alte Datei in %1 hinterlassen</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>not written: %1</source>
        <translation>nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>normalized</source>
        <translation>normalisiert</translation>
    </message>
    <message>
        <source>written, but %1</source>
        <translation>geschrieben, aber %1</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>»%1 --help« gibt weitere Informationen.</translation>
    </message>
    <message>
        <source>write error: %1</source>
        <translation>Schreibfehler: %1</translation>
    </message>
    <message>
        <source>%1: the name is not valid in this system&apos;s character encoding; rename the file</source>
        <translation>%1: der Name ist in der Zeichenkodierung dieses Systems ungültig; benennen Sie die Datei um</translation>
    </message>
    <message>
        <source>cannot open a window: no display; --check and --normalize need none</source>
        <translation>kann kein Fenster öffnen: keine Anzeige; --check und --normalize brauchen keine</translation>
    </message>
</context>
<context>
    <name>CountWindow</name>
    <message>
        <source>Count</source>
        <translation>Zählen</translation>
    </message>
    <message>
        <source>Get Count</source>
        <translation>Zählen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Create Comment</source>
        <translation>Kommentieren</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Unit to count</source>
        <translation>Zu zählende Einheit</translation>
    </message>
    <message>
        <source>The unit whose lines are counted</source>
        <translation>Die Einheit, deren Zeilen gezählt werden</translation>
    </message>
    <message>
        <source>Counts</source>
        <translation>Anzahlen</translation>
    </message>
    <message>
        <source>Comment lines with the counts, to put at the top</source>
        <translation>Kommentarzeilen mit den Anzahlen, zum Einsetzen oben in der Liste</translation>
    </message>
</context>
<context>
    <name>DiskFile</name>
    <message>
        <source>a link that leads nowhere</source>
        <translation>ein Link, der ins Leere führt</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>replaced by a link while it was opened</source>
        <translation>wurde beim Öffnen durch einen Link ersetzt</translation>
    </message>
    <message>
        <source>larger than 4 MiB</source>
        <translation>größer als 4 MiB</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>holds a NUL byte</source>
        <translation>enthält ein NUL-Byte</translation>
    </message>
</context>
<context>
    <name>DroppedFile</name>
    <message>
        <source>Drop one build list at a time.</source>
        <translation>Legen Sie jeweils nur eine Bauliste ab.</translation>
    </message>
    <message>
        <source>%1 is not a file on this computer: save it first, then drop or open the saved file.</source>
        <translation>%1 ist keine Datei auf diesem Rechner: Speichern Sie sie zuerst, dann legen Sie die gespeicherte Datei ab oder öffnen sie.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a build list.</source>
        <translation>%1 ist ein Ordner, keine Bauliste.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>ai (*.ai)</source>
        <translation>ai (*.ai)</translation>
    </message>
    <message>
        <source>All (*.*)</source>
        <translation>Alle (*.*)</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>%1
Path does not exist.
Please verify the correct path was given.</source>
        <translation>%1
Der Pfad existiert nicht.
Bitte prüfen Sie, ob der richtige Pfad angegeben wurde.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>FileMessages</name>
    <message>
        <source>Are you sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Your work is not saved!
Are you sure you want to START OVER?</source>
        <translation>Ihre Arbeit ist nicht gespeichert!
Möchten Sie wirklich NEU BEGINNEN?</translation>
    </message>
    <message>
        <source>Your work is not saved!
Are you sure you want to OPEN A FILE?</source>
        <translation>Ihre Arbeit ist nicht gespeichert!
Möchten Sie wirklich EINE DATEI ÖFFNEN?</translation>
    </message>
    <message>
        <source>Your work is not saved! 
Are you sure you want to QUIT?</source>
        <translation>Ihre Arbeit ist nicht gespeichert! 
Möchten Sie wirklich BEENDEN?</translation>
    </message>
    <message>
        <source>Error Reading File!</source>
        <translation>Fehler beim Lesen der Datei!</translation>
    </message>
    <message>
        <source>%1

%2: %3</source>
        <translation>%1

%2: %3</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Dateifehler</translation>
    </message>
    <message>
        <source>Tab characters in file!

Fix this file by hand!
Use a word processor that displays tab characters.</source>
        <translation>Tabulatorzeichen in der Datei!

Beheben Sie das von Hand!
Nehmen Sie ein Textprogramm, das Tabulatorzeichen anzeigt.</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>%1 has changed on disk since it was opened. Overwrite it?</source>
        <translation>%1 wurde auf der Festplatte geändert, seit sie geöffnet wurde. Überschreiben?</translation>
    </message>
    <message>
        <source>File Changed</source>
        <translation>Datei geändert</translation>
    </message>
    <message>
        <source>%1 is no longer the file that was opened: it has been moved, replaced or deleted. Nothing was written.

Save the build list under another name?</source>
        <translation>%1 ist nicht mehr die Datei, die geöffnet wurde: Sie wurde verschoben, ersetzt oder gelöscht. Es wurde nichts geschrieben.

Die Bauliste unter einem anderen Namen speichern?</translation>
    </message>
    <message>
        <source>%1 was not saved: the build list would take %2 bytes, more than the 4 MiB that Open reads.

Shorten it, or split it into two files.</source>
        <translation>%1 wurde nicht gespeichert: Die Bauliste bräuchte %2 Bytes, mehr als die 4 MiB, die Öffnen liest.

Kürzen Sie sie oder teilen Sie sie auf zwei Dateien auf.</translation>
    </message>
    <message>
        <source>Overwrite %1 without a backup copy?</source>
        <translation>%1 ohne Sicherungskopie überschreiben?</translation>
    </message>
    <message>
        <source>No Backup Copy</source>
        <translation>Keine Sicherungskopie</translation>
    </message>
    <message>
        <source>%1 was saved, but %2.</source>
        <translation>%1 wurde gespeichert, aber %2.</translation>
    </message>
    <message>
        <source>File Saved</source>
        <translation>Datei gespeichert</translation>
    </message>
    <message>
        <source>A save of %1 did not finish. The file as it was before that save is kept in:
%2</source>
        <translation>Ein Speichern von %1 wurde nicht beendet. Die Datei, wie sie davor war, ist erhalten in:
%2</translation>
    </message>
    <message>
        <source>

Remove that copy now? Choose No to keep it; Open points it out while it is there.</source>
        <translation>

Diese Kopie jetzt entfernen? Wählen Sie Nein, um sie zu behalten; Öffnen weist auf sie hin, solange sie da ist.</translation>
    </message>
    <message>
        <source>The copy %1 could not be removed: %2</source>
        <translation>Die Kopie %1 konnte nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>Unfinished Save</source>
        <translation>Unvollendetes Speichern</translation>
    </message>
    <message>
        <source>%1 was changed by another program.

Reload it from the disk? Choose No to keep this window&apos;s version; Save then asks before overwriting.</source>
        <translation>%1 wurde von einem anderen Programm geändert.

Von der Festplatte neu laden? Wählen Sie Nein, um die Fassung dieses Fensters zu behalten; Speichern fragt dann vor dem Überschreiben.</translation>
    </message>
    <message>
        <source>%1 was moved, removed or replaced by another program.

Open what now stands under its name? Choose No to keep this window&apos;s version; Save then asks where to write it.</source>
        <translation>%1 wurde von einem anderen Programm verschoben, entfernt oder ersetzt.

Öffnen, was jetzt unter diesem Namen steht? Wählen Sie Nein, um die Fassung dieses Fensters zu behalten; Speichern fragt dann, wohin sie geschrieben wird.</translation>
    </message>
    <message>
        <source>Not Opened</source>
        <translation>Nicht geöffnet</translation>
    </message>
    <message>
        <source>Your work is not saved!
Are you sure you want to RELOAD and lose it?</source>
        <translation>Ihre Arbeit ist nicht gespeichert!
Möchten Sie wirklich NEU LADEN und sie verlieren?</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Datei %1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>Cannot create file %1; the file as it was is kept in %2</source>
        <translation>Datei %1 kann nicht erstellt werden; die Datei, wie sie war, ist in %2 erhalten</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
</context>
<context>
    <name>FindMessages</name>
    <message>
        <source>End of list reached. Try from top of List?</source>
        <translation>Ende der Liste erreicht. Vom Anfang der Liste an suchen?</translation>
    </message>
    <message>
        <source>Not Found!</source>
        <translation>Nicht gefunden!</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;.</source>
        <translation>»%1« wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help contents</source>
        <translation>Inhalt der Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ItemPicker</name>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Buildings</source>
        <translation>Gebäude</translation>
    </message>
    <message>
        <source>Research</source>
        <translation>Forschung</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Kritisch</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Anhängen</translation>
    </message>
    <message>
        <source>Retrains</source>
        <translation>Ersatz</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Anz.</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Neu zählen</translation>
    </message>
    <message>
        <source>Villagers</source>
        <translation>Dörfler</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>The unit, building or research item to append</source>
        <translation>Die Einheit, das Gebäude oder die Forschung, die angehängt wird</translation>
    </message>
    <message>
        <source>Type the start of an item&apos;s name</source>
        <translation>Tippen Sie den Anfang eines Namens</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>How many of the item the line asks for</source>
        <translation>Wie viele davon die Zeile verlangt</translation>
    </message>
    <message>
        <source>Quantity spinner</source>
        <translation>Drehfeld Anzahl</translation>
    </message>
    <message>
        <source>Raises or lowers the quantity</source>
        <translation>Erhöht oder senkt die Anzahl</translation>
    </message>
    <message>
        <source>The retrain limit, when Limit is ticked</source>
        <translation>Die Grenze für Ersatz, wenn Limit angekreuzt ist</translation>
    </message>
    <message>
        <source>Retrains spinner</source>
        <translation>Drehfeld Ersatz</translation>
    </message>
    <message>
        <source>Raises or lowers the retrain limit</source>
        <translation>Erhöht oder senkt die Grenze für Ersatz</translation>
    </message>
    <message>
        <source>How many villagers the build list trains</source>
        <translation>Wie viele Dörfler die Bauliste ausbildet</translation>
    </message>
    <message>
        <source>Increase quantity</source>
        <translation>Anzahl erhöhen</translation>
    </message>
    <message>
        <source>Decrease quantity</source>
        <translation>Anzahl senken</translation>
    </message>
    <message>
        <source>Increase retrains</source>
        <translation>Ersatz erhöhen</translation>
    </message>
    <message>
        <source>Decrease retrains</source>
        <translation>Ersatz senken</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an item the list offers here. Choose one from the Item box, or type the start of its name.</source>
        <translation>»%1« bietet die Liste hier nicht an. Wählen Sie einen Eintrag im Feld Element, oder tippen Sie den Anfang seines Namens.</translation>
    </message>
    <message>
        <source>Nothing to Append</source>
        <translation>Nichts anzuhängen</translation>
    </message>
    <message>
        <source>Inserted line %1: %2</source>
        <translation>Zeile %1 eingefügt: %2</translation>
    </message>
    <message>
        <source>Appended line %1: %2</source>
        <translation>Zeile %1 angehängt: %2</translation>
    </message>
</context>
<context>
    <name>KeepingSave</name>
    <message>
        <source>its folder could not be flushed to the disk, so its new name may not survive a power cut</source>
        <translation>ihr Ordner konnte nicht auf die Festplatte geschrieben werden, daher übersteht ihr neuer Name einen Stromausfall vielleicht nicht</translation>
    </message>
    <message>
        <source>another program made it meanwhile</source>
        <translation>ein anderes Programm hat sie inzwischen angelegt</translation>
    </message>
    <message>
        <source>it could not be closed cleanly: %1</source>
        <translation>sie konnte nicht sauber geschlossen werden: %1</translation>
    </message>
    <message>
        <source>its set-user-ID or set-group-ID bit would be lost; only its owner can save it and keep them</source>
        <translation>ihr Set-User-ID- oder Set-Group-ID-Bit ginge verloren; nur ihr Eigentümer kann sie speichern und die Bits behalten</translation>
    </message>
    <message>
        <source>a copy left by a save that did not finish is in the way: %1</source>
        <translation>eine Kopie von einem nicht beendeten Speichern ist im Weg: %1</translation>
    </message>
    <message>
        <source>its mode could not be kept: it was %1 and is now %2</source>
        <translation>ihre Zugriffsrechte konnten nicht behalten werden: Sie waren %1 und sind jetzt %2</translation>
    </message>
    <message>
        <source>the copy of its old bytes in %1 could not be removed: %2</source>
        <translation>die Kopie ihrer alten Bytes in %1 konnte nicht entfernt werden: %2</translation>
    </message>
</context>
<context>
    <name>KeyMessages</name>
    <message>
        <source>Line length invalid!</source>
        <translation>Zeilenlänge ungültig!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>LineStep</name>
    <message>
        <source>Typing</source>
        <translation>Tippen</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Anhängen</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Remove Line</source>
        <translation>Zeile entfernen</translation>
    </message>
    <message>
        <source>Move Line</source>
        <translation>Zeile verschieben</translation>
    </message>
    <message>
        <source>Create Comment</source>
        <translation>Kommentieren</translation>
    </message>
    <message>
        <source>Remove Last Line</source>
        <translation>Letzte Zeile entfernen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>ListPart</name>
    <message>
        <source>Remove line: drop a line here</source>
        <translation>Zeile entfernen: eine Zeile hier ablegen</translation>
    </message>
    <message>
        <source>In Lines mode, a line dragged onto this picture is removed from the build list. The Remove item of a row&apos;s context menu does the same.</source>
        <translation>Im Zeilenmodus wird eine Zeile, die auf dieses Bild gezogen wird, aus der Bauliste entfernt. Der Eintrag Entfernen im Kontextmenü einer Zeile tut dasselbe.</translation>
    </message>
    <message>
        <source>Build list</source>
        <translation>Bauliste</translation>
    </message>
    <message>
        <source>One row per line. Alt+Up and Alt+Down move the selected line; the context menu moves or removes it.</source>
        <translation>Eine Reihe je Zeile. Alt+Hoch und Alt+Runter verschieben die gewählte Zeile; das Kontextmenü verschiebt oder entfernt sie.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File: </source>
        <translation>Datei: </translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>The open file&apos;s name</source>
        <translation>Der Name der offenen Datei</translation>
    </message>
    <message>
        <source>Mode: </source>
        <translation>Modus: </translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Normal or Lines</source>
        <translation>Normal oder Zeilen</translation>
    </message>
    <message>
        <source>Column: </source>
        <translation>Spalte: </translation>
    </message>
    <message>
        <source>The caret&apos;s column in the line</source>
        <translation>Die Spalte der Schreibmarke in der Zeile</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Ungespeichert</translation>
    </message>
    <message>
        <source>Whether there is unsaved work</source>
        <translation>Ob es ungespeicherte Arbeit gibt</translation>
    </message>
    <message>
        <source>Brindlecap&apos;s Vex AI Editor </source>
        <translation>Brindlecap&apos;s Vex AI Editor </translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Edit Normal</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>Edit Lines</source>
        <translation>Zeilen bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Zählen</translation>
    </message>
    <message>
        <source>Check Order...</source>
        <translation>Reihenfolge prüfen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
</context>
<context>
    <name>ModeSwitch</name>
    <message>
        <source>Edit Lines</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Drag &amp; drop</source>
        <translation>Ziehen und ablegen</translation>
    </message>
    <message>
        <source>Switches between editing the text and moving whole lines in a list</source>
        <translation>Wechselt zwischen dem Bearbeiten des Textes und dem Verschieben ganzer Zeilen in einer Liste</translation>
    </message>
    <message>
        <source>Edit Normal</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>OrderCheck</name>
    <message>
        <source>needs a line above it</source>
        <translation>braucht eine Zeile darüber</translation>
    </message>
    <message>
        <source>needs %1, which is nowhere in the list</source>
        <translation>braucht %1, das nirgends in der Liste steht</translation>
    </message>
    <message>
        <source>needs %1, which comes later, at line %2: move it up</source>
        <translation>braucht %1, das später kommt, in Zeile %2: nach oben verschieben</translation>
    </message>
    <message>
        <source>needs %1 above it</source>
        <translation>braucht %1 darüber</translation>
    </message>
    <message>
        <source>is already researched at line %1</source>
        <translation>ist schon in Zeile %1 erforscht</translation>
    </message>
</context>
<context>
    <name>PathWalk</name>
    <message>
        <source>no such file</source>
        <translation>keine solche Datei</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>too many links</source>
        <translation>zu viele Links</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>kein Platz mehr auf der Festplatte</translation>
    </message>
    <message>
        <source>over the disk quota</source>
        <translation>über dem Speicherkontingent</translation>
    </message>
    <message>
        <source>larger than the file size limit</source>
        <translation>größer als die Grenze für Dateigrößen</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>die Festplatte ist schreibgeschützt</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>cannot be read or written</source>
        <translation>kann nicht gelesen oder geschrieben werden</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>a link another user owns, in a shared folder</source>
        <translation>ein Link, der einem anderen Benutzer gehört, in einem geteilten Ordner</translation>
    </message>
</context>
<context>
    <name>RecentMenu</name>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>Liste &amp;leeren</translation>
    </message>
</context>
<context>
    <name>TextPart</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Build list</source>
        <translation>Bauliste</translation>
    </message>
    <message>
        <source>The build list as text, one 48-character line per step</source>
        <translation>Die Bauliste als Text, eine Zeile von 48 Zeichen je Schritt</translation>
    </message>
    <message>
        <source>Removed line %1: %2</source>
        <translation>Zeile %1 entfernt: %2</translation>
    </message>
</context>
<context>
    <name>ToolkitError</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>»%1« ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>List index out of bounds</source>
        <translation>Listenindex außerhalb der Grenzen</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Datei %1 kann nicht erstellt werden</translation>
    </message>
</context>
</TS>
