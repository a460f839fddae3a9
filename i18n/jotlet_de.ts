<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ImportKind</name>
    <message>
        <source>Sticky Notes (Linux Mint)</source>
        <translation>Haftnotizen (Linux Mint)</translation>
    </message>
    <message>
        <source>Sticky Notes (GNOME)</source>
        <translation>Haftnotizen (GNOME)</translation>
    </message>
    <message>
        <source>Microsoft Sticky Notes</source>
        <translation>Microsoft Sticky Notes</translation>
    </message>
    <message>
        <source>Text and Markdown files</source>
        <translation>Text- und Markdown-Dateien</translation>
    </message>
</context>
<context>
    <name>LogErrorBox</name>
    <message>
        <source>Log Error</source>
        <translation>Protokollfehler</translation>
    </message>
    <message>
        <source>There was an error in creating an error log entry</source>
        <translation>Beim Schreiben eines Eintrags ins Fehlerprotokoll ist ein Fehler aufgetreten</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Sticky notes for the desktop.</source>
        <translation>Haftnotizen für die Arbeitsfläche.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt diese Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>A note file (.not) or a text file to open.</source>
        <translation>Eine Notizdatei (.not) oder Textdatei, die geöffnet wird.</translation>
    </message>
    <message>
        <source>Try &apos;jotlet --help&apos;.</source>
        <translation>Mehr mit „jotlet --help“.</translation>
    </message>
    <message>
        <source>Imports the notes of another program: xpad, knotes, mint, gnome, microsoft (a plum.sqlite named after it, or ~/plum.sqlite) or folder (a folder of .txt and .md files named after it). The running Jotlet opens them; notes imported before are left out.</source>
        <translation>Importiert die Notizen eines anderen Programms: xpad, knotes, mint, gnome, microsoft (eine danach genannte plum.sqlite oder ~/plum.sqlite) oder folder (ein danach genannter Ordner mit .txt- und .md-Dateien). Das laufende Jotlet öffnet sie; bereits importierte Notizen werden ausgelassen.</translation>
    </message>
    <message>
        <source>Writes every note (open, kept and in the notes folder) to a folder, one file each, and ends. Exit code 0 when all were written, 1 when some were not.</source>
        <translation>Schreibt jede Notiz (offen, aufbewahrt und im Notizordner) in einen Ordner, je eine Datei, und endet. Rückgabewert 0, wenn alle geschrieben wurden, 1, wenn einige nicht.</translation>
    </message>
    <message>
        <source>The format of --export: markdown, html or text.</source>
        <translation>Das Format von --export: markdown, html oder text.</translation>
    </message>
    <message>
        <source>--export also writes the notes in the trash.</source>
        <translation>--export schreibt auch die Notizen im Papierkorb.</translation>
    </message>
    <message>
        <source>Unknown format &apos;%1&apos;.</source>
        <translation>Unbekanntes Format „%1“.</translation>
    </message>
    <message numerus="yes">
        <source>%n note(s) exported to %1.</source>
        <translation>
            <numerusform>%n Notiz nach %1 exportiert.</numerusform>
            <numerusform>%n Notizen nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unknown program &apos;%1&apos;.</source>
        <translation>Unbekanntes Programm „%1“.</translation>
    </message>
</context>
<context>
    <name>Note</name>
    <message>
        <source>Jotlet keeps your notes on the desktop, where you can see them. Right-click a note for everything it can do: special notes, colours, printing and more. Notes left open when you log off come back the next time you start.</source>
        <translation>Jotlet hält Ihre Notizen auf dem Desktop, wo Sie sie sehen. Ein Rechtsklick auf eine Notiz zeigt alles, was sie kann: Spezialnotizen, Farben, Drucken und mehr. Notizen, die beim Abmelden offen sind, kommen beim nächsten Start wieder.</translation>
    </message>
    <message>
        <source>An empty note</source>
        <translation>Eine leere Notiz</translation>
    </message>
    <message>
        <source>Word Count: %1</source>
        <translation>Wörter: %1</translation>
    </message>
    <message>
        <source>Character Count: %1</source>
        <translation>Zeichen: %1</translation>
    </message>
    <message>
        <source>File: </source>
        <translation>Datei: </translation>
    </message>
</context>
<context>
    <name>NoteFileDialog</name>
    <message>
        <source>Select a file: </source>
        <translation>Datei auswählen: </translation>
    </message>
    <message>
        <source>Jotlet Note (*.not)|*.not</source>
        <extracomment>File type filter: &quot;description (pattern)|pattern&quot;. Translate the description only.</extracomment>
        <translation>Jotlet-Notiz (*.not)|*.not</translation>
    </message>
</context>
<context>
    <name>NoteMenus</name>
    <message>
        <source>&amp;Keep This Version</source>
        <translation>&amp;Diese Fassung behalten</translation>
    </message>
    <message>
        <source>Keep the &amp;Other Version</source>
        <translation>&amp;Die andere Fassung behalten</translation>
    </message>
    <message>
        <source>Keep &amp;Both</source>
        <translation>&amp;Beide behalten</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>Sp&amp;ecial Note</source>
        <translation>Spezia&amp;lnotiz</translation>
    </message>
    <message>
        <source>T&amp;ime</source>
        <translation>&amp;Uhrzeit</translation>
    </message>
    <message>
        <source>Reminder (&amp;alarm)</source>
        <translation>&amp;Erinnerung (Wecker)</translation>
    </message>
    <message>
        <source>&amp;RSS Feed</source>
        <translation>&amp;RSS-Feed</translation>
    </message>
    <message>
        <source>S&amp;tocks</source>
        <translation>A&amp;ktienkurs</translation>
    </message>
    <message>
        <source>Clipboard &amp;Viewer (text)</source>
        <translation>&amp;Zwischenablage anzeigen (Text)</translation>
    </message>
    <message>
        <source>Clipboard &amp;Log</source>
        <translation>Zwischenablage-&amp;Protokoll</translation>
    </message>
    <message>
        <source>&amp;Computer Memory</source>
        <translation>&amp;Arbeitsspeicher</translation>
    </message>
    <message>
        <source>&amp;Drive Information</source>
        <translation>&amp;Laufwerke</translation>
    </message>
    <message>
        <source>&amp;Stop Special Note</source>
        <translation>&amp;Spezialnotiz beenden</translation>
    </message>
    <message>
        <source>&amp;Multi-Note Manager</source>
        <translation>Notiz&amp;verwaltung</translation>
    </message>
    <message>
        <source>&amp;Find in Notes...</source>
        <translation>In Noti&amp;zen suchen...</translation>
    </message>
    <message>
        <source>Tras&amp;h...</source>
        <extracomment>Opens the list of deleted notes, which can be restored.</extracomment>
        <translation>&amp;Papierkorb...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Sa&amp;ve As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>Appen&amp;d To</source>
        <translation>Anh&amp;ängen an</translation>
    </message>
    <message>
        <source>Em&amp;ail Content</source>
        <translation>Inhalt per E-&amp;Mail senden</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Paste Plain Te&amp;xt</source>
        <translation>Als &amp;reinen Text einfügen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>R&amp;ückgängig</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>&amp;Alles löschen</translation>
    </message>
    <message>
        <source>Inse&amp;rt Special</source>
        <translation>S&amp;onderzeichen einfügen</translation>
    </message>
    <message>
        <source>Date / &amp;Time Stamp</source>
        <translation>&amp;Datum / Uhrzeit</translation>
    </message>
    <message>
        <source>Date / &amp;Time</source>
        <translation>Datum &amp;und Uhrzeit</translation>
    </message>
    <message>
        <source>Date (&amp;long)</source>
        <translation>Datum (&amp;lang)</translation>
    </message>
    <message>
        <source>&amp;Date (short)</source>
        <translation>&amp;Datum (kurz)</translation>
    </message>
    <message>
        <source>&amp;Degree</source>
        <translation>&amp;Grad</translation>
    </message>
    <message>
        <source>&amp;Copyright</source>
        <translation>&amp;Copyright</translation>
    </message>
    <message>
        <source>&amp;Ellipsis</source>
        <translation>&amp;Auslassungspunkte</translation>
    </message>
    <message>
        <source>&amp;Registered Trademark</source>
        <translation>&amp;Eingetragene Marke</translation>
    </message>
    <message>
        <source>&amp;Pound</source>
        <extracomment>Inserts the pound sterling sign.</extracomment>
        <translation>&amp;Pfund</translation>
    </message>
    <message>
        <source>Chec&amp;k Spelling</source>
        <translation>Rechtschrei&amp;bung prüfen</translation>
    </message>
    <message>
        <source>Con&amp;tent Options</source>
        <translation>In&amp;haltsoptionen</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Schrift</translation>
    </message>
    <message>
        <source>S&amp;tyle</source>
        <translation>&amp;Stil</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <source>&amp;Small</source>
        <translation>&amp;Klein</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>L&amp;arge</source>
        <translation>&amp;Groß</translation>
    </message>
    <message>
        <source>&amp;Largest</source>
        <translation>&amp;Sehr groß</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation>&amp;Farbe</translation>
    </message>
    <message>
        <source>&amp;Paragraph</source>
        <translation>&amp;Absatz</translation>
    </message>
    <message>
        <source>&amp;Alignment</source>
        <translation>A&amp;usrichtung</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Links</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Zentriert</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Rechts</translation>
    </message>
    <message>
        <source>&amp;Bullets</source>
        <translation>&amp;Aufzählung</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove existing</source>
        <translation>&amp;Vorhandene entfernen</translation>
    </message>
    <message>
        <source>&amp;Indent</source>
        <translation>&amp;Einzug</translation>
    </message>
    <message>
        <source>&amp;Increase</source>
        <translation>V&amp;ergrößern</translation>
    </message>
    <message>
        <source>&amp;Decrease</source>
        <translation>&amp;Verkleinern</translation>
    </message>
    <message>
        <source>Note Opt&amp;ions</source>
        <translation>No&amp;tizoptionen</translation>
    </message>
    <message>
        <source>&amp;Font Family</source>
        <translation>&amp;Schriftart</translation>
    </message>
    <message>
        <source>Ye&amp;llow</source>
        <translation>&amp;Gelb</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Blau</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>G&amp;rün</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>R&amp;ot</translation>
    </message>
    <message>
        <source>Gre&amp;y</source>
        <translation>Gra&amp;u</translation>
    </message>
    <message>
        <source>P&amp;each</source>
        <translation>&amp;Pfirsich</translation>
    </message>
    <message>
        <source>&amp;Purple</source>
        <translation>&amp;Lila</translation>
    </message>
    <message>
        <source>&amp;Tang</source>
        <extracomment>A note colour: tangerine orange.</extracomment>
        <translation>Or&amp;ange</translation>
    </message>
    <message>
        <source>&amp;Custom Color</source>
        <translation>&amp;Eigene Farbe</translation>
    </message>
    <message>
        <source>&amp;Transparency</source>
        <translation>&amp;Transparenz</translation>
    </message>
    <message>
        <source>&amp;Low</source>
        <translation>&amp;Niedrig</translation>
    </message>
    <message>
        <source>&amp;High</source>
        <translation>&amp;Hoch</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <extracomment>Transparency off: the note is opaque.</extracomment>
        <translation>&amp;Aus</translation>
    </message>
    <message>
        <source>Always &amp;on Top</source>
        <translation>&amp;Immer im Vordergrund</translation>
    </message>
    <message>
        <source>&amp;Autosave Note on Close</source>
        <translation>&amp;Beim Schließen automatisch speichern</translation>
    </message>
    <message>
        <source>Save &amp;New Note on Close</source>
        <translation>&amp;Neue Notiz beim Schließen speichern</translation>
    </message>
    <message>
        <source>&amp;Save Settings</source>
        <translation>&amp;Einstellungen merken</translation>
    </message>
    <message>
        <source>Settin&amp;gs...</source>
        <translation>E&amp;instellungen...</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>In&amp;fo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Quorvel&apos;s Website</source>
        <translation>&amp;Website von Quorvel</translation>
    </message>
    <message>
        <source>&amp;Jotlet</source>
        <translation>&amp;Über Jotlet</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>M&amp;inimize</source>
        <translation>&amp;Minimieren</translation>
    </message>
    <message>
        <source>&amp;Default Size</source>
        <translation>S&amp;tandardgröße</translation>
    </message>
    <message>
        <source>Res&amp;tore Size</source>
        <translation>Größe &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Verschieben</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Close (Alt-F4)</source>
        <translation>&amp;Schließen (Alt+F4)</translation>
    </message>
    <message>
        <source>&amp;Strike-Out</source>
        <translation>&amp;Durchstreichen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>E&amp;ntfernen</translation>
    </message>
    <message>
        <source>C&amp;heck Spelling</source>
        <translation>&amp;Rechtschreibung prüfen</translation>
    </message>
    <message>
        <source>&amp;Email Selection</source>
        <translation>Auswahl &amp;per E-Mail senden</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>A&amp;usschneiden</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>P&amp;aste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Font Size</source>
        <translation>S&amp;chriftgröße</translation>
    </message>
    <message>
        <source>Fon&amp;t Style</source>
        <translation>&amp;Schriftstil</translation>
    </message>
    <message>
        <source>&amp;No Format</source>
        <translation>&amp;Formatierung entfernen</translation>
    </message>
    <message>
        <source>&amp;Add new</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Time / Date Stamp</source>
        <translation>&amp;Uhrzeit / Datum</translation>
    </message>
    <message>
        <source>&amp;Word Count</source>
        <translation>&amp;Anzahl der Wörter</translation>
    </message>
    <message>
        <source>&amp;Character Count</source>
        <translation>Anzahl der &amp;Zeichen</translation>
    </message>
    <message>
        <source>&amp;Note Filename</source>
        <translation>&amp;Dateiname der Notiz</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <extracomment>Sizes the note with the arrow keys (the window menu&apos;s Size).</extracomment>
        <translation>&amp;Größe ändern</translation>
    </message>
    <message>
        <source>Pict&amp;ure...</source>
        <translation>&amp;Bild...</translation>
    </message>
    <message>
        <source>&amp;Checklist</source>
        <translation>&amp;Checkliste</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Dunkel</translation>
    </message>
    <message>
        <source>&amp;Import Notes...</source>
        <translation>Notizen &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Export Notes...</source>
        <translation>Notizen &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Restore from Backup...</source>
        <translation>Aus Sicherung &amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>Notes Awa&amp;y and Back</source>
        <translation>Notizen hinaus und zurüc&amp;k</translation>
    </message>
</context>
<context>
    <name>Problem</name>
    <message>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a file</source>
        <translation>„%1“ ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>Cannot open &apos;%1&apos;: %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is larger than %2 bytes</source>
        <translation>„%1“ ist größer als %2 Byte</translation>
    </message>
    <message>
        <source>Cannot save &apos;%1&apos;: %2</source>
        <translation>„%1“ kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Cannot create &apos;%1&apos;: %2</source>
        <translation>„%1“ kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The quote server must be an address that starts with http:// or https://, for example http://quotes.example.com</source>
        <translation>Der Kursserver muss eine Adresse sein, die mit http:// oder https:// beginnt, zum Beispiel http://quotes.example.com</translation>
    </message>
    <message>
        <source>The proxy must be a host name and a port, for example proxy.example.com:3128</source>
        <translation>Der Proxy muss ein Hostname mit Port sein, zum Beispiel proxy.example.com:3128</translation>
    </message>
    <message>
        <source>Failed to create registry Key: &apos;%1</source>
        <translation>Der Registrierungsschlüssel konnte nicht angelegt werden: „%1“</translation>
    </message>
    <message>
        <source>Failed to set registry value Key: &apos;2147483649&apos;,Section: &apos;%1&apos;,Key: &apos;%2&apos; to value: &apos;%3&apos;</source>
        <translation>Der Registrierungswert konnte nicht gesetzt werden: Abschnitt „%1“, Schlüssel „%2“, Wert „%3“</translation>
    </message>
    <message>
        <source>Failed to set registry value Key: &apos;%1\%2&apos;</source>
        <translation>Der Registrierungswert „%1\%2“ konnte nicht gesetzt werden</translation>
    </message>
    <message>
        <source>Failed to create the autostart folder &apos;%1&apos;</source>
        <translation>Der Autostart-Ordner „%1“ konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Failed to write the autostart entry: %1</source>
        <translation>Der Autostart-Eintrag konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei gibt es nicht</translation>
    </message>
    <message>
        <source>no program is set up on this computer to open it</source>
        <translation>auf diesem Computer ist kein Programm eingerichtet, das sie öffnet</translation>
    </message>
    <message>
        <source>the program set up to open it could not open it</source>
        <translation>das dafür eingerichtete Programm konnte sie nicht öffnen</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener (xdg-open) ended with code %1</source>
        <translation>der Öffner der Arbeitsfläche (xdg-open) endete mit Code %1</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener (xdg-open) could not be started</source>
        <translation>der Öffner der Arbeitsfläche (xdg-open) konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>/proc/meminfo has no MemTotal</source>
        <translation>/proc/meminfo enthält kein MemTotal</translation>
    </message>
    <message>
        <source>no dictionary for %1 is installed</source>
        <translation>kein Wörterbuch für %1 installiert</translation>
    </message>
    <message>
        <source>no spelling dictionary was found for %1 or for en_US (looked in %2)</source>
        <translation>kein Wörterbuch für %1 oder en_US gefunden (gesucht in %2)</translation>
    </message>
    <message>
        <source>the dictionary &apos;%1&apos; could not be read</source>
        <translation>das Wörterbuch „%1“ konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>this build of the program has no spelling checker</source>
        <translation>diese Ausgabe des Programms hat keine Rechtschreibprüfung</translation>
    </message>
    <message>
        <source>Cannot read /proc/meminfo: %1</source>
        <translation>/proc/meminfo kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>GlobalMemoryStatusEx failed (%1)</source>
        <translation>GlobalMemoryStatusEx ist fehlgeschlagen (%1)</translation>
    </message>
    <message>
        <source>Type mismatch: %1 of note %2 holds &apos;%3&apos;, not a number</source>
        <translation>Falscher Typ: %1 von Notiz %2 enthält „%3“, keine Zahl</translation>
    </message>
    <message>
        <source>no root element</source>
        <translation>kein Wurzelelement</translation>
    </message>
    <message>
        <source>Not a note file: %1 (line %2, column %3)</source>
        <translation>Keine Notizdatei: %1 (Zeile %2, Spalte %3)</translation>
    </message>
    <message>
        <source>Not a note file: elements are nested more than %1 deep</source>
        <translation>Keine Notizdatei: Elemente sind mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>Not a note file: there is no root element</source>
        <translation>Keine Notizdatei: Es gibt kein Wurzelelement</translation>
    </message>
    <message>
        <source>The file holds no notes</source>
        <translation>Die Datei enthält keine Notizen</translation>
    </message>
    <message>
        <source>File not found: &apos;%1&apos;</source>
        <translation>Datei nicht gefunden: „%1“</translation>
    </message>
    <message>
        <source>Cannot open &apos;%1&apos;: it is a folder</source>
        <translation>„%1“ kann nicht geöffnet werden: Es ist ein Ordner</translation>
    </message>
    <message>
        <source>Cannot open &apos;%1&apos;: it is not a regular file</source>
        <translation>„%1“ kann nicht geöffnet werden: Es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is larger than %2 MB, too large for a note file</source>
        <translation>„%1“ ist größer als %2 MB, zu groß für eine Notizdatei</translation>
    </message>
    <message>
        <source>&apos;%1&apos; would be %2 MB, more than the %3 MB a note file may hold; make its pictures smaller or fewer</source>
        <translation>„%1“ würde %2 MB groß, mehr als die %3 MB, die eine Notizdatei fassen darf; machen Sie ihre Bilder kleiner oder weniger</translation>
    </message>
    <message>
        <source>its name does not say when it went to the trash</source>
        <translation>ihr Name sagt nicht, wann sie in den Papierkorb kam</translation>
    </message>
    <message>
        <source>The trash folder &apos;%1&apos; could not be made</source>
        <translation>Der Papierkorb-Ordner „%1“ konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>its time cannot be read</source>
        <translation>ihre Zeit ist nicht lesbar</translation>
    </message>
    <message>
        <source>The note is no longer in the trash &apos;%1&apos;</source>
        <translation>Die Notiz ist nicht mehr im Papierkorb „%1“</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be removed from the trash</source>
        <translation>„%1“ konnte nicht aus dem Papierkorb entfernt werden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be removed</source>
        <translation>„%1“ konnte nicht entfernt werden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a text file; no note was made of it</source>
        <translation>„%1“ ist keine Textdatei; es wurde keine Notiz daraus</translation>
    </message>
    <message>
        <source>no note could be made for &apos;%1&apos;</source>
        <translation>für „%1“ konnte keine Notiz angelegt werden</translation>
    </message>
    <message>
        <source>no spelling checker is set up</source>
        <translation>keine Rechtschreibprüfung eingerichtet</translation>
    </message>
    <message>
        <source>it holds no notes</source>
        <translation>sie enthält keine Notizen</translation>
    </message>
    <message>
        <source>the picture could not be read</source>
        <translation>das Bild konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>the picture is larger than %1 MB even at %2 pixels a side</source>
        <translation>das Bild ist selbst bei %2 Pixeln Kantenlänge größer als %1 MB</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a picture Jotlet can read (PNG, JPEG, GIF, BMP or WebP)</source>
        <translation>„%1“ ist kein Bild, das Jotlet lesen kann (PNG, JPEG, GIF, BMP oder WebP)</translation>
    </message>
    <message>
        <source>the size of &apos;%1&apos; cannot be read: the file is damaged</source>
        <translation>die Größe von „%1“ ist nicht lesbar: Die Datei ist beschädigt</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2 x %3 pixels; a picture of up to %4 million pixels can go in</source>
        <translation>„%1“ hat %2 × %3 Pixel; ein Bild darf bis zu %4 Millionen Pixel haben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be read as a picture (%2)</source>
        <translation>„%1“ konnte nicht als Bild gelesen werden (%2)</translation>
    </message>
    <message>
        <source>the picture is not one an image viewer can show</source>
        <translation>das Bild kann keine Bildanzeige zeigen</translation>
    </message>
    <message>
        <source>The rich text is %1 bytes long; at most %2 bytes are read</source>
        <translation>Der formatierte Text ist %1 Byte lang; höchstens %2 Byte werden gelesen</translation>
    </message>
    <message>
        <source>The text has more than %1 paragraphs, more than a note can show</source>
        <translation>Der Text hat mehr als %1 Absätze, mehr als eine Notiz zeigen kann</translation>
    </message>
    <message>
        <source>The text has more than %1 characters, more than a note can show</source>
        <translation>Der Text hat mehr als %1 Zeichen, mehr als eine Notiz zeigen kann</translation>
    </message>
    <message>
        <source>Not a well-formed feed: %1 (line %2, column %3)</source>
        <translation>Kein wohlgeformter Feed: %1 (Zeile %2, Spalte %3)</translation>
    </message>
    <message>
        <source>The reply holds no XML element</source>
        <translation>Die Antwort enthält kein XML-Element</translation>
    </message>
    <message>
        <source>The feed has no channel element</source>
        <translation>Der Feed hat kein channel-Element</translation>
    </message>
    <message>
        <source>The reply is larger than %1 KB</source>
        <translation>Die Antwort ist größer als %1 KB</translation>
    </message>
    <message>
        <source>Redirect not followed: the server sends the request on to &apos;%1&apos;, which is not an http or https address</source>
        <translation>Weiterleitung nicht gefolgt: Der Server leitet die Anfrage an „%1“ weiter, keine http- oder https-Adresse</translation>
    </message>
    <message>
        <source>Redirect not followed: %1</source>
        <translation>Weiterleitung nicht gefolgt: %1</translation>
    </message>
    <message>
        <source>The server answered %1 %2</source>
        <translation>Der Server antwortete %1 %2</translation>
    </message>
    <message>
        <source>No complete reply within %1 seconds</source>
        <translation>Keine vollständige Antwort innerhalb von %1 Sekunden</translation>
    </message>
    <message>
        <source>Only http and https addresses are fetched, not &apos;%1&apos;</source>
        <translation>Nur http- und https-Adressen werden abgerufen, nicht „%1“</translation>
    </message>
    <message>
        <source>The feed has no items</source>
        <translation>Der Feed hat keine Einträge</translation>
    </message>
    <message>
        <source>The reminder time &apos;%1&apos; is not a time of day</source>
        <translation>Die Erinnerungszeit „%1“ ist keine Uhrzeit</translation>
    </message>
    <message>
        <source>the notes folder &apos;%1&apos; is not there</source>
        <translation>den Notizordner „%1“ gibt es nicht</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is %1 MB, more than the %2 MB a note file may hold</source>
        <translation>sie ist %1 MB groß, mehr als die %2 MB, die eine Notizdatei fassen darf</translation>
    </message>
    <message>
        <source>it grew past the size a note file may hold</source>
        <translation>sie ist über die Größe gewachsen, die eine Notizdatei fassen darf</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; would be %2 MB, more than the %3 MB a note file may hold</source>
        <translation>„%1“ würde %2 MB groß, mehr als die %3 MB, die eine Notizdatei fassen darf</translation>
    </message>
    <message>
        <source>the notes folder &apos;%1&apos; is not there (or not the one chosen: it lacks its mark %2)</source>
        <translation>den Notizordner „%1“ gibt es nicht (oder es ist nicht der gewählte: Ihm fehlt seine Markierung %2)</translation>
    </message>
    <message>
        <source>Cannot create a file beside &apos;%1&apos;: %2</source>
        <translation>Neben „%1“ kann keine Datei angelegt werden: %2</translation>
    </message>
    <message>
        <source>the notes could not be compressed</source>
        <translation>die Notizen konnten nicht komprimiert werden</translation>
    </message>
    <message>
        <source>the folder &apos;%1&apos; could not be made</source>
        <translation>der Ordner „%1“ konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be opened</source>
        <translation>„%1“ kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is damaged: it does not unpack</source>
        <translation>„%1“ ist beschädigt: es lässt sich nicht entpacken</translation>
    </message>
    <message>
        <source>the program&apos;s spelling module is missing</source>
        <translation>das Rechtschreibmodul des Programms fehlt</translation>
    </message>
    <message>
        <source>The program&apos;s network module is missing</source>
        <translation>Das Netzwerkmodul des Programms fehlt</translation>
    </message>
</context>
<context>
    <name>Reminder</name>
    <message>
        <source>Today %1</source>
        <translation>Heute %1</translation>
    </message>
    <message>
        <source>Tomorrow %1</source>
        <translation>Morgen %1</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Einmal</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Jeden Tag</translation>
    </message>
    <message>
        <source>Every weekday</source>
        <translation>Jeden Werktag</translation>
    </message>
    <message>
        <source>Every week on %1</source>
        <translation>Jede Woche am %1</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Jeden Monat</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Jedes Jahr</translation>
    </message>
</context>
<context>
    <name>SpecialNote</name>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>CD-ROM</source>
        <translation>CD-ROM</translation>
    </message>
    <message>
        <source>RAM Disk</source>
        <translation>RAM-Disk</translation>
    </message>
    <message>
        <source>Removable Drive</source>
        <translation>Wechseldatenträger</translation>
    </message>
    <message>
        <source>Local Hard Drive</source>
        <translation>Lokale Festplatte</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Total Physical: </source>
        <translation>Physisch gesamt: </translation>
    </message>
    <message>
        <source>Available Physical: </source>
        <translation>Physisch verfügbar: </translation>
    </message>
    <message>
        <source>Total Memory: </source>
        <translation>Speicher gesamt: </translation>
    </message>
    <message>
        <source>Available Memory: </source>
        <translation>Speicher verfügbar: </translation>
    </message>
    <message>
        <source>Percent Free: %1%</source>
        <translation>Frei: %1 %</translation>
    </message>
    <message>
        <source>      Total Space: </source>
        <translation>      Gesamt: </translation>
    </message>
    <message>
        <source>      Free Space: </source>
        <translation>      Frei: </translation>
    </message>
    <message>
        <source>Time: </source>
        <translation>Uhrzeit: </translation>
    </message>
    <message>
        <source>Memory:</source>
        <translation>Speicher:</translation>
    </message>
    <message>
        <source>Drive(s):</source>
        <translation>Laufwerk(e):</translation>
    </message>
    <message>
        <source>Stock Symbol: </source>
        <translation>Aktiensymbol: </translation>
    </message>
    <message>
        <source>Trade</source>
        <extracomment>Stock quote line: the date and time of the last trade.</extracomment>
        <translation>Handel</translation>
    </message>
    <message>
        <source>Last Price</source>
        <translation>Letzter Kurs</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Veränderung</translation>
    </message>
    <message>
        <source>Open Price</source>
        <translation>Eröffnungskurs</translation>
    </message>
    <message>
        <source>Low Price</source>
        <translation>Tiefstkurs</translation>
    </message>
    <message>
        <source>High Price</source>
        <translation>Höchstkurs</translation>
    </message>
    <message>
        <source>error looking up symbol</source>
        <translation>Fehler beim Nachschlagen des Symbols</translation>
    </message>
    <message>
        <source>No quote server is set up: choose Settings... in the note&apos;s menu.</source>
        <translation>Kein Kursserver eingerichtet: wählen Sie Einstellungen... im Menü der Notiz.</translation>
    </message>
    <message>
        <source>Clipboard Viewer:</source>
        <translation>Zwischenablage:</translation>
    </message>
    <message>
        <source>(hidden: copied from a password manager)</source>
        <translation>(verborgen: aus einem Passwortmanager kopiert)</translation>
    </message>
    <message>
        <source>Please enter the reminder time for this note</source>
        <translation>Bitte geben Sie die Erinnerungszeit für diese Notiz ein</translation>
    </message>
    <message>
        <source>Reminder Time</source>
        <translation>Erinnerungszeit</translation>
    </message>
    <message>
        <source>No reminder time was chosen: no reminder was set</source>
        <translation>Keine Erinnerungszeit gewählt: es wurde keine Erinnerung gestellt</translation>
    </message>
    <message>
        <source>No reminder time was chosen: the reminder stays at %1</source>
        <translation>Keine Erinnerungszeit gewählt: die Erinnerung bleibt bei %1</translation>
    </message>
    <message>
        <source>Please enter the URL for an RSS feed</source>
        <translation>Bitte geben Sie die Adresse eines RSS-Feeds ein</translation>
    </message>
    <message>
        <source>RSS Feed URL</source>
        <translation>Adresse des RSS-Feeds</translation>
    </message>
    <message>
        <source>...loading RSS feed</source>
        <translation>...RSS-Feed wird geladen</translation>
    </message>
    <message>
        <source>Stock Symbol</source>
        <translation>Aktiensymbol</translation>
    </message>
    <message>
        <source>No quote server is set up yet, so a stock note cannot show quotes.

Set one up in the settings now?</source>
        <translation>Es ist noch kein Kursserver eingerichtet, daher kann eine Aktiennotiz keine Kurse zeigen.

Jetzt in den Einstellungen einen einrichten?</translation>
    </message>
    <message>
        <source>Please enter the Stock Symbol to look up.</source>
        <translation>Bitte geben Sie das Aktiensymbol ein, das nachgeschlagen werden soll.</translation>
    </message>
    <message>
        <source>Clipboard Viewer:<byte value="xd"/>
</source>
        <translation>Zwischenablage:</translation>
    </message>
    <message>
        <source>Clipboard Log:<byte value="xd"/>
</source>
        <translation>Zwischenablage-Protokoll:</translation>
    </message>
    <message>
        <source>Your reminder note is now active</source>
        <translation>Ihre Erinnerungsnotiz ist jetzt aktiv</translation>
    </message>
    <message>
        <source>...no feed could be loaded. Re-attempting connection in 2min.</source>
        <translation>...kein Feed konnte geladen werden. Neuer Versuch in 2 Min.</translation>
    </message>
    <message>
        <source>Missed at %1</source>
        <translation>Verpasst um %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Note Not Opened</source>
        <translation>Notiz nicht geöffnet</translation>
    </message>
    <message>
        <source>The note file could not be opened:
%1

%2

A new note was opened instead.</source>
        <translation>Die Notizdatei konnte nicht geöffnet werden:
%1

%2

Stattdessen wurde eine neue Notiz geöffnet.</translation>
    </message>
    <message>
        <source>Jotlet opens note files (.not), and this is not one:
%1

A new note was opened instead.</source>
        <translation>Jotlet öffnet Notizdateien (.not), und dies ist keine:
%1

Stattdessen wurde eine neue Notiz geöffnet.</translation>
    </message>
    <message>
        <source>Its note holds more than a note can show.</source>
        <translation>Ihre Notiz enthält mehr, als eine Notiz zeigen kann.</translation>
    </message>
    <message>
        <source>Notes Not Restored</source>
        <translation>Notizen nicht wiederhergestellt</translation>
    </message>
    <message>
        <source>%1.

The file was kept as:
%2

Notes you close at the end of this session will be kept as usual.</source>
        <translation>%1.

Die Datei wurde aufbewahrt als:
%2

Notizen, die am Ende dieser Sitzung offen sind, werden wie gewohnt aufbewahrt.</translation>
    </message>
    <message>
        <source>Notes Not Kept</source>
        <translation>Notizen nicht aufbewahrt</translation>
    </message>
    <message>
        <source>The notes open when your last session ended could not be kept:
%1

%2</source>
        <translation>Die Notizen, die am Ende Ihrer letzten Sitzung offen waren, konnten nicht aufbewahrt werden:
%1

%2</translation>
    </message>
    <message>
        <source>What the recovery journal held of them has come back.</source>
        <translation>Was das Wiederherstellungsjournal von ihnen enthielt, ist zurück.</translation>
    </message>
    <message>
        <source>Nothing of them could be recovered.</source>
        <translation>Nichts davon konnte wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Notes Cannot Be Kept</source>
        <translation>Notizen können nicht aufbewahrt werden</translation>
    </message>
    <message>
        <source>Jotlet cannot write to its data folder:
%1

%2

Until this is mended, the notes open at the end of this session cannot be kept and nothing typed can be recovered after a crash.</source>
        <translation>Jotlet kann nicht in seinen Datenordner schreiben:
%1

%2

Bis das behoben ist, können die Notizen, die am Ende dieser Sitzung offen sind, nicht aufbewahrt werden, und nach einem Absturz lässt sich nichts Getipptes wiederherstellen.</translation>
    </message>
    <message>
        <source>The notes kept from the last session could not be read</source>
        <translation>Die aus der letzten Sitzung aufbewahrten Notizen konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 of the notes kept from the last session could not be opened</source>
        <translation>%1 der aus der letzten Sitzung aufbewahrten Notizen konnten nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Some notes of the last run, which did not end normally, could not be recovered</source>
        <translation>Einige Notizen des letzten Laufs, der nicht normal endete, konnten nicht wiederhergestellt werden</translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Removable Drive</source>
        <translation>Wechsellaufwerk</translation>
    </message>
    <message>
        <source>Local Hard Drive</source>
        <translation>Lokale Festplatte</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>CD-ROM</source>
        <translation>CD-ROM</translation>
    </message>
    <message>
        <source>RAM Disk</source>
        <translation>RAM-Disk</translation>
    </message>
</context>
<context>
    <name>jotlet::AboutWindow</name>
    <message>
        <source>Build - </source>
        <extracomment>Followed by the version number.</extracomment>
        <translation>Build - </translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>The Quorvel team</source>
        <translation>Das Quorvel-Team</translation>
    </message>
    <message>
        <source>Written by the Jotlet developers</source>
        <translation>Geschrieben von den Jotlet-Entwicklern</translation>
    </message>
    <message>
        <source>Jotlet is free software: you may use it, share it and change it under the terms of the GNU General Public License, version 3 or any later version. It comes with no warranty of any kind.</source>
        <translation>Jotlet ist freie Software: Sie dürfen es unter den Bedingungen der GNU General Public License, Version 3 oder jeder späteren Version, benutzen, weitergeben und verändern. Es wird ohne jede Gewährleistung bereitgestellt.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>No mail program could be started: %1.</source>
        <translation>Es konnte kein E-Mail-Programm gestartet werden: %1.</translation>
    </message>
    <message>
        <source>Postcard Ware</source>
        <translation>Postkarten-Ware</translation>
    </message>
    <message>
        <source>Click for information about PostcardWare</source>
        <translation>Klicken Sie für Informationen über Postkarten-Ware</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>jotlet::AlertWindow</name>
    <message>
        <source>Alert - Jotlet</source>
        <translation>Alarm - Jotlet</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The time on your reminder note has expired</source>
        <translation>Die Zeit auf Ihrer Erinnerungsnotiz ist abgelaufen</translation>
    </message>
</context>
<context>
    <name>jotlet::BackupWindow</name>
    <message>
        <source>(empty note)</source>
        <translation>(leere Notiz)</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Days with a backup</source>
        <translation>Tage mit einer Sicherung</translation>
    </message>
    <message>
        <source>Notes of the chosen day</source>
        <translation>Notizen des gewählten Tages</translation>
    </message>
    <message>
        <source>Enter restores the chosen note</source>
        <translation>Eingabe stellt die gewählte Notiz wieder her</translation>
    </message>
    <message>
        <source>Text of the chosen note</source>
        <translation>Text der gewählten Notiz</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Restore &amp;All</source>
        <translation>&amp;Alle wiederherstellen</translation>
    </message>
    <message>
        <source>Jotlet keeps a copy of every note each day: the last %1 days, and one a week for %2 weeks before them. Notes come back as new notes; nothing is replaced.</source>
        <translation>Jotlet bewahrt jeden Tag eine Kopie jeder Notiz auf: die letzten %1 Tage und davor %2 Wochen lang eine pro Woche. Notizen kommen als neue Notizen zurück; nichts wird ersetzt.</translation>
    </message>
    <message>
        <source>There is no backup yet: the first is made a few seconds after Jotlet starts.</source>
        <translation>Es gibt noch keine Sicherung: Die erste entsteht wenige Sekunden nach dem Start von Jotlet.</translation>
    </message>
    <message>
        <source>This backup cannot be read (%1). It stays where it is.</source>
        <translation>Diese Sicherung kann nicht gelesen werden (%1). Sie bleibt, wo sie ist.</translation>
    </message>
    <message numerus="yes">
        <source>%n note(s) in this backup.</source>
        <translation>
            <numerusform>%n Notiz in dieser Sicherung.</numerusform>
            <numerusform>%n Notizen in dieser Sicherung.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>jotlet::ConflictStrip</name>
    <message>
        <source>Keep This Version</source>
        <translation>Diese Fassung behalten</translation>
    </message>
    <message>
        <source>This version replaces the note&apos;s; the note&apos;s own goes to the trash</source>
        <translation>Diese Fassung ersetzt die der Notiz; die der Notiz kommt in den Papierkorb</translation>
    </message>
    <message>
        <source>Keep the Other Version</source>
        <translation>Die andere Fassung behalten</translation>
    </message>
    <message>
        <source>The note keeps its own version; this one goes to the trash</source>
        <translation>Die Notiz behält ihre Fassung; diese kommt in den Papierkorb</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <translation>Beide behalten</translation>
    </message>
    <message>
        <source>This version becomes a note of its own</source>
        <translation>Diese Fassung wird eine eigene Notiz</translation>
    </message>
    <message>
        <source>Another version of a note</source>
        <translation>Eine andere Fassung einer Notiz</translation>
    </message>
</context>
<context>
    <name>jotlet::DesktopPresence</name>
    <message>
        <source>(empty note)</source>
        <translation>(leere Notiz)</translation>
    </message>
    <message>
        <source>&amp;New Note</source>
        <translation>&amp;Neue Notiz</translation>
    </message>
    <message>
        <source>&amp;Show All Notes</source>
        <translation>Alle Notizen &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Hide All Notes</source>
        <translation>Alle Notizen &amp;verbergen</translation>
    </message>
    <message>
        <source>Multi-Note &amp;Manager...</source>
        <translation>Notiz&amp;verwaltung...</translation>
    </message>
    <message>
        <source>&amp;Find in Notes...</source>
        <translation>In Notizen &amp;suchen...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Show &amp;Tray Icon</source>
        <translation>Symbol im &amp;Infobereich zeigen</translation>
    </message>
    <message>
        <source>Keep Notes Out of the Task&amp;bar</source>
        <translation>Notizen nicht in der &amp;Taskleiste zeigen</translation>
    </message>
    <message>
        <source>Keep &amp;Running When the Last Note Closes</source>
        <translation>Weiterlaufen, wenn die letzte Notiz &amp;schließt</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message numerus="yes">
        <source>%n more note(s)</source>
        <translation>
            <numerusform>%n weitere Notiz</numerusform>
            <numerusform>%n weitere Notizen</numerusform>
        </translation>
    </message>
    <message>
        <source>New-Note &amp;Key (none)...</source>
        <translation>&amp;Tastenkürzel für neue Notiz (keines)...</translation>
    </message>
    <message>
        <source>New-Note &amp;Key (%1)...</source>
        <translation>&amp;Tastenkürzel für neue Notiz (%1)...</translation>
    </message>
    <message>
        <source>New-Note Key: not available on this desktop</source>
        <translation>Tastenkürzel für neue Notiz: auf diesem Desktop nicht verfügbar</translation>
    </message>
    <message>
        <source>New-Note &amp;Key (%1, not working)...</source>
        <translation>&amp;Tastenkürzel für neue Notiz (%1, funktioniert nicht)...</translation>
    </message>
    <message>
        <source>The key %1 is in use by another program. Choose another one for new notes under Options in this menu.</source>
        <translation>Das Tastenkürzel %1 wird von einem anderen Programm benutzt. Wählen Sie unter Optionen in diesem Menü ein anderes für neue Notizen.</translation>
    </message>
    <message>
        <source>The key %1 cannot be used for new notes. Choose one with Ctrl, Alt or Super.</source>
        <translation>Das Tastenkürzel %1 kann nicht für neue Notizen benutzt werden. Wählen Sie eines mit Strg, Alt oder Super.</translation>
    </message>
    <message>
        <source>Jotlet reminder</source>
        <translation>Jotlet-Erinnerung</translation>
    </message>
    <message>
        <source>Show Note</source>
        <translation>Notiz zeigen</translation>
    </message>
    <message>
        <source>Jotlet: no notes open. Click for a new note.</source>
        <translation>Jotlet: keine Notiz offen. Ein Klick legt eine neue an.</translation>
    </message>
    <message numerus="yes">
        <source>Jotlet: %n note(s). Click to put them away or bring them back.</source>
        <translation>
            <numerusform>Jotlet: %n Notiz. Ein Klick legt sie weg oder holt sie zurück.</numerusform>
            <numerusform>Jotlet: %n Notizen. Ein Klick legt sie weg oder holt sie zurück.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Import Notes...</source>
        <translation>Notizen &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Export Notes...</source>
        <translation>Notizen &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Restore from Backup...</source>
        <translation>Aus Sicherung &amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>Notes Awa&amp;y and Back</source>
        <translation>Notizen hinaus und zurüc&amp;k</translation>
    </message>
    <message>
        <source>Snooze 5 Minutes</source>
        <translation>5 Minuten später</translation>
    </message>
    <message>
        <source>15 Minutes</source>
        <translation>15 Minuten</translation>
    </message>
    <message>
        <source>1 Hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>Jotlet reminders</source>
        <translation>Jotlet-Erinnerungen</translation>
    </message>
    <message>
        <source>Show Notes</source>
        <translation>Notizen zeigen</translation>
    </message>
    <message>
        <source>Next: %1, %2</source>
        <translation>Nächste: %1, %2</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Schlummern</translation>
    </message>
    <message>
        <source>5 Minutes</source>
        <translation>5 Minuten</translation>
    </message>
</context>
<context>
    <name>jotlet::ExportWindow</name>
    <message>
        <source>Also the notes in the &amp;trash</source>
        <translation>Auch die Notizen im &amp;Papierkorb</translation>
    </message>
    <message>
        <source>Export Notes</source>
        <translation>Notizen exportieren</translation>
    </message>
    <message>
        <source>Folder to export to</source>
        <translation>Zielordner des Exports</translation>
    </message>
    <message>
        <source>Markdown (.md)</source>
        <translation>Markdown (.md)</translation>
    </message>
    <message>
        <source>Web page (.html)</source>
        <translation>Webseite (.html)</translation>
    </message>
    <message>
        <source>Plain text (.txt)</source>
        <translation>Reiner Text (.txt)</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>&amp;Wählen...</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>Every note (open, kept and in the notes folder) becomes a file of its own, named after its first words. Files already there are never replaced.</source>
        <translation>Jede Notiz (offen, aufbewahrt und im Notizordner) wird eine eigene Datei, benannt nach ihren ersten Wörtern. Vorhandene Dateien werden nie ersetzt.</translation>
    </message>
    <message>
        <source>Export Notes To</source>
        <translation>Notizen exportieren nach</translation>
    </message>
    <message>
        <source>Give the full path of a folder.</source>
        <translation>Geben Sie den vollständigen Pfad eines Ordners an.</translation>
    </message>
    <message numerus="yes">
        <source>%n note(s) exported to %1.</source>
        <translation>
            <numerusform>%n Notiz nach %1 exportiert.</numerusform>
            <numerusform>%n Notizen nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s) could not be written (see the error log).</source>
        <translation>
            <numerusform>%n Notiz konnte nicht geschrieben werden (siehe Fehlerprotokoll).</numerusform>
            <numerusform>%n Notizen konnten nicht geschrieben werden (siehe Fehlerprotokoll).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>jotlet::FindWindow</name>
    <message>
        <source>Find in Notes</source>
        <translation>In Notizen suchen</translation>
    </message>
    <message>
        <source>%1 notes found; the first %2 are listed.</source>
        <translation>%1 Notizen gefunden; die ersten %2 sind aufgeführt.</translation>
    </message>
    <message>
        <source>One note found.</source>
        <translation>Eine Notiz gefunden.</translation>
    </message>
    <message>
        <source>%1 notes found.</source>
        <translation>%1 Notizen gefunden.</translation>
    </message>
    <message>
        <source>Reading stored notes…</source>
        <translation>Gespeicherte Notizen werden gelesen…</translation>
    </message>
    <message>
        <source>That note is no longer where it was; the list is being brought up to date.</source>
        <translation>Diese Notiz ist nicht mehr, wo sie war; die Liste wird aktualisiert.</translation>
    </message>
    <message>
        <source>Words to find</source>
        <translation>Zu suchende Wörter</translation>
    </message>
    <message>
        <source>Notes holding every word are listed as you type; Down goes to the list</source>
        <translation>Notizen mit allen Wörtern erscheinen beim Tippen; Pfeil nach unten wechselt in die Liste</translation>
    </message>
    <message>
        <source>Notes found</source>
        <translation>Gefundene Notizen</translation>
    </message>
    <message>
        <source>Enter opens the chosen note</source>
        <translation>Eingabe öffnet die gewählte Notiz</translation>
    </message>
    <message>
        <source>Words to find, &quot;a phrase&quot; in quotes, reminder: for reminders</source>
        <translation>Zu suchende Wörter, „eine Wortgruppe“ in Anführungszeichen, erinnerung: für Erinnerungen</translation>
    </message>
</context>
<context>
    <name>jotlet::FolderSync</name>
    <message>
        <source>another computer</source>
        <translation>einem anderen Computer</translation>
    </message>
    <message>
        <source>Your version from %1, set aside: %2 changed this note at the same time.</source>
        <translation>Ihre Fassung von %1, beiseitegelegt: %2 hat diese Notiz zur selben Zeit geändert.</translation>
    </message>
    <message>
        <source>Changed on %1 at %2 while it was changed on %3.</source>
        <translation>Auf %1 um %2 geändert, während sie auf %3 geändert wurde.</translation>
    </message>
    <message>
        <source>Changed on %1 at %2 while it was changed here.</source>
        <translation>Auf %1 um %2 geändert, während sie hier geändert wurde.</translation>
    </message>
    <message>
        <source>Notes Not Opened</source>
        <translation>Notizen nicht geöffnet</translation>
    </message>
    <message>
        <source>These files in the notes folder were left as they are, as Jotlet does not open files larger than %1 MB or links to files elsewhere:

%2</source>
        <translation>Diese Dateien im Notizordner wurden gelassen, wie sie sind, da Jotlet keine Dateien über %1 MB und keine Verknüpfungen zu Dateien anderswo öffnet:

%2</translation>
    </message>
    <message>
        <source>Notes Folder</source>
        <translation>Notizordner</translation>
    </message>
    <message>
        <source>%1 notes came from the notes folder; the %2 changed most recently are open. The others are in the Multi-Note Manager and Find in Notes.</source>
        <translation>%1 Notizen kamen aus dem Notizordner; die %2 zuletzt geänderten sind geöffnet. Die übrigen finden Sie in der Notizverwaltung und mit „In Notizen suchen“.</translation>
    </message>
    <message>
        <source>Notes Folder Cannot Be Written</source>
        <translation>Notizordner nicht beschreibbar</translation>
    </message>
    <message>
        <source>Jotlet cannot write to the notes folder:
%1

%2

Nothing you type is lost: it is kept on this computer and written to the folder as soon as the folder can be written again.</source>
        <translation>Jotlet kann nicht in den Notizordner schreiben:
%1

%2

Nichts von dem, was Sie schreiben, geht verloren: Es wird auf diesem Computer aufbewahrt und in den Ordner geschrieben, sobald er wieder beschreibbar ist.</translation>
    </message>
</context>
<context>
    <name>jotlet::HelpWindow</name>
    <message>
        <source>A note</source>
        <translation>Eine Notiz</translation>
    </message>
    <message>
        <source>Type into a note and it keeps what you type. Right-click it (or press Shift+F10) for everything it can do: colours and a dark look, fonts, checklists, pictures, special notes that show the time, a reminder, a feed or a stock quote, printing and e-mail. Drag the title to move it; double-click the icon to roll it up.</source>
        <translation>Tippen Sie in eine Notiz, und sie behält, was Sie tippen. Ein Rechtsklick (oder Umschalt+F10) zeigt alles, was sie kann: Farben und ein dunkles Aussehen, Schriften, Checklisten, Bilder, Spezialnotizen mit Uhrzeit, Erinnerung, Feed oder Aktienkurs, Drucken und E-Mail. Ziehen Sie den Titel, um sie zu verschieben; ein Doppelklick auf das Symbol rollt sie auf.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Strg+N</translation>
    </message>
    <message>
        <source>a new note</source>
        <translation>eine neue Notiz</translation>
    </message>
    <message>
        <source>Ctrl+S, Ctrl+O</source>
        <translation>Strg+S, Strg+O</translation>
    </message>
    <message>
        <source>save the note, open a note file</source>
        <translation>die Notiz speichern, eine Notizdatei öffnen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Strg+Umschalt+F</translation>
    </message>
    <message>
        <source>find words in every note, open or not</source>
        <translation>Wörter in allen Notizen suchen, offen oder nicht</translation>
    </message>
    <message>
        <source>Ctrl+Shift+L</source>
        <translation>Strg+Umschalt+L</translation>
    </message>
    <message>
        <source>make the lines a checklist; Ctrl+Enter ticks an item</source>
        <translation>die Zeilen zur Checkliste machen; Strg+Eingabe hakt einen Eintrag ab</translation>
    </message>
    <message>
        <source>Shift+F10</source>
        <translation>Umschalt+F10</translation>
    </message>
    <message>
        <source>the note&apos;s menu</source>
        <translation>das Menü der Notiz</translation>
    </message>
    <message>
        <source>Alt+Shift+Space</source>
        <translation>Alt+Umschalt+Leertaste</translation>
    </message>
    <message>
        <source>the window menu (Alt+Space where the desktop leaves it free)</source>
        <translation>das Fenstermenü (Alt+Leertaste, wo die Arbeitsfläche sie frei lässt)</translation>
    </message>
    <message>
        <source>Alt+F7, Alt+F8</source>
        <translation>Alt+F7, Alt+F8</translation>
    </message>
    <message>
        <source>move or size the note with the arrow keys; Enter keeps it, Esc takes it back</source>
        <translation>die Notiz mit den Pfeiltasten verschieben oder ihre Größe ändern; Eingabe behält es, Esc nimmt es zurück</translation>
    </message>
    <message>
        <source>Ctrl+Tab</source>
        <translation>Strg+Tab</translation>
    </message>
    <message>
        <source>from the text to the note&apos;s buttons</source>
        <translation>vom Text zu den Knöpfen der Notiz</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>roll the note up or down</source>
        <translation>die Notiz auf- oder abrollen</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>check the spelling</source>
        <translation>die Rechtschreibung prüfen</translation>
    </message>
    <message>
        <source>Where notes are kept</source>
        <translation>Wo Notizen liegen</translation>
    </message>
    <message>
        <source>Notes open when you log off come back when you log in. Notes you save are in the files you chose; the rest are kept in %1.</source>
        <translation>Notizen, die beim Abmelden offen sind, kommen beim Anmelden wieder. Gespeicherte Notizen liegen in den Dateien, die Sie gewählt haben; die übrigen liegen in %1.</translation>
    </message>
    <message>
        <source>Notes without a file of their own are in the notes folder %1, which your sync tool carries to your other computers.</source>
        <translation>Notizen ohne eigene Datei liegen im Notizordner %1, den Ihr Synchronisierungswerkzeug auf Ihre anderen Computer bringt.</translation>
    </message>
    <message>
        <source>Getting a note back</source>
        <translation>Eine Notiz zurückholen</translation>
    </message>
    <message>
        <source>A note closed without saving, or deleted, goes to the trash for 30 days: Trash... in the note&apos;s menu brings it back. Find in Notes (Ctrl+Shift+F) finds any note by its words, in files, in the notes folder and in the trash.</source>
        <translation>Eine ohne Speichern geschlossene oder gelöschte Notiz liegt 30 Tage im Papierkorb: Papierkorb... im Menü der Notiz holt sie zurück. In Notizen suchen (Strg+Umschalt+F) findet jede Notiz an ihren Wörtern, in Dateien, im Notizordner und im Papierkorb.</translation>
    </message>
    <message>
        <source>The manual (man jotlet): every option, file and setting</source>
        <translation>Das Handbuch (man jotlet): alle Optionen, Dateien und Einstellungen</translation>
    </message>
    <message>
        <source>Jotlet Help</source>
        <translation>Jotlet-Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>The manual could not be opened: %1. Run &quot;man jotlet&quot; in a terminal.</source>
        <translation>Das Handbuch konnte nicht geöffnet werden: %1. Geben Sie „man jotlet“ in einem Terminal ein.</translation>
    </message>
</context>
<context>
    <name>jotlet::ImportWindow</name>
    <message>
        <source>Import Notes</source>
        <translation>Notizen importieren</translation>
    </message>
    <message>
        <source>Programs with notes</source>
        <translation>Programme mit Notizen</translation>
    </message>
    <message>
        <source>Notes to import</source>
        <translation>Zu importierende Notizen</translation>
    </message>
    <message>
        <source>Space ticks or unticks the chosen note</source>
        <translation>Leertaste hakt die gewählte Notiz an oder ab</translation>
    </message>
    <message>
        <source>Text of the chosen note</source>
        <translation>Text der gewählten Notiz</translation>
    </message>
    <message>
        <source>Add a &amp;Folder of Text Files...</source>
        <translation>&amp;Ordner mit Textdateien hinzufügen...</translation>
    </message>
    <message>
        <source>Add Microsoft Sticky Notes&apos; &amp;plum.sqlite...</source>
        <translation>&amp;plum.sqlite von Microsoft Sticky Notes hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Notes found in other programs. Their files are only read, never changed; a note imported before is not imported again.</source>
        <translation>In anderen Programmen gefundene Notizen. Deren Dateien werden nur gelesen, nie geändert; eine bereits importierte Notiz wird nicht noch einmal importiert.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n note(s)</source>
        <translation>
            <numerusform>%1: %n Notiz</numerusform>
            <numerusform>%1: %n Notizen</numerusform>
        </translation>
    </message>
    <message>
        <source>No notes of another program were found for you. Add a folder of text files or a plum.sqlite copied from Windows.</source>
        <translation>Für Sie wurden keine Notizen eines anderen Programms gefunden. Fügen Sie einen Ordner mit Textdateien oder eine von Windows kopierte plum.sqlite hinzu.</translation>
    </message>
    <message>
        <source>%1 (imported before)</source>
        <translation>%1 (bereits importiert)</translation>
    </message>
    <message>
        <source>Could not be read: %1</source>
        <translation>Nicht lesbar: %1</translation>
    </message>
    <message>
        <source>Folder of Text Files</source>
        <translation>Ordner mit Textdateien</translation>
    </message>
    <message>
        <source>Microsoft Sticky Notes</source>
        <translation>Microsoft Sticky Notes</translation>
    </message>
    <message>
        <source>Sticky Notes database (plum.sqlite)</source>
        <translation>Sticky-Notes-Datenbank (plum.sqlite)</translation>
    </message>
    <message>
        <source>Tick the notes to import.</source>
        <translation>Haken Sie die zu importierenden Notizen an.</translation>
    </message>
    <message numerus="yes">
        <source>%n note(s) imported.</source>
        <translation>
            <numerusform>%n Notiz importiert.</numerusform>
            <numerusform>%n Notizen importiert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>jotlet::InputDialog</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>jotlet::JotletApplication</name>
    <message>
        <source>Notes Folder</source>
        <translation>Notizordner</translation>
    </message>
    <message>
        <source>Move the %1 open notes that have no file of their own into the notes folder?</source>
        <translation>Die %1 offenen Notizen ohne eigene Datei in den Notizordner verschieben?</translation>
    </message>
    <message numerus="yes">
        <source>%n note(s) imported from %1.</source>
        <translation>
            <numerusform>%n Notiz aus %1 importiert.</numerusform>
            <numerusform>%n Notizen aus %1 importiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Notes</source>
        <translation>Notizen importieren</translation>
    </message>
    <message>
        <source>Some files could not be read (see the error log).</source>
        <translation>Einige Dateien konnten nicht gelesen werden (siehe Fehlerprotokoll).</translation>
    </message>
</context>
<context>
    <name>jotlet::KeyDialog</name>
    <message>
        <source>New-Note Key</source>
        <translation>Tastenkürzel für neue Notiz</translation>
    </message>
    <message>
        <source>Press the keys that make a new note from anywhere on the desktop, for example Ctrl+Alt+N. Use Ctrl, Alt or Super with a letter, digit or sign.</source>
        <translation>Drücken Sie die Tasten, die von überall auf dem Desktop eine neue Notiz anlegen, zum Beispiel Strg+Alt+N. Benutzen Sie Strg, Alt oder Super mit einem Buchstaben, einer Ziffer oder einem Zeichen.</translation>
    </message>
    <message>
        <source>&amp;No Key</source>
        <translation>&amp;Kein Tastenkürzel</translation>
    </message>
</context>
<context>
    <name>jotlet::Note</name>
    <message>
        <source>Print Error</source>
        <translation>Druckfehler</translation>
    </message>
    <message>
        <source>There was an error printing your Note. Check to make sure your printer is functioning properly</source>
        <translation>Beim Drucken Ihrer Notiz ist ein Fehler aufgetreten. Prüfen Sie, ob Ihr Drucker richtig funktioniert</translation>
    </message>
    <message>
        <source>The note is too long for one mail message: the message holds its first %1 characters.</source>
        <translation>Die Notiz ist zu lang für eine E-Mail: die Nachricht enthält ihre ersten %1 Zeichen.</translation>
    </message>
    <message>
        <source>Email Note</source>
        <translation>Notiz per E-Mail senden</translation>
    </message>
    <message>
        <source>The note could not be handed to a mail program: %1.</source>
        <translation>Die Notiz konnte keinem E-Mail-Programm übergeben werden: %1.</translation>
    </message>
    <message>
        <source>The spelling could not be checked: %1.</source>
        <translation>Die Rechtschreibung konnte nicht geprüft werden: %1.</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <translation>Rechtschreibprüfung</translation>
    </message>
    <message>
        <source>Spell Check has been completed!</source>
        <translation>Die Rechtschreibprüfung ist abgeschlossen!</translation>
    </message>
    <message>
        <source>Right-click for options</source>
        <translation>Rechtsklick für Optionen</translation>
    </message>
    <message>
        <source>Note Not Saved</source>
        <translation>Notiz nicht gespeichert</translation>
    </message>
    <message>
        <source>The note could not be saved.

%1

It is still open with all its changes; try saving it somewhere else with Save As.</source>
        <translation>Die Notiz konnte nicht gespeichert werden.

%1

Sie ist mit allen Änderungen noch offen; versuchen Sie, sie mit Speichern unter an einem anderen Ort zu speichern.</translation>
    </message>
    <message>
        <source>Quorvel&apos;s Website</source>
        <translation>Website von Quorvel</translation>
    </message>
    <message>
        <source>The website could not be opened: %1.</source>
        <translation>Die Website konnte nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.gif *.bmp *.webp)|*.png;*.jpg;*.jpeg;*.gif;*.bmp;*.webp</source>
        <extracomment>File type filter: &quot;description (patterns)|patterns&quot;. Translate the description only.</extracomment>
        <translation>Bilder (*.png *.jpg *.jpeg *.gif *.bmp *.webp)|*.png;*.jpg;*.jpeg;*.gif;*.bmp;*.webp</translation>
    </message>
    <message>
        <source>Picture Not Inserted</source>
        <translation>Bild nicht eingefügt</translation>
    </message>
    <message>
        <source>The picture could not be put in the note: %1.</source>
        <translation>Das Bild konnte nicht in die Notiz eingefügt werden: %1.</translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>This note has changes that are not saved.
Save them now? With No, the note closes unsaved and waits in the Trash for 30 days.</source>
        <translation>Diese Notiz hat Änderungen, die nicht gespeichert sind.
Jetzt speichern? Mit Nein schließt die Notiz ungespeichert und wartet 30 Tage im Papierkorb.</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>Aus %1</translation>
    </message>
</context>
<context>
    <name>jotlet::NoteManager</name>
    <message>
        <source>Note %1</source>
        <translation>Notiz %1</translation>
    </message>
    <message>
        <source>The last note in a Jotlet file can not be deleted.</source>
        <translation>Die letzte Notiz in einer Jotlet-Datei kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Jotlet Delete</source>
        <translation>Jotlet – Löschen</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this note?</source>
        <translation>Möchten Sie diese Notiz wirklich löschen?</translation>
    </message>
    <message>
        <source>The note could not be deleted, and the file is as it was.

%1</source>
        <translation>Die Notiz konnte nicht gelöscht werden; die Datei ist unverändert.

%1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>  (open)</source>
        <translation>  (geöffnet)</translation>
    </message>
    <message>
        <source>  (another version)</source>
        <translation>  (andere Fassung)</translation>
    </message>
    <message>
        <source>Put this note in the notes folder&apos;s trash? It can be brought back from the Trash for 30 days.</source>
        <translation>Diese Notiz in den Papierkorb des Notizordners legen? Sie lässt sich 30 Tage lang aus dem Papierkorb zurückholen.</translation>
    </message>
</context>
<context>
    <name>jotlet::NoteManagerWindow</name>
    <message>
        <source>Multi-Note Manager</source>
        <translation>Notizverwaltung</translation>
    </message>
    <message>
        <source>Open a note</source>
        <translation>Eine Notiz öffnen</translation>
    </message>
    <message>
        <source>Show note(s)</source>
        <translation>Notiz(en) zeigen</translation>
    </message>
    <message>
        <source>Delete note(s)</source>
        <translation>Notiz(en) löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The notes of the notes folder</source>
        <translation>Die Notizen des Notizordners</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Enter shows the chosen note</source>
        <translation>Eingabe zeigt die gewählte Notiz</translation>
    </message>
    <message>
        <source>Text of the chosen note</source>
        <translation>Text der gewählten Notiz</translation>
    </message>
    <message>
        <source>&amp;Open Note</source>
        <translation>Notiz &amp;öffnen</translation>
    </message>
    <message>
        <source>Notes &amp;Folder</source>
        <translation>Notiz&amp;ordner</translation>
    </message>
    <message>
        <source>&amp;Show Note</source>
        <translation>Notiz &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Delete Note</source>
        <translation>Notiz &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
</context>
<context>
    <name>jotlet::NoteSearch</name>
    <message>
        <source>Open note</source>
        <translation>Offene Notiz</translation>
    </message>
    <message>
        <source>Open note, %1</source>
        <translation>Offene Notiz, %1</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Trash, from %1</source>
        <translation>Papierkorb, aus %1</translation>
    </message>
    <message>
        <source>Kept notes, note %1</source>
        <translation>Aufbewahrte Notizen, Notiz %1</translation>
    </message>
    <message>
        <source>Trash of the notes folder</source>
        <translation>Papierkorb des Notizordners</translation>
    </message>
    <message>
        <source>Notes folder</source>
        <translation>Notizordner</translation>
    </message>
    <message>
        <source>%1, note %2</source>
        <translation>%1, Notiz %2</translation>
    </message>
    <message>
        <source>reminder:</source>
        <translation>erinnerung:</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>Reminder, next %1</source>
        <translation>Erinnerung, nächste %1</translation>
    </message>
</context>
<context>
    <name>jotlet::NoteTextBox</name>
    <message>
        <source>Open Link</source>
        <translation>Link öffnen</translation>
    </message>
    <message>
        <source>The link could not be opened: %1.</source>
        <translation>Der Link konnte nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>The picture could not be opened: %1.</source>
        <translation>Das Bild konnte nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>&amp;Fit to Note Width</source>
        <translation>An Notizbreite &amp;anpassen</translation>
    </message>
    <message>
        <source>&amp;Half Size</source>
        <translation>&amp;Halbe Größe</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Open in Image Viewer</source>
        <translation>In der &amp;Bildanzeige öffnen</translation>
    </message>
</context>
<context>
    <name>jotlet::NoteWindow</name>
    <message>
        <source>Note text</source>
        <translation>Notiztext</translation>
    </message>
    <message>
        <source>Note title</source>
        <translation>Notiztitel</translation>
    </message>
    <message>
        <source>Double-click to refresh caption</source>
        <translation>Doppelklick aktualisiert die Beschriftung</translation>
    </message>
    <message>
        <source>Note caption</source>
        <translation>Notizbeschriftung</translation>
    </message>
    <message>
        <source>Double-click to refresh the caption</source>
        <translation>Doppelklick aktualisiert die Beschriftung</translation>
    </message>
    <message>
        <source>Note menu</source>
        <translation>Notizmenü</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Display help</source>
        <translation>Hilfe anzeigen</translation>
    </message>
    <message>
        <source>Close note</source>
        <translation>Notiz schließen</translation>
    </message>
    <message>
        <source>Resize note</source>
        <translation>Notizgröße ändern</translation>
    </message>
    <message>
        <source>Drag to resize the note; Alt+F8 sizes it with the arrow keys</source>
        <translation>Ziehen ändert die Größe der Notiz; Alt+F8 ändert sie mit den Pfeiltasten</translation>
    </message>
    <message>
        <source>Note %1, not saved</source>
        <translation>Notiz %1, nicht gespeichert</translation>
    </message>
    <message>
        <source>Note %1</source>
        <translation>Notiz %1</translation>
    </message>
    <message>
        <source>Moving: the arrow keys move the note, Enter keeps it, Esc takes it back</source>
        <translation>Verschieben: Die Pfeiltasten verschieben die Notiz, Eingabe behält es, Esc nimmt es zurück</translation>
    </message>
    <message>
        <source>Sizing: the arrow keys size the note, Enter keeps it, Esc takes it back</source>
        <translation>Größe ändern: Die Pfeiltasten ändern die Größe der Notiz, Eingabe behält es, Esc nimmt es zurück</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Nächste: %1</translation>
    </message>
</context>
<context>
    <name>jotlet::PostcardWindow</name>
    <message>
        <source>Postcardware</source>
        <translation>Postkarten-Ware</translation>
    </message>
    <message>
        <source>If you like the application, DLL, or OCX then we would appreciate a</source>
        <translation>Wenn Ihnen das Programm, die DLL oder das OCX gefällt, freuen wir uns über eine</translation>
    </message>
    <message>
        <source> Postcard from your city.  Be creative, show us what makes your city</source>
        <translation> Postkarte aus Ihrer Stadt.  Seien Sie kreativ, zeigen Sie uns, was Ihre Stadt</translation>
    </message>
    <message>
        <source> unique or interesting</source>
        <translation> einzigartig oder interessant macht</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&lt;b&gt;Send us a postcard&lt;/b&gt;</source>
        <translation>&lt;b&gt;Schicken Sie uns eine Postkarte&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Postcard Ware -</source>
        <translation>Postkarten-Ware -</translation>
    </message>
    <message>
        <source>Send To:</source>
        <translation>Senden an:</translation>
    </message>
    <message>
        <source>Quorvel
PO Box 1234
Springfield 12345</source>
        <translation>Quorvel
Postfach 1234
Springfield 12345</translation>
    </message>
</context>
<context>
    <name>jotlet::QtDialogs</name>
    <message>
        <source>Jotlet Note</source>
        <translation>Jotlet-Notiz</translation>
    </message>
</context>
<context>
    <name>jotlet::ReminderInputDialog</name>
    <message>
        <source>Once</source>
        <translation>Einmal</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Jeden Tag</translation>
    </message>
    <message>
        <source>Every weekday (Monday to Friday)</source>
        <translation>Jeden Werktag (Montag bis Freitag)</translation>
    </message>
    <message>
        <source>Every week on these days</source>
        <translation>Jede Woche an diesen Tagen</translation>
    </message>
    <message>
        <source>Every month on this day</source>
        <translation>Jeden Monat an diesem Tag</translation>
    </message>
    <message>
        <source>Every year on this date</source>
        <translation>Jedes Jahr an diesem Datum</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Uhrzeit:</translation>
    </message>
    <message>
        <source>&amp;Repeats:</source>
        <translation>&amp;Wiederholung:</translation>
    </message>
    <message>
        <source>How the reminder repeats</source>
        <translation>Wie sich die Erinnerung wiederholt</translation>
    </message>
</context>
<context>
    <name>jotlet::SettingsWindow</name>
    <message>
        <source>Jotlet Settings</source>
        <translation>Jotlet-Einstellungen</translation>
    </message>
    <message>
        <source>Stock quotes</source>
        <translation>Aktienkurse</translation>
    </message>
    <message>
        <source>&amp;Quote server:</source>
        <translation>&amp;Kursserver:</translation>
    </message>
    <message>
        <source>Stock notes ask this server for their quotes, as &lt;i&gt;address&lt;/i&gt;/d/quotes.csv?s=SYMBOL&amp;amp;f=sl1d1t1c1ohgv&amp;amp;e=.csv, and show the line of values it answers. Jotlet comes with no server of its own; while this is empty, a stock note says that none is set up.</source>
        <translation>Aktiennotizen fragen diesen Server nach ihren Kursen, als &lt;i&gt;Adresse&lt;/i&gt;/d/quotes.csv?s=SYMBOL&amp;amp;f=sl1d1t1c1ohgv&amp;amp;e=.csv, und zeigen die Zeile mit Werten, die er antwortet. Jotlet bringt keinen eigenen Server mit; solange dies leer ist, sagt eine Aktiennotiz, dass keiner eingerichtet ist.</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>HTTP &amp;proxy:</source>
        <translation>HTTP-&amp;Proxy:</translation>
    </message>
    <message>
        <source>Feeds and quotes go through this proxy, given as host:port. Leave it empty to use the system&apos;s proxy settings.</source>
        <translation>Feeds und Kurse gehen über diesen Proxy, angegeben als Host:Port. Leer lassen, um die Proxy-Einstellungen des Systems zu benutzen.</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Show an icon in the &amp;tray</source>
        <translation>Ein Symbol im &amp;Infobereich zeigen</translation>
    </message>
    <message>
        <source>Keep notes out of the task&amp;bar while the icon shows</source>
        <translation>Notizen nicht in der &amp;Taskleiste zeigen, solange das Symbol da ist</translation>
    </message>
    <message>
        <source>Keep &amp;running in the tray when the last note closes</source>
        <translation>Im Infobereich &amp;weiterlaufen, wenn die letzte Notiz schließt</translation>
    </message>
    <message>
        <source>Notes folder</source>
        <translation>Notizordner</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>&amp;Auswählen...</translation>
    </message>
    <message>
        <source>Notes Folder</source>
        <translation>Notizordner</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>Notes without a file of their own live in this folder, one file each, so that the sync tool you use (Syncthing, Nextcloud, Dropbox, a network share) can carry them to your other computers. Leave it empty to keep notes on this computer only.</source>
        <translation>Notizen ohne eigene Datei liegen in diesem Ordner, jede in einer Datei, damit Ihr Synchronisierungswerkzeug (Syncthing, Nextcloud, Dropbox, eine Netzwerkfreigabe) sie auf Ihre anderen Computer bringen kann. Leer lassen, um Notizen nur auf diesem Computer zu halten.</translation>
    </message>
    <message>
        <source>The notes folder must be a folder of its own that Jotlet can write to, outside its data folder (%1).</source>
        <translation>Der Notizordner muss ein eigener Ordner sein, in den Jotlet schreiben kann, außerhalb seines Datenordners (%1).</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>As the desktop prefers</source>
        <translation>Wie die Arbeitsfläche es vorzieht</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Note &amp;look:</source>
        <translation>Aussehen der &amp;Notizen:</translation>
    </message>
    <message>
        <source>Note looks</source>
        <translation>Aussehen der Notizen</translation>
    </message>
    <message>
        <source>The tray icon&apos;s menu makes, shows and hides notes, and the new-note key makes a note from anywhere (it can be chosen in that menu too). Desktops without a tray keep the notes in the taskbar.</source>
        <translation>Das Menü des Symbols im Infobereich legt Notizen an, zeigt und verbirgt sie, und das Tastenkürzel für neue Notizen legt von überall eine Notiz an (es lässt sich auch in diesem Menü wählen). Desktops ohne Infobereich behalten die Notizen in der Taskleiste.</translation>
    </message>
    <message>
        <source>New-note &amp;key:</source>
        <translation>Ta&amp;stenkürzel für neue Notizen:</translation>
    </message>
    <message>
        <source>Chan&amp;ge...</source>
        <translation>Än&amp;dern...</translation>
    </message>
</context>
<context>
    <name>jotlet::SpellingDialog</name>
    <message>
        <source>Spell Check</source>
        <translation>Rechtschreibprüfung</translation>
    </message>
    <message>
        <source>Not in the dictionary:</source>
        <translation>Nicht im Wörterbuch:</translation>
    </message>
    <message>
        <source>Change &amp;to:</source>
        <translation>Ändern &amp;in:</translation>
    </message>
    <message>
        <source>&amp;Suggestions:</source>
        <translation>&amp;Vorschläge:</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>Change A&amp;ll</source>
        <translation>&amp;Alle ändern</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>I&amp;gnore All</source>
        <translation>Alle i&amp;gnorieren</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>Zum &amp;Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Dictionary: %1</source>
        <translation>Wörterbuch: %1</translation>
    </message>
</context>
<context>
    <name>jotlet::TrashList</name>
    <message>
        <source>the notes folder</source>
        <translation>dem Notizordner</translation>
    </message>
    <message>
        <source>a note without a file</source>
        <translation>einer Notiz ohne Datei</translation>
    </message>
    <message>
        <source>%1, from %2</source>
        <translation>%1, aus %2</translation>
    </message>
    <message>
        <source>Notes are kept %1 days, and at most %2.</source>
        <translation>Notizen werden %1 Tage aufbewahrt, höchstens %2.</translation>
    </message>
    <message>
        <source>Empty Trash</source>
        <translation>Papierkorb leeren</translation>
    </message>
    <message>
        <source>The note in the trash will be gone for good. Empty the trash?</source>
        <translation>Die Notiz im Papierkorb ist dann endgültig weg. Papierkorb leeren?</translation>
    </message>
    <message>
        <source>The %1 notes in the trash will be gone for good. Empty the trash?</source>
        <translation>Die %1 Notizen im Papierkorb sind dann endgültig weg. Papierkorb leeren?</translation>
    </message>
    <message>
        <source>Trash Not Emptied</source>
        <translation>Papierkorb nicht geleert</translation>
    </message>
</context>
<context>
    <name>jotlet::TrashWindow</name>
    <message>
        <source>Trash</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Empty Trash</source>
        <translation>Papierkorb &amp;leeren</translation>
    </message>
    <message>
        <source>Notes in the trash</source>
        <translation>Notizen im Papierkorb</translation>
    </message>
    <message>
        <source>Enter restores the chosen note</source>
        <translation>Eingabe holt die gewählte Notiz zurück</translation>
    </message>
    <message>
        <source>Text of the chosen note</source>
        <translation>Text der gewählten Notiz</translation>
    </message>
</context>
</TS>
