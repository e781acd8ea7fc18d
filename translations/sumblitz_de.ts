<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>core</name>
    <message>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>OnStart</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>Lernen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Merken</translation>
    </message>
    <message>
        <source>MaxTime</source>
        <translation>MaxZeit</translation>
    </message>
    <message>
        <source>MaxProb</source>
        <translation>MaxAufg</translation>
    </message>
    <message>
        <source>StopOn</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Zeitlimit</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Prob</source>
        <translation>Aufg</translation>
    </message>
    <message>
        <source>Either</source>
        <translation>Eines</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Geladen</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Richtig:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>Timer:</source>
        <translation>Uhr:</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Warten:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>10Sub</source>
        <translation>10Minus</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Mult</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>DivR</source>
        <translation>GeteiltR</translation>
    </message>
    <message>
        <source>Begin:</source>
        <translation>Neu:</translation>
    </message>
    <message>
        <source>Remove:</source>
        <translation>Weg:</translation>
    </message>
    <message>
        <source>Rev 1 to</source>
        <translation>Üben 1 bis</translation>
    </message>
    <message>
        <source>Rev End</source>
        <translation>Üben Ende</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>Super gemacht!</translation>
    </message>
    <message>
        <source>Auto Teach On</source>
        <translation>Lernweg An</translation>
    </message>
    <message>
        <source>Auto Teach Off</source>
        <translation>Lernweg Aus</translation>
    </message>
    <message>
        <source>Original Default</source>
        <translation>Grundeinstellung</translation>
    </message>
    <message>
        <source>Custom Default</source>
        <translation>Eigener Standard</translation>
    </message>
    <message>
        <source>Get Ready</source>
        <translation>Mach dich bereit</translation>
    </message>
    <message>
        <source>Nothing to drill</source>
        <translation>Nichts zum Üben</translation>
    </message>
    <message>
        <source>Choose other numbers</source>
        <translation>Wähle andere Zahlen</translation>
    </message>
    <message>
        <source>!! Time Out !!</source>
        <translation>!! Zeit um !!</translation>
    </message>
    <message>
        <source>!!Wrong Answer !!</source>
        <translation>!! Falsche Antwort !!</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Subtract from 10</source>
        <translation>10 minus</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Division without remainders</source>
        <translation>Geteilt ohne Rest</translation>
    </message>
    <message>
        <source>Division with remainders</source>
        <translation>Geteilt mit Rest</translation>
    </message>
    <message>
        <source>Fluent</source>
        <translation>Sicher</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Often wrong</source>
        <translation>Oft falsch</translation>
    </message>
    <message>
        <source>Never asked</source>
        <translation>Nie gefragt</translation>
    </message>
    <message>
        <source>Pupil</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Operation and level</source>
        <translation>Rechenart und Stufe</translation>
    </message>
    <message>
        <source>Auto Teach</source>
        <translation>Lernweg</translation>
    </message>
    <message>
        <source>Last drill</source>
        <translation>Letzte Übung</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>Right this week</source>
        <translation>Richtig diese Woche</translation>
    </message>
    <message>
        <source>Fluent facts</source>
        <translation>Sichere Aufgaben</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>history could not be read</source>
        <translation>Verlauf nicht lesbar</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>by</source>
        <translation>und</translation>
    </message>
    <message>
        <source>Minutes this week</source>
        <translation>Minuten diese Woche</translation>
    </message>
    <message>
        <source>Today&apos;s Practice</source>
        <translation>Heute üben</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>Heute fällig</translation>
    </message>
    <message>
        <source>Fluent facts gained this week</source>
        <translation>Diese Woche sicher geworden</translation>
    </message>
    <message>
        <source>pupil</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>drill began</source>
        <translation>Übung begonnen</translation>
    </message>
    <message>
        <source>operation</source>
        <translation>Rechenart</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>gewählt</translation>
    </message>
    <message>
        <source>outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>Millisekunden</translation>
    </message>
    <message>
        <source>auto teach</source>
        <translation>Lernweg</translation>
    </message>
    <message>
        <source>first numbers</source>
        <translation>erste Zahlen</translation>
    </message>
    <message>
        <source>second numbers</source>
        <translation>zweite Zahlen</translation>
    </message>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>Zeit um</translation>
    </message>
    <message>
        <source>on</source>
        <translation>an</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
</context>
<context>
    <name>message</name>
    <message>
        <source>Settings could not be saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Einstellungen wurden nicht gespeichert (%1)</translation>
    </message>
    <message>
        <source>Settings could not be read (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Einstellungen konnten nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>Results could not be saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Ergebnisse wurden nicht gespeichert (%1)</translation>
    </message>
    <message>
        <source>Results could not be read (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Ergebnisse konnten nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>Results could not be read and were not saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Ergebnisse konnten nicht gelesen werden und wurden nicht gespeichert (%1)</translation>
    </message>
    <message>
        <source>Student data could not be saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Schülerdaten wurden nicht gespeichert (%1)</translation>
    </message>
    <message>
        <source>Student data could not be read (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Schülerdaten konnten nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>History could not be saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Verlauf wurde nicht gespeichert (%1)</translation>
    </message>
    <message>
        <source>Table could not be saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Tabelle wurde nicht gespeichert (%1)</translation>
    </message>
    <message>
        <source>Progress could not be saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Fortschritt wurde nicht gespeichert (%1)</translation>
    </message>
    <message>
        <source>Overview could not be saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Übersicht wurde nicht gespeichert (%1)</translation>
    </message>
    <message>
        <source>The data folder cannot be reached: saving again soon</source>
        <translation>Der Datenordner ist nicht erreichbar: Gleich wird wieder gespeichert</translation>
    </message>
    <message>
        <source>%1 is in use on %2</source>
        <extracomment>%1 is the pupil, %2 the computer (and since when).</extracomment>
        <translation>%1 arbeitet gerade an %2</translation>
    </message>
    <message>
        <source>%1 was taken over by another computer: her results are no longer saved here</source>
        <extracomment>%1 is the pupil.</extracomment>
        <translation>%1 wurde von einem anderen Computer übernommen: Die Ergebnisse werden hier nicht mehr gespeichert</translation>
    </message>
    <message>
        <source>%1 since %2</source>
        <extracomment>%1 is a computer&apos;s name, %2 a time of day (10:02).</extracomment>
        <translation>%1 seit %2</translation>
    </message>
    <message>
        <source>The class file (StdDat.Xrx) was damaged and has been repaired: every pupil found in it is listed.</source>
        <translation>Die Klassendatei (StdDat.Xrx) war beschädigt und wurde repariert: Alle Schüler, die darin gefunden wurden, stehen in der Liste.</translation>
    </message>
    <message>
        <source>The class file (StdDat.Xrx) cannot be read (%1): it is left as it is, and pupils cannot be added, removed or renamed.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Die Klassendatei (StdDat.Xrx) kann nicht gelesen werden (%1): Sie bleibt, wie sie ist. Schüler können nicht hinzugefügt, entfernt oder umbenannt werden.</translation>
    </message>
    <message>
        <source>The class list is being changed on %1: choose Cancel and open this window again in a moment.</source>
        <extracomment>%1 is the computer (and since when).</extracomment>
        <translation>Die Klassenliste wird gerade an %1 geändert: Klick auf Abbrechen und öffne dieses Fenster gleich noch einmal.</translation>
    </message>
    <message>
        <source>%1 is in use on %2: she can be changed once that computer has let her go.</source>
        <extracomment>%1 is the pupil, %2 the computer (and since when).</extracomment>
        <translation>%1 arbeitet gerade an %2: Änderungen gehen erst, wenn dieser Computer sie freigegeben hat.</translation>
    </message>
    <message>
        <source>%1 is in use on %2. Take Over only when that computer is off: what it has not saved is lost.</source>
        <extracomment>%1 is the pupil, %2 the computer (and since when).</extracomment>
        <translation>%1 arbeitet gerade an %2. Übernimm nur, wenn dieser Computer aus ist: Was er nicht gespeichert hat, geht verloren.</translation>
    </message>
    <message>
        <source>That letter cannot be kept in a pupil&apos;s name: use the letters of Western European languages.</source>
        <translation>Dieser Buchstabe geht in einem Namen nicht: Nimm Buchstaben aus westeuropäischen Sprachen.</translation>
    </message>
    <message>
        <source>Choose the pupil to rename in the list first.</source>
        <translation>Wähle zuerst in der Liste, wer umbenannt werden soll.</translation>
    </message>
    <message>
        <source>Type the new name in the box above the list first.</source>
        <translation>Schreib zuerst den neuen Namen in das Feld über der Liste.</translation>
    </message>
    <message>
        <source>%1 is already on the list: choose another name.</source>
        <extracomment>%1 is the name typed.</extracomment>
        <translation>%1 steht schon in der Liste: Wähle einen anderen Namen.</translation>
    </message>
    <message>
        <source>%1 has no record in the class file yet: choose OK first.</source>
        <extracomment>%1 is the pupil.</extracomment>
        <translation>%1 ist noch nicht in der Klassendatei: Klick zuerst auf OK.</translation>
    </message>
    <message>
        <source>Results are already kept under the name %1: choose another name.</source>
        <extracomment>%1 is the name typed.</extracomment>
        <translation>Es gibt schon Ergebnisse unter dem Namen %1: Wähle einen anderen Namen.</translation>
    </message>
    <message>
        <source>The answer history of %1 stays under that name: another history is kept under the name %2.</source>
        <extracomment>%1 is the pupil&apos;s old name, %2 her new one.</extracomment>
        <translation>Der Antwortverlauf von %1 bleibt unter diesem Namen: Unter dem Namen %2 gibt es schon einen anderen Verlauf.</translation>
    </message>
    <message>
        <source>The results of %1 could not be saved, so no other pupil is loaded: %2</source>
        <extracomment>%1 is the pupil; %2 is the main window&apos;s line that says which files were not saved.</extracomment>
        <translation>Die Ergebnisse von %1 wurden nicht gespeichert, darum wird kein anderer Schüler geladen: %2</translation>
    </message>
    <message>
        <source>The class file</source>
        <translation>Die Klassendatei</translation>
    </message>
    <message>
        <source>The settings of %1 could not be stored</source>
        <extracomment>%1 is the pupil.</extracomment>
        <translation>Die Einstellungen von %1 wurden nicht gespeichert</translation>
    </message>
    <message>
        <source>%1 cannot be shown yet</source>
        <extracomment>%1 is the pupil.</extracomment>
        <translation>%1 kann noch nicht gezeigt werden</translation>
    </message>
    <message>
        <source>%1 could not be added</source>
        <extracomment>%1 is the name typed.</extracomment>
        <translation>%1 wurde nicht hinzugefügt</translation>
    </message>
    <message>
        <source>%1 could not be renamed</source>
        <extracomment>%1 is the pupil.</extracomment>
        <translation>%1 wurde nicht umbenannt</translation>
    </message>
    <message>
        <source>The list could not be saved, nothing is changed yet</source>
        <translation>Die Liste wurde nicht gespeichert, noch ist nichts geändert</translation>
    </message>
    <message>
        <source>%1: the class list is being changed on %2. Try again to wait for it, or choose Cancel.</source>
        <extracomment>%1 says what could not be done (one of the messages above), %2 is the computer.</extracomment>
        <translation>%1: Die Klassenliste wird gerade an %2 geändert. Versuch es noch einmal, um darauf zu warten, oder klick auf Abbrechen.</translation>
    </message>
    <message>
        <source>%1: another computer has removed this pupil.</source>
        <extracomment>%1 says what could not be done (one of the messages above).</extracomment>
        <translation>%1: Ein anderer Computer hat diesen Schüler entfernt.</translation>
    </message>
    <message>
        <source>%1 (%2): %3.</source>
        <extracomment>%1 says what could not be done, %2 is the file&apos;s name, %3 why (the system&apos;s reason, or one of the reasons at the end).</extracomment>
        <translation>%1 (%2): %3.</translation>
    </message>
    <message>
        <source>No answers kept yet for %1</source>
        <extracomment>%1 is the pupil.</extracomment>
        <translation>Noch keine Antworten gespeichert von %1</translation>
    </message>
    <message>
        <source>The history of %1 could not be read</source>
        <extracomment>%1 is the pupil.</extracomment>
        <translation>Der Verlauf von %1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>another computer</source>
        <extracomment>Who holds a pupil or the class list when the lock names no one.</extracomment>
        <translation>ein anderer Computer</translation>
    </message>
    <message>
        <source>the class list holds no more pupils</source>
        <translation>die Klassenliste kann keine weiteren Schüler aufnehmen</translation>
    </message>
    <message>
        <source>results are already kept under that name</source>
        <translation>unter diesem Namen gibt es schon Ergebnisse</translation>
    </message>
    <message>
        <source>it is in use on another computer</source>
        <translation>sie wird gerade an einem anderen Computer benutzt</translation>
    </message>
    <message>
        <source>another computer has taken it over</source>
        <translation>ein anderer Computer hat sie übernommen</translation>
    </message>
    <message>
        <source>another computer has removed it</source>
        <translation>ein anderer Computer hat sie entfernt</translation>
    </message>
    <message>
        <source>it is not there</source>
        <translation>sie ist nicht da</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>sie ist beschädigt</translation>
    </message>
    <message>
        <source>it was made by a newer version of Sumblitz</source>
        <translation>sie stammt von einer neueren Version von Sumblitz</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>sie konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>That is not the teacher password.</source>
        <translation>Das ist nicht das Lehrerpasswort.</translation>
    </message>
    <message>
        <source>The current password is not right.</source>
        <translation>Das jetzige Passwort stimmt nicht.</translation>
    </message>
    <message>
        <source>Type the new password in both boxes.</source>
        <translation>Gib das neue Passwort in beide Felder ein.</translation>
    </message>
    <message>
        <source>The two new passwords are not the same.</source>
        <translation>Die beiden neuen Passwörter sind nicht gleich.</translation>
    </message>
    <message>
        <source>The teacher password could not be saved</source>
        <translation>Das Lehrerpasswort konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The teacher password could not be removed</source>
        <translation>Das Lehrerpasswort konnte nicht entfernt werden</translation>
    </message>
    <message>
        <source>The teacher password cannot be checked (%1): %2. Deleting that file removes the password.</source>
        <extracomment>%1 is the file&apos;s name, %2 why (the system&apos;s reason, or one of the reasons below).</extracomment>
        <translation>Das Lehrerpasswort kann nicht geprüft werden (%1): %2. Wer diese Datei löscht, entfernt das Passwort.</translation>
    </message>
    <message>
        <source>%1&apos;s history was damaged: kept as %2, new answers are saved again</source>
        <extracomment>%1 is the pupil, %2 the file her damaged history is kept in.</extracomment>
        <translation>Der Verlauf von %1 war beschädigt: Er ist als %2 aufbewahrt, neue Antworten werden wieder gespeichert</translation>
    </message>
    <message>
        <source>%1 is a link out of the class folder: not written</source>
        <extracomment>%1 is the file&apos;s name. A symbolic link leading out of the folder of the class&apos;s files.</extracomment>
        <translation>%1 ist ein Link aus dem Klassenordner hinaus: nicht geschrieben</translation>
    </message>
    <message>
        <source>%1 (owner %2) cannot be written (%3)</source>
        <extracomment>%1 is the file&apos;s (or folder&apos;s) name, %2 the account that owns it, %3 the system&apos;s reason (&quot;Permission denied&quot;).</extracomment>
        <translation>%1 (Besitzer %2) kann nicht geschrieben werden (%3)</translation>
    </message>
    <message>
        <source>%1 cannot be made: the folder %2 (owner %3) cannot be written (%4)</source>
        <extracomment>%1 is the file&apos;s name, %2 the folder&apos;s name, %3 the account that owns the folder, %4 the system&apos;s reason (&quot;Permission denied&quot;).</extracomment>
        <translation>%1 kann nicht angelegt werden: Der Ordner %2 (Besitzer %3) kann nicht geschrieben werden (%4)</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>%1 says what could not be done, %2 why (a file not written, or one of the reasons at the end).</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>it is a link out of the class folder</source>
        <translation>sie ist ein Link aus dem Klassenordner hinaus</translation>
    </message>
    <message>
        <source>the data folder cannot be reached</source>
        <translation>der Datenordner ist nicht erreichbar</translation>
    </message>
</context>
<context>
    <name>sb::Announcer</name>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
    <message>
        <source>is</source>
        <translation>ist</translation>
    </message>
    <message>
        <source>Saved: %1</source>
        <translation>Gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>sb::ClassOverviewWindow</name>
    <message>
        <source>Class Overview</source>
        <translation>Klassenübersicht</translation>
    </message>
    <message>
        <source>D&amp;escending</source>
        <translation>&amp;Absteigend</translation>
    </message>
    <message>
        <source>&amp;Sort by:</source>
        <translation>&amp;Sortieren nach:</translation>
    </message>
    <message>
        <source>Save as CS&amp;V...</source>
        <translation>Als CS&amp;V speichern …</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als P&amp;DF speichern …</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>Dr&amp;ucken …</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save the class overview as CSV</source>
        <translation>Klassenübersicht als CSV speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Save the class overview as PDF</source>
        <translation>Klassenübersicht als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Every pupil</source>
        <translation>Alle Schüler</translation>
    </message>
    <message>
        <source>No pupils in the student file yet.</source>
        <translation>Noch keine Schüler in der Schülerdatei.</translation>
    </message>
    <message>
        <source>%1 pupils; a week is today and the six days before it.</source>
        <translation>%1 Schüler; eine Woche ist heute und die sechs Tage davor.</translation>
    </message>
    <message>
        <source>class overview</source>
        <comment>the start of a file name</comment>
        <translation>Klassenübersicht</translation>
    </message>
    <message>
        <source>Enter opens the pupil&apos;s Progress</source>
        <translation>Eingabe öffnet den Fortschritt des Kindes</translation>
    </message>
</context>
<context>
    <name>sb::HelpWindow</name>
    <message>
        <source>the folder Sumblitz was started in</source>
        <translation>der Ordner, in dem Sumblitz gestartet wurde</translation>
    </message>
    <message>
        <source>Sumblitz Help</source>
        <translation>Sumblitz-Hilfe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>On this page</source>
        <translation>Auf dieser Seite</translation>
    </message>
    <message>
        <source>Heading: %1</source>
        <translation>Überschrift: %1</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <translation>Verweis: %1</translation>
    </message>
</context>
<context>
    <name>sb::MainWindow</name>
    <message>
        <source>Step1</source>
        <translation>Schritt1</translation>
    </message>
    <message>
        <source>Step2</source>
        <translation>Schritt2</translation>
    </message>
    <message>
        <source>Step3</source>
        <translation>Schritt3</translation>
    </message>
    <message>
        <source>Step4</source>
        <translation>Schritt4</translation>
    </message>
    <message>
        <source>Step5</source>
        <translation>Schritt5</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Rechenart</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>10 Sub</source>
        <translation>10 minus</translation>
    </message>
    <message>
        <source>Subract</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>Div with R</source>
        <translation>Geteilt mit Rest</translation>
    </message>
    <message>
        <source>&quot;Sets drilling mode to Addition&quot;</source>
        <translation>&quot;Übe Plus-Aufgaben&quot;</translation>
    </message>
    <message>
        <source>&quot;Sets drilling mode to Subtract from 10&quot;</source>
        <translation>&quot;Übe Aufgaben: 10 minus eine Zahl&quot;</translation>
    </message>
    <message>
        <source>&quot;Sets drilling mode to Subtraction&quot;</source>
        <translation>&quot;Übe Minus-Aufgaben&quot;</translation>
    </message>
    <message>
        <source>Sets drilling mode to multiplication&quot;</source>
        <translation>&quot;Übe Mal-Aufgaben&quot;</translation>
    </message>
    <message>
        <source>Sets drilling mode to Division without remainders&quot;</source>
        <translation>&quot;Übe Geteilt-Aufgaben ohne Rest&quot;</translation>
    </message>
    <message>
        <source>Sets drilling mode to Division with Remainders&quot;</source>
        <translation>&quot;Übe Geteilt-Aufgaben mit Rest&quot;</translation>
    </message>
    <message>
        <source>SwitchAB</source>
        <translation>A und B tauschen</translation>
    </message>
    <message>
        <source>&quot;Randomly switches First number and Second number&quot;</source>
        <translation>&quot;Tauscht manchmal die erste und die zweite Zahl&quot;</translation>
    </message>
    <message>
        <source>First Number(A)</source>
        <translation>Erste Zahl (A)</translation>
    </message>
    <message>
        <source>  1 Thru 10</source>
        <translation>  1 bis 10</translation>
    </message>
    <message>
        <source>11 Thru 13</source>
        <translation>11 bis 13</translation>
    </message>
    <message>
        <source>14 Thru 16</source>
        <translation>14 bis 16</translation>
    </message>
    <message>
        <source>17 Thru 20</source>
        <translation>17 bis 20</translation>
    </message>
    <message>
        <source>&quot;Enables the use of 1 thru 10 as first number&quot;</source>
        <translation>&quot;Erste Zahl von 1 bis 10&quot;</translation>
    </message>
    <message>
        <source>&quot;Enables the use of 11 thru 13 as the first number&quot;</source>
        <translation>&quot;Erste Zahl von 11 bis 13&quot;</translation>
    </message>
    <message>
        <source>&quot;Enables the use of 14 thru 16 as the first number</source>
        <translation>&quot;Erste Zahl von 14 bis 16&quot;</translation>
    </message>
    <message>
        <source>&quot;Enables the use of 17 thru 20 as the first number&quot;</source>
        <translation>&quot;Erste Zahl von 17 bis 20&quot;</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle wählen</translation>
    </message>
    <message>
        <source>Unslect All</source>
        <translation>Keine wählen</translation>
    </message>
    <message>
        <source>Second  Num(B)</source>
        <translation>Zweite  Zahl (B)</translation>
    </message>
    <message>
        <source>&quot;selects the Second number&quot;</source>
        <translation>&quot;Wähle die zweite Zahl&quot;</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Knöpfe</translation>
    </message>
    <message>
        <source>Smart Repeat</source>
        <translation>Schlau wiederholen</translation>
    </message>
    <message>
        <source>&quot;Opens Smart Repeat window&quot;</source>
        <translation>&quot;Öffnet das Fenster Schlau wiederholen&quot;</translation>
    </message>
    <message>
        <source>Student Data</source>
        <translation>Schülerdaten</translation>
    </message>
    <message>
        <source>&quot;Opens Student Data window&quot;</source>
        <translation>&quot;Öffnet das Fenster Schülerdaten&quot;</translation>
    </message>
    <message>
        <source>Results Table</source>
        <translation>Ergebnistabelle</translation>
    </message>
    <message>
        <source>&quot;Shows a result of score in Table view&quot;</source>
        <translation>&quot;Zeigt deine Ergebnisse als Tabelle&quot;</translation>
    </message>
    <message>
        <source>? Goto Help</source>
        <translation>? Hilfe</translation>
    </message>
    <message>
        <source>&quot;Opens Help File&quot;</source>
        <translation>&quot;Öffnet die Hilfe&quot;</translation>
    </message>
    <message>
        <source>Settings in use</source>
        <translation>Aktuelle Einstellungen</translation>
    </message>
    <message>
        <source>Start Program</source>
        <translation>Los geht&apos;s</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>&quot;Starts and Restarts the drill&quot;</source>
        <translation>&quot;Startet die Übung oder macht weiter&quot;</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>&quot;Pauses drill&quot;</source>
        <translation>&quot;Hält die Übung an&quot;</translation>
    </message>
    <message>
        <source>New Drill</source>
        <translation>Neue Übung</translation>
    </message>
    <message>
        <source>&quot;Resets time and score&quot;</source>
        <translation>&quot;Setzt Zeit und Punkte zurück&quot;</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Fortschritt</translation>
    </message>
    <message>
        <source>Shows the pupil&apos;s progress over time (F6)</source>
        <translation>Zeigt, wie das Kind mit der Zeit vorankommt (F6)</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Richtig.</translation>
    </message>
    <message>
        <source>&amp;Read Aloud</source>
        <translation>&amp;Vorlesen</translation>
    </message>
    <message>
        <source>Reads each problem, the answers and the score aloud to this pupil</source>
        <translation>Liest diesem Kind jede Aufgabe, die Antworten und das Ergebnis vor</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>Pause.</translation>
    </message>
    <message>
        <source>Pupil: %1</source>
        <translation>Kind: %1</translation>
    </message>
    <message>
        <source>&amp;Today&apos;s Practice</source>
        <translation>&amp;Heute üben</translation>
    </message>
    <message>
        <source>A short practice of the facts this pupil needs most today</source>
        <translation>Eine kurze Übung der Aufgaben, die dieses Kind heute am meisten braucht</translation>
    </message>
</context>
<context>
    <name>sb::PasswordSettingWindow</name>
    <message>
        <source>Teacher Password</source>
        <translation>Lehrerpasswort</translation>
    </message>
    <message>
        <source>Once a teacher password is set, Smart Repeat, Student Data and the progress of other pupils ask for it, on every computer that uses this data folder. It keeps pupils out of those windows, not out of the folder: whoever can delete files there can delete %1, which also removes a forgotten password.</source>
        <translation>Sobald ein Lehrerpasswort festgelegt ist, fragen „Schlau wiederholen“, „Schülerdaten“ und der Fortschritt anderer Kinder danach, an jedem Computer, der diesen Datenordner benutzt. Es hält Kinder von diesen Fenstern fern, nicht vom Ordner: Wer dort Dateien löschen kann, kann %1 löschen – so wird auch ein vergessenes Passwort entfernt.</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Jetziges Passwort</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Neues Passwort</translation>
    </message>
    <message>
        <source>New password again</source>
        <translation>Neues Passwort wiederholt</translation>
    </message>
    <message>
        <source>&amp;Current password:</source>
        <translation>&amp;Jetziges Passwort:</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>&amp;Neues Passwort:</translation>
    </message>
    <message>
        <source>New password &amp;again:</source>
        <translation>Neues Passwort &amp;wiederholen:</translation>
    </message>
    <message>
        <source>&amp;Change Password</source>
        <translation>Passwort &amp;ändern</translation>
    </message>
    <message>
        <source>&amp;Set Password</source>
        <translation>Passwort &amp;festlegen</translation>
    </message>
    <message>
        <source>&amp;Remove Password</source>
        <translation>Passwort &amp;entfernen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>sb::PasswordWindow</name>
    <message>
        <source>Teacher Password</source>
        <translation>Lehrerpasswort</translation>
    </message>
    <message>
        <source>Only the teacher may open this window.</source>
        <translation>Nur die Lehrkraft darf dieses Fenster öffnen.</translation>
    </message>
    <message>
        <source>Teacher password</source>
        <translation>Lehrerpasswort</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>sb::ProgressChart</name>
    <message>
        <source>Progress chart; its figures are in the table beside it</source>
        <translation>Grafik zum Fortschritt; ihre Zahlen stehen in der Tabelle daneben</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% richtig</translation>
    </message>
    <message>
        <source>Median seconds</source>
        <translation>Median Sekunden</translation>
    </message>
    <message>
        <source>Median s</source>
        <translation>Median s</translation>
    </message>
    <message>
        <source>MMM d</source>
        <comment>a day on the chart&apos;s axis, as QDate writes it</comment>
        <translation>d. MMM</translation>
    </message>
    <message>
        <source>No answers in this period</source>
        <translation>Keine Antworten in diesem Zeitraum</translation>
    </message>
</context>
<context>
    <name>sb::ProgressWindow</name>
    <message>
        <source>%1, median %2 s of 1 answer</source>
        <translation>%1, Median %2 s aus 1 Antwort</translation>
    </message>
    <message>
        <source>%1, median %2 s of %3 answers</source>
        <translation>%1, Median %2 s aus %3 Antworten</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% richtig</translation>
    </message>
    <message>
        <source>Median s</source>
        <translation>Median s</translation>
    </message>
    <message>
        <source>Progress: %1</source>
        <translation>Fortschritt: %1</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>Last 90 days</source>
        <translation>Letzte 90 Tage</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source> s</source>
        <comment>seconds</comment>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Operation:</source>
        <translation>&amp;Rechenart:</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>&amp;Fluent within:</source>
        <translation>&amp;Sicher in:</translation>
    </message>
    <message>
        <source>Fluency &amp;grid</source>
        <translation>Aufgaben&amp;gitter</translation>
    </message>
    <message>
        <source>Wrong answers chosen most often</source>
        <translation>Die häufigsten falschen Antworten</translation>
    </message>
    <message>
        <source>&amp;Confusions</source>
        <translation>Ver&amp;wechslungen</translation>
    </message>
    <message>
        <source>Over &amp;time</source>
        <translation>Im &amp;Lauf der Zeit</translation>
    </message>
    <message>
        <source>Save history as CS&amp;V...</source>
        <translation>Verlauf als CS&amp;V speichern …</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als P&amp;DF speichern …</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>Dr&amp;ucken …</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save the answer history as CSV</source>
        <translation>Verlauf der Antworten als CSV speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Save the progress as PDF</source>
        <translation>Fortschritt als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Fluency grid: first numbers by second numbers</source>
        <translation>Aufgabengitter: erste Zahlen nach zweiten Zahlen</translation>
    </message>
    <message>
        <source>The chart&apos;s figures by day</source>
        <translation>Die Zahlen der Grafik nach Tagen</translation>
    </message>
    <message>
        <source>No wrong answers in this period</source>
        <translation>Keine falschen Antworten in diesem Zeitraum</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>progress</source>
        <comment>the start of a file name</comment>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a name and what it is</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: no answers.</source>
        <translation>%1: keine Antworten.</translation>
    </message>
    <message>
        <source>%1: %2 problems, %3% right, %4 min answering.</source>
        <translation>%1: %2 Aufgaben, %3 % richtig, %4 Min. Antwortzeit.</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>The week before</source>
        <translation>Die Woche davor</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Facts to practise next, most urgent first</source>
        <translation>Als Nächstes zu üben, das Dringendste zuerst</translation>
    </message>
    <message>
        <source>Practise &amp;next</source>
        <translation>Als &amp;Nächstes üben</translation>
    </message>
    <message>
        <source>Nothing to practise next: no fact is often wrong or slow</source>
        <translation>Nichts zu üben: keine Aufgabe ist oft falsch oder langsam</translation>
    </message>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <translation>dddd, d. MMMM</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <translation>ddd d. MMM</translation>
    </message>
    <message>
        <source>Next review: %1, recall now %2%</source>
        <translation>Nächste Wiederholung: %1, jetzt gewusst zu %2 %</translation>
    </message>
    <message>
        <source>d/M</source>
        <extracomment>a day as short as it goes, in a grid cell (a QDate format)</extracomment>
        <translation>d.M.</translation>
    </message>
    <message>
        <source>Due today: %1</source>
        <comment>facts whose review falls today, in Today&apos;s Practice</comment>
        <translation>Heute fällig: %1</translation>
    </message>
    <message>
        <source>Each cell: the median seconds of the fact&apos;s last five answers, the recall predicted now and the day of its next review.</source>
        <translation>Jedes Feld: der Median der Sekunden der letzten fünf Antworten, wie sicher die Aufgabe jetzt gewusst wird, und der Tag ihrer nächsten Wiederholung.</translation>
    </message>
</context>
<context>
    <name>sb::ResultsSurface</name>
    <message>
        <source>none wrong</source>
        <translation>nichts falsch</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>nicht gefragt</translation>
    </message>
</context>
<context>
    <name>sb::ResultsWindow</name>
    <message>
        <source>Percent Correct</source>
        <translation>Prozent richtig</translation>
    </message>
    <message>
        <source>Number Wrong</source>
        <translation>Anzahl falsch</translation>
    </message>
    <message>
        <source>Ratio: Correct/Total</source>
        <translation>Verhältnis: Richtig/Gesamt</translation>
    </message>
    <message>
        <source>Results Table</source>
        <translation>Ergebnistabelle</translation>
    </message>
    <message>
        <source>Scroll the table</source>
        <translation>Tabelle blättern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken …</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als P&amp;DF speichern …</translation>
    </message>
    <message>
        <source>Save all facts as &amp;CSV...</source>
        <translation>Alle Aufgaben als &amp;CSV speichern …</translation>
    </message>
    <message>
        <source>Results table, </source>
        <translation>Ergebnistabelle, </translation>
    </message>
    <message>
        <source>No drill yet: the table is empty.</source>
        <translation>Noch keine Übung: Die Tabelle ist leer.</translation>
    </message>
    <message>
        <source>Results Table: </source>
        <translation>Ergebnistabelle: </translation>
    </message>
    <message>
        <source>Print the Results Table</source>
        <translation>Ergebnistabelle drucken</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Save the Results Table as PDF</source>
        <translation>Ergebnistabelle als PDF speichern</translation>
    </message>
    <message>
        <source>Save every fact as CSV</source>
        <translation>Alle Aufgaben als CSV speichern</translation>
    </message>
    <message>
        <source>Each fact has its cell: rows 1 to 20 down the side, columns 1 to 10 (the second number) across the top.</source>
        <translation>Jede Aufgabe hat ihr Feld: die Zeilen 1 bis 20 links, die Spalten 1 bis 10 (die zweite Zahl) oben.</translation>
    </message>
    <message>
        <source> Row 7, column 4 is </source>
        <translation> Zeile 7, Spalte 4 ist </translation>
    </message>
    <message>
        <source>Percent Correct: the right answers in percent of those given. Number Wrong: the wrong answers (time-outs included), as a negative number. Ratio: right answers / answers given. * : never asked (in Number Wrong: none wrong).</source>
        <translation>Prozent richtig: die richtigen Antworten in Prozent aller Antworten. Anzahl falsch: die falschen Antworten (auch die zu langsamen) als negative Zahl. Verhältnis: richtige Antworten / alle Antworten. * : nie gefragt (bei Anzahl falsch: nichts falsch).</translation>
    </message>
    <message>
        <source>: shown</source>
        <translation>: gezeigt</translation>
    </message>
    <message>
        <source>: not shown</source>
        <translation>: nicht gezeigt</translation>
    </message>
</context>
<context>
    <name>sb::SmartWindow</name>
    <message>
        <source>Smart Repeat</source>
        <translation>Schlau wiederholen</translation>
    </message>
    <message>
        <source>Repeat Math Fact if:</source>
        <translation>Aufgabe wiederholen, wenn:</translation>
    </message>
    <message>
        <source>Remove MathFact if:</source>
        <translation>Aufgabe weglassen, wenn:</translation>
    </message>
    <message>
        <source>End Drill Controls</source>
        <translation>Ende der Übung</translation>
    </message>
    <message>
        <source>Minor Options</source>
        <translation>Weitere Einstellungen</translation>
    </message>
    <message>
        <source>Student Data</source>
        <translation>Schülerdaten</translation>
    </message>
    <message>
        <source>Opens Student Data Window</source>
        <translation>Öffnet das Fenster Schülerdaten</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close Current window</source>
        <translation>Schließt dieses Fenster</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Activates Repeat when answer is incorrect</source>
        <translation>Wiederholt, wenn die Antwort falsch ist</translation>
    </message>
    <message>
        <source> Wrong</source>
        <translation> Falsch</translation>
    </message>
    <message>
        <source>Wrong Times</source>
        <translation>Wie oft falsch</translation>
    </message>
    <message>
        <source>How many timesWrong to trigger Repeat cycle</source>
        <translation>Wie oft falsch, bis wiederholt wird</translation>
    </message>
    <message>
        <source>Times      -&gt;Then Do</source>
        <translation>Mal        -&gt;dann</translation>
    </message>
    <message>
        <source>Number of repeats</source>
        <translation>Wie oft wiederholen</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>Wiederh.</translation>
    </message>
    <message>
        <source>Slower Than</source>
        <translation>Langsamer als</translation>
    </message>
    <message>
        <source>Activates Repeat when slow</source>
        <translation>Wiederholt, wenn die Antwort langsam ist</translation>
    </message>
    <message>
        <source> Slower Than</source>
        <translation> Langsamer als</translation>
    </message>
    <message>
        <source>Slower Than seconds</source>
        <translation>Langsamer als Sekunden</translation>
    </message>
    <message>
        <source>Trigger to start Repeat feature</source>
        <translation>Ab hier wird wiederholt</translation>
    </message>
    <message>
        <source>seconds -&gt;Then Do</source>
        <translation>Sekunden -&gt;dann</translation>
    </message>
    <message>
        <source>Number of Repeats</source>
        <translation>Wie oft wiederholen</translation>
    </message>
    <message>
        <source>Repeat randomly within next</source>
        <translation>Wiederholen in den nächsten</translation>
    </message>
    <message>
        <source>Repeat randomly within next questions</source>
        <translation>Wiederholen in den nächsten Aufgaben</translation>
    </message>
    <message>
        <source>&quot;Interval for Repeat&quot;</source>
        <translation>&quot;Abstand für die Wiederholung&quot;</translation>
    </message>
    <message>
        <source>questions</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Consecutively Correct</source>
        <translation>Hintereinander richtig</translation>
    </message>
    <message>
        <source>&quot;Activates Remove&quot;</source>
        <translation>&quot;Schaltet Weglassen ein&quot;</translation>
    </message>
    <message>
        <source> Consecutively Correct</source>
        <translation> Hintereinander richtig</translation>
    </message>
    <message>
        <source>Trigger for Remove</source>
        <translation>Ab hier wird weggelassen</translation>
    </message>
    <message>
        <source>Correct Faster Than</source>
        <translation>Richtig schneller als</translation>
    </message>
    <message>
        <source>Activates Remove</source>
        <translation>Schaltet Weglassen ein</translation>
    </message>
    <message>
        <source>Seconds In Last</source>
        <translation>Sekunden in den letzten</translation>
    </message>
    <message>
        <source>Seconds In Last Problems</source>
        <translation>Sekunden in den letzten Aufgaben</translation>
    </message>
    <message>
        <source>Number of Problems to Trigger Remove</source>
        <translation>Anzahl Aufgaben bis zum Weglassen</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Let Remove OverRide Repeat</source>
        <translation>Weglassen geht vor Wiederholen</translation>
    </message>
    <message>
        <source>Removes even with pending Repeats</source>
        <translation>Lässt weg, auch wenn noch Wiederholungen offen sind</translation>
    </message>
    <message>
        <source> Let Remove OverRide Repeat</source>
        <translation> Weglassen geht vor Wiederholen</translation>
    </message>
    <message>
        <source>   Save Level at end of drill</source>
        <translation>   Stufe am Ende der Übung merken</translation>
    </message>
    <message>
        <source>Loads current Settings on Start</source>
        <translation>Lädt die Einstellungen beim Start</translation>
    </message>
    <message>
        <source>Max Time(min)</source>
        <translation>Höchstzeit (min)</translation>
    </message>
    <message>
        <source>&quot;The maximum time in minutes the drill will last&quot;</source>
        <translation>&quot;So viele Minuten dauert die Übung höchstens&quot;</translation>
    </message>
    <message>
        <source>Max Problems</source>
        <translation>Höchstzahl Aufgaben</translation>
    </message>
    <message>
        <source>&quot;The maximum number of problems to drill&quot;</source>
        <translation>&quot;So viele Aufgaben gibt es höchstens&quot;</translation>
    </message>
    <message>
        <source>ShockClock(sec)</source>
        <translation>Blitzuhr (s)</translation>
    </message>
    <message>
        <source>&quot;Time limit to answer question in seconds&quot;</source>
        <translation>&quot;So viele Sekunden hast du für eine Antwort&quot;</translation>
    </message>
    <message>
        <source>Delay Time(Sec)</source>
        <translation>Wartezeit (s)</translation>
    </message>
    <message>
        <source>&quot;Locks controls for a few seconds</source>
        <translation>&quot;Sperrt die Knöpfe ein paar Sekunden&quot;</translation>
    </message>
    <message>
        <source>Stop Drill when:</source>
        <translation>Übung endet, wenn:</translation>
    </message>
    <message>
        <source>Time is up</source>
        <translation>die Zeit um ist</translation>
    </message>
    <message>
        <source>Done all Problems</source>
        <translation>alle Aufgaben fertig sind</translation>
    </message>
    <message>
        <source>Either is finished</source>
        <translation>eines davon fertig ist</translation>
    </message>
    <message>
        <source>Both are finished</source>
        <translation>beides fertig ist</translation>
    </message>
    <message>
        <source>Do Not Stop Drill</source>
        <translation>Übung nicht beenden</translation>
    </message>
    <message>
        <source>&quot;Stops drill by time only&quot;</source>
        <translation>&quot;Endet nur nach der Zeit&quot;</translation>
    </message>
    <message>
        <source>&quot;Stops drill by Number of problems only&quot;</source>
        <translation>&quot;Endet nur nach der Zahl der Aufgaben&quot;</translation>
    </message>
    <message>
        <source>&quot;Stops drill on the first of the two to reach its limit&quot;</source>
        <translation>&quot;Endet, sobald eines von beiden erreicht ist&quot;</translation>
    </message>
    <message>
        <source>&quot;Stops the drill on the last of the two to reach its limit&quot;</source>
        <translation>&quot;Endet, wenn beides erreicht ist&quot;</translation>
    </message>
    <message>
        <source>&quot;Drill is not Stopped</source>
        <translation>&quot;Die Übung endet nicht&quot;</translation>
    </message>
    <message>
        <source>Popup screen time</source>
        <translation>Hinweis-Fenster</translation>
    </message>
    <message>
        <source>Popup screen time (Sec)</source>
        <translation>Hinweis-Fenster (s)</translation>
    </message>
    <message>
        <source>(Sec)</source>
        <translation>(s)</translation>
    </message>
    <message>
        <source>Original Default  </source>
        <translation>Grundeinstellung  </translation>
    </message>
    <message>
        <source>Original Defaults</source>
        <translation>Grundeinstellung</translation>
    </message>
    <message>
        <source>Reset to Original Default Values</source>
        <translation>Zurück zur Grundeinstellung</translation>
    </message>
    <message>
        <source>Current As Default</source>
        <translation>Als Standard merken</translation>
    </message>
    <message>
        <source>Use Current Values as Default</source>
        <translation>Diese Werte als Standard nehmen</translation>
    </message>
    <message>
        <source>Then Do Repeats when wrong</source>
        <translation>Dann so oft wiederholen, wenn falsch</translation>
    </message>
    <message>
        <source>Then Do Repeats when slow</source>
        <translation>Dann so oft wiederholen, wenn langsam</translation>
    </message>
    <message>
        <source>Consecutively Correct times</source>
        <translation>So oft hintereinander richtig</translation>
    </message>
    <message>
        <source>Correct Faster Than seconds</source>
        <translation>Richtig schneller als Sekunden</translation>
    </message>
</context>
<context>
    <name>sb::StudentWindow</name>
    <message>
        <source>Start Review After</source>
        <translation>Üben ab</translation>
    </message>
    <message>
        <source>Prob</source>
        <translation>Aufg.</translation>
    </message>
    <message>
        <source>Triggers Review Feature on</source>
        <translation>Ab hier wird geübt</translation>
    </message>
    <message>
        <source>Start review after (problems)</source>
        <translation>Üben ab (Aufgaben)</translation>
    </message>
    <message>
        <source>End Review After</source>
        <translation>Üben bis</translation>
    </message>
    <message>
        <source>Triggers Review Feature Off</source>
        <translation>Bis hier wird geübt</translation>
    </message>
    <message>
        <source>End review after (problems)</source>
        <translation>Üben bis (Aufgaben)</translation>
    </message>
    <message>
        <source>Advance   MathFact if:  </source>
        <translation>Weiter   zur Aufgabe bei:  </translation>
    </message>
    <message>
        <source>% Correct</source>
        <translation>% richtig</translation>
    </message>
    <message>
        <source>Trigger to Advance Number</source>
        <translation>Ab hier geht es weiter</translation>
    </message>
    <message>
        <source>Advance math fact if percent correct</source>
        <translation>Weiter, wenn so viel Prozent richtig</translation>
    </message>
    <message>
        <source>in last</source>
        <translation>in den letzten</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Minimum to take Average</source>
        <translation>So viele Aufgaben zählen mit</translation>
    </message>
    <message>
        <source>in last (problems)</source>
        <translation>in den letzten (Aufgaben)</translation>
    </message>
    <message>
        <source>Student Data</source>
        <translation>Schülerdaten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Step1: Load Student</source>
        <translation>Schritt1: Schüler laden</translation>
    </message>
    <message>
        <source>New Student/Rename Student</source>
        <translation>Neuer Schüler/Umbenennen</translation>
    </message>
    <message>
        <source>&quot;Type in Students Name here</source>
        <translation>&quot;Schreib hier den Namen&quot;</translation>
    </message>
    <message>
        <source>Add Student to List</source>
        <translation>Zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>Click to select student</source>
        <translation>Klick, um einen Schüler zu wählen</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>SortList</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Step2:Set Level</source>
        <translation>Schritt2: Stufe wählen</translation>
    </message>
    <message>
        <source>Students Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Displays current student</source>
        <translation>Zeigt den Schüler</translation>
    </message>
    <message>
        <source>Load on Start Up</source>
        <translation>Beim Start laden</translation>
    </message>
    <message>
        <source>Loads Current student on Program Start</source>
        <translation>Lädt diesen Schüler beim Start</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Activates Review Feature</source>
        <translation>Schaltet Üben ein</translation>
    </message>
    <message>
        <source>Review active</source>
        <translation>Üben an</translation>
    </message>
    <message>
        <source>Second number %1</source>
        <translation>Zweite Zahl %1</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>10 Sub</source>
        <translation>10 minus</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>Divide with remainder</source>
        <translation>Geteilt mit Rest</translation>
    </message>
    <message>
        <source>Start/Stop</source>
        <translation>Start/Stopp</translation>
    </message>
    <message>
        <source>Toggles Teach Mode</source>
        <translation>Schaltet den Lernweg an oder aus</translation>
    </message>
    <message>
        <source>Repeat Setting</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Opens Smart Repeat Window</source>
        <translation>Öffnet das Fenster Schlau wiederholen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Closes this Window</source>
        <translation>Schließt dieses Fenster</translation>
    </message>
    <message>
        <source>Students Name: </source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Second numbers</source>
        <translation>Zweite Zahlen</translation>
    </message>
    <message>
        <source>Class &amp;Overview...</source>
        <translation>Klassen&amp;übersicht …</translation>
    </message>
    <message>
        <source>Take Over</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Make this pupil current here although another computer has her: only when that computer is off</source>
        <translation>Dieses Kind hier übernehmen, obwohl ein anderer Computer es hat: nur wenn jener Computer aus ist</translation>
    </message>
    <message>
        <source>Teacher &amp;Password...</source>
        <translation>Lehrer&amp;passwort …</translation>
    </message>
    <message>
        <source>Sets, changes or removes the password that Smart Repeat, Student Data and other pupils&apos; progress ask for</source>
        <translation>Legt das Passwort fest, nach dem „Schlau wiederholen“, „Schülerdaten“ und der Fortschritt anderer Kinder fragen, oder ändert oder entfernt es</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;Practice:</source>
        <translation>Heute &amp;üben:</translation>
    </message>
    <message>
        <source> min</source>
        <translation> Min.</translation>
    </message>
    <message>
        <source>How long this pupil&apos;s Today&apos;s Practice lasts</source>
        <translation>Wie lange „Heute üben“ für dieses Kind dauert</translation>
    </message>
    <message>
        <source>Today&apos;s Practice minutes</source>
        <translation>Minuten für „Heute üben“</translation>
    </message>
    <message>
        <source>&amp;First</source>
        <translation>&amp;Zuerst</translation>
    </message>
    <message>
        <source>The main window offers Today&apos;s Practice before Start</source>
        <translation>Das Hauptfenster bietet „Heute üben“ vor Start an</translation>
    </message>
    <message>
        <source>Today&apos;s Practice first</source>
        <translation>„Heute üben“ zuerst</translation>
    </message>
    <message>
        <source>by time</source>
        <translation>nach Zeit</translation>
    </message>
    <message>
        <source> problems</source>
        <translation> Aufgaben</translation>
    </message>
    <message>
        <source>Or how many problems this pupil&apos;s Today&apos;s Practice has</source>
        <translation>Oder wie viele Aufgaben „Heute üben“ für dieses Kind hat</translation>
    </message>
    <message>
        <source>Today&apos;s Practice problems</source>
        <translation>Aufgaben für „Heute üben“</translation>
    </message>
</context>
</TS>
