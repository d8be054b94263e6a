<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ChoosingProvider</name>
    <message>
        <source>%1

Tavrin writes your letter with its own word processor instead. It is saved in your documents folder when Tavrin closes.</source>
        <translation>%1

Tavrin schreibt Ihren Brief stattdessen mit seiner eigenen Textverarbeitung. Er wird in Ihrem Dokumentenordner gespeichert, wenn Sie Tavrin beenden.</translation>
    </message>
    <message>
        <source>No word processor is running, so there is nothing to attach to.</source>
        <translation>Es läuft keine Textverarbeitung, mit der sich Tavrin verbinden könnte.</translation>
    </message>
    <message>
        <source>The live word processor could not be loaded: %1</source>
        <translation>Die Anbindung an LibreOffice konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>The word processor did not start.</source>
        <translation>Die Textverarbeitung ist nicht gestartet.</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>The word processor is not running, so there is nothing to attach to.</source>
        <translation>Die Textverarbeitung läuft nicht, Tavrin kann sich also mit nichts verbinden.</translation>
    </message>
</context>
<context>
    <name>Envelope</name>
    <message>
        <source>there is no documents folder</source>
        <translation>es gibt keinen Dokumentenordner</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>every name for today&apos;s envelopes is taken</source>
        <translation>jeder Name für die heutigen Umschläge ist vergeben</translation>
    </message>
    <message>
        <source>The envelope is saved as %1, but it could not be opened: %2.</source>
        <translation>Der Umschlag ist als %1 gespeichert, konnte aber nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>It is shown here, from where it can be printed.</source>
        <translation>Er wird hier angezeigt und kann von hier aus gedruckt werden.</translation>
    </message>
    <message>
        <source>this desktop has no application for PDF files</source>
        <translation>diese Arbeitsumgebung hat kein Programm für PDF-Dateien</translation>
    </message>
    <message>
        <source>The envelope could not be made: %1.</source>
        <translation>Der Umschlag konnte nicht erstellt werden: %1.</translation>
    </message>
    <message>
        <source>The envelope could not be saved in %1: %2.</source>
        <translation>Der Umschlag konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The envelope could not be saved in %1: %2. It is saved as %3.</source>
        <translation>Der Umschlag konnte nicht in %1 gespeichert werden: %2. Er ist als %3 gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>The envelope has room for part of the recipient&apos;s address only: %n line(s) left off.</source>
        <translation>
            <numerusform>Auf dem Umschlag ist nur für einen Teil der Anschrift Platz: %n Zeile weggelassen.</numerusform>
            <numerusform>Auf dem Umschlag ist nur für einen Teil der Anschrift Platz: %n Zeilen weggelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>there was not enough memory</source>
        <translation>es war nicht genug Arbeitsspeicher frei</translation>
    </message>
</context>
<context>
    <name>Envelopes</name>
    <message>
        <source>The PDF could not be painted.</source>
        <translation>Das PDF konnte nicht gezeichnet werden.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the path names no file</source>
        <translation>der Pfad nennt keine Datei</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>HandOver</name>
    <message>
        <source>The letter could not be saved in %1: %2.</source>
        <translation>Der Brief konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The letter could not be saved in %1: %2, nor as %3: %4. It is saved as %5.</source>
        <translation>Der Brief konnte nicht in %1 gespeichert werden: %2, auch nicht als %3: %4. Er ist als %5 gespeichert.</translation>
    </message>
    <message>
        <source>The letter is saved as %1, but it could not be opened: %2.</source>
        <translation>Der Brief ist als %1 gespeichert, konnte aber nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>A word processor such as LibreOffice Writer completes it.</source>
        <translation>Ein Textverarbeitungsprogramm wie LibreOffice Writer vervollständigt ihn.</translation>
    </message>
    <message>
        <source>It is shown here, from where it can be printed or saved as PDF.</source>
        <translation>Er wird hier angezeigt und kann von hier aus gedruckt oder als PDF gespeichert werden.</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener, xdg-open, ended with status %1</source>
        <translation>das Öffnungsprogramm der Arbeitsumgebung, xdg-open, endete mit Status %1</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener, xdg-open, was ended by signal %1</source>
        <translation>das Öffnungsprogramm der Arbeitsumgebung, xdg-open, wurde durch Signal %1 beendet</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener, xdg-open, cannot be run (%1)</source>
        <translation>das Öffnungsprogramm der Arbeitsumgebung, xdg-open, kann nicht gestartet werden (%1)</translation>
    </message>
    <message>
        <source>this desktop has no application for .docx files</source>
        <translation>diese Arbeitsumgebung hat kein Programm für .docx-Dateien</translation>
    </message>
    <message>
        <source>every name for today&apos;s letters is taken</source>
        <translation>alle Namen für die heutigen Briefe sind vergeben</translation>
    </message>
    <message>
        <source>there is no documents folder</source>
        <translation>es gibt keinen Dokumentenordner</translation>
    </message>
    <message>
        <source>a file is in its place</source>
        <translation>an seiner Stelle liegt eine Datei</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>there was not enough memory</source>
        <translation>es war nicht genug Arbeitsspeicher frei</translation>
    </message>
    <message>
        <source>The letter could not be saved in %1: %2. It is saved as %3.</source>
        <translation>Der Brief konnte nicht in %1 gespeichert werden: %2. Er ist als %3 gespeichert.</translation>
    </message>
    <message>
        <source>The letter was saved as %1 but could not be shown: %2.</source>
        <translation>Der Brief wurde als %1 gespeichert, konnte aber nicht angezeigt werden: %2.</translation>
    </message>
</context>
<context>
    <name>HandOverDialogs</name>
    <message>
        <source>Word documents (*.docx)</source>
        <translation>Word-Dokumente (*.docx)</translation>
    </message>
    <message>
        <source>Do you want to discard the letter? If you keep it, it is saved in your home folder.</source>
        <translation>Möchten Sie den Brief verwerfen? Wenn Sie ihn behalten, wird er in Ihrem persönlichen Ordner gespeichert.</translation>
    </message>
    <message>
        <source>Keep the Letter</source>
        <translation>Brief behalten</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
</context>
<context>
    <name>LetterTexts</name>
    <message>
        <source>To Whom It May Concern,</source>
        <translation>Sehr geehrte Damen und Herren,</translation>
    </message>
    <message>
        <source>To _</source>
        <translation>Guten Tag _</translation>
    </message>
    <message>
        <source>Dear _</source>
        <translation>Liebe _</translation>
    </message>
    <message>
        <source>Dear Mom and Dad,</source>
        <translation>Liebe Mama, lieber Papa,</translation>
    </message>
    <message>
        <source>Dear Family and Friends,</source>
        <translation>Liebe Familie, liebe Freunde,</translation>
    </message>
    <message>
        <source>Dear World,</source>
        <translation>Liebe Welt,</translation>
    </message>
    <message>
        <source>I hope this letter finds you safe and well.</source>
        <translation>Ich hoffe, dieser Brief erreicht Dich gesund und munter.</translation>
    </message>
    <message>
        <source>It was so good to hear from you after so long!</source>
        <translation>Wie schön, nach so langer Zeit von Dir zu hören!</translation>
    </message>
    <message>
        <source>Thanks/Gratitude</source>
        <translation>Dank/Dankbarkeit</translation>
    </message>
    <message>
        <source>Birthday/Congratulations</source>
        <translation>Geburtstag/Glückwünsche</translation>
    </message>
    <message>
        <source>Family/News</source>
        <translation>Familie/Neuigkeiten</translation>
    </message>
    <message>
        <source>Travel/Holiday</source>
        <translation>Reise/Urlaub</translation>
    </message>
    <message>
        <source>Invitation/Party/Celebration</source>
        <translation>Einladung/Party/Feier</translation>
    </message>
    <message>
        <source>Apology</source>
        <translation>Entschuldigung</translation>
    </message>
    <message>
        <source>Friendship/Memories</source>
        <translation>Freundschaft/Erinnerungen</translation>
    </message>
    <message>
        <source>Thank you so much for your kind and thoughtful gift. It made my whole week brighter! I feel lucky to have a friend like you. You are always in my thoughts.</source>
        <translation>Vielen herzlichen Dank für Dein liebes und so durchdachtes Geschenk. Es hat mir die ganze Woche verschönert! Wie gut, dass es Dich gibt. Ich denke oft an Dich.</translation>
    </message>
    <message>
        <source>Happy birthday! I hope your day is full of laughter, good food and the people you love most. May the coming year bring you health, joy and many happy surprises.</source>
        <translation>Alles Liebe zum Geburtstag! Ich wünsche Dir einen Tag voller Lachen, mit gutem Essen und den Menschen, die Du am meisten liebst. Möge Dir das neue Lebensjahr Gesundheit, Freude und viele schöne Überraschungen bringen.</translation>
    </message>
    <message>
        <source>We are all well here and as busy as ever. The children are growing fast, and the garden is in full bloom. We often talk about you. How we wish you were here with us!</source>
        <translation>Uns geht es allen gut, und wir haben so viel zu tun wie immer. Die Kinder werden schnell groß, und der Garten steht in voller Blüte. Wir sprechen oft von Dir. Wie gern hätten wir Dich hier bei uns!</translation>
    </message>
    <message>
        <source>Our trip was wonderful from start to finish. We walked for miles, ate far too much and watched the sun set over the sea every evening. I will show you the photos soon.</source>
        <translation>Unsere Reise war von Anfang bis Ende wunderbar. Wir sind kilometerweit gewandert, haben viel zu gut gegessen und jeden Abend zugesehen, wie die Sonne im Meer versinkt. Die Fotos zeige ich Dir bald.</translation>
    </message>
    <message>
        <source>On _ we are having a small party at our home, and it would not be the same without you. There will be good food, music and old friends. Please say you will come!</source>
        <translation>Am _ feiern wir ein kleines Fest bei uns zu Hause, und ohne Dich wäre es nur halb so schön. Es gibt gutes Essen, Musik und alte Freunde. Bitte sag, dass Du kommst!</translation>
    </message>
    <message>
        <source>I am truly sorry for what I said the last time we met. It was unkind and unfair, and you did not deserve it. I hope you can forgive me, because your friendship means a great deal to me.</source>
        <translation>Es tut mir wirklich leid, was ich bei unserem letzten Treffen gesagt habe. Es war unfreundlich und ungerecht, und Du hast es nicht verdient. Ich hoffe, Du kannst mir verzeihen, denn Deine Freundschaft bedeutet mir sehr viel.</translation>
    </message>
    <message>
        <source>Today I found an old photograph of us laughing on the beach. What a summer that was! It brought back so many happy memories. I miss you. Let us meet again soon.</source>
        <translation>Heute habe ich ein altes Foto von uns gefunden, auf dem wir am Strand lachen. Was war das für ein Sommer! Es hat so viele schöne Erinnerungen geweckt. Du fehlst mir. Wir müssen uns bald wiedersehen!</translation>
    </message>
    <message>
        <source>Write back soon!</source>
        <translation>Schreib mir bald!</translation>
    </message>
    <message>
        <source>Take good care!</source>
        <translation>Pass gut auf Dich auf!</translation>
    </message>
    <message>
        <source>Hope to see you soon!</source>
        <translation>Hoffentlich bis bald!</translation>
    </message>
    <message>
        <source>Keep in touch!</source>
        <translation>Lass von Dir hören!</translation>
    </message>
    <message>
        <source>Stay well!</source>
        <translation>Bleib gesund!</translation>
    </message>
    <message>
        <source>Miss you lots!</source>
        <translation>Du fehlst mir sehr!</translation>
    </message>
    <message>
        <source>With love from</source>
        <translation>Liebe Grüße von</translation>
    </message>
    <message>
        <source>_</source>
        <translation>_</translation>
    </message>
    <message>
        <source>With warmest thoughts</source>
        <translation>Mit den liebsten Gedanken</translation>
    </message>
    <message>
        <source>and all my love,</source>
        <translation>und von ganzem Herzen</translation>
    </message>
    <message>
        <source>_ and I</source>
        <translation>_ und ich</translation>
    </message>
    <message>
        <source>send you our love.</source>
        <translation>senden Dir liebe Grüße</translation>
    </message>
    <message>
        <source>Say hello to _ for me,</source>
        <translation>Grüß _ herzlich von mir</translation>
    </message>
    <message>
        <source>and take good care</source>
        <translation>und pass gut</translation>
    </message>
    <message>
        <source>of yourself.</source>
        <translation>auf Dich auf</translation>
    </message>
    <message>
        <source>Sincerely yours,</source>
        <translation>Mit freundlichen Grüßen</translation>
    </message>
    <message>
        <source>Best wishes,</source>
        <translation>Herzliche Grüße</translation>
    </message>
    <message>
        <source>[Click here and type recipient&apos;s name]</source>
        <translation>[Hier klicken und Namen des Empfängers eingeben]</translation>
    </message>
    <message>
        <source>[Click here and type recipient&apos;s address]</source>
        <translation>[Hier klicken und Anschrift des Empfängers eingeben]</translation>
    </message>
    <message>
        <source>[Click here and type your salutation]</source>
        <translation>[Hier klicken und Anrede eingeben]</translation>
    </message>
    <message>
        <source>[Click here and type the contents of your letter]</source>
        <translation>[Hier klicken und Text des Briefes eingeben]</translation>
    </message>
    <message>
        <source>[Click here and type your conclusion]</source>
        <translation>[Hier klicken und Schlusssatz eingeben]</translation>
    </message>
    <message>
        <source>[Click here and type your closing]</source>
        <translation>[Hier klicken und Grußformel eingeben]</translation>
    </message>
    <message>
        <source>[Click here and type your name]</source>
        <translation>[Hier klicken und Ihren Namen eingeben]</translation>
    </message>
    <message>
        <source>[Click here and type your address]</source>
        <translation>[Hier klicken und Ihre Anschrift eingeben]</translation>
    </message>
    <message>
        <source>[Click here and type your information.]</source>
        <translation>[Hier klicken und Ihre Angaben eingeben.]</translation>
    </message>
    <message>
        <source>[Click here and type names.]</source>
        <translation>[Hier klicken und die Namen eingeben.]</translation>
    </message>
    <message>
        <source>[Click here and type name.]</source>
        <translation>[Hier klicken und einen Namen eingeben.]</translation>
    </message>
    <message>
        <source>[Signature]</source>
        <translation>[Unterschrift]</translation>
    </message>
    <message>
        <source>Other.</source>
        <translation>Sonstiges.</translation>
    </message>
</context>
<context>
    <name>LiveOffice</name>
    <message>
        <source>LibreOffice could not be started: %1</source>
        <translation>LibreOffice konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>%1 did not run.</source>
        <translation>%1 ließ sich nicht ausführen.</translation>
    </message>
    <message>
        <source>it did not accept a connection within %1 seconds.</source>
        <translation>Es hat innerhalb von %1 Sekunden keine Verbindung angenommen.</translation>
    </message>
    <message>
        <source>it ended without accepting a connection.</source>
        <translation>Es wurde beendet, ohne eine Verbindung anzunehmen.</translation>
    </message>
    <message>
        <source>LibreOffice is no longer running.</source>
        <translation>LibreOffice läuft nicht mehr.</translation>
    </message>
    <message>
        <source>The connection to LibreOffice ended: LibreOffice quit or crashed.</source>
        <translation>Die Verbindung zu LibreOffice ist abgebrochen: LibreOffice wurde beendet oder ist abgestürzt.</translation>
    </message>
    <message>
        <source>LibreOffice could not carry out the operation.</source>
        <translation>LibreOffice konnte den Vorgang nicht ausführen.</translation>
    </message>
    <message>
        <source>No LibreOffice is running for Tavrin (pipe &quot;%1&quot;).</source>
        <translation>Für Tavrin läuft kein LibreOffice (Pipe „%1“).</translation>
    </message>
    <message>
        <source>LibreOffice did not answer within %1 seconds.</source>
        <translation>LibreOffice hat innerhalb von %1 Sekunden nicht geantwortet.</translation>
    </message>
    <message>
        <source>The program is ending.</source>
        <translation>Das Programm wird beendet.</translation>
    </message>
</context>
<context>
    <name>MirrorState</name>
    <message>
        <source>LibreOffice stopped working on your letter: %1

Tavrin finished the letter with its own word processor. It is saved in your documents folder when Tavrin closes.</source>
        <translation>LibreOffice hat die Arbeit an Ihrem Brief abgebrochen: %1

Tavrin hat den Brief mit seiner eigenen Textverarbeitung fertiggestellt. Er wird in Ihrem Dokumentenordner gespeichert, wenn Sie Tavrin beenden.</translation>
    </message>
</context>
<context>
    <name>OfficeInstallation</name>
    <message>
        <source>LibreOffice is not installed (no soffice in %1).</source>
        <translation>LibreOffice ist nicht installiert (kein soffice in %1).</translation>
    </message>
    <message>
        <source>LibreOffice Writer is not installed.</source>
        <translation>LibreOffice Writer ist nicht installiert.</translation>
    </message>
    <message>
        <source>The installed LibreOffice cannot show windows (only its -nogui packages are installed).</source>
        <translation>Das installierte LibreOffice kann keine Fenster anzeigen (nur seine -nogui-Pakete sind installiert).</translation>
    </message>
    <message>
        <source>There is no display to show LibreOffice on.</source>
        <translation>Es gibt keinen Bildschirm, auf dem LibreOffice angezeigt werden könnte.</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The PDF file %1 could not be written: %2.</source>
        <translation>Die PDF-Datei %1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Den Ordner %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>a folder of that name exists</source>
        <translation>es gibt bereits einen Ordner dieses Namens</translation>
    </message>
    <message>
        <source>The document could not be painted as PDF.</source>
        <translation>Das Dokument konnte nicht als PDF gezeichnet werden.</translation>
    </message>
    <message>
        <source>No printer is configured: there is no default printer to print the document on.</source>
        <translation>Es ist kein Drucker eingerichtet: Es gibt keinen Standarddrucker, auf dem das Dokument gedruckt werden könnte.</translation>
    </message>
    <message>
        <source>The document could not be printed on %1.</source>
        <translation>Das Dokument konnte nicht auf %1 gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>The letters could not be saved: there was not enough memory.</source>
        <translation>Die Briefe konnten nicht gespeichert werden: Es war nicht genug Arbeitsspeicher frei.</translation>
    </message>
    <message>
        <source>The letters could not be saved: %1.</source>
        <translation>Die Briefe konnten nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>The envelope could not be saved: there was not enough memory.</source>
        <translation>Der Umschlag konnte nicht gespeichert werden: Es war nicht genug Arbeitsspeicher frei.</translation>
    </message>
    <message>
        <source>The envelope could not be saved: %1.</source>
        <translation>Der Umschlag konnte nicht gespeichert werden: %1.</translation>
    </message>
</context>
<context>
    <name>tavrin::AddressBookDialog</name>
    <message>
        <source>Address Book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Name, organisation, town or e-mail</source>
        <translation>Name, Organisation, Ort oder E-Mail</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Datei öffnen...</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Open an Address Book</source>
        <translation>Adressbuch öffnen</translation>
    </message>
    <message>
        <source>Contacts (*.vcf *.csv);;All files (*)</source>
        <translation>Kontakte (*.vcf *.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Reading the address books...</source>
        <translation>Die Adressbücher werden gelesen...</translation>
    </message>
    <message>
        <source>Contacts: %1.</source>
        <translation>Kontakte: %1.</translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>Nicht gelesen: %1</translation>
    </message>
    <message>
        <source>Not read: %1, and %2 more (see the tooltip)</source>
        <translation>Nicht gelesen: %1 und %2 weitere (siehe Tooltip)</translation>
    </message>
</context>
<context>
    <name>tavrin::AddressRows</name>
    <message>
        <source>Home</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Arbeit</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Adressbuch</translation>
    </message>
</context>
<context>
    <name>tavrin::FormIcon</name>
    <message>
        <source>Tavrin</source>
        <translation>Tavrin</translation>
    </message>
</context>
<context>
    <name>tavrin::FrmMain</name>
    <message>
        <source>Tavrin for Microsoft Word</source>
        <translation>Tavrin für Microsoft Word</translation>
    </message>
    <message>
        <source>Select a Layout</source>
        <translation>Layout wählen</translation>
    </message>
    <message>
        <source>Create a Letterhead</source>
        <translation>Briefkopf anlegen</translation>
    </message>
    <message>
        <source>Choose Salutation</source>
        <translation>Anrede wählen</translation>
    </message>
    <message>
        <source>Add Sample Text</source>
        <translation>Brieftext wählen</translation>
    </message>
    <message>
        <source>Conclusion</source>
        <translation>Schlusssatz</translation>
    </message>
    <message>
        <source>Choose Closing</source>
        <translation>Grußformel wählen</translation>
    </message>
    <message>
        <source>Add Sender Info</source>
        <translation>Absender angeben</translation>
    </message>
    <message>
        <source>Choose Style</source>
        <translation>Stil wählen</translation>
    </message>
    <message>
        <source>Choose a layot:</source>
        <translation>Layout wählen:</translation>
    </message>
    <message>
        <source>Centered</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Flush left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Flush right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Information about the person you are addressing a letter to;</source>
        <translation>Angaben zu der Person, der Sie schreiben:</translation>
    </message>
    <message>
        <source>Recipient&apos;s name:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Anschrift:</translation>
    </message>
    <message>
        <source>Omit</source>
        <translation>Ohne</translation>
    </message>
    <message>
        <source>Use sample salutation;</source>
        <translation>Musteranrede verwenden:</translation>
    </message>
    <message>
        <source>Choose from:</source>
        <translation>Auswahl:</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>To write own note</source>
        <translation>Eigener Text</translation>
    </message>
    <message>
        <source>To use sample content</source>
        <translation>Mustertext verwenden</translation>
    </message>
    <message>
        <source>Sample categories:</source>
        <translation>Themen:</translation>
    </message>
    <message>
        <source>Note content:</source>
        <translation>Brieftext:</translation>
    </message>
    <message>
        <source>Use sample conclusion;</source>
        <translation>Musterschluss:</translation>
    </message>
    <message>
        <source>Use sample closing;</source>
        <translation>Mustergruß:</translation>
    </message>
    <message>
        <source>Information about the person writing a letter;</source>
        <translation>Angaben zu Ihnen als Absender:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>Anschrift:</translation>
    </message>
    <message>
        <source>Date line</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Choose style:</source>
        <translation>Stil wählen:</translation>
    </message>
    <message>
        <source>Simple (without graphics)</source>
        <translation>Schlicht (ohne Grafik)</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Romantic</source>
        <translation>Romantisch</translation>
    </message>
    <message>
        <source>Elegant</source>
        <translation>Elegant</translation>
    </message>
    <message>
        <source>Modernistic</source>
        <translation>Modern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Centered layout: a page with its heading block at the top centre</source>
        <translation>Layout „Zentriert“: eine Seite mit dem Kopfblock oben in der Mitte</translation>
    </message>
    <message>
        <source>Flush left layout: a page with its heading block at the top left</source>
        <translation>Layout „Links“: eine Seite mit dem Kopfblock oben links</translation>
    </message>
    <message>
        <source>Flush right layout: a page with its heading block at the top right and its closing lines at the right</source>
        <translation>Layout „Rechts“: eine Seite mit dem Kopfblock oben rechts und den Schlusszeilen rechts</translation>
    </message>
    <message>
        <source>Preview of the Classic style</source>
        <translation>Vorschau des Stils „Klassisch“</translation>
    </message>
    <message>
        <source>Preview of the Dark style</source>
        <translation>Vorschau des Stils „Dunkel“</translation>
    </message>
    <message>
        <source>Preview of the Romantic style</source>
        <translation>Vorschau des Stils „Romantisch“</translation>
    </message>
    <message>
        <source>Preview of the Elegant style</source>
        <translation>Vorschau des Stils „Elegant“</translation>
    </message>
    <message>
        <source>Preview of the Modernistic style</source>
        <translation>Vorschau des Stils „Modern“</translation>
    </message>
    <message>
        <source>Leaves the recipient&apos;s name and address out of the letter</source>
        <translation>Lässt Name und Anschrift des Empfängers im Brief weg</translation>
    </message>
    <message>
        <source>Leaves the writer&apos;s name and place out of the letter</source>
        <translation>Lässt Name und Ort des Absenders im Brief weg</translation>
    </message>
    <message>
        <source>Current step</source>
        <translation>Aktueller Schritt</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Shows or hides the letter as Finish will write it</source>
        <translation>Zeigt den Brief, wie „Fertig“ ihn schreiben wird, oder blendet ihn aus</translation>
    </message>
    <message>
        <source>No envelope: the recipient is omitted from this letter</source>
        <translation>Kein Umschlag: Der Empfänger ist in diesem Brief weggelassen</translation>
    </message>
    <message>
        <source>No envelope yet: it needs the recipient&apos;s name</source>
        <translation>Noch kein Umschlag: Er braucht den Namen des Empfängers</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Umschlag</translation>
    </message>
    <message>
        <source>Finish also makes the envelope for this letter, as a PDF beside it</source>
        <translation>„Fertig“ erstellt auch den Umschlag zu diesem Brief, als PDF daneben</translation>
    </message>
    <message>
        <source>Address Book...</source>
        <translation>Adressbuch...</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>Fills in the recipient&apos;s name and address from your address books</source>
        <translation>Übernimmt Name und Adresse des Empfängers aus Ihren Adressbüchern</translation>
    </message>
    <message>
        <source>From My Card</source>
        <translation>Meine Karte</translation>
    </message>
    <message>
        <source>Looking for your own card...</source>
        <translation>Ihre eigene Karte wird gesucht...</translation>
    </message>
    <message>
        <source>Neither your address book nor your user account gives your name</source>
        <translation>Weder Ihr Adressbuch noch Ihr Benutzerkonto nennt Ihren Namen</translation>
    </message>
    <message>
        <source>Fills in your name from your user account; your address book has no card of your own</source>
        <translation>Übernimmt Ihren Namen aus Ihrem Benutzerkonto; Ihr Adressbuch hat keine Karte von Ihnen</translation>
    </message>
    <message>
        <source>Fills in your name and address from your own card</source>
        <translation>Übernimmt Ihren Namen und Ihre Adresse aus Ihrer eigenen Karte</translation>
    </message>
</context>
<context>
    <name>tavrin::LetterPreview</name>
    <message>
        <source>The letter: print preview</source>
        <translation>Der Brief: Druckvorschau</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Als PDF speichern...</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>An Breite anpassen</translation>
    </message>
    <message>
        <source>Save the letter as PDF</source>
        <translation>Den Brief als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The envelope: print preview</source>
        <translation>Der Umschlag: Druckvorschau</translation>
    </message>
</context>
<context>
    <name>tavrin::preview::PagesView</name>
    <message>
        <source>Letter preview</source>
        <translation>Briefvorschau</translation>
    </message>
</context>
<context>
    <name>tavrin::preview::PreviewWindow</name>
    <message>
        <source>Letter Preview</source>
        <translation>Briefvorschau</translation>
    </message>
</context>
</TS>
